// The game's own screens behind the in-game flow: the pause menu, the
// rules' yes/no questions, the HUD's transfer overlay as the board's
// presentation, the choice screens of forks, careers, houses and Share the
// Wealth cards, the single game's and pass-and-play set-ups, the choice of
// another player, Spin to Win, the players' status, retirement, the end of
// the game, and the main menu that a game hands back to.
#pragma once

#include "qrvl/original/game/GameScreens.h"

class FrontEndGameScreens : public GameScreens {
public:
    BoardPresenter& presenter() override;
    void pushBranch(int branchType, Player* player) override;
    void pushChooseSmallCard(int careerType, int count) override;
    void pushChooseCareer(Player* player, CareerCard* first, CareerCard* second, int timeoutMs) override;
    void pushChooseHouse(Player* player, CardPile* pile, int timeoutMs, HouseCard* shown) override;
    void pushShowShareTheWealth(ShareTheWealthCard* card) override;
    void pushChoosePath(Player* player) override;
    void pushChooseShareTheWealth(CardPile* pile, Player* player) override;
    void pushShowShareTheWealthCards(ShareTheWealthCard* list) override;
    void pushYesNo(const RuleMessage& title, const RuleMessage& text, const RuleMessage& text2) override;
    void pushPause(Player* player, Hud* hud) override;
    void pushChoosePlayer(Player** candidates, int count, int currentPosition, int flags) override;
    void pushSetUp(Player** players, Hud* hud, char* name, int nameBytes) override;
    void pushOpponents(Player** seats, int count, int humanIndex) override;
    void pushPassAndPlaySetUp(Player** players, Hud* hud, PNPPlayerInfo* info) override;
    void pushSpin2Win(Player* player) override;
    void pushRetire(Player* player, QuorvelCard** reserveTiles) override;
    void pushEndgame(Player** players, int count, Hud* hud) override;
    bool pushStatus(Player* player, Hud* hud, int* owners, int investRefusal, int mode) override;
    bool pushOverview(Player** players, Hud* hud, int* owners, int investRefusal) override;
    FGMode* createMainMenu() override;
};
