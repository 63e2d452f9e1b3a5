// Six players' cars on the 3D board of a real game, with shaders and as
// "--no-shaders" draws it: a saved game whose six cars stand together is
// continued from the main menu.
#include "tests/qrvl/main/GameWindowFixture.h"
#include "tests/qrvl/main/SixCarGame.h"

#include "tests/harness/ExternalTool.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

using namespace GameWindow;
using NorvTest::Image;
using NorvTest::OutputPath;
using NorvTest::Rgb;

constexpr unsigned kSixCarSeed = 21;
// The cars' six body colours and the pegs' two, as the props paint them.
constexpr std::uint32_t kBodies[] = {0xe8313b, 0xf7901e, 0x2f7fe0, 0x2ecc40, 0xffd23f, 0x9b4fd6};
constexpr std::uint32_t kPegs[] = {0xff6fb5, 0x3d8cff};
constexpr std::uint32_t kBlueBody = 0x2f7fe0;
// A colour is taken for a paint when it points the same way as the paint
// (shading changes its length, not its direction) this closely; a peg's
// pink more closely, apart from the pink plate of the road.
constexpr double kSamePaint = 0.998;
constexpr double kSamePegPaint = 0.9985;
// The black of the seat holes and tyres, and how near it a car's paint
// lies: the plates of the road have the cars' colours too, but no black.
constexpr int kBlack = 45;
constexpr int kNearBlack = 8;
// Below this, the HUD bar.
constexpr int kBoardBottom = 640;
// What one car shows at the start view's zoom: paint round its holes and
// tyres, and its pegs' colour.
constexpr int kBodyPixels = 200;
constexpr int kPegPixels = 4;

// A paint's colour as a direction.
struct Paint {
    double r, g, b;
    explicit Paint(std::uint32_t rgb)
    {
        double const rr = rgb >> 16, gg = (rgb >> 8) & 0xff, bb = rgb & 0xff;
        double const length = std::sqrt(rr * rr + gg * gg + bb * bb);
        r = rr / length, g = gg / length, b = bb / length;
    }
    Rgb Pixel() const { return {int(r * 255.0), int(g * 255.0), int(b * 255.0)}; }
    bool Shows(Rgb const& c, double closeness) const
    {
        double const length = std::sqrt(double(c.red * c.red + c.green * c.green + c.blue * c.blue));
        return length > 60.0 && (c.red * r + c.green * g + c.blue * b) / length > closeness;
    }
};

// Pixels of the board (above the HUD bar) within `reach` of holes and tyres.
std::vector<char> NearBlack(Image const& shot, int reach)
{
    int const w = shot.Width();
    std::vector<char> black(size_t(w) * kBoardBottom), near(black.size());
    for (int y = 0; y < kBoardBottom; ++y)
        for (int x = 0; x < w; ++x) {
            Rgb const c = shot.Pixel(x, y);
            black[size_t(y) * w + x] = std::max({c.red, c.green, c.blue}) < kBlack;
        }
    for (int y = 0; y < kBoardBottom; ++y)
        for (int x = 0; x < w; ++x)
            for (int dy = -reach; dy <= reach && !near[size_t(y) * w + x]; ++dy)
                for (int dx = -reach; dx <= reach; ++dx) {
                    int const xx = x + dx, yy = y + dy;
                    if (xx >= 0 && yy >= 0 && xx < w && yy < kBoardBottom && black[size_t(yy) * w + xx]) {
                        near[size_t(y) * w + x] = 1;
                        break;
                    }
                }
    return near;
}

struct Box {
    int left = 0, top = 0, right = -1, bottom = -1;
    int pixels = 0;
};

