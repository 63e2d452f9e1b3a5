// The switch between 16.16 fixed-point and float scene values.
#include "contrib/pvr/PVRTModelPODTools.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// One 16.16 unit.
constexpr float kFixedOne = 65536.0f;

class FixedPointToggle {
public:
    explicit FixedPointToggle(bool toFloat) : m_toFloat(toFloat) {}

    void operator()(float* values, size_t count) const
    {
        for (size_t i = 0; values && i < count; ++i)
            (*this)(values[i]);
    }

    // The value's 32 bits hold a fixed-point integer or a float.
    void operator()(float& value) const
    {
        if (m_toFloat) {
            int32_t fixed;
            memcpy(&fixed, &value, 4);
            value = static_cast<float>(fixed) / kFixedOne;
        } else {
            // Beyond the 16.16 range the value saturates.
            float const scaled = std::clamp(value * kFixedOne, -2147483648.0f, 2147483520.0f);
            int32_t const fixed = static_cast<int32_t>(scaled);
            memcpy(&value, &fixed, 4);
        }
    }

private:
    bool m_toFloat;
};

} // namespace

void PVRTModelPODToggleFixedPoint(SPODScene& scene)
{
    FixedPointToggle const toggle((scene.nFlags & PVRTMODELPODSF_FIXED) != 0);
    unsigned int const frames = scene.nNumFrame;
    toggle(scene.pfColourBackground, 3);
    toggle(scene.pfColourAmbient, 3);
    for (unsigned int i = 0; scene.pCamera && i < scene.nNumCamera; ++i) {
        SPODCamera& camera = scene.pCamera[i];
        toggle(camera.fFOV);
        toggle(camera.fFar);
        toggle(camera.fNear);
        toggle(camera.pfAnimFOV, frames);
    }
    for (unsigned int i = 0; scene.pLight && i < scene.nNumLight; ++i) {
        SPODLight& light = scene.pLight[i];
        toggle(light.pfColour, 3);
        toggle(light.fConstantAttenuation);
        toggle(light.fLinearAttenuation);
        toggle(light.fQuadraticAttenuation);
        toggle(light.fFalloffAngle);
        toggle(light.fFalloffExponent);
    }
    for (unsigned int i = 0; scene.pNode && i < scene.nNumNode; ++i) {
        SPODNode& node = scene.pNode[i];
        auto keys = [&](float* values, unsigned int const* indices, unsigned int flag, unsigned int keySize) {
            toggle(values, (node.nAnimFlags & flag) ? PVRTModelPODGetAnimArraySize(indices, frames, keySize) : keySize);
        };
        keys(node.pfAnimPosition, node.pnAnimPositionIdx, ePODHasPositionAni, 3);
        keys(node.pfAnimRotation, node.pnAnimRotationIdx, ePODHasRotationAni, 4);
        keys(node.pfAnimScale, node.pnAnimScaleIdx, ePODHasScaleAni, 7);
        keys(node.pfAnimMatrix, node.pnAnimMatrixIdx, ePODHasMatrixAni, 16);
    }
    for (unsigned int i = 0; scene.pMaterial && i < scene.nNumMaterial; ++i) {
        SPODMaterial& material = scene.pMaterial[i];
        toggle(material.fMatOpacity);
        toggle(material.pfMatAmbient, 3);
        toggle(material.pfMatDiffuse, 3);
        toggle(material.pfMatSpecular, 3);
        toggle(material.fMatShininess);
    }
    for (unsigned int i = 0; scene.pMesh && i < scene.nNumMesh; ++i)
        toggle(scene.pMesh[i].mUnpackMatrix.f, 16);
    scene.nFlags ^= PVRTMODELPODSF_FIXED;
}
