// The map of the board in a real game: the HUD bar's explore button looks
// round the board, pressed again it opens the map; a tap on the map looks
// down on that place, and Escape closes the map leaving the view as it was.
#include "tests/qrvl/main/GameWindowFixture.h"
#include "tests/harness/ExternalTool.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

namespace {

using namespace GameWindow;
using NorvTest::Image;
using NorvTest::OutputPath;
using NorvTest::WaitUntil;

// The HUD bar's explore button (its green left of the folded map on it),
// which opens the map once the board is being looked round.
constexpr int kExploreX = 744 + 34;
constexpr int kExploreY = 650 + 34;
constexpr int kExploreGreenX = 744 + 10;
constexpr Rgb kExploreGreen = {0x4c, 0xc2, 0x7a};
// The map picture (900 x 600, its top left at 62, 104) shows the lake in
// the north east, round the map point (818, 68).
constexpr int kMapLakeX = 62 + 818;
constexpr int kMapLakeY = 104 + 68;
constexpr Rgb kMapLake = {0x4a, 0x9f, 0xd0};
// Time for the game to take a press, and for one bar to slide off and the
// other on (500 ms each).
constexpr std::chrono::milliseconds kPressSettles{700};
constexpr std::chrono::milliseconds kBarsChange{1300};

class MapWindowTest : public GameWindowFixture {
protected:
    static bool ExploreButtonShown(Image const& shot)
    {
        return shot.RegionIs(kExploreGreenX, kExploreY, 3, 3, kExploreGreen, kTolerance);
    }
    static bool MapShown(Image const& shot) { return shot.RegionIs(kMapLakeX, kMapLakeY, 6, 6, kMapLake, kTolerance); }
    // Water seen from above, whatever its shading: blue well above red and
    // above green, unlike grass, sand, snow or the road.
    static bool WaterAtCentre(Image const& shot)
    {
        for (int dy = -4; dy <= 4; dy += 4)
            for (int dx = -4; dx <= 4; dx += 4) {
                Rgb const p = shot.Pixel(kWidth / 2 + dx, kHeight / 2 + dy);
                if (!(p.blue > p.red + 60 && p.blue > p.green + 10))
                    return false;
            }
        return true;
    }

    // Brings the HUD bar with a tap on the bar that starts a turn (in free
    // look the HUD bar gives way to it after a few seconds), then presses
    // its explore button: once to look round the board, and in free look
    // once more for the map. Each press waits for what it leads to, so that
    // none lands on the map itself.
    bool OpenMap(std::string const& name)
    {
        std::string const path = OutputPath(name);
        Image shot;
        return WaitUntil(
            [&] {
                if (!window.Screenshot(path) || !shot.Load(path))
                    return false;
                if (MapShown(shot))
                    return true;
                // A bar still sliding is left to arrive. The HUD bar stays
                // only a few seconds in free look, so its button is pressed
                // as soon as it has slid on, not after another screenshot.
                if (ExploreButtonShown(shot)) {
                    window.Click(kExploreX, kExploreY);
                } else if (PersonsHudShown(shot)) {
                    window.Click(kBarX, kBarY);
                    std::this_thread::sleep_for(kBarsChange);
                    window.Click(kExploreX, kExploreY);
                } else {
                    return false;
                }
                std::this_thread::sleep_for(kPressSettles);
                return false;
            },
            kHudSeconds);
    }
};

TEST_F(MapWindowTest, TheMapOpensFromFreeLookAndATapLooksAtThatPlace)
{
    SKIP_LONG_PLAY_IN_SANITIZER_BUILD();
    StartToMainMenu();
    SetUpNewGame();
    ASSERT_TRUE(WaitForHud("quorvel-map-hud.png", PersonsHudShown)) << game.Output();
    ASSERT_TRUE(OpenMap("quorvel-map-open.png")) << game.Output();

    // A tap on the lake closes the map and looks down on the lake, with a
    // bar at the bottom again.
    ASSERT_TRUE(window.Click(kMapLakeX, kMapLakeY));
    ASSERT_TRUE(WaitForShot("quorvel-map-lake.png", [](Image const& shot) {
        return PersonsHudShown(shot) && !MapShown(shot) && WaterAtCentre(shot);
    })) << game.Output();
    // Escape closes the map again and leaves the view where it was.
    ASSERT_TRUE(OpenMap("quorvel-map-again.png")) << game.Output();
    ASSERT_TRUE(window.Key("Escape"));
    ASSERT_TRUE(WaitForShot("quorvel-map-escaped.png", [](Image const& shot) {
        return PersonsHudShown(shot) && !MapShown(shot) && WaterAtCentre(shot);
    })) << game.Output();
    Quit();
}

} // namespace
