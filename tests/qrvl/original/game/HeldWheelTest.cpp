// While the person holds the wheel, the HUD's spin, map, money, invest and
// info buttons do nothing; once it is let go they work again.
#include "InGameFixture.h"

#include "qrvl/original/rules/BoardPresenter.h"
#include "qrvl/original/game/ModeGame.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"

namespace {

constexpr int kMaxTicks = 20000;

// The default presentation with a wheel a finger can hold, and the screens
// the HUD's buttons open, recorded.
class HeldWheelScreens : public RecordingScreens {
public:
    class Wheel : public BoardPresenter {
    public:
        bool isWheelHeld() const override { return held; }
        bool held = false;
    };

    BoardPresenter& presenter() override { return wheel; }
    bool pushStatus(Player*, Hud*, int*, int, int mode) override
    {
        pushed.push_back("status" + std::to_string(mode));
        return false;
    }
    bool pushOverview(Player**, Hud*, int*, int) override
    {
        pushed.push_back("overview");
        return false;
    }

    Wheel wheel;
};

TEST_F(InGameTest, TheHudsButtonsWaitWhileTheWheelIsHeld)
{
    auto* screens = new HeldWheelScreens;
    UseScreens(screens);
    StartProgram(3);
    ASSERT_NE(Launch(QuorvelEngine::GameModeSingle, false), nullptr);
    // A turn waiting for the wheel.
    for (int i = 0; i < kMaxTicks && (!Game() || Game()->getCurrState() != ModeGame::Wheel); ++i)
        ASSERT_TRUE(Play());
    ASSERT_EQ(Game()->getCurrState(), ModeGame::Wheel);
    auto press = [&](int id) {
        CGuiFrameTouchButton button(id);
        engine->onButtonSelected(&button);
    };
    size_t const before = screens->pushed.size();
    screens->wheel.held = true;
    for (int id : {ModeGame::kButtonSpin, ModeGame::kButtonMap, ModeGame::kButtonMoney, ModeGame::kButtonInvest,
                   ModeGame::kButtonInfo}) {
        press(id);
        Tick();
        EXPECT_EQ(Game()->getCurrState(), ModeGame::Wheel) << id;
    }
    EXPECT_EQ(screens->pushed.size(), before);

    screens->wheel.held = false;
    press(ModeGame::kButtonMoney);
    press(ModeGame::kButtonInfo);
    press(ModeGame::kButtonMap);
    ASSERT_EQ(screens->pushed.size(), before + 2);
    EXPECT_EQ(screens->pushed[before], "status2");
    EXPECT_EQ(screens->pushed[before + 1], "overview");
    EXPECT_EQ(Game()->getCurrState(), ModeGame::FreeLook);
}

} // namespace
