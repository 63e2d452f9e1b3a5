// Makes a mixer the engine's one mixer: g_mixer holds it, the application
// pauses it for focus and the console, and releases it first at shutdown.
#pragma once

#include "norv/application/MixerPauseHook.h"

namespace Norv {

class Mixer;

class InstalledMixer : public MixerPauseHook {
public:
    // Replaces the engine's mixer; null leaves none.
    static void Install(Mixer* mixer);

    ~InstalledMixer() override;
    void Pause(PauseReason reason, bool pause) override;

private:
    InstalledMixer() = default;
};

} // namespace Norv
