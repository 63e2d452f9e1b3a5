// The flexible arm resting against the pegs between the wheel's segments:
// how far the pegs the wheel swept past push it aside, the click when it
// snaps free, and the number under it, the spin result the rules read.
#pragma once

#include "qrvl/port/RegistryVar.h"

#include "norv/base/core/SmartPtr.h"

class CSpinnerMotion;

class CClickerMotion {
public:
    enum Contact { kPushedTowardsSmaller = 0, kPushedTowardsLarger = 1, kFree = 2 };

    // The wheel to follow; null reads as a wheel at angle 0. Writes the
    // tuning values.
    explicit CClickerMotion(CSpinnerMotion const* wheel);
    virtual ~CClickerMotion() = default;

    // Rests free against the wheel's current angle.
    virtual void Init();
    // Once per frame, after the wheel's update.
    virtual void Update();

    // The arm's turn for a sweep of the wheel from one angle to another.
    float CalculateMaxDisplacement(float from, float to, bool negative, bool side, bool inContact) const;
    float GetSpinnerAngle() const;
    // 1 to 10.
    int GetValuePointedTo() const;

    float GetDeflection() const { return deflection; }
    int GetContact() const { return contact; }

private:
    CSpinnerMotion const* spinner;
    float lastAngle = 0.0f;
    float clickAngle = 0.0f;
    float deflection = 0.0f;
    int contact = kFree;
    Norv::SmartPtr<RegistryVar<float>> minContactDist;
    Norv::SmartPtr<RegistryVar<float>> maxContactDist;
    Norv::SmartPtr<RegistryVar<float>> contactRadius;
    Norv::SmartPtr<RegistryVar<float>> segmentContactPortion;
    Norv::SmartPtr<RegistryVar<float>> maxRotation;
};
