// Scenery that answers a click: it swaps its resting model for a one-shot
// animation model (or, with one model for both, plays its own animation
// once), plays its sound and releases a burst, then rests again by itself.
#pragma once

#include "qrvl/original/phone/world/CEnt.h"
#include "qrvl/original/phone/world/CEntImpl.h"

class TouchEnt : public CEnt {
public:
    // The same model twice makes an entity that animates in place, still
    // until touched.
    TouchEnt(CEntImpl& main, CEntImpl& animation);

    // Placements applied at the next switch to that model; a main
    // placement combines with the model's node transforms.
    void SetMainPos(PVRTVec3 const& position);
    void SetMainRot(PVRTVec3 const& degrees);
    void SetAnimPos(PVRTVec3 const& position);
    void SetAnimRot(PVRTVec3 const& degrees);

    void OnTouch() override;
    void Update(float seconds) override;
    // Shows `to` from its first frame, placed as stored for it.
    void SwitchModel(CEntImpl& to);

    bool ShowsAnimation() const { return &GetModel() != mainModel.Get(); }

private:
    bool InPlace() const { return mainModel == animationModel; }
    // Whether the next `seconds` reach the end of the current animation.
    bool Ends(float seconds) const;
    void PlayFirstSound() const;

    Norv::SmartPtr<CEntImpl> animationModel;
    Norv::SmartPtr<CEntImpl> mainModel;
    PVRTVec3 mainPosition, animationPosition, mainRotation, animationRotation;
    bool mainPlaced = false;
    bool animationPlaced = false;
};
