// The HUD pages' ticks without a 3D board.
#include "qrvl/original/frontend/HudPresentation.h"

#include "qrvl/menu/GuifHudManager.h"
#include "qrvl/original/frontend/GameHud.h"

namespace qrvl {

void HudPresentation::Update(int ms, bool)
{
    lastFrameMs = ms;
    GuifHudManager::GetHudManager().Update(ms > 0 ? static_cast<unsigned>(ms) : 0u);
}

void HudPresentation::LoadFrontendResources() { BuildGameHud(); }

} // namespace qrvl
