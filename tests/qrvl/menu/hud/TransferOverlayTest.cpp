// The transfer queue: lengths returned, order, the figures each transfer
// starts from, the all-players pay and the run-through while skipping.
#include "qrvl/menu/hud/CGuifPageHudOverlay.h"
#include "qrvl/menu/hud/HudBoardPresenter.h"
#include "qrvl/menu/screens/HudTransitions.h"

#include "qrvl/original/rules/Player.h"
#include "qrvl/original/framework/PresentationHooks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using qrvl::CGuifPageHudOverlay;

namespace {

// What the HUD bar was asked to show, in order.
class ShownOnBar : public qrvl::TransferDisplay {
public:
    void StartTransfer(int mode, int amount) override { Log("start " + std::to_string(mode) + " " + std::to_string(amount)); }
    void ShowTransferElements(int colour, int character) override
    {
        Log("tab " + std::to_string(colour) + " " + std::to_string(character));
    }
    void HideTransferElements() override { Log("hide"); }
    void SetPlayerMoney(int amount) override { money = amount; }
    void SetPlayerQuorvelCardCount(int count) override { tiles = count; }

    void Log(std::string const& line) { calls.push_back(line); }

    std::vector<std::string> calls;
    int money = -1;
    int tiles = -1;
};

class Skipping : public PresentationHooks {
public:
    explicit Skipping(bool& on) : on(on) {}
    bool IsSkipping() override { return on; }

private:
    bool& on;
};

class TransferOverlay : public ::testing::Test {
protected:
    void SetUp() override
    {
        PresentationHooks::Install(new Skipping(skipping));
        // Colours 2, 0, 5 with characters 3, 7, 1.
        int const looks[3][2] = {{2, 3}, {0, 7}, {5, 1}};
        for (int i = 0; i < 3; ++i) {
            players[i].init(looks[i][0], "P", 0, false, false, nullptr, looks[i][1]);
            order[i] = &players[i];
        }
        overlay.SetupPlayerOrder(order, 3);
    }
    void TearDown() override { PresentationHooks::Install(nullptr); }

    void Run(int ms, int frame = 50)
    {
        for (int t = 0; t < ms; t += frame)
            overlay.Update(frame);
    }

    bool skipping = false;
    Player players[3];
    Player* order[3];
    ShownOnBar bar;
    CGuifPageHudOverlay overlay{bar};
};

} // namespace

TEST_F(TransferOverlay, RequestsReturnHowLongToWait)
{
    EXPECT_EQ(overlay.EnterMoneyTransferWithBank(3, 500, false), 3800);
    EXPECT_EQ(overlay.EnterMoneyTransferWithPlayer(7, 200, false), 3800);
    EXPECT_EQ(overlay.EnterQuorvelCardTransferFromBank(0, false), 2950);
    EXPECT_EQ(overlay.EnterQuorvelCardTransferWithPlayer(1, true, 0, false), 0);
    EXPECT_EQ(overlay.EnterMoneyTransferSTWPay(3, 7, 100, false), 7600);
    EXPECT_EQ(overlay.EnterMoneyTransferWithAllPlayers(1000, false), 2 * 3800);
    EXPECT_EQ(overlay.QueuedTransfers(), 7u);
    // Nobody pays per child without children; strangers get nothing queued.
    EXPECT_EQ(overlay.EnterMoneyTransferWithAllPlayers(1000, true), -1);
    EXPECT_EQ(overlay.EnterMoneyTransferWithPlayer(9, 200, false), 0);
    EXPECT_EQ(overlay.EnterQuorvelCardTransferWithPlayer(9, true, 0, false), 0);
    EXPECT_EQ(overlay.QueuedTransfers(), 7u);
}

TEST_F(TransferOverlay, BankTransfersRunInOrderFromTheFiguresOfTheirRequest)
{
    overlay.EnterMoneyTransferWithBank(3, 500, false);
    players[0].transactCash(500);
    overlay.EnterMoneyTransferWithBank(3, -2000, false);
    players[0].transactCash(-2000);

    overlay.Update(0);
    EXPECT_TRUE(overlay.IsInCashTransfer());
    EXPECT_EQ(bar.calls, (std::vector<std::string>{"start 0 500", "tab -1 -1"}));
    Run(850);
    EXPECT_EQ(bar.money, 10000);
    Run(1050);
    EXPECT_EQ(bar.money, 10250);
    Run(1900);
    overlay.Update(0);
    // The second starts from 10500, the figure when it was requested.
    EXPECT_EQ(bar.calls.back(), "tab -1 -1");
    EXPECT_EQ(bar.calls[bar.calls.size() - 2], "start 0 -2000");
    Run(850);
    EXPECT_EQ(bar.money, 10500);
    Run(3000);
    EXPECT_FALSE(overlay.IsInTransfer());
    EXPECT_EQ(bar.money, 8500);
}

