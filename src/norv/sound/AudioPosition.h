// An independent play position over a shared source, so one decoded sound
// can play on several channels at once.
#pragma once

#include "norv/base/core/SmartPtr.h"
#include "norv/sound/AudioSource.h"

namespace Norv {

class AudioPosition : public AudioSource {
public:
    explicit AudioPosition(AudioSource* source);

    unsigned int Fill(char* buffer, unsigned int bytes) override;
    void Restart() override { position = 0; }
    unsigned int Size() override { return source->Size(); }
    void Seek(unsigned int bytes) override { position = ClampPosition(bytes); }
    unsigned int Tell() override { return position; }

private:
    SmartPtr<AudioSource> source;
    unsigned int position = 0;
};

} // namespace Norv
