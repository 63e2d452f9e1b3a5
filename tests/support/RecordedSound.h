// A game's mix as SDL's disk audio driver records it (signed 16-bit
// stereo, 44100 Hz), and where a known sound plays in it.
#pragma once

#include <string>
#include <vector>

namespace SoundTest {

// Left channel samples as doubles.
using Signal = std::vector<double>;

// The recording's bytes per second of sound.
constexpr long kRecordedBytesPerSecond = 44100 * 4;
// SDL_DISKAUDIODELAY: the disk driver waits this long (ms) per buffer of
// 4096 frames, about as long as the buffer plays, so the recording keeps
// pace with the game.
constexpr char const* kDiskDelayMs = "92";
// Below this a recorded sample is silence.
constexpr double kSilence = 64;
// A sound is found when the recording follows it this closely (normalised
// correlation; 1 is a perfect match at some volume).
constexpr double kFound = 0.9;

Signal LeftChannel(std::vector<short> const& stereo);
// The left channel of a recording file.
Signal ReadRecording(std::string const& path);
// A sound file as the game plays it, decoded through the mounted file system.
Signal DecodeSound(char const* file);

struct Match {
    long at = -1;
    double correlation = 0;
};

// How closely recording[at...] follows sound[0...] over `count` frames.
double Correlation(Signal const& recording, long at, Signal const& sound, long count);
// Where around `near` (within `search` frames either way) the sound starts.
Match FindSound(Signal const& recording, Signal const& sound, long near, long search);
// The volume at which the recording plays the sound from `at` on.
double GainAt(Signal const& recording, long at, Signal const& sound);
// The first sample from `from` on louder than `level`; -1 when none is.
long FirstLouderThan(Signal const& signal, long from, double level);

} // namespace SoundTest