TEST_F(TransferOverlay, CashTallyCountsOverTwoPointOneSeconds)
{
    overlay.EnterMoneyTransferWithBank(3, 2100, false);
    overlay.Update(0);
    struct Case {
        int at;
        int delta;
    } const cases[] = {{849, 0}, {850, 0}, {1900, 1050}, {2949, 2099}, {2950, 2100}, {3799, 2100}};
    int now = 0;
    for (Case const& c : cases) {
        overlay.Update(c.at - now);
        now = c.at;
        EXPECT_EQ(overlay.GetCashTallyDelta(), c.delta) << c.at;
    }
    overlay.Update(1);
    EXPECT_FALSE(overlay.IsInTransfer());
}

TEST_F(TransferOverlay, AnotherPlayersBankTransferSwitchesSilentlyAndBack)
{
    overlay.EnterMoneyTransferWithBank(7, 300, false);
    overlay.Update(0);
    EXPECT_EQ(overlay.GetCurrPlayer(), 7);
    EXPECT_EQ(bar.calls, std::vector<std::string>{});
    Run(3800);
    EXPECT_EQ(overlay.GetCurrPlayer(), 3);
    EXPECT_FALSE(overlay.IsInTransfer());
}

TEST_F(TransferOverlay, AllPlayersPayLastPayerFirstMovingMoneyAtEachLeg)
{
    players[1].addSpouse();
    players[1].addChild(0);
    players[2].addSpouse();
    players[2].addChild(1);
    players[2].addChild(0);
    EXPECT_EQ(overlay.EnterMoneyTransferWithAllPlayers(100, true), 7600);
    overlay.Update(0);
    EXPECT_TRUE(overlay.IsAllPlayersPayInProgress());
    EXPECT_EQ(bar.calls, (std::vector<std::string>{"start 2 200", "tab 5 1"}));
    int lowest = 1 << 30;
    for (int t = 0; t < 3800; t += 50) {
        overlay.Update(50);
        if (t >= 1000)
            lowest = std::min(lowest, bar.money);
    }
    EXPECT_EQ(players[0].getCash(), 10200);
    EXPECT_EQ(players[2].getCash(), 9800);
    EXPECT_EQ(bar.calls.back(), "start 2 100");
    EXPECT_EQ(bar.calls[bar.calls.size() - 2], "tab 0 7");
    for (int t = 0; t < 3800; t += 50) {
        overlay.Update(50);
        lowest = std::min(lowest, bar.money);
    }
    EXPECT_FALSE(overlay.IsInTransfer());
    // The figure never fell back between the legs.
    EXPECT_GE(lowest, 10000);
    EXPECT_EQ(bar.money, 10300);
    EXPECT_EQ(players[0].getCash(), 10300);
    EXPECT_EQ(players[1].getCash(), 9900);
}

TEST_F(TransferOverlay, TileFromBankCountsUpHalfwayThrough)
{
    overlay.EnterQuorvelCardTransferFromBank(0, false);
    overlay.Update(0);
    EXPECT_EQ(bar.calls, (std::vector<std::string>{"start 4 1", "tab -1 -1"}));
    overlay.Update(1574);
    EXPECT_EQ(bar.tiles, 0);
    overlay.Update(1);
    EXPECT_EQ(bar.tiles, 1);
    overlay.Update(1374);
    EXPECT_TRUE(overlay.IsInTransfer());
    overlay.Update(1);
    EXPECT_FALSE(overlay.IsInTransfer());
}

TEST_F(TransferOverlay, TileGivenAwayFliesTheOtherWay)
{
    overlay.EnterQuorvelCardTransferWithPlayer(1, false, 0, false);
    overlay.Update(0);
    EXPECT_EQ(bar.calls, (std::vector<std::string>{"start 3 -1", "tab 5 1"}));
    overlay.Update(1600);
    EXPECT_EQ(bar.tiles, -1);
}

TEST_F(TransferOverlay, ChangingPlayerDropsQueuedTransfersButFinishesTheRunningOne)
{
    overlay.EnterMoneyTransferWithBank(3, 100, false);
    overlay.EnterMoneyTransferWithBank(3, 100, false);
    overlay.Update(0);
    overlay.SetCurrPlayer(7);
    EXPECT_EQ(overlay.QueuedTransfers(), 0u);
    EXPECT_TRUE(overlay.IsInTransfer());
    overlay.SetCurrPlayer(9);
    EXPECT_EQ(overlay.GetCurrPlayer(), 7);
}

