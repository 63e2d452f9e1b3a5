// The rules of the spaces a move ends on.
#include "RulesFixture.h"

#include "qrvl/original/rules/CareerCard.h"
#include "qrvl/original/rules/Event.h"
#include "qrvl/original/rules/HouseCard.h"
#include "qrvl/original/game/Hud.h"
#include "qrvl/original/rules/QuorvelCard.h"
#include "qrvl/original/rules/ShareTheWealthCard.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

// Steps from one space to the next through their plain links.
int stepsTo(RulesFixture& game, int from, int to)
{
    int steps = 0;
    for (int i = from; i != to; i = game.board->getSpace(i)->next)
        ++steps;
    return steps;
}

int landOn(RulesFixture& game, int seat, int space)
{
    int from = space - 1;
    if (space == 13)
        from = 12;
    game.putCar(seat, from);
    return game.spinAndRun(seat, stepsTo(game, from, space));
}

} // namespace

TEST(Rules, TaxShownOrSilentByDisplayCode)
{
    RulesFixture game(2);
    game.putCar(1, 0);
    game.players[0].takeJob(CareerCard::create(11), false); // tax 45000
    game.board->getSpace(21)->displayCode = 12;
    EXPECT_EQ(Board::kIdle, landOn(game, 0, 21));
    EXPECT_EQ(10000 - 45000 + 40000, game.players[0].getCash());
    unsigned silent = game.engine.timeMs();

    game.board->getSpace(21)->displayCode = 3;
    unsigned before = game.engine.timeMs();
    landOn(game, 0, 21);
    EXPECT_GE(game.engine.timeMs() - before, 4500u); // the text was shown first
    EXPECT_GT(silent, 0u);
}

TEST(Rules, CollegeForkCostsAComputerPlayerFiftyThousand)
{
    for (unsigned seed = 1; seed < 12; ++seed) {
        RulesFixture game(2, seed);
        game.putCar(1, 0);
        landOn(game, 0, 40);
        int index = game.board->getStoredForkIndex();
        if (index == 41)
            EXPECT_EQ(0, game.players[0].getCash()) << "10000 - 50000 with two loans";
        else
            EXPECT_EQ(10000, game.players[0].getCash());
        EXPECT_EQ(index == 41 ? 2 : 0, game.players[0].getLoans());
    }
}

TEST(Rules, AComputerPlayerWithTheSecondFlagChoosesAtAFork)
{
    RulesFixture game(2);
    game.players[0].init(3, "S_PLYR_BOB", 0, true, true, &game.cars[0], 0);
    game.putCar(1, 0);
    EXPECT_EQ(Board::kIdle, landOn(game, 0, 40));
    EXPECT_NE(-1, game.board->getStoredForkIndex());
}

TEST(Rules, BackOnAForkAsksAgainAndStillCharges)
{
    RulesFixture game(2);
    game.makeHuman(0);
    game.putCar(1, 0);
    game.screens.branchAnswers = {-1, 0};
    landOn(game, 0, 40);
    EXPECT_EQ((std::vector<std::string>{"branch0", "branch0"}), game.screens.pushed);
    EXPECT_EQ(41, game.board->getStoredForkIndex());
    EXPECT_EQ(0, game.players[0].getCash());
    EXPECT_EQ(2, game.players[0].getLoans());
}

TEST(Rules, APersonsAnswerAtNightSchoolTakesThatWay)
{
    struct Way {
        int answer;
        int space;
        int cash;
        int loans;
    };
    for (Way const way : {Way{0, 41, 0, 2}, Way{1, 43, 10000, 0}}) {
        RulesFixture game(2);
        game.makeHuman(0);
        game.putCar(1, 0);
        game.screens.branchAnswers = {way.answer};
        landOn(game, 0, 40);
        EXPECT_EQ(way.space, game.board->getStoredForkIndex()) << "answer " << way.answer;
        EXPECT_EQ(way.cash, game.players[0].getCash()) << "answer " << way.answer;
        EXPECT_EQ(way.loans, game.players[0].getLoans()) << "answer " << way.answer;
    }
}

