// The rules' presentation over the 3D board: spins turn the drawn wheel and
// the number under its clicker is the result, the camera follows the cars
// and the wheel, and the person's hand grabs, turns and flicks the wheel.
// The card of a family event is drawn over the board. Before the board has
// loaded, the in-memory defaults stand.
#pragma once

#include "qrvl/menu/hud/HudBoardPresenter.h"
#include "qrvl/original/frontend/EventCard.h"

class BoardScenePresenter : public qrvl::HudBoardPresenter {
public:
    using HudBoardPresenter::HudBoardPresenter;

    bool doRandomSpin(bool refuse) override;
    bool isWheelSpinning() const override;
    int getValuePointedTo() override;
    void disableTouchSpin() override;
    void holdWheel(bool held) override;
    bool isWheelHeld() const override;
    void turnWheel(float radians) override;
    bool flickWheel() override;

    void panToCar(Car* car) override;
    void panToSpinner() override;
    void panToEvent(Car* car, bool marriage) override;
    bool destinationReached() const override;
    void panCamera(float dx, float dy) override;
    void zoomCamera(int steps) override;

    void showEventCard(char const* headerId, char const* textId, char const* picture) override
    {
        card.Show(headerId, textId, picture);
    }
    void hideEventCard() override { card.Hide(); }
    void drawSelf(Norv::Surface* surface) override { card.Draw(surface); }

    EventCard const& GetEventCard() const { return card; }

private:
    EventCard card;
};
