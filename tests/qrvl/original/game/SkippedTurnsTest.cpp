// The computer players' turns skipped: the person's turn ends the skip, and
// a skip that left lines shows its report over the game until its OK, after
// which the person's turn goes on; the pause menu ends a skip as well. And
// the zoom keys' time held becomes the camera's zoom.
#include "InGameFixture.h"

#include "qrvl/original/rules/BoardPresenter.h"
#include "qrvl/original/framework/FGModeManager.h"
#include "qrvl/original/game/ModeGame.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"
#include "qrvl/original/phone/world/CSkipManager.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kMaxTicks = 20000;
// The skip report's OK, and a button it does not answer to.
constexpr int kReportOk = 1;
constexpr int kIgnoredByReport = 400;

// The HUD's messages and whether the pages other than the map are hidden.
class HidingHud : public RecordingHud {
public:
    void SetHideAll(bool hide) override { hidden = hide; }
    bool hidden = false;
};

// The camera's zooms asked of the board.
class ZoomedScreens : public RecordingScreens {
public:
    class Camera : public BoardPresenter {
    public:
        void zoomCamera(int steps) override { zooms.push_back(steps); }
        std::vector<int> zooms;
    };

    BoardPresenter& presenter() override { return camera; }

    Camera camera;
};

class SkippedTurnsTest : public InGameTest {
protected:
    void SetUp() override
    {
        InGameTest::SetUp();
        hud = hidingHud = new HidingHud;
        HudPages::Install(hud);
    }
    void TearDown() override
    {
        InGameTest::TearDown();
        CSkipManager::GetSkipManager().Clear();
    }

    // Plays on until a computer player's turn after the first round.
    bool PlayToComputersTurn()
    {
        for (int i = 0; i < kMaxTicks && Play(); ++i) {
            ModeGame* game = Game();
            if (game && !game->isFirstRound() && game->getCurrState() == ModeGame::ComputerSpin
                && game->getPlayer(game->getCurrentPlayerIndex())->isComputer())
                return true;
        }
        return false;
    }

    void Press(int id)
    {
        CGuiFrameTouchButton button(id);
        engine->getModeManager()->buttonSelected(&button);
        Tick();
    }

    HidingHud* hidingHud = nullptr;
};

TEST_F(SkippedTurnsTest, ThePersonsTurnEndsTheSkipAndItsReportWaitsForOK)
{
    StartProgram(5);
    ASSERT_NE(Launch(QuorvelEngine::GameModeSingle, false), nullptr);
    ASSERT_TRUE(PlayToComputersTurn());
    CSkipManager& skip = CSkipManager::GetSkipManager();
    skip.SetSkipping(true);
    skip.AddToReport("Bert got married.");

    int ticks = 0;
    while (Game() && Game()->getCurrState() != ModeGame::SkipReport && ticks++ < kMaxTicks)
        Play();
    ModeGame* game = Game();
    ASSERT_NE(game, nullptr);
    ASSERT_EQ(game->getCurrState(), ModeGame::SkipReport);
    EXPECT_FALSE(skip.IsSkipping());
    EXPECT_FALSE(game->getPlayer(game->getCurrentPlayerIndex())->isComputer());
    EXPECT_TRUE(hidingHud->hidden);

    // The report stays through a button it ignores and the game's ticks.
    Press(kIgnoredByReport);
    for (int i = 0; i < 10; ++i)
        Tick();
    EXPECT_EQ(game->getCurrState(), ModeGame::SkipReport);
    EXPECT_TRUE(skip.HasSkipToProcess());

    // OK: the report is done with and the person's turn is announced.
    Press(kReportOk);
    EXPECT_FALSE(skip.HasSkipToProcess());
    EXPECT_FALSE(hidingHud->hidden);
    EXPECT_EQ(game->getCurrState(), ModeGame::Wheel);
}

TEST_F(SkippedTurnsTest, ASkipWithNothingToReportGoesStraightToThePersonsTurn)
{
    StartProgram(5);
    ASSERT_NE(Launch(QuorvelEngine::GameModeSingle, false), nullptr);
    ASSERT_TRUE(PlayToComputersTurn());
    CSkipManager& skip = CSkipManager::GetSkipManager();
    skip.SetSkipping(true);

    int ticks = 0;
    while (Game() && (skip.IsSkipping() || Game()->getCurrState() != ModeGame::Wheel) && ticks++ < kMaxTicks)
        Play();
    EXPECT_FALSE(skip.IsSkipping());
    EXPECT_FALSE(statesVisited.count(ModeGame::SkipReport));
}

TEST_F(SkippedTurnsTest, PausingEndsASkip)
{
    StartProgram(5);
    ASSERT_NE(Launch(QuorvelEngine::GameModeSingle, false), nullptr);
    ASSERT_TRUE(PlayToComputersTurn());
    CSkipManager::GetSkipManager().SetSkipping(true);
    Press(ModeGame::kButtonPause);
    EXPECT_FALSE(CSkipManager::GetSkipManager().IsSkipping());
}

TEST_F(InGameTest, TheZoomKeysTimeHeldBecomesTheCamerasZoom)
{
    auto* screens = new ZoomedScreens;
    UseScreens(screens);
    StartProgram(5);
    ModeGame* game = Launch(QuorvelEngine::GameModeSingle, false);
    ASSERT_NE(game, nullptr);
    // A notch of the mouse wheel (25) for every 0.07 s, in or out.
    game->Zoom(0.07f, 1);
    game->Zoom(2.5f, -1);
    game->Zoom(0.01f, 1);
    EXPECT_EQ(screens->camera.zooms, (std::vector<int>{25, -892, 3}));
    StopProgram();
}

} // namespace
