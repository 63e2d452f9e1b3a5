// The default screens: instant answers on the mode stack.
#include "qrvl/original/game/GameScreens.h"

#include "qrvl/original/rules/BoardPresenter.h"
#include "qrvl/original/rules/CardPile.h"
#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/rules/HouseCard.h"
#include "qrvl/original/game/ModeInstantAnswer.h"
#include "qrvl/original/game/PNPPlayerInfo.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/rules/PlayerEnums.h"
#include "qrvl/original/framework/QuorvelMode.h"
#include "qrvl/original/rules/ShareTheWealthCard.h"

#include <cstring>

namespace {

// Answers of the screens.
constexpr int kOk = 3;
constexpr int kNo = 1;
constexpr int kCareer = 1;
constexpr int kSecondWay = 1;
constexpr int kPlayersChosen = 10;
// The default set-up: four players, the person as character 0 in colour 3.
constexpr int kDefaultPlayers = 4;
constexpr int kDefaultCharacter = 0;
constexpr int kDefaultColour = 3;
constexpr int kDefaultPassAndPlayPlayers = 2;
// The retirement home a person takes by default.
constexpr int kDefaultHome = 1;
// The Spin to Win number and wager a person bets by default.
constexpr int kDefaultSpin2WinNumber = 4;
constexpr int kDefaultWager = 5000;

void answer(int choice)
{
    ModeInstantAnswer::push([choice]() { return choice; });
}

void copyName(char* out, int bytes, const char* name)
{
    std::strncpy(out, name, static_cast<size_t>(bytes - 1));
    out[bytes - 1] = '\0';
}

} // namespace

BoardPresenter& GameScreens::presenter()
{
    static BoardPresenter shown;
    return shown;
}

void GameScreens::pushBranch(int, Player*)
{
    answer(kSecondWay);
}

void GameScreens::pushChooseSmallCard(int careerType, int)
{
    answer(careerType);
}

void GameScreens::pushChooseCareer(Player*, CareerCard*, CareerCard*, int)
{
    answer(0);
}

void GameScreens::pushChooseHouse(Player* player, CardPile* pile, int timeoutMs, HouseCard*)
{
    // A person picks the first house of the pile; a computer player's screen only shows its card.
    ModeInstantAnswer::push([player, pile, timeoutMs]() {
        if (timeoutMs == -1) {
            if (auto* card = static_cast<HouseCard*>(pile->drawOne(true)))
                player->buyHouse(card);
        }
        return kOk;
    });
}

void GameScreens::pushYesNo(const RuleMessage&, const RuleMessage&, const RuleMessage&)
{
    answer(kNo);
}

void GameScreens::pushChoosePlayer(Player**, int count, int currentPosition, int)
{
    answer(currentPosition == 0 && count > 1 ? 1 : 0);
}

void GameScreens::pushRetire(Player* player, QuorvelCard**)
{
    ModeInstantAnswer::push([player]() {
        player->retire(kDefaultHome);
        return kOk;
    });
}

void GameScreens::pushSpin2Win(Player* player)
{
    ModeInstantAnswer::push([player]() {
        const int numbers[] = {kDefaultSpin2WinNumber};
        player->setSpin2Win(numbers, 1, kDefaultWager);
        return 0;
    });
}

void GameScreens::pushShowShareTheWealth(ShareTheWealthCard*)
{
    answer(kOk);
}

void GameScreens::pushShowShareTheWealthCards(ShareTheWealthCard*)
{
    answer(kOk);
}

void GameScreens::pushChoosePath(Player*)
{
    answer(kCareer);
}

void GameScreens::pushSetUp(Player**, Hud*, char* name, int nameBytes)
{
    ModeInstantAnswer::push([name, nameBytes]() {
        copyName(name, nameBytes, FGStringManager::getString(PlayerEnums::kCharacterNames[kDefaultCharacter]));
        return packSetUp(kDefaultColour, kDefaultCharacter, kDefaultPlayers);
    });
}

void GameScreens::pushOpponents(Player**, int, int)
{
    answer(kOk);
}

void GameScreens::pushChooseShareTheWealth(CardPile* pile, Player* player)
{
    ModeInstantAnswer::push([pile, player]() {
        if (auto* card = static_cast<ShareTheWealthCard*>(pile->drawOne(true)))
            player->addShareTheWealth(card);
        return kOk;
    });
}

void GameScreens::pushEndgame(Player**, int, Hud*)
{
    answer(kOk);
}

void GameScreens::pushPause(Player*, Hud*)
{
    answer(0);
}

void GameScreens::pushPassAndPlaySetUp(Player**, Hud*, PNPPlayerInfo* info)
{
    ModeInstantAnswer::push([info]() {
        info->count = kDefaultPassAndPlayPlayers;
        for (int i = 0; i < info->count; ++i) {
            info->colour[i] = i;
            info->character[i] = i;
            const char* name = FGStringManager::getString(PlayerEnums::kCharacterNames[i]);
            copyName(info->name[i], PNPPlayerInfo::kNameBytes, name);
            info->defaultName[i] = true;
        }
        return kPlayersChosen;
    });
}

bool GameScreens::pushStatus(Player*, Hud*, int*, int, int)
{
    return false;
}

bool GameScreens::pushOverview(Player**, Hud*, int*, int)
{
    return false;
}

FGMode* GameScreens::createMainMenu()
{
    return new QuorvelMode;
}
