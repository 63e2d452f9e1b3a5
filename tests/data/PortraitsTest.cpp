// Every driver's portrait stands out on the tab of every car colour: the
// shirt, the largest patch of colour at the bottom of the portrait, is far
// from the tab's own colour at both asset sizes.
#include "tests/harness/Image.h"

#include "qrvl/original/rules/PlayerEnums.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using NorvTest::Image;
using NorvTest::Rgb;

struct AssetSize {
    char const* folder;
    double scale; // large art is 1.4 times normal
};
AssetSize const kSizes[] = {{"normal", 1.0}, {"large", 1.4}};

// At normal size: the middle of the shirt, and a spot inside a tab
// background clear of its white rim and highlight.
constexpr int kShirtX = 56, kShirtY = 122;
constexpr int kTabX = 56, kTabY = 100;
// Colours closer than this (as RGB distance) run together at a glance.
constexpr double kDistinct = 80.0;

// The staged picture of a "menu/gfx/<name>.png@linear" asset name.
std::string Staged(char const* folder, char const* asset)
{
    std::string path = asset;
    path = path.substr(0, path.find('@'));
    return std::string(QUORVEL_ASSETS_DIR) + "/" + folder + "/" + path;
}

double Distance(Rgb a, Rgb b)
{
    return std::hypot(a.red - b.red, a.green - b.green, a.blue - b.blue);
}

Rgb At(Image const& image, int x, int y, double scale)
{
    return image.Pixel(static_cast<int>(x * scale), static_cast<int>(y * scale));
}

TEST(PortraitsTest, NoShirtRunsIntoTheTabOfACarColour)
{
    for (AssetSize const& size : kSizes) {
        for (char const* portrait : PlayerEnums::g_PlayerTabs) {
            Image face;
            ASSERT_TRUE(face.Load(Staged(size.folder, portrait))) << portrait;
            Rgb const shirt = At(face, kShirtX, kShirtY, size.scale);
            for (char const* tab : ColourEnums::g_ColourTabs) {
                Image background;
                ASSERT_TRUE(background.Load(Staged(size.folder, tab))) << tab;
                EXPECT_GT(Distance(shirt, At(background, kTabX, kTabY, size.scale)), kDistinct)
                    << portrait << " on " << tab << " at " << size.folder << " size";
            }
        }
    }
}

} // namespace
