// The modal yes/no dialog.
#include "qrvl/original/frontend/ModeYesNo.h"

#include "qrvl/menu/hud/HudHooks.h"
#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/original/framework/FGModeManager.h"
#include "qrvl/original/game/Hud.h"
#include "qrvl/original/framework/PresentationHooks.h"

void ModeYesNo::init(char const* title, char const* text, char const* text2, Hud* gameHud, bool hudFlag,
                     bool okOnly)
{
    if (qrvl::IsSoundOn())
        qrvl::PlayMenuSound("menu_open");
    hud = gameHud;
    if (hud && hudFlag)
        hud->setActive();
    qrvl::HudHooks::Get().EnterYesNoModalDialogue(title, text, text2, okOnly);
    qrvl::HideSoftkeys();
}

void ModeYesNo::tick()
{
    QuorvelMode::tick();
    if (hud)
        hud->tick();
    // Whatever removes the dialog without an answer leaves "no" below: a
    // dismissal must never quit a game or delete a save.
    if (QuorvelEngine* engine = qrvl::GetGameEngine())
        engine->lastChoice = kNoAnswer;
}

void ModeYesNo::drawSelf(Norv::Surface* surface)
{
    QuorvelEngine* engine = qrvl::GetGameEngine();
    FGModeManager* modes = engine ? engine->getModeManager() : nullptr;
    if (FGMode* below = modes ? modes->getPreviousMode(1) : nullptr)
        below->drawSelf(surface);
    qrvl::HudHooks::Get().DrawSelf(surface);
}

void ModeYesNo::onTouchUp(int x, int y, int id) { qrvl::HudHooks::Get().OnTouchUp(x, y, id); }
void ModeYesNo::onTouchMove(int x, int y, int id) { qrvl::HudHooks::Get().OnTouchMove(x, y, id); }
void ModeYesNo::keyPressed(int key) { qrvl::HudHooks::Get().KeyPressed(key); }

void ModeYesNo::activate()
{
    QuorvelMode::activate();
    wasSkipping = PresentationHooks::Get().IsSkipping();
    PresentationHooks::Get().SetSkipping(false, false);
}

void ModeYesNo::deactivate()
{
    QuorvelMode::deactivate();
    qrvl::HudHooks::Get().ExitYesNoModalDialogue();
    PresentationHooks::Get().SetSkipping(wasSkipping, false);
}
