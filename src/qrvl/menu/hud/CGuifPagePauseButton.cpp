// The pause button.
#include "qrvl/menu/hud/CGuifPagePauseButton.h"

#include "qrvl/menu/screens/HudPageScript.h"
#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/original/framework/QuorvelEngine.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"

#include <cstdio>

namespace qrvl {

namespace {
constexpr char const* kScriptFile = "menu/pauseOverlay.lua";
}

char const CGuifPagePauseButton::className[] = "CGuifPagePauseButton";

Norv::Lunar<CGuifPagePauseButton>::RegType CGuifPagePauseButton::methods[] = {
    {"PauseButtonPressed", &CGuifPagePauseButton::l_PauseButtonPressed},
    {nullptr, nullptr},
};

CGuifPagePauseButton::CGuifPagePauseButton() : screen(new TranslatableScreen(0, nullptr))
{
    RunHudPageScript(screen->GetLua(), kScriptFile, this);
    button = HudHitBox::Of(screen.Get(), "PauseButton");
    if (button.IsEmpty())
        std::fprintf(stderr, "Pause button: %s lacks its PauseButton\n", kScriptFile);
}

int CGuifPagePauseButton::l_PauseButtonPressed(lua_State*)
{
    CGuiFrameTouchButton pause(kPauseButton);
    if (QuorvelEngine* engine = GetGameEngine())
        engine->onButtonSelected(&pause);
    return 0;
}

void CGuifPagePauseButton::drawSelf(Norv::Surface* surface) { screen->Render(surface, 0.0f, 0.0f); }
void CGuifPagePauseButton::onTouchUp(int x, int y, int id) { screen->OnTouchUp(x, y, id); }

} // namespace qrvl
