// The 3D layer's driver: the one object through which the game's engine
// loads the front end's resources, ticks the HUD, the board scene and the
// skip switch, and draws the board; it keeps the frame's milliseconds that
// the HUD pages, motions and camera read.
#pragma once

#include "qrvl/original/phone/world/CProfileHelper.h"

#include <memory>

class FGResLoader;

class CEngine {
public:
    static CEngine& GetEngine();

    // Localised texts, then the HUD pages; only the first call does anything.
    void LoadFrontendResources();
    // Marks the in-game resources loaded; the board itself loads step by
    // step when a game starts.
    void LoadIngameResources(int target);
    // The frame's work: its time, profiling, the HUD, the board unless
    // paused.
    void Update(int ms, bool paused);
    // Draws the board once it has a camera, unless hidden.
    void Render(bool hidden);

    // Where the splash's resources would be released; they live in packs
    // the front end keeps.
    static void DestroySplashResources() {}

    int GetFrameMs() const { return frameMs; }
    bool IsFrontendLoaded() const { return frontendLoaded; }
    bool IsIngameLoaded() const { return ingameLoaded; }
    CProfileHelper const& GetProfiler() const { return *profiler; }

private:
    CEngine();

    int frameMs = 0;
    std::unique_ptr<CProfileHelper> profiler;
    bool frontendLoaded = false;
    bool ingameLoaded = false;
};
