// The sound kind of the asset dictionary.
#include "norv/sound/SoundAssets.h"

#include "norv/sound/AudioSource.h"

namespace Norv {

template <>
AudioSource* AssetDict::Create<AudioSource>(NarrowString const& name)
{
    NarrowString file;
    NarrowString option;
    SplitOptions(name, file, option);
    if (option == "cache")
        return AudioSource::LoadCached(file);
    return AudioSource::Load(file, option == "buffer");
}

} // namespace Norv
