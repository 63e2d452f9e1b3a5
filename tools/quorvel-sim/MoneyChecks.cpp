// The simulator's ledger and the rules each amount is checked against.
#include "MoneyChecks.h"

#include "qrvl/original/rules/BoardSpace.h"
#include "qrvl/original/rules/Car.h"
#include "qrvl/original/rules/CareerCard.h"
#include "qrvl/original/game/HeadlessGame.h"
#include "qrvl/original/rules/HouseCard.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/rules/QuorvelCard.h"

namespace {

// The rules' amounts, written out again here so that a change of the rules'
// own constants shows as a breach rather than passing unseen.
constexpr int kLawsuit = 100000;
constexpr int kLoan = 20000;
constexpr int kCollegeFee = 50000;
constexpr int kInvestmentPrice = 10000;
constexpr int kInvestmentPrize = 5000;
constexpr int kBabyGift = 5000;
constexpr int kSmallWeddingGift = 5000;
constexpr int kLargeWeddingGift = 10000;
constexpr int kPensionPerNumber = 10000;
constexpr int kSpinToWinPrizeFactor = 10;
constexpr int kStakeStep = 5000;
constexpr int kLargestStake = 45000;
constexpr int kStartingCash = 10000;
constexpr int kWorthPerChild = 10000;
constexpr int kWorthPerLoan = 25000;
constexpr int kFirstChildSeat = 2;

int Children(const Player& player)
{
    int children = 0;
    for (int seat = kFirstChildSeat; seat < Player::kSeats && player.getCarOccupants()[seat] != -1; ++seat)
        ++children;
    return children;
}

const BoardSpace* SpaceOf(const Player* player)
{
    return player && player->getCar() ? player->getCar()->GetCurrentSpace() : nullptr;
}

bool On(const Player* player, std::initializer_list<int> types)
{
    const BoardSpace* space = SpaceOf(player);
    if (!space)
        return false;
    for (int type : types)
        if (space->type == type)
            return true;
    return false;
}

// What a space that makes its player pay or collect names as the amount; -1
// for a space that moves no such amount.
int SpaceAmount(const Player& player)
{
    const BoardSpace* space = SpaceOf(&player);
    if (!space)
        return -1;
    switch (space->type) {
    case BoardSpace::PB: case BoardSpace::HD: case BoardSpace::CB: case BoardSpace::WC:
        return space->value;
    case BoardSpace::PC: case BoardSpace::SF: case BoardSpace::HK:
        return (space->value >> 16) + Children(player) * (space->value & 0xFFFF);
    default:
        return -1;
    }
}

bool LegalStake(int stake, int cash)
{
    return stake > 0 && stake % kStakeStep == 0 && stake <= kLargestStake && stake <= cash;
}

std::string Expected(int due)
{
    return "; due " + std::to_string(due);
}

} // namespace

MoneyChecks::MoneyChecks(HeadlessGame& checked)
    : game(checked)
    , previous(MoneyLedger::installed())
{
    for (int& cash : expectedCash)
        cash = kStartingCash;
    MoneyLedger::install(this);
}

MoneyChecks::~MoneyChecks()
{
    MoneyLedger::install(previous);
}

void MoneyChecks::restartFromPresentCash()
{
    for (int i = 0; i < game.count; ++i)
        expectedCash[i] = game.players[i].getCash();
}

void MoneyChecks::report(const std::string& what)
{
    if (firstBreach.empty())
        firstBreach = what;
}

void MoneyChecks::record(const MoneyMove& move)
{
    ++recorded;
    int const payer = move.payer ? game.board->getPlayerIndex(move.payer) : -1;
    int const payee = move.payee ? game.board->getPlayerIndex(move.payee) : -1;
    if (payer >= 0)
        expectedCash[payer] -= move.amount;
    if (payee >= 0)
        expectedCash[payee] += move.amount;
    std::string const fault = judge(move);
    if (!fault.empty())
        report(std::string(MoneyCauseName(move.cause)) + " of " + std::to_string(move.amount) + " from "
               + (payer >= 0 ? "seat " + std::to_string(payer) : "the bank") + " to "
               + (payee >= 0 ? "seat " + std::to_string(payee) : "the bank") + ": " + fault);
}

