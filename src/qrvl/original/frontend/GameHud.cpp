// The game's HUD, built and installed.
#include "qrvl/original/frontend/GameHud.h"

#include "qrvl/menu/hud/CGuifPageSkipReport.h"
#include "qrvl/menu/hud/GuifHudHooks.h"
#include "qrvl/menu/hud/GuifHudManager.h"
#include "qrvl/menu/hud/GuifHudPages.h"
#include "qrvl/original/frontend/BenchGame.h"
#include "qrvl/original/frontend/FrontEndGameScreens.h"

namespace qrvl {

void BuildGameHud()
{
    GuifHudManager::GetHudManager().Setup();
    HudHooks::Install(new GuifHudHooks);
    HudPages::Install(new GuifHudPages);
    if (!IsBenchGame())
        GameScreens::Install(new FrontEndGameScreens);
    SkipReportHooks::Install(new CGuifPageSkipReport);
}

} // namespace qrvl
