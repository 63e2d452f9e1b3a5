// Slides of the scripted screens: positions over time and the HUD's count
// of running slides.
#include "qrvl/menu/screens/HudTransitions.h"
#include "qrvl/menu/screens/TranslatableScreen.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

class TranslatableScreenTest : public ::testing::Test {
protected:
    void SetUp() override { qrvl::HudTransitions::Clear(); }
    void TearDown() override { qrvl::HudTransitions::Clear(); }

    Norv::SmartPtr<qrvl::TranslatableScreen> screen = new qrvl::TranslatableScreen(0, nullptr);
};

TEST_F(TranslatableScreenTest, SlidesLinearlyOverHalfASecond)
{
    EXPECT_EQ(screen->GetTranslation(720), 0);
    screen->FadeIn();
    EXPECT_EQ(screen->GetTranslation(720), 720);
    screen->Update(0.25);
    EXPECT_EQ(screen->GetTranslation(720), 360);
    EXPECT_FALSE(screen->CanReceiveEvents());
    screen->Update(0.25);
    EXPECT_EQ(screen->GetState(), qrvl::TranslatableScreen::Shown);
    EXPECT_TRUE(screen->CanReceiveEvents());

    screen->FadeOut();
    screen->Update(0.125);
    EXPECT_EQ(screen->GetTranslation(720), 180);
    screen->Update(0.6);
    EXPECT_EQ(screen->GetState(), qrvl::TranslatableScreen::Hidden);
    EXPECT_EQ(screen->GetTranslation(720), 720);
    EXPECT_EQ(qrvl::HudTransitions::GetRunning(), 0);
}

TEST_F(TranslatableScreenTest, EveryStartIsMatchedByOneEnd)
{
    using Step = std::function<void(qrvl::TranslatableScreen&)>;
    Step const fadeIn = [](qrvl::TranslatableScreen& s) { s.FadeIn(); };
    Step const fadeOut = [](qrvl::TranslatableScreen& s) { s.FadeOut(); };
    Step const hide = [](qrvl::TranslatableScreen& s) { s.Hide(); };
    Step const tick = [](qrvl::TranslatableScreen& s) { s.Update(0.2); };
    std::vector<std::vector<Step>> const sequences = {
        {fadeIn, fadeIn, fadeOut, fadeIn},
        {fadeOut, hide, hide, fadeIn},
        {fadeIn, tick, fadeOut, tick, tick},
        {fadeOut, tick, tick, tick, fadeIn, fadeOut},
    };
    for (auto const& sequence : sequences) {
        qrvl::HudTransitions::Clear();
        Norv::SmartPtr<qrvl::TranslatableScreen> s = new qrvl::TranslatableScreen(0, nullptr);
        for (Step const& step : sequence)
            step(*s);
        s->Hide();
        EXPECT_EQ(qrvl::HudTransitions::GetRunning(), 0);
    }
}

TEST_F(TranslatableScreenTest, OneRunningSlideIsCountedOnce)
{
    screen->FadeIn();
    screen->FadeIn();
    EXPECT_EQ(qrvl::HudTransitions::GetRunning(), 1);
    screen->FadeOut();
    EXPECT_EQ(qrvl::HudTransitions::GetRunning(), 1);
    screen->Update(0.5);
    EXPECT_EQ(qrvl::HudTransitions::GetRunning(), 0);
}

} // namespace
