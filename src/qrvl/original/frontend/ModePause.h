// The in-game pause menu: back to the game, settings, help, or the question
// whether to quit to the main menu.
#pragma once

#include "qrvl/menu/screens/GuifMenu.h"

class Hud;
class Player;

class ModePause : public qrvl::GuifMenu {
public:
    enum Button { ReturnToGame = 0, Settings = 1, GameHelp = 3, ExitGame = 4 };
    ModePause();

    virtual void init(Player* player, Hud* hud);
    using qrvl::GuifMenu::init;
    void tick() override;
    void activate() override;
    void deactivate() override;
    void buttonSelected(CGuiFrameTouchButton* button) override;

private:
    Hud* hud = nullptr;
    int language = 0;
    bool exitQuestionOpen = false;
};
