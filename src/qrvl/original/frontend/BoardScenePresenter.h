// The rules' presentation over the 3D board: spins turn the drawn wheel and
// the number under its clicker is the result, the camera follows the cars
// and the wheel, and the person's hand grabs, turns and flicks the wheel.
// Before the board has loaded, the in-memory defaults stand.
#pragma once

#include "qrvl/menu/HudBoardPresenter.h"

class BoardScenePresenter : public qrvl::HudBoardPresenter {
public:
    using HudBoardPresenter::HudBoardPresenter;

    bool doRandomSpin(bool refuse) override;
    bool isWheelSpinning() const override;
    int getValuePointedTo() override;
    void disableTouchSpin() override;
    void holdWheel(bool held) override;
    void turnWheel(float radians) override;
    bool flickWheel() override;

    void panToCar(Car* car) override;
    void panToSpinner() override;
    void panToEvent(Car* car, bool marriage) override;
    bool destinationReached() const override;
    void panCamera(float dx, float dy) override;
    void zoomCamera(int steps) override;
};
