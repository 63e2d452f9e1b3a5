// What the framework asks of the front-end modes, the HUD pages and the
// layout manager built above it. The defaults stand for a game without
// them: no first mode, no HUD, a layout that covers the whole window.
#pragma once

#include "qrvl/original/framework/BaseLayout.h"
#include "qrvl/original/framework/InstalledHooks.h"
#include "qrvl/original/framework/LoadingScreen.h"

#include "norv/base/core/NarrowString.h"
#include "norv/base/core/SmartPtr.h"

class FGMode;
class QuorvelEngine;

class FrontEndHooks : public InstalledHooks<FrontEndHooks> {
public:
    virtual ~FrontEndHooks() = default;

    // The first mode, made with new and not yet initialised; null for none.
    virtual FGMode* CreateSplashMode() { return nullptr; }
    // The main menu, made with new and initialised, that shows the message
    // of a text id over itself (null: none); null when there is no menu.
    virtual FGMode* CreateMainMenu(char const*) { return nullptr; }
    // The screen shown while a game loads; null for none.
    virtual Norv::SmartPtr<LoadingScreen> CreateLoadingScreen(QuorvelEngine&) { return {}; }

    // The background and asset pak archives for the window size; "" mounts none.
    virtual Norv::NarrowString GetBkgPak() { return {}; }
    virtual Norv::NarrowString GetAssetsPak() { return {}; }
    virtual BaseLayout GetBaseLayout() { return {}; }

    // Stops every running HUD slide; the mode stack calls it before a pop.
    virtual void ClearHudTransitions() {}
    // Shows or hides the HUD's pause button.
    virtual void SetPauseButtonShown(bool) {}
    // Asks the main menu to test the saved files again (after a resume).
    virtual void RequestSaveFileCheck() {}
};
