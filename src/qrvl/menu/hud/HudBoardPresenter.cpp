// The rules' transfers handed to the HUD overlay.
#include "qrvl/menu/hud/HudBoardPresenter.h"

#include "qrvl/menu/hud/GuifHudManager.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/phone/world/CSkipManager.h"

namespace qrvl {

HudBoardPresenter::HudBoardPresenter(CGuifPageHudOverlay& overlay)
    : overlay(overlay)
{
}

void HudBoardPresenter::setupPlayerOrder(Player** order, int count)
{
    BoardPresenter::setupPlayerOrder(order, count);
    overlay.SetupPlayerOrder(order, count > 0 ? static_cast<unsigned>(count) : 0u);
}

void HudBoardPresenter::setCurrentPlayer(Player* player)
{
    BoardPresenter::setCurrentPlayer(player);
    if (player)
        overlay.SetCurrPlayer(player->getCharacter());
}

int HudBoardPresenter::enterMoneyTransferWithBank(int character, int amount)
{
    return overlay.EnterMoneyTransferWithBank(character, amount, false);
}

int HudBoardPresenter::enterMoneyTransferWithPlayer(int other, int amount)
{
    return overlay.EnterMoneyTransferWithPlayer(other, amount, false);
}

int HudBoardPresenter::enterMoneyTransferSTWPay(int payee, int payer, int amount)
{
    return overlay.EnterMoneyTransferSTWPay(payee, payer, amount, false);
}

int HudBoardPresenter::enterQuorvelCardTransferFromBank(int value)
{
    return overlay.EnterQuorvelCardTransferFromBank(value, false);
}

int HudBoardPresenter::enterQuorvelCardTransferWithPlayer(int from, int value)
{
    return overlay.EnterQuorvelCardTransferWithPlayer(from, true, value, true);
}

int HudBoardPresenter::enterMoneyTransferWithAllPlayers(int amount, bool perChild)
{
    return overlay.EnterMoneyTransferWithAllPlayers(amount, perChild);
}

bool HudBoardPresenter::isInCashTransfer() const
{
    return overlay.IsInCashTransfer();
}

bool HudBoardPresenter::isAllPlayersPayInProgress() const
{
    return overlay.IsAllPlayersPayInProgress();
}

bool HudBoardPresenter::isTransitioning() const
{
    return GuifHudManager::GetHudManager().IsTransitioning();
}

void HudBoardPresenter::addToReport(const RuleMessage& message)
{
    CSkipManager::GetSkipManager().AddToReport(LocaliseRuleMessage(message).c_str());
}

} // namespace qrvl
