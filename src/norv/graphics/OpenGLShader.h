// A GLSL program built lazily from a vertex and a fragment source.
#pragma once

#include <set>

#include "norv/base/core/NarrowString.h"
#include "norv/base/core/RefCounter.h"
#include "norv/graphics/OpenGLShaderProgram.h"

namespace Norv {

class OpenGLShader : public RefCounter {
public:
    // Vertex attribute locations every built-in shader uses.
    enum Attribute {
        AttributePosition = 0,  // "inPos"
        AttributeUV = 1,        // "inUV"
        AttributeColor = 2,     // "inColor"
    };

    // Placed in front of every vertex source: maps destination pixels to
    // clip space through the uniform "screen".
    static char const* const s_glPosition;
    // The same for displays turned by 90, 180 and 270 degrees.
    static char const* const s_glPosition90;
    static char const* const s_glPosition180;
    static char const* const s_glPosition270;
    static std::set<OpenGLShader*> s_shaders;

    // With twoSamplers the uniform "tex2" reads texture unit 1.
    explicit OpenGLShader(bool twoSamplers);
    ~OpenGLShader() override;

    // Stores the sources; the program is built on first use.
    void Load(NarrowString const& vertexSource, NarrowString const& fragmentSource);
    // Compiles and links; false (and logged) when either step fails. A
    // program that failed is not tried again until _Free.
    bool Reload();
    // Builds the program unless it exists or has failed; true when it exists.
    bool Build();
    // Builds the program if needed and makes it current; false when it
    // cannot be built.
    bool Enable(unsigned unit = 0);
    void Disable();
    void Uniform(char const* name, int value);
    void Uniform(char const* name, float value);
    void Uniform(char const* name, float a, float b);
    void Uniform(char const* name, float a, float b, float c);
    unsigned Handle(unsigned unit = 0) const;

    // Deletes the GL objects of every shader; they are rebuilt on next use.
    static void Free();
    void _Free();

private:
    unsigned program = 0;
    bool twoSamplers;
    bool failed = false;
    OpenGLShaderProgram vertex;
    OpenGLShaderProgram fragment;
    NarrowString vertexSource;
    NarrowString fragmentSource;
};

} // namespace Norv
