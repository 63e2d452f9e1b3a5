// The wheel's motion. Speed units: one unit turns the wheel by
// SpinnerSpeedModifier / 2pi radians per millisecond.
#include "qrvl/original/phone/world/CSpinnerMotion.h"

#include "qrvl/original/framework/PresentationHooks.h"
#include "qrvl/original/rules/RulesEngine.h"
#include "qrvl/original/phone/world/CSkipManager.h"
#include "qrvl/original/phone/world/CameraProgress.h"
#include "norv/base/core/Pi.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double kTwoPi = 2.0 * Norv::kPi;
// Share of the release speed that the wheel keeps.
constexpr float kReleaseFactor = 0.85f;
// Levels of the effects: the speed in 256ths of the top speed, and the blur
// in 100ths (spinning) with caps for spinning and dragging.
constexpr float kEffectSteps = 256.0f;
constexpr float kBlurSteps = 100.0f;
constexpr int kMaxSpinBlur = 240;
constexpr int kMaxDragBlur = 200;
// A skipped spin coasts in steps of a second; a full-speed wheel rests after
// ten, so this bound only stops a deceleration tuned to nothing.
constexpr int kSkipStepMs = 1000;
constexpr int kMaxSkipSteps = 1000;
// The speed factors divide the drag blur: tuned to 0 or below they are read
// as this much, and no more than the largest speed a float carries.
constexpr float kSmallestSpeedFactor = 1e-6f;
constexpr float kLargestSpeedFactor = 1e30f;

// A blur level, capped before it becomes an integer so that a huge level
// never overflows the conversion.
int BlurLevel(float level, int cap)
{
    return static_cast<int>(std::min(level, static_cast<float>(cap)));
}

} // namespace

CSpinnerMotion::CSpinnerMotion()
    : deltaAverager(0.0f, 4), speedAverager(0.0f, 4),
      speedModifier(new RegistryVar<float>(
          "SpinnerSpeedModifier", 0.0006756757f, kSmallestSpeedFactor, kLargestSpeedFactor)),
      maxSpeed(new RegistryVar<float>("SpinnerMaxSpeed", 150.0f, kSmallestSpeedFactor, kLargestSpeedFactor)),
      minSpeed(new RegistryVar<float>("SpinnerMinSpeed", 35.0f)),
      minSpeedRandom(new RegistryVar<float>("SpinnerMinSpeedRandom", 70.0f)),
      deceleration(new RegistryVar<float>("SpinnerDeceleration", 0.015f))
{
}

void CSpinnerMotion::Init()
{
    angle = kStartAngle;
    touchDelta = 0.0f;
    state = kIdle;
    speed = 0.0f;
    wheelGrabbed = false;
}

bool CSpinnerMotion::CameraArrived() const
{
    return !camera || camera->DestinationReached();
}

void CSpinnerMotion::Update()
{
    previousAngle = angle;
    if (CSkipManager::GetSkipManager().IsSkipping() && state == kSpinning) {
        for (int step = 0; state == kSpinning && step < kMaxSkipSteps; ++step) {
            Update(kSkipStepMs);
            // A moving camera stops the wheel; it comes to rest next frame.
            if (!CameraArrived())
                break;
        }
        return;
    }
    Update(PresentationHooks::Get().GetLastFrameTimeMs());
}

void CSpinnerMotion::Update(int ms)
{
    if (!CameraArrived()) {
        // The wheel stops dead while the camera moves.
        previousAngle = angle;
        speed = 0.0f;
        return;
    }
    if (state == kDragging)
        UpdateMovement(ms);
    else
        ApplyDeceleration(ms);
    touchDelta = 0.0f;
    UpdateBlur();
}

void CSpinnerMotion::Turn(double radians)
{
    double turned = std::fmod(static_cast<double>(angle) + radians, kTwoPi);
    if (turned <= 0.0)
        turned += kTwoPi;
    angle = static_cast<float>(turned);
}

void CSpinnerMotion::UpdateMovement(int ms)
{
    if (ms <= 0)
        return;
    deltaAverager.AddSample(touchDelta);
    float const step = deltaAverager.CalculateAverage();
    speedAverager.AddSample(static_cast<float>(step * kTwoPi * 1000.0 / ms));
    Turn(step);
}

void CSpinnerMotion::ApplyDeceleration(int ms)
{
    float const slowing = deceleration->Get() * static_cast<float>(ms);
    speed = speed > 0.0f ? std::max(0.0f, speed - slowing) : std::min(0.0f, speed + slowing);
    speedAverager.AddSample(speed);
    Turn(speedModifier->Get() * speed * static_cast<float>(ms) / kTwoPi);
    if (speed == 0.0f && state == kSpinning)
        state = kIdle;
}

void CSpinnerMotion::AddTouchDelta(float radians)
{
    if (!CameraArrived() || state == kSpinning)
        return;
    state = kDragging;
    touchDelta += radians;
}

bool CSpinnerMotion::StartSpin()
{
    return StartSpin(speedAverager.CalculateAverage());
}

bool CSpinnerMotion::StartSpin(float velocity)
{
    float const top = maxSpeed->Get();
    speed = std::clamp(kReleaseFactor * velocity, -top, top);
    if (std::fabs(speed) >= minSpeed->Get()) {
        state = kSpinning;
        touchDelta = 0.0f;
        int const level = static_cast<int>(std::fabs(speed) / (top / kEffectSteps));
        smokeOn = level > 89;
        rocksOn = level > 109;
        sparksOn = level >= 70;
    } else {
        // Too weak: the wheel drifts a little, but no spin has begun.
        state = kIdle;
    }
    deltaAverager.Reset();
    speedAverager.Reset();
    wheelGrabbed = state != kSpinning;
    return state == kSpinning;
}

bool CSpinnerMotion::DoRandomSpin(bool refuse)
{
    if (refuse)
        return true;
    RulesEngine& engine = RulesEngine::get();
    float const low = minSpeedRandom->Get();
    float const strength = static_cast<float>(engine.rand() % 1000) / 1000.0f;
    float velocity = low + (maxSpeed->Get() - low) * strength;
    if (engine.rand() % 2 == 1)
        velocity = -velocity;
    StartSpin(velocity);
    return true;
}

int CSpinnerMotion::GetBlur() const
{
    if (state == kSpinning)
        return BlurLevel(std::fabs(speed) / (maxSpeed->Get() / kBlurSteps), kMaxSpinBlur);
    float turned = angle - previousAngle;
    if (turned > Norv::kPiF)
        turned -= 2.0f * Norv::kPiF;
    if (turned < -Norv::kPiF)
        turned += 2.0f * Norv::kPiF;
    return BlurLevel(std::fabs(turned) / speedModifier->Get() / maxSpeed->Get() * Norv::kPiF, kMaxDragBlur);
}

void CSpinnerMotion::UpdateBlur()
{
    int const level = GetBlur();
    if (level < 20)
        smokeOn = false;
    if (level < 30)
        rocksOn = false;
    if (level <= 9)
        sparksOn = false;
}
