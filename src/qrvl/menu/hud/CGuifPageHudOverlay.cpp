// The transfer queue, its timing and what it shows on the HUD bar.
#include "qrvl/menu/hud/CGuifPageHudOverlay.h"

#include "qrvl/original/rules/Player.h"
#include "qrvl/original/framework/PresentationHooks.h"

#include <algorithm>
#include <cstdio>

namespace qrvl {

CGuifPageHudOverlay::CGuifPageHudOverlay(TransferDisplay& display)
    : display(display)
{
    std::fill(std::begin(payers), std::end(payers), -1);
    std::fill(std::begin(colours), std::end(colours), 0);
    std::fill(std::begin(characters), std::end(characters), -1);
    std::fill(std::begin(tallies), std::end(tallies), -1);
}

void CGuifPageHudOverlay::SetupPlayerOrder(Player** order, unsigned count)
{
    if (count > kMaxPlayers) {
        std::fprintf(stderr, "HUD overlay: %u players, showing the first %d\n", count, kMaxPlayers);
        count = kMaxPlayers;
    }
    players = order;
    playerCount = count;
    for (int slot = 0; slot < kMaxPlayers; ++slot) {
        Player* player = PlayerAt(slot);
        colours[slot] = player ? player->getColor() : 0;
        characters[slot] = player ? player->getCharacter() : -1;
    }
    currentSlot = 0;
}

void CGuifPageHudOverlay::SetCurrPlayer(int character)
{
    int const slot = GetPlayerIndex(character);
    if (slot < 0)
        return;
    currentSlot = slot;
    // The other transfers only show money the rules have already moved;
    // an all-players pay moves its own, so it is settled rather than lost.
    for (TransferEntry const& entry : queue)
        if (entry.settle)
            entry.settle(*this);
    queue.clear();
}

int CGuifPageHudOverlay::GetCurrPlayer() const
{
    return characters[currentSlot];
}

int CGuifPageHudOverlay::GetPlayerIndex(int character) const
{
    if (character < 0)
        return -1;
    for (unsigned slot = 0; slot < playerCount; ++slot)
        if (characters[slot] == character)
            return static_cast<int>(slot);
    return -1;
}

Player* CGuifPageHudOverlay::PlayerAt(int slot) const
{
    if (!players || slot < 0 || static_cast<unsigned>(slot) >= playerCount)
        return nullptr;
    return players[slot];
}

bool CGuifPageHudOverlay::IsInCashTransfer() const
{
    return mode != NoTransfer && mode != TileWithPlayer && mode != TileFromBank;
}

int CGuifPageHudOverlay::GetCashTallyDelta() const
{
    if (!IsInCashTransfer())
        return amount;
    if (time < kFlyingMs)
        return 0;
    if (time < kFlyingMs + kCountingMs)
        return (time - kFlyingMs) * amount / kCountingMs;
    return amount;
}

// Requests: set the starting figures, queue, and let the guard restore.

int CGuifPageHudOverlay::EnterMoneyTransferWithPlayer(int other, int value, bool applied)
{
    int const slot = GetPlayerIndex(other);
    Player* current = PlayerAt(currentSlot);
    if (slot < 0 || !current)
        return 0;
    MementoRAII guard(*this);
    int const moved = applied ? value : 0;
    tallies[currentSlot] = current->getCash() - moved;
    tallies[slot] = PlayerAt(slot)->getCash() + moved;
    Queue([other, value](CGuifPageHudOverlay& self) { self._EnterMoneyTransferWithPlayer(other, value); });
    return kCashTransferMs;
}

int CGuifPageHudOverlay::EnterMoneyTransferWithBank(int who, int value, bool applied)
{
    int const slot = GetPlayerIndex(who);
    if (slot < 0)
        return 0;
    MementoRAII guard(*this);
    tallies[slot] = PlayerAt(slot)->getCash() - (applied ? value : 0);
    Queue([who, value](CGuifPageHudOverlay& self) { self._EnterMoneyTransferWithBank(who, value); });
    return kCashTransferMs;
}

int CGuifPageHudOverlay::EnterMoneyTransferWithAllPlayers(int value, bool byChild)
{
    int found[kMaxPlayers - 1];
    int const count = CollectPayers(currentSlot, byChild, found);
    if (count == 0)
        return -1;
    MementoRAII guard(*this);
    for (unsigned slot = 0; slot < playerCount; ++slot)
        tallies[slot] = PlayerAt(slot)->getCash();
    int const payee = currentSlot;
    Queue([payee, value, byChild](CGuifPageHudOverlay& self) {
        self._EnterMoneyTransferWithAllPlayers(payee, value, byChild);
    });
    queue.back().settle = [payee, value, byChild](CGuifPageHudOverlay& self) {
        self.SettleAllPlayersPay(payee, value, byChild);
    };
    return kCashTransferMs * count;
}

int CGuifPageHudOverlay::EnterQuorvelCardTransferWithPlayer(int other, bool toCurrent, int, bool applied)
{
    int const slot = GetPlayerIndex(other);
    Player* current = PlayerAt(currentSlot);
    if (slot < 0 || !current)
        return 0;
    MementoRAII guard(*this);
    int const moved = applied ? (toCurrent ? 1 : -1) : 0;
    currentTiles = current->getNumQuorvelCards() - moved;
    otherTiles = PlayerAt(slot)->getNumQuorvelCards() + moved;
    Queue([other, toCurrent](CGuifPageHudOverlay& self) { self._EnterQuorvelCardTransferWithPlayer(other, toCurrent); });
    return 0;
}

int CGuifPageHudOverlay::EnterQuorvelCardTransferFromBank(int, bool applied)
{
    Player* current = PlayerAt(currentSlot);
    if (!current)
        return 0;
    MementoRAII guard(*this);
    currentTiles = current->getNumQuorvelCards() - (applied ? 1 : 0);
    Queue([](CGuifPageHudOverlay& self) { self._EnterQuorvelCardTransferFromBank(); });
    return kTileTransferMs;
}

int CGuifPageHudOverlay::EnterMoneyTransferSTWPay(int payee, int payer, int value, bool)
{
    EnterMoneyTransferWithBank(payer, -value, false);
    EnterMoneyTransferWithBank(payee, value, false);
    return 2 * kCashTransferMs;
}

// The queue.

void CGuifPageHudOverlay::StoreToMemento(LSTransferMemento& memento) const
{
    std::copy(tallies, tallies + playerCount, memento.tallies);
    memento.currentTiles = currentTiles;
    memento.otherTiles = otherTiles;
    memento.restoreCharacter = restoreCharacter;
    memento.amount = amount;
}

void CGuifPageHudOverlay::RestoreFromMemento(LSTransferMemento const& memento)
{
    std::copy(memento.tallies, memento.tallies + playerCount, tallies);
    currentTiles = memento.currentTiles;
    otherTiles = memento.otherTiles;
    restoreCharacter = memento.restoreCharacter;
    amount = memento.amount;
}

CGuifPageHudOverlay::MementoRAII::MementoRAII(CGuifPageHudOverlay& overlay)
    : overlay(overlay)
{
    overlay.StoreToMemento(memento);
}

CGuifPageHudOverlay::MementoRAII::~MementoRAII()
{
    overlay.RestoreFromMemento(memento);
}

void CGuifPageHudOverlay::Queue(std::function<void(CGuifPageHudOverlay&)> start)
{
    TransferEntry entry;
    StoreToMemento(entry.memento);
    entry.start = std::move(start);
    queue.push_back(std::move(entry));
}

void CGuifPageHudOverlay::DoNextTransfer()
{
    TransferEntry entry = std::move(queue.front());
    queue.pop_front();
    RestoreFromMemento(entry.memento);
    entry.start(*this);
}

// The queued starts.

void CGuifPageHudOverlay::_EnterMoneyTransferWithPlayer(int other, int value)
{
    otherSlot = GetPlayerIndex(other);
    if (otherSlot < 0) {
        SetNotInTransfer();
        return;
    }
    amount = value;
    SetNewTransferMode(MoneyWithPlayer, true);
    ShowNewTransferee();
}

void CGuifPageHudOverlay::_EnterMoneyTransferWithBank(int who, int value)
{
    amount = value;
    restoreCharacter = GetCurrPlayer();
    if (who == GetCurrPlayer()) {
        SetNewTransferMode(MoneyWithBank, true);
        ShowNewTransferee();
        followMoney = true;
        return;
    }
    // Another player's money: taken in silence, with that player current.
    currentSlot = std::max(0, GetPlayerIndex(who));
    SetNewTransferMode(MoneyWithBank, false);
    followMoney = false;
}

void CGuifPageHudOverlay::_EnterMoneyTransferWithAllPlayers(int payee, int value, bool byChild)
{
    payeeSlot = payee;
    payersLeft = CollectPayers(payee, byChild, payers);
    if (payersLeft == 0)
        return;
    baseAmount = value;
    perChild = byChild;
    otherSlot = payers[payersLeft - 1];
    amount = PayerAmount(otherSlot);
    SetNewTransferMode(MoneyFromAllPlayers, true);
    ShowNewTransferee();
}

void CGuifPageHudOverlay::_EnterQuorvelCardTransferWithPlayer(int other, bool toCurrent)
{
    otherSlot = GetPlayerIndex(other);
    if (otherSlot < 0) {
        SetNotInTransfer();
        return;
    }
    amount = toCurrent ? 1 : -1;
    SetNewTransferMode(TileWithPlayer, true);
    ShowNewTransferee();
}

void CGuifPageHudOverlay::_EnterQuorvelCardTransferFromBank()
{
    amount = 1;
    SetNewTransferMode(TileFromBank, true);
    ShowNewTransferee();
}

int CGuifPageHudOverlay::CollectPayers(int payee, bool byChild, int* out) const
{
    int count = 0;
    for (unsigned slot = 0; slot < playerCount; ++slot) {
        Player* player = PlayerAt(static_cast<int>(slot));
        if (static_cast<int>(slot) == payee || !player)
            continue;
        if (byChild && player->getNumChildren() == 0)
            continue;
        out[count++] = static_cast<int>(slot);
    }
    return count;
}

void CGuifPageHudOverlay::SettleAllPlayersPay(int payee, int value, bool byChild)
{
    Player* receiver = PlayerAt(payee);
    if (!receiver)
        return;
    int found[kMaxPlayers - 1];
    int const count = CollectPayers(payee, byChild, found);
    for (int k = 0; k < count; ++k) {
        Player* payer = PlayerAt(found[k]);
        int const due = byChild ? value * payer->getNumChildren() : value;
        payer->payTo(receiver, due);
    }
}

bool CGuifPageHudOverlay::IsAllPlayersPayInProgress() const
{
    if (mode == MoneyFromAllPlayers)
        return true;
    for (TransferEntry const& entry : queue)
        if (entry.settle)
            return true;
    return false;
}

int CGuifPageHudOverlay::PayerAmount(int slot) const
{
    return perChild ? baseAmount * PlayerAt(slot)->getNumChildren() : baseAmount;
}

// Running a transfer.

void CGuifPageHudOverlay::Update(int ms)
{
    if (!players)
        return;
    if (!PresentationHooks::Get().IsSkipping()) {
        UpdateState(ms);
        return;
    }
    while (!queue.empty() || mode != NoTransfer)
        UpdateState(kSkipStepMs);
}

void CGuifPageHudOverlay::UpdateState(int ms)
{
    switch (mode) {
    case MoneyWithBank:
    case MoneyWithPlayer:
    case MoneyFromAllPlayers:
    case ShareTheWealthFirstLeg:
    case ShareTheWealthSecondLeg:
        time += ms;
        if (followMoney)
            display.SetPlayerMoney(tallies[currentSlot] + GetCashTallyDelta());
        if (time >= kCashTransferMs)
            OnTransferCompleted();
        return;
    case TileWithPlayer:
    case TileFromBank:
        time += ms;
        display.SetPlayerQuorvelCardCount(currentTiles + (time >= kTileCountChangeMs ? amount : 0));
        if (time >= kTileTransferMs)
            OnTransferCompleted();
        return;
    case NoTransfer:
        if (!queue.empty())
            DoNextTransfer();
        else
            ShowRealFigures();
        return;
    }
}

void CGuifPageHudOverlay::OnTransferCompleted()
{
    if (mode == MoneyWithBank) {
        SetNotInTransfer();
        if (restoreCharacter >= 0 && restoreCharacter != GetCurrPlayer())
            currentSlot = std::max(0, GetPlayerIndex(restoreCharacter));
        restoreCharacter = -1;
        return;
    }
    if (mode != MoneyFromAllPlayers) {
        SetNotInTransfer();
        return;
    }
    --payersLeft;
    Player* payee = PlayerAt(payeeSlot);
    PlayerAt(otherSlot)->payTo(payee, amount);
    if (payersLeft == 0) {
        SetNotInTransfer();
        return;
    }
    tallies[payeeSlot] = payee->getCash();
    otherSlot = payers[payersLeft - 1];
    time = 0;
    amount = PayerAmount(otherSlot);
    ShowNewTransferee();
    display.StartTransfer(MoneyFromAllPlayers, amount);
}

void CGuifPageHudOverlay::SetNewTransferMode(TransferMode newMode, bool startHud)
{
    if (newMode == NoTransfer) {
        SetNotInTransfer();
        return;
    }
    time = 0;
    mode = newMode;
    if (startHud)
        display.StartTransfer(mode, amount);
}

void CGuifPageHudOverlay::SetNotInTransfer()
{
    mode = NoTransfer;
    display.HideTransferElements();
    ShowRealFigures();
}

void CGuifPageHudOverlay::ShowNewTransferee()
{
    if (mode == MoneyWithBank || mode == TileFromBank || mode == ShareTheWealthFirstLeg ||
        mode == ShareTheWealthSecondLeg)
        display.ShowTransferElements(-1, -1);
    else
        display.ShowTransferElements(colours[otherSlot], characters[otherSlot]);
}

void CGuifPageHudOverlay::ShowRealFigures()
{
    Player* current = PlayerAt(currentSlot);
    if (!followMoney || !current)
        return;
    display.SetPlayerMoney(current->getCash());
    display.SetPlayerQuorvelCardCount(current->getNumQuorvelCards());
}

} // namespace qrvl
