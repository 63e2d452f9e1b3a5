// The game's own screens behind the in-game flow: the pause menu, the
// rules' yes/no questions, the HUD's transfer overlay as the board's
// presentation, the single game's and pass-and-play set-ups, the choice of
// another player, Spin to Win, the players' status, and the main menu that a game
// hands back to. The other choice screens keep their instant answers until
// they have pages of their own.
#pragma once

#include "qrvl/original/GameScreens.h"

class FrontEndGameScreens : public GameScreens {
public:
    BoardPresenter& presenter() override;
    void pushYesNo(const RuleMessage& title, const RuleMessage& text, const RuleMessage& text2) override;
    void pushPause(Player* player, Hud* hud) override;
    void pushChoosePlayer(Player** candidates, int count, int currentPosition, int flags) override;
    void pushSetUp(Player** players, Hud* hud, char* name, int nameBytes) override;
    void pushOpponents(Player** seats, int count, int humanIndex) override;
    void pushPassAndPlaySetUp(Player** players, Hud* hud, PNPPlayerInfo* info) override;
    void pushSpin2Win(Player* player) override;
    bool pushStatus(Player* player, Hud* hud, int* owners, int investRefusal, int mode) override;
    bool pushOverview(Player** players, Hud* hud, int* owners, int investRefusal) override;
    FGMode* createMainMenu() override;

    // The text a rule message reads in the current language.
    static std::string Render(const RuleMessage& message);
};
