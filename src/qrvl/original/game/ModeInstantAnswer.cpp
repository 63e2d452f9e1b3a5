// Answering at the first tick and popping.
#include "qrvl/original/game/ModeInstantAnswer.h"

#include "qrvl/original/framework/QuorvelEngine.h"

void ModeInstantAnswer::push(Action action)
{
    auto* engine = static_cast<QuorvelEngine*>(FGEngine::getEngine());
    if (engine && engine->getModeManager())
        engine->getModeManager()->pushMode(new ModeInstantAnswer(std::move(action)));
}

void ModeInstantAnswer::tick()
{
    if (answered)
        return;
    answered = true;
    auto* engine = static_cast<QuorvelEngine*>(FGEngine::getEngine());
    int answer = action();
    engine->lastChoice = answer;
    engine->getModeManager()->popMode();
}
