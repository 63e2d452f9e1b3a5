// The queue of money and Quorvel tile transfers shown one after another on
// the HUD bar. Each request returns how long its caller should wait and is
// shown against the figures as they stood when it was made.
#pragma once

#include "qrvl/menu/hud/TransferDisplay.h"

#include <deque>
#include <functional>

class Player;

namespace qrvl {

class CGuifPageHudOverlay {
public:
    enum TransferMode {
        MoneyWithBank = 0,
        MoneyWithPlayer = 1,
        MoneyFromAllPlayers = 2,
        TileWithPlayer = 3,
        TileFromBank = 4,
        ShareTheWealthFirstLeg = 5,
        ShareTheWealthSecondLeg = 6,
        NoTransfer = 7,
    };

    // A game has at most six players, one per car colour.
    static constexpr int kMaxPlayers = 6;
    // A cash transfer: the notes fly, then the figure counts, then a rest.
    static constexpr int kFlyingMs = 850;
    static constexpr int kCountingMs = 2100;
    static constexpr int kCashTransferMs = 3800;
    // A tile transfer: the count changes halfway through the flight.
    static constexpr int kTileCountChangeMs = 1575;
    static constexpr int kTileTransferMs = 2950;
    // While skipping, queued transfers run in steps of this length.
    static constexpr int kSkipStepMs = 1000;

    explicit CGuifPageHudOverlay(TransferDisplay& display);

    // The players in turn order (kept, not owned); slot 0 becomes current.
    void SetupPlayerOrder(Player** players, unsigned count);
    // Makes the character current and drops the queued transfers; the
    // running one finishes.
    void SetCurrPlayer(int character);
    int GetCurrPlayer() const;

    // Requests; applied means the caller has already moved the money or tile.
    int EnterMoneyTransferWithPlayer(int other, int amount, bool applied);
    int EnterMoneyTransferWithBank(int who, int amount, bool applied);
    // The overlay moves this money itself, at the end of each payer's leg.
    int EnterMoneyTransferWithAllPlayers(int amount, bool perChild);
    int EnterQuorvelCardTransferWithPlayer(int other, bool toCurrent, int value, bool applied);
    int EnterQuorvelCardTransferFromBank(int value, bool applied);
    int EnterMoneyTransferSTWPay(int payee, int payer, int amount, bool applied);

    void Update(int ms);

    bool IsInTransfer() const { return mode != NoTransfer; }
    // Running or still queued.
    bool IsAllPlayersPayInProgress() const;
    bool IsInCashTransfer() const;
    // How much of the running amount the money figure shows by now.
    int GetCashTallyDelta() const;
    // The slot of a character, -1 when no player has it.
    int GetPlayerIndex(int character) const;
    size_t QueuedTransfers() const { return queue.size(); }

    bool visible = false;

private:
    // The figures a queued transfer starts from.
    struct LSTransferMemento {
        int tallies[kMaxPlayers];
        int currentTiles;
        int otherTiles;
        int restoreCharacter;
        int amount;
    };
    // Puts the overlay's figures back when a request is done with them.
    class MementoRAII {
    public:
        explicit MementoRAII(CGuifPageHudOverlay& overlay);
        ~MementoRAII();

    private:
        CGuifPageHudOverlay& overlay;
        LSTransferMemento memento;
    };
    struct TransferEntry {
        LSTransferMemento memento;
        std::function<void(CGuifPageHudOverlay&)> start;
        // Moves the money of a transfer dropped before it ran; empty for
        // transfers whose money the rules have moved.
        std::function<void(CGuifPageHudOverlay&)> settle;
    };

    void StoreToMemento(LSTransferMemento& memento) const;
    void RestoreFromMemento(LSTransferMemento const& memento);
    void Queue(std::function<void(CGuifPageHudOverlay&)> start);
    void DoNextTransfer();

    void _EnterMoneyTransferWithPlayer(int other, int amount);
    void _EnterMoneyTransferWithBank(int who, int amount);
    void _EnterMoneyTransferWithAllPlayers(int payee, int amount, bool perChild);
    void _EnterQuorvelCardTransferWithPlayer(int other, bool toCurrent);
    void _EnterQuorvelCardTransferFromBank();

    void UpdateState(int ms);
    void OnTransferCompleted();
    void SetNewTransferMode(TransferMode newMode, bool startHud);
    void SetNotInTransfer();
    void ShowNewTransferee();
    void ShowRealFigures();
    // The players other than the payee who pay, in turn order.
    int CollectPayers(int payee, bool perChild, int* out) const;
    int PayerAmount(int slot) const;
    void SettleAllPlayersPay(int payee, int value, bool byChild);
    Player* PlayerAt(int slot) const;

    TransferDisplay& display;
    std::deque<TransferEntry> queue;
    unsigned playerCount = 0;
    int currentSlot = 0;
    int restoreCharacter = -1;
    // The running all-players pay: who receives it (the player it was asked
    // for, even when the current player changes meanwhile) and who pays.
    int payeeSlot = 0;
    int payers[kMaxPlayers - 1];
    int payersLeft = 0;
    int baseAmount = 0;
    bool perChild = false;
    // Set by bank transfers of the current player: the money figure follows
    // the running transfer. Player transfers start out followed as well.
    bool followMoney = true;
    int colours[kMaxPlayers];
    int characters[kMaxPlayers];
    TransferMode mode = NoTransfer;
    Player** players = nullptr;
    int tallies[kMaxPlayers];
    int currentTiles = 0;
    int otherTiles = 0;
    int time = 0;
    int otherSlot = 0;
    int amount = 0;
};

} // namespace qrvl
