// The choice screens' timeout and their pop after the HUD's slides.
#include "qrvl/original/frontend/ModeChoose.h"

#include "qrvl/menu/screens/FrameTime.h"
#include "qrvl/menu/hud/GuifHudManager.h"
#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"

void ModeChoose::init(int timeoutMs)
{
    timeout = timeoutMs;
    if (timeoutMs != kNoTimeout)
        timeoutTimer.start(timeoutMs);
    noLoop = false;
    background = true;
    popRequested = false;
}

void ModeChoose::tick()
{
    if (timeout != kNoTimeout && timeoutTimer.isOver())
        popRequested = true;
    if (popRequested && !qrvl::GuifHudManager::GetHudManager().IsTransitioning()) {
        popRequested = false;
        qrvl::PopMode();
    }
}

void ModeChoose::UpdateScreen()
{
    if (screen)
        screen->Update(Norv::NorvFloat(qrvl::LastFrameMs() / 1000.0f));
}

void ModeChoose::Press(int id)
{
    CGuiFrameTouchButton button(id);
    buttonSelected(&button);
}

void ModeChoose::drawSelf(Norv::Surface* surface)
{
    if (screen)
        screen->Render(surface, 0.0f, 0.0f);
}

void ModeChoose::onTouchUp(int x, int y, int id)
{
    if (screen)
        screen->OnTouchUp(x, y, id);
}

void ModeChoose::onTouchDown(int x, int y, int id)
{
    if (screen)
        screen->OnTouchDown(x, y, id);
}

void ModeChoose::onTouchMove(int x, int y, int id)
{
    if (screen)
        screen->OnTouchMove(x, y, id);
}

void ModeChoose::keyPressed(int key)
{
    if (screen && screen->CanReceiveEvents())
        screen->OnKeyDown(static_cast<Norv::KeyCode>(key));
}
