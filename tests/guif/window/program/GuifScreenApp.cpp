// The scripted screen program.
#include "GuifScreenApp.h"

#include "norv/application/ShellSettings.h"
#include "norv/application/sdl/SdlMain.h"
#include "norv/base/AssetDict.h"
#include "norv/base/Registry.h"
#include "norv/base/TextDict.h"
#include "norv/graphics/sdl/SdlGraphicsSetup.h"
#include "norv/vfs/Vfs.h"

#include <cstdio>
#include <cstdlib>

using namespace Norv;

void GuifScreenApp::OnStartup()
{
    char const* folder = std::getenv("QUORVEL_GUIF_FOLDER");
    if (!folder) {
        std::fprintf(stderr, "QUORVEL_GUIF_FOLDER names no folder\n");
        Exit();
        return;
    }
    Vfs::Initialize();
    MountNative(folder, "", 0);
    g_assetDict = new AssetDict();
    g_registry = new Registry();
    g_textDict = new TextDict();
    screen = new Guif::Screen(0, nullptr);
    screen->GetLua()->Load("screen.lua");
}

void GuifScreenApp::OnShutdown()
{
    screen.Release();
    Vfs::Shutdown();
}

void GuifScreenApp::OnUpdate(NorvFloat const& seconds)
{
    if (screen)
        screen->Update(seconds);
}

void GuifScreenApp::OnRender(Surface* surface)
{
    if (!surface || !screen)
        return;
    surface->Clear(Color(0, 0, 0));
    screen->Render(surface, 0, 0);
}

void GuifScreenApp::OnTouchDown(int x, int y, int id)
{
    if (screen)
        screen->OnTouchDown(x, y, id);
}

void GuifScreenApp::OnTouchUp(int x, int y, int id)
{
    if (screen)
        screen->OnTouchUp(x, y, id);
}

void GuifScreenApp::OnTouchMove(int x, int y, int id)
{
    if (screen)
        screen->OnTouchMove(x, y, id);
}

void GuifScreenApp::OnKeyPress(KeyCode key)
{
    if (screen)
        screen->OnKeyDown(key);
}

void GuifScreenApp::OnKeyRelease(KeyCode key)
{
    if (screen)
        screen->OnKeyUp(key);
}

SdlApplication* Norv::CreateApplication()
{
    g_applicationName = "Quorvel GUI";
    SdlApplication::UseGraphicsSetup(new SdlGraphicsSetup);
    return new GuifScreenApp;
}