TEST(Rules, CollegeCareers)
{
    RulesFixture game(2);
    game.putCar(1, 0);
    // Computer player: the better paid of the two offered.
    landOn(game, 0, 9);
    ASSERT_NE(nullptr, game.players[0].getCareer());
    EXPECT_GE(game.players[0].getCareer()->id, CareerCard::kFirstCollegeId);
    EXPECT_EQ(5, game.collegeCareers.getNumCards());

    // With the college pile empty the other careers are offered; with both
    // empty the present career is kept.
    while (!game.collegeCareers.empty())
        delete game.collegeCareers.drawOne(true);
    int const careersLeft = game.careers.getNumCards();
    landOn(game, 0, 9);
    ASSERT_NE(nullptr, game.players[0].getCareer());
    EXPECT_LT(game.players[0].getCareer()->id, CareerCard::kFirstCollegeId);
    EXPECT_EQ(careersLeft - 1, game.careers.getNumCards());
    while (!game.careers.empty())
        delete game.careers.drawOne(true);
    CareerCard* present = game.players[0].getCareer();
    landOn(game, 0, 9);
    EXPECT_EQ(present, game.players[0].getCareer());

    // A person takes the card of the answer.
    game.makeHuman(1);
    game.collegeCareers.putBack(CareerCard::create(6));
    game.collegeCareers.putBack(CareerCard::create(10));
    int const collegeLeft = game.collegeCareers.getNumCards();
    game.screens.careerChoice = 1;
    landOn(game, 1, 9);
    ASSERT_NE(nullptr, game.players[1].getCareer());
    EXPECT_EQ(collegeLeft - 1, game.collegeCareers.getNumCards());
}

TEST(Rules, EmptyTilePileTurnsIntoASteal)
{
    RulesFixture game(3);
    while (!game.tiles.empty())
        delete game.tiles.drawOne(true);
    game.makeHuman(0);
    game.putCar(1, 0);
    game.putCar(2, 0);
    landOn(game, 0, 15);
    EXPECT_TRUE(game.presenter.sawPopup("S_NO_QUORVELTILES_LEFT"));
    EXPECT_EQ(0, game.players[0].getNumQuorvelCards());

    // A computer player steals from the richest holder who has not retired to the country.
    game.players[1].addQuorvelCard(new QuorvelCard(20000));
    game.players[0].addQuorvelCard(new QuorvelCard(40000));
    game.players[0].transactCash(500000);
    game.players[0].retire(1);
    game.putCar(0, 0);
    landOn(game, 2, 15);
    EXPECT_EQ(1, game.players[2].getNumQuorvelCards());
    EXPECT_EQ(0, game.players[1].getNumQuorvelCards());
}

TEST(Rules, ShareCollectTakesHalfRoundedDown)
{
    RulesFixture game(3);
    game.putCar(2, 0);
    game.players[1].addShareTheWealth(ShareTheWealthCard::create(ShareTheWealthCard::kShareCollect));
    game.putCar(1, 0);
    landOn(game, 0, 45); // collect 25000
    EXPECT_EQ(10000 + 25000 - 12500, game.players[0].getCash());
    EXPECT_EQ(10000 + 12500, game.players[1].getCash());
    EXPECT_FALSE(game.players[1].hasSTWCard(ShareTheWealthCard::kShareCollect));
    EXPECT_EQ(22, game.shareTheWealth.getNumCards()); // the used card went back to the pile
}

TEST(Rules, LawsuitsAndExemptions)
{
    RulesFixture game(2);
    game.putCar(1, 0);
    // A computer player with an exemption blocks without a question.
    game.players[1].addShareTheWealth(ShareTheWealthCard::create(ShareTheWealthCard::kExemption));
    landOn(game, 0, 20);
    EXPECT_EQ(10000, game.players[0].getCash());
    EXPECT_FALSE(game.players[1].hasSTWCard(ShareTheWealthCard::kExemption));
    EXPECT_TRUE(game.screens.pushed.empty());

    // Without one it pays 100000, taking loans.
    landOn(game, 0, 20);
    EXPECT_EQ(110000, game.players[0].getCash());
    EXPECT_EQ(5, game.players[1].getLoans());

    // A person holding one is asked.
    game.makeHuman(1);
    game.players[1].addShareTheWealth(ShareTheWealthCard::create(ShareTheWealthCard::kExemption));
    game.screens.yesNo = 0;
    landOn(game, 0, 20);
    EXPECT_EQ((std::vector<std::string>{"S_USE_EXMPT"}), game.screens.pushed);
    EXPECT_EQ(110000, game.players[0].getCash());
}

