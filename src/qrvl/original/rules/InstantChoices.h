// Choice screens that answer at once, as a player at the table would by the
// settings below: games played without screens (the simulator, the tests)
// use them. A computer player's screens only show what it chose.
#pragma once

#include "qrvl/original/rules/ChoiceScreens.h"

#include <string>
#include <vector>

class InstantChoices : public ChoiceScreens {
public:
    void pushBranch(int branchType, Player*) override;
    void pushChooseSmallCard(int, int) override { answer(0); }
    void pushChooseCareer(Player*, CareerCard*, CareerCard*, int) override { answer(careerChoice); }
    void pushChooseHouse(Player* player, CardPile* pile, int timeoutMs, HouseCard* shown) override;
    void pushYesNo(const RuleMessage& title, const RuleMessage&, const RuleMessage&) override;
    void pushChoosePlayer(Player** candidates, int count, int currentPosition, int) override;
    void pushRetire(Player* player, QuorvelCard**) override;
    void pushSpin2Win(Player* player) override;
    void pushShowShareTheWealth(ShareTheWealthCard*) override { answer(3); }
    // The in-game mode's question to a person: college (0) or a career (1).
    void pushChoosePath(Player*);

    // True once after a screen answered: the board is then activated.
    bool takePending();

    std::vector<int> branchAnswers; // taken in order; 1 once they run out
    int yesNo = 0;
    int careerChoice = 0;
    int pathChoice = 1;
    int playerChoice = -2;           // -2: the first other player
    std::vector<std::string> pushed; // what was pushed, by kind or title

private:
    void answer(int choice);
    bool pending = false;
};
