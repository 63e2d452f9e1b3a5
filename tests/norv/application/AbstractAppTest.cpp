// The application base without a window: ticks, frames, pause by focus,
// routing through the console, and the release of the engine's singletons.
#include "norv/application/AbstractApp.h"
#include "norv/application/AppGlobals.h"
#include "norv/application/EngineSingletons.h"
#include "norv/application/Globals.h"
#include "norv/application/ShellSettings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace Norv;

std::vector<std::string> g_log;

// A screen that records the frame calls; it may refuse the lock.
class RecordingScreen : public ScreenOutput {
public:
    bool lockSucceeds = true;
    bool LockFrame() override
    {
        g_log.push_back("lock");
        return lockSucceeds;
    }
    Surface* FrameSurface() override { return nullptr; }
    void UnlockFrame() override { g_log.push_back("unlock"); }
};

class RecordingMixer : public MixerPauseHook {
public:
    ~RecordingMixer() override { g_log.push_back("mixer released"); }
    void Pause(PauseReason reason, bool pause) override
    {
        g_log.push_back("mixer " + std::to_string(reason) + (pause ? " pause" : " resume"));
    }
};

// A console that is open: it holds the game still and takes every key press.
class OpenConsole : public ConsoleHook {
public:
    ~OpenConsole() override { g_log.push_back("console released"); }
    bool Update(NorvFloat const&) override { return true; }
    void Draw(Surface*) override { g_log.push_back(g_gfxOpsPermitted ? "console draw" : "console draw outside frame"); }
    bool KeyPress(KeyCode) override { return true; }
};

class RecordingApp : public AbstractApp {
public:
    explicit RecordingApp(unsigned int flags) : AbstractApp(flags) { display.Reset(new RecordingScreen); }
    RecordingScreen& Screen() { return static_cast<RecordingScreen&>(*display); }

    void OnUpdate(NorvFloat const& dt) override { g_log.push_back("update " + std::to_string(dt)); }
    void OnRender(Surface*) override { g_log.push_back(g_gfxOpsPermitted ? "render" : "render outside frame"); }
    void PrivateRender(Surface*) override { g_log.push_back(g_gfxOpsPermitted ? "private render" : "private render outside frame"); }
    void OnFocusChange(bool focused) override { g_log.push_back(focused ? "focus gained" : "focus lost"); }
    void OnKeyPress(KeyCode key) override { g_log.push_back("key " + std::to_string(key)); }
    void OnKeyRelease(KeyCode key) override { g_log.push_back("release " + std::to_string(key)); }
    void OnTouchDown(int x, int y, int id) override { g_log.push_back(Touch("down", x, y, id)); }
    void OnTouchUp(int x, int y, int id) override { g_log.push_back(Touch("up", x, y, id)); }
    void OnTouchMove(int x, int y, int id) override { g_log.push_back(Touch("move", x, y, id)); }

    void SendInput()
    {
        PrivateKeyPress(KEY_A);
        PrivateKeyRelease(KEY_A);
        PrivateTouchDown(1, 2, 0);
        PrivateTouchMove(3, 4, -1);
        PrivateTouchUp(5, 6, 0);
    }

private:
    static std::string Touch(char const* what, int x, int y, int id)
    {
        return std::string(what) + " " + std::to_string(x) + "," + std::to_string(y) + " " + std::to_string(id);
    }
};

using Log = std::vector<std::string>;
Log const kInput = {"key 40", "release 40", "down 1,2 0", "move 3,4 -1", "up 5,6 0"};
Log const kFrame = {"lock", "render", "private render", "unlock"};

Log Concat(std::initializer_list<Log> parts)
{
    Log all;
    for (Log const& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

class AbstractAppTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_log.clear();
        g_timeSkew = 1.0f;
    }
    void TearDown() override
    {
        EngineSingletons::InstallMixer(nullptr);
        EngineSingletons::InstallConsole(nullptr);
        g_timeSkew = 1.0f;
    }
};

