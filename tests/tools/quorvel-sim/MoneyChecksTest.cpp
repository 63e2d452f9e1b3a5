// The simulator's money checks see a wrong amount: each rule's amount is
// moved once as the rules give it, which passes, and once at half, which
// the check must report.
#include "MoneyChecks.h"

#include "qrvl/original/rules/BoardPresenter.h"
#include "qrvl/original/rules/BoardSpace.h"
#include "qrvl/original/rules/CareerCard.h"
#include "qrvl/original/game/HeadlessGame.h"
#include "qrvl/original/rules/HouseCard.h"
#include "qrvl/original/rules/InstantChoices.h"
#include "qrvl/original/rules/RulesEngine.h"

#include "norv/vfs/Vfs.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace {

// The wheel always stops on this number: a large wedding gift, a pension of
// 90000 and investment number 8 (index 8) paid.
constexpr int kWheel = 9;
// The bank, as a payer or payee of a case.
constexpr int kBank = -1;

class FixedWheel : public BoardPresenter {
public:
    int getValuePointedTo() override { return kWheel; }
};

class MoneyChecksTest : public testing::Test {
protected:
    void SetUp() override
    {
        Norv::Vfs::Initialize();
        Norv::MountNative(BOARD_DATA_DIR, "", 0);
        RulesEngine::install(&engine);
        game = std::make_unique<HeadlessGame>(3, 1, wheel, answers);
        // Seat 0 the mechanic, with room in its cash for every amount.
        game->players[0].takeJob(CareerCard::create(3), false);
        game->players[0].transactCash(1000000);
        Check();
    }
    // The checks from here on, from each player's present cash.
    void Check()
    {
        checks = std::make_unique<MoneyChecks>(*game);
        checks->restartFromPresentCash();
    }
    void TearDown() override
    {
        checks.reset();
        game.reset();
        RulesEngine::install(nullptr);
        Norv::Vfs::Shutdown();
    }

    // Seat 0's car on the first space of the type (and, with a value wanted, of that value), and its turn.
    void StandOn(int type, std::function<bool(int)> value = {})
    {
        for (int i = 0; i < Board::kNumSpaces; ++i) {
            const BoardSpace* space = game->board->getSpace(i);
            if (space->type == type && (!value || value(space->value))) {
                game->putCar(0, i);
                game->board->setCurrPlayer(0);
                return;
            }
        }
        FAIL() << "no space of type " << type;
    }
    // A spin of seat 0 that leaves the wheel's number with the board.
    void Spin()
    {
        game->putCar(0, 0);
        game->spinAndRun(0, 1);
    }
    int SpaceValue() const { return game->cars[0].GetCurrentSpace()->value; }
    Player* Seat(int seat) { return seat == kBank ? nullptr : &game->players[seat]; }
    void Move(int payer, int payee, int amount, MoneyCause cause)
    {
        if (payer == kBank)
            Seat(payee)->transactCash(amount, cause);
        else if (payee == kBank)
            Seat(payer)->transactCash(-amount, cause);
        else
            Seat(payer)->payTo(Seat(payee), amount, cause);
    }

    RulesEngine engine;
    FixedWheel wheel;
    InstantChoices answers;
    std::unique_ptr<HeadlessGame> game;
    std::unique_ptr<MoneyChecks> checks;
};

