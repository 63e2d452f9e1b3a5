// The progress of a loading phase: each loading step adds its share, at
// most a fixed amount a step, until the target is reached.
#pragma once

class CLoadingScreen {
public:
    // The most one step can add.
    static constexpr int kMaxStep = 200;

    CLoadingScreen(int target, bool releaseSplash);
    virtual ~CLoadingScreen() = default;

    virtual void DoSerialiseCallback(int amount);

    int GetProgress() const { return progress; }
    int GetTarget() const { return target; }
    bool IsDone() const { return done; }

private:
    int progress = 0;
    int target;
    bool done = false;
    bool releaseSplash;
};
