// The game's front end as the framework sees it: the splash as first mode,
// the scripted loading screen, the layout and packs of the window size.
#pragma once

#include "qrvl/original/framework/FrontEndHooks.h"

class GameFrontEnd : public FrontEndHooks {
public:
    FGMode* CreateSplashMode() override;
    FGMode* CreateMainMenu(char const* messageId) override;
    Norv::SmartPtr<LoadingScreen> CreateLoadingScreen(QuorvelEngine& engine) override;
    Norv::NarrowString GetBkgPak() override;
    Norv::NarrowString GetAssetsPak() override;
    BaseLayout GetBaseLayout() override;
    void ClearHudTransitions() override;
    void SetPauseButtonShown(bool shown) override;
    void RequestSaveFileCheck() override;
};
