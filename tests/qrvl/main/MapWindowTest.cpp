// The map of the board in a real game: the HUD bar's explore button looks
// round the board, pressed again it opens the map; a tap on the map looks
// down on that place, and Escape closes the map leaving the view as it was.
#include "tests/qrvl/main/GameWindowFixture.h"
#include "tests/harness/ExternalTool.h"

#include <gtest/gtest.h>

namespace {

using namespace GameWindow;
using NorvTest::Image;

using MapWindowTest = GameWindowFixture;

// The lake in the north east of the map picture.
constexpr int kMapLakeX = kMapX + 818;
constexpr int kMapLakeY = kMapY + 68;

// Water seen from above, whatever its shading: blue well above red and
// above green, unlike grass, sand, snow or the road.
bool WaterAtCentre(Image const& shot)
{
    for (int dy = -4; dy <= 4; dy += 4)
        for (int dx = -4; dx <= 4; dx += 4) {
            Rgb const p = shot.Pixel(kWidth / 2 + dx, kHeight / 2 + dy);
            if (!(p.blue > p.red + 60 && p.blue > p.green + 10))
                return false;
        }
    return true;
}

TEST_F(MapWindowTest, TheMapOpensFromFreeLookAndATapLooksAtThatPlace)
{
    SKIP_LONG_PLAY_IN_SANITIZER_BUILD();
    StartToMainMenu();
    SetUpNewGame();
    ASSERT_TRUE(WaitForHud("quorvel-map-hud.png", PersonsHudShown)) << game.Output();
    ASSERT_TRUE(OpenMap("quorvel-map-open.png")) << game.Output();

    // A tap on the lake closes the map and looks down on the lake, with a
    // bar at the bottom again. That is the HUD bar for a few seconds, whose
    // explore button opens the map again from there; the frames come
    // straight from the X server to catch it.
    ASSERT_TRUE(window.Click(kMapLakeX, kMapLakeY));
    ASSERT_TRUE(WaitForFrame("quorvel-map-lake.png", [](Image const& shot) {
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
