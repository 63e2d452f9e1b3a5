// The game's HUD, built and installed.
#include "qrvl/original/frontend/GameHud.h"

#include "qrvl/menu/CGuifPageSkipReport.h"
#include "qrvl/menu/GuifHudHooks.h"
#include "qrvl/menu/GuifHudManager.h"
#include "qrvl/menu/GuifHudPages.h"
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
