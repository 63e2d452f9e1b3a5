// Mixers whose frames the test pulls itself, and scoped environment
// variables for choosing SDL's audio driver.
#pragma once

#include "norv/base/core/SmartPtr.h"
#include "norv/sound/Mixer.h"

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace SoundTest {

// Sets environment variables for a scope and puts the old values back.
class Environment {
public:
    Environment() = default;
    Environment(Environment const&) = delete;
    Environment& operator=(Environment const&) = delete;

    void Set(char const* name, std::string const& value)
    {
        char const* old = std::getenv(name);
        saved.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        setenv(name, value.c_str(), 1);
    }
    ~Environment()
    {
        for (auto it = saved.rbegin(); it != saved.rend(); ++it)
            it->second ? setenv(it->first.c_str(), it->second->c_str(), 1) : unsetenv(it->first.c_str());
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved;
};

// A mixer with its device closed before it ever pulled a frame: made on the
// silent device, whose first pull waits a whole frame period, and paused at
// once.
inline Norv::SmartPtr<Norv::Mixer> DetachedMixer(Norv::AudioFormat const& format, Norv::MixerParams const& params)
{
    Environment env;
    env.Set("SDL_AUDIODRIVER", "no-such-driver");
    Norv::SmartPtr<Norv::Mixer> mixer(new Norv::Mixer(format, params));
    mixer->Pause(Norv::Mixer::PauseFocus, true);
    return mixer;
}

} // namespace SoundTest
