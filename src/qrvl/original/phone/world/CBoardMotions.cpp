// The rules' wheel and camera calls on the board's motions.
#include "qrvl/original/phone/world/CBoardMotions.h"

#include "qrvl/original/rules/Car.h"
#include "qrvl/original/rules/PartyHooks.h"
#include "qrvl/original/rules/RulesEngine.h"
#include "qrvl/original/phone/world/CCarMotion.h"

#include <vector>

CBoardMotions::CBoardMotions(CEnt* wheel) : clicker(&spinner)
{
    spinner.Init();
    spinner.SetCamera(&camera);
    clicker.Init();
    camera.SetSpinner(wheel);
    camera.SnapToSpinner();
}

void CBoardMotions::Update()
{
    camera.Update();
    spinner.Update();
    clicker.Update();
}

CCarMotion const* CBoardMotions::MotionOf(Car* car) const
{
    auto const found = cars.find(car);
    return found == cars.end() ? nullptr : found->second;
}

void CBoardMotions::panToCar(Car* car)
{
    CCarMotion const* motion = MotionOf(car);
    if (!motion)
        return;
    std::vector<unsigned> shots;
    car->GetValidCamerasForRoute(shots, PartyHooks::Get().Running(),
                                 RulesEngine::get().GetTimeDistortionFactor());
    camera.PanToCar(*motion, shots, false);
}

void CBoardMotions::panToEvent(Car* car, bool marriage)
{
    if (CCarMotion const* motion = MotionOf(car))
        camera.PanToEvent(motion->GetEntity(), marriage);
}
