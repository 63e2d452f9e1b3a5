// The computer-turn overlay.
#include "qrvl/menu/hud/CGuifPageAIOverlay.h"

#include "qrvl/menu/screens/HudPageScript.h"
#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/menu/screens/ScreenControls.h"
#include "qrvl/original/framework/FGModeManager.h"
#include "qrvl/original/framework/QuorvelEngine.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"

namespace qrvl {

namespace {
constexpr char const* kScriptFile = "menu/aiOverlay.lua";
}

char const CGuifPageAIOverlay::className[] = "CGuifPageAIOverlay";

Norv::Lunar<CGuifPageAIOverlay>::RegType CGuifPageAIOverlay::methods[] = {
    {"SkipKeyPressed", &CGuifPageAIOverlay::l_SkipKeyPressed},
    {"ForwardKeyPressed", &CGuifPageAIOverlay::l_ForwardKeyPressed},
    {nullptr, nullptr},
};

CGuifPageAIOverlay::CGuifPageAIOverlay() : screen(new TranslatableScreen(0, nullptr))
{
    RunHudPageScript(screen->GetLua(), kScriptFile, this);
}

void CGuifPageAIOverlay::setFFActive(bool on)
{
    SetLineText(screen.Get(), "ForwardKeyLabel", on ? "S_I3D_STOP_FAST_FORWARD" : "S_FAST_FORWARD", false);
}

int CGuifPageAIOverlay::l_SkipKeyPressed(lua_State*)
{
    CGuiFrameTouchButton skip(kSkipButton);
    if (QuorvelEngine* engine = GetGameEngine())
        engine->onButtonSelected(&skip);
    return 0;
}

int CGuifPageAIOverlay::l_ForwardKeyPressed(lua_State*)
{
    CGuiFrameTouchButton forward(kFastForwardButton);
    if (QuorvelEngine* engine = GetGameEngine())
        engine->getModeManager()->buttonSelected(&forward);
    return 0;
}

void CGuifPageAIOverlay::drawSelf(Norv::Surface* surface) { screen->Render(surface, 0.0f, 0.0f); }
void CGuifPageAIOverlay::onTouchUp(int x, int y, int id) { screen->OnTouchUp(x, y, id); }
void CGuifPageAIOverlay::onTouchMove(int x, int y, int id) { screen->OnTouchMove(x, y, id); }

} // namespace qrvl
