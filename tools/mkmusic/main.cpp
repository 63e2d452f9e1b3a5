// mkmusic: renders a score into a WAV file in the game's mixer format.
//   mkmusic SCORE OUTPUT.wav
#include "Score.h"
#include "Synth.h"
#include "WavFile.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: mkmusic SCORE OUTPUT.wav\n");
        return 2;
    }
    MkMusic::Score score;
    if (!MkMusic::ReadScore(argv[1], score))
        return 1;
    if (!MkMusic::WriteWav(argv[2], MkMusic::Render(score), MkMusic::kSampleRate)) {
        std::fprintf(stderr, "mkmusic: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
