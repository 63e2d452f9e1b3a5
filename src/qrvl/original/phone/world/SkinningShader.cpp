// The skinning program's uniform and attribute names.
#include "qrvl/original/phone/world/SkinningShader.h"

char const* const SkinningShader::kUniformNames[UniformCount] = {
    "MVPMatrix", "ViewProjMatrix", "LightDirModel", "LightDirWorld", "BoneCount", "BoneMatrixArray[0]",
    "BoneMatrixArrayIT[0]"};

char const* const SkinningShader::kAttributeNames[AttributeCount] = {
    "inVertex", "inNormal", "inTexCoord", "inBoneWeight", "inBoneIndex"};
