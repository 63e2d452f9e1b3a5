// The mixer behind the application's pause calls and shutdown order.
#include "norv/sound/InstalledMixer.h"

#include "norv/application/EngineSingletons.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/sound/Mixer.h"

namespace Norv {

void InstalledMixer::Install(Mixer* mixer)
{
    SmartPtr<Mixer> kept(mixer);
    // Installing the hook releases the previous one, and with it the old mixer.
    EngineSingletons::InstallMixer(mixer ? new InstalledMixer() : nullptr);
    g_mixer.Reset(mixer);
}

InstalledMixer::~InstalledMixer()
{
    g_mixer.Release();
}

void InstalledMixer::Pause(PauseReason reason, bool pause)
{
    if (g_mixer)
        g_mixer->Pause(reason, pause);
}

} // namespace Norv
