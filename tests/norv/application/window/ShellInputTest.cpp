// The SDL shell's event loop inside the test process: real X input through
// xdotool and events pushed into SDL's queue, as the application sees them.
#include "norv/application/CommandLine.h"
#include "norv/application/EngineSingletons.h"
#include "norv/application/ShellSettings.h"
#include "norv/application/sdl/SdlApplication.h"
#include "tests/harness/ExternalTool.h"
#include "tests/harness/TestWindow.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <ctime>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

using namespace NorvTest;

// How long the application gets to react to one piece of input.
constexpr double kReactionSeconds = 5.0;
// Long enough for dozens of ticks of a running application.
constexpr auto kQuietSpell = std::chrono::milliseconds(400);

// Hook calls, recorded from the loop's thread and read from the driver's.
class Recorder {
public:
    void Add(std::string entry)
    {
        std::lock_guard<std::mutex> lock(mutex);
        entries.push_back(std::move(entry));
    }
    std::vector<std::string> Entries()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return entries;
    }
    bool Has(std::string const& entry)
    {
        std::vector<std::string> const all = Entries();
        return std::find(all.begin(), all.end(), entry) != all.end();
    }
    bool WaitFor(std::string const& entry)
    {
        return WaitUntil([&] { return Has(entry); }, kReactionSeconds);
    }
    // The entries other than pointer moves, which the pointer's position at
    // start-up may add at any time.
    std::vector<std::string> WithoutMoves()
    {
        std::vector<std::string> all = Entries();
        all.erase(std::remove_if(all.begin(), all.end(), [](std::string const& e) { return e.rfind("move", 0) == 0; }),
                  all.end());
        return all;
    }
    void Clear()
    {
        std::lock_guard<std::mutex> lock(mutex);
        entries.clear();
    }

private:
    std::mutex mutex;
    std::vector<std::string> entries;
};

Recorder g_recorder;
std::atomic<int> g_updates{0};

std::string Entry(char const* what, int x, int y)
{
    return std::string(what) + " " + std::to_string(x) + " " + std::to_string(y);
}

std::string Entry(char const* what, int x, int y, int id)
{
    return Entry(what, x, y) + " " + std::to_string(id);
}

class RecordingShell : public Norv::SdlApplication {
public:
    explicit RecordingShell(unsigned int flags) : SdlApplication(flags) {}

    void OnUpdate(Norv::NorvFloat const&) override { ++g_updates; }
    void OnTouchDown(int x, int y, int id) override { g_recorder.Add(Entry("down", x, y, id)); }
    void OnTouchUp(int x, int y, int id) override { g_recorder.Add(Entry("up", x, y, id)); }
    void OnTouchMove(int x, int y, int id) override { g_recorder.Add(Entry("move", x, y, id)); }
    void OnScrollUp(int x, int y) override { g_recorder.Add(Entry("scroll up", x, y)); }
    void OnScrollDown(int x, int y) override { g_recorder.Add(Entry("scroll down", x, y)); }
    void OnResize(int width, int height) override { g_recorder.Add(Entry("resize", width, height)); }
    void OnKeyPress(Norv::KeyCode key) override { g_recorder.Add("key " + std::to_string(key)); }
    void OnKeyRelease(Norv::KeyCode key) override { g_recorder.Add("release " + std::to_string(key)); }
    void OnFocusChange(bool focused) override { g_recorder.Add(focused ? "focus gained" : "focus lost"); }
};

class RecordingMixer : public Norv::MixerPauseHook {
public:
    void Pause(PauseReason reason, bool pause) override
    {
        g_recorder.Add("mixer " + std::to_string(reason) + (pause ? " pause" : " resume"));
    }
};

