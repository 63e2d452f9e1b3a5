// The stack of modes. A push, pop or set is recorded as the one pending
// action and performed at the next tick, never inside the call that asks.
#pragma once

class CGuiFrameTouchButton;
class FGMode;

namespace Norv {
class Surface;
}

class FGModeManager {
public:
    // The stack's slots: deeper than any chain of screens the game opens.
    static constexpr int kMaxModes = 32;

    enum Action {
        ActionNone = 0,
        ActionPush = 1,
        ActionPop = 2,
        ActionSet = 3,
    };

    explicit FGModeManager(bool ownsModes) : ownsModes(ownsModes) {}
    // Pops every mode, deleting them when owning, without activating any.
    ~FGModeManager();
    FGModeManager(FGModeManager const&) = delete;
    FGModeManager& operator=(FGModeManager const&) = delete;

    // Each is refused (and reported) while another action is pending.
    void pushMode(FGMode* mode);
    void popMode();
    void setMode(FGMode* mode);

    // Pending action, the top mode's tick, pending action again.
    void tick();
    void performModeChanges();
    void drawSelf(Norv::Surface* surface);

    // Input and pause, for the top mode only.
    void keyPressed(int key);
    void characterTyped(unsigned int character);
    void keyReleased(int key);
    void buttonSelected(CGuiFrameTouchButton* button);
    void onTouchUp(int x, int y, int id);
    void onTouchDown(int x, int y, int id);
    void onTouchMove(int x, int y, int id);
    void mousePressed(int button);
    void mouseReleased(int button);
    void mouseWheel(int steps);
    void pause();
    void resume();

    FGMode* getCurrentMode() const;
    // n places below the top (0 is the top); null outside the stack.
    FGMode* getPreviousMode(int n) const;
    int getNumModes() const { return top + 1; }
    bool hasPendingAction() const { return pendingAction != ActionNone; }

    // Removes modes above `mode` without activating it; a mode not on the
    // stack empties the stack.
    void unwindModeStack(FGMode* mode);
    // Removes every mode.
    void clearModeStack();

private:
    bool record(Action action, FGMode* mode, char const* refusal);
    void doPushMode(FGMode* mode);
    void doPopMode(bool activateUncovered);
    void doSetMode(FGMode* mode);
    // Takes the top mode off the stack (deleting it when owning).
    void removeTop();

    FGMode* modes[kMaxModes] = {};
    int top = -1;
    bool ownsModes;
    Action pendingAction = ActionNone;
    FGMode* pendingMode = nullptr;
};
