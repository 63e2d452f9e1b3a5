// Frame-time samples for profiling.
#include "qrvl/original/phone/world/CProfileHelper.h"

#include "qrvl/original/framework/FGEngine.h"

void CProfileHelper::Update(int ms)
{
    FGEngine const* engine = FGEngine::getEngine();
    float const distortion = engine ? engine->GetTimeDistortionFactor() : 1.0f;
    // A distortion of 0 would stop time; the frame is then taken as it came.
    AddSample(distortion > 0.0f ? static_cast<int>(static_cast<float>(ms) / distortion) : ms);
}
