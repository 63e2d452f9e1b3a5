// The rules' engine services taken from the game's running engine object:
// its random numbers, clock and tick, file system, sounds and fatal report.
#pragma once

#include "qrvl/original/rules/RulesEngine.h"

class EngineRules : public RulesEngine {
public:
    int rand() override;
    unsigned timeMs() const override;
    int getTickTime() const override;
    float GetTimeDistortionFactor() const override;
    float GetClockSpeed() const override;
    FGFileSystem& getFileSystem() override;
    void playSound(const char* name) override;
    void stopSound(const char* name) override;
    void fatal(const char* message) override;
};
