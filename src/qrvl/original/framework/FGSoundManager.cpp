// The framework's older sound front.
#include "qrvl/original/framework/FGSoundManager.h"

#include <algorithm>

void FGSoundManager::init()
{
    volume = kDefaultVolume;
}

bool FGSoundManager::registerSound(char const*, int id)
{
    if (isRegistered(id) || count >= kMaxSounds)
        return false;
    ids[count++] = id;
    return true;
}

void FGSoundManager::unregisterSound(int id)
{
    int* end = ids + count;
    int* kept = std::remove(ids, end, id);
    count -= static_cast<int>(end - kept);
}

bool FGSoundManager::isRegistered(int id) const
{
    return std::find(ids, ids + count, id) != ids + count;
}

void FGSoundManager::setVolume(int value)
{
    volume = std::clamp(value, 0, kMaxVolume);
}
