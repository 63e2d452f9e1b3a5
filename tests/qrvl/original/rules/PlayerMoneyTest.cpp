// A player's money rules, career, house, family and cards.
#include "RulesFixture.h"

#include "qrvl/original/rules/BoardPresenter.h"
#include "qrvl/original/rules/CareerCard.h"
#include "qrvl/original/rules/Event.h"
#include "qrvl/original/rules/HouseCard.h"
#include "qrvl/original/rules/MoneyLedger.h"
#include "qrvl/original/rules/PlayerJournal.h"
#include "qrvl/original/rules/QuorvelCard.h"
#include "qrvl/original/rules/ShareTheWealthCard.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct PlayerTest : ::testing::Test {
    TestEngine engine;
    Car car;
    Player player;
    void SetUp() override { player.init(0, "Ada", 1, false, false, &car, 1); }
};

} // namespace

TEST_F(PlayerTest, PaymentsTakeWholeLoans)
{
    struct Case {
        int cash;
        int amount;
        int cashAfter;
        int newLoans;
    };
    const Case cases[] = {
        {10000, -25000, 5000, 1},
        {0, -45000, 15000, 3},
        {10000, -10000, 0, 0},
        {10000, 5000, 15000, 0},
        {10000, -10001, 19999, 1},
    };
    for (const Case& c : cases) {
        player.init(0, "Ada", 1, false, false, &car, 1);
        player.transactCash(c.cash - player.getCash());
        player.transactCash(c.amount);
        EXPECT_EQ(c.cashAfter, player.getCash()) << c.cash << " " << c.amount;
        EXPECT_EQ(c.newLoans, player.getLoans()) << c.cash << " " << c.amount;
    }
}

// What the installed ledger is told of each move: its cause, who paid whom
// (null the bank) and how much, and every loan a payment takes.
struct RecordingLedger : MoneyLedger {
    RecordingLedger() { install(this); }
    ~RecordingLedger() override { install(nullptr); }
    void record(const MoneyMove& move) override { moves.push_back(move); }
    std::vector<MoneyMove> moves;
};

TEST_F(PlayerTest, PaymentsBetweenPlayersArriveWholeAndTheLedgerHearsOfEach)
{
    Car otherCar;
    Player other;
    other.init(1, "Bo", 0, true, false, &otherCar, 2);
    RecordingLedger ledger;
    player.transactCash(-4000, MoneyCause::HouseBought); // 6000 left
    player.payTo(&other, 25000, MoneyCause::Lawsuit); // one loan of 20000 covers it
    other.transactCash(0, MoneyCause::Salary); // nothing moves, nothing is told
    EXPECT_EQ(1000, player.getCash());
    EXPECT_EQ(1, player.getLoans());
    EXPECT_EQ(35000, other.getCash());
    ASSERT_EQ(3u, ledger.moves.size());
    struct Told {
        MoneyCause cause;
        const Player* payer;
        const Player* payee;
        int amount;
    };
    const Told told[] = {{MoneyCause::HouseBought, &player, nullptr, 4000},
                         {MoneyCause::Lawsuit, &player, &other, 25000},
                         {MoneyCause::Loan, nullptr, &player, Player::kLoanAmount}};
    for (size_t i = 0; i < ledger.moves.size(); ++i) {
        EXPECT_EQ(told[i].cause, ledger.moves[i].cause) << i;
        EXPECT_EQ(told[i].payer, ledger.moves[i].payer) << i;
        EXPECT_EQ(told[i].payee, ledger.moves[i].payee) << i;
        EXPECT_EQ(told[i].amount, ledger.moves[i].amount) << i;
    }
    // Without a board's request to name it, an amount nobody named is unexplained.
    player.transactCash(500);
    EXPECT_EQ(MoneyCause::Unexplained, ledger.moves.back().cause);
}

TEST_F(PlayerTest, AnAllPlayersPayWithNobodyToReceiveItTakesNothing)
{
    Car cars[2];
    Player others[2];
    Player* order[3] = {&player, &others[0], &others[1]};
    for (int i = 0; i < 2; ++i)
        others[i].init(i + 1, "Bo", 0, true, false, &cars[i], i + 2);
    BoardPresenter presenter;
    presenter.setupPlayerOrder(order, 3);
    EXPECT_EQ(-1, presenter.enterMoneyTransferWithAllPlayers(1000, false));
    for (const Player* each : order)
        EXPECT_EQ(Player::kStartingCash, each->getCash());

    presenter.setCurrentPlayer(&player);
    EXPECT_EQ(0, presenter.enterMoneyTransferWithAllPlayers(1000, false));
    EXPECT_EQ(Player::kStartingCash + 2000, player.getCash());
    for (const Player& payer : others)
        EXPECT_EQ(Player::kStartingCash - 1000, payer.getCash());
}

TEST_F(PlayerTest, RaisesStopAtTheCareersMaximum)
{
    player.payRaise();
    EXPECT_EQ(0, player.getRaise()); // no career, no raise
    player.takeJob(CareerCard::create(0), false); // 30000, maximum 60000
    for (int i = 0; i < 4; ++i)
        player.payRaise();
    EXPECT_EQ(30000, player.getRaise());
    EXPECT_EQ(60000, player.getSalary());
    player.takeJob(CareerCard::create(5), false); // no maximum
    for (int i = 0; i < 20; ++i)
        player.payRaise();
    EXPECT_EQ(60000 + 30000 + 200000, player.getSalary());
    EXPECT_EQ(25000, player.getTaxes());
}

