// Big-endian writes into a growing buffer or a fixed borrowed one.
#include "qrvl/original/framework/FGDataWriter.h"

#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/framework/FGString.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>

FGDataWriter::~FGDataWriter()
{
    freeBuffer();
}

void FGDataWriter::freeBuffer()
{
    delete[] buffer;
    buffer = nullptr;
    capacity = 0;
    position = 0;
}

void FGDataWriter::init()
{
    init(nullptr);
}

void FGDataWriter::init(FGData* newTarget)
{
    freeBuffer();
    target = newTarget;
}

bool FGDataWriter::writeBoolean(bool value)
{
    return writeByte(value ? 1 : 0);
}

bool FGDataWriter::writeByte(unsigned char value)
{
    return writeToData(&value, 1);
}

bool FGDataWriter::writeShort(short value)
{
    auto const bits = static_cast<uint16_t>(value);
    unsigned char const bytes[] = {static_cast<unsigned char>(bits >> 8), static_cast<unsigned char>(bits)};
    return writeToData(bytes, sizeof bytes);
}

bool FGDataWriter::writeInt(int value)
{
    auto const bits = static_cast<uint32_t>(value);
    unsigned char const bytes[] = {static_cast<unsigned char>(bits >> 24), static_cast<unsigned char>(bits >> 16),
                                   static_cast<unsigned char>(bits >> 8), static_cast<unsigned char>(bits)};
    return writeToData(bytes, sizeof bytes);
}

bool FGDataWriter::writeDouble(double value)
{
    return writeToData(&value, sizeof value);
}

bool FGDataWriter::writeUTF(FGString const& text)
{
    return writeInt(text.getLength()) && writeToData(text.getNativeString(), text.getLength());
}

bool FGDataWriter::writeRaw(FGData const& from, int n)
{
    if (n < 0 || from.getLength() < n) {
        std::fprintf(stderr, "FGDataWriter: attempt to write more data than we have to read from in "
                             "FGDataWriter::writeRaw\n");
        return false;
    }
    return writeToData(from.getData(), n);
}

bool FGDataWriter::writeToData(void const* bytes, int n)
{
    if (n < 0 || position < 0 || n > INT_MAX - position) {
        std::fprintf(stderr, "FGDataWriter: refused a write of %d bytes at position %d\n", n, position);
        return false;
    }
    unsigned char* into;
    if (target) {
        if (target->getCapacity() < position + n) {
            std::fprintf(stderr, "FGDataWriter: buffer overrun in FGDataWriter\n");
            return false;
        }
        into = target->getData();
    } else {
        if (!ensureRoom(position + n))
            return false;
        into = buffer;
    }
    if (n > 0)
        std::memcpy(into + position, bytes, static_cast<size_t>(n));
    position += n;
    return true;
}

bool FGDataWriter::ensureRoom(int need)
{
    if (need <= capacity)
        return true;
    int64_t const grown = (static_cast<int64_t>(need) + kGrowthStep) / kGrowthStep * kGrowthStep;
    unsigned char* bigger = grown <= INT_MAX ? new (std::nothrow) unsigned char[static_cast<size_t>(grown)] : nullptr;
    if (!bigger) {
        std::fprintf(stderr, "FGDataWriter: Out of Memory.\n");
        freeBuffer();
        return false;
    }
    // Bytes between the old end and a position moved beyond it read as zeros.
    std::memset(bigger, 0, static_cast<size_t>(grown));
    if (buffer)
        std::memcpy(bigger, buffer, static_cast<size_t>(capacity));
    delete[] buffer;
    buffer = bigger;
    capacity = static_cast<int>(grown);
    return true;
}

std::unique_ptr<FGData> FGDataWriter::getData()
{
    auto result = std::make_unique<FGData>();
    if (target) {
        target->setLength(position);
        result->contain(target->getData(), target->getLength(), target->getCapacity());
        return result;
    }
    // ensureRoom also covers a position moved beyond the bytes written.
    if (buffer && position > 0 && ensureRoom(position) && !result->duplicate(buffer, position))
        std::fprintf(stderr, "FGDataWriter: Out of Memory.\n");
    freeBuffer();
    return result;
}
