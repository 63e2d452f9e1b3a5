// Renders a score to stereo samples.
#pragma once

#include "Score.h"

#include <vector>

namespace MkMusic {

constexpr int kSampleRate = 44100;

// Interleaved left and right samples in -1..1, the loudest at kPeak. A
// looping score gives exactly one loop, whose last sample runs on into its
// first; a score played once gives its notes and their tails.
std::vector<float> Render(Score const& score);

} // namespace MkMusic
