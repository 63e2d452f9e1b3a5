// An ordered list of effects shared between the game's thread, which adds
// and removes them, and the audio thread, which runs them and drops those
// that finish. Dropped effects are released on the game's thread, where
// every other reference to them lives.
#pragma once

#include "norv/base/core/SmartPtr.h"
#include "norv/sound/AudioEffect.h"

#include <mutex>
#include <vector>

namespace Norv {

class AudioEffectList {
public:
    // Game thread: each takes the list's lock and first releases what the
    // audio thread dropped.
    void Add(AudioEffect* effect);
    bool Remove(AudioEffect* effect);
    void ReleaseFinished();

    // Audio thread, with the lock held: runs step on each effect in order
    // and drops each one that has finished afterwards.
    template <class Step>
    void Run(Step step)
    {
        for (size_t i = 0; i < effects.size();) {
            step(*effects[i]);
            if (effects[i]->Finished()) {
                finished.push_back(std::move(effects[i]));
                effects.erase(effects.begin() + long(i));
            } else {
                ++i;
            }
        }
    }
    std::vector<SmartPtr<AudioEffect>> const& Effects() const { return effects; }
    std::mutex& Mutex() { return mutex; }

private:
    std::vector<SmartPtr<AudioEffect>> effects;
    std::vector<SmartPtr<AudioEffect>> finished;
    std::mutex mutex;
};

} // namespace Norv
