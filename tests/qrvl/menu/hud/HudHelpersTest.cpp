// The flying items' timing, the map's conversions, the yes/no texts and the
// tap-to-play message.
#include "qrvl/menu/hud/CGuifPageTapToPlay.h"
#include "qrvl/port/MapProjection.h"
#include "qrvl/menu/hud/TransferFlight.h"
#include "qrvl/menu/hud/YesNoLabels.h"


#include <gtest/gtest.h>

#include <string>

using qrvl::MapProjection;
using qrvl::TransferFlight;
using qrvl::YesNoLabels;

namespace {

// Which items fly at a moment of a cash transfer, as a bit per item.
int FlyingAt(int elapsedMs, bool cash = true)
{
    TransferFlight::Item items[TransferFlight::kMoneyItems];
    TransferFlight::Place({0, 0}, {100, 0}, true, cash, TransferFlight::kFlightMs - elapsedMs, items);
    int shown = 0;
    for (int k = 0; k < TransferFlight::kMoneyItems; ++k)
        shown |= items[k].shown ? 1 << k : 0;
    return shown;
}

} // namespace

TEST(TransferFlight, LastNoteLeavesFirstAndTheFirstStaysToTheEnd)
{
    struct Case {
        int elapsed;
        int shown;
    } const cases[] = {
        {0, 0},        {106, 0},      {107, 0x10},   {666, 0x1e}, {667, 0x1f},
        {1539, 0x1f},  {1541, 0x0f},  {2099, 0x01},  {2100, 0},   {3000, 0},
    };
    for (Case const& c : cases)
        EXPECT_EQ(FlyingAt(c.elapsed), c.shown) << c.elapsed;
    // A tile flies alone.
    EXPECT_EQ(FlyingAt(1000, false), 0x01);
}

TEST(TransferFlight, ItemsArcFromTheOtherPartyToAGainingPlayer)
{
    TransferFlight::Item items[TransferFlight::kMoneyItems];
    // Item 0 just setting off (its clock at 4096): at the other party.
    int const setOff = 4096 * TransferFlight::kFlightMs / TransferFlight::kClockStart;
    TransferFlight::Place({10, 200}, {300, 100}, true, true, setOff, items);
    ASSERT_TRUE(items[0].shown);
    EXPECT_NEAR(items[0].at.x, 300, 1);
    EXPECT_NEAR(items[0].at.y, 100, 2);
    // Halfway: on the line's middle, 90 pixels up.
    TransferFlight::Place({10, 200}, {300, 100}, true, true, 2048 * TransferFlight::kFlightMs / 6000, items);
    EXPECT_NEAR(items[0].at.x, 155, 1);
    EXPECT_NEAR(items[0].at.y, 150 - 89, 1.5);
    // A loss flies the other way.
    TransferFlight::Place({10, 200}, {300, 100}, false, true, setOff, items);
    EXPECT_NEAR(items[0].at.x, 10, 1);
}

TEST(MapProjection, OriginSitsLeftOfAndAboveTheCentre)
{
    MapProjection map(40, 30, 660, 400, 768);
    MapProjection::Vec2 const origin = map.WorldToMap(0, 0);
    EXPECT_FLOAT_EQ(origin.x, 40 + 320);
    EXPECT_FLOAT_EQ(origin.y, 30 + 180);

    MapProjection::Vec2 const world = map.MapToWorldXZ({0.5f, 0.5f});
    EXPECT_FLOAT_EQ(world.x, 10 * MapProjection::kMapToWorldX / 768);
    EXPECT_FLOAT_EQ(world.y, 20 * MapProjection::kMapToWorldZ / 768);

    // The two conversions nearly undo each other.
    MapProjection::Vec2 const onMap = map.WorldToMap(1000, -2000);
    MapProjection::Vec2 const back = map.MapToWorldXZ({(onMap.x - 40) / 660, (onMap.y - 30) / 400});
    EXPECT_NEAR(back.x, 1000, 5);
    EXPECT_NEAR(back.y, -2000, 10);

    MapProjection noDisplay(0, 0, 660, 400, 0);
    EXPECT_EQ(noDisplay.MapToWorldXZ({0.7f, 0.2f}).x, 0);
}

TEST(YesNoLabels, HeaderAndBodyFromTheGivenTexts)
{
    struct Case {
        char const* text;
        char const* text2;
        bool header;
        char const* body;
    } const cases[] = {
        {nullptr, nullptr, false, "T"},
        {"A", "B", true, "A B"},
        {"A", nullptr, true, "A "},
        {nullptr, "B", true, "B"},
    };
    for (Case const& c : cases) {
        YesNoLabels const labels = YesNoLabels::From("T", c.text, c.text2, true);
        EXPECT_EQ(labels.headerShown, c.header);
        EXPECT_EQ(std::string(labels.body.c_str()), c.body);
        if (c.header) {
            EXPECT_EQ(std::string(labels.header.c_str()), "T");
        }
        EXPECT_TRUE(labels.okOnly);
    }
    EXPECT_EQ(std::string(YesNoLabels::From(nullptr, nullptr, nullptr, false).body.c_str()), "");
    EXPECT_EQ(std::string(YesNoLabels::From(nullptr, "A", nullptr, false).header.c_str()), "");
}

TEST(TapToPlay, TheNameFillsOnlyTheFirstPlaceholder)
{
    struct Case {
        char const* pattern;
        char const* name;
        char const* expected;
    } const cases[] = {
        {"%s, tap here to play!", "Bob", "Bob, tap here to play!"},
        // A translation is never a format: other conversions stay as text.
        {"%s %s %d %n", "Ann", "Ann %s %d %n"},
        {"Tap here to play!", "Bob", "Tap here to play!"},
        {"%s!", "100%s", "100%s!"},
        {nullptr, "Bob", ""},
    };
    for (Case const& c : cases)
        EXPECT_EQ(qrvl::CGuifPageTapToPlay::TapMessage(c.pattern, c.name), c.expected) << (c.pattern ? c.pattern : "null");
}
