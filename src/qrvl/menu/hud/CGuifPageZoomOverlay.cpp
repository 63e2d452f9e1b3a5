// The zoom keys.
#include "qrvl/menu/hud/CGuifPageZoomOverlay.h"

#include "qrvl/menu/screens/HudPageScript.h"
#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/menu/screens/ResManager.h"
#include "qrvl/menu/screens/ScreenControls.h"
#include "qrvl/original/framework/FGModeManager.h"
#include "qrvl/original/game/ModeGame.h"
#include "qrvl/original/framework/QuorvelEngine.h"

#include <cstdio>

namespace qrvl {

namespace {
constexpr char const* kScriptFile = "menu/zoomOverlay.lua";
constexpr int kZoomIn = 1;
constexpr int kZoomOut = -1;
} // namespace

char const CGuifPageZoomOverlay::className[] = "CGuifPageZoomOverlay";

Norv::Lunar<CGuifPageZoomOverlay>::RegType CGuifPageZoomOverlay::methods[] = {
    {"ZoomInPressed", &CGuifPageZoomOverlay::l_ZoomInPressed},
    {"ZoomOutPressed", &CGuifPageZoomOverlay::l_ZoomOutPressed},
    {nullptr, nullptr},
};

// The keys' pictures are centred on their controls, so the hit box runs
// half a key either side of the controls' own places.
CGuifPageZoomOverlay::CGuifPageZoomOverlay()
    : screen(new TranslatableScreen(0, nullptr))
{
    RunHudPageScript(screen->GetLua(), kScriptFile, this);
    Guif::Control* zoomIn = screen->FindControl("ZoomInKey");
    Guif::Control* zoomOut = screen->FindControl("ZoomOutKey");
    Guif::TransformedSprite* key = FindTransformedSprite(screen.Get(), "ZoomInKey");
    if (!zoomIn || !zoomOut || !key) {
        std::fprintf(stderr, "Zoom keys: %s lacks its ZoomInKey or ZoomOutKey\n", kScriptFile);
        return;
    }
    ResManager const* layout = ResManager::GetInstance();
    int const offsetX = layout ? layout->GetOffsetX() : 0;
    int const offsetY = layout ? layout->GetOffsetY() : 0;
    keyWidth = static_cast<int>(key->GetWidth());
    keyHeight = static_cast<int>(key->GetHeight());
    left = offsetX + static_cast<int>(zoomIn->GetX()) - keyWidth / 2;
    zoomInTop = offsetY + static_cast<int>(zoomIn->GetY()) - keyHeight / 2;
    zoomOutTop = offsetY + static_cast<int>(zoomOut->GetY()) - keyHeight / 2;
}

void CGuifPageZoomOverlay::Update(unsigned ms)
{
    screen->Update(static_cast<float>(ms) / 1000.0f);
}
void CGuifPageZoomOverlay::drawSelf(Norv::Surface* surface)
{
    screen->Render(surface, 0.0f, 0.0f);
}
void CGuifPageZoomOverlay::onTouchUp(int x, int y, int id)
{
    screen->OnTouchUp(x, y, id);
}
void CGuifPageZoomOverlay::onTouchMove(int x, int y, int id)
{
    screen->OnTouchMove(x, y, id);
}
void CGuifPageZoomOverlay::onTouchDown(int x, int y, int id)
{
    screen->OnTouchDown(x, y, id);
}
void CGuifPageZoomOverlay::ResetTouch()
{
    screen->OnTouchUp(0, 0, 0);
}

bool CGuifPageZoomOverlay::Contains(int x, int y) const
{
    if (x < left || x > left + keyWidth)
        return false;
    bool const onZoomIn = zoomInTop <= y && y <= zoomInTop + keyHeight;
    bool const onZoomOut = zoomOutTop <= y && y <= zoomOutTop + keyHeight;
    return onZoomIn || onZoomOut;
}

void CGuifPageZoomOverlay::Zoom(float step, int direction)
{
    QuorvelEngine* engine = GetGameEngine();
    FGModeManager* modes = engine ? engine->getModeManager() : nullptr;
    if (ModeGame* game = modes ? dynamic_cast<ModeGame*>(modes->getCurrentMode()) : nullptr)
        game->Zoom(step, direction);
}

int CGuifPageZoomOverlay::l_ZoomInPressed(lua_State* L)
{
    Zoom(static_cast<float>(Norv::Lua(L).CheckNumber(1)), kZoomIn);
    return 0;
}

int CGuifPageZoomOverlay::l_ZoomOutPressed(lua_State* L)
{
    Zoom(static_cast<float>(Norv::Lua(L).CheckNumber(1)), kZoomOut);
    return 0;
}

} // namespace qrvl
