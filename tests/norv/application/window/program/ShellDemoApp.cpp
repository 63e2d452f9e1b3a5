// The stand-in application: a window in the game's background colour.
#include "ShellDemoApp.h"

#include "norv/application/ShellSettings.h"
#include "norv/application/sdl/SdlMain.h"

#include <SDL_opengl.h>

void ShellDemoApp::OnRender(Norv::Surface*)
{
    glClearColor(0x1e / 255.0f, 0x5a / 255.0f, 0x8c / 255.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

Norv::SdlApplication* Norv::CreateApplication()
{
    // Named here rather than in a static initialiser, which could run
    // before the engine's own globals are constructed.
    g_applicationName = "Quorvel";
    return new ShellDemoApp;
}
