// The money the rules move, each amount told with its cause to a ledger
// that a checker installs (the simulator does). The game installs none, and
// then a move costs one test of a pointer.
#pragma once

class Player;

enum class MoneyCause {
    // Paid by the in-game flow on the board's request (wedding gifts, baby
    // gifts, day care, pensions): the board's state names the cause.
    BoardRequest,
    // Nothing named the cause: a move the rules do not account for.
    Unexplained,
    Salary,          // a pay day or pay raise space, reached or passed
    Taxes,
    TaxRefund,
    SpacePayment,    // a space that makes the player pay the bank, flat or per child
    SpaceCollection, // a space that pays the player
    TileSpaceFee,    // what a Quorvel tile space costs before the tile
    CollegeFee,
    Lawsuit,
    ShareTheWealth,  // half of a payment or collection, moved by a card
    Loan,
    InvestmentPurchase,
    InvestmentPrize,
    HouseBought,
    HouseSold,
    WeddingGift,
    BabyGift,
    DayCare,
    Pension,
    SpinToWinPrize,
    SpinToWinStake,
};

const char* MoneyCauseName(MoneyCause cause);

// One amount moved: from the payer to the payee, where null is the bank.
struct MoneyMove {
    MoneyCause cause;
    const Player* payer;
    const Player* payee;
    int amount;
};

class MoneyLedger {
public:
    virtual ~MoneyLedger() = default;
    // Told before the money moves: the players' state is still as the rule
    // found it.
    virtual void record(const MoneyMove& move) = 0;

    // Per thread, as each simulated game runs on one thread; null removes it.
    static void install(MoneyLedger* ledger);
    static MoneyLedger* installed();
};
