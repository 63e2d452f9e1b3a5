// The entity factory and its model cache.
#include "qrvl/original/phone/EntManager.h"

#include "contrib/pvr/PVRTShader.h"
#include "contrib/pvr/PVRTString.h"
#include "norv/graphics/OpenGL.h"

namespace {

char const kVertexShaderFile[] = "VertShader.vsh";
char const kFragmentShaderFile[] = "FragShader.fsh";

} // namespace

EntManager& EntManager::Get()
{
    static EntManager manager;
    return manager;
}

CEntImpl& EntManager::CachedModel(char const* file, char const* folder)
{
    Norv::SmartPtr<CEntImpl>& slot = cache[file];
    if (!slot) {
        slot = new CEntImpl;
        slot->Load(file, folder);
    }
    return *slot;
}

CEnt* EntManager::CreateEnt(char const* file, char const* folder)
{
    return new CEnt(CachedModel(file, folder));
}

CEntImpl* EntManager::GetModel(char const* file, char const* folder)
{
    Norv::SmartPtr<CEntImpl> model(new CEntImpl);
    model->Load(file, folder);
    cache[file] = model;
    return model.Get();
}

EntManager::~EntManager()
{
    if (vertexShader) {
        glDeleteProgram(skinning.program);
        glDeleteShader(vertexShader);
        glDeleteShader(fragmentShader);
    }
}

SkinningShader* EntManager::GetSkinningShader()
{
    LoadSkinShader();
    return &skinning;
}

void EntManager::LoadSkinShader()
{
    if (skinning.program || !Norv::GetGLCaps().glsl)
        return;
    // Failures are silent: skinned models then draw unskinned.
    CPVRTString error;
    if (PVRTShaderLoadFromFile("", kVertexShaderFile, GL_VERTEX_SHADER, 0, &vertexShader, &error) != PVR_SUCCESS
        || PVRTShaderLoadFromFile("", kFragmentShaderFile, GL_FRAGMENT_SHADER, 0, &fragmentShader, &error)
            != PVR_SUCCESS)
        return;
    if (PVRTCreateProgram(&skinning.program, vertexShader, fragmentShader,
                          const_cast<char const**>(SkinningShader::kAttributeNames), SkinningShader::AttributeCount,
                          &error)
        != PVR_SUCCESS)
        return;
    for (int i = 0; i < SkinningShader::UniformCount; ++i)
        skinning.uniforms[i] = glGetUniformLocation(skinning.program, SkinningShader::kUniformNames[i]);
}