TEST(Rules, SpinToWinWithASpinFourCard)
{
    RulesFixture game(2);
    game.putCar(1, 0);
    game.players[0].transactCash(90000);
    game.players[0].addShareTheWealth(ShareTheWealthCard::create(ShareTheWealthCard::kSpinFour));
    int const before = game.players[0].getCash();
    landOn(game, 0, 32);
    EXPECT_FALSE(game.players[0].hasSTWCard(ShareTheWealthCard::kSpinFour)); // used win or lose
    EXPECT_TRUE(game.presenter.sawPopup("S_AI_WONSPIN") || game.presenter.sawPopup("S_AI_LOSTSPIN"));
    // What was won or lost reads as money.
    ASSERT_FALSE(game.presenter.lastPopup.empty());
    EXPECT_EQ(game.presenter.lastPopup[0].args.at(1), Hud::moneyText(std::abs(game.players[0].getCash() - before)));
}

TEST(Rules, PersonsSpinToWinSettlesAfterItsOwnSpin)
{
    RulesFixture game(2);
    game.makeHuman(0);
    game.putCar(1, 0);
    EXPECT_EQ(Board::kSpinToWinSpin, landOn(game, 0, 32));
    game.presenter.wheel = {5}; // the number chosen: 4, wheel number 5
    game.board->startSpin(250);
    EXPECT_EQ(Board::kIdle, game.runBoard());
    EXPECT_EQ(10000 + 50000, game.players[0].getCash());
}

TEST(Rules, FamilyEvents)
{
    RulesFixture game(3);
    game.putCar(1, 0);
    game.putCar(2, 0);
    // Marriage: a spouse, a tile, then the wedding-gift spin request.
    EXPECT_EQ(Board::kWeddingGiftSpin, landOn(game, 0, 25));
    EXPECT_NE(-1, game.players[0].getCarOccupants()[1]); // the spouse
    EXPECT_EQ(1, game.players[0].getNumQuorvelCards());
    EXPECT_TRUE(game.board->doneSpinningForGifts());

    // A baby: a child, a tile, and 5000 from every other player.
    landOn(game, 0, 30);
    EXPECT_EQ(1, game.players[0].getNumChildren());
    EXPECT_EQ(2, game.players[0].getNumQuorvelCards());
    EXPECT_EQ(10000 + 2 * 5000, game.players[0].getCash());
    EXPECT_EQ(5000, game.players[1].getCash());

    // Day care: only players with children pay, per child.
    EXPECT_EQ(Board::kIdle, landOn(game, 1, 57));
    EXPECT_TRUE(game.presenter.sawPopup("S_AI_OPPC"));
    EXPECT_EQ(5000 + 5000, game.players[1].getCash());
    game.presenter.popups.clear();
    game.putCar(1, 0);
    landOn(game, 0, 57);
    EXPECT_TRUE(game.presenter.sawPopup("S_NO_KIDS"));
}

TEST(Rules, ElopingDrivesOnToTheWedding)
{
    RulesFixture game(2);
    game.putCar(1, 0);
    EXPECT_EQ(Board::kWeddingGiftSpin, landOn(game, 0, 22));
    EXPECT_EQ(25, game.board->getSpaceIndex(game.cars[0].GetCurrentSpace()));
}

