// The HUD pages' construction and ticks, called by the 3D layer's driver.
#include "qrvl/original/frontend/GameHudHooks.h"

#include "qrvl/menu/hud/GuifHudManager.h"
#include "qrvl/original/frontend/GameHud.h"

namespace qrvl {

void GameHudHooks::Setup() { BuildGameHud(); }

void GameHudHooks::Update(int ms) { GuifHudManager::GetHudManager().Update(ms > 0 ? static_cast<unsigned>(ms) : 0u); }

} // namespace qrvl
