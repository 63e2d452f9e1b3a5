// The synthesiser: simple additive, FM and plucked-string voices with an
// envelope each, a few drum hits from noise and swept sines, and an echo.
#include "Synth.h"

#include "norv/base/core/Pi.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace MkMusic {
namespace {

// The loudest sample of a rendered piece, leaving room for the encoder.
constexpr float kPeak = 0.89f;
// Longest natural ring of the decaying waves, in seconds.
constexpr float kBellRing = 1.6f;
constexpr float kPluckRing = 1.2f;
constexpr float kDrumRing = 0.35f;
// Harmonics of the additive waves: enough to be bright, few enough to stay
// far below half the sample rate for the notes a score plays.
constexpr int kHarmonics = 12;
constexpr float kVibratoHz = 5.0f;
// A piece played once ends where its tail has faded below this level
// (about -60 dB after normalising), not after the longest tail possible.
constexpr float kAudible = 1e-3f;

// A small deterministic noise source. Each note seeds its own, so a note
// sounds the same in every pass of a loop and a score always renders alike.
struct Noise {
    explicit Noise(uint32_t seed) : state(seed * 2654435761u + 0x2545F491u) {}
    uint32_t state;
    float Next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return static_cast<float>(state) / 2147483648.0f - 1.0f;
    }
};

float Additive(Wave wave, float phase)
{
    float sum = 0.0f;
    switch (wave) {
    case Wave::Sine:
        return std::sin(phase);
    case Wave::Organ:
        return std::sin(phase) + 0.5f * std::sin(2 * phase) + 0.25f * std::sin(3 * phase) + 0.12f * std::sin(4 * phase);
    case Wave::Triangle:
        for (int n = 1; n <= kHarmonics; n += 2)
            sum += ((n / 2) % 2 ? -1.0f : 1.0f) * std::sin(n * phase) / static_cast<float>(n * n);
        return sum * 0.8f;
    case Wave::Square:
        // Softened towards the top so it sounds round, not buzzy.
        for (int n = 1; n <= kHarmonics; n += 2)
            sum += std::sin(n * phase) / static_cast<float>(n) / (1.0f + 0.1f * n);
        return sum;
    case Wave::Saw:
        for (int n = 1; n <= kHarmonics; ++n)
            sum += std::sin(n * phase) / static_cast<float>(n) / (1.0f + 0.15f * n);
        return sum * 0.7f;
    default:
        return 0.0f;
    }
}

float Envelope(Voice const& voice, float t, float held)
{
    float level;
    if (t < voice.attack)
        level = t / voice.attack;
    else if (t < voice.attack + voice.decay)
        level = 1.0f - (1.0f - voice.sustain) * (t - voice.attack) / voice.decay;
    else
        level = voice.sustain;
    if (t > held) {
        float const after = (t - held) / std::max(voice.release, 1e-3f);
        level *= std::max(0.0f, 1.0f - after);
    }
    return level;
}

// Seconds a note of this voice sounds beyond its written length.
float Tail(Voice const& voice)
{
    switch (voice.wave) {
    case Wave::Bell:
        return kBellRing;
    case Wave::Pluck:
        return kPluckRing;
    case Wave::Drums:
        return kDrumRing;
    default:
        return voice.release;
    }
}

void RenderDrum(char hit, Noise& noise, float* out, size_t count)
{
    float low = 0.0f;
    float phase = 0.0f;
    for (size_t i = 0; i < count; ++i) {
        float const t = static_cast<float>(i) / kSampleRate;
        float sample = 0.0f;
        if (hit == 'k') {
            phase += 2 * Norv::kPiF * (48.0f + 110.0f * std::exp(-t * 30.0f)) / kSampleRate;
            sample = std::sin(phase) * std::exp(-t * 9.0f);
        } else if (hit == 's') {
            float const n = noise.Next();
            low += 0.35f * (n - low);
            phase += 2 * Norv::kPiF * 190.0f / kSampleRate;
            sample = (0.6f * (n - low) + 0.4f * std::sin(phase)) * std::exp(-t * 22.0f);
        } else {
            float const n = noise.Next();
            low += 0.5f * (n - low);
            sample = 0.5f * (n - low) * std::exp(-t * 70.0f);
        }
        out[i] += sample;
    }
}

void RenderPluck(float frequency, Noise& noise, float* out, size_t count)
{
    size_t const period = std::max<size_t>(2, static_cast<size_t>(kSampleRate / frequency));
    std::vector<float> string(period);
    for (float& s : string)
        s = noise.Next();
    // Smooth the first burst, so the string starts warm rather than scratchy.
    for (size_t i = 1; i < period; ++i)
        string[i] = 0.5f * (string[i] + string[i - 1]);
    for (size_t i = 0; i < count; ++i) {
        size_t const at = i % period;
        float const next = string[(at + 1) % period];
        out[i] += string[at];
        string[at] = 0.498f * (string[at] + next);
    }
}

