// An XM module as an endless mono 22050 Hz source.
#pragma once

#include "norv/sound/AudioSource.h"
#include "norv/sound/CModuleSong.h"
#include "norv/sound/ModulePlayer.h"

#include <memory>

namespace Norv {

class AudioXM : public AudioSource {
public:
    // Null when the file is missing or not a well-formed module.
    static AudioXM* Create(NarrowString const& name);
    // Plays a loaded song from its first order, taking ownership of it.
    explicit AudioXM(std::unique_ptr<ModulePlayer::CModuleSong> song);

    unsigned int Fill(char* buffer, unsigned int bytes) override;
    void Restart() override {}
    unsigned int Size() override { return 0; }
    void Seek(unsigned int) override {}
    unsigned int Tell() override { return 0; }

private:
    std::unique_ptr<ModulePlayer::CModuleSong> song;
    ModulePlayer::ModulePlayer player;
};

} // namespace Norv
