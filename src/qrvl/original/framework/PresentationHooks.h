// What the framework asks of the 3D board layer: its per-tick update and
// drawing, its resources, the world's loading steps and the skip switch.
// The defaults stand for a game without a board.
#pragma once

#include "qrvl/original/framework/InstalledHooks.h"

class FGResLoader;

class PresentationHooks : public InstalledHooks<PresentationHooks> {
public:
    virtual ~PresentationHooks() = default;

    // The HUD pages, the world (unless paused) and the skip manager.
    virtual void Update(int, bool) {}
    // Draws the 3D world with OpenGL.
    virtual void Render(bool) {}
    virtual void LoadSplashResources() {}
    // Also builds the HUD pages.
    virtual void LoadFrontendResources() {}
    // Asked by the splash while its logos show, over their total time.
    virtual void LoadIngameResources(int) {}
    // The length of the last frame in milliseconds.
    virtual int GetLastFrameTimeMs() { return 0; }

    // Registers the world's loading steps with the loader.
    virtual void SetupLoader(FGResLoader&) {}
    // Performs one of the world's loading steps (resource types 4 to 14).
    virtual void LoadWorldStep(int, int) {}
    // True when the world's load could not read the board's model: a game
    // then does not start, as nothing of its board would show.
    virtual bool IsBoardUnreadable() { return false; }

    // The version text the options file carries.
    virtual char const* GetAppVersion() { return "1.0.2.123456"; }

    // While skipping, timers are over and nothing is drawn.
    virtual bool IsSkipping() { return false; }
    virtual void SetSkipping(bool, bool) {}
};
