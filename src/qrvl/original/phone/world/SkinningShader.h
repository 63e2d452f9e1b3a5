// The shared skinning program of the skinned models and its uniforms.
#pragma once

#include <SDL_opengl.h>

struct SkinningShader {
    // The uniforms, in the order of their names.
    enum Uniform {
        MVPMatrix, ViewProjMatrix, LightDirModel, LightDirWorld, BoneCount, BoneMatrixArray, BoneMatrixArrayIT,
        UniformCount
    };
    // Attribute locations of the vertex streams.
    enum Attribute { Vertex, Normal, TexCoord, BoneWeight, BoneIndex, AttributeCount };
    // The bones one batch may use: the size of the shader's bone arrays.
    static constexpr int kMaxBatchBones = 8;

    static char const* const kUniformNames[UniformCount];
    static char const* const kAttributeNames[AttributeCount];

    GLuint program = 0;
    GLint uniforms[UniformCount] = {};
};
