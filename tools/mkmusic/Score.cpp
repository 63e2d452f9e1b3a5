// The score reader. A score is a text of lines:
//   tempo 112                       beats per minute
//   loop 16 4                       bars and beats per bar; the piece loops
//   once 2 4                        the same for a piece played once
//   voice lead square attack=0.01 decay=0.2 sustain=0.5 release=0.3 gain=0.3 pan=-0.3 echo=0.75 feedback=0.3 vibrato=0.1
//   lead: C5/1 E5/0.5 -/0.5 | C4+E4+G4/2
// Notes are pitch/beats, "-" rests, "+" joins a chord; drums hit k, s or h.
// "|" marks bars for the reader's eye and is checked: each bar must be full.
#include "Score.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

namespace MkMusic {
namespace {

struct Reader {
    char const* path;
    int line = 0;

    bool Fail(std::string const& why) const
    {
        std::fprintf(stderr, "%s:%d: %s\n", path, line, why.c_str());
        return false;
    }
};

bool ParseNumber(std::string const& text, float& value)
{
    char* end = nullptr;
    value = std::strtof(text.c_str(), &end);
    return !text.empty() && *end == '\0' && std::isfinite(value);
}

// "C4", "F#3", "Bb5" to Hz, with A4 at 440.
bool ParsePitch(std::string const& text, float& frequency)
{
    static std::map<char, int> const kSteps = {{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5}, {'G', 7}, {'A', 9}, {'B', 11}};
    if (text.size() < 2 || !kSteps.count(text[0]))
        return false;
    int semitone = kSteps.at(text[0]);
    size_t at = 1;
    if (text[at] == '#' || text[at] == 'b') {
        semitone += text[at] == '#' ? 1 : -1;
        ++at;
    }
    if (at + 1 != text.size() || text[at] < '0' || text[at] > '8')
        return false;
    int const midi = (text[at] - '0' + 1) * 12 + semitone;
    frequency = 440.0f * std::pow(2.0f, (midi - 69) / 12.0f);
    return true;
}

bool ParseWave(std::string const& text, Wave& wave)
{
    static std::map<std::string, Wave> const kWaves = {
        {"sine", Wave::Sine},   {"triangle", Wave::Triangle}, {"square", Wave::Square}, {"saw", Wave::Saw},
        {"organ", Wave::Organ}, {"bell", Wave::Bell},         {"pluck", Wave::Pluck},   {"drums", Wave::Drums}};
    auto const found = kWaves.find(text);
    if (found == kWaves.end())
        return false;
    wave = found->second;
    return true;
}

bool ReadVoice(Reader const& reader, std::istringstream& words, Score& score)
{
    Voice voice;
    std::string wave;
    if (!(words >> voice.name >> wave) || !ParseWave(wave, voice.wave))
        return reader.Fail("voice needs a name and a wave (sine triangle square saw organ bell pluck drums)");
    std::map<std::string, float*> const settings = {
        {"attack", &voice.attack}, {"decay", &voice.decay}, {"sustain", &voice.sustain},
        {"release", &voice.release}, {"gain", &voice.gain}, {"pan", &voice.pan},
        {"echo", &voice.echoBeats}, {"feedback", &voice.echoFeedback}, {"vibrato", &voice.vibrato}};
    std::string setting;
    while (words >> setting) {
        size_t const equals = setting.find('=');
        auto const target = settings.find(setting.substr(0, equals));
        if (equals == std::string::npos || target == settings.end() ||
            !ParseNumber(setting.substr(equals + 1), *target->second))
            return reader.Fail("unknown voice setting " + setting);
    }
    if (voice.echoFeedback < 0.0f || voice.echoFeedback >= 1.0f)
        return reader.Fail("feedback must be below 1");
    score.voices.push_back(voice);
    return true;
}

bool ReadNotes(Reader const& reader, int index, std::istringstream& words, Score& score)
{
    Voice& voice = score.voices[index];
    float const barBeats = static_cast<float>(score.beatsPerBar);
    std::string token;
    while (words >> token) {
        if (token == "|") {
            if (std::fmod(voice.cursor, barBeats) > 1e-3f)
                return reader.Fail("bar of " + voice.name + " is not full at beat " + std::to_string(voice.cursor));
            continue;
        }
        size_t const slash = token.find('/');
        float beats = 0.0f;
        if (slash == std::string::npos || !ParseNumber(token.substr(slash + 1), beats) || beats <= 0.0f)
            return reader.Fail("note " + token + " needs /beats");
        std::string const pitches = token.substr(0, slash);
        std::istringstream chord(pitches);
        std::string pitch;
        while (pitches != "-" && std::getline(chord, pitch, '+')) {
            Note note;
            note.voice = index;
            note.startBeat = voice.cursor;
            note.beats = beats;
            if (voice.wave == Wave::Drums) {
                if (pitch != "k" && pitch != "s" && pitch != "h")
                    return reader.Fail("drum hit " + pitch + " is not k, s or h");
                note.drum = pitch[0];
            } else if (!ParsePitch(pitch, note.frequency)) {
                return reader.Fail("no pitch " + pitch);
            }
            score.notes.push_back(note);
        }
        voice.cursor += beats;
    }
    return true;
}

} // namespace

bool ReadScore(char const* path, Score& score)
{
    std::ifstream file(path);
    Reader reader{path};
    if (!file)
        return reader.Fail("cannot open");
    std::string text;
    while (std::getline(file, text)) {
        ++reader.line;
        // "#" starts a comment at a word's start; inside a word it is a sharp.
        size_t comment = text.find('#');
        while (comment != std::string::npos && comment > 0 && !std::isspace(static_cast<unsigned char>(text[comment - 1])))
            comment = text.find('#', comment + 1);
        text = text.substr(0, comment);
        std::istringstream words(text);
        std::string head;
        if (!(words >> head))
            continue;
        if (head == "tempo") {
            if (!(words >> score.tempo) || score.tempo <= 0.0f)
                return reader.Fail("tempo needs beats per minute");
        } else if (head == "loop" || head == "once") {
            score.looping = head == "loop";
            if (!(words >> score.bars >> score.beatsPerBar) || score.bars <= 0 || score.beatsPerBar <= 0)
                return reader.Fail(head + " needs bars and beats per bar");
        } else if (head == "voice") {
            if (!ReadVoice(reader, words, score))
                return false;
        } else if (head.back() == ':') {
            std::string const name = head.substr(0, head.size() - 1);
            int index = -1;
            for (size_t i = 0; i < score.voices.size(); ++i)
                if (score.voices[i].name == name)
                    index = static_cast<int>(i);
            if (index < 0)
                return reader.Fail("no voice " + name);
            if (!ReadNotes(reader, index, words, score))
                return false;
        } else {
            return reader.Fail("unknown line " + head);
        }
    }
    if (score.bars == 0)
        return reader.Fail("no loop or once line");
    for (Voice const& voice : score.voices)
        if (std::fabs(voice.cursor - score.LoopBeats()) > 1e-3f)
            return reader.Fail("voice " + voice.name + " lasts " + std::to_string(voice.cursor) + " beats, not " +
                               std::to_string(score.LoopBeats()));
    return true;
}

} // namespace MkMusic
