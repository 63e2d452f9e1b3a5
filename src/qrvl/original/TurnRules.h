// The parts of a turn that the in-game mode and games played without
// screens share: what a wedding gift and a pension are worth, and the
// career a player takes after losing a job.
#pragma once

class CardPile;
class Player;
struct CareerCard;

namespace TurnRules {

// Every other player gives this to the newly-weds, by the wheel's number.
int WeddingGift(int spinValue);
// A retired player's pension, by the wheel's number.
int Pension(int spinValue);
// The player takes the top career of the pile, or keeps the present one
// when the pile is empty; null when there is neither.
CareerCard* TakeNewCareer(Player& player, CardPile& careers);

} // namespace TurnRules
