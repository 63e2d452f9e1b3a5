// The 3D layer's driver.
#include "qrvl/original/phone/world/CEngine.h"
#include "norv/graphics/Batcher.h"
#include "norv/graphics/OpenGL.h"

#include "qrvl/original/framework/FrontEndHooks.h"
#include "qrvl/original/phone/world/CLoadingScreen.h"
#include "qrvl/original/phone/text/CLocalise.h"
#include "qrvl/original/phone/world/EngineHudHooks.h"
#include "qrvl/original/phone/world/WorldHooks.h"
#include "qrvl/port/Particles.h"
#include "qrvl/port/SoundManager.h"

CEngine& CEngine::GetEngine()
{
    static CEngine engine;
    return engine;
}

CEngine::CEngine() : profiler(new CProfileHelper)
{
}

void CEngine::LoadFrontendResources()
{
    if (frontendLoaded)
        return;
    {
        CLoadingScreen loading(0, false);
        CLocalise::GetLocalise()->LoadData();
    }
    EngineHudHooks::Get().Setup();
    // Screen-space particles scale with the layout chosen for the window.
    BaseLayout const layout = FrontEndHooks::Get().GetBaseLayout();
    if (layout.width < BaseLayout::kWholeWindow)
        Particles::SetBaseSize(layout.width, layout.height);
    frontendLoaded = true;
}

void CEngine::LoadIngameResources(int target)
{
    if (ingameLoaded)
        return;
    CLoadingScreen loading(target, true);
    ingameLoaded = true;
}

void CEngine::Update(int ms, bool paused)
{
    frameMs = ms;
    profiler->Update(ms);
    SoundManager::GetInstance().Update();
    EngineHudHooks::Get().Update(ms);
    if (!paused)
        WorldHooks::Get().Update();
}

void CEngine::Render(bool hidden)
{
    if (!hidden && WorldHooks::Get().CanRender()) {
        WorldHooks::Get().Render();
        if (Norv::g_batcher)
            Norv::g_batcher->NoteUntrackedDrawing();
    }
}