TEST(Rules, HousesAndRetirement)
{
    RulesFixture game(2);
    game.putCar(1, 0);
    game.players[0].transactCash(1000000);
    landOn(game, 0, 28);
    ASSERT_NE(nullptr, game.players[0].getHouse());
    EXPECT_LT(game.players[0].getHouse()->id, HouseCard::kFirstBetterId);
    EXPECT_EQ(5, game.board->getStarterHousePile()->getNumCards());

    // A person trading up sells the old house and picks a better one.
    game.makeHuman(0);
    game.screens.yesNo = 0;
    landOn(game, 0, 65);
    ASSERT_NE(nullptr, game.players[0].getHouse());
    EXPECT_GE(game.players[0].getHouse()->id, HouseCard::kFirstBetterId);

    landOn(game, 1, 152);
    EXPECT_TRUE(game.players[1].isRetired());
    EXPECT_NE(-1, game.players[1].getHome());
    EXPECT_FLOAT_EQ(0.0f, game.cars[1].getOpacity());
    landOn(game, 0, 152);
    EXPECT_TRUE(game.players[0].isRetired());
}

TEST(Rules, ShareTheWealthDraws)
{
    RulesFixture game(2);
    game.putCar(1, 0);
    unsigned before = game.engine.timeMs();
    landOn(game, 0, 17);
    unsigned const drawing = game.engine.timeMs() - before;
    EXPECT_EQ(20, game.shareTheWealth.getNumCards());
    while (!game.shareTheWealth.empty())
        delete game.shareTheWealth.drawOne(true);
    // An empty pile is said as briefly as a card is shown, and a tap ends
    // the wait at once.
    before = game.engine.timeMs();
    EXPECT_EQ(Board::kIdle, landOn(game, 0, 17));
    EXPECT_LE(game.engine.timeMs() - before, drawing);
    EXPECT_TRUE(game.presenter.sawPopup("S_NO_SHARE_THE_WEALTH"));

    game.presenter.popups.clear();
    game.putCar(0, 16);
    game.board->setCurrPlayer(0);
    game.board->setForcedStepCount(stepsTo(game, 16, 17));
    game.board->startSpin(2500, -1);
    for (int tick = 0; tick < 2000 && !game.presenter.sawPopup("S_NO_SHARE_THE_WEALTH"); ++tick)
        game.step();
    game.board->CancelDelay();
    before = game.engine.timeMs();
    EXPECT_EQ(Board::kIdle, game.runBoard());
    EXPECT_LT(game.engine.timeMs() - before, 500u);
}

TEST(Rules, PassAndPlayQueuesNotices)
{
    RulesFixture game(3);
    game.board->setIsPNP();
    for (int seat = 0; seat < 3; ++seat)
        game.players[seat].setComputer(false);
    game.putCar(1, 0);
    game.putCar(2, 0);
    game.screens.playerChoice = 2;
    landOn(game, 0, 20); // sues the chosen player
    std::unique_ptr<Event> sued(game.players[2].getNextEvent());
    ASSERT_NE(nullptr, sued);
    EXPECT_EQ(Event::kSued, sued->type);
    EXPECT_EQ(0, sued->subject);
    EXPECT_EQ(100000, sued->amount);
    EXPECT_FALSE(game.players[1].eventPending());

    game.players[0].addSpouse();
    landOn(game, 0, 30); // a baby: every other player hears of it
    for (int seat : {1, 2}) {
        std::unique_ptr<Event> child(game.players[seat].getNextEvent());
        ASSERT_NE(nullptr, child);
        EXPECT_EQ(Event::kChild, child->type);
    }
}

TEST(Rules, AComputerPlayerTakesTheFirstOfTwoEqualSalaries)
{
    RulesFixture game(2);
    game.putCar(1, 0);
    while (!game.collegeCareers.empty())
        delete game.collegeCareers.drawOne(true);
    game.collegeCareers.putBack(CareerCard::create(1)); // 50000
    game.collegeCareers.putBack(CareerCard::create(7)); // 50000

    // The same random numbers as the board will draw: the spin's speed, then the two cards.
    game.engine.srand(77);
    game.engine.rand();
    Card* first;
    Card* second;
    game.collegeCareers.drawTwo(&first, &second);
    int expected = first->id;

    game.engine.srand(77);
    game.putCar(0, 8);
    game.presenter.wheel = {1};
    game.board->setCurrPlayer(0);
    game.board->startSpin(2500, -1);
    game.runBoard();
    ASSERT_NE(nullptr, game.players[0].getCareer());
    EXPECT_EQ(expected, game.players[0].getCareer()->id);
}
