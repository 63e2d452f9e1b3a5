// Owning, borrowing and filling the framework's byte buffers.
#include "qrvl/original/framework/FGData.h"

#include "norv/base/core/IOStream.h"

#include <algorithm>
#include <cstring>
#include <new>

FGData::~FGData()
{
    clear();
}

bool FGData::init(int n)
{
    clear();
    if (n < 1)
        return true;
    unsigned char* bytes = new (std::nothrow) unsigned char[static_cast<size_t>(n)];
    if (!bytes)
        return false;
    take(bytes, 0, n, true);
    return true;
}

void FGData::adopt(unsigned char* bytes, int n)
{
    adopt(bytes, n, n);
}

void FGData::adopt(unsigned char* bytes, int newLength, int newCapacity)
{
    clear();
    take(bytes, newLength, newCapacity, true);
}

void FGData::contain(unsigned char* bytes, int n)
{
    contain(bytes, n, n);
}

void FGData::contain(unsigned char* bytes, int newLength, int newCapacity)
{
    clear();
    take(bytes, newLength, newCapacity, false);
}

bool FGData::duplicate(FGData const* other)
{
    return other ? duplicate(other->data, other->length) : duplicate(nullptr, 0);
}

bool FGData::duplicate(unsigned char const* bytes, int n)
{
    // The source may be this buffer's own bytes: copy before clearing.
    unsigned char* copy = nullptr;
    if (bytes && n > 0) {
        copy = new (std::nothrow) unsigned char[static_cast<size_t>(n)];
        if (!copy)
            return false;
        std::memcpy(copy, bytes, static_cast<size_t>(n));
    }
    adopt(copy, copy ? n : 0);
    return true;
}

void FGData::clear()
{
    if (owned)
        delete[] data;
    release();
}

void FGData::release()
{
    data = nullptr;
    length = 0;
    capacity = 0;
}

bool FGData::setLength(int n)
{
    if (n < 0 || n > capacity)
        return false;
    length = n;
    return true;
}

bool FGData::readFrom(Norv::IOStream& stream, int n)
{
    length = 0;
    if (n < 0 || n > capacity)
        return false;
    int got = 0;
    while (got < n) {
        int const piece = stream.Read(data + got, n - got);
        if (piece < 1)
            return false;
        got += piece;
    }
    length = n;
    return true;
}

void FGData::take(unsigned char* bytes, int newLength, int newCapacity, bool own)
{
    data = bytes;
    owned = own;
    capacity = bytes ? std::max(newCapacity, 0) : 0;
    length = std::clamp(newLength, 0, capacity);
}
