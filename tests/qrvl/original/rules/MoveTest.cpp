// Spins and moves: steps, occupied spaces, pay days, stop spaces, forks and investments.
#include "RulesFixture.h"

#include "qrvl/original/rules/CareerCard.h"

#include <gtest/gtest.h>

TEST(Move, LandingOnAnotherCarGoesOnToTheNextFreeSpace)
{
    RulesFixture game(3);
    game.putCar(0, 13);
    game.putCar(1, 17);
    game.putCar(2, 18);
    EXPECT_EQ(Board::kIdle, game.spinAndRun(0, 4));
    EXPECT_EQ(19, game.board->getSpaceIndex(game.cars[0].GetCurrentSpace()));
    EXPECT_EQ(1.0f, game.cars[1].getOpacity()); // the cars passed made way and came back
}

TEST(Move, PayDaysPaidOnTheWayAndStopSpacesEndTheMove)
{
    RulesFixture game(2);
    game.players[0].takeJob(CareerCard::create(4), false); // salary 20000
    game.putCar(0, 14);
    game.putCar(1, 0);
    int cash = game.players[0].getCash();
    // 15 LF, 16 PB 10000, 17 SW, 18 PD, 19 WC 50000, 20 LS, 21 TX: seven steps.
    game.presenter.wheel = {7};
    game.spinAndRun(0, 0);
    EXPECT_EQ(21, game.board->getSpaceIndex(game.cars[0].GetCurrentSpace()));
    EXPECT_EQ(cash + 20000 - 5000, game.players[0].getCash()); // pay day, then 5000 tax

    game.putCar(0, 7);
    game.spinAndRun(0, 5); // 8 CB, then 9 CC ends the move
    EXPECT_EQ(9, game.board->getSpaceIndex(game.cars[0].GetCurrentSpace()));
    EXPECT_TRUE(game.players[0].isCollege());
}

TEST(Move, ASpinBeforeThePlayersAreSetIsTheFirstRollersResult)
{
    RulesFixture game(2);
    game.board->setNumPlayers(0);
    game.putCar(0, 12);
    game.board->setCurrPlayer(0);
    game.board->startSpin(2500, -1);
    EXPECT_EQ(Board::kFirstRollerResult, game.runBoard());
    EXPECT_EQ(12, game.board->getSpaceIndex(game.cars[0].GetCurrentSpace()));
    int value = game.board->getSpinnerValue();
    EXPECT_GE(value, 1);
    EXPECT_LE(value, 10);
}

TEST(Move, TheFirstInvestorOfTheNumberIsPaid)
{
    RulesFixture game(3);
    game.putCar(0, 12);
    game.putCar(1, 0);
    game.putCar(2, 0);
    game.players[1].setInvestment(4);
    game.players[2].setInvestment(4);
    int cash1 = game.players[1].getCash();
    int cash2 = game.players[2].getCash();
    game.presenter.wheel = {5};
    game.spinAndRun(0, 1);
    EXPECT_EQ(cash1 + 5000, game.players[1].getCash());
    EXPECT_EQ(cash2, game.players[2].getCash());
}

TEST(Move, NoMoveWithoutANumber)
{
    RulesFixture game(2);
    game.putCar(0, 12);
    game.board->setCurrPlayer(0);
    game.board->prepareToMove(0);
    EXPECT_EQ(Board::kIdle, game.board->getState());
    EXPECT_EQ(0, game.cars[0].getPathCount());
}

TEST(Move, ForksTakeTheStoredDecisionOnce)
{
    RulesFixture game(2);
    Board& board = *game.board;
    BoardSpace* fork = board.getSpace(91);
    EXPECT_EQ(92, board.getSpaceIndex(board.getNextSpace(fork, 1)));
    EXPECT_EQ(100, board.getSpaceIndex(board.getNextSpace(fork, 0)));

    // A computer player on the fork decides; the next move follows the decision once.
    game.putCar(0, 90);
    game.putCar(1, 0);
    game.spinAndRun(0, 1);
    ASSERT_TRUE(board.hasStoredForkDecision());
    int decided = board.getStoredForkIndex();
    EXPECT_TRUE(decided == 92 || decided == 100);
    game.spinAndRun(0, 1);
    EXPECT_EQ(decided, board.getSpaceIndex(game.cars[0].GetCurrentSpace()));
    EXPECT_FALSE(board.hasStoredForkDecision());

    board.StoreBranchStatus();
    game.putCar(0, 90);
    game.spinAndRun(0, 1);
    board.RestoreBranchStatus();
    EXPECT_FALSE(board.hasStoredForkDecision());
}

TEST(Move, CarsFadeAndKeepAtMostSixteenSpaces)
{
    RulesFixture game(2);
    Car& car = game.cars[0];
    car.Fade(true, -1);
    car.Tick(150);
    EXPECT_FLOAT_EQ(0.5f, car.getOpacity());
    car.Tick(150);
    car.Tick(1);
    EXPECT_FLOAT_EQ(0.0f, car.getOpacity());
    car.Fade(false, 0);
    car.Tick(1);
    EXPECT_FLOAT_EQ(1.0f, car.getOpacity());

    car.AddToPath(game.board->getSpace(100), true);
    for (int i = 101; i < 120; ++i)
        car.AddToPath(game.board->getSpace(i), false);
    EXPECT_EQ(Car::kMaxPath, car.getPathCount());
    car.AddToPath(game.board->getSpace(7), true);
    car.AddToPath(game.board->getSpace(9), false); // a stop space closes the path
    car.AddToPath(game.board->getSpace(10), false);
    EXPECT_EQ(2, car.getPathCount());

    std::vector<unsigned> shots;
    Car empty;
    empty.GetValidCamerasForRoute(shots, false, 1.0f);
    EXPECT_EQ((std::vector<unsigned>{0, 2}), shots);
    empty.GetValidCamerasForRoute(shots, true, 1.0f);
    EXPECT_EQ((std::vector<unsigned>{3}), shots);
}
