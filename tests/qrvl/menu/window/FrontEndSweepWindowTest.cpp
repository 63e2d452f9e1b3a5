// Every front-end screen in every language at a normal and a large window:
// the game logs each text that its box cannot hold (the typesetter's extent
// against the control's rectangle), so a sweep through the screens must log
// none. The screenshots stay in the build's test output for review.
#include "tests/harness/ChildProcess.h"
#include "tests/harness/ExternalTool.h"
#include "tests/harness/Image.h"
#include "tests/harness/TestWindow.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <ostream>
#include <string>
#include <thread>

namespace {

using namespace NorvTest;

constexpr double kWaitSeconds = 30.0;
constexpr int kTolerance = 6;
// The logo badge and the buttons share one sunny orange.
constexpr Rgb kLogoOrange = {0xff, 0xb5, 0x2e};
// What the game logs for a text too big for its box.
constexpr char const* kOverflowLog = "ColorText: ";

struct Sweep {
    char const* language; // the system language the game starts in
    char const* name;
    int width;
    int height;
    double scale; // the menus' S: 1 with normal art, 1.4 with large
};

void PrintTo(Sweep const& sweep, std::ostream* out)
{
    *out << sweep.name << " at " << sweep.width << "x" << sweep.height;
}

// The layout of the menu scripts at one window size (a supported base size,
// so the menus fill the window).
struct Layout {
    int width, height;
    double s;
    int MainButtonY(int index) const { return int(220 * s + index * 66 * s + 26 * s); }
    int PanelTop() const { return int(height / 2 - 230 * s); }
    int PanelButtonY(int index) const { return int(PanelTop() + 50 * s + index * 60 * s + 26 * s); }
    int YesKeyY() const { return int(PanelTop() + 320 * s + 26 * s); }
    int CentreX() const { return width / 2; }
};

class FrontEndSweepTest : public testing::TestWithParam<Sweep> {
protected:
    void SetUp() override
    {
        dataHome = OutputPath(std::string("quorvel-sweep-data-home-") + GetParam().name);
        std::filesystem::remove_all(dataHome);
        std::filesystem::create_directories(dataHome);
    }

    // Waits for the screen to settle (menus slide in), then keeps its picture.
    void Shoot(std::string const& screen)
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(900));
        Sweep const& sweep = GetParam();
        std::string const name = std::string("quorvel-sweep-") + sweep.name + "-" + std::to_string(sweep.width) +
                                 "x" + std::to_string(sweep.height) + "-" + screen + ".png";
        EXPECT_TRUE(window.Screenshot(OutputPath(name))) << name;
    }

    void Escape()
    {
        ASSERT_TRUE(window.Key("Escape"));
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
    }

    std::string dataHome;
    ChildProcess game;
    TestWindow window;
};

