// The game's front end as a player meets it: the splash's logo, then the
// main menu; help and about opens, a help topic shows its page, the
// high-score table opens, and each closes again; the exit question ends the
// game on yes.
#include "tests/harness/ChildProcess.h"
#include "tests/harness/ExternalTool.h"
#include "tests/harness/Image.h"
#include "tests/harness/TestWindow.h"
#include "tests/support/MainMenuSpots.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace {

using namespace NorvTest;
using namespace MainMenuSpots;

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr double kWaitSeconds = 30.0;
constexpr int kTolerance = 6;
// The splash's blue behind the publisher's logo.
constexpr Rgb kSplashBlue = {0x1e, 0x5a, 0x8c};
// The panel of the help-and-about menu, and the sky at the top of the
// main menu where the panel would be.
constexpr Rgb kPanel = {0xff, 0xfa, 0xf0};
// The main menu's buttons that the tests press.
constexpr int kHelpButtonY = ButtonY(kHelp);
constexpr int kHighScoresButtonY = ButtonY(kHighScores);
constexpr int kExitButtonY = ButtonY(kExit);
// A spot on the exit question's panel, and the middle of its yes key.
constexpr int kQuestionPanelX = 212;
constexpr int kQuestionPanelY = 420;
constexpr int kYesKeyX = 512;
constexpr int kYesKeyY = 154 + 320 + 26;
constexpr int kPanelButtonY(int index) { return 154 + 50 + index * 60 + 26; }
constexpr int kBackButtonY = kPanelButtonY(6);
// A spot on a help page's title board, and the purple of its second topic.
constexpr int kBoardX = 512 - 230 + 60;
constexpr int kBoardY = 154 - 30 + 50;
constexpr Rgb kPurple = {0x9b, 0x4f, 0xd0};

// The info page's text box and its arrows (base layout, normal art): the box
// at the panel's left plus 30, 60 below the panel's top, 520 x 330; each
// arrow 60 pixels square right of it, at the box's top and bottom.
constexpr int kTextLeft = 192 + 30;
constexpr int kTextTop = 154 + 60;
constexpr int kTextWidth = 520;
constexpr int kTextBottom = kTextTop + 330;
constexpr int kArrowX = 192 + 566;
// A spot on an arrow's blue disc, left of its white triangle.
constexpr int kArrowDiscX = kArrowX + 8;
constexpr int kUpArrowDiscY = kTextTop + 30;
constexpr int kDownArrowDiscY = kTextBottom - 60 + 30;
constexpr Rgb kArrowBlue = {0x2f, 0x7f, 0xdc};
constexpr Rgb kTextInk = {0x1e, 0x3c, 0x5a};
// The main menu's settings button, and the settings page's music button
// (second on the panel).
constexpr int kSettingsButtonY = ButtonY(kSettings);
constexpr int kMusicButtonY = kPanelButtonY(1);
constexpr int kButtonHalfWidth = 150;
constexpr int kButtonHalfHeight = 22;

// True when the settings' music button looks the same in both pictures.
bool MusicButtonsMatch(Image const& a, Image const& b)
{
    for (int y = kMusicButtonY - kButtonHalfHeight; y < kMusicButtonY + kButtonHalfHeight; ++y)
        for (int x = kButtonX - kButtonHalfWidth; x < kButtonX + kButtonHalfWidth; ++x)
            if (!SameColour(a.Pixel(x, y), b.Pixel(x, y), kTolerance))
                return false;
    return true;
}

