// Channel fill and mix.
#include "norv/sound/AudioChannel.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace Norv {

namespace {

// Room for the converted output and up to eight times as many raw bytes,
// plus a unit of spill on each side.
constexpr unsigned int kScratchFactor = 9;
constexpr unsigned int kScratchSlack = 2 * AudioConverter::kMaxUnitBytes;

// One scratch area per mixing thread, shared by every channel it mixes.
std::vector<char>& Scratch(unsigned int bytes)
{
    thread_local std::vector<char> scratch;
    size_t wanted = size_t(bytes) * kScratchFactor + kScratchSlack;
    if (scratch.size() < wanted)
        scratch.resize(wanted);
    return scratch;
}

} // namespace

AudioChannel::AudioChannel(AudioFormat const& mixerFormat, AudioSource* source)
    : converter(source ? AudioConverter::Find(source->GetFormat(), mixerFormat) : nullptr),
      playable(source && AudioConverter::Supported(source->GetFormat(), mixerFormat)),
      source(source)
{
}

unsigned int AudioChannel::Mix(char* destination, unsigned int bytes)
{
    if (paused)
        return bytes;
    char* buffer = Scratch(bytes).data();
    unsigned int got = Fill(buffer, bytes);
    if (got == 0)
        return 0;
    {
        std::lock_guard<std::mutex> lock(effects.Mutex());
        effects.Run([&](AudioEffect& effect) { got = effect.Process(buffer, bytes, got); });
    }
    got = std::min(got, bytes);
    for (unsigned int i = 0; i + 1 < got; i += 2) {
        int16_t mixed, added;
        std::memcpy(&mixed, destination + i, 2);
        std::memcpy(&added, buffer + i, 2);
        mixed = int16_t(std::clamp(int(mixed) + int(added), -32768, 32767));
        std::memcpy(destination + i, &mixed, 2);
    }
    return got;
}

unsigned int AudioChannel::Fill(char* buffer, unsigned int bytes)
{
    if (!converter)
        return ReadSource(buffer, bytes);
    unsigned int written = TakeCarry(buffer, bytes);
    unsigned int wanted = bytes - written;
    unsigned int units = (wanted + converter->outputUnit - 1) / converter->outputUnit;
    char* raw = buffer + bytes + AudioConverter::kMaxUnitBytes;
    unsigned int read = ReadSource(raw, units * converter->sourceUnit);
    units = read / converter->sourceUnit;
    if (units == 0)
        return written;
    converter->convert(reinterpret_cast<int16_t const*>(raw), reinterpret_cast<int16_t*>(buffer + written), units);
    unsigned int produced = units * converter->outputUnit;
    if (produced > wanted) {
        carryBytes = produced - wanted;
        std::memcpy(carry, buffer + written + wanted, carryBytes);
        produced = wanted;
    }
    return written + produced;
}

unsigned int AudioChannel::TakeCarry(char* buffer, unsigned int bytes)
{
    unsigned int taken = std::min(carryBytes, bytes);
    std::memcpy(buffer, carry, taken);
    std::memmove(carry, carry + taken, carryBytes - taken);
    carryBytes -= taken;
    return taken;
}

unsigned int AudioChannel::ReadSource(char* buffer, unsigned int bytes)
{
    if (!loop)
        return source->Fill(buffer, bytes);
    unsigned int got = 0;
    bool restarted = false;
    while (got < bytes) {
        unsigned int part = source->Fill(buffer + got, bytes - got);
        // A source that gives nothing right after a restart would spin here.
        if (part == 0 && restarted)
            break;
        got += part;
        restarted = false;
        if (got < bytes) {
            source->Restart();
            restarted = true;
        }
    }
    return got;
}

} // namespace Norv
