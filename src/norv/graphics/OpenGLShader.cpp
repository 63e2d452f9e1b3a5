// Building, enabling and feeding GLSL programs.
#include "norv/graphics/OpenGLShader.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <cstring>

#include "norv/graphics/DrawState.h"
#include "norv/graphics/OpenGLBatcher.h"

namespace Norv {

namespace {

// A uniform's value decides what the draws after it show, so it is part of
// the frame's fingerprint.
void FoldUniform(unsigned program, char const* name, void const* values, std::size_t size)
{
    OpenGLBatcher* batcher = DrawingBatcher();
    if (!batcher)
        return;
    batcher->Fold(&program, sizeof program);
    batcher->Fold(name, std::strlen(name));
    batcher->Fold(values, size);
}

} // namespace

char const* const OpenGLShader::s_glPosition =
    "#define GLPOSITION gl_Position = vec4( inPos.x * screen[0] - 1.0, inPos.y * screen[1] - screen[2], 0.0, 1.0 );\n";
char const* const OpenGLShader::s_glPosition90 =
    "#define GLPOSITION gl_Position = vec4( -inPos.y * screen[0] + 1.0, inPos.x * screen[1] - screen[2], 0.0, 1.0 );\n";
char const* const OpenGLShader::s_glPosition180 =
    "#define GLPOSITION gl_Position = vec4( -inPos.x * screen[0] + 1.0, -inPos.y * screen[1] + screen[2], 0.0, 1.0 "
    ");\n";
char const* const OpenGLShader::s_glPosition270 =
    "#define GLPOSITION gl_Position = vec4( inPos.y * screen[0] - 1.0, -inPos.x * screen[1] + screen[2], 0.0, 1.0 );\n";
std::set<OpenGLShader*> OpenGLShader::s_shaders;

OpenGLShader::OpenGLShader(bool withTwoSamplers) : twoSamplers(withTwoSamplers)
{
    s_shaders.insert(this);
}

OpenGLShader::~OpenGLShader()
{
    _Free();
    s_shaders.erase(this);
}

void OpenGLShader::Load(NarrowString const& vertexText, NarrowString const& fragmentText)
{
    vertexSource = vertexText;
    fragmentSource = fragmentText;
}

bool OpenGLShader::Reload()
{
    _Free();
    if (!vertex.Load(NarrowString(s_glPosition) + vertexSource, OpenGLShaderProgram::Vertex) ||
        !fragment.Load(fragmentSource, OpenGLShaderProgram::Fragment)) {
        _Free();
        failed = true;
        return false;
    }
    program = glCreateProgram();
    glAttachShader(program, vertex.GetName());
    glAttachShader(program, fragment.GetName());
    glBindAttribLocation(program, AttributePosition, "inPos");
    glBindAttribLocation(program, AttributeUV, "inUV");
    glBindAttribLocation(program, AttributeColor, "inColor");
    glLinkProgram(program);
    if (!CheckGLSLErrors(program, true)) {
        _Free();
        failed = true;
        return false;
    }
    return true;
}

bool OpenGLShader::Build()
{
    return program || (!failed && Reload());
}

bool OpenGLShader::Enable(unsigned)
{
    if (!Build())
        return false;
    glUseProgram(program);
    Uniform("tex", 0);
    if (twoSamplers)
        Uniform("tex2", 1);
    return true;
}

void OpenGLShader::Disable()
{
    glUseProgram(0);
}

void OpenGLShader::Uniform(char const* name, int value)
{
    FoldUniform(program, name, &value, sizeof value);
    glUniform1i(glGetUniformLocation(program, name), value);
}

void OpenGLShader::Uniform(char const* name, float value)
{
    FoldUniform(program, name, &value, sizeof value);
    glUniform1f(glGetUniformLocation(program, name), value);
}

void OpenGLShader::Uniform(char const* name, float a, float b)
{
    float const values[] = {a, b};
    FoldUniform(program, name, values, sizeof values);
    glUniform2f(glGetUniformLocation(program, name), a, b);
}

void OpenGLShader::Uniform(char const* name, float a, float b, float c)
{
    float const values[] = {a, b, c};
    FoldUniform(program, name, values, sizeof values);
    glUniform3f(glGetUniformLocation(program, name), a, b, c);
}

unsigned OpenGLShader::Handle(unsigned) const
{
    return program;
}

void OpenGLShader::Free()
{
    for (OpenGLShader* shader : s_shaders)
        shader->_Free();
}

void OpenGLShader::_Free()
{
    if (program)
        glDeleteProgram(program);
    program = 0;
    vertex.Free();
    fragment.Free();
    failed = false;
}

} // namespace Norv
