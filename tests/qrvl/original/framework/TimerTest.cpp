// Timers on the engine clock: strictly over after their end, shortened by
// the time distortion, shifted by an engine suspend, saved paused; and the
// frame animations they drive. The board's waits on the rules' clock follow them.
#include "tests/qrvl/support/FrameworkTestSupport.h"

#include "qrvl/original/framework/FGAnimation.h"
#include "qrvl/original/framework/FGAnimationVariable.h"
#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/framework/FGDataReader.h"
#include "qrvl/original/framework/FGDataWriter.h"
#include "qrvl/original/framework/FGImage.h"
#include "qrvl/original/framework/FGTimer.h"
#include "qrvl/original/framework/PresentationHooks.h"
#include "qrvl/original/rules/RuleTimer.h"
#include "qrvl/original/rules/RulesEngine.h"

#include <gtest/gtest.h>

namespace {

using FrameworkTest::ManualClock;

class DistortingEngine : public FGEngine {
public:
    float GetTimeDistortionFactor() const override { return distortion; }
    float distortion = 1.0f;
};

class SkippingBoard : public PresentationHooks {
public:
    bool IsSkipping() override { return true; }
};

class TimerTest : public testing::Test {
protected:
    void SetUp() override { engine.setCriticals(nullptr, nullptr); }