// The loudness of the samples SDL's disk driver wrote between two offsets of
// its file (signed 16-bit, little-endian): the root mean square.
double Loudness(std::string const& path, std::uintmax_t from, std::uintmax_t to)
{
    std::ifstream file(path, std::ios::binary);
    file.seekg(static_cast<std::streamoff>(from & ~std::uintmax_t(1)));
    std::vector<char> bytes(static_cast<size_t>(to - from) & ~size_t(1));
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    double sum = 0;
    size_t const count = static_cast<size_t>(file.gcount()) / 2;
    for (size_t i = 0; i < count; ++i) {
        auto const sample = static_cast<std::int16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                                      (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
        sum += double(sample) * sample;
    }
    return count ? std::sqrt(sum / double(count)) : 0.0;
}

// The loudness of the next `seconds` of the game's sound.
double ListenFor(std::string const& path, double seconds)
{
    std::uintmax_t const from = std::filesystem::file_size(path);
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    return Loudness(path, from, std::filesystem::file_size(path));
}

class FrontEndWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        dataHome = OutputPath("quorvel-menu-data-home");
        std::filesystem::remove_all(dataHome);
        std::filesystem::create_directories(dataHome);
    }

    // Waits until the window's picture satisfies the check; the last
    // screenshot stays in `name` for a look.
    bool WaitForShot(std::string const& name, std::function<bool(Image const&)> const& check)
    {
        std::string const path = OutputPath(name);
        Image shot;
        return WaitUntil([&] { return window.Screenshot(path) && shot.Load(path) && check(shot); }, kWaitSeconds);
    }

    // Starts the game in a fresh user folder with the environment given,
    // and waits for the main menu.
    void StartToMainMenu(std::vector<ChildProcess::EnvChange> environment = {{"SDL_AUDIODRIVER", "dummy"}})
    {
        environment.emplace_back("XDG_DATA_HOME", dataHome.c_str());
        ASSERT_TRUE(game.Start({ProgramPath("quorvel"), "-w", std::to_string(kWidth), "-h", std::to_string(kHeight)},
                               environment));
        ASSERT_TRUE(window.Find("^Quorvel$", game.Pid()) && window.WaitForSize(kWidth, kHeight)) << game.Output();
        ASSERT_TRUE(window.Click(kWidth / 2, kHeight / 2));
        ASSERT_TRUE(window.Click(kWidth / 2, kHeight / 2));
        ASSERT_TRUE(WaitForShot("quorvel-menu-main.png", [](Image const& shot) {
            return Shown(shot);
        })) << game.Output();
    }

    std::string dataHome;
    ChildProcess game;
    TestWindow window;
};

TEST_F(FrontEndWindowTest, SplashThenMainMenuThenHelpAndBack)
{
    ASSERT_TRUE(game.Start({ProgramPath("quorvel"), "-w", std::to_string(kWidth), "-h", std::to_string(kHeight)},
                           {{"SDL_AUDIODRIVER", "dummy"}, {"XDG_DATA_HOME", dataHome.c_str()}}));
    ASSERT_TRUE(window.Find("^Quorvel$", game.Pid()) && window.WaitForSize(kWidth, kHeight)) << game.Output();

    EXPECT_TRUE(WaitForShot("quorvel-menu-splash.png",
                            [](Image const& shot) { return shot.RegionIs(0, 0, 60, 60, kSplashBlue, kTolerance); }))
        << game.Output();

    // Each tap skips one logo; the main menu follows the backdrop.
    auto const mainMenuShown = [](Image const& shot) {
        return Shown(shot);
    };
    ASSERT_TRUE(window.Click(kWidth / 2, kHeight / 2));
    ASSERT_TRUE(window.Click(kWidth / 2, kHeight / 2));
    ASSERT_TRUE(WaitForShot("quorvel-menu-main.png", mainMenuShown)) << game.Output();

    ASSERT_TRUE(window.Click(kButtonX, kHelpButtonY));
    auto const helpShown = [](Image const& shot) {
        return shot.RegionIs(kButtonX - 300, 300, 20, 20, kPanel, kTolerance);
    };
    ASSERT_TRUE(WaitForShot("quorvel-menu-help.png", helpShown)) << game.Output();

    // Game help, then its second topic: a page on the purple board.
    ASSERT_TRUE(window.Click(kButtonX, kPanelButtonY(4)));
    ASSERT_TRUE(WaitForShot("quorvel-menu-help-topics.png", helpShown)) << game.Output();
    ASSERT_TRUE(window.Click(kButtonX, kPanelButtonY(1)));
    ASSERT_TRUE(WaitForShot("quorvel-menu-topic.png",
                            [](Image const& shot) { return shot.RegionIs(kBoardX, kBoardY, 4, 4, kPurple, kTolerance); }))
        << game.Output();
    // Escape leaves the page, and back leaves the topics.
    ASSERT_TRUE(window.Key("Escape"));
    ASSERT_TRUE(WaitForShot("quorvel-menu-help-topics.png", [](Image const& shot) {
        return !shot.RegionIs(kBoardX, kBoardY, 4, 4, kPurple, kTolerance);
    })) << game.Output();
    ASSERT_TRUE(window.Click(kButtonX, kBackButtonY));

    ASSERT_TRUE(window.Click(kButtonX, kBackButtonY));
    ASSERT_TRUE(WaitForShot("quorvel-menu-back.png",
                            [&](Image const& shot) { return !helpShown(shot); }))
        << game.Output();

    // The high-score table opens on its panel and Escape closes it.
    ASSERT_TRUE(window.Click(kButtonX, kHighScoresButtonY));
    auto const scoresShown = [](Image const& shot) {
        return shot.RegionIs(kButtonX - 300, 530, 10, 10, kPanel, kTolerance);
    };
    ASSERT_TRUE(WaitForShot("quorvel-menu-scores.png", scoresShown)) << game.Output();
    ASSERT_TRUE(window.Key("Escape"));
    ASSERT_TRUE(WaitForShot("quorvel-menu-back.png", [&](Image const& shot) { return !scoresShown(shot); }))
        << game.Output();

    // The exit question opens over the menu, and yes ends the game.
    ASSERT_TRUE(window.Click(kButtonX, kExitButtonY));
    ASSERT_TRUE(WaitForShot("quorvel-menu-exit-question.png", [](Image const& shot) {
        return shot.RegionIs(kQuestionPanelX, kQuestionPanelY, 10, 10, kPanel, kTolerance);
    })) << game.Output();
    ASSERT_TRUE(window.Click(kYesKeyX, kYesKeyY));
    EXPECT_EQ(game.WaitForExit(kWaitSeconds), 0) << game.Output();
}