double ProcessCpuSeconds()
{
    timespec now = {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

void PushKey(Uint8 type, SDLKey key, SDLMod modifiers = KMOD_NONE)
{
    SDL_Event event = {};
    event.type = type;
    event.key.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    event.key.keysym.mod = modifiers;
    SDL_PushEvent(&event);
}

void PushFocus(bool gain)
{
    SDL_Event event = {};
    event.type = SDL_ACTIVEEVENT;
    event.active.gain = gain ? 1 : 0;
    event.active.state = SDL_APPINPUTFOCUS | SDL_APPACTIVE;
    SDL_PushEvent(&event);
}

// Opens a window (not full screen unless asked) with the given command line
// and flags, runs the loop on this thread and `drive` on another, which ends
// the loop when it returns, unless the loop ended already.
class ShellInputTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_recorder.Clear();
        g_updates = 0;
        Norv::g_applicationName = std::string("ShellTest ")
            + testing::UnitTest::GetInstance()->current_test_info()->name();
    }

    void TearDown() override { Norv::EngineSingletons::InstallMixer(nullptr); }

    void Run(std::vector<std::string> arguments, unsigned int flags, std::function<void(TestWindow&)> drive,
             bool fullScreen = false)
    {
        arguments.insert(arguments.begin(), "shell-test");
        std::vector<char*> argv;
        for (std::string& argument : arguments)
            argv.push_back(argument.data());
        // Settings last from one test's command line to the next.
        Norv::screenScale = 1;
        Norv::ParseCommandLine(static_cast<int>(argv.size()), argv.data());
        Norv::g_fullScreen = fullScreen;

        Norv::SmartPtr<RecordingShell> shell(new RecordingShell(flags));
        ASSERT_TRUE(shell->IsStarted());
        loopEnded = false;
        std::thread driver([&] {
            TestWindow window;
            if (window.Find("^" + Norv::g_applicationName + "$", getpid()))
                drive(window);
            else
                ADD_FAILURE() << "the window did not appear";
            if (!loopEnded)
                shell->Exit();
        });
        EXPECT_EQ(shell->Run(), 0);
        loopEnded = true;
        driver.join();
    }

    std::atomic<bool> loopEnded{false};
};

constexpr unsigned int kGameFlags = 0x1400;

TEST_F(ShellInputTest, MouseReachesTheGameInLogicalCoordinates)
{
    Run({"-x2", "-w", "400", "-h", "300"}, kGameFlags, [](TestWindow& window) {
        ASSERT_TRUE(window.WaitForSize(800, 600));

        // A left drag: each motion moves touch 0, then the pointer (-1).
        ASSERT_TRUE(window.MouseMove(200, 100));
        ASSERT_TRUE(g_recorder.WaitFor(Entry("move", 100, 50, -1)));
        ASSERT_TRUE(window.MouseDown(1));
        ASSERT_TRUE(g_recorder.WaitFor(Entry("down", 100, 50, 0)));
        g_recorder.Clear();
        ASSERT_TRUE(window.MouseMove(600, 400));
        ASSERT_TRUE(g_recorder.WaitFor(Entry("move", 300, 200, -1)));
        std::vector<std::string> const drag = g_recorder.Entries();
        ASSERT_GE(drag.size(), 2u);
        EXPECT_EQ(drag[drag.size() - 2], Entry("move", 300, 200, 0));
        ASSERT_TRUE(window.MouseUp(1));
        ASSERT_TRUE(g_recorder.WaitFor(Entry("up", 300, 200, 0)));

        // A wheel notch up scrolls on press and ends touch 3 on release.
        g_recorder.Clear();
        ASSERT_TRUE(window.Click(600, 400, 4));
        ASSERT_TRUE(g_recorder.WaitFor(Entry("up", 300, 200, 3)));
        EXPECT_EQ(g_recorder.WithoutMoves(), std::vector<std::string>({Entry("scroll up", 300, 200), Entry("up", 300, 200, 3)}));
        g_recorder.Clear();
        ASSERT_TRUE(window.Click(600, 400, 5));
        ASSERT_TRUE(g_recorder.WaitFor(Entry("up", 300, 200, 4)));
        EXPECT_EQ(g_recorder.WithoutMoves(), std::vector<std::string>({Entry("scroll down", 300, 200), Entry("up", 300, 200, 4)}));
    });
}

TEST_F(ShellInputTest, ResizeIsReportedInLogicalPixels)
{
    Run({"-x2", "-w", "400", "-h", "300"}, kGameFlags, [](TestWindow& window) {
        ASSERT_TRUE(window.Resize(1000, 700));
        ASSERT_TRUE(g_recorder.WaitFor(Entry("resize", 500, 350)));
        ASSERT_TRUE(window.WaitForSize(1000, 700));
    });
}

// The game hides the system's cursor and draws its own where the shell says
// the pointer is; full screen, the pointer is grabbed, and a pointer that
// jumps (a tablet, a touch screen, a remote desktop) must still be seen
// where it points, not where its moves add up to.
TEST_F(ShellInputTest, PointerJumpsArriveWhereTheyPointInAFullScreenWindowWithTheCursorHidden)
{
    Run(
        {"-w", "320", "-h", "240"}, kGameFlags,
        [](TestWindow& window) {
            ASSERT_TRUE(window.WaitForSize(320, 240));
            for (auto [x, y] : {std::pair{10, 10}, {300, 220}, {160, 30}, {20, 200}, {310, 5}}) {
                ASSERT_TRUE(window.MouseMove(x, y));
                ASSERT_TRUE(g_recorder.WaitFor(Entry("move", x, y, -1))) << x << "," << y;
            }
            ASSERT_TRUE(window.Click(250, 180));
            ASSERT_TRUE(g_recorder.WaitFor(Entry("up", 250, 180, 0)));
            EXPECT_TRUE(g_recorder.Has(Entry("down", 250, 180, 0)));
        },
        true);
}

