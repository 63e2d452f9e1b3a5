// The sideways carousel and the card choice on screens built from
// descriptions.
#include "tests/support/GuifFixture.h"

#include "qrvl/menu/screens/CGuifFrameTouchCarousel.h"
#include "qrvl/menu/screens/CGuifPageChooseCard.h"

#include "guif/Control.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using qrvl::CGuifFrameTouchCarousel;
using qrvl::CGuifPageChooseCard;

class ChoiceScreen : public GuifTest::ScreenFixture {
protected:
    // Four layout frames 300 pixels apart, the arrows, and six cards whose
    // background is 200 pixels high.
    void SetUp() override
    {
        ScreenFixture::SetUp();
        Write("bkg.xml", "<g><item type='Rectangle'><width>120</width><height>200</height></item></g>");
        std::string controls = "<s>";
        for (int i = 1; i <= 4; ++i)
            controls += "<item name='STW" + std::to_string(i) + "'><x>" + std::to_string(100 + 300 * (i - 1)) +
                        "</x><y>50</y></item>";
        for (int i = 1; i <= 6; ++i)
            controls += "<item name='Card" + std::to_string(i) + "Frame'><x>" + std::to_string(150 * i) +
                        "</x><y>300</y></item>";
        controls += "<item name='Card1Bkg'><representation file='bkg.xml'/></item>"
                    "<item name='LeftArrow'/><item name='RightArrow'/></s>";
        Write("choice.xml", controls);
        ASSERT_EQ(Run("screen:GetControl('root'):InsertFromXml('choice.xml')"), "");
    }

    float X(char const* name) { return screen->FindControl(name)->GetX(); }
    float Y(char const* name) { return screen->FindControl(name)->GetY(); }
    bool Shown(char const* name) { return screen->FindControl(name)->IsSelfVisible(); }

    // Steps at 60 frames a second until the carousel rests; the frame count.
    int Settle(CGuifFrameTouchCarousel& carousel)
    {
        int frames = 0;
        while (carousel.IsMoving() && frames < 1000) {
            carousel.Update(Norv::NorvFloat(1.0f / 60.0f));
            ++frames;
        }
        return frames;
    }
};

TEST_F(ChoiceScreen, CarouselScrollsOneItemInTwentyFourFramesAndStopsAtTheEnds)
{
    CGuifFrameTouchCarousel carousel;
    carousel.Init(*screen, "STW", 4, 3, false);
    carousel.SnapToFocus(0);
    EXPECT_FALSE(Shown("STW4"));
    EXPECT_EQ(carousel.GetItemWidth(), 300);
    EXPECT_FALSE(Shown("LeftArrow"));
    EXPECT_TRUE(Shown("RightArrow"));

    carousel.ScrollToNext();
    carousel.Update(Norv::NorvFloat(1.0f / 60.0f));
    EXPECT_EQ(carousel.GetOffset(), 13);
    carousel.ScrollToNext();
    EXPECT_EQ(Settle(carousel), 23);
    EXPECT_EQ(carousel.GetCurrentFocus(), 1);
    EXPECT_EQ(X("STW1"), -200);
    EXPECT_EQ(X("STW2"), 100);
    EXPECT_TRUE(Shown("LeftArrow"));

    carousel.ScrollToNext();
    Settle(carousel);
    EXPECT_FALSE(Shown("RightArrow"));
    carousel.ScrollToNext();
    EXPECT_FALSE(carousel.IsMoving());
    carousel.ScrollToPrev();
    Settle(carousel);
    EXPECT_EQ(carousel.GetCurrentFocus(), 1);
}

TEST_F(ChoiceScreen, CarouselStopsEvenWithVeryShortFrames)
{
    CGuifFrameTouchCarousel carousel;
    carousel.Init(*screen, "STW", 4, 3, false);
    carousel.SnapToFocus(0);
    carousel.ScrollToNext();
    // A thousandth of a second moves less than half a pixel.
    int frames = 0;
    while (carousel.IsMoving() && frames < 1000) {
        carousel.Update(Norv::NorvFloat(0.001f));
        ++frames;
    }
    EXPECT_FALSE(carousel.IsMoving());
    EXPECT_EQ(carousel.GetCurrentFocus(), 1);
}

