// Compiling GLSL shader objects and reporting their errors.
#include "norv/graphics/OpenGLShaderProgram.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <cstdio>
#include <vector>

namespace Norv {

bool CheckGLSLErrors(unsigned handle, bool isProgram)
{
    GLint status = GL_FALSE;
    GLint length = 0;
    if (isProgram) {
        glGetProgramiv(handle, GL_LINK_STATUS, &status);
        glGetProgramiv(handle, GL_INFO_LOG_LENGTH, &length);
    } else {
        glGetShaderiv(handle, GL_COMPILE_STATUS, &status);
        glGetShaderiv(handle, GL_INFO_LOG_LENGTH, &length);
    }
    if (status == GL_TRUE)
        return true;
    std::vector<char> log(static_cast<std::size_t>(length > 1 ? length : 1), '\0');
    if (length > 1) {
        if (isProgram)
            glGetProgramInfoLog(handle, length, nullptr, log.data());
        else
            glGetShaderInfoLog(handle, length, nullptr, log.data());
    }
    std::fprintf(stderr, "GLSL %s failed: %s\n", isProgram ? "link" : "compile", log.data());
    return false;
}

OpenGLShaderProgram::~OpenGLShaderProgram()
{
    Free();
}

bool OpenGLShaderProgram::Load(NarrowString const& source, int type)
{
    if (type != Vertex && type != Fragment)
        return false;
    Free();
    name = glCreateShader(type == Vertex ? GL_VERTEX_SHADER : GL_FRAGMENT_SHADER);
    char const* text = source.c_str();
    glShaderSource(name, 1, &text, nullptr);
    glCompileShader(name);
    return CheckGLSLErrors(name, false);
}

void OpenGLShaderProgram::Free()
{
    if (name)
        glDeleteShader(name);
    name = 0;
}

} // namespace Norv