// A help text longer than its box: the down arrow says there is more, the
// wheel brings the last line into the box, where the text stops; a drag
// takes it back to the top and the Down key moves it again.
TEST_F(FrontEndWindowTest, HelpTextScrollsToItsLastLine)
{
    ASSERT_NO_FATAL_FAILURE(StartToMainMenu());
    ASSERT_TRUE(window.Click(kButtonX, kHelpButtonY));
    ASSERT_TRUE(window.Click(kButtonX, kPanelButtonY(4)));
    ASSERT_TRUE(window.Click(kButtonX, kPanelButtonY(0)));
    auto const arrowShown = [](Image const& shot, int discY) {
        return shot.RegionIs(kArrowDiscX, discY, 4, 4, kArrowBlue, kTolerance);
    };
    ASSERT_TRUE(WaitForShot("quorvel-help-scroll-top.png", [&](Image const& shot) {
        return arrowShown(shot, kDownArrowDiscY) && !arrowShown(shot, kUpArrowDiscY);
    })) << game.Output();

    constexpr int kNotches = 30;
    for (int notch = 0; notch < kNotches; ++notch)
        ASSERT_TRUE(window.Click(kWidth / 2, kTextTop + 100, 5));
    auto const atTheEnd = [&](Image const& shot) {
        return arrowShown(shot, kUpArrowDiscY) && !arrowShown(shot, kDownArrowDiscY);
    };
    ASSERT_TRUE(WaitForShot("quorvel-help-scroll-end.png", atTheEnd)) << game.Output();
    // The last line sits at the bottom of the box: ink in its band, and one
    // more notch changes nothing.
    Image end;
    ASSERT_TRUE(end.Load(OutputPath("quorvel-help-scroll-end.png")));
    bool inked = false;
    for (int y = kTextBottom - 30; y < kTextBottom && !inked; ++y)
        for (int x = kTextLeft; x < kTextLeft + kTextWidth && !inked; ++x)
            inked = end.RegionIs(x, y, 1, 1, kTextInk, 40);
    EXPECT_TRUE(inked);
    ASSERT_TRUE(window.Click(kWidth / 2, kTextTop + 100, 5));
    EXPECT_TRUE(WaitForShot("quorvel-help-scroll-after.png", [&](Image const& shot) { return shot.Matches(end, 0); }));

    // Dragging the text down takes it back to the top.
    ASSERT_TRUE(window.MouseMove(kWidth / 2, kTextTop + 20));
    ASSERT_TRUE(window.MouseDown(1));
    for (int y = kTextTop + 40; y <= kTextBottom - 10; y += 40)
        ASSERT_TRUE(window.MouseMove(kWidth / 2, y));
    ASSERT_TRUE(window.MouseMove(kWidth / 2, kHeight - 10));
    ASSERT_TRUE(window.MouseUp(1));
    ASSERT_TRUE(WaitForShot("quorvel-help-scroll-dragged.png", [&](Image const& shot) {
        return !arrowShown(shot, kUpArrowDiscY) && arrowShown(shot, kDownArrowDiscY);
    })) << game.Output();

    ASSERT_TRUE(window.Key("Down"));
    EXPECT_TRUE(WaitForShot("quorvel-help-scroll-key.png",
                            [&](Image const& shot) { return arrowShown(shot, kUpArrowDiscY); }))
        << game.Output();
}

