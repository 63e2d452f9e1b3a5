// Where the main menu of the base layout (1024 x 768, normal art) shows
// what the window tests look for and click: a spot in its logo badge, and
// its column of buttons.
#pragma once

#include "tests/harness/Image.h"

namespace MainMenuSpots {

// A spot inside the logo badge, right of its name.
constexpr int kLogoBadgeX = 252 + 478;
constexpr int kLogoBadgeY = 24 + 60;
constexpr NorvTest::Rgb kLogoOrange = {0xff, 0xb5, 0x2e};
constexpr int kBadgeTolerance = 6;
// The sunny orange of a button at rest (Continue shows it once a saved
// game can be continued).
constexpr NorvTest::Rgb kButtonOrange = {0xff, 0xb5, 0x2e};

// The column of buttons, from the top.
enum Button { kNewGame, kContinue, kPassAndPlay, kHighScores, kSettings, kHelp, kExit };
constexpr int kButtonX = 512;
constexpr int ButtonY(Button button)
{
    return 220 + button * 66 + 26;
}

inline bool Shown(NorvTest::Image const& shot)
{
    return shot.RegionIs(kLogoBadgeX, kLogoBadgeY, 4, 4, kLogoOrange, kBadgeTolerance);
}

} // namespace MainMenuSpots
