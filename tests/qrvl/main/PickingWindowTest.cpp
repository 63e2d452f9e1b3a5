// A click on the board while the person looks round picks what lies under
// it: a space shows its own name on the HUD bar and the marker's glow above
// it; the grass answers with its sound.
#include "tests/qrvl/main/GameWindowFixture.h"

#include "tests/harness/ExternalTool.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

using namespace GameWindow;
using NorvTest::Image;
using NorvTest::OutputPath;

// The plates of two kinds of space as drawn on the board: the Share the
// Wealth pink (the first plate the road passes), and plain orange.
constexpr Rgb kOrangePlate = {0xf4, 0xa6, 0x2b};
// The board shows between the keys at the top and the bars at the bottom.
constexpr int kBoardTop = 90;
constexpr int kBoardBottom = 590;
// The HUD bar's white message box, left of its text, and the box's inside.
constexpr int kMessageBoxX = 308, kMessageBoxY = 682;
constexpr int kMessageLeft = 330, kMessageTop = 660, kMessageWidth = 240, kMessageHeight = 50;
// The zoom-in key that comes with looking round.
constexpr int kZoomInX = kWidth - 50 - 20, kZoomInY = 150 - 10;
constexpr Rgb kZoomGreen = {0x4c, 0xc2, 0x7a};
// Longer than the HUD bar's slide.
constexpr std::chrono::milliseconds kBarSlide{700};
// Longer than the camera's glide into looking round.
constexpr std::chrono::seconds kCameraGlide{3};
// Around a plate's middle, where the marker's glow shows.
constexpr int kMarkerReach = 12;

using PickingWindowTest = GameWindowFixture;

struct Spot {
    int x = -1;
    int y = -1;
    bool Found() const { return x >= 0; }
};

// The middle of the largest patch of the colour on the board: a plate, not
// a falling leaf of a similar colour.
Spot LargestPatch(Image const& shot, Rgb colour)
{
    int const height = kBoardBottom - kBoardTop;
    std::vector<int> seen(static_cast<size_t>(kWidth * height), 0);
    auto matches = [&](int x, int y) { return NorvTest::SameColour(shot.Pixel(x, y), colour, kBoardTolerance); };
    Spot best;
    size_t bestSize = 0;
    for (int y0 = kBoardTop; y0 < kBoardBottom; ++y0) {
        for (int x0 = 0; x0 < kWidth; ++x0) {
            int const at0 = (y0 - kBoardTop) * kWidth + x0;
            if (seen[at0] || !matches(x0, y0))
                continue;
            std::vector<std::pair<int, int>> patch{{x0, y0}};
            seen[at0] = 1;
            long sumX = 0, sumY = 0;
            for (size_t i = 0; i < patch.size(); ++i) {
                auto const [x, y] = patch[i];
                sumX += x;
                sumY += y;
                for (auto const& [nx, ny] : {std::pair{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}}) {
                    if (nx < 0 || nx >= kWidth || ny < kBoardTop || ny >= kBoardBottom)
                        continue;
                    int const at = (ny - kBoardTop) * kWidth + nx;
                    if (!seen[at] && matches(nx, ny)) {
                        seen[at] = 1;
                        patch.emplace_back(nx, ny);
                    }
                }
            }
            if (patch.size() > bestSize) {
                bestSize = patch.size();
                best = {static_cast<int>(sumX / static_cast<long>(patch.size())),
                        static_cast<int>(sumY / static_cast<long>(patch.size()))};
            }
        }
    }
    return best;
}

bool HudBarMessageShown(Image const& shot)
{
    return shot.RegionIs(kMessageBoxX, kMessageBoxY, 4, 4, {0xff, 0xff, 0xff}, kTolerance);
}

// The message's letters, as a picture to tell two messages apart.
std::vector<bool> MessageInk(Image const& shot)
{
    std::vector<bool> ink;
    for (int y = kMessageTop; y < kMessageTop + kMessageHeight; ++y)
        for (int x = kMessageLeft; x < kMessageLeft + kMessageWidth; ++x)
            ink.push_back(!NorvTest::SameColour(shot.Pixel(x, y), {0xff, 0xff, 0xff}, 60));
    return ink;
}

