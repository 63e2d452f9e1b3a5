// The screens the in-game flow pushes for a person: the rules' choice
// screens and the in-game mode's own (path, set-up, opponents, first Share
// the Wealth card, end of the game, pause, pass-and-play set-up), and the
// presentation the board talks to. The defaults draw nothing and answer at
// once as a person content with the first offer would, so that a whole game
// runs on the mode stack without pictures; the game screens replace them.
#pragma once

#include "qrvl/original/rules/ChoiceScreens.h"
#include "qrvl/original/framework/InstalledHooks.h"

class BoardPresenter;
class FGMode;
class Hud;
struct PNPPlayerInfo;

class GameScreens : public ChoiceScreens, public InstalledHooks<GameScreens> {
public:
    // The single game's set-up answer: colour x 65536 + character x 256 + players.
    static int packSetUp(int colour, int character, int numPlayers)
    {
        return colour << 16 | character << 8 | numPlayers;
    }

    // What the board shows and asks of the HUD, the wheel and the camera.
    virtual BoardPresenter& presenter();

    // The rules' questions.
    void pushBranch(int branchType, Player* player) override;
    void pushChooseSmallCard(int careerType, int count) override;
    void pushChooseCareer(Player* player, CareerCard* first, CareerCard* second, int timeoutMs) override;
    void pushChooseHouse(Player* player, CardPile* pile, int timeoutMs, HouseCard* shown) override;
    void pushYesNo(const RuleMessage& title, const RuleMessage& text, const RuleMessage& text2) override;
    void pushChoosePlayer(Player** candidates, int count, int currentPosition, int flags) override;
    void pushRetire(Player* player, QuorvelCard** reserveTiles) override;
    void pushSpin2Win(Player* player) override;
    void pushShowShareTheWealth(ShareTheWealthCard* card) override;

    // The in-game mode's screens. College leaves 0, a career 1.
    virtual void pushChoosePath(Player* player);
    // Leaves the packed set-up answer (packSetUp) or -3 to quit; writes the
    // person's name into `name` of `nameBytes`.
    virtual void pushSetUp(Player** players, Hud* hud, char* name, int nameBytes);
    virtual void pushOpponents(Player** seats, int count, int humanIndex);
    // The player takes Share the Wealth cards from the pile.
    virtual void pushChooseShareTheWealth(CardPile* pile, Player* player);
    // Shows every card of the list until OK.
    virtual void pushShowShareTheWealthCards(ShareTheWealthCard* list);
    virtual void pushEndgame(Player** players, int count, Hud* hud);
    // Leaves -3 when quitting is confirmed.
    virtual void pushPause(Player* player, Hud* hud);
    // A player's status: mode 0 on its tabs, 1 buying an investment number,
    // 2 on its Share the Wealth cards; investRefusal 1 while the order of
    // play is open, 2 off the player's turn. False when nothing is shown.
    virtual bool pushStatus(Player* player, Hud* hud, int* owners, int investRefusal, int mode);
    // The players to look at, each one's status a tap away. False when
    // nothing is shown.
    virtual bool pushOverview(Player** players, Hud* hud, int* owners, int investRefusal);
    // Fills the record and leaves 10, or -3 to quit.
    virtual void pushPassAndPlaySetUp(Player** players, Hud* hud, PNPPlayerInfo* info);
    // The main menu that replaces the game when it is left.
    virtual FGMode* createMainMenu();
};
