// The HUD outlives a game and goes on ticking its transfers: a game that
// goes takes its players out of the HUD, so nothing reads them once gone.
#include "InGameFixture.h"

#include "qrvl/original/rules/BoardPresenter.h"
#include "qrvl/original/game/ModeGame.h"

namespace {

constexpr int kMaxTicks = 20000;

class OrderShowingScreens : public RecordingScreens {
public:
    class Order : public BoardPresenter {
    public:
        Player** shown() const { return players; }
        int shownCount() const { return playerCount; }
        Player* shownCurrent() const { return current; }
    };

    BoardPresenter& presenter() override { return order; }

    Order order;
};

TEST_F(InGameTest, LeavingTheGameTakesItsPlayersOutOfTheHud)
{
    auto* screens = new OrderShowingScreens;
    UseScreens(screens);
    StartProgram(3);
    ASSERT_NE(Launch(QuorvelEngine::GameModeSingle, false), nullptr);
    for (int i = 0; i < kMaxTicks && (!Game() || Game()->getCurrState() != ModeGame::Wheel); ++i)
        ASSERT_TRUE(Play());
    ASSERT_NE(screens->order.shown(), nullptr);
    ASSERT_NE(hud->current, nullptr);

    engine->getModeManager()->setMode(screens->createMainMenu());
    Tick();
    ASSERT_EQ(Game(), nullptr);
    EXPECT_EQ(screens->order.shown(), nullptr);
    EXPECT_EQ(screens->order.shownCount(), 0);
    EXPECT_EQ(screens->order.shownCurrent(), nullptr);
    EXPECT_EQ(hud->current, nullptr);
}

TEST(BoardPresenterPlayers, AGameThatGoesLeavesAnotherGamesPlayersInPlace)
{
    BoardPresenter presenter;
    Player* others[2] = {};
    Player* mine[2] = {};
    presenter.setupPlayerOrder(others, 2);
    EXPECT_FALSE(presenter.forgetPlayers(mine));
    EXPECT_FALSE(presenter.forgetPlayers(nullptr));
    EXPECT_TRUE(presenter.forgetPlayers(others));
}

} // namespace
