// The game's answer to the engine's request for its application object.
#include "norv/application/ShellSettings.h"
#include "norv/application/sdl/SdlMain.h"
#include "norv/graphics/sdl/SdlGraphicsSetup.h"
#include "qrvl/original/frontend/GameFrontEnd.h"
#include "qrvl/original/frontend/HudPresentation.h"
#include "qrvl/original/FGApp.h"
#include "qrvl/original/InGameFlow.h"
#include "qrvl/original/phone/EngineHooks.h"

Norv::SdlApplication* Norv::CreateApplication()
{
    // Named here rather than in a static initialiser, which could run
    // before the engine's own globals are constructed.
    g_applicationName = "Quorvel";
    SdlApplication::UseGraphicsSetup(new SdlGraphicsSetup);
    FrontEndHooks::Install(new GameFrontEnd);
    // The HUD pages are built and installed with the front end's resources.
    PresentationHooks::Install(new qrvl::HudPresentation);
    GameFlowHooks::Install(new InGameFlow);
    PresentationHooks::Install(new EngineHooks);
    return new FGApp;
}
