// A millisecond wait on the rules engine's clock; over once its time has
// passed, or at once while the board's animations are skipped.
#pragma once

class RuleTimer {
public:
    void start(int ms);
    bool isOver() const;
    int remainingTime() const;
    int elapsedTime() const;

private:
    unsigned startTime = 0;
    int duration = 0;
    bool running = false;
};
