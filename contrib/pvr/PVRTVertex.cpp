// Vertex attributes and indices of every element type, read and written
// as floats.
#include "contrib/pvr/PVRTVertex.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

template <class T>
T Load(void const* data, int element)
{
    T value;
    std::memcpy(&value, static_cast<const unsigned char*>(data) + size_t(element) * sizeof(T), sizeof(T));
    return value;
}

template <class T>
void Store(void* data, int element, T value)
{
    std::memcpy(static_cast<unsigned char*>(data) + size_t(element) * sizeof(T), &value, sizeof(T));
}

// Truncates towards zero into T, clamped to T's range (a plain conversion
// of an out-of-range float is undefined).
template <class T>
T Truncate(double value)
{
    if (std::isnan(value))
        return 0;
    value = std::clamp(value, double(std::numeric_limits<T>::lowest()), double(std::numeric_limits<T>::max()));
    return static_cast<T>(value);
}

template <class T>
void ReadElements(float* out, void const* data, int count, double scale)
{
    for (int i = 0; i < count; ++i)
        out[i] = float(double(Load<T>(data, i)) / scale);
}

template <class T>
void WriteElements(void* data, float const* in, int count, double scale)
{
    for (int i = 0; i < count; ++i)
        Store<T>(data, i, Truncate<T>(double(in[i]) * scale));
}

// Byte positions (as shifts) of the components of the packed colour types.
constexpr int kRgbaShifts[4] = {24, 16, 8, 0};
constexpr int kArgbShifts[4] = {16, 8, 0, 24};
constexpr int kUbyte4Shifts[4] = {0, 8, 16, 24};

void ReadPacked(float* out, uint32_t packed, int const* shifts, float scale)
{
    for (int i = 0; i < 4; ++i)
        out[i] = float((packed >> shifts[i]) & 0xFF) / scale;
}

uint32_t WritePacked(float const* in, int count, int const* shifts, float scale)
{
    uint32_t packed = 0;
    for (int i = 0; i < std::min(count, 4); ++i)
        packed |= uint32_t(Truncate<uint8_t>(std::clamp(double(in[i]) * scale, 0.0, 255.0))) << shifts[i];
    return packed;
}

// The three signed 10-bit fields of the packed normal type.
constexpr int kDec3nFields = 3;
constexpr double kDec3nScale = 511.0;

} // namespace

void PVRTVertexRead(PVRTVECTOR4f* out, void const* data, EPVRTDataType type, int count)
{
    float v[4] = {0, 0, 0, 1};
    count = std::clamp(count, 0, 4);
    switch (type) {
    case EPODDataFloat: ReadElements<float>(v, data, count, 1.0); break;
    case EPODDataInt: ReadElements<int32_t>(v, data, count, 1.0); break;
    case EPODDataUnsignedShort: ReadElements<uint16_t>(v, data, count, 1.0); break;
    case EPODDataRGBA: ReadPacked(v, Load<uint32_t>(data, 0), kRgbaShifts, 255.0f); break;
    case EPODDataARGB:
    case EPODDataD3DCOLOR: ReadPacked(v, Load<uint32_t>(data, 0), kArgbShifts, 255.0f); break;
    case EPODDataUBYTE4: ReadPacked(v, Load<uint32_t>(data, 0), kUbyte4Shifts, 1.0f); break;
    case EPODDataDEC3N: {
        uint32_t packed = Load<uint32_t>(data, 0);
        for (int i = 0; i < kDec3nFields; ++i) {
            int field = int((packed >> (10 * i)) & 0x3FF);
            v[i] = float(double(field >= 0x200 ? field - 0x400 : field) / kDec3nScale);
        }
        break;
    }
    case EPODDataFixed16_16: ReadElements<int32_t>(v, data, count, 65536.0); break;
    case EPODDataUnsignedByte: ReadElements<uint8_t>(v, data, count, 1.0); break;
    case EPODDataShort: ReadElements<int16_t>(v, data, count, 1.0); break;
    case EPODDataShortNorm: ReadElements<int16_t>(v, data, count, 32767.0); break;
    case EPODDataByte: ReadElements<int8_t>(v, data, count, 1.0); break;
    case EPODDataByteNorm: ReadElements<int8_t>(v, data, count, 127.0); break;
    case EPODDataUnsignedByteNorm: ReadElements<uint8_t>(v, data, count, 255.0); break;
    case EPODDataUnsignedShortNorm: ReadElements<uint16_t>(v, data, count, 65535.0); break;
    case EPODDataUnsignedInt: ReadElements<uint32_t>(v, data, count, 1.0); break;
    default: break;
    }
    *out = {v[0], v[1], v[2], v[3]};
}

void PVRTVertexRead(unsigned int* out, void const* data, EPVRTDataType type)
{
    if (type == EPODDataUnsignedInt)
        *out = Load<uint32_t>(data, 0);
    else if (type == EPODDataUnsignedShort)
        *out = Load<uint16_t>(data, 0);
}

void PVRTVertexWrite(void* out, EPVRTDataType type, int count, PVRTVECTOR4f const* in)
{
    const float v[4] = {in->x, in->y, in->z, in->w};
    count = std::clamp(count, 0, 4);
    switch (type) {
    case EPODDataFloat:
        for (int i = 0; i < count; ++i)
            Store<float>(out, i, v[i]);
        break;
    case EPODDataInt: WriteElements<int32_t>(out, v, count, 1.0); break;
    case EPODDataUnsignedShort: WriteElements<uint16_t>(out, v, count, 1.0); break;
    case EPODDataRGBA: Store<uint32_t>(out, 0, WritePacked(v, count, kRgbaShifts, 255.0f)); break;
    case EPODDataARGB:
    case EPODDataD3DCOLOR: Store<uint32_t>(out, 0, WritePacked(v, count, kArgbShifts, 255.0f)); break;
    case EPODDataUBYTE4: Store<uint32_t>(out, 0, WritePacked(v, count, kUbyte4Shifts, 1.0f)); break;
    case EPODDataDEC3N: {
        uint32_t packed = 0;
        for (int i = 0; i < std::min(count, kDec3nFields); ++i) {
            int field = Truncate<int16_t>(std::clamp(double(v[i]) * kDec3nScale, -kDec3nScale, kDec3nScale));
            packed |= (uint32_t(field) & 0x3FF) << (10 * i);
        }
        Store<uint32_t>(out, 0, packed);
        break;
    }
    case EPODDataFixed16_16: WriteElements<int32_t>(out, v, count, 65536.0); break;
    case EPODDataUnsignedByte: WriteElements<uint8_t>(out, v, count, 1.0); break;
    case EPODDataShort: WriteElements<int16_t>(out, v, count, 1.0); break;
    case EPODDataShortNorm: WriteElements<int16_t>(out, v, count, 32767.0); break;
    case EPODDataByte: WriteElements<int8_t>(out, v, count, 1.0); break;
    case EPODDataByteNorm: WriteElements<int8_t>(out, v, count, 127.0); break;
    case EPODDataUnsignedByteNorm: WriteElements<uint8_t>(out, v, count, 255.0); break;
    case EPODDataUnsignedShortNorm: WriteElements<uint16_t>(out, v, count, 65535.0); break;
    case EPODDataUnsignedInt: WriteElements<uint32_t>(out, v, count, 1.0); break;
    default: break;
    }
}

void PVRTVertexWrite(void* out, EPVRTDataType type, unsigned int index)
{
    if (type == EPODDataUnsignedInt)
        Store<uint32_t>(out, 0, index);
    else if (type == EPODDataUnsignedShort)
        Store<uint16_t>(out, 0, uint16_t(index));
}
