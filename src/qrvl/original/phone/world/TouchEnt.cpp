// Switching a touchable piece of scenery between rest and its animation.
#include "qrvl/original/phone/world/TouchEnt.h"

#include "qrvl/port/SoundManager.h"

namespace {
// Where a touch's burst starts, from its template's own position.
PVRTVec3 const kBurstOffset(-160.0f, 10.0f, 90.0f);
} // namespace

TouchEnt::TouchEnt(CEntImpl& main, CEntImpl& animation) : CEnt(main), animationModel(&animation), mainModel(&main)
{
    if (InPlace())
        animationSpeed = 0.0f;
}

void TouchEnt::SetMainPos(PVRTVec3 const& position)
{
    mainPosition = position;
    mainPlaced = true;
    placed = false;
}

void TouchEnt::SetMainRot(PVRTVec3 const& degrees)
{
    mainRotation = degrees;
    mainPlaced = true;
    placed = false;
}

void TouchEnt::SetAnimPos(PVRTVec3 const& position)
{
    animationPosition = position;
    animationPlaced = true;
}

void TouchEnt::SetAnimRot(PVRTVec3 const& degrees)
{
    animationRotation = degrees;
    animationPlaced = true;
}

void TouchEnt::SwitchModel(CEntImpl& to)
{
    SetModel(to);
    frame = 0.0f;
    animationSpeed = 1.0f;
    if (InPlace())
        return;
    worldMatrix = PVRTMat4::Identity();
    bool const toMain = &to == mainModel.Get();
    if (toMain ? !mainPlaced : !animationPlaced)
        return;
    SetRotation(toMain ? mainRotation : animationRotation);
    SetPosition(toMain ? mainPosition : animationPosition);
    placed = false;
}

void TouchEnt::PlayFirstSound() const
{
    if (!tapSounds.empty())
        SoundManager::GetInstance().PlaySound(tapSounds.front());
}

void TouchEnt::OnTouch()
{
    if (InPlace()) {
        PlayFirstSound();
        if (animationSpeed == 0.0f)
            animationSpeed = 1.0f;
    } else if (!ShowsAnimation()) {
        SwitchModel(*animationModel);
        PlayFirstSound();
    }
    // A touch during the animation only adds a burst.
    if (particleTemplate)
        AddBurst(particleTemplate->GetPosition() + kBurstOffset);
}

bool TouchEnt::Ends(float seconds) const
{
    CPVRTModelPOD const& pod = GetModel().model;
    return frame + float(pod.nFPS) * seconds >= float(pod.nNumFrame);
}

void TouchEnt::Update(float seconds)
{
    if (ShowsAnimation() && Ends(seconds))
        SwitchModel(*mainModel);
    if (InPlace() && Ends(seconds)) {
        animationSpeed = 0.0f;
        frame = 0.0f;
    }
    CEnt::Update(seconds);
}
