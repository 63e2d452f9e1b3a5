// Writes 16-bit stereo WAV files.
#pragma once

#include <vector>

namespace MkMusic {

bool WriteWav(char const* path, std::vector<float> const& interleaved, int sampleRate);

} // namespace MkMusic