TEST_F(MoneyChecksTest, EachAmountPaidAtHalfIsReported)
{
    auto ownHouse = [this](int id) {
        return [this, id] {
            game->players[0].buyHouse(HouseCard::create(id));
        };
    };
    struct Case {
        MoneyCause cause;
        std::function<void()> setUp;
        int payer;
        int payee;
        // What the rules give, once set up.
        std::function<int()> due;
        const char* reported;
    };
    const Case cases[] = {
        {MoneyCause::Salary, [this] { StandOn(BoardSpace::PD); }, kBank, 0, [] { return 30000; }, "salary"},
        {MoneyCause::Taxes, [this] { StandOn(BoardSpace::TX); }, 0, kBank, [] { return 10000; }, "tax"},
        {MoneyCause::SpacePayment, [this] { StandOn(BoardSpace::PB); }, 0, kBank,
         [this] { return SpaceValue(); }, "space asks"},
        {MoneyCause::SpacePayment,
         [this] {
             game->players[0].addSpouse();
             game->players[0].addChild(0);
             game->players[0].addChild(1);
             StandOn(BoardSpace::PC, [](int value) { return value == (10000 << 16 | 5000); });
         },
         0, kBank, [] { return 10000 + 2 * 5000; }, "space asks"},
        {MoneyCause::SpaceCollection, [this] { StandOn(BoardSpace::CB); }, kBank, 0,
         [this] { return SpaceValue(); }, "space pays"},
        {MoneyCause::TileSpaceFee, [this] { StandOn(BoardSpace::HL, [](int value) { return value > 0; }); }, 0, kBank,
         [this] { return SpaceValue(); }, "fee"},
        {MoneyCause::CollegeFee, [this] { StandOn(BoardSpace::B5); }, 0, kBank, [] { return 50000; }, "50000"},
        {MoneyCause::Lawsuit, [this] { StandOn(BoardSpace::LS); }, 1, 0, [] { return 100000; }, "100000"},
        {MoneyCause::ShareTheWealth, [this] { StandOn(BoardSpace::CB); }, 0, 2,
         [this] { return SpaceValue() / 2; }, "half"},
        {MoneyCause::InvestmentPurchase, [] {}, 0, kBank, [] { return 10000; }, "10000"},
        {MoneyCause::InvestmentPrize,
         [this] {
             Spin();
             game->players[0].setInvestment(kWheel - 1);
         },
         kBank, 0, [] { return 5000; }, "5000"},
        {MoneyCause::HouseBought, ownHouse(2), 0, kBank, [] { return 120000; }, "price"},
        {MoneyCause::HouseSold, ownHouse(2), kBank, 0, [] { return 140000; }, "sale value"},
        {MoneyCause::WeddingGift,
         [this] {
             Spin();
             game->board->setCurrPlayer(0);
         },
         1, 0, [] { return 10000; }, "gift the wheel names"},
        {MoneyCause::BabyGift, [this] { game->board->setCurrPlayer(0); }, 2, 0, [] { return 5000; }, "5000"},
        {MoneyCause::DayCare,
         [this] {
             game->players[1].addSpouse();
             game->players[1].addChild(0);
             game->players[1].addChild(0);
             StandOn(BoardSpace::OC);
         },
         1, 0, [this] { return 2 * SpaceValue(); }, "per child"},
        {MoneyCause::Pension,
         [this] {
             Spin();
             StandOn(BoardSpace::PN);
         },
         kBank, 0, [] { return kWheel * 10000; }, "pension"},
        {MoneyCause::SpinToWinPrize, [this] { StandOn(BoardSpace::S2); }, kBank, 0, [] { return 10 * 15000; }, "stake"},
        {MoneyCause::SpinToWinStake, [this] { StandOn(BoardSpace::S2); }, 0, kBank, [] { return 15000; }, "stake"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(MoneyCauseName(c.cause));
        TearDown();
        SetUp();
        c.setUp();
        int const due = c.due();
        Move(c.payer, c.payee, due, c.cause);
        EXPECT_EQ("", checks->breach());
        Move(c.payer, c.payee, due / 2, c.cause);
        EXPECT_NE(std::string::npos, checks->breach().find(c.reported)) << checks->breach();
        EXPECT_NE(std::string::npos, checks->breach().find(MoneyCauseName(c.cause))) << checks->breach();
    }
}

TEST_F(MoneyChecksTest, MoneyWithoutACauseIsReported)
{
    game->players[1].transactCash(5000);
    EXPECT_NE(std::string::npos, checks->breach().find("no rule naming its cause")) << checks->breach();
}

TEST_F(MoneyChecksTest, ALoanTakenWithCashInHandIsReported)
{
    StandOn(BoardSpace::LS);
    Move(1, 0, 100000, MoneyCause::Lawsuit);
    EXPECT_EQ(5, game->players[1].getLoans());
    EXPECT_EQ("", checks->breach());
    checks->record({MoneyCause::Loan, nullptr, &game->players[1], Player::kLoanAmount});
    EXPECT_NE(std::string::npos, checks->breach().find("a loan taken with cash 10000")) << checks->breach();
}

TEST_F(MoneyChecksTest, CashTheLedgerDoesNotExplainIsReported)
{
    EXPECT_TRUE(checks->checkBalances());
    // An amount told to the ledger that never reached the player.
    game->board->setCurrPlayer(1);
    checks->record({MoneyCause::BabyGift, &game->players[2], &game->players[1], 5000});
    EXPECT_FALSE(checks->checkBalances());
    EXPECT_NE(std::string::npos, checks->breach().find("where the ledger explains")) << checks->breach();
}

TEST_F(MoneyChecksTest, AWrongRetirementWorthIsReported)
{
    Player& player = game->players[0];
    checks.reset();
    player.addSpouse();
    player.addChild(0);
    player.buyHouse(HouseCard::create(1));
    player.transactCash(-player.getCash() - 30000); // two loans
    Check();
    int const worth = game->retirementWorth(&player);
    EXPECT_EQ(player.getCash() + 10000 + 100000 - 2 * 25000, worth);
    EXPECT_TRUE(checks->checkRetirementWorth(0, worth));
    EXPECT_FALSE(checks->checkRetirementWorth(0, worth - 25000));
    EXPECT_NE(std::string::npos, checks->breach().find("retired worth")) << checks->breach();
}

} // namespace
