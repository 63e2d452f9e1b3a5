// Adding and removing effects on the game's thread.
#include "norv/sound/AudioEffectList.h"

#include <algorithm>

namespace Norv {

void AudioEffectList::Add(AudioEffect* effect)
{
    ReleaseFinished();
    std::lock_guard<std::mutex> lock(mutex);
    effects.emplace_back(effect);
}

bool AudioEffectList::Remove(AudioEffect* effect)
{
    ReleaseFinished();
    // Declared before the lock, so the effect dies after it is let go.
    SmartPtr<AudioEffect> removed;
    std::lock_guard<std::mutex> lock(mutex);
    auto found = std::find(effects.begin(), effects.end(), effect);
    if (found == effects.end())
        return false;
    removed = std::move(*found);
    effects.erase(found);
    return true;
}

void AudioEffectList::ReleaseFinished()
{
    std::vector<SmartPtr<AudioEffect>> dead;
    std::lock_guard<std::mutex> lock(mutex);
    dead.swap(finished);
}

} // namespace Norv
