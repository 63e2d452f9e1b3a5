// The HUD state: money as text and the info popups that wait for the
// next-event button.
#include "TextsFixture.h"

#include "qrvl/original/game/Hud.h"
#include "qrvl/original/framework/HudPages.h"

namespace {

class ButtonRecorder : public HudPages {
public:
    void EnableNextEventButton(bool enabled) override { nextEventEnabled = enabled; }
    void SetMessage(const char* text) override { message = text; }

    bool nextEventEnabled = false;
    std::string message;
};

using HudTest = TextsTest;

} // namespace

TEST_F(HudTest, MoneyIsWrittenInTheLanguagesPattern)
{
    struct Case {
        int amount;
        const char* text;
    };
    for (Case test : {Case{0, "$0"}, Case{5, "$05"}, Case{99, "$99"}, Case{100, "$100"}, Case{1000, "$1,000"},
                      Case{1234567, "$1,234,567"}, Case{-5000, "-$5,000"}})
        EXPECT_EQ(Hud::moneyText(test.amount), test.text) << test.amount;
    char small[5];
    Hud::drawMoney(1234567, small, sizeof(small));
    EXPECT_EQ(std::string(small).size(), 4u);
}

TEST_F(HudTest, AnUntimedPopupWaitsForTheNextEventButton)
{
    auto* pages = new ButtonRecorder;
    HudPages::Install(pages);
    Hud hud;
    hud.init();
    hud.displayInfoPopupText("Ben S_GTMRRY_M", Hud::kUntimed);
    EXPECT_TRUE(pages->nextEventEnabled);
    EXPECT_EQ(pages->message, "Ben S_GTMRRY_M");
    EXPECT_FALSE(hud.isInfoPopupTimed());
    hud.displayInfoPopupText("S_TURN_2_SPIN", 2500);
    EXPECT_FALSE(pages->nextEventEnabled);
    EXPECT_TRUE(hud.isInfoPopupTimed());
    hud.hideInfoPopupText();
    EXPECT_FALSE(hud.isShowingInfoPopupText());
    HudPages::Install(nullptr);
}
