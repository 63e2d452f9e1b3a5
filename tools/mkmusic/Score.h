// A piece of music as its score file describes it: the loop's length, the
// voices with their sound, and every note placed in beats.
#pragma once

#include <string>
#include <vector>

namespace MkMusic {

enum class Wave { Sine, Triangle, Square, Saw, Organ, Bell, Pluck, Drums };

struct Voice {
    std::string name;
    Wave wave = Wave::Sine;
    // Envelope in seconds, sustain as a level of the peak.
    float attack = 0.01f;
    float decay = 0.1f;
    float sustain = 0.7f;
    float release = 0.2f;
    float gain = 0.3f;
    // -1 left to 1 right.
    float pan = 0.0f;
    // Echo after this many beats (0 for none), each repeat this much quieter.
    float echoBeats = 0.0f;
    float echoFeedback = 0.0f;
    // Vibrato depth in semitones, at 5 Hz.
    float vibrato = 0.0f;
    // Where the next note of this voice starts, in beats.
    float cursor = 0.0f;
};

struct Note {
    int voice = 0;
    float startBeat = 0.0f;
    float beats = 0.0f;
    // Frequency in Hz; for drums the hit: 'k' kick, 's' snare, 'h' hat.
    float frequency = 0.0f;
    char drum = 0;
};

struct Score {
    float tempo = 120.0f;
    int bars = 0;
    int beatsPerBar = 4;
    // A looping piece joins its end to its start, notes ringing over the
    // end sounding at the start; a piece played once keeps its tail.
    bool looping = true;
    std::vector<Voice> voices;
    std::vector<Note> notes;

    float LoopBeats() const { return static_cast<float>(bars * beatsPerBar); }
    float SecondsPerBeat() const { return 60.0f / tempo; }
};

// Reads a score; on a fault prints the file, line and reason and answers false.
bool ReadScore(char const* path, Score& score);

} // namespace MkMusic
