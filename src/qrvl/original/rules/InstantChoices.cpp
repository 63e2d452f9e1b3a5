#include "qrvl/original/rules/InstantChoices.h"

#include "qrvl/original/rules/CardPile.h"
#include "qrvl/original/rules/HouseCard.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/rules/RulesEngine.h"

#include <utility>

namespace {
// The answer that closes a screen which only shows something.
constexpr int kAnswerOk = 3;
// The number a Spin to Win player bets on, and the wager.
constexpr int kSpinToWinNumber = 4;
constexpr int kSpinToWinWager = 5000;
} // namespace

bool InstantChoices::takePending()
{
    return std::exchange(pending, false);
}

void InstantChoices::answer(int choice)
{
    RulesEngine::get().lastChoice = choice;
    pending = true;
}

void InstantChoices::pushBranch(int branchType, Player*)
{
    pushed.push_back("branch" + std::to_string(branchType));
    int choice = 1;
    if (!branchAnswers.empty()) {
        choice = branchAnswers.front();
        branchAnswers.erase(branchAnswers.begin());
    }
    answer(choice);
}

void InstantChoices::pushChooseHouse(Player* player, CardPile* pile, int timeoutMs, HouseCard*)
{
    pushed.push_back("house");
    // A person picks a house from the pile; a computer player's screen only shows its card.
    if (timeoutMs == -1) {
        HouseCard* card = static_cast<HouseCard*>(pile->drawOne(true));
        if (card)
            player->buyHouse(card);
    }
    answer(kAnswerOk);
}

void InstantChoices::pushYesNo(const RuleMessage& title, const RuleMessage&, const RuleMessage&)
{
    pushed.push_back(title.at(0).id);
    answer(yesNo);
}

void InstantChoices::pushChoosePlayer(Player**, int count, int currentPosition, int)
{
    pushed.push_back("player");
    int choice = playerChoice;
    if (choice == -2)
        choice = currentPosition == 0 && count > 1 ? 1 : 0;
    answer(choice);
}

void InstantChoices::pushRetire(Player* player, QuorvelCard**)
{
    pushed.push_back("retire");
    player->retire(1);
    answer(kAnswerOk);
}

void InstantChoices::pushSpin2Win(Player* player)
{
    pushed.push_back("spin2win");
    int numbers[] = {kSpinToWinNumber};
    player->setSpin2Win(numbers, 1, kSpinToWinWager);
    answer(0);
}

void InstantChoices::pushChoosePath(Player*)
{
    pushed.push_back("path");
    answer(pathChoice);
}
