// The engine-wide services the application calls but other parts of the
// engine provide, and the one place that releases them in order.
#pragma once

#include "norv/application/ConsoleHook.h"
#include "norv/application/MixerPauseHook.h"

namespace Norv {

class EngineSingletons {
public:
    // The installed services, or the null ones when none is installed.
    static MixerPauseHook& Mixer();
    static ConsoleHook& Console();

    // Each takes a reference; null puts the null service back.
    static void InstallMixer(MixerPauseHook* mixer);
    static void InstallConsole(ConsoleHook* console);

    // Called by the application's destructor. Order: mixer, asset
    // dictionary, registry, text dictionary, console.
    static void Release();
};

} // namespace Norv
