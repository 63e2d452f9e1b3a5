// What the rules need of the game's engine object: its random numbers, its
// millisecond clock and tick, the answer of the last choice screen, its
// file system, sounds and the fatal-condition report. The default serves games run in memory;
// the engine object installs itself in its place.
#pragma once

#include "qrvl/original/framework/ScreenAnswer.h"

class FGFileSystem;

class RulesEngine {
public:
    virtual ~RulesEngine() = default;

    // The engine in use: the installed one, else a process-wide default.
    static RulesEngine& get();
    // Installs an engine for the calling thread (null returns to the
    // default); not owned.
    static void install(RulesEngine* engine);

    // The framework's linear congruential generator: 0..32767.
    virtual int rand();
    void srand(unsigned seed) { randSeed = seed; }

    virtual unsigned timeMs() const { return clockMs; }
    virtual int getTickTime() const { return tickMs; }
    virtual float GetTimeDistortionFactor() const { return 1.0f; }
    // How many times faster than real time the waits run: the time
    // distortion, and in a window test its faster clock as well.
    virtual float GetClockSpeed() const { return GetTimeDistortionFactor(); }
    // In-memory games move time on by hand: the clock and this tick's length.
    void advance(int ms) { clockMs += static_cast<unsigned>(ms); tickMs = ms; }

    int lastChoice = 0;

    // The framework's file system through which game files are read and
    // written; by default one of the rules' own.
    virtual FGFileSystem& getFileSystem();

    virtual void playSound(const char*) {}
    virtual void stopSound(const char*) {}
    virtual void vibrate(int) {}
    // An impossible condition: reported on stderr; the caller's fallback follows.
    virtual void fatal(const char* message);

private:
    unsigned randSeed = 0;
    unsigned clockMs = 0;
    int tickMs = 0;
};
