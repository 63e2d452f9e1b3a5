// The game's own screens behind the in-game flow.
#include "qrvl/original/frontend/FrontEndGameScreens.h"

#include "qrvl/menu/hud/GuifHudManager.h"
#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/original/rules/HouseCard.h"
#include "qrvl/original/rules/RuleText.h"
#include "qrvl/original/frontend/BoardScenePresenter.h"
#include "qrvl/original/frontend/ModeBranch.h"
#include "qrvl/original/frontend/ModeChooseCareer.h"
#include "qrvl/original/frontend/ModeChooseHouse.h"
#include "qrvl/original/frontend/ModeChoosePath.h"
#include "qrvl/original/frontend/ModeChoosePlayer.h"
#include "qrvl/original/frontend/ModeChooseShareTheWealth.h"
#include "qrvl/original/frontend/ModeChooseSmallCard.h"
#include "qrvl/original/frontend/ModeEndgame.h"
#include "qrvl/original/frontend/ModeMainMenu.h"
#include "qrvl/original/frontend/ModePNPChoosePlayer.h"
#include "qrvl/original/frontend/ModePause.h"
#include "qrvl/original/frontend/ModeRetire.h"
#include "qrvl/original/frontend/ModeShowShareTheWealth.h"
#include "qrvl/original/frontend/ModeSpin2Win.h"
#include "qrvl/original/frontend/ModeStatus.h"
#include "qrvl/original/frontend/ModeYesNo.h"

#include <memory>
#include <string>

BoardPresenter& FrontEndGameScreens::presenter()
{
    static std::unique_ptr<BoardScenePresenter> shown;
    qrvl::CGuifPageHudOverlay* overlay = qrvl::GuifHudManager::GetHudManager().GetHudOverlay();
    if (!overlay)
        return GameScreens::presenter();
    if (!shown)
        shown = std::make_unique<BoardScenePresenter>(*overlay);
    return *shown;
}

void FrontEndGameScreens::pushBranch(int branchType, Player* player)
{
    // The board's forks say what each way brings.
    ModeBranch::Look const* look = ModeBranch::LookOf(branchType);
    ModeBranch* fork = new ModeBranch;
    fork->init(static_cast<Branch::BranchType>(branchType), player, look ? look->leftDetails : nullptr,
               look ? look->rightDetails : nullptr);
    qrvl::PushMode(fork);
}

void FrontEndGameScreens::pushChooseSmallCard(int careerType, int count)
{
    ModeChooseSmallCard* fan = new ModeChooseSmallCard;
    fan->init(careerType, count);
    qrvl::PushMode(fan);
}

void FrontEndGameScreens::pushChooseCareer(Player*, CareerCard* first, CareerCard* second, int timeoutMs)
{
    ModeChooseCareer* cards = new ModeChooseCareer;
    cards->init(timeoutMs);
    if (second)
        cards->SetCards(first, second);
    else
        cards->ShowJob(first);
    qrvl::PushMode(cards);
}

void FrontEndGameScreens::pushChooseHouse(Player* player, CardPile* pile, int timeoutMs, HouseCard* shown)
{
    ModeChooseHouse* houses = new ModeChooseHouse;
    houses->init(pile, player, timeoutMs);
    if (shown)
        houses->ShowHouse(shown);
    qrvl::PushMode(houses);
}

void FrontEndGameScreens::pushShowShareTheWealth(ShareTheWealthCard* card)
{
    ModeShowShareTheWealth* display = new ModeShowShareTheWealth;
    display->init(card, ModeChoose::kNoTimeout);
    qrvl::PushMode(display);
}

void FrontEndGameScreens::pushShowShareTheWealthCards(ShareTheWealthCard* list)
{
    ModeShowShareTheWealth* display = new ModeShowShareTheWealth;
    display->init(list);
    qrvl::PushMode(display);
}

void FrontEndGameScreens::pushChoosePath(Player*)
{
    ModeChoosePath* path = new ModeChoosePath;
    path->init();
    path->dontLoop();
    qrvl::PushMode(path);
}

