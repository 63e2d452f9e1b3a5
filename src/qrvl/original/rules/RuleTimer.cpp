// Waits measured on the rules engine's clock, shortened by its clock speed.
#include "qrvl/original/rules/RuleTimer.h"

#include "qrvl/original/framework/PresentationHooks.h"
#include "qrvl/original/rules/RulesEngine.h"

void RuleTimer::start(int ms)
{
    RulesEngine& engine = RulesEngine::get();
    float factor = engine.GetClockSpeed();
    if (factor != 1.0f && factor != 0.0f)
        ms = static_cast<int>(ms / factor);
    duration = ms;
    startTime = engine.timeMs();
    running = true;
    paused = false;
}

void RuleTimer::pause()
{
    if (!running || paused)
        return;
    pausedElapsed = elapsedTime();
    paused = true;
}

void RuleTimer::resume()
{
    if (!paused)
        return;
    startTime = RulesEngine::get().timeMs() - static_cast<unsigned>(pausedElapsed);
    paused = false;
}

int RuleTimer::elapsedTime() const
{
    if (!running)
        return 0;
    return paused ? pausedElapsed : static_cast<int>(RulesEngine::get().timeMs() - startTime);
}

int RuleTimer::remainingTime() const
{
    return duration - elapsedTime();
}

bool RuleTimer::isOver() const
{
    // A timer never started has nothing to wait for, and a skipped turn
    // waits for nothing, as the game's other timers do.
    return !running || PresentationHooks::Get().IsSkipping() || elapsedTime() > duration;
}
