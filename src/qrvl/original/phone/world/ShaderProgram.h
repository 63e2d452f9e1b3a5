// A GLSL program of the board built from its two source files: the car's,
// the wheel's and the skinned models' programs are made the same way.
#pragma once

#include <SDL_opengl.h>

struct ShaderProgram {
    GLuint program = 0;
    GLuint vertexShader = 0;
    GLuint fragmentShader = 0;

    // Compiles both files and links them, binding the attribute names to
    // locations 0, 1, ... in order. Failures are silent and leave the
    // caller drawing without the program: after a failed compile the
    // program stays 0; after a failed link it keeps the name the linker
    // gave it, so the caller does not try again. True once linked.
    bool Build(char const* vertexFile, char const* fragmentFile, char const* const* attributes, int attributeCount);
    // The locations of the named uniforms, in order.
    void ReadUniforms(char const* const* names, int count, GLint* locations) const;
    // Deletes the program and both shaders when they were made.
    void Release();
};