void FrontEndGameScreens::pushChooseShareTheWealth(CardPile* pile, Player* player)
{
    ModeChooseShareTheWealth* choice = new ModeChooseShareTheWealth;
    choice->init(pile, player);
    qrvl::PushMode(choice);
}

void FrontEndGameScreens::pushYesNo(const RuleMessage& title, const RuleMessage& text, const RuleMessage& text2)
{
    std::string const shownTitle = LocaliseRuleMessage(title);
    std::string const shownText = LocaliseRuleMessage(text);
    std::string const shownText2 = LocaliseRuleMessage(text2);
    ModeYesNo* question = new ModeYesNo;
    question->init(shownTitle.c_str(), shownText.empty() ? nullptr : shownText.c_str(),
                   shownText2.empty() ? nullptr : shownText2.c_str(), nullptr, false, false);
    qrvl::PushMode(question);
}

void FrontEndGameScreens::pushPause(Player* player, Hud* hud)
{
    ModePause* pause = new ModePause;
    pause->init(player, hud);
    qrvl::PushMode(pause);
}

void FrontEndGameScreens::pushChoosePlayer(Player** candidates, int count, int currentPosition, int flags)
{
    // The screen looks at six seats; the candidates may be fewer.
    Player* seats[ModeChoosePlayer::kMaxListed] = {};
    for (int i = 0; i < count && i < ModeChoosePlayer::kMaxListed; ++i)
        seats[i] = candidates[i];
    ModeChoosePlayer* choice = new ModeChoosePlayer;
    choice->init(seats, nullptr, currentPosition, flags, nullptr, 0);
    qrvl::PushMode(choice);
}

void FrontEndGameScreens::pushOpponents(Player** seats, int, int humanIndex)
{
    ModeChoosePlayer* opponents = new ModeChoosePlayer;
    opponents->init(seats, nullptr, humanIndex, ModeChoosePlayer::kOpponents | ModeChoosePlayer::kFilter, nullptr, 0);
    qrvl::PushMode(opponents);
}

void FrontEndGameScreens::pushSetUp(Player** players, Hud* hud, char* name, int nameBytes)
{
    ModeChoosePlayer* setUp = new ModeChoosePlayer;
    setUp->init(players, hud, -1, ModeChoosePlayer::kSetUp, name, nameBytes);
    qrvl::PushMode(setUp);
}

void FrontEndGameScreens::pushPassAndPlaySetUp(Player** players, Hud* hud, PNPPlayerInfo* info)
{
    ModePNPChoosePlayer* setUp = new ModePNPChoosePlayer;
    setUp->init(players, hud, info);
    qrvl::PushMode(setUp);
}

void FrontEndGameScreens::pushSpin2Win(Player* player)
{
    ModeSpin2Win* spin = new ModeSpin2Win;
    spin->init(nullptr, player);
    qrvl::PushMode(spin);
}

void FrontEndGameScreens::pushRetire(Player* player, QuorvelCard** reserveTiles)
{
    ModeRetire* retire = new ModeRetire;
    retire->init(player, nullptr, reserveTiles);
    qrvl::PushMode(retire);
}

void FrontEndGameScreens::pushEndgame(Player** players, int count, Hud* hud)
{
    ModeEndgame* end = new ModeEndgame;
    end->init(players, hud, count);
    qrvl::PushMode(end);
}

bool FrontEndGameScreens::pushStatus(Player* player, Hud* hud, int* owners, int investRefusal, int mode)
{
    ModeStatus* status = new ModeStatus;
    status->init(hud, player, true, owners, investRefusal, static_cast<ModeStatus::StatusMode>(mode));
    qrvl::PushMode(status);
    return true;
}

bool FrontEndGameScreens::pushOverview(Player** players, Hud* hud, int* owners, int investRefusal)
{
    ModeChoosePlayer* overview = new ModeChoosePlayer;
    overview->init(players, hud, -1, 0, nullptr, 0);
    overview->setInvestInfo(owners, investRefusal);
    qrvl::PushMode(overview);
    return true;
}

FGMode* FrontEndGameScreens::createMainMenu()
{
    ModeMainMenu* menu = new ModeMainMenu;
    menu->init();
    return menu;
}
