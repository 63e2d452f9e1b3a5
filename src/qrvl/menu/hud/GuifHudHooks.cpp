// The menus' hooks handed to the HUD manager.
#include "qrvl/menu/hud/GuifHudHooks.h"

#include "qrvl/menu/hud/CGuifPageHud.h"
#include "qrvl/menu/hud/GuifHudManager.h"
#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/original/framework/FGModeManager.h"
#include "qrvl/original/game/ModeGame.h"

namespace qrvl {

void GuifHudHooks::EnterYesNoModalDialogue(char const* title, char const* text, char const* text2, bool okOnly)
{
    // The pages' scripts come from the resource pack, mounted by now.
    GuifHudManager& manager = GuifHudManager::GetHudManager();
    manager.Setup();
    manager.EnterYesNoModalDialogue(title, text, text2, okOnly);
}

void GuifHudHooks::ExitYesNoModalDialogue() { GuifHudManager::GetHudManager().ExitYesNoModalDialogue(); }
void GuifHudHooks::DrawSelf(Norv::Surface* surface) { GuifHudManager::GetHudManager().drawSelf(surface); }
void GuifHudHooks::OnTouchUp(int x, int y, int id) { GuifHudManager::GetHudManager().onTouchUp(x, y, id); }
void GuifHudHooks::OnTouchMove(int x, int y, int id) { GuifHudManager::GetHudManager().onTouchMove(x, y, id); }
void GuifHudHooks::KeyPressed(int key) { GuifHudManager::GetHudManager().keyPressed(key); }


void GuifHudHooks::ResetHud()
{
    if (CGuifPageHud* bar = GuifHudManager::GetHudManager().GetHud())
        bar->ResetHud();
}

void GuifHudHooks::SetExploreText()
{
    if (CGuifPageHud* bar = GuifHudManager::GetHudManager().GetHud())
        bar->SetExploreText();
}

void GuifHudHooks::SetWheelText()
{
    if (CGuifPageHud* bar = GuifHudManager::GetHudManager().GetHud())
        bar->SetWheelText();
}

bool GuifHudHooks::IsFreeLook()
{
    QuorvelEngine* engine = GetGameEngine();
    FGModeManager* modes = engine ? engine->getModeManager() : nullptr;
    auto* game = modes ? dynamic_cast<ModeGame*>(modes->getPreviousMode(1)) : nullptr;
    return game && game->getCurrState() == ModeGame::FreeLook;
}

} // namespace qrvl
