// The angular motion of the ten-segment wheel: dragged round by the player,
// let go with a flick or spun at random, then coasting to rest with a
// constant deceleration. Its speed also gives the blur level and the effect
// flags of the wheel's model.
#pragma once

#include "qrvl/port/CAverager.h"
#include "qrvl/port/RegistryVar.h"

#include "norv/base/core/SmartPtr.h"

class CameraProgress;

class CSpinnerMotion {
public:
    enum State { kIdle = 0, kDragging = 1, kSpinning = 2 };
    // Half a segment: the wheel rests with a number under the clicker.
    static constexpr float kStartAngle = 0.31415927f;

    CSpinnerMotion();
    virtual ~CSpinnerMotion() = default;

    // Back to rest at the start angle.
    virtual void Init();
    // Once per frame with the frame's milliseconds; while skipping a spin
    // coasts to rest at once in steps of a second.
    virtual void Update();
    void Update(int ms);

    // The camera whose arrival a drag waits for; null: always there.
    void SetCamera(CameraProgress const* progress) { camera = progress; }

    // A drag step: the change of the finger's angle round the wheel's centre.
    void AddTouchDelta(float radians);
    // The release with the recent drag speed; true when a spin began.
    bool StartSpin();
    bool StartSpin(float velocity);
    // A spin of random strength (none when refused); always true.
    bool DoRandomSpin(bool refuse);
    // Nothing cheats on this platform.
    bool IsCheating() const { return false; }

    // Radians in (0, 2pi].
    float GetAngleNormalised() const { return angle; }
    // 0 to 240.
    int GetBlur() const;
    bool IsBlured() const { return GetBlur() > kBlurredLevel; }

    int state = kIdle;
    bool spinAllowed = true;
    bool wheelGrabbed = false;
    bool smokeOn = false;
    bool rocksOn = false;
    bool sparksOn = false;

private:
    // The blur level above which the blurred texture shows.
    static constexpr int kBlurredLevel = 32;

    void UpdateMovement(int ms);
    void ApplyDeceleration(int ms);
    void UpdateBlur();
    void Turn(double radians);
    bool CameraArrived() const;

    CameraProgress const* camera = nullptr;
    float angle = kStartAngle;
    float previousAngle = kStartAngle;
    float touchDelta = 0.0f;
    float speed = 0.0f;
    CAverager<float> deltaAverager;
    CAverager<float> speedAverager;
    Norv::SmartPtr<RegistryVar<float>> speedModifier;
    Norv::SmartPtr<RegistryVar<float>> maxSpeed;
    Norv::SmartPtr<RegistryVar<float>> minSpeed;
    Norv::SmartPtr<RegistryVar<float>> minSpeedRandom;
    Norv::SmartPtr<RegistryVar<float>> deceleration;
};
