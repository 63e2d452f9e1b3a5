// Rendering a module through the module player.
#include "norv/sound/AudioXM.h"

namespace Norv {

AudioXM* AudioXM::Create(NarrowString const& name)
{
    auto song = std::make_unique<ModulePlayer::CModuleSong>();
    if (!song->LoadXM(name.c_str()))
        return nullptr;
    return new AudioXM(std::move(song));
}

AudioXM::AudioXM(std::unique_ptr<ModulePlayer::CModuleSong> loaded)
    : AudioSource(AudioFormat{1, ModulePlayer::ModulePlayer::kOutputRate}), song(std::move(loaded))
{
    player.SetModule(song.get());
    player.play(-1, -1);
}

unsigned int AudioXM::Fill(char* buffer, unsigned int bytes)
{
    unsigned int samples = bytes / 2;
    if (!player.PullStream(reinterpret_cast<short*>(buffer), int(samples)))
        return 0;
    return samples * 2;
}

} // namespace Norv