// The largest patch of the paint round holes and tyres: one car's body.
Box LargestBody(Image const& shot, std::vector<char> const& nearBlack, Paint const& paint)
{
    int const w = shot.Width();
    std::vector<char> seen(nearBlack.size());
    Box largest;
    for (int start = 0; start < int(seen.size()); ++start) {
        if (seen[size_t(start)] || !nearBlack[size_t(start)]
            || !paint.Shows(shot.Pixel(start % w, start / w), kSamePaint))
            continue;
        Box box{start % w, start / w, start % w, start / w, 0};
        std::vector<int> open{start};
        seen[size_t(start)] = 1;
        while (!open.empty()) {
            int const at = open.back();
            open.pop_back();
            int const x = at % w, y = at / w;
            ++box.pixels;
            box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y),
                   box.pixels};
            for (int const next : {at - 1, at + 1, at - w, at + w}) {
                if (next < 0 || next >= int(seen.size()) || seen[size_t(next)] || std::abs(next % w - x) > 1
                    || !nearBlack[size_t(next)] || !paint.Shows(shot.Pixel(next % w, next / w), kSamePaint))
                    continue;
                seen[size_t(next)] = 1;
                open.push_back(next);
            }
        }
        if (box.pixels > largest.pixels)
            largest = box;
    }
    return largest;
}

// The pixels of the peg's colour within the car's box.
int PegPixels(Image const& shot, Box const& box, Paint const& peg)
{
    int pegs = 0;
    for (int y = box.top; y <= box.bottom; ++y)
        for (int x = box.left; x <= box.right; ++x)
            pegs += peg.Shows(shot.Pixel(x, y), kSamePegPaint);
    return pegs;
}

// Six cars, each of its own colour, apart from each other, with their
// pegs. A blue peg in the blue car has the car's own hue, so in that car
// only a pink one would be told apart.
void ExpectSixCars(Image const& shot)
{
    std::vector<char> const nearBlack = NearBlack(shot, kNearBlack);
    std::vector<Box> cars;
    for (std::uint32_t const body : kBodies) {
        Box const car = LargestBody(shot, nearBlack, Paint(body));
        EXPECT_GE(car.pixels, kBodyPixels) << "no car of colour " << std::hex << body;
        int pegs = 0;
        for (std::uint32_t const peg : kPegs)
            if (!Paint(body).Shows(Paint(peg).Pixel(), kSamePaint))
                pegs += PegPixels(shot, car, Paint(peg));
        if (body != kBlueBody) {
            EXPECT_GE(pegs, kPegPixels) << "no peg in the car of colour " << std::hex << body;
        }
        for (Box const& other : cars)
            EXPECT_TRUE(car.right < other.left || other.right < car.left || car.bottom < other.top
                        || other.bottom < car.top)
                << "two colours on one car: " << std::hex << body;
        cars.push_back(car);
    }
}

class SixCarsWindowTest : public GameWindowFixture, public testing::WithParamInterface<bool> {
protected:
    std::vector<std::string> DrawingPath() const
    {
        return GetParam() ? std::vector<std::string>{"--no-shaders"} : std::vector<std::string>{};
    }

    std::string ShotName(char const* name) const { return std::string(GetParam() ? "fixed-" : "shaders-") + name; }
};

TEST_P(SixCarsWindowTest, SixCarsShowTheirPlayersColoursWithTheirPegs)
{
    ASSERT_TRUE(WriteSixCarGame(dataHome, kSixCarSeed));
    StartToMainMenu(nullptr, {}, DrawingPath());
    std::this_thread::sleep_for(kPageChange * 2);
    ASSERT_TRUE(window.Click(kButtonX, kContinueY));
    ASSERT_TRUE(WaitForShot(
        ShotName("quorvel-six-cars.png"), [](Image const& shot) { return WaitingToSpin(shot); }, kHudSeconds))
        << game.Output();
    // A fresh look once the camera has surely settled on the wheel.
    std::this_thread::sleep_for(kSlideIn * 2);
    Image shot;
    ASSERT_TRUE(window.Screenshot(OutputPath(ShotName("quorvel-six-cars.png"))));
    ASSERT_TRUE(shot.Load(OutputPath(ShotName("quorvel-six-cars.png"))));
    ExpectSixCars(shot);
    Quit();
}

INSTANTIATE_TEST_SUITE_P(DrawingPaths, SixCarsWindowTest, testing::Values(false, true),
                         [](testing::TestParamInfo<bool> const& info) {
                             return info.param ? "FixedFunction" : "Shaders";
                         });

} // namespace
