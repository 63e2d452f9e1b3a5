// GLSL shader loading and program linking.
#include "contrib/pvr/PVRTShader.h"

#include "contrib/pvr/PVRTResourceFile.h"

#include <vector>

namespace {

// The compiler's or linker's log; empty when there is none.
template <class GetIv, class GetLog>
CPVRTString InfoLog(GLuint object, GetIv getIv, GetLog getLog)
{
    GLint length = 0;
    getIv(object, GL_INFO_LOG_LENGTH, &length);
    std::vector<char> log(size_t(length > 0 ? length : 0) + 1, '\0');
    if (length > 0)
        getLog(object, length, nullptr, log.data());
    return CPVRTString(log.data());
}

} // namespace

EPVRTError PVRTShaderLoadFromFile(const char* binaryFile, const char* sourceFile, GLenum type, GLenum binaryFormat,
                                  GLuint* shader, CPVRTString* error, const SPVRTContext*,
                                  const char* const* defines, GLuint defineCount)
{
    *error = "";
    if (binaryFile && binaryFormat && defineCount == 0) {
        CPVRTResourceFile binary(binaryFile);
        if (binary.IsOpen())
            PVRTShaderLoadBinaryFromMemory(binary.DataPtr(), binary.Size(), type, binaryFormat, shader, error);
        *error += CPVRTString("Failed to open shader ") + binaryFile + "\n";
    }
    CPVRTResourceFile source(sourceFile);
    if (!source.IsOpen()) {
        *error += CPVRTString("Failed to open shader ") + sourceFile + "\n";
        return PVR_FAIL;
    }
    return PVRTShaderLoadSourceFromMemory(source.StringPtr(), type, shader, error, defines, defineCount);
}

EPVRTError PVRTShaderLoadSourceFromMemory(const char* source, GLenum type, GLuint* shader, CPVRTString* error,
                                          const char* const* defines, GLuint defineCount)
{
    CPVRTString text;
    for (GLuint i = 0; i < defineCount; ++i)
        text += CPVRTString("#define ") + defines[i] + "\n";
    text += source;

    *shader = glCreateShader(type);
    const char* sources[] = {text.c_str()};
    glShaderSource(*shader, 1, sources, nullptr);
    glCompileShader(*shader);
    GLint compiled = GL_FALSE;
    glGetShaderiv(*shader, GL_COMPILE_STATUS, &compiled);
    if (compiled)
        return PVR_SUCCESS;
    *error = CPVRTString("Failed to compile shader: ") + InfoLog(*shader, glGetShaderiv, glGetShaderInfoLog) + "\n";
    glDeleteShader(*shader);
    return PVR_FAIL;
}

EPVRTError PVRTShaderLoadBinaryFromMemory(const void*, unsigned long, GLenum, GLenum, GLuint*, CPVRTString*)
{
    return PVR_FAIL;
}

EPVRTError PVRTCreateProgram(GLuint* program, GLuint vertexShader, GLuint fragmentShader,
                             const char** attributeNames, int attributeCount, CPVRTString* error)
{
    *program = glCreateProgram();
    glAttachShader(*program, fragmentShader);
    glAttachShader(*program, vertexShader);
    for (int i = 0; i < attributeCount; ++i)
        glBindAttribLocation(*program, GLuint(i), attributeNames[i]);
    glLinkProgram(*program);
    GLint linked = GL_FALSE;
    glGetProgramiv(*program, GL_LINK_STATUS, &linked);
    if (!linked) {
        *error = CPVRTString("Failed to link: ") + InfoLog(*program, glGetProgramiv, glGetProgramInfoLog) + "\n";
        return PVR_FAIL;
    }
    glUseProgram(*program);
    return PVR_SUCCESS;
}
