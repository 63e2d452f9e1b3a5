// Text formats inherit along their chain; font sets fall back to their
// default font; rich strings copy formats without their links.
#include "TestFont.h"

#include "norv/graphics/text/FontSet.h"
#include "norv/graphics/text/Format.h"
#include "norv/graphics/text/RichString.h"

#include <gtest/gtest.h>

namespace {

using namespace Norv;
using Norv::Text::Format;
using Norv::Text::FontSet;

Color const kRed(255, 0, 0);
Color const kBlue(0, 0, 255);

TEST(TextFormat, DefaultsAndInheritanceWhileTheParentLives)
{
    SmartPtr<Format> child(new Format);
    EXPECT_EQ(child->GetFontId(), "");
    EXPECT_EQ(child->GetColor(), Color(0, 0, 0, 255));
    EXPECT_EQ(child->GetLetterSpacing() | child->GetLineSpacing() | child->GetHorizontalAlign() |
                  child->GetParagraphSpacing() | child->GetBlanksMode() | child->GetRotation() |
                  child->GetVerticalAlign(),
              0);

    SmartPtr<Format> parent(new Format);
    parent->color = kRed;
    parent->setMask = Format::ColorSet;
    // Stored without its bit: the walk passes over it.
    child->color = kBlue;
    child->InsertBetween(parent.Get(), nullptr);
    EXPECT_EQ(child->GetColor(), kRed);
    EXPECT_EQ(parent->child.Get(), child.Get());

    Format const copy(*child);
    EXPECT_EQ(copy.GetColor(), kBlue) << "a copy stands outside the chain";

    parent.Release();
    EXPECT_EQ(child->GetColor(), kBlue);
}

TEST(TextFormat, JoinTakesTheLowerFormatsAnswersForEveryBitOnTheWay)
{
    SmartPtr<Format> upper(new Format);
    upper->color = kRed;
    upper->letterSpacing = 3;
    upper->setMask = Format::ColorSet | Format::LetterSpacingSet;
    SmartPtr<Format> lower(new Format);
    lower->color = kBlue;
    lower->verticalAlign = Format::VAlignBottom;
    lower->setMask = Format::ColorSet | Format::VerticalAlignSet;
    lower->InsertBetween(upper.Get(), nullptr);

    Format joined;
    joined.Join(upper.Get(), lower.Get());
    EXPECT_EQ(joined.setMask, Format::ColorSet | Format::LetterSpacingSet | Format::VerticalAlignSet);
    EXPECT_EQ(joined.color, kBlue);
    EXPECT_EQ(joined.letterSpacing, 3);
    EXPECT_EQ(joined.verticalAlign, Format::VAlignBottom);
    EXPECT_FALSE(joined.fontSet);
    EXPECT_FALSE(joined.parent);
}

TEST(TextFormat, JoinOffTheChainAndInheritingWithoutParentAreHarmless)
{
    SmartPtr<Format> stranger(new Format);
    stranger->setMask = Format::ColorSet;
    stranger->color = kRed;
    SmartPtr<Format> lower(new Format);
    lower->setMask = Format::LineSpacingSet;
    lower->lineSpacing = 7;

    Format joined;
    joined.setMask = Format::RotationSet;
    joined.Join(stranger.Get(), lower.Get());
    EXPECT_EQ(joined.setMask, 0u);
    EXPECT_EQ(joined.color, Color());
    joined.Join(nullptr, nullptr);
    EXPECT_EQ(joined.setMask, 0u);

    SmartPtr<FontSet> fonts(new FontSet);
    SmartPtr<Format> orphan(new Format);
    orphan->fontSet = fonts;
    {
        SmartPtr<Format> parent(new Format);
        orphan->InsertBetween(parent.Get(), nullptr);
    }
    orphan->InheritFontSet();
    EXPECT_EQ(orphan->fontSet, fonts);
}

TEST(FontSet, FirstFontIsTheDefaultAndNamesKeepTheirFirstFont)
{
    SmartPtr<FontEx> f1 = TextTest::MakeTestFont();
    SmartPtr<FontEx> f2 = TextTest::MakeTestFont();
    SmartPtr<FontEx> f3 = TextTest::MakeTestFont();
    FontSet fonts;
    fonts.AddFont("alpha", f1.Get());
    fonts.AddFont("beta", f2.Get());
    fonts.AddFont("alpha", f3.Get());
    EXPECT_EQ(fonts.GetFont("gamma"), f1.Get());
    EXPECT_EQ(fonts.GetFont("beta"), f2.Get());
    EXPECT_EQ(fonts.GetFont("alpha"), f1.Get());
    EXPECT_EQ(fonts.GetFontsCount(), 2u);
    EXPECT_TRUE(fonts.IsValid());

    fonts.SetDefaultFont("delta");
    EXPECT_FALSE(fonts.IsValid());
    EXPECT_EQ(fonts.GetFont("gamma"), nullptr);
    EXPECT_FALSE(FontSet().IsValid());
}

TEST(RichString, RunsKeepTheirTextAndAStandAloneFormat)
{
    SmartPtr<Format> parent(new Format);
    parent->setMask = Format::ColorSet;
    parent->color = kRed;
    Format inheriting;
    inheriting.InsertBetween(parent.Get(), nullptr);

    RichString text(L"one", inheriting);
    text.Append(L"", Format()).Append(L"three", *parent);
    ASSERT_EQ(text.GetRuns().size(), 3u);
    EXPECT_EQ(text.GetRuns().front().first, L"one");
    EXPECT_EQ(text.GetRuns().front().second.GetColor(), Color()) << "the run's format has no parent";
    EXPECT_EQ(text.GetRuns().back().second.GetColor(), kRed);
}

} // namespace
