// The turn's steps once the board has come to rest, another spin after a
// stop space, a computer player's investment, and games without screens
// taking the in-game mode's own turn.
#include "RulesFixture.h"

#include "qrvl/original/rules/ShareTheWealthCard.h"
#include "qrvl/original/game/TurnMachine.h"
#include "qrvl/original/rules/TurnRules.h"

#include <gtest/gtest.h>

#include <algorithm>

using TurnRules::Step;

TEST(TurnRules, EachBoardRequestHasItsStep)
{
    RulesFixture game(2);
    Player& player = game.players[0];
    struct Case {
        int boardState;
        Step step;
    };
    const Case cases[] = {
        {Board::kLostJob, Step::LostJob},
        {Board::kSpinToWinSpin, Step::SpinToWin},
        {Board::kFirstRollerResult, Step::SpinForFirst},
        {Board::kSpinAgain, Step::SpinAgain},
        {Board::kForkAnswer, Step::Wait},
    };
    for (const Case& c : cases) {
        TurnRules::Memory memory;
        EXPECT_EQ(c.step, TurnRules::AfterMove(c.boardState, player, memory)) << c.boardState;
    }

    // A wedding and a pension each ask twice: the spin, then the payment,
    // and the next wedding starts with its spin again.
    TurnRules::Memory memory;
    for (Step expected : {Step::WeddingSpin, Step::WeddingGifts, Step::WeddingSpin})
        EXPECT_EQ(expected, TurnRules::AfterMove(Board::kWeddingGiftSpin, player, memory));
    for (Step expected : {Step::PensionSpin, Step::Pension, Step::PensionSpin})
        EXPECT_EQ(expected, TurnRules::AfterMove(Board::kPensionSpin, player, memory));
}

TEST(TurnRules, OnlyAStopSpaceOtherThanRetirementGivesAnotherSpin)
{
    RulesFixture game(2);
    Player& player = game.players[0];
    int stop = -1, plain = -1, retire = -1;
    for (int i = 0; i < Board::kNumSpaces; ++i) {
        BoardSpace* space = game.board->getSpace(i);
        if (space->type == BoardSpace::RT)
            retire = i;
        else if (space->IsStopSpace())
            stop = i;
        else
            plain = i;
    }
    TurnRules::Memory memory;
    game.putCar(0, stop);
    EXPECT_EQ(Step::SpinAgain, TurnRules::AfterMove(Board::kIdle, player, memory));
    game.putCar(0, plain);
    EXPECT_EQ(Step::EndTurn, TurnRules::AfterMove(Board::kIdle, player, memory));
    game.putCar(0, retire);
    EXPECT_EQ(Step::EndTurn, TurnRules::AfterMove(Board::kIdle, player, memory));
    game.putCar(0, stop);
    player.retire(1);
    EXPECT_FALSE(TurnRules::MovesAgain(player));
}

TEST(TurnRules, AComputerBuysOnlyANumberNobodyHolds)
{
    RulesFixture game(2);
    Player& player = game.players[1];
    int owners[TurnRules::kInvestments];
    std::fill(owners, owners + TurnRules::kInvestments, TurnRules::kNoOwner);
    for (int i = 0; i < 9; ++i)
        if (i != 4)
            owners[i] = 0; // all held but the fifth number, and the tenth that computers never buy
    int const cash = player.getCash();
    EXPECT_EQ(4, TurnRules::BuyComputerInvestment(player, owners));
    EXPECT_EQ(4, player.getInvestment());
    EXPECT_EQ(player.getColor(), owners[4]);
    EXPECT_EQ(cash - 10000, player.getCash());

    // With every number it may buy held, it buys nothing instead of searching for ever.
    Player& other = game.players[0];
    EXPECT_EQ(-1, TurnRules::BuyComputerInvestment(other, owners));
    EXPECT_EQ(-1, other.getInvestment());
    EXPECT_EQ(TurnRules::kNoOwner, owners[9]);
}

TEST(TurnRules, WholeGamesWithoutScreensBuyInvestmentsAsTheGameDoes)
{
    // Computer players buy now and then past the first round: a few games
    // of six are enough for some to hold a number at the end.
    int held = 0;
    for (unsigned seed = 1; seed <= 5; ++seed) {
        RulesFixture game(6, seed);
        game.playToEnd(5000);
        EXPECT_TRUE(game.allRetired()) << seed;
        for (int i = 0; i < game.count; ++i) {
            int const number = game.players[i].getInvestment();
            if (number < 0)
                continue;
            ++held;
            EXPECT_EQ(game.players[i].getColor(), game.investmentOwners[number]) << seed;
        }
    }
    EXPECT_GT(held, 0);
}

namespace {

int payCards(const Player& player)
{
    int count = 0;
    for (const Card* card = player.getShareTheWealthCards(); card; card = card->next)
        count += card->id == ShareTheWealthCard::kSharePay;
    return count;
}

} // namespace

// The turn the simulator plays is the in-game mode's: a computer student
// holding a pay card from the set-up plays it against the tuition, and its
// first spin waits until the board is done with it.
TEST(TurnRules, AComputerStudentWithoutScreensPlaysItsPayCardAtTheTuition)
{
    int studentsWithACard = 0;
    for (unsigned seed = 1; seed <= 6; ++seed) {
        RulesFixture game(4, seed);
        game.startGame();
        TurnMachine& turn = game.turn();
        int student = -1;
        int cardsBefore = 0;
        for (int i = 0; i < 20000 && turn.isFirstRound(); ++i) {
            game.step();
            int const seat = turn.getCurrentPlayerIndex();
            if (student < 0 && turn.getCurrState() == TurnMachine::ComputerCollege) {
                student = seat;
                cardsBefore = payCards(game.players[seat]);
            } else if (student == seat && turn.getCurrState() == TurnMachine::Spinning) {
                if (cardsBefore > 0) {
                    ++studentsWithACard;
                    EXPECT_EQ(cardsBefore - 1, payCards(game.players[seat])) << "seed " << seed;
                }
                break;
            }
        }
        EXPECT_GE(student, 0) << "seed " << seed << ": nobody went to college";
    }
    EXPECT_GT(studentsWithACard, 0);
}
