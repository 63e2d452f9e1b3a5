// The game's engine object from its start to a running game: the first
// mode, input held back while the stack changes or a game loads, loading
// one resource per tick, the front-end modes popped one per tick and the
// game mode of the chosen type set on the empty stack.
#include "tests/qrvl/support/FrameworkTestSupport.h"

#include "qrvl/original/framework/CGuiFrameTouchButton.h"
#include "qrvl/original/framework/FrontEndHooks.h"
#include "qrvl/original/framework/GameFlowHooks.h"
#include "qrvl/original/framework/PresentationHooks.h"
#include "qrvl/original/framework/QuorvelEngine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

using FrameworkTest::LoggingMode;
using FrameworkTest::ManualClock;
using Log = std::vector<std::string>;

Log* s_log = nullptr;
ManualClock* s_clock = nullptr;
// How long each of the world's loading steps takes.
std::uint32_t s_stepMs = 0;

class SplashFrontEnd : public FrontEndHooks {
public:
    FGMode* CreateSplashMode() override { return new LoggingMode("splash", *s_log); }
};

class RecordingBoard : public PresentationHooks {
public:
    // Three loading steps of the world, in place of any before.
    void SetupLoader(FGResLoader& loader) override
    {
        loader.clear();
        for (char const* step : {"ent-a", "ent-b", "scene"})
            loader.registerResource(step, FGResLoader::TypeFirstWorldStep, 0);
    }
    void LoadWorldStep(int type, int) override
    {
        s_log->push_back("step" + std::to_string(type));
        s_clock->Advance(s_stepMs);
    }
    void SetSkipping(bool skipping, bool) override { s_log->push_back(skipping ? "skip" : "noskip"); }
};

class GameModes : public GameFlowHooks {
public:
    FGMode* CreateGameMode(GameKind kind, bool loadSaved) override
    {
        char const* const names[] = {"single", "passAndPlay", "party", "network"};
        return new LoggingMode(std::string(names[kind]) + (loadSaved ? "-saved" : ""), *s_log);
    }
};

class GameLaunchTest : public testing::Test {
protected:
    void SetUp() override
    {
        s_log = &log;
        s_clock = &clock;
        // Slower than a frame's share of loading: one step a tick.
        s_stepMs = 40;
        FrontEndHooks::Install(new SplashFrontEnd);
        PresentationHooks::Install(new RecordingBoard);
        GameFlowHooks::Install(new GameModes);
        engine.setCriticals(nullptr, nullptr);
        engine.entEvent(FGEngine::EventStart, 0, 0);
    }
    void TearDown() override
    {
        FrontEndHooks::Install(nullptr);
        PresentationHooks::Install(nullptr);
        GameFlowHooks::Install(nullptr);
        s_log = nullptr;
        s_clock = nullptr;
    }

    void Tick()
    {
        clock.Advance(16);
        engine.entTick();
    }

    // Pushes a front-end mode over the splash and performs it.
    void Push(char const* name)
    {
        engine.getModeManager()->pushMode(new LoggingMode(name, log));
        engine.getModeManager()->performModeChanges();
    }

    Log log;
    ManualClock clock;
    QuorvelEngine engine;
};

TEST_F(GameLaunchTest, TheFirstModeArrivesAtTheFirstTickAndInputWaitsForIt)
{
    EXPECT_TRUE(engine.isInFrontEnd());
    EXPECT_TRUE(engine.isNegativeSoftkey(2));
    EXPECT_FALSE(engine.isPositiveSoftkey(0));
    engine.entKeyPressed(3);
    EXPECT_TRUE(log.empty());
    Tick();
    engine.entKeyPressed(3);
    EXPECT_EQ(log, (Log{"splash.activate", "splash.tick", "splash.key3"}));
}

