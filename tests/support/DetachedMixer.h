// Mixers whose frames the test pulls itself.
#pragma once

#include "norv/base/core/SmartPtr.h"
#include "norv/sound/Mixer.h"
#include "tests/support/Environment.h"

namespace SoundTest {

// A mixer with its device closed before it ever pulled a frame: made on the
// silent device, whose first pull waits a whole frame period, and paused at
// once.
inline Norv::SmartPtr<Norv::Mixer> DetachedMixer(Norv::AudioFormat const& format, Norv::MixerParams const& params)
{
    NorvTest::Environment env;
    env.Set("SDL_AUDIODRIVER", "no-such-driver");
    Norv::SmartPtr<Norv::Mixer> mixer(new Norv::Mixer(format, params));
    mixer->Pause(Norv::Mixer::PauseFocus, true);
    return mixer;
}

} // namespace SoundTest
