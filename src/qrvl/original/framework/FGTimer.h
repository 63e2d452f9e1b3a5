// The game's millisecond timer. It runs on the engine clock (or on another
// timer's elapsed time), is shortened by the engine's time distortion when
// started, reports itself over while the board's animations are skipped,
// and is shifted by the length of an engine suspend.
#pragma once

class FGDataReader;
class FGDataWriter;

class FGTimer {
public:
    // A registering timer joins the engine's timer list on its first start.
    explicit FGTimer(bool registering = true) : unregistered(registering) {}
    virtual ~FGTimer();
    FGTimer(FGTimer const&) = delete;
    FGTimer& operator=(FGTimer const&) = delete;

    void start(int ms);
    // As start, as if alreadyElapsed milliseconds had passed; never registers.
    void startAt(int ms, int alreadyElapsed);
    void pause();
    void resume();
    // Jumps ms forward (a negative ms delays the timer).
    void advance(int ms);

    int elapsedTime() const;
    // Negative once over.
    int remainingTime() const;
    int totalTime() const { return duration; }
    bool isOver() const;
    bool isPaused() const { return paused; }

    // The elapsed time carries over to the new clock.
    void setSuperTimer(FGTimer* timer);

    // Pauses the timer and writes its duration and elapsed time.
    void save(FGDataWriter& writer);
    // Leaves the timer paused for its owner to resume.
    void load(FGDataReader& reader);

private:
    int clock() const;
    void begin(int ms, int alreadyElapsed);

    int pausedElapsed = 0;
    int startTime = 0;
    int duration = 0;
    int endTime = 0;
    bool paused = true;
    bool unregistered;
    bool registered = false;
    FGTimer* superTimer = nullptr;
};
