// The program's presentation hooks: the framework's calls to the 3D layer
// go to its driver, the board scene's loading steps and the skip switch.
#pragma once

#include "qrvl/original/framework/PresentationHooks.h"

class EngineHooks : public PresentationHooks {
public:
    void Update(int ms, bool paused) override;
    void Render(bool hidden) override;
    void LoadFrontendResources() override;
    void LoadIngameResources(int target) override;
    int GetLastFrameTimeMs() override;
    void SetupLoader(FGResLoader& loader) override;
    void LoadWorldStep(int type, int param) override;
    bool IsBoardUnreadable() override;
    char const* GetAppVersion() override;
    bool IsSkipping() override;
    void SetSkipping(bool on, bool) override;
};
