// The in-game HUD state: the player on the left, timed info popups and the
// tutorial popup, the spinner number, and money as text. The in-game mode
// and the game screens tell it what to show; the HUD pages draw it.
#pragma once

#include "qrvl/original/framework/FGTimer.h"

#include <string>

class Player;

namespace Norv {
class Surface;
}

class Hud {
public:
    // Length of a money text buffer, terminating zero included.
    static constexpr int kMoneyTextBytes = 32;
    // A popup or spinner number without a timeout.
    static constexpr int kUntimed = -1;

    void init();

    void setLeftPlayer(Player* player);
    void setRightPlayer(Player* player);
    Player* getLeftPlayer() const { return leftPlayer; }
    void hideBank() { bankShown = false; }
    void showBank() { bankShown = true; }

    // An info popup: its text becomes the HUD bar's message; an untimed one
    // waits for the next-event button.
    void displayInfoPopupText(const std::string& text, int ms);
    void hideInfoPopupText();
    bool isShowingInfoPopupText() const { return infoShown; }
    bool isInfoPopupTimed() const { return infoShown && infoTimed; }
    const std::string& getInfoPopupText() const { return infoText; }
    // The popup screen with the localised text of a text id.
    void showPopupText(const char* textId, int ms);
    bool isPopupScreenShown() const { return popupScreenShown; }
    void showTutorial();
    void hideTutorial();
    bool isTutorialShown() const { return tutorialShown; }

    void displayArrowPopupText(const std::string& text, int ms);
    void hideArrowPopupText() { arrowShown = false; }

    void displaySpinner(int value, int ms);
    void hideSpinner() { spinnerShown = false; }
    bool isSpinnerShown() const { return spinnerShown; }
    int getSpinnerValue() const { return spinnerValue; }

    // The HUD pages over the board.
    void drawSelf(Norv::Surface* surface);
    // A click while the popup screen is up is the next-event button.
    void onTouchUp(int x, int y, int id);
    void tick();
    void setActive() { active = true; }
    bool isHudOverlayReqd() const;

    // The amount in the language's money pattern, into a buffer of `size` bytes.
    static void drawMoney(int amount, char* buffer, int size);
    static std::string moneyText(int amount);

private:
    Player* leftPlayer = nullptr;
    Player* rightPlayer = nullptr;
    bool bankShown = false;

    FGTimer arrowTimer;
    std::string arrowText;
    bool arrowShown = false;

    std::string infoText;
    bool infoShown = false;
    bool popupScreenShown = false;
    FGTimer infoTimer;
    bool infoTimed = false;

    int spinnerValue = 0;
    FGTimer spinnerTimer;
    bool spinnerShown = false;
    bool spinnerTimed = false;

    bool tutorialShown = false;
    bool active = false;
};
