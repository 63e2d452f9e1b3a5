// Shared pieces of the framework tests: a clock the test moves by hand, an
// engine that runs on it, and modes that log what the stack does to them.
#pragma once

#include "qrvl/original/framework/FGEngine.h"
#include "qrvl/original/framework/QuorvelMode.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace FrameworkTest {

// The engine clock, in milliseconds, while a ManualClock lives.
class ManualClock {
public:
    ManualClock()
    {
        now = 1000;
        FGEngine::setClock(&Read);
    }
    ~ManualClock() { FGEngine::setClock(nullptr); }

    void Advance(std::uint32_t ms) { now += ms; }

private:
    static std::uint32_t Read() { return now; }
    static inline std::uint32_t now = 0;
};

// Records "<name>.<event>" for each call the stack makes.
class LoggingMode : public QuorvelMode {
public:
    LoggingMode(std::string name, std::vector<std::string>& log, float distortion = 1.0f)
        : name(std::move(name))
        , log(log)
        , distortion(distortion)
    {
    }
    ~LoggingMode() override { log.push_back(name + ".delete"); }

    void tick() override
    {
        log.push_back(name + ".tick");
        if (onTick)
            onTick();
    }
    void activate() override
    {
        QuorvelMode::activate();
        log.push_back(name + ".activate");
    }
    void deactivate() override
    {
        QuorvelMode::deactivate();
        log.push_back(name + ".deactivate");
    }
    void keyPressed(int key) override { log.push_back(name + ".key" + std::to_string(key)); }
    float GetTimeDistortionFactor() const override { return distortion; }

    // Runs inside tick().
    std::function<void()> onTick;

private:
    std::string name;
    std::vector<std::string>& log;
    float distortion;
};

} // namespace FrameworkTest
