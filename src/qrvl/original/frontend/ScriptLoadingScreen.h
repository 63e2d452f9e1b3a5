// The screen shown while a game loads, run by "menu/loading.lua".
#pragma once

#include "qrvl/menu/TranslatableScreen.h"
#include "qrvl/original/LoadingScreen.h"

class ScriptLoadingScreen : public LoadingScreen {
public:
    ScriptLoadingScreen();
    void Update(Norv::NorvFloat const& seconds) override { screen->Update(seconds); }
    void Render(Norv::Surface* surface, float dx, float dy) override { screen->Render(surface, dx, dy); }

private:
    Norv::SmartPtr<qrvl::TranslatableScreen> screen;
};
