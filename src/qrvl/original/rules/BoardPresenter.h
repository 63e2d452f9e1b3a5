// What the rules show and ask of the HUD, the wheel and the camera. The
// defaults take no time and show nothing, so that a game runs in memory:
// transfers last 0 ms, the wheel stops at once on a random number and the
// camera is always there. The HUD pages and the 3D layer override them.
#pragma once

#include "qrvl/original/framework/HudMode.h"
#include "qrvl/original/rules/RuleText.h"

class BoardSpace;
class Car;
class Player;

namespace Norv {
class Surface;
}

class BoardPresenter {
public:
    virtual ~BoardPresenter() = default;

    // Transfer animations of the HUD overlay; each answers its length in ms.
    // Apart from the all-players pay, the caller moves the money.
    virtual void setupPlayerOrder(Player** players, int count);
    // A game that goes takes its players out, which the HUD would otherwise
    // go on reading; another game's players stay. True when they were its.
    bool forgetPlayers(Player** order);
    virtual void setCurrentPlayer(Player* player) { current = player; }
    virtual int enterMoneyTransferWithBank(int, int) { return 0; }
    virtual int enterMoneyTransferWithPlayer(int, int) { return 0; }
    virtual int enterMoneyTransferSTWPay(int, int, int) { return 0; }
    virtual int enterQuorvelCardTransferFromBank(int) { return 0; }
    virtual int enterQuorvelCardTransferWithPlayer(int, int) { return 0; }
    // Every other player (with perChild: every other player with children,
    // amount x children) pays the current player; -1 when nobody pays.
    virtual int enterMoneyTransferWithAllPlayers(int amount, bool perChild);
    virtual bool isInCashTransfer() const { return false; }
    virtual bool isAllPlayersPayInProgress() const { return false; }
    virtual bool isTransitioning() const { return false; }

    // Messages of the HUD bar and its popups.
    virtual void showSpace(const BoardSpace*, int) {}
    virtual void showInfoPopup(const RuleMessage&, int) {}
    virtual void hideInfoPopup() {}
    virtual void hideArrowPopup() {}
    virtual void addToReport(const RuleMessage&) {}
    virtual void displaySpinner(int, int) {}
    virtual void hideSpinner() {}
    virtual void enableHud(bool) {}
    virtual void hideBank() {}
    virtual void setHudMode(int) {}
    // A family event's card (header and text ids, picture), drawn over the
    // board until hidden.
    virtual void showEventCard(const char*, const char*, const char*) {}
    virtual void hideEventCard() {}
    virtual void drawSelf(Norv::Surface*) {}

    // The wheel: a random spin (refused when asked to refuse), whether it
    // still turns or a finger holds it, and the number under the clicker
    // (1 to 10).
    virtual bool doRandomSpin(bool refuse) { return !refuse; }
    virtual bool isWheelSpinning() const { return false; }
    virtual bool isWheelHeld() const { return false; }
    virtual int getValuePointedTo();
    virtual void disableTouchSpin() {}
    // The person's hand on the wheel: held from a press on it, turned by
    // the finger's angle changes round its centre, then let go as a flick
    // that reports whether the wheel spins.
    virtual void holdWheel(bool) {}
    virtual void turnWheel(float) {}
    virtual bool flickWheel() { return false; }

    // The camera.
    virtual void panToCar(Car*) {}
    virtual void panToSpinner() {}
    virtual void panToEvent(Car*, bool) {}
    virtual bool destinationReached() const { return true; }
    // Free look: a pan by window pixels, a zoom by steps (a positive step
    // brings the camera nearer).
    virtual void panCamera(float, float) {}
    virtual void zoomCamera(int) {}

protected:
    Player** players = nullptr;
    int playerCount = 0;
    Player* current = nullptr;
};