    ManualClock clock;
    DistortingEngine engine;
};

TEST_F(TimerTest, ATimerIsOverOnlyAfterItsEnd)
{
    FGTimer timer;
    EXPECT_TRUE(timer.isPaused());
    timer.start(0);
    EXPECT_FALSE(timer.isOver());
    clock.Advance(1);
    EXPECT_TRUE(timer.isOver());

    timer.start(100);
    clock.Advance(40);
    EXPECT_EQ(timer.elapsedTime(), 40);
    EXPECT_EQ(timer.remainingTime(), 60);
    timer.pause();
    clock.Advance(500);
    EXPECT_EQ(timer.elapsedTime(), 40);
    timer.resume();
    clock.Advance(61);
    EXPECT_TRUE(timer.isOver());
    EXPECT_EQ(timer.remainingTime(), -1);
}

TEST_F(TimerTest, DistortionShortensTheDurationAtTheStart)
{
    engine.distortion = 3.0f;
    FGTimer timer;
    timer.start(900);
    EXPECT_EQ(timer.totalTime(), 300);
    engine.distortion = 1.0f;
    clock.Advance(301);
    EXPECT_TRUE(timer.isOver());
}

TEST_F(TimerTest, AnEngineSuspendShiftsRunningTimersByThePause)
{
    FGTimer running;
    FGTimer held;
    running.start(1000);
    held.start(1000);
    clock.Advance(100);
    held.pause();
    EXPECT_EQ(engine.getTimers().getNumPointers(), 2);

    engine.entEvent(FGEngine::EventSuspend, 0, 0);
    clock.Advance(5000);
    engine.entEvent(FGEngine::EventResume, 0, 0);
    engine.entTick();
    EXPECT_EQ(running.elapsedTime(), 100);
    EXPECT_EQ(held.elapsedTime(), 100);
    EXPECT_FALSE(running.isOver());
}

TEST_F(TimerTest, TimersLeaveTheEngineListWhenDestroyed)
{
    {
        FGTimer registering;
        registering.start(10);
        FGTimer private_(false);
        private_.start(10);
        EXPECT_EQ(engine.getTimers().getNumPointers(), 1);
    }
    EXPECT_EQ(engine.getTimers().getNumPointers(), 0);
}

TEST_F(TimerTest, SavingLeavesTheTimerPausedAndLoadingRestoresIt)
{
    FGTimer timer;
    timer.start(800);
    clock.Advance(300);
    FGDataWriter writer;
    timer.save(writer);
    EXPECT_TRUE(timer.isPaused());
    std::unique_ptr<FGData> saved = writer.getData();
    ASSERT_EQ(saved->getLength(), 8);
    unsigned char const expected[] = {0, 0, 3, 0x20, 0, 0, 1, 0x2C}; // 800, 300
    EXPECT_TRUE(std::equal(expected, expected + 8, saved->getData()));

    FGTimer restored;
    FGDataReader reader;
    reader.init(saved.get());
    restored.load(reader);
    clock.Advance(1000);
    EXPECT_TRUE(restored.isPaused());
    EXPECT_EQ(restored.elapsedTime(), 300);
    restored.resume();
    clock.Advance(500);
    EXPECT_FALSE(restored.isOver());
    clock.Advance(1);
    EXPECT_TRUE(restored.isOver());
}

TEST_F(TimerTest, SkippingTheBoardEndsEveryTimer)
{
    FGTimer timer;
    timer.start(10000);
    PresentationHooks::Install(new SkippingBoard);
    EXPECT_TRUE(timer.isOver());
    PresentationHooks::Install(nullptr);
    EXPECT_FALSE(timer.isOver());
}

// The board's waits run on the rules' clock and follow the game's clock
// speed and its skip as the timers above do.
TEST_F(TimerTest, TheRulesWaitsFollowTheClockSpeedAndTheSkip)
{
    class FastRules : public RulesEngine {
    public:
        float GetClockSpeed() const override { return 4.0f; }
    } rules;
    RulesEngine::install(&rules);
    RuleTimer wait;
    wait.start(1000);
    rules.advance(250);
    EXPECT_FALSE(wait.isOver());
    PresentationHooks::Install(new SkippingBoard);
    EXPECT_TRUE(wait.isOver());
    PresentationHooks::Install(nullptr);
    rules.advance(1);
    EXPECT_TRUE(wait.isOver());
    RulesEngine::install(nullptr);
}

// The turn's waits hold while the game is paused under a screen: what is
// left of them runs once it resumes.
TEST_F(TimerTest, APausedRulesWaitKeepsWhatItHasLeft)
{
    RulesEngine rules;
    RulesEngine::install(&rules);
    RuleTimer wait;
    wait.start(1000);
    rules.advance(400);
    wait.pause();
    rules.advance(5000);
    EXPECT_FALSE(wait.isOver());
    EXPECT_EQ(wait.remainingTime(), 600);
    wait.resume();
    rules.advance(600);
    EXPECT_FALSE(wait.isOver());
    rules.advance(1);
    EXPECT_TRUE(wait.isOver());
    RulesEngine::install(nullptr);
}

TEST_F(TimerTest, ASuperTimerCarriesTheElapsedTimeOver)
{
    FGTimer outer;
    outer.start(100000);
    FGTimer inner;
    inner.start(1000);
    clock.Advance(200);
    inner.setSuperTimer(&outer);
    EXPECT_EQ(inner.elapsedTime(), 200);
    outer.pause();
    clock.Advance(300);
    EXPECT_EQ(inner.elapsedTime(), 200);
}

TEST_F(TimerTest, ALoopingAnimationRunsOnInPhaseAndAPlayOnceStops)
{
    FGImage frames[4];
    FGAnimation loop;
    loop.init(100);
    for (FGImage& frame : frames)
        loop.addFrame(&frame);
    loop.restart();
    clock.Advance(950);
    EXPECT_EQ(loop.getCurrentFrameIndex(), 1);
    EXPECT_EQ(loop.getCurrentFrame(), &frames[1]);

    FGAnimation once;
    once.init(loop);
    once.playOnce();
    clock.Advance(5000);
    EXPECT_EQ(once.getCurrentFrameIndex(), 3);
    EXPECT_TRUE(once.finishedPlaying());
    EXPECT_EQ(once.getFrame(4), nullptr);

    FGAnimation empty;
    empty.init(100);
    EXPECT_EQ(empty.getCurrentFrameIndex(), -1);
}

TEST_F(TimerTest, VariableFramesHaveTheirOwnDurations)
{
    FGImage frames[FGAnimationVariable::kMaxFrames + 1];
    FGAnimationVariable animation;
    animation.init(0);
    EXPECT_TRUE(animation.addFrame(&frames[0], 50));
    EXPECT_TRUE(animation.addFrame(&frames[1], 200));
    EXPECT_TRUE(animation.addFrame(&frames[2], 50));
    EXPECT_EQ(animation.getDuration(), 300);
    animation.playOnce();
    clock.Advance(49);
    EXPECT_EQ(animation.getCurrentFrameIndex(), 0);
    clock.Advance(1);
    EXPECT_EQ(animation.getCurrentFrameIndex(), 1);
    clock.Advance(200);
    EXPECT_EQ(animation.getCurrentFrameIndex(), 2);
    for (int i = 3; i < FGAnimationVariable::kMaxFrames; ++i)
        EXPECT_TRUE(animation.addFrame(&frames[i], 10));
    EXPECT_FALSE(animation.addFrame(&frames[FGAnimationVariable::kMaxFrames], 10));
    EXPECT_EQ(animation.getNumFrames(), FGAnimationVariable::kMaxFrames);
}

} // namespace
