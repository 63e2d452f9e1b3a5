// The program's presentation hooks over the 3D layer's driver.
#include "qrvl/original/phone/world/EngineHooks.h"

#include "qrvl/original/phone/world/CEngine.h"
#include "qrvl/original/phone/world/CSkipManager.h"
#include "qrvl/original/phone/world/Util.h"
#include "qrvl/original/phone/world/WorldHooks.h"

void EngineHooks::Update(int ms, bool paused)
{
    CEngine::GetEngine().Update(ms, paused);
}

void EngineHooks::Render(bool hidden)
{
    CEngine::GetEngine().Render(hidden);
}

void EngineHooks::LoadFrontendResources()
{
    CEngine::GetEngine().LoadFrontendResources();
}

void EngineHooks::LoadIngameResources(int target)
{
    CEngine::GetEngine().LoadIngameResources(target);
}

int EngineHooks::GetLastFrameTimeMs()
{
    return CEngine::GetEngine().GetFrameMs();
}

void EngineHooks::SetupLoader(FGResLoader& loader)
{
    WorldHooks::Get().SetupLoader(loader);
}

void EngineHooks::LoadWorldStep(int type, int param)
{
    WorldHooks::Get().LoadStep(type, param);
}

bool EngineHooks::IsBoardUnreadable()
{
    return WorldHooks::Get().IsBoardUnreadable();
}

char const* EngineHooks::GetAppVersion()
{
    return Util::GetAppVersion();
}

bool EngineHooks::IsSkipping()
{
    return CSkipManager::GetSkipManager().IsSkipping();
}

void EngineHooks::SetSkipping(bool on, bool)
{
    CSkipManager::GetSkipManager().SetSkipping(on);
}