bool SameAround(Image const& a, Image const& b, Spot spot)
{
    for (int y = spot.y - kMarkerReach; y <= spot.y + kMarkerReach; ++y)
        for (int x = spot.x - kMarkerReach; x <= spot.x + kMarkerReach; ++x)
            if (!NorvTest::SameColour(a.Pixel(x, y), b.Pixel(x, y), kTolerance))
                return false;
    return true;
}

TEST_F(PickingWindowTest, ASpaceShowsItsNameAndTheMarkerAndTheGrassItsSound)
{
    SKIP_LONG_PLAY_IN_SANITIZER_BUILD();
    StartRecordingToMainMenu();
    SetUpNewGame();
    ASSERT_TRUE(WaitForHud("quorvel-pick-start.png", PersonsHudShown)) << game.Output();

    // The tap-to-play bar gives way to the HUD bar, whose explore button
    // lets the person look round the board.
    ASSERT_TRUE(TapUntil(kBarX, kBarY, "quorvel-pick-hud-bar.png", HudBarMessageShown)) << game.Output();
    Image hudBar;
    ASSERT_TRUE(hudBar.Load(OutputPath("quorvel-pick-hud-bar.png")));
    std::vector<bool> const turnMessage = MessageInk(hudBar);
    // One press once the bar has come to rest: a second would leave again.
    std::this_thread::sleep_for(kBarSlide);
    ASSERT_TRUE(window.Click(kExploreX, kExploreY));
    ASSERT_TRUE(WaitForShot("quorvel-pick-explore.png", [](Image const& shot) {
        return shot.RegionIs(kZoomInX, kZoomInY, 4, 4, kZoomGreen, kTolerance);
    })) << game.Output();
    // The camera glides from the wheel to where it looks round from.
    std::this_thread::sleep_for(kCameraGlide);
    std::string const boardShot = OutputPath("quorvel-pick-explore.png");
    Image board;
    ASSERT_TRUE(window.Screenshot(boardShot) && board.Load(boardShot));

    // A space: its name on the HUD bar, and the glow over its plate as long
    // as the name shows.
    Spot const pink = LargestPatch(board, kSharePink);
    ASSERT_TRUE(pink.Found()) << "no pink plate in " << boardShot;
    // A tap while the bars slide may be lost: tap until the name shows.
    Image picked;
    ASSERT_TRUE(TapUntil(pink.x, pink.y, "quorvel-pick-pink.png", [&](Image const& shot) {
        picked = shot;
        return HudBarMessageShown(shot) && MessageInk(shot) != turnMessage;
    })) << "the HUD bar does not show the space's name";
    std::vector<bool> const pinkName = MessageInk(picked);
    EXPECT_FALSE(SameAround(picked, board, pink)) << "no marker over the plate";

    // A space of another kind shows a name of its own.
    Spot const orange = LargestPatch(board, kOrangePlate);
    ASSERT_TRUE(orange.Found()) << "no orange plate in " << boardShot;
    ASSERT_TRUE(TapUntil(orange.x, orange.y, "quorvel-pick-orange.png", [&](Image const& shot) {
        return HudBarMessageShown(shot) && MessageInk(shot) != pinkName;
    })) << "the HUD bar does not show the second space's name";

    // The grass: its sound plays.
    Spot const grass = LargestPatch(board, kGrass);
    ASSERT_TRUE(grass.Found());
    long const clickedAt = static_cast<long>(RecordedBytes() / 4);
    ASSERT_TRUE(window.Click(grass.x, grass.y));
    std::uintmax_t const until = RecordedBytes() + 2 * 44100 * 4;
    ASSERT_TRUE(NorvTest::WaitUntil([&] { return RecordedBytes() >= until; }, kWaitSeconds));
    game.Stop();
    EXPECT_GE(FindRecordedSound("bi_grass_tapped.wav", clickedAt), clickedAt) << "no footstep in the grass heard";
}

} // namespace
