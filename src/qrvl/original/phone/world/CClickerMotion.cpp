// The clicker arm. The wheel has ten segments; segment i spans
// [i * 2pi/10, (i + 1) * 2pi/10).
#include "qrvl/original/phone/world/CClickerMotion.h"

#include "qrvl/original/phone/world/CSkipManager.h"
#include "qrvl/original/phone/world/CSpinnerMotion.h"
#include "qrvl/port/SoundManager.h"
#include "norv/base/core/Pi.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSegments = 10;
constexpr float kTwoPi = 2.0f * Norv::kPiF;
constexpr float kSegment = kTwoPi / kSegments;
// A sweep that reaches this share of a segment counts as reaching its end.
constexpr float kWholeSegment = 0.999f;
constexpr float kSegmentStart = 0.001f;

float WrapHalfTurn(float d)
{
    if (d > Norv::kPiF)
        d -= kTwoPi;
    if (d < -Norv::kPiF)
        d += kTwoPi;
    return d;
}

float WrapTurn(float a)
{
    a = std::fmod(a, kTwoPi);
    return a < 0.0f ? a + kTwoPi : a;
}

} // namespace

CClickerMotion::CClickerMotion(CSpinnerMotion const* wheel)
    : spinner(wheel), minContactDist(new RegistryVar<float>("ClickerMinContactDist", 0.46495572f)),
      maxContactDist(new RegistryVar<float>("ClickerMaxContactDist", 0.77911496f)),
      contactRadius(new RegistryVar<float>("ClickerContactRadius", 0.018849555f)),
      segmentContactPortion(new RegistryVar<float>("SegmentContactPortion", 0.47f)),
      maxRotation(new RegistryVar<float>("ClickerMaxRotation", 0.37699112f))
{
}

void CClickerMotion::Init()
{
    lastAngle = clickAngle = GetSpinnerAngle();
    contact = kFree;
    deflection = 0.0f;
}

float CClickerMotion::GetSpinnerAngle() const
{
    return spinner ? spinner->GetAngleNormalised() : 0.0f;
}

void CClickerMotion::Update()
{
    float const angle = GetSpinnerAngle();
    float const turned = WrapHalfTurn(angle - lastAngle);
    if (CSkipManager::GetSkipManager().IsSkipping()) {
        // The arm follows the wheel without touching a peg.
        lastAngle = clickAngle = angle;
        contact = kFree;
    }
    if (turned == 0.0f)
        return;
    int const old = contact;
    bool const negative = turned < 0.0f;
    bool const side = old == kFree ? negative : old == kPushedTowardsSmaller;
    float const displacement = CalculateMaxDisplacement(lastAngle, angle, negative, side, old != kFree);
    if (displacement != 0.0f) {
        if (old == kFree)
            contact = negative ? kPushedTowardsSmaller : kPushedTowardsLarger;
    } else {
        contact = kFree;
    }
    float const sinceClick = std::fabs(WrapHalfTurn(angle - clickAngle));
    bool const snapped = contact == kFree && old != kFree && negative == side && sinceClick > minContactDist->Get();
    if (sinceClick > maxContactDist->Get() || snapped) {
        contact = kFree;
        SoundManager::GetInstance().PlaySound("spinner_click");
        clickAngle = angle;
    }
    deflection = displacement;
    lastAngle = angle;
}

float CClickerMotion::CalculateMaxDisplacement(float from, float to, bool negative, bool side, bool inContact) const
{
    float const radius = side ? -contactRadius->Get() : contactRadius->Get();
    float const portion = segmentContactPortion->Get();
    float const low = WrapTurn((negative ? to : from) + radius);
    float const high = WrapTurn((negative ? from : to) + radius);
    float best = 0.0f;
    for (int i = 0; i < kSegments; ++i) {
        float const start = static_cast<float>(i) * kSegment;
        float const end = start + kSegment;
        float top;
        float bottom;
        if (high >= low) {
            top = std::min(high, end);
            bottom = low;
        } else if (high > start) {
            // The sweep wraps past 0: this segment holds its upper part.
            top = std::min(high, end);
            bottom = 0.0f;
        } else {
            top = std::min(kTwoPi, end);
            bottom = low;
        }
        bottom = std::max(bottom, start);
        if (top < bottom)
            continue;
        float const topShare = (top - start) / (end - start);
        float const bottomShare = (bottom - start) / (end - start);
        float candidate = 0.0f;
        if (side) {
            if ((inContact || topShare >= kWholeSegment) && topShare > 1.0f - portion)
                candidate = 1.0f - std::max(bottomShare, 1.0f - portion);
        } else if ((inContact || bottomShare <= kSegmentStart) && portion > bottomShare) {
            candidate = std::min(topShare, portion);
        }
        best = std::max(best, candidate);
    }
    float const displacement = std::sqrt(best / portion) * maxRotation->Get();
    return side ? displacement : -displacement;
}

int CClickerMotion::GetValuePointedTo() const
{
    // While a peg holds the arm, the arm leans into the segment it was in
    // before the push: half a segment against the wheel's turn always lands
    // there, also while the peg, within the contact radius, has not yet
    // passed under the arm (a whole segment would land one too far).
    float lean = 0.0f;
    if (contact != kFree)
        lean = deflection > 0.0f ? kSegment / 2.0f : -kSegment / 2.0f;
    // An angle of exactly 0 is a whole turn: the segment of 2pi, not an 11th.
    int const under =
        static_cast<int>(std::floor(static_cast<float>(kSegments) - (GetSpinnerAngle() + lean) / kSegment));
    return (under % kSegments + kSegments) % kSegments + 1;
}
