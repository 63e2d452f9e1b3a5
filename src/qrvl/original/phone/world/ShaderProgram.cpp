// Compiling and linking a board program from its source files.
#include "qrvl/original/phone/world/ShaderProgram.h"

#include "contrib/pvr/PVRTShader.h"
#include "contrib/pvr/PVRTString.h"
#include "norv/graphics/OpenGL.h"

bool ShaderProgram::Build(char const* vertexFile, char const* fragmentFile, char const* const* attributes,
                          int attributeCount)
{
    CPVRTString error;
    if (PVRTShaderLoadFromFile("", vertexFile, GL_VERTEX_SHADER, 0, &vertexShader, &error) != PVR_SUCCESS
        || PVRTShaderLoadFromFile("", fragmentFile, GL_FRAGMENT_SHADER, 0, &fragmentShader, &error) != PVR_SUCCESS) {
        // Nothing is kept, so that a later call starts afresh.
        Release();
        return false;
    }
    return PVRTCreateProgram(&program, vertexShader, fragmentShader, const_cast<char const**>(attributes),
                             attributeCount, &error)
           == PVR_SUCCESS;
}

void ShaderProgram::ReadUniforms(char const* const* names, int count, GLint* locations) const
{
    for (int i = 0; i < count; ++i)
        locations[i] = glGetUniformLocation(program, names[i]);
}

void ShaderProgram::Release()
{
    if (program)
        glDeleteProgram(program);
    if (vertexShader)
        glDeleteShader(vertexShader);
    if (fragmentShader)
        glDeleteShader(fragmentShader);
    program = vertexShader = fragmentShader = 0;
}