TEST_F(AbstractAppTest, TickUpdatesWithSkewedTimeThenDrawsAFrame)
{
    SmartPtr<RecordingApp> app(new RecordingApp(0x1400));
    app->PrivateTick(0.5f);
    g_timeSkew = 0.5f;
    app->PrivateTick(0.5f);
    g_timeSkew = 0.0f;  // frozen, but still drawn
    app->PrivateTick(0.5f);
    EXPECT_EQ(g_log, Concat({{"update 0.500000"}, kFrame, {"update 0.250000"}, kFrame, {"update 0.000000"}, kFrame}));
    EXPECT_FALSE(g_gfxOpsPermitted);
}

TEST_F(AbstractAppTest, NoFrameIsRenderedWhenTheScreenCannotBeLocked)
{
    SmartPtr<RecordingApp> app(new RecordingApp(0));
    app->Screen().lockSucceeds = false;
    app->PrivateTick(0.25f);
    EXPECT_EQ(g_log, Log({"update 0.250000", "lock"}));
}

TEST_F(AbstractAppTest, FocusLossPausesEverythingAndTheMixer)
{
    EngineSingletons::InstallMixer(new RecordingMixer);
    SmartPtr<RecordingApp> app(new RecordingApp(0x1400));
    app->PrivateFocusChange(false);
    EXPECT_TRUE(app->IsPaused());
    app->PrivateTick(0.1f);
    app->SendInput();
    app->PrivateFocusChange(false);  // the same state again repeats the calls
    app->PrivateFocusChange(true);
    app->PrivateTick(0.1f);
    EXPECT_EQ(g_log, Concat({{"mixer 1 pause", "focus lost", "mixer 1 pause", "focus lost", "mixer 1 resume",
                              "focus gained", "update 0.100000"},
                             kFrame}));
}

TEST_F(AbstractAppTest, WithKeepRunningFocusLossOnlyPausesTheMixer)
{
    EngineSingletons::InstallMixer(new RecordingMixer);
    SmartPtr<RecordingApp> app(new RecordingApp(AbstractApp::KeepRunningUnfocused));
    app->PrivateFocusChange(false);
    EXPECT_FALSE(app->IsPaused());
    app->SendInput();
    app->PrivateTick(0.1f);
    EXPECT_EQ(g_log, Concat({{"mixer 1 pause", "focus lost"}, kInput, {"update 0.100000"}, kFrame}));
}

TEST_F(AbstractAppTest, AnOpenConsoleHoldsTheGameAndTakesKeyPresses)
{
    EngineSingletons::InstallConsole(new OpenConsole);
    SmartPtr<RecordingApp> app(new RecordingApp(0));
    app->PrivateTick(0.1f);
    app->SendInput();
    EXPECT_EQ(g_log, Log({"lock", "render", "console draw", "private render", "unlock", "release 40", "down 1,2 0",
                          "move 3,4 -1", "up 5,6 0"}));
}

TEST_F(AbstractAppTest, DestructionReleasesTheSingletonsInOrder)
{
    EngineSingletons::InstallConsole(new OpenConsole);
    EngineSingletons::InstallMixer(new RecordingMixer);
    {
        SmartPtr<RecordingApp> app(new RecordingApp(0));
        EXPECT_EQ(AbstractApp::s_application, app.Get());
        ASSERT_NE(AppGlobals::Get(), nullptr);
        AppGlobals::Get()->languageCode = "en-GB";
        EXPECT_EQ(AbstractApp::GetOsLanguageCode(), "en-GB");
        EXPECT_EQ(AbstractApp::GetDeviceId(), 0);
    }
    EXPECT_EQ(g_log, Log({"mixer released", "console released"}));
    EXPECT_EQ(AbstractApp::s_application, nullptr);
    EXPECT_EQ(AppGlobals::Get(), nullptr);
    EXPECT_EQ(AbstractApp::GetOsLanguageCode(), "");
}

} // namespace
