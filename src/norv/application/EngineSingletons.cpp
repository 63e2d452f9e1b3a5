// Slots of the engine's singletons and their release order.
#include "norv/application/EngineSingletons.h"

#include "norv/base/AssetDict.h"
#include "norv/base/Registry.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/TextDict.h"

namespace Norv {

namespace {

SmartPtr<MixerPauseHook>& MixerSlot()
{
    static SmartPtr<MixerPauseHook> slot;
    return slot;
}

SmartPtr<ConsoleHook>& ConsoleSlot()
{
    static SmartPtr<ConsoleHook> slot;
    return slot;
}

} // namespace

MixerPauseHook& EngineSingletons::Mixer()
{
    static MixerPauseHook silence;
    return MixerSlot() ? *MixerSlot() : silence;
}

ConsoleHook& EngineSingletons::Console()
{
    static ConsoleHook absent;
    return ConsoleSlot() ? *ConsoleSlot() : absent;
}

void EngineSingletons::InstallMixer(MixerPauseHook* mixer)
{
    MixerSlot().Reset(mixer);
}

void EngineSingletons::InstallConsole(ConsoleHook* console)
{
    ConsoleSlot().Reset(console);
}

void EngineSingletons::Release()
{
    // The mixer goes first: its audio thread may still reach the others.
    MixerSlot().Release();
    g_assetDict.Release();
    g_registry.Release();
    g_textDict.Release();
    ConsoleSlot().Release();
}

} // namespace Norv
