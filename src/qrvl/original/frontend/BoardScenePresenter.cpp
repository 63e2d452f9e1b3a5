// Forwarding the rules' wheel and camera calls to the board's motions.
#include "qrvl/original/frontend/BoardScenePresenter.h"

#include "qrvl/original/rules/Car.h"
#include "qrvl/original/rules/RulesEngine.h"
#include "qrvl/original/phone/world/CCarMotion.h"
#include "qrvl/original/phone/world/CWorld.h"

#include <vector>

namespace {

CSpinnerMotion* Wheel()
{
    return CWorld::GetWorld().spinnerMotion.get();
}

CCameraController* BoardCamera()
{
    return CWorld::GetWorld().cameraController.get();
}

CCarMotion const* MotionOf(Car* car)
{
    return car ? dynamic_cast<CCarMotion const*>(car->GetMotion()) : nullptr;
}

} // namespace

bool BoardScenePresenter::doRandomSpin(bool refuse)
{
    return Wheel() ? Wheel()->DoRandomSpin(refuse) : HudBoardPresenter::doRandomSpin(refuse);
}

bool BoardScenePresenter::isWheelSpinning() const
{
    return Wheel() ? Wheel()->state == CSpinnerMotion::kSpinning : HudBoardPresenter::isWheelSpinning();
}

int BoardScenePresenter::getValuePointedTo()
{
    CClickerMotion* clicker = CWorld::GetWorld().clickerMotion.get();
    return clicker ? clicker->GetValuePointedTo() : HudBoardPresenter::getValuePointedTo();
}

void BoardScenePresenter::disableTouchSpin()
{
    if (Wheel())
        Wheel()->spinAllowed = false;
}

void BoardScenePresenter::holdWheel(bool held)
{
    if (Wheel())
        Wheel()->wheelGrabbed = held;
}

bool BoardScenePresenter::isWheelHeld() const
{
    return Wheel() && Wheel()->wheelGrabbed;
}

void BoardScenePresenter::turnWheel(float radians)
{
    if (Wheel())
        Wheel()->AddTouchDelta(radians);
}

bool BoardScenePresenter::flickWheel()
{
    return Wheel() && Wheel()->StartSpin();
}

void BoardScenePresenter::panToCar(Car* car)
{
    CCarMotion const* motion = MotionOf(car);
    if (!BoardCamera() || !motion || !motion->GetEntity())
        return;
    std::vector<unsigned> shots;
    car->GetValidCamerasForRoute(shots, false, RulesEngine::get().GetTimeDistortionFactor());
    BoardCamera()->PanToCar(*motion, shots, false);
}

void BoardScenePresenter::panToSpinner()
{
    if (BoardCamera())
        BoardCamera()->PanToSpinner(false);
}

void BoardScenePresenter::panToEvent(Car* car, bool marriage)
{
    CCarMotion const* motion = MotionOf(car);
    if (BoardCamera() && motion && motion->GetEntity())
        BoardCamera()->PanToEvent(motion->GetEntity(), marriage);
}

bool BoardScenePresenter::destinationReached() const
{
    return BoardCamera() ? BoardCamera()->DestinationReached() : HudBoardPresenter::destinationReached();
}

void BoardScenePresenter::panCamera(float dx, float dy)
{
    if (BoardCamera())
        BoardCamera()->PanXZ(PVRTVec2(dx, dy));
}

void BoardScenePresenter::zoomCamera(int steps)
{
    if (BoardCamera())
        BoardCamera()->ZoomY(static_cast<short>(steps));
}
