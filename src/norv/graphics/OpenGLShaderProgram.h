// One compiled GLSL shader object (vertex or fragment).
#pragma once

#include "norv/base/core/NarrowString.h"

namespace Norv {

// Reads the compile or link status of a shader or program; on failure logs
// its info log and answers false.
bool CheckGLSLErrors(unsigned handle, bool isProgram);

class OpenGLShaderProgram {
public:
    enum Type {
        Vertex = 0,
        Fragment = 1,
    };

    OpenGLShaderProgram() = default;
    ~OpenGLShaderProgram();
    OpenGLShaderProgram(OpenGLShaderProgram const&) = delete;
    OpenGLShaderProgram& operator=(OpenGLShaderProgram const&) = delete;

    // Compiles the source; false for an unknown type or a compile error.
    bool Load(NarrowString const& source, int type);
    void Free();
    unsigned GetName() const { return name; }

private:
    unsigned name = 0;
};

} // namespace Norv
