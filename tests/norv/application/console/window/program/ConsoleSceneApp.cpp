// The console scene program.
#include "ConsoleSceneApp.h"

#include "norv/application/EngineSingletons.h"
#include "norv/application/ShellSettings.h"
#include "norv/application/console/DebugOverlay.h"
#include "norv/application/sdl/SdlMain.h"
#include "norv/base/AssetDict.h"
#include "norv/base/Registry.h"
#include "norv/graphics/GraphicsAssets.h"
#include "norv/graphics/Surface.h"
#include "norv/graphics/sdl/SdlGraphicsSetup.h"
#include "norv/vfs/Vfs.h"

#include <cstdio>

using namespace Norv;

namespace {

// The scene: a background and three boxes; the test looks at the same places.
Color const kBackground(40, 90, 60);
struct Box {
    int x1, y1, x2, y2;
    Color color;
};
Box const kBoxes[] = {
    {20, 20, 140, 120, Color(230, 80, 70)},
    {180, 60, 300, 260, Color(250, 200, 60)},
    {340, 140, 460, 300, Color(80, 140, 240)},
};

} // namespace

void ConsoleSceneApp::OnStartup()
{
    Vfs::Initialize();
    if (!MountPak(QUORVEL_ASSETS_PAK, "", 1))
        std::fprintf(stderr, "console scene: cannot mount %s\n", QUORVEL_ASSETS_PAK);
    g_assetDict = new AssetDict;
    g_registry = new Registry;
    g_registry->Set("/qrvl/settings/Language", "en");
    g_registry->Set("/qrvl/settings/MusicVolume", 80);
    g_registry->Set("/qrvl/settings/Fullscreen", false);
    DebugOverlay::Create();
}

void ConsoleSceneApp::OnShutdown()
{
    // The console's font goes while the screen still exists.
    EngineSingletons::InstallConsole(nullptr);
    g_registry.Release();
    g_assetDict.Release();
    Vfs::Shutdown();
}

void ConsoleSceneApp::OnRender(Surface* screen)
{
    if (!screen)
        return;
    screen->Clear(kBackground);
    for (Box const& box : kBoxes)
        screen->DrawFilledRectangle(box.x1, box.y1, box.x2, box.y2, box.color);
}

SdlApplication* Norv::CreateApplication()
{
    g_applicationName = "Quorvel console";
    SdlApplication::UseGraphicsSetup(new SdlGraphicsSetup);
    return new ConsoleSceneApp;
}