// Without a program to open web pages, following the licence link tells the
// player so; OK returns to the menu and the game goes on.
TEST_F(FrontEndWindowTest, LinkWithoutABrowserSaysSo)
{
    // The message's OK key, where the yes/no page puts it.
    constexpr int kOkY = 154 + 390 + 26;
    ASSERT_NO_FATAL_FAILURE(StartToMainMenu({{"SDL_AUDIODRIVER", "dummy"}, {"PATH", "/nonexistent"}}));
    ASSERT_TRUE(window.Click(kButtonX, kHelpButtonY));
    ASSERT_TRUE(window.Click(kButtonX, kPanelButtonY(1)));
    // Both questions answered yes.
    ASSERT_TRUE(window.Click(kYesKeyX, kYesKeyY));
    ASSERT_TRUE(window.Click(kYesKeyX, kYesKeyY));
    ASSERT_TRUE(WaitForShot("quorvel-no-browser.png", [](Image const& shot) {
        return shot.RegionIs(kYesKeyX - 100, kOkY + 8, 40, 6, kButtonOrange, 40);
    })) << game.Output();
    EXPECT_NE(game.Output().find("Could not start xdg-open"), std::string::npos) << game.Output();
    ASSERT_TRUE(window.Click(kYesKeyX, kOkY));
    EXPECT_TRUE(WaitForShot("quorvel-no-browser-closed.png", [](Image const& shot) {
        return !shot.RegionIs(kYesKeyX - 100, kOkY + 8, 40, 6, kButtonOrange, 40);
    })) << game.Output();
    EXPECT_TRUE(game.IsRunning());
}

