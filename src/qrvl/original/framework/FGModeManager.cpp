// The mode stack.
#include "qrvl/original/framework/FGModeManager.h"

#include "qrvl/original/framework/FGEngine.h"
#include "qrvl/original/framework/FGMode.h"
#include "qrvl/original/framework/FrontEndHooks.h"

FGModeManager::~FGModeManager()
{
    while (top >= 0)
        removeTop();
    // A mode handed over but never performed is the manager's too.
    if (ownsModes && pendingAction != ActionPop)
        delete pendingMode;
}

bool FGModeManager::record(Action action, FGMode* mode, char const* refusal)
{
    if (pendingAction != ActionNone) {
        FGEngine::fatal(refusal);
        return false;
    }
    pendingAction = action;
    pendingMode = mode;
    return true;
}

void FGModeManager::pushMode(FGMode* mode)
{
    if (!record(ActionPush, mode, "pushMode: overwriting next action") && ownsModes)
        delete mode;
}

void FGModeManager::popMode()
{
    FrontEndHooks::Get().ClearHudTransitions();
    record(ActionPop, nullptr, "popMode: overwriting next action");
}

void FGModeManager::setMode(FGMode* mode)
{
    if (!record(ActionSet, mode, "setMode: overwriting next action") && ownsModes)
        delete mode;
}

void FGModeManager::tick()
{
    performModeChanges();
    if (FGMode* mode = getCurrentMode())
        mode->tick();
    performModeChanges();
}

void FGModeManager::performModeChanges()
{
    while (pendingAction != ActionNone) {
        Action const action = pendingAction;
        FGMode* mode = pendingMode;
        pendingAction = ActionNone;
        pendingMode = nullptr;
        switch (action) {
        case ActionPush:
            doPushMode(mode);
            break;
        case ActionPop:
            doPopMode(true);
            break;
        case ActionSet:
            doSetMode(mode);
            break;
        case ActionNone:
            break;
        }
    }
}

void FGModeManager::doPushMode(FGMode* mode)
{
    if (top + 1 >= kMaxModes) {
        FGEngine::fatal("mode stack overflow");
        if (ownsModes)
            delete mode;
        return;
    }
    if (FGMode* covered = getCurrentMode())
        covered->deactivate();
    modes[++top] = mode;
    mode->activate();
}

void FGModeManager::doPopMode(bool activateUncovered)
{
    if (top < 0) {
        FGEngine::fatal("doPopMode called when there is no mode");
        return;
    }
    modes[top]->deactivate();
    removeTop();
    if (activateUncovered) {
        if (FGMode* uncovered = getCurrentMode())
            uncovered->activate();
    }
}

void FGModeManager::doSetMode(FGMode* mode)
{
    if (top >= 0)
        doPopMode(false);
    doPushMode(mode);
}

void FGModeManager::removeTop()
{
    FGMode* mode = modes[top];
    modes[top--] = nullptr;
    if (ownsModes)
        delete mode;
}

void FGModeManager::drawSelf(Norv::Surface* surface)
{
    if (FGMode* mode = getCurrentMode())
        mode->drawSelf(surface);
}

void FGModeManager::keyPressed(int key)
{
    if (FGMode* mode = getCurrentMode())
        mode->keyPressed(key);
}

void FGModeManager::characterTyped(unsigned int character)
{
    if (FGMode* mode = getCurrentMode())
        mode->characterTyped(character);
}

void FGModeManager::keyReleased(int key)
{
    if (FGMode* mode = getCurrentMode())
        mode->keyReleased(key);
}

void FGModeManager::buttonSelected(CGuiFrameTouchButton* button)
{
    if (FGMode* mode = getCurrentMode())
        mode->buttonSelected(button);
}

void FGModeManager::onTouchUp(int x, int y, int id)
{
    if (FGMode* mode = getCurrentMode())
        mode->onTouchUp(x, y, id);
}

void FGModeManager::onTouchDown(int x, int y, int id)
{
    if (FGMode* mode = getCurrentMode())
        mode->onTouchDown(x, y, id);
}

void FGModeManager::onTouchMove(int x, int y, int id)
{
    if (FGMode* mode = getCurrentMode())
        mode->onTouchMove(x, y, id);
}

void FGModeManager::mousePressed(int button)
{
    if (FGMode* mode = getCurrentMode())
        mode->mousePressed(button);
}

void FGModeManager::mouseReleased(int button)
{
    if (FGMode* mode = getCurrentMode())
        mode->mouseReleased(button);
}

void FGModeManager::mouseWheel(int steps)
{
    if (FGMode* mode = getCurrentMode())
        mode->mouseWheel(steps);
}

void FGModeManager::pause()
{
    if (FGMode* mode = getCurrentMode())
        mode->pause();
}

void FGModeManager::resume()
{
    if (FGMode* mode = getCurrentMode())
        mode->resume();
}

FGMode* FGModeManager::getCurrentMode() const
{
    return top >= 0 ? modes[top] : nullptr;
}

FGMode* FGModeManager::getPreviousMode(int n) const
{
    int const index = top - n;
    return index >= 0 && index <= top ? modes[index] : nullptr;
}

void FGModeManager::unwindModeStack(FGMode* mode)
{
    if (FGMode* current = getCurrentMode())
        current->deactivate();
    while (top >= 0 && modes[top] != mode)
        removeTop();
    if (top < 0)
        FGEngine::fatal("unwindModeStack called with mode not in the stack");
}

void FGModeManager::clearModeStack()
{
    if (FGMode* current = getCurrentMode())
        current->deactivate();
    while (top >= 0)
        removeTop();
}
