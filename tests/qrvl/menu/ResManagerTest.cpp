// The choice of base size, offsets and packs by window size.
#include "qrvl/menu/screens/ResManager.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
    int width, height;
    int index;
    int baseWidth, baseHeight;
    int offsetX, offsetY;
    int assetSize;
    char const* bkgPak;
};

TEST(ResManagerTest, ChoosesTheClosestFittingSize)
{
    Case const cases[] = {
        {1024, 768, 0, 1024, 768, 0, 0, 0, "bkg-1024x768.pak"},
        // Rows 6 and 7 both fit; the smaller sum of margins wins.
        {1920, 1200, 7, 1920, 1080, 0, 60, 1, "bkg-1920x1080.pak"},
        {1440, 900, 4, 1366, 768, 37, 66, 0, "bkg-1366x768.pak"},
        {1680, 1050, 5, 1600, 900, 40, 75, 0, "bkg-1600x900.pak"},
        {1280, 800, 0, 1024, 768, 128, 16, 0, "bkg-1024x768.pak"},
        {1367, 768, 4, 1366, 768, 0, 0, 0, "bkg-1366x768.pak"},
        {1600, 1200, 6, 1600, 1200, 0, 0, 1, "bkg-1600x1200.pak"},
        // Too small for every size: the fallback row still names packs.
        {1000, 700, 8, 1000, 700, 0, 0, 0, "bkg-1024x768.pak"},
        {1100, 700, 8, 1024, 700, 0, 0, 0, "bkg-1024x768.pak"},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        qrvl::ResManager layout;
        layout.Init(c.width, c.height);
        EXPECT_EQ(layout.GetResolutionIndex(), c.index);
        EXPECT_EQ(layout.IsResolutionSupported(), c.index != 8);
        EXPECT_EQ(layout.GetBaseWidth(), c.baseWidth);
        EXPECT_EQ(layout.GetBaseHeight(), c.baseHeight);
        EXPECT_EQ(layout.GetOffsetX(), c.offsetX);
        EXPECT_EQ(layout.GetOffsetY(), c.offsetY);
        EXPECT_EQ(layout.GetAssetSize(), c.assetSize);
        EXPECT_STREQ(layout.GetBkgPak(), c.bkgPak);
        EXPECT_STREQ(layout.GetAssetsPak(), c.assetSize ? "assets-large.pak" : "assets-normal.pak");
    }
}

TEST(ResManagerTest, LayoutNumbersFollowTheAssetSize)
{
    qrvl::ResManager normal;
    normal.Init(1024, 768);
    qrvl::ResManager large;
    large.Init(1920, 1080);
    EXPECT_EQ(normal.GetHUDStatsHeight(), 128);
    EXPECT_EQ(large.GetHUDStatsHeight(), 179);
    EXPECT_EQ(normal.GetLoaderScrollerY(), 147);
    EXPECT_EQ(large.GetLoaderScrollerY(), 147);
    EXPECT_EQ(large.GetSliderRangeX(), 269);
    EXPECT_EQ(large.GetFontSizes()[6], 20);
    EXPECT_EQ(normal.GetFontSizes()[0], 21);
}

} // namespace
