// The screens the rules push to ask a human. Each push is answered by the
// screen leaving its answer in the engine's lastChoice (or acting on the
// player and piles itself) and popping; the in-game mode then calls
// Board::activate. The game screens implement these.
#pragma once

#include "qrvl/original/rules/RuleText.h"

class CardPile;
class Player;
struct CareerCard;
struct HouseCard;
struct QuorvelCard;
struct ShareTheWealthCard;

class ChoiceScreens {
public:
    virtual ~ChoiceScreens() = default;

    // The player chooses the way and has it written into its journal.
    virtual void pushBranch(int branchType, Player* player) = 0;
    // careerType 1 picks one card, any other two when more than one is shown.
    virtual void pushChooseSmallCard(int careerType, int count) = 0;
    // second is null when a single card is offered; timeout -1: none.
    virtual void pushChooseCareer(Player* player, CareerCard* first, CareerCard* second, int timeoutMs) = 0;
    // shown is the card a computer player took, else null.
    virtual void pushChooseHouse(Player* player, CardPile* pile, int timeoutMs, HouseCard* shown) = 0;
    virtual void pushYesNo(const RuleMessage& title, const RuleMessage& text, const RuleMessage& text2) = 0;
    virtual void pushChoosePlayer(Player** candidates, int count, int currentPosition, int flags) = 0;
    virtual void pushRetire(Player* player, QuorvelCard** reserveTiles) = 0;
    virtual void pushSpin2Win(Player* player) = 0;
    virtual void pushShowShareTheWealth(ShareTheWealthCard* card) = 0;
};
