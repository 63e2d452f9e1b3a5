// A millisecond wait on the rules engine's clock; over once its time has
// passed, or at once while the board's animations are skipped. A paused wait
// keeps what it has left until it resumes.
#pragma once

class RuleTimer {
public:
    void start(int ms);
    void pause();
    void resume();
    bool isOver() const;
    int remainingTime() const;
    int elapsedTime() const;

private:
    unsigned startTime = 0;
    int duration = 0;
    int pausedElapsed = 0;
    bool running = false;
    bool paused = false;
};
