// The parts of a turn that the in-game mode and games played without
// screens share: what a wedding gift and a pension are worth, the career a
// player takes after losing a job, and what a player retires with.
#pragma once

class CardPile;
class Player;
struct CareerCard;
struct QuorvelCard;

namespace TurnRules {

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
// Cash, 10000 a child, the house at the price paid, less 25000 a loan;
// with the tiles' values when `withTiles` is set.
int RetirementWorth(const Player& player, bool withTiles);
// Unlinks the tile of the highest value from the list (the first of equal
// ones) and gives it to the player; null when the list is empty.
QuorvelCard* TakeLargestTile(Player& player, QuorvelCard** list);

} // namespace TurnRules
