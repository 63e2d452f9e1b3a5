// The turn as the in-game mode and games played without screens both play
// it: what the player does once the board has come to rest, whether a move
// gives another spin, what a wedding gift and a pension are worth, the
// career a player takes after losing a job, a computer player's investment
// and Share the Wealth cards, and what a player retires with.
#pragma once

class CardPile;
class Player;
struct CareerCard;
struct QuorvelCard;

namespace TurnRules {

// The investment numbers, and the owner of a number nobody holds.
constexpr int kInvestments = 10;
constexpr int kNoOwner = 6;

// What comes next in a turn once the board has come to rest.
enum class Step {
    EndTurn,      // the turn passes on
    SpinAgain,    // a stop space, or the board asks for another spin
    SpinToWin,    // the player spins the Spin to Win wheel
    LostJob,      // the player takes a new career and gives the old one back
    SpinForFirst, // a spin for first place has its number
    WeddingSpin,  // the newly-wed spins for the gifts
    WeddingGifts, // every other player pays the gift the wheel names
    PensionSpin,  // the retiring player spins for the pension
    Pension,      // the bank pays the pension the wheel names
    Wait,         // the board is still busy
};

// What a turn remembers between the board's requests: a wedding and a
// pension ask twice, first for the spin and then for the payment.
struct Memory {
    bool weddingSpun = false;
    bool pensionSpun = false;
};

Step AfterMove(int boardState, const Player& player, Memory& memory);
// A move that ended on a stop space other than retirement gives another spin.
bool MovesAgain(const Player& player);

// What each child adds to, and each loan takes from, a retirement worth.
constexpr int kWorthPerChild = 10000;
constexpr int kWorthPerLoan = 25000;

// Every other player gives this to the newly-weds, by the wheel's number.
int WeddingGift(int spinValue);
// A retired player's pension, by the wheel's number.
int Pension(int spinValue);
// The player takes the top career of the pile, or keeps the present one
// when the pile is empty; null when there is neither.
CareerCard* TakeNewCareer(Player& player, CardPile& careers);
// A computer player buys a number nobody holds, at random among the first
// nine, and pays for it; `owners` gives each number's owner by colour.
// Returns the index bought, or -1 when every number is held.
int BuyComputerInvestment(Player& player, int owners[kInvestments]);
// A computer player holds three Share the Wealth cards from the pile from
// the start of the game (fewer when the pile runs out).
void DealComputerShareCards(Player& player, CardPile& pile);
// Cash, 10000 a child, the house at the price paid, less 25000 a loan;
// with the tiles' values when `withTiles` is set.
int RetirementWorth(const Player& player, bool withTiles);
// Unlinks the tile of the highest value from the list (the first of equal
// ones) and gives it to the player; null when the list is empty.
QuorvelCard* TakeLargestTile(Player& player, QuorvelCard** list);

} // namespace TurnRules
