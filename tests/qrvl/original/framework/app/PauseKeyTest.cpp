// The game's application object paused as the Pause key pauses it: the
// engine object holds its timers, and its first tick afterwards does not
// catch up on the time paused.
#include "norv/application/ShellSettings.h"
#include "qrvl/original/framework/FGApp.h"
#include "qrvl/original/framework/FGEngine.h"
#include "qrvl/original/framework/FGTimer.h"
#include "tests/qrvl/support/FrameworkTestSupport.h"
#include "tests/support/Environment.h"
#include "tests/support/PakPacker.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

constexpr int kTimerMs = 1000;
constexpr std::uint32_t kBeforePauseMs = 400;
constexpr std::uint32_t kPauseMs = 60000;
constexpr std::uint32_t kFrameMs = 16;

TEST(PauseKeyTest, ThePauseHoldsTheGamesTimersAndItsNextTick)
{
    // A fresh user folder, and no data but the screens' archive (here an
    // empty one), without which the game does not start: the engine object
    // starts without the data.
    TempFolder home;
    TempFolder resources;
    resources.Write("screens/none", "");
    ASSERT_TRUE(Pack(resources / "screens", resources / "res.pak"));
    NorvTest::Environment environment;
    environment.Set("XDG_DATA_HOME", home.path);
    environment.Set("QUORVEL_RESOURCES", resources.path);
    // The game's smallest window, as its command line would ask.
    Norv::g_screenWidth = 1024;
    Norv::g_screenHeight = 768;
    Norv::g_fullScreen = false;
    FrameworkTest::ManualClock clock;
    Norv::SmartPtr<FGApp> app(new FGApp);
    ASSERT_TRUE(app->IsStarted());
    app->OnStartup();
    FGEngine* engine = app->getEngine();
    ASSERT_NE(engine, nullptr);

    FGTimer timer;
    timer.start(kTimerMs);
    clock.Advance(kBeforePauseMs);
    app->PrivateFocusChange(false); // the Pause key
    EXPECT_TRUE(engine->isPaused());
    clock.Advance(kPauseMs);
    app->PrivateFocusChange(true); // and again
    EXPECT_FALSE(engine->isPaused());
    clock.Advance(kFrameMs);
    app->PrivateTick(kFrameMs / 1000.0f);

    EXPECT_EQ(engine->getRawTickTime(), static_cast<int>(kFrameMs));
    EXPECT_FALSE(timer.isOver());
    EXPECT_EQ(timer.elapsedTime(), static_cast<int>(kBeforePauseMs));
    app->OnShutdown();
}

} // namespace
