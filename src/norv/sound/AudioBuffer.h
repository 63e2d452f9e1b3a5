// A whole source decoded once into memory.
#pragma once

#include "norv/sound/AudioSource.h"

#include <vector>

namespace Norv {

class AudioBuffer : public AudioSource {
public:
    // Decodes all of source; the source is released afterwards unless the
    // caller holds it.
    static AudioBuffer* Create(AudioSource* source);

    unsigned int Fill(char* buffer, unsigned int bytes) override;
    void Restart() override { position = 0; }
    unsigned int Size() override { return unsigned(data.size()); }
    void Seek(unsigned int bytes) override { position = ClampPosition(bytes); }
    unsigned int Tell() override { return position; }

private:
    explicit AudioBuffer(AudioFormat const& format) : AudioSource(format) {}

    std::vector<char> data;
    unsigned int position = 0;
};

} // namespace Norv
