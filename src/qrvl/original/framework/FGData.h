// The framework's byte buffer: the bytes of a file being read or written,
// owned or borrowed.
#pragma once

namespace Norv {
class IOStream;
}

class FGData {
public:
    FGData() = default;
    virtual ~FGData();
    FGData(FGData const&) = delete;
    FGData& operator=(FGData const&) = delete;

    // Every set-up first clears the buffer.
    // n fresh bytes (none when n < 1): capacity n, length 0, owned.
    bool init(int n);
    // Takes ownership of an array made with new[].
    void adopt(unsigned char* bytes, int n);
    void adopt(unsigned char* bytes, int length, int capacity);
    // Refers to bytes that stay someone else's.
    void contain(unsigned char* bytes, int n);
    void contain(unsigned char* bytes, int length, int capacity);
    // An owned copy of n bytes, length n; false when the copy cannot be made.
    bool duplicate(FGData const* other);
    bool duplicate(unsigned char const* bytes, int n);

    // Frees the bytes if owned; the owned flag stays as it was.
    void clear();
    // Forgets the bytes without freeing them: they now belong to someone else.
    void release();

    unsigned char* getData() const { return data; }
    int getLength() const { return length; }
    int getCapacity() const { return capacity; }
    bool isOwned() const { return owned; }
    // Valid bytes; refused (false) outside 0 to the capacity.
    bool setLength(int n);
    // Fills the buffer with exactly n bytes of the stream (length n); false,
    // with length 0, when n exceeds the capacity or the stream ends first.
    bool readFrom(Norv::IOStream& stream, int n);

private:
    void take(unsigned char* bytes, int newLength, int newCapacity, bool own);

    unsigned char* data = nullptr;
    int length = 0;
    int capacity = 0;
    bool owned = true;
};
