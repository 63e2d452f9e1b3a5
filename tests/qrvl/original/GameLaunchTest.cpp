// The game's engine object from its start to a running game: the first
// mode, input held back while the stack changes or a game loads, loading
// one resource per tick, the front-end modes popped one per tick and the
// game mode of the chosen type set on the empty stack.
#include "FrameworkTestSupport.h"

#include "qrvl/original/phone/CGuiFrameTouchButton.h"
#include "qrvl/original/FrontEndHooks.h"
#include "qrvl/original/GameFlowHooks.h"
#include "qrvl/original/PresentationHooks.h"
#include "qrvl/original/QuorvelEngine.h"

#include <gtest/gtest.h>

namespace {

using FrameworkTest::LoggingMode;
using FrameworkTest::ManualClock;
using Log = std::vector<std::string>;

Log* s_log = nullptr;

class SplashFrontEnd : public FrontEndHooks {
public:
    FGMode* CreateSplashMode() override { return new LoggingMode("splash", *s_log); }
};

class RecordingBoard : public PresentationHooks {
public:
    // Three loading steps of the world.
    void SetupLoader(FGResLoader& loader) override
    {
        for (char const* step : {"ent-a", "ent-b", "scene"})
            loader.registerResource(step, FGResLoader::TypeFirstWorldStep, 0);
    }
    void LoadWorldStep(int type, int) override { s_log->push_back("step" + std::to_string(type)); }
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
    Tick(); // the launch is taken up
    EXPECT_TRUE(engine.isLoading());
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