// The backdrop keeps its shape in a wide window: the main menu's sun is as
// tall as it is wide (its extent in the screenshot, within 2 %).
TEST_F(FrontEndWindowTest, WideWindowKeepsTheSunRound)
{
    constexpr int kWideWidth = 1920;
    constexpr int kWideHeight = 1080;
    constexpr Rgb kSunYellow = {0xff, 0xd8, 0x4a};
    constexpr int kSunTolerance = 12;
    ASSERT_TRUE(game.Start({ProgramPath("quorvel"), "-w", std::to_string(kWideWidth), "-h",
                            std::to_string(kWideHeight)},
                           {{"SDL_AUDIODRIVER", "dummy"}, {"XDG_DATA_HOME", dataHome.c_str()}}));
    ASSERT_TRUE(window.Find("^Quorvel$", game.Pid()) && window.WaitForSize(kWideWidth, kWideHeight)) << game.Output();
    ASSERT_TRUE(window.Click(kWideWidth / 2, kWideHeight / 2));
    ASSERT_TRUE(window.Click(kWideWidth / 2, kWideHeight / 2));
    // A spot in the logo badge (large art, right of its name) marks the main menu.
    constexpr int kWideBadgeX = 1250;
    constexpr int kWideBadgeY = 200;
    ASSERT_TRUE(WaitForShot("quorvel-menu-wide.png", [](Image const& shot) {
        return shot.RegionIs(kWideBadgeX, kWideBadgeY, 4, 4, kLogoOrange, kTolerance);
    })) << game.Output();

    Image shot;
    ASSERT_TRUE(shot.Load(OutputPath("quorvel-menu-wide.png")));
    int left = kWideWidth, right = -1, top = kWideHeight, bottom = -1;
    for (int y = 0; y < kWideHeight; ++y) {
        for (int x = kWideWidth / 2; x < kWideWidth; ++x) {
            if (SameColour(shot.Pixel(x, y), kSunYellow, kSunTolerance)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    ASSERT_GT(right, left) << "no sun found";
    double const width = right - left + 1;
    double const height = bottom - top + 1;
    EXPECT_NEAR(width / height, 1.0, 0.02) << width << " x " << height;
}

// In a window far below the smallest supported size the message and its OK
// key fit inside the window, and OK ends the game.
TEST_F(FrontEndWindowTest, TooSmallMessageFitsATinyWindow)
{
    constexpr int kTinyWidth = 320;
    constexpr int kTinyHeight = 200;
    // The OK key's middle: a button's height above the bottom, centred.
    constexpr int kOkX = kTinyWidth / 2;
    constexpr int kOkY = kTinyHeight - 62 + 26;
    ASSERT_TRUE(game.Start({ProgramPath("quorvel"), "-w", std::to_string(kTinyWidth), "-h",
                            std::to_string(kTinyHeight)},
                           {{"SDL_AUDIODRIVER", "dummy"}, {"XDG_DATA_HOME", dataHome.c_str()}}));
    ASSERT_TRUE(window.Find("^Quorvel$", game.Pid()) && window.WaitForSize(kTinyWidth, kTinyHeight)) << game.Output();
    ASSERT_TRUE(WaitForShot("quorvel-too-small.png", [](Image const& shot) {
        return shot.RegionIs(kOkX - 100, kOkY + 6, 40, 6, kButtonOrange, 40) &&
               shot.RegionIs(0, 80, 10, 10, kPanel, kTolerance);
    })) << game.Output();
    // The message's text is drawn in the window, above the key.
    Image shot;
    ASSERT_TRUE(shot.Load(OutputPath("quorvel-too-small.png")));
    EXPECT_FALSE(shot.RegionIs(8, 8, kTinyWidth - 16, 40, kPanel, kTolerance));
    ASSERT_TRUE(window.Click(kOkX, kOkY));
    EXPECT_EQ(game.WaitForExit(kWaitSeconds), 0) << game.Output();
}

// The music volume set in the settings is heard at once, kept in
// registry.xml, and shown again after a restart.
TEST_F(FrontEndWindowTest, MusicVolumeIsHeardAtOnceAndKeptAcrossARestart)
{
    std::string const audio = OutputPath("quorvel-settings-sound.raw");
    // A pause per buffer keeps the disk driver's file near real time (without
    // one SDL writes as fast as it can mix).
    ASSERT_NO_FATAL_FAILURE(StartToMainMenu(
        {{"SDL_AUDIODRIVER", "disk"}, {"SDL_DISKAUDIOFILE", audio.c_str()}, {"SDL_DISKAUDIODELAY", "20"}}));
    ASSERT_TRUE(window.Click(kButtonX, kSettingsButtonY));
    auto const settingsShown = [](Image const& shot) {
        return shot.RegionIs(kButtonX - 300, 500, 10, 10, kPanel, kTolerance);
    };
    ASSERT_TRUE(WaitForShot("quorvel-settings-before.png", settingsShown)) << game.Output();
    Image before;
    ASSERT_TRUE(before.Load(OutputPath("quorvel-settings-before.png")));
    double const loud = ListenFor(audio, 1.0);

    // From full, one press turns the music off.
    ASSERT_TRUE(window.Click(kButtonX, kMusicButtonY));
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    double const quiet = ListenFor(audio, 1.0);
    // The music ships with the sound data; without it both are silence.
    if (loud > 0.0) {
        EXPECT_LT(quiet, loud / 4) << "music " << loud << " then " << quiet;
    }
    ASSERT_TRUE(WaitForShot("quorvel-settings-after.png", [&](Image const& shot) {
        return settingsShown(shot) && !shot.Matches(before, kTolerance);
    })) << game.Output();
    Image changed;
    ASSERT_TRUE(changed.Load(OutputPath("quorvel-settings-after.png")));

    // Back, exit, yes: the settings are written on the way out.
    ASSERT_TRUE(window.Key("Escape"));
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    ASSERT_TRUE(window.Click(kButtonX, kExitButtonY));
    std::this_thread::sleep_for(std::chrono::milliseconds(800));
    ASSERT_TRUE(window.Click(kYesKeyX, kYesKeyY));
    ASSERT_EQ(game.WaitForExit(kWaitSeconds), 0) << game.Output();
    std::filesystem::remove(audio);
    std::ifstream registry(dataHome + "/Quorvel/registry.xml");
    std::stringstream saved;
    saved << registry.rdbuf();
    EXPECT_NE(saved.str().find("<key name=\"MusicVolume\" type=\"int\">0</key>"), std::string::npos) << saved.str();

    // After a restart the music button reads as it was left.
    ASSERT_NO_FATAL_FAILURE(StartToMainMenu());
    ASSERT_TRUE(window.Click(kButtonX, kSettingsButtonY));
    EXPECT_TRUE(WaitForShot("quorvel-settings-restarted.png", [&](Image const& shot) {
        return settingsShown(shot) && MusicButtonsMatch(shot, changed);
    })) << game.Output();
}

} // namespace