TEST_F(PlayerTest, LosingAJobReturnsThePreviousCareerToItsPile)
{
    CareerCardPile careers;
    CollegeCareerCardPile college;
    careers.init();
    college.init();
    player.takeJob(static_cast<CareerCard*>(college.drawThisCard(8)), true);
    player.payRaise();
    player.takeJob(static_cast<CareerCard*>(careers.drawThisCard(2)), false);
    player.loseJob(&careers, &college);
    EXPECT_EQ(0, player.getRaise());
    EXPECT_EQ(6, college.getNumCards());
    EXPECT_EQ(8, college.getCards()->id);
    EXPECT_EQ(2, player.getCareer()->id);
    player.loseJob(&careers, &college); // nothing more to give back
    EXPECT_EQ(5, careers.getNumCards());
}

TEST_F(PlayerTest, WorthCountsTheHouseBySaleValueOrPrice)
{
    player.CreateJournal();
    player.transactCash(1000000);
    int cash = player.getCash();
    player.buyHouse(HouseCard::create(1)); // 100000, sells for 105000
    EXPECT_EQ(cash - 100000 + 105000, player.calcNetWorth());
    player.sellHouse();
    EXPECT_EQ(cash + 5000, player.getCash());
    player.buyHouse(HouseCard::create(7)); // 400000, no sale value
    EXPECT_EQ(cash + 5000, player.calcNetWorth());
    PlayerJournal* journal = player.getJournal();
    ASSERT_EQ(3, journal->getEntryCount());
    EXPECT_EQ(PlayerJournal::hashName("je_introduction"), journal->getEntryId(0));
    EXPECT_EQ(PlayerJournal::hashName("je_starter_home"), journal->getEntryId(1));
    EXPECT_EQ(PlayerJournal::hashName("je_new_home"), journal->getEntryId(2));
    EXPECT_EQ(1138u, PlayerJournal::hashName(""));
    // A house with no sale value sells for nothing, not for -1.
    int const beforeSale = player.getCash();
    player.sellHouse();
    EXPECT_EQ(beforeSale, player.getCash());
    EXPECT_EQ(nullptr, player.getHouse());
}

TEST_F(PlayerTest, FamilyFillsSeatsInOrderAndNeverOverflows)
{
    player.addSpouse();
    EXPECT_EQ(0, player.getCarOccupants()[1]); // the driver is a woman
    player.addTwins(1);
    EXPECT_TRUE(player.hadTwins());
    EXPECT_EQ(2, player.getNumChildren());
    player.addChild(0);
    EXPECT_FALSE(player.hadTwins());
    EXPECT_TRUE(player.hadBoyNotGirl());
    for (int i = 0; i < 20; ++i)
        player.addChild(1);
    EXPECT_EQ(14, player.getNumChildren());
}

TEST_F(PlayerTest, ShareTheWealthCards)
{
    player.addShareTheWealth(ShareTheWealthCard::create(ShareTheWealthCard::kSpinFour));
    player.addShareTheWealth(nullptr);
    EXPECT_TRUE(player.hasSTWCard(ShareTheWealthCard::kAnySpin));
    player.useSTWCard(ShareTheWealthCard::kAnySpin);
    EXPECT_TRUE(player.hasSTWCard(ShareTheWealthCard::kSpinFour));
    Card* spinCards[4];
    int n = 0;
    player.getSpin2WinCards(spinCards, &n);
    EXPECT_EQ(1, n);
    player.useSTWCard(ShareTheWealthCard::kSpinFour);
    EXPECT_FALSE(player.hasSTWCard(ShareTheWealthCard::kAnySpin));
}

TEST_F(PlayerTest, SpinToWinBets)
{
    for (unsigned seed = 0; seed < 200; ++seed) {
        engine.srand(seed);
        player.init(0, "Poor", 0, true, false, &car, 3);
        player.transactCash(3000 - player.getCash());
        EXPECT_EQ(0, player.calcSpin2WinBet());
        player.init(0, "Bold", 0, true, false, &car, 0);
        int bet = player.calcSpin2WinBet();
        EXPECT_GE(bet, 5000);
        EXPECT_LE(bet, player.getCash());
        EXPECT_EQ(0, bet % 5000);
    }
}

TEST_F(PlayerTest, TilesAndEventsKeepTheirOrder)
{
    EXPECT_EQ(nullptr, player.takeQuorvelCard());
    player.addQuorvelCard(new QuorvelCard(10000));
    player.addQuorvelCard(new QuorvelCard(50000));
    std::unique_ptr<QuorvelCard> newest(player.takeQuorvelCard());
    EXPECT_EQ(50000, newest->value);
    EXPECT_EQ(1, player.getNumQuorvelCards());

    EXPECT_EQ(nullptr, player.getNextEvent());
    for (int type = 0; type < 3; ++type)
        player.addEvent(new Event(type));
    for (int type = 0; type < 3; ++type) {
        std::unique_ptr<Event> event(player.getNextEvent());
        EXPECT_EQ(type, event->type);
    }
    EXPECT_FALSE(player.eventPending());
}

TEST_F(PlayerTest, NamesAndBoardIndex)
{
    FGString name("Max");
    player.setNameAndSex(name, 7);
    EXPECT_FALSE(player.isFemale());
    player.setNameAndSex(name, 12); // reported; the driver keeps its sex
    EXPECT_FALSE(player.isFemale());
    EXPECT_EQ(12, player.getCharacter());
    FGString out("Turn: ");
    player.makePassNPlayName(out, true, false, true);
    EXPECT_STREQ("Turn: Max: ", out.getNativeString());
    player.setBoardSpaceIdx(153);
    EXPECT_EQ(-1, player.getBoardSpaceIdx());
}
