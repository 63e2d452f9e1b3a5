// Loading GLSL shaders from files or memory and linking them into programs
// with named attributes at fixed indices.
#pragma once

#include "contrib/pvr/PVRTContext.h"
#include "contrib/pvr/PVRTGlobal.h"
#include "contrib/pvr/PVRTString.h"
#include "contrib/pvr/PVRTgl.h"

// Compiles the shader in sourceFile (after one "#define" line per name in
// defines). A binaryFile is offered first when binaryFormat is not 0 and
// there are no definitions, but binaries are never accepted here. The error
// text is cleared, then gets a line for each file that did not open.
EPVRTError PVRTShaderLoadFromFile(const char* binaryFile, const char* sourceFile, GLenum type, GLenum binaryFormat,
                                  GLuint* shader, CPVRTString* error, const SPVRTContext* context = 0,
                                  const char* const* defines = 0, GLuint defineCount = 0);

// Compiles a source text; on failure the shader object is deleted and the
// error text replaced by the compiler's log.
EPVRTError PVRTShaderLoadSourceFromMemory(const char* source, GLenum type, GLuint* shader, CPVRTString* error,
                                          const char* const* defines = 0, GLuint defineCount = 0);

// Precompiled binaries are not supported: always PVR_FAIL.
EPVRTError PVRTShaderLoadBinaryFromMemory(const void* data, unsigned long size, GLenum type, GLenum format,
                                          GLuint* shader, CPVRTString* error);

// Links the two shaders, attribute i bound to index i; on success the
// program is made current. A failed link keeps the program object.
EPVRTError PVRTCreateProgram(GLuint* program, GLuint vertexShader, GLuint fragmentShader,
                             const char** attributeNames, int attributeCount, CPVRTString* error);