TEST_P(FrontEndSweepTest, NoTextLeavesItsControl)
{
    Sweep const& sweep = GetParam();
    Layout const layout{sweep.width, sweep.height, sweep.scale};
    int const x = layout.CentreX();
    ASSERT_TRUE(game.Start({ProgramPath("quorvel"), "-w", std::to_string(sweep.width), "-h",
                            std::to_string(sweep.height)},
                           {{"SDL_AUDIODRIVER", "dummy"},
                            {"XDG_DATA_HOME", dataHome.c_str()},
                            {"LANGUAGE", sweep.language},
                            {"LC_ALL", nullptr},
                            {"LC_MESSAGES", nullptr},
                            {"LANG", nullptr}}));
    ASSERT_TRUE(window.Find("^Quorvel$", game.Pid()) && window.WaitForSize(sweep.width, sweep.height))
        << game.Output();
    Shoot("splash");
    ASSERT_TRUE(window.Click(x, sweep.height / 2));
    ASSERT_TRUE(window.Click(x, sweep.height / 2));
    // A spot in the logo badge, right of its name, marks the main menu.
    std::string const mainShot = OutputPath(std::string("quorvel-sweep-") + sweep.name + "-main-wait.png");
    Image shot;
    ASSERT_TRUE(WaitUntil(
        [&] {
            return window.Screenshot(mainShot) && shot.Load(mainShot) &&
                   shot.RegionIs(int(x + 218 * sweep.scale), int(84 * sweep.scale), 4, 4, kLogoOrange, kTolerance);
        },
        kWaitSeconds))
        << game.Output();
    Shoot("main");

    // Help and about: the menu, the about page, the game help and a topic.
    ASSERT_TRUE(window.Click(x, layout.MainButtonY(5)));
    Shoot("help-and-about");
    ASSERT_TRUE(window.Click(x, layout.PanelButtonY(0)));
    Shoot("about");
    ASSERT_NO_FATAL_FAILURE(Escape());
    ASSERT_TRUE(window.Click(x, layout.PanelButtonY(4)));
    Shoot("help");
    ASSERT_TRUE(window.Click(x, layout.PanelButtonY(3)));
    Shoot("help-topic");
    ASSERT_NO_FATAL_FAILURE(Escape());
    ASSERT_NO_FATAL_FAILURE(Escape());
    ASSERT_NO_FATAL_FAILURE(Escape());

    // Settings, with each volume stepped once, and the high scores.
    ASSERT_TRUE(window.Click(x, layout.MainButtonY(4)));
    ASSERT_TRUE(window.Click(x, layout.PanelButtonY(1)));
    ASSERT_TRUE(window.Click(x, layout.PanelButtonY(2)));
    Shoot("settings");
    ASSERT_NO_FATAL_FAILURE(Escape());
    ASSERT_TRUE(window.Click(x, layout.MainButtonY(3)));
    Shoot("high-scores");
    ASSERT_NO_FATAL_FAILURE(Escape());

    // The exit question, and yes once its key is there.
    ASSERT_TRUE(window.Click(x, layout.MainButtonY(6)));
    std::string const questionShot = OutputPath(std::string("quorvel-sweep-") + sweep.name + "-question-wait.png");
    ASSERT_TRUE(WaitUntil(
        [&] {
            return window.Screenshot(questionShot) && shot.Load(questionShot) &&
                   shot.RegionIs(int(x - 100 * sweep.scale), int(layout.YesKeyY() + 4 * sweep.scale), 40, 4,
                                 kLogoOrange, 40);
        },
        kWaitSeconds))
        << game.Output();
    Shoot("exit-question");
    ASSERT_TRUE(window.Click(x, layout.YesKeyY()));
    EXPECT_EQ(game.WaitForExit(kWaitSeconds), 0) << game.Output();

    EXPECT_EQ(game.Output().find(kOverflowLog), std::string::npos) << game.Output();
}

Sweep const kSweeps[] = {
    {"en_US", "english", 1024, 768, 1.0}, {"de_DE", "german", 1024, 768, 1.0},
#if !defined(__SANITIZE_ADDRESS__)
    // Which text fits is the same in both builds, and the large art's layouts
    // are the same code at another scale: the sanitizer build, several times
    // slower, opens every screen in two languages and leaves the rest to the
    // normal build.
    {"en_GB", "englishUK", 1024, 768, 1.0}, {"fr_FR", "french", 1024, 768, 1.0},
    {"it_IT", "italian", 1024, 768, 1.0},   {"es_ES", "spanish", 1024, 768, 1.0},
    {"en_GB", "englishUK", 1920, 1080, 1.4}, {"en_US", "english", 1920, 1080, 1.4},
    {"fr_FR", "french", 1920, 1080, 1.4},    {"de_DE", "german", 1920, 1080, 1.4},
    {"it_IT", "italian", 1920, 1080, 1.4},   {"es_ES", "spanish", 1920, 1080, 1.4},
#endif
};

INSTANTIATE_TEST_SUITE_P(EveryLanguageAndSize, FrontEndSweepTest, testing::ValuesIn(kSweeps),
                         [](testing::TestParamInfo<Sweep> const& info) {
                             return std::string(info.param.name) + "_" + std::to_string(info.param.width);
                         });

} // namespace