void RenderNote(Voice const& voice, Note const& note, float held, Noise& noise, float* out, size_t count)
{
    if (voice.wave == Wave::Drums)
        return RenderDrum(note.drum, noise, out, count);
    if (voice.wave == Wave::Pluck) {
        std::vector<float> string(count, 0.0f);
        RenderPluck(note.frequency, noise, string.data(), count);
        for (size_t i = 0; i < count; ++i)
            out[i] += string[i] * Envelope(voice, static_cast<float>(i) / kSampleRate, held);
        return;
    }
    float phase = 0.0f;
    float modulator = 0.0f;
    for (size_t i = 0; i < count; ++i) {
        float const t = static_cast<float>(i) / kSampleRate;
        float const bend = std::pow(2.0f, voice.vibrato * std::sin(2 * Norv::kPiF * kVibratoHz * t) / 12.0f);
        float const step = 2 * Norv::kPiF * note.frequency * bend / kSampleRate;
        phase = std::fmod(phase + step, 2 * Norv::kPiF * 64);
        float sample;
        if (voice.wave == Wave::Bell) {
            // A struck bell: a bright inharmonic start mellowing as it rings.
            modulator = std::fmod(modulator + step * 3.5f, 2 * Norv::kPiF * 64);
            float const index = 2.5f * std::exp(-t * 4.0f);
            sample = std::sin(phase + index * std::sin(modulator)) * std::exp(-t * 2.8f) *
                     std::min(1.0f, t / 0.002f);
        } else {
            sample = Additive(voice.wave, phase) * Envelope(voice, t, held);
        }
        out[i] += sample;
    }
}

void AddEcho(Voice const& voice, float secondsPerBeat, std::vector<float>& track)
{
    size_t const delay = static_cast<size_t>(voice.echoBeats * secondsPerBeat * kSampleRate);
    if (delay == 0 || voice.echoFeedback <= 0.0f)
        return;
    for (size_t i = delay; i < track.size(); ++i)
        track[i] += voice.echoFeedback * track[i - delay];
}

} // namespace

std::vector<float> Render(Score const& score)
{
    float const spb = score.SecondsPerBeat();
    size_t const loop = static_cast<size_t>(std::lround(score.LoopBeats() * spb * kSampleRate));
    float longestTail = 0.0f;
    for (Voice const& voice : score.voices)
        longestTail = std::max(longestTail, Tail(voice) + voice.echoBeats * spb * 6);
    size_t const tail = static_cast<size_t>(longestTail * kSampleRate);
    // A loop is played three times over; the middle one has heard its
    // predecessor's tails and ends the way the next one starts.
    int const copies = score.looping ? 3 : 1;
    size_t const length = score.looping ? loop * copies : loop + tail;

    std::vector<float> mix(length * 2, 0.0f);
    for (size_t v = 0; v < score.voices.size(); ++v) {
        Voice const& voice = score.voices[v];
        std::vector<float> track(length, 0.0f);
        for (int copy = 0; copy < copies; ++copy) {
            for (size_t n = 0; n < score.notes.size(); ++n) {
                Note const& note = score.notes[n];
                if (note.voice != static_cast<int>(v))
                    continue;
                Noise noise(static_cast<uint32_t>(n + 1));
                size_t const start = copy * loop + static_cast<size_t>(note.startBeat * spb * kSampleRate);
                float const held = note.beats * spb;
                size_t const count = std::min(static_cast<size_t>((held + Tail(voice)) * kSampleRate), length - start);
                RenderNote(voice, note, held, noise, track.data() + start, count);
            }
        }
        AddEcho(voice, spb, track);
        float const left = voice.gain * std::sqrt(0.5f * (1.0f - voice.pan));
        float const right = voice.gain * std::sqrt(0.5f * (1.0f + voice.pan));
        for (size_t i = 0; i < length; ++i) {
            mix[2 * i] += track[i] * left;
            mix[2 * i + 1] += track[i] * right;
        }
    }
    if (score.looping)
        mix = std::vector<float>(mix.begin() + 2 * loop, mix.begin() + 4 * loop);
    float peak = 1e-6f;
    for (float s : mix)
        peak = std::max(peak, std::fabs(s));
    for (float& s : mix)
        s *= kPeak / peak;
    if (!score.looping) {
        size_t end = mix.size();
        while (end > 0 && std::fabs(mix[end - 1]) < kAudible)
            --end;
        mix.resize(end + end % 2);
    }
    return mix;
}

} // namespace MkMusic
