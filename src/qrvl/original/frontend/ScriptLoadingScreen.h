// The screen shown while a game loads, run by "menu/loading.lua", with a
// bar under its text that fills as the game's resources load.
#pragma once

#include "qrvl/menu/screens/TranslatableScreen.h"
#include "qrvl/original/framework/LoadingScreen.h"

class QuorvelEngine;

class ScriptLoadingScreen : public LoadingScreen {
public:
    explicit ScriptLoadingScreen(QuorvelEngine& engine);
    void Update(Norv::NorvFloat const& seconds) override { screen->Update(seconds); }
    void Render(Norv::Surface* surface, float dx, float dy) override;

private:
    void RenderProgressBar(Norv::Surface* surface, float dx, float dy) const;

    QuorvelEngine& engine;
    Norv::SmartPtr<qrvl::TranslatableScreen> screen;
};