TEST_F(TransferOverlay, SkippingRunsTheWholeQueueWithinOneUpdate)
{
    overlay.EnterMoneyTransferWithBank(3, 100, false);
    overlay.EnterQuorvelCardTransferFromBank(0, false);
    overlay.EnterMoneyTransferWithAllPlayers(50, false);
    skipping = true;
    overlay.Update(16);
    EXPECT_FALSE(overlay.IsInTransfer());
    EXPECT_EQ(overlay.QueuedTransfers(), 0u);
    EXPECT_EQ(players[0].getCash(), 10100);
    EXPECT_EQ(players[1].getCash(), 9950);
    EXPECT_EQ(players[2].getCash(), 9950);
}

TEST_F(TransferOverlay, NothingRunsBeforeThePlayersAreKnown)
{
    ShownOnBar otherBar;
    CGuifPageHudOverlay fresh(otherBar);
    EXPECT_EQ(fresh.EnterMoneyTransferWithBank(3, 100, false), 0);
    EXPECT_EQ(fresh.EnterQuorvelCardTransferFromBank(0, false), 0);
    fresh.Update(100);
    EXPECT_FALSE(fresh.IsInTransfer());
}

TEST_F(TransferOverlay, MorePlayersThanCarsAreCutToSix)
{
    Player extra[7];
    Player* many[7];
    for (int i = 0; i < 7; ++i) {
        extra[i].init(i % 6, "X", 0, false, false, nullptr, i);
        many[i] = &extra[i];
    }
    overlay.SetupPlayerOrder(many, 7);
    EXPECT_EQ(overlay.GetPlayerIndex(5), 5);
    EXPECT_EQ(overlay.GetPlayerIndex(6), -1);
    EXPECT_EQ(overlay.EnterMoneyTransferWithAllPlayers(10, false), 5 * 3800);
}

TEST_F(TransferOverlay, TheRulesPresenterQueuesOnTheOverlay)
{
    qrvl::HudBoardPresenter presenter(overlay);
    presenter.setupPlayerOrder(order, 3);
    presenter.setCurrentPlayer(&players[1]);
    EXPECT_EQ(overlay.GetCurrPlayer(), 7);
    // The all-players pay moves no money until its legs end.
    EXPECT_EQ(presenter.enterMoneyTransferWithAllPlayers(100, false), 7600);
    EXPECT_EQ(players[1].getCash(), 10000);
    overlay.Update(0);
    EXPECT_TRUE(presenter.isAllPlayersPayInProgress());
    EXPECT_TRUE(presenter.isInCashTransfer());
    Run(7600);
    EXPECT_FALSE(presenter.isInCashTransfer());
    EXPECT_EQ(players[1].getCash(), 10200);
}

TEST_F(TransferOverlay, TheRulesWaitForSlidesExceptWhileSkipping)
{
    qrvl::HudBoardPresenter presenter(overlay);
    qrvl::HudTransitions::Clear();
    EXPECT_FALSE(presenter.isTransitioning());
    qrvl::HudTransitions::NotifyTransitionStart();
    EXPECT_TRUE(presenter.isTransitioning());
    skipping = true;
    EXPECT_FALSE(presenter.isTransitioning());
    qrvl::HudTransitions::Clear();
}

TEST_F(TransferOverlay, AQueuedAllPlayersPayIsSettledWhenTheCurrentPlayerChanges)
{
    // A bank transfer runs; the all-players pay waits behind it.
    overlay.EnterMoneyTransferWithBank(3, 500, false);
    overlay.Update(0);
    EXPECT_EQ(overlay.EnterMoneyTransferWithAllPlayers(300, false), 2 * 3800);
    EXPECT_TRUE(overlay.IsAllPlayersPayInProgress());

    overlay.SetCurrPlayer(7);
    EXPECT_EQ(overlay.QueuedTransfers(), 0u);
    EXPECT_FALSE(overlay.IsAllPlayersPayInProgress());
    EXPECT_EQ(players[0].getCash(), 10600);
    EXPECT_EQ(players[1].getCash(), 9700);
    EXPECT_EQ(players[2].getCash(), 9700);
    // Nothing is paid twice once the bank transfer has run out.
    Run(2 * 3800);
    EXPECT_EQ(players[0].getCash(), 10600);
}

TEST_F(TransferOverlay, ARunningAllPlayersPayKeepsItsPayeeWhenTheCurrentPlayerChanges)
{
    EXPECT_EQ(overlay.EnterMoneyTransferWithAllPlayers(300, false), 2 * 3800);
    overlay.Update(0);
    EXPECT_TRUE(overlay.IsAllPlayersPayInProgress());
    Run(1000);

    overlay.SetCurrPlayer(7);
    Run(2 * 3800);
    EXPECT_FALSE(overlay.IsAllPlayersPayInProgress());
    EXPECT_EQ(players[0].getCash(), 10600);
    EXPECT_EQ(players[1].getCash(), 9700);
    EXPECT_EQ(players[2].getCash(), 9700);
}
