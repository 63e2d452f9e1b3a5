// The game's answer to the engine's request for its application object.
#include "norv/application/ShellSettings.h"
#include "norv/application/sdl/SdlMain.h"
#include "norv/graphics/sdl/SdlGraphicsSetup.h"
#include "qrvl/original/frontend/GameFrontEnd.h"
#include "qrvl/original/frontend/GameHudHooks.h"
#include "qrvl/original/framework/FGApp.h"
#include "qrvl/original/game/InGameFlow.h"
#include "qrvl/original/phone/world/CWorld.h"
#include "qrvl/original/phone/world/EngineHooks.h"

Norv::SdlApplication* Norv::CreateApplication()
{
    // Named here rather than in a static initialiser, which could run
    // before the engine's own globals are constructed.
    g_applicationName = "Quorvel";
    SdlApplication::UseGraphicsSetup(new SdlGraphicsSetup);
    FrontEndHooks::Install(new GameFrontEnd);
    GameFlowHooks::Install(new InGameFlow);
    // The 3D layer's driver runs the presentation and builds the HUD pages
    // with the front end's resources.
    PresentationHooks::Install(new EngineHooks);
    WorldHooks::Install(new CWorldHooks);
    EngineHudHooks::Install(new qrvl::GameHudHooks);
    return new FGApp;
}
