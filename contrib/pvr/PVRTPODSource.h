// Byte sources of the POD reader: a bounded cursor over a whole file or a
// caller's buffer, with little-endian typed reads.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

class CPVRTResourceFile;

class CSource {
public:
    virtual ~CSource() {}
    // Both fail, without moving, when fewer than n bytes remain.
    virtual bool Read(void* dest, unsigned int n) = 0;
    virtual bool Skip(unsigned int n) = 0;
    // Bytes not yet read.
    virtual unsigned int BytesLeft() const = 0;

    bool ReadMarker(unsigned int& tag, unsigned int& length) { return Read32(tag) && Read32(length); }

    // 4 bytes little-endian into any 32-bit value (integer, float, enum).
    template <typename T>
    bool Read32(T& value)
    {
        static_assert(sizeof(T) == 4, "Read32 fills 32-bit values");
        unsigned char bytes[4];
        if (!Read(bytes, 4))
            return false;
        uint32_t const word = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
        std::memcpy(&value, &word, 4);
        return true;
    }

    template <typename T>
    bool Read16(T& value)
    {
        static_assert(sizeof(T) == 2, "Read16 fills 16-bit values");
        unsigned char bytes[2];
        if (!Read(bytes, 2))
            return false;
        uint16_t const half = static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
        std::memcpy(&value, &half, 2);
        return true;
    }

    // A new zeroed array (C allocator) of `bytes` bytes read as they are;
    // nothing for 0 bytes. The length is checked before anything is made.
    template <typename T>
    bool ReadAfterAlloc(T*& p, unsigned int bytes)
    {
        return ReadArray(p, bytes, 1, [this](unsigned char* at) { return Read(at, 1); });
    }

    // The same with 4-byte elements read little-endian; a remainder of the
    // length that is no whole element is skipped.
    template <typename T>
    bool ReadAfterAlloc32(T*& p, unsigned int bytes)
    {
        return ReadArray(p, bytes, 4, [this](unsigned char* at) { return Read32(*reinterpret_cast<uint32_t*>(at)); });
    }

    template <typename T>
    bool ReadAfterAlloc16(T*& p, unsigned int bytes)
    {
        return ReadArray(p, bytes, 2, [this](unsigned char* at) { return Read16(*reinterpret_cast<uint16_t*>(at)); });
    }

private:
    template <typename T, typename ReadOne>
    bool ReadArray(T*& p, unsigned int bytes, unsigned int elementSize, ReadOne readOne)
    {
        unsigned int const elements = bytes / elementSize;
        if (bytes > BytesLeft())
            return false;
        p = nullptr;
        if (elements == 0)
            return Skip(bytes);
        unsigned char* array = static_cast<unsigned char*>(calloc(elements, elementSize));
        if (!array)
            return false;
        for (unsigned int i = 0; i < elements; ++i)
            readOne(array + i * elementSize);
        p = reinterpret_cast<T*>(array);
        return Skip(bytes - elements * elementSize);
    }
};

class CSourceStream : public CSource {
public:
    CSourceStream();
    ~CSourceStream() override;
    CSourceStream(CSourceStream const&) = delete;
    CSourceStream& operator=(CSourceStream const&) = delete;

    // Open the file or wrap the buffer from its start; false (and no file
    // kept) when it does not open.
    bool Init(char const* fileName);
    bool Init(char const* data, unsigned long size);

    bool Read(void* dest, unsigned int n) override;
    bool Skip(unsigned int n) override;
    unsigned int BytesLeft() const override;

private:
    bool Keep(CPVRTResourceFile* file);

    CPVRTResourceFile* m_pFile;
    size_t m_BytesRead;
};