std::string MoneyChecks::judge(const MoneyMove& move) const
{
    const Player* current = game.board->getCurrPlayer();
    const Player* fromPlayer = move.payer;
    const Player* toPlayer = move.payee;
    int const spin = game.board->getSpinnerValue();
    int const amount = move.amount;
    if (amount < 0)
        return "a negative amount";
    // Who moves money with the bank: exactly one side is a player.
    bool const fromBank = !fromPlayer && toPlayer;
    bool const toBank = fromPlayer && !toPlayer;
    bool const betweenPlayers = fromPlayer && toPlayer && fromPlayer != toPlayer;
    switch (move.cause) {
    case MoneyCause::BoardRequest:
    case MoneyCause::Unexplained:
        return "money moved with no rule naming its cause";
    case MoneyCause::Salary: {
        if (!fromBank || !On(toPlayer, {BoardSpace::PD, BoardSpace::PR}))
            return "a salary paid off a pay day";
        const CareerCard* career = toPlayer->getCareer();
        int const due = career ? career->salary + toPlayer->getRaise() : 0;
        return amount == due ? "" : "not the career's salary and raise" + Expected(due);
    }
    case MoneyCause::Taxes:
    case MoneyCause::TaxRefund: {
        bool const refund = move.cause == MoneyCause::TaxRefund;
        const Player* taxed = refund ? toPlayer : fromPlayer;
        if (!(refund ? fromBank : toBank) || !On(taxed, {BoardSpace::TX}) || (SpaceOf(taxed)->value == -1) != refund)
            return "taxes off their space";
        int const due = taxed->getCareer() ? taxed->getCareer()->tax : 0;
        return amount == due ? "" : "not the career's tax" + Expected(due);
    }
    case MoneyCause::SpacePayment: {
        if (!toBank || !On(fromPlayer, {BoardSpace::PB, BoardSpace::HD, BoardSpace::PC, BoardSpace::SF, BoardSpace::HK}))
            return "a payment off a paying space";
        int const due = SpaceAmount(*fromPlayer);
        return amount == due ? "" : "not what the space asks" + Expected(due);
    }
    case MoneyCause::SpaceCollection: {
        if (!fromBank || !On(toPlayer, {BoardSpace::CB, BoardSpace::WC}))
            return "a collection off a collecting space";
        int const due = SpaceAmount(*toPlayer);
        return amount == due ? "" : "not what the space pays" + Expected(due);
    }
    case MoneyCause::TileSpaceFee:
        if (!toBank || !On(fromPlayer, {BoardSpace::LF, BoardSpace::HL}))
            return "a tile fee off a tile space";
        return amount == SpaceOf(fromPlayer)->value ? "" : "not the space's fee" + Expected(SpaceOf(fromPlayer)->value);
    case MoneyCause::CollegeFee:
        if (!toBank || fromPlayer != current || !On(fromPlayer, {BoardSpace::B5}))
            return "a college fee off the start's fork";
        return amount == kCollegeFee ? "" : Expected(kCollegeFee).substr(2);
    case MoneyCause::Lawsuit:
        if (!betweenPlayers || toPlayer != current || !On(toPlayer, {BoardSpace::LS}))
            return "a lawsuit not won by the player on the lawsuit space";
        return amount == kLawsuit ? "" : Expected(kLawsuit).substr(2);
    case MoneyCause::ShareTheWealth: {
        if (!betweenPlayers || (fromPlayer != current && toPlayer != current))
            return "a card played without the current player";
        int const base = SpaceAmount(*current);
        if (base < 0)
            return "a card played off a paying or collecting space";
        return amount == base / 2 ? "" : "not half the space's amount" + Expected(base / 2);
    }
    case MoneyCause::Loan:
        if (!fromBank)
            return "a loan not from the bank";
        if (toPlayer->getCash() >= 0)
            return "a loan taken with cash " + std::to_string(toPlayer->getCash());
        return amount == kLoan ? "" : Expected(kLoan).substr(2);
    case MoneyCause::InvestmentPurchase:
        if (!toBank)
            return "an investment not bought from the bank";
        return amount == kInvestmentPrice ? "" : Expected(kInvestmentPrice).substr(2);
    case MoneyCause::InvestmentPrize: {
        if (!fromBank || toPlayer->getInvestment() != spin - 1)
            return "a prize for an investment the wheel did not name";
        for (int i = 0; i < game.board->getNumPlayers(); ++i) {
            const Player* holder = game.board->GetPlayer(i);
            if (holder != toPlayer && holder->getInvestment() == spin - 1)
                return "a prize for a number another player holds";
            if (holder == toPlayer)
                break;
        }
        return amount == kInvestmentPrize ? "" : Expected(kInvestmentPrize).substr(2);
    }
    case MoneyCause::HouseBought:
        if (!toBank || !fromPlayer->getHouse())
            return "a house paid for but not owned";
        return amount == fromPlayer->getHouse()->price ? "" : "not the house's price" + Expected(fromPlayer->getHouse()->price);
    case MoneyCause::HouseSold:
        if (!fromBank || !toPlayer->getHouse() || toPlayer->getHouse()->saleValue < 0)
            return "a sale of a house that cannot be sold";
        return amount == toPlayer->getHouse()->saleValue ? "" : "not the house's sale value" + Expected(toPlayer->getHouse()->saleValue);
    case MoneyCause::WeddingGift: {
        if (!betweenPlayers || toPlayer != current)
            return "a wedding gift not to the player who married";
        int const due = spin >= 8 ? kLargeWeddingGift : spin >= 5 ? kSmallWeddingGift : 0;
        return amount == due ? "" : "not the gift the wheel names" + Expected(due);
    }
    case MoneyCause::BabyGift:
        if (!betweenPlayers || toPlayer != current)
            return "a baby gift not to the player with the baby";
        return amount == kBabyGift ? "" : Expected(kBabyGift).substr(2);
    case MoneyCause::DayCare: {
        if (!betweenPlayers || toPlayer != current || !On(toPlayer, {BoardSpace::OC}))
            return "day care not paid to the player on the day care space";
        int const due = SpaceOf(toPlayer)->value * Children(*fromPlayer);
        return amount == due ? "" : "not the fee per child" + Expected(due);
    }
    case MoneyCause::Pension:
        if (!fromBank || toPlayer != current || !On(toPlayer, {BoardSpace::PN}))
            return "a pension not paid on the pension space";
        return amount == spin * kPensionPerNumber ? "" : "not the pension the wheel names" + Expected(spin * kPensionPerNumber);
    case MoneyCause::SpinToWinPrize:
        if (!fromBank || toPlayer != current || !On(toPlayer, {BoardSpace::S2}))
            return "a Spin to Win prize off its space";
        if (amount % kSpinToWinPrizeFactor != 0 || !LegalStake(amount / kSpinToWinPrizeFactor, toPlayer->getCash()))
            return "not ten times a stake the player could bet";
        return "";
    case MoneyCause::SpinToWinStake:
        if (!toBank || fromPlayer != current || !On(fromPlayer, {BoardSpace::S2}))
            return "a Spin to Win stake off its space";
        return LegalStake(amount, fromPlayer->getCash()) ? "" : "not a stake the player could bet";
    }
    return "an unknown cause";
}

bool MoneyChecks::checkBalances()
{
    for (int i = 0; i < game.count; ++i) {
        if (game.players[i].getCash() != expectedCash[i]) {
            report("seat " + std::to_string(i) + " has cash " + std::to_string(game.players[i].getCash())
                   + " where the ledger explains " + std::to_string(expectedCash[i]));
            return false;
        }
    }
    return true;
}

bool MoneyChecks::checkRetirementWorth(int seat, int worthGiven)
{
    const Player& player = game.players[seat];
    int due = player.getCash() + kWorthPerChild * Children(player) - kWorthPerLoan * player.getLoans();
    if (player.getHouse())
        due += player.getHouse()->price;
    for (const Card* tile = player.getQuorvelCards(); tile; tile = tile->next)
        due += static_cast<const QuorvelCard*>(tile)->value;
    if (worthGiven == due)
        return true;
    report("seat " + std::to_string(seat) + " retired worth " + std::to_string(worthGiven) + Expected(due));
    return false;
}
