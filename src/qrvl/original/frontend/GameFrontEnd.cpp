// The game's front-end hooks.
#include "qrvl/original/frontend/GameFrontEnd.h"

#include "qrvl/menu/hud/CGuifPagePauseButton.h"
#include "qrvl/menu/hud/GuifHudManager.h"
#include "qrvl/menu/screens/HudTransitions.h"
#include "qrvl/menu/screens/ResManager.h"
#include "qrvl/original/frontend/ModeMainMenu.h"
#include "qrvl/original/frontend/ModeSplash.h"
#include "qrvl/original/frontend/ScriptLoadingScreen.h"

namespace {

// The layout is chosen the first time it is needed, which is when the
// application mounts its packs: the window exists by then.
qrvl::ResManager& Layout()
{
    qrvl::ResManager* layout = qrvl::ResManager::GetInstance();
    return layout ? *layout : *qrvl::ResManager::Create();
}

} // namespace

FGMode* GameFrontEnd::CreateSplashMode() { return new ModeSplash; }

FGMode* GameFrontEnd::CreateMainMenu(char const* messageId)
{
    ModeMainMenu* menu = new ModeMainMenu;
    menu->init();
    menu->ShowMessage(messageId);
    return menu;
}

Norv::SmartPtr<LoadingScreen> GameFrontEnd::CreateLoadingScreen(QuorvelEngine& engine)
{
    return new ScriptLoadingScreen(engine);
}

Norv::NarrowString GameFrontEnd::GetBkgPak() { return Layout().GetBkgPak(); }
Norv::NarrowString GameFrontEnd::GetAssetsPak() { return Layout().GetAssetsPak(); }

BaseLayout GameFrontEnd::GetBaseLayout()
{
    qrvl::ResManager const& layout = Layout();
    BaseLayout base;
    base.offsetX = layout.GetOffsetX();
    base.offsetY = layout.GetOffsetY();
    base.width = layout.GetBaseWidth();
    base.height = layout.GetBaseHeight();
    return base;
}

void GameFrontEnd::ClearHudTransitions() { qrvl::HudTransitions::Clear(); }

void GameFrontEnd::SetPauseButtonShown(bool shown)
{
    if (qrvl::CGuifPagePauseButton* button = qrvl::GuifHudManager::GetHudManager().GetPauseButton())
        button->visible = shown;
}

void GameFrontEnd::RequestSaveFileCheck() { ModeMainMenu::s_CheckSaveFileIntegrity = true; }
