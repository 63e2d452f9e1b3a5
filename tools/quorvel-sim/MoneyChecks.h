// The simulator's ledger: every amount the rules move, checked as it moves
// against what the rules' text gives for the space, card or state that moved
// it, and every player's cash against the ledger's sum after each turn.
#pragma once

#include "qrvl/original/rules/Board.h"
#include "qrvl/original/rules/MoneyLedger.h"

#include <string>

class HeadlessGame;

class MoneyChecks : public MoneyLedger {
public:
    // Installs itself for the calling thread; the game's players start with
    // the starting cash.
    explicit MoneyChecks(HeadlessGame& game);
    ~MoneyChecks() override;
    MoneyChecks(const MoneyChecks&) = delete;
    MoneyChecks& operator=(const MoneyChecks&) = delete;

    void record(const MoneyMove& move) override;
    // After a turn: each player's cash is the starting cash and what the
    // ledger moved; false and a breach when not.
    bool checkBalances();
    // At the end: the worth the rules give a retired player.
    bool checkRetirementWorth(int seat, int worthGiven);
    // Starts the sums again from each player's present cash (a loaded game).
    void restartFromPresentCash();

    // The first amount or balance that broke a rule; empty while none did.
    const std::string& breach() const { return firstBreach; }
    long moves() const { return recorded; }

private:
    std::string judge(const MoneyMove& move) const;
    void report(const std::string& what);

    HeadlessGame& game;
    MoneyLedger* previous;
    // Each seat's cash as the ledger explains it.
    int expectedCash[Board::kMaxPlayers] = {};
    long recorded = 0;
    std::string firstBreach;
};
