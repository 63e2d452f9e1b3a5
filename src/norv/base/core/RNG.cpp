#include "norv/base/core/RNG.h"

#include <ctime>

namespace Norv {

namespace {
constexpr int kShift = 397;
constexpr uint32_t kMatrixA = 0x9908B0DFu;
constexpr uint32_t kUpperMask = 0x80000000u;
constexpr uint32_t kLowerMask = 0x7FFFFFFFu;
} // namespace

RNG::RNG() : RNG(static_cast<unsigned int>(std::time(nullptr))) {}

RNG::RNG(unsigned int seed)
{
    SetSeed(seed);
}

void RNG::SetSeed(unsigned int seed)
{
    Initialize(seed);
    position = 0;
}

void RNG::Initialize(unsigned int seed)
{
    state[0] = seed;
    for (int i = 1; i < kStateSize; ++i)
        state[i] = 1812433253u * (state[i - 1] ^ (state[i - 1] >> 30)) + static_cast<uint32_t>(i);
}

void RNG::Refill()
{
    for (int i = 0; i < kStateSize; ++i) {
        uint32_t const y = (state[i] & kUpperMask) | (state[(i + 1) % kStateSize] & kLowerMask);
        state[i] = state[(i + kShift) % kStateSize] ^ (y >> 1) ^ ((y & 1) ? kMatrixA : 0);
    }
}

unsigned int RNG::GetInt()
{
    if (position == 0)
        Refill();
    uint32_t y = state[position];
    position = (position + 1) % kStateSize;
    y ^= y >> 11;
    y ^= (y << 7) & 0x9D2C5680u;
    y ^= (y << 15) & 0xEFC60000u;
    y ^= y >> 18;
    return y;
}

double RNG::GetDouble()
{
    return GetInt() * (1.0 / 4294967296.0);
}

} // namespace Norv
