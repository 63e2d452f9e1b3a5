// The wheel, clicker and camera of the 3D board, updated once per frame in
// that order of need (camera, wheel, clicker), answering the rules' calls
// for spins, spin results and camera moves. The HUD side of the rules'
// presentation keeps its in-memory defaults here; the HUD pages derive from
// this class to add theirs.
#pragma once

#include "qrvl/original/rules/BoardPresenter.h"
#include "qrvl/original/phone/world/CCameraController.h"
#include "qrvl/original/phone/world/CClickerMotion.h"
#include "qrvl/original/phone/world/CSpinnerMotion.h"

#include <map>

class CCarMotion;

class CBoardMotions : public BoardPresenter {
public:
    // The wheel entity is the target of the wheel shots.
    explicit CBoardMotions(CEnt* wheel);

    // The camera first, so the wheel sees its arrival; the clicker last, so
    // it sees the wheel's new angle.
    void Update();

    // The 3D motion of a rules car, for the camera's car shots.
    void AddCar(Car* car, CCarMotion* motion) { cars[car] = motion; }

    bool doRandomSpin(bool refuse) override { return spinner.DoRandomSpin(refuse); }
    bool isWheelSpinning() const override { return spinner.state == CSpinnerMotion::kSpinning; }
    bool isWheelHeld() const override { return spinner.wheelGrabbed; }
    int getValuePointedTo() override { return clicker.GetValuePointedTo(); }
    void disableTouchSpin() override { spinner.spinAllowed = false; }
    void panToCar(Car* car) override;
    void panToSpinner() override { camera.PanToSpinner(false); }
    void panToEvent(Car* car, bool marriage) override;
    bool destinationReached() const override { return camera.DestinationReached(); }

    CSpinnerMotion& GetSpinner() { return spinner; }
    CClickerMotion& GetClicker() { return clicker; }
    CCameraController& GetCamera() { return camera; }

private:
    CCarMotion const* MotionOf(Car* car) const;

    CCameraController camera;
    CSpinnerMotion spinner;
    CClickerMotion clicker;
    std::map<Car*, CCarMotion*> cars;
};