TEST_F(GameLaunchTest, LoadingPopsTheFrontEndOneModePerTickThenSetsTheGameMode)
{
    Tick();
    Push("menu");
    Push("setup");
    log.clear();

    engine.launchGame(true, QuorvelEngine::GameModePassAndPlay, false);
    EXPECT_FALSE(engine.isBusy());
    Tick(); // the launch is taken up
    EXPECT_TRUE(engine.isLoading());
    // The main loop runs the load's ticks back to back.
    EXPECT_TRUE(engine.isBusy());
    for (int step = 0; step < 3; ++step)
        Tick();
    EXPECT_EQ(engine.getLoadProgress(), 100);
    EXPECT_EQ(engine.getModeManager()->getNumModes(), 3);

    // Input during loading reaches nobody.
    CGuiFrameTouchButton button(5);
    engine.entButtonSelected(&button);
    engine.entKeyPressed(4);

    Tick();
    EXPECT_EQ(engine.getModeManager()->getNumModes(), 2);
    Tick();
    EXPECT_EQ(engine.getModeManager()->getNumModes(), 1);
    Tick();
    EXPECT_EQ(engine.getModeManager()->getNumModes(), 0);
    EXPECT_FALSE(engine.isLoading());
    EXPECT_FALSE(engine.isBusy());
    EXPECT_TRUE(engine.isLoadingShown());
    EXPECT_FALSE(engine.isInFrontEnd());
    Tick();
    EXPECT_FALSE(engine.isLoadingShown());
    ASSERT_EQ(engine.getModeManager()->getNumModes(), 1);

    Log const expected = {
        "setup.tick",                                   // the launch is taken up
        "setup.tick", "step4", "setup.tick", "step4", "setup.tick", "step4",
        // One pop performed at each manager tick; the uncovered mode wakes up.
        "setup.deactivate", "setup.delete", "menu.activate", "menu.tick",
        "menu.deactivate", "menu.delete", "splash.activate", "splash.tick",
        "splash.deactivate", "splash.delete",
        "passAndPlay-saved.activate", "passAndPlay-saved.tick",
    };
    EXPECT_EQ(log, expected);
}

TEST_F(GameLaunchTest, QuickLoadingStepsShareATick)
{
    struct Case {
        std::uint32_t stepMs;
        std::vector<int> stepsPerTick;
    } const cases[] = {
        {0, {3}},
        {16, {3}},      // 32 ms taken after two steps: room for the third
        {17, {2, 1}},   // 34 ms after two: the third waits for the next tick
        {33, {1, 1, 1}},
    };
    Tick();
    for (Case const& c : cases) {
        SCOPED_TRACE(c.stepMs);
        s_stepMs = c.stepMs;
        engine.launchGame(false, QuorvelEngine::GameModeSingle, false);
        Tick(); // the launch is taken up
        std::vector<int> stepsPerTick;
        while (!engine.getResLoader()->allResourcesLoaded() && stepsPerTick.size() < 5) {
            log.clear();
            Tick();
            stepsPerTick.push_back(static_cast<int>(std::count(log.begin(), log.end(), "step4")));
        }
        EXPECT_EQ(stepsPerTick, c.stepsPerTick);
        while (engine.isLoading())
            Tick();
    }
}

TEST_F(GameLaunchTest, AnUnknownGameTypeLaunchesASingleGame)
{
    Tick();
    log.clear();
    engine.launchGame(false, static_cast<QuorvelEngine::GameMode>(7), false);
    for (int tick = 0; tick < 8; ++tick)
        Tick();
    EXPECT_NE(std::find(log.begin(), log.end(), "single.activate"), log.end());
}

TEST_F(GameLaunchTest, TheSkipButtonStartsSkippingInsteadOfReachingTheMode)
{
    Tick();
    log.clear();
    CGuiFrameTouchButton skip(QuorvelEngine::kSkipButtonId);
    engine.entButtonSelected(&skip);
    EXPECT_EQ(log, (Log{"skip"}));
}

TEST_F(GameLaunchTest, TheTopModeSetsTheTimeDistortion)
{
    Tick();
    engine.getModeManager()->pushMode(new LoggingMode("fast", log, 3.0f));
    Tick();
    EXPECT_FLOAT_EQ(engine.GetTimeDistortionFactor(), 3.0f);
    clock.Advance(20);
    engine.entTick();
    EXPECT_EQ(engine.getTickTime(), 60);
}

} // namespace
