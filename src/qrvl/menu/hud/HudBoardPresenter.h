// The rules' presentation of transfers, shown by the HUD's transfer overlay.
// The rest of the presentation (messages, the wheel, the camera) is the
// in-game layer's; it derives from this class to add it.
#pragma once

#include "qrvl/menu/hud/CGuifPageHudOverlay.h"
#include "qrvl/original/rules/BoardPresenter.h"

namespace qrvl {

class HudBoardPresenter : public BoardPresenter {
public:
    explicit HudBoardPresenter(CGuifPageHudOverlay& overlay);

    void setupPlayerOrder(Player** order, int count) override;
    void setCurrentPlayer(Player* player) override;
    // The rules call these before they move the money, and move tiles
    // between players before they ask.
    int enterMoneyTransferWithBank(int character, int amount) override;
    int enterMoneyTransferWithPlayer(int other, int amount) override;
    int enterMoneyTransferSTWPay(int payee, int payer, int amount) override;
    int enterQuorvelCardTransferFromBank(int value) override;
    int enterQuorvelCardTransferWithPlayer(int from, int value) override;
    // The overlay moves this money as each payer's leg ends.
    int enterMoneyTransferWithAllPlayers(int amount, bool perChild) override;
    bool isInCashTransfer() const override;
    bool isAllPlayersPayInProgress() const override;
    // Slides do not run while skipping, so nothing waits for them then.
    bool isTransitioning() const override;
    // A line of the report shown after the computers' turns were skipped.
    void addToReport(const RuleMessage& message) override;

private:
    CGuifPageHudOverlay& overlay;
};

} // namespace qrvl
