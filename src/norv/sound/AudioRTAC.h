// A source held in memory in the engine's delta codec: blocks of 32
// samples, each a raw first frame and one code byte per further sample,
// about half the size of the samples.
#pragma once

#include "norv/sound/AudioSource.h"

#include <cstdint>
#include <vector>

namespace Norv {

class AudioRTAC : public AudioSource {
public:
    // Encodes all of source, holding it only while encoding.
    explicit AudioRTAC(AudioSource* source);

    unsigned int Fill(char* buffer, unsigned int bytes) override;
    void Restart() override;
    unsigned int Size() override { return size; }
    void Seek(unsigned int bytes) override;
    unsigned int Tell() override { return position; }

    // The compressed image.
    std::vector<uint8_t> const& GetData() const { return data; }

    // Shift of a code's magnitude, by the code's top two bits.
    static int const s_shift[4];
    static constexpr unsigned int kBlockBytes = 64;

private:
    void Encode(AudioSource* source);

    std::vector<uint8_t> data;
    unsigned int size = 0;
    unsigned int readPos = 0;
    unsigned int position = 0;
    unsigned int countdown = 0; // code bytes left in the current block
    int16_t last[2] = {0, 0};   // the prediction of each channel
};

} // namespace Norv
