// The spinner wheel: a model with a sharp face and a motion-blurred one,
// each with its normal map, drawn turned by the spinner motion's angle;
// the blurred pair shows once the wheel turns fast.
#pragma once

#include "qrvl/original/phone/world/CEnt.h"
#include "qrvl/original/phone/world/CEntImpl.h"
#include "qrvl/original/phone/world/ShaderProgram.h"

class SpinnerEntImpl : public CEntImpl {
public:
    // Texture slots.
    enum { kSharpBase, kSharpNormals, kBlurredBase, kBlurredNormals, kSlots };

    ~SpinnerEntImpl() override;
    // The model, then its first material's texture stem + ".pvr",
    // "_blur.pvr", "Normal.pvr" and "Normal_blur.pvr"; without materials
    // "Basetex.pvr" and "Normalmap.pvr". The folder is not prefixed to the
    // textures' names.
    void Load(char const* file, char const* folder) override;
};

// The wheel's program blends the sharp and the blurred pair by a weight
// that follows the spinner motion's blur; without shaders the entity shows
// one pair or the other. Smoke, flying rocks and sparks come with speed.
class SpinnerEnt : public CEnt {
public:
    enum Uniform {
        MVPMatrix, MVPMatrixInv, LightPosModel, sWeight, sBaseTex1, sBaseTex2, sNormalMap1, sNormalMap2,
        UniformCount
    };
    enum Attribute { Vertex, Normal, TexCoord, Tangent, Bitangent, AttributeCount };

    // Builds "Spinner.vsh" and "Spinner.fsh" when shaders are available,
    // and the effects in every case.
    explicit SpinnerEnt(SpinnerEntImpl& model);
    ~SpinnerEnt() override;

    // Only the effects advance, faded in with the blur.
    void Update(float seconds) override;
    // The wheel where its model's first node stands, turned by the motion.
    void Render() override;

    // How much of the blurred pair the program shows, 0 to 1.
    float BlurWeight() const;

    Norv::SmartPtr<Particles> smoke;
    Norv::SmartPtr<Particles> rocks;
    Norv::SmartPtr<CEnt> sparks;

private:
    void RenderShaded(PVRTMat4 const& projectionCamera, PVRTMat4 const& model);
    void RenderDot3(PVRTMat4 const& projectionCamera, PVRTMat4 const& model);
    void RenderEffects();

    ShaderProgram shader;
    GLint uniforms[UniformCount] = {};
};
