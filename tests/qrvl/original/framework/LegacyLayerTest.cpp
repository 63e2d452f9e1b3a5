// What remains of the framework's own 2D layer and the phone editions'
// device queries: font metrics and word wrap, colour replacement and the
// silent-profile request.
#include "tests/qrvl/support/FrameworkFixtures.h"

#include "qrvl/original/framework/FGEngine.h"
#include "qrvl/original/framework/FGFont.h"
#include "qrvl/original/framework/FGForm.h"
#include "qrvl/original/framework/FGPaletteChanger.h"
#include "qrvl/original/framework/MannerMode.h"

#include <gtest/gtest.h>

namespace {

// Every glyph 10 pixels wide, 2 pixels apart; lines 12 high, 3 apart.
FGFont MonospacedFont()
{
    FGFont font;
    for (int c = 32; c < 127; ++c)
        font.setGlyphWidth(static_cast<unsigned char>(c), 10);
    font.setGlyphWidth('q', 0);
    font.setMetrics(12, 2, 3);
    return font;
}

TEST(FontTest, LengthsCountSpacingBetweenGlyphsButNotLeadingBlanks)
{
    FGFont const font = MonospacedFont();
    EXPECT_EQ(font.getDisplayLength("ab"), 22);
    EXPECT_EQ(font.getDisplayLength("  \tab"), 22);
    EXPECT_EQ(font.getDisplayLength(""), 0);
    EXPECT_EQ(font.getDisplayLength("abcdef", 2, 4), 22);
    EXPECT_EQ(font.getIdxForChar('q'), 'Q'); // no glyph of its own
    EXPECT_EQ(font.getIdxForChar('a'), 'a');
}

TEST(FontTest, WrapsAfterTheLastBlankThatFitsAndAtLineBreaks)
{
    FGFont const font = MonospacedFont();
    // Four glyphs take 46 pixels, five 58.
    struct Case {
        char const* text;
        int width;
        int lines;
        int widest;
    };
    Case const cases[] = {
        {"abc def", 50, 2, 34},
        {"abc def", 100, 1, 82},
        {"ab\ncd", 100, 2, 22},
        {"ab\r\ncd", 100, 2, 22},
        {"abcdefgh", 46, 2, 46},
        {"", 50, 0, 0},
    };
    for (Case const& c : cases) {
        EXPECT_EQ(font.getDisplayLines(c.text, c.width), c.lines) << c.text;
        EXPECT_EQ(font.getDisplayLength(c.text, c.width), c.widest) << c.text;
    }
    EXPECT_EQ(font.getLastFittingChar("abc def", 0, 50), 3);
    EXPECT_EQ(font.getDisplayHeight("abc def", 50), 12 + 3 + 12);
    EXPECT_EQ(font.getDisplayHeight("", 50), 0);
}

using FormTest = MountedFolderTest;

TEST_F(FormTest, ReadsItsTextAndPagesThroughWholeScreens)
{
    FGEngine engine;
    FGFont font = MonospacedFont();
    folder.Write("story.txt", "aaaa bbbb\r\ncccc dddd eeee");
    FGForm form;
    form.setPosition(0, 0, 100, 45);
    ASSERT_TRUE(form.init(&font, nullptr, nullptr, "story.txt", "Title", FGForm::kNoBackground));
    EXPECT_STREQ(form.getText().getNativeString(), "aaaa bbbb\ncccc dddd eeee");
    EXPECT_EQ(form.getDisplayAreaWidth(), 96);
    // Two words never fit a line of 96 pixels: five lines, three shown.
    EXPECT_EQ(form.getVisibleLines(), 3);
    EXPECT_EQ(form.getScrollableLines(), 2);
    EXPECT_EQ(form.getDisplayableTextHeight(), 45);
    EXPECT_FALSE(form.canScrollUp());
    form.pageDown();
    EXPECT_EQ(form.getScroll(), 2);
    EXPECT_FALSE(form.canScrollDown());
    form.pageUp();
    EXPECT_EQ(form.getScroll(), 0);

    EXPECT_FALSE(form.init(&font, nullptr, nullptr, "missing.txt", "Title", 0));
    EXPECT_EQ(form.getScrollableLines(), 0);
}

TEST(PaletteChangerTest, TheFirstMatchingReplacementWins)
{
    FGPaletteChanger changer;
    changer.addReplacement({{1, 2, 3}, {9, 9, 9}});
    changer.addReplacement({{1, 2, 3}, {7, 7, 7}});
    unsigned char pixels[] = {0, 1, 2, 3, 4, 5, 6};
    changer.adjustTriplet(pixels, 1);
    changer.adjustTriplet(pixels, 4);
    unsigned char const expected[] = {0, 9, 9, 9, 4, 5, 6};
    EXPECT_TRUE(std::equal(pixels, pixels + 7, expected));
}

TEST(MannerModeTest, TheDesktopAnswersAtOnceAndAllowsEverything)
{
    std::unique_ptr<MannerMode> holder;
    EXPECT_FALSE(MannerMode::HandleEvent(holder, nullptr, MannerMode::EventCreate));
    ASSERT_TRUE(holder);
    EXPECT_TRUE(holder->IsSoundAllowed());
    EXPECT_TRUE(holder->IsVibrationAllowed());
    EXPECT_EQ(holder->GetRequestState(), MannerMode::RequestDone);
    EXPECT_TRUE(holder->Initialize(nullptr));
    EXPECT_FALSE(MannerMode::HandleEvent(holder, nullptr, 9));
    EXPECT_FALSE(MannerMode::HandleEvent(holder, nullptr, MannerMode::EventCancel));
    EXPECT_FALSE(holder);
    EXPECT_FALSE(MannerMode::HandleEvent(holder, nullptr, 9));
}

} // namespace
