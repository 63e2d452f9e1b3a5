// The framework engine's tick: milliseconds measured on the engine clock,
// scaled by the time distortion, capped for readers, and dropped when they
// come out at 0; random numbers; input while paused or failed.
#include "tests/qrvl/support/FrameworkTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using FrameworkTest::ManualClock;

class CountingEngine : public FGEngine {
public:
    void init() override { startUp(); }
    void onTick() override { ticks.push_back(getRawTickTime()); }
    void onKeyPressed(int key) override { keys.push_back(key); }
    void onTouchDown(int x, int, int) override { touches.push_back(x); }
    float GetTimeDistortionFactor() const override { return distortion; }
    bool hasFailed() override { return failing; }

    std::function<void()> startUp = [] {};
    std::vector<int> ticks;
    std::vector<int> keys;
    std::vector<int> touches;
    float distortion = 1.0f;
    bool failing = false;
};

class EngineTickTest : public testing::Test {
protected:
    void SetUp() override { engine.setCriticals(nullptr, nullptr); }

    ManualClock clock;
    CountingEngine engine;
};

TEST_F(EngineTickTest, TicksMeasureScaledMillisecondsAndDropEmptyOnes)
{
    struct Case {
        std::uint32_t elapsedMs;
        float distortion;
        int rawTick;  // 0: no onTick at all
        int readTick; // what getTickTime answers
    };
    Case const cases[] = {
        {20, 1.0f, 20, 20},
        {20, 3.0f, 60, 60},
        {2000, 1.0f, 2000, FGEngine::kMaxTickTimeMs},
        {0, 1.0f, 0, 0},
        {1, 0.5f, 0, 0},
    };
    for (Case const& c : cases) {
        engine.ticks.clear();
        engine.distortion = c.distortion;
        clock.Advance(c.elapsedMs);
        engine.entTick();
        if (c.rawTick == 0)
            EXPECT_TRUE(engine.ticks.empty()) << c.elapsedMs << " ms x " << c.distortion;
        else
            EXPECT_EQ(engine.ticks, (std::vector<int>{c.rawTick})) << c.elapsedMs << " ms x " << c.distortion;
        EXPECT_EQ(engine.getTickTime(), c.readTick);
    }
    // The time of a dropped tick is not carried over.
    engine.distortion = 1.0f;
    clock.Advance(5);
    engine.entTick();
    EXPECT_EQ(engine.ticks, (std::vector<int>{5}));
}

// The time the start-up itself takes is not played: the first tick after it
// counts only from its end.
TEST_F(EngineTickTest, TheFirstTickCountsFromTheEndOfTheStartUp)
{
    clock.Advance(40);
    engine.startUp = [this] { clock.Advance(300); };
    engine.entEvent(FGEngine::EventStart, 0, 0);
    clock.Advance(16);
    engine.entTick();
    EXPECT_EQ(engine.ticks, (std::vector<int>{16}));
}

TEST_F(EngineTickTest, RandomNumbersFollowTheLinearCongruentialSequence)
{
    engine.srand(0);
    EXPECT_EQ(engine.rand(), 0);
    EXPECT_EQ(engine.rand(), 21468);
    EXPECT_EQ(engine.rand(), 9988);
    for (int i = 0; i < 10000; ++i) {
        int const value = engine.rand();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 32767);
    }
}

TEST_F(EngineTickTest, SuspendStopsTicksAndKeysButNotTouches)
{
    engine.getSoundManager().setSoundOn(true);
    engine.entEvent(FGEngine::EventSuspend, 0, 0);
    EXPECT_FALSE(engine.getSoundManager().isSoundOn());
    clock.Advance(100);
    engine.entTick();
    engine.entKeyPressed(5);
    engine.entTouchDown(12, 0, 0);
    EXPECT_TRUE(engine.ticks.empty());
    EXPECT_TRUE(engine.keys.empty());
    EXPECT_EQ(engine.touches, (std::vector<int>{12}));

    engine.entEvent(FGEngine::EventResume, 0, 0);
    EXPECT_TRUE(engine.getSoundManager().isSoundOn());
    clock.Advance(16);
    engine.entTick();
    EXPECT_EQ(engine.ticks, (std::vector<int>{16}));
}

TEST_F(EngineTickTest, AKeyPressAfterAFailureEndsTheGameInstead)
{
    engine.failing = true;
    engine.entKeyPressed(5);
    EXPECT_TRUE(engine.keys.empty());
    EXPECT_TRUE(engine.isExitRequested());
    clock.Advance(10);
    engine.entTick();
    EXPECT_TRUE(engine.ticks.empty());
}

TEST_F(EngineTickTest, TheKeyTableOnlyKnowsItsOwnCodes)
{
    engine.keyStateChange(0, true);
    EXPECT_TRUE(engine.isKeyDown(0));
    EXPECT_TRUE(engine.wasKeyDownSinceTick(0));
    engine.keyStateChange(0, false);
    EXPECT_FALSE(engine.isKeyDown(0));
    EXPECT_TRUE(engine.wasKeyDownSinceTick(0));
    engine.clearKeyWasStates();
    EXPECT_FALSE(engine.wasKeyDownSinceTick(0));
    engine.keyStateChange(42, true);
    EXPECT_FALSE(engine.isKeyDown(42));
}

} // namespace