TEST_F(ShellInputTest, KeysAreTranslatedAndAltF4Quits)
{
    bool quitByKey = false;
    Run({"-w", "320", "-h", "240"}, kGameFlags, [&](TestWindow& window) {
        ASSERT_TRUE(window.MouseMove(10, 10));  // the keyboard follows the pointer
        ASSERT_TRUE(window.Key("a"));
        ASSERT_TRUE(g_recorder.WaitFor("release " + std::to_string(Norv::KEY_A)));
        ASSERT_TRUE(window.Key("F4"));
        ASSERT_TRUE(window.Key("Return"));
        ASSERT_TRUE(g_recorder.WaitFor("release " + std::to_string(Norv::KEY_SELECT)));
        ASSERT_TRUE(window.Key("alt+F4"));
        quitByKey = WaitUntil([&] { return loopEnded.load(); }, kReactionSeconds);
    });
    EXPECT_TRUE(quitByKey);
    // F4 is never delivered; nor is Alt.
    EXPECT_EQ(g_recorder.WithoutMoves(),
              std::vector<std::string>({"key " + std::to_string(Norv::KEY_A), "release " + std::to_string(Norv::KEY_A),
                                        "key " + std::to_string(Norv::KEY_SELECT),
                                        "release " + std::to_string(Norv::KEY_SELECT)}));
}

TEST_F(ShellInputTest, PauseKeyStopsTicksAndSleepsUntilPressedAgain)
{
    Norv::EngineSingletons::InstallMixer(new RecordingMixer);
    Run({"-w", "320", "-h", "240"}, kGameFlags, [](TestWindow& window) {
        ASSERT_TRUE(window.MouseMove(10, 10));
        ASSERT_TRUE(WaitUntil([] { return g_updates > 0; }, kReactionSeconds));
        ASSERT_TRUE(window.Key("Pause"));
        ASSERT_TRUE(g_recorder.WaitFor("mixer 1 pause"));
        EXPECT_EQ(window.Name(), Norv::g_applicationName + " (paused)");

        int const updatesBefore = g_updates;
        double const cpuBefore = ProcessCpuSeconds();
        std::this_thread::sleep_for(kQuietSpell);
        EXPECT_EQ(g_updates, updatesBefore) << "ticks go on while paused";
        // A loop that sleeps 100 ms per pass uses a fraction of the time.
        EXPECT_LT(ProcessCpuSeconds() - cpuBefore, 0.5 * std::chrono::duration<double>(kQuietSpell).count());

        ASSERT_TRUE(window.Key("Pause"));
        ASSERT_TRUE(g_recorder.WaitFor("mixer 1 resume"));
        EXPECT_EQ(window.Name(), Norv::g_applicationName);
        EXPECT_TRUE(WaitUntil([&] { return g_updates > updatesBefore; }, kReactionSeconds));
    });
    EXPECT_EQ(g_recorder.WithoutMoves(),
              std::vector<std::string>({"mixer 1 pause", "focus lost", "mixer 1 resume", "focus gained"}));
}

TEST_F(ShellInputTest, WindowFocusIsIgnoredWithTheGameFlags)
{
    Norv::EngineSingletons::InstallMixer(new RecordingMixer);
    Run({"-w", "320", "-h", "240"}, kGameFlags, [](TestWindow&) {
        PushFocus(false);
        PushKey(SDL_KEYDOWN, SDLK_b);
        ASSERT_TRUE(g_recorder.WaitFor("key " + std::to_string(Norv::KEY_B)));
        int const updatesBefore = g_updates;
        EXPECT_TRUE(WaitUntil([&] { return g_updates > updatesBefore; }, kReactionSeconds));
        PushFocus(true);
    });
    EXPECT_EQ(g_recorder.WithoutMoves(), std::vector<std::string>({"key " + std::to_string(Norv::KEY_B)}));
}

TEST_F(ShellInputTest, WindowFocusPausesWhenPassedOn)
{
    Norv::EngineSingletons::InstallMixer(new RecordingMixer);
    Run({"-w", "320", "-h", "240"}, kGameFlags | Norv::AbstractApp::PassWindowActivation, [](TestWindow&) {
        PushFocus(false);
        PushKey(SDL_KEYDOWN, SDLK_b);  // dropped while paused
        ASSERT_TRUE(g_recorder.WaitFor("focus lost"));
        PushFocus(true);
        ASSERT_TRUE(g_recorder.WaitFor("focus gained"));
    });
    EXPECT_EQ(g_recorder.WithoutMoves(),
              std::vector<std::string>({"mixer 1 pause", "focus lost", "mixer 1 resume", "focus gained"}));
}

} // namespace
