// The bars' slide and the HUD mode's choice of which bar comes on.
#include "qrvl/menu/hud/HudModeMachine.h"

#include <gtest/gtest.h>

using qrvl::HudModeMachine;
using qrvl::HudSlide;

namespace {

HudSlide SettledOn()
{
    HudSlide slide;
    slide.ForceOnScreen();
    return slide;
}

} // namespace

TEST(HudSlide, EasesOnAndOffInHalfASecond)
{
    HudSlide slide;
    slide.StartScrollOn();
    slide.Update(250);
    // Halfway in time is three quarters of the way.
    EXPECT_EQ(slide.GetPosition(), 4096 - ((2048 * 2048) >> 12));
    EXPECT_EQ(slide.GetState(), HudSlide::SlidingOn);
    slide.Update(250);
    EXPECT_TRUE(slide.IsOnScreen());
    EXPECT_EQ(slide.GetPosition(), HudSlide::kFullyOn);

    slide.StartScrollOff();
    slide.Update(100);
    EXPECT_EQ(slide.GetPosition(), (3276 * 3276) >> 12);
    slide.Update(400);
    EXPECT_TRUE(slide.IsOffScreen());
    EXPECT_EQ(slide.GetPosition(), 0);
}

TEST(HudSlide, ReversingASlideGoesBackFromWhereItIs)
{
    HudSlide slide = SettledOn();
    slide.StartScrollOff();
    slide.Update(250);
    int const halfway = slide.GetPosition();
    slide.StartScrollOn();
    slide.Update(1);
    EXPECT_GT(slide.GetPosition(), halfway);
    EXPECT_LT(slide.GetPosition(), HudSlide::kFullyOn);
    slide.Update(248);
    EXPECT_EQ(slide.GetState(), HudSlide::SlidingOn);
    slide.Update(1);
    EXPECT_TRUE(slide.IsOnScreen());

    // Starting the way it already goes, or is, changes nothing.
    slide.StartScrollOn();
    EXPECT_TRUE(slide.IsOnScreen());
    slide.ForceOffScreen();
    slide.StartScrollOff();
    EXPECT_TRUE(slide.IsOffScreen());
}

TEST(HudModeMachine, TapToPlayWaitsForTheHudBarToLeave)
{
    HudSlide hud = SettledOn();
    HudSlide tap;
    HudModeMachine machine;
    machine.SetHudMode(kHudTapToPlay);
    EXPECT_EQ(machine.Step(0, hud, tap), HudModeMachine::Nothing);
    EXPECT_EQ(hud.GetState(), HudSlide::SlidingOff);
    for (int ms = 0; ms < 500; ms += 100) {
        hud.Update(100);
        tap.Update(100);
        bool const last = ms == 400;
        EXPECT_EQ(machine.Step(100, hud, tap), last ? HudModeMachine::TapBarComingOn : HudModeMachine::Nothing);
    }
    EXPECT_EQ(tap.GetState(), HudSlide::SlidingOn);
    tap.Update(500);
    EXPECT_EQ(machine.Step(500, hud, tap), HudModeMachine::Nothing);
    EXPECT_TRUE(tap.IsOnScreen());
    EXPECT_TRUE(hud.IsOffScreen());
}

TEST(HudModeMachine, ModeThreeComesOnAtOnceWhenTheBarIsAlreadyOff)
{
    HudSlide hud;
    HudSlide tap = SettledOn();
    HudModeMachine machine;
    machine.SetHudMode(kHudOffThenOn);
    machine.Step(16, hud, tap);
    EXPECT_EQ(machine.GetHudMode(), kHudOn);
    EXPECT_EQ(hud.GetState(), HudSlide::SlidingOn);
    EXPECT_EQ(tap.GetState(), HudSlide::SlidingOff);
}

TEST(HudModeMachine, AutoHideCountsFromTheStartOfTheSlideAndCanBeExtended)
{
    HudSlide hud;
    HudSlide tap;
    HudModeMachine machine;
    machine.SetHudMode(kHudOnThenBothOff);
    machine.Step(0, hud, tap);
    EXPECT_EQ(machine.GetAutoHideTimer(), HudModeMachine::kAutoHideMs);
    int elapsed = 0;
    auto frame = [&](int ms) {
        hud.Update(ms);
        tap.Update(ms);
        machine.Step(ms, hud, tap);
        elapsed += ms;
    };
    while (elapsed < 2000)
        frame(100);
    machine.ResetAutoHideTimer();
    while (machine.GetHudMode() != kHudBothOff)
        frame(100);
    EXPECT_EQ(elapsed, 5000);
    EXPECT_TRUE(hud.IsOnScreen());
    frame(100);
    EXPECT_EQ(hud.GetState(), HudSlide::SlidingOff);
}

TEST(HudModeMachine, AutoHideOverAnAlreadyShownBarDoesNotRestartTheTimer)
{
    HudSlide hud = SettledOn();
    HudSlide tap;
    HudModeMachine machine;
    machine.SetHudMode(kHudOnThenTapToPlay);
    EXPECT_EQ(machine.Step(16, hud, tap), HudModeMachine::TapBarRemembersExplore);
    EXPECT_EQ(machine.GetHudMode(), kHudTapToPlay);
    machine.Step(16, hud, tap);
    EXPECT_EQ(hud.GetState(), HudSlide::SlidingOff);
}

TEST(HudModeMachine, BothOffSlidesBothBarsAway)
{
    HudSlide hud = SettledOn();
    HudSlide tap = SettledOn();
    HudModeMachine machine;
    machine.Step(16, hud, tap);
    EXPECT_EQ(hud.GetState(), HudSlide::SlidingOff);
    EXPECT_EQ(tap.GetState(), HudSlide::SlidingOff);
}
