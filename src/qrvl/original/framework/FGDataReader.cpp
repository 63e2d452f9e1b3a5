// Big-endian reads with a sticky error, checked against the bytes present.
#include "qrvl/original/framework/FGDataReader.h"

#include "qrvl/original/framework/FGData.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

void FGDataReader::init(FGData* data)
{
    source = data;
    position = 0;
    error = false;
}

void FGDataReader::releaseData()
{
    init(nullptr);
}

int FGDataReader::getRemaining() const
{
    int const length = source ? source->getLength() : 0;
    return (position >= 0 && position <= length) ? length - position : 0;
}

bool FGDataReader::take(int n, unsigned char const*& bytes)
{
    if (n < 0 || !source || position < 0 || static_cast<int64_t>(position) + n > source->getLength()) {
        error = true;
        return false;
    }
    bytes = source->getData() + position;
    position += n;
    return true;
}

bool FGDataReader::takeTyped(int n, unsigned char const*& bytes)
{
    return !error && take(n, bytes);
}

bool FGDataReader::readBoolean()
{
    return (readByte() & 1) != 0;
}

unsigned char FGDataReader::readByte()
{
    unsigned char const* bytes;
    return takeTyped(1, bytes) ? bytes[0] : 0;
}

short FGDataReader::readShort()
{
    unsigned char const* bytes;
    return takeTyped(2, bytes) ? static_cast<short>(static_cast<uint16_t>(bytes[0] << 8 | bytes[1])) : 0;
}

int FGDataReader::readInt()
{
    unsigned char const* bytes;
    if (!takeTyped(4, bytes))
        return 0;
    uint32_t const value = uint32_t{bytes[0]} << 24 | uint32_t{bytes[1]} << 16 | uint32_t{bytes[2]} << 8 | bytes[3];
    return static_cast<int32_t>(value);
}

double FGDataReader::readDouble()
{
    double value = 0.0;
    unsigned char const* bytes;
    if (takeTyped(sizeof value, bytes))
        std::memcpy(&value, bytes, sizeof value);
    return value;
}

FGString FGDataReader::readUTF()
{
    int const n = readInt();
    FGString text;
    unsigned char const* bytes;
    if (takeTyped(n, bytes))
        text.addBrewString(reinterpret_cast<char const*>(bytes), n);
    return text;
}

bool FGDataReader::readFromData(void* bytes, int n)
{
    unsigned char const* from;
    if (!take(n, from))
        return false;
    if (n > 0)
        std::memcpy(bytes, from, static_cast<size_t>(n));
    return true;
}

bool FGDataReader::readRaw(FGData& into, int n)
{
    if (n < 0 || into.getCapacity() < n) {
        std::fprintf(stderr, "FGDataReader: Reading past end of buffer in FGDataReader::ReadRaw\n");
        return false;
    }
    bool const copied = readFromData(into.getData(), n);
    into.setLength(copied ? n : 0);
    return copied;
}

int FGDataReader::readCount(int minimumRecordBytes)
{
    int const count = readInt();
    if (error)
        return 0;
    if (count < 0 || static_cast<int64_t>(count) * minimumRecordBytes > getRemaining()) {
        error = true;
        return 0;
    }
    return count;
}