TEST_F(ChoiceScreen, CarouselOfTwoNeverWrapsAndOfOneNeverMoves)
{
    CGuifFrameTouchCarousel two;
    two.Init(*screen, "STW", 4, 2, true);
    two.SnapToFocus(0);
    two.ScrollToPrev();
    EXPECT_FALSE(two.IsMoving());
    // Only the arrow that leads somewhere shows.
    EXPECT_FALSE(Shown("LeftArrow"));
    EXPECT_TRUE(Shown("RightArrow"));

    CGuifFrameTouchCarousel one;
    one.Init(*screen, "STW", 4, 1, true);
    EXPECT_EQ(one.GetItemWidth(), 0);
    one.ScrollToNext();
    one.ScrollToPrev();
    EXPECT_FALSE(one.IsMoving());
    EXPECT_EQ(one.GetCurrentFocus(), 0);
}

TEST_F(ChoiceScreen, WrappingCarouselComesRoundToTheFirstItem)
{
    CGuifFrameTouchCarousel carousel;
    carousel.Init(*screen, "STW", 4, 3, true);
    carousel.SnapToFocus(0);
    // The last item waits in front of the first.
    EXPECT_EQ(X("STW3"), -200);
    carousel.ScrollToPrev();
    Settle(carousel);
    EXPECT_EQ(carousel.GetCurrentFocus(), 2);
    EXPECT_EQ(X("STW3"), 100);
    // The first item already waits behind the last.
    EXPECT_EQ(X("STW1"), 400);

    carousel.ScrollToNext();
    Settle(carousel);
    EXPECT_EQ(carousel.GetOffset(), 0);
    EXPECT_EQ(X("STW1"), 100);
    EXPECT_EQ(X("STW2"), 400);
    EXPECT_EQ(X("STW3"), -200);
}

TEST_F(ChoiceScreen, CardsSplitIntoRowsAndPicksSlideOut)
{
    CGuifPageChooseCard cards(screen);
    cards.Setup(2, 5);
    EXPECT_TRUE(Shown("Card5Frame"));
    EXPECT_FALSE(Shown("Card6Frame"));
    cards.HandleButtonSelected(1);
    cards.HandleButtonSelected(1);
    cards.HandleButtonSelected(6);
    cards.HandleButtonSelected(5);
    EXPECT_EQ(cards.GetSelections(), nullptr);
    cards.HandleButtonSelected(4);
    cards.HandleButtonSelected(0);
    cards.Update(199);
    // Card 2 is in the top row (up), card 5 in the bottom row (down).
    EXPECT_EQ(Y("Card2Frame"), 300 - 50 * 200 / 400);
    EXPECT_EQ(Y("Card5Frame"), 300 + 50 * 200 / 400);
    cards.Update(300);
    EXPECT_EQ(Y("Card2Frame"), 250);
    EXPECT_EQ(cards.GetSelections(), nullptr);
    cards.Update(16);
    int const* picks = cards.GetSelections();
    ASSERT_NE(picks, nullptr);
    EXPECT_EQ(picks[0], 4);
    EXPECT_EQ(picks[1], 1);
    EXPECT_EQ(Y("Card1Frame"), 300);
}

TEST_F(ChoiceScreen, FewCardsShareOneRow)
{
    CGuifPageChooseCard cards(screen);
    cards.Setup(1, 3);
    cards.HandleButtonSelected(2);
    cards.Update(400);
    EXPECT_EQ(Y("Card3Frame"), 250);

    cards.Setup(1, 0);
    EXPECT_TRUE(Shown("Card1Frame"));
    EXPECT_FALSE(Shown("Card2Frame"));
    cards.HandleButtonSelected(0);
    cards.Update(400);
    cards.Update(1);
    ASSERT_NE(cards.GetSelections(), nullptr);
    EXPECT_EQ(cards.GetSelections()[0], 0);
}

} // namespace
