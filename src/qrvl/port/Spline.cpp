// Reading one record of the paths file, every count checked against the
// bytes present.
#include "qrvl/port/Spline.h"

#include "norv/vfs/LittleEndian.h"

#include <cstdio>
#include <cstring>

namespace {

float DecodeFloat(unsigned char const* bytes)
{
    uint32_t const raw = Norv::DecodeLittleEndian32(bytes);
    float value;
    std::memcpy(&value, &raw, sizeof value);
    return value;
}

} // namespace

unsigned char const* Spline::Serialise(unsigned char const* data, unsigned char const* end)
{
    std::size_t const available = static_cast<std::size_t>(end - data);
    if (available < kHeadSize) {
        std::fprintf(stderr, "splines: record cut short\n");
        return nullptr;
    }
    type = Norv::DecodeLittleEndian32(data);
    uint32_t const count = Norv::DecodeLittleEndian32(data + 4);
    startSpace = Norv::DecodeLittleEndian32(data + 8);
    // 12 bytes per point and 4 per segment length; compared by division so a
    // huge count cannot overflow the size.
    std::size_t const bodyBytes = available - kHeadSize;
    if (count == 0 || count > (bodyBytes + 4) / 16) {
        std::fprintf(stderr, "splines: record of %u points does not fit\n", count);
        return nullptr;
    }
    unsigned char const* at = data + kHeadSize;
    points.resize(count);
    for (PVRTVec3& point : points) {
        point = PVRTVec3(DecodeFloat(at), DecodeFloat(at + 4), DecodeFloat(at + 8));
        at += 12;
    }
    lengths.resize(count - 1);
    for (float& length : lengths) {
        length = DecodeFloat(at);
        at += 4;
    }
    return at;
}
