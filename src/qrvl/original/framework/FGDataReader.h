// Reads the big-endian data streams of the game's files from a borrowed
// buffer. A read past the end sets a sticky error: from then on every read
// yields 0 or the empty string, so a truncated file loads as zeros.
#pragma once

#include "qrvl/original/framework/FGString.h"

class FGData;

class FGDataReader {
public:
    // Bytes a stream string takes besides its text: the int length.
    static constexpr int kStringHeaderBytes = 4;

    // Attaches at position 0 with the error cleared; the data stays the caller's.
    void init(FGData* data);
    void releaseData();

    int getDataPos() const { return position; }
    // Any value is accepted; reads from outside the data fail.
    void setDataPos(int newPosition) { position = newPosition; }
    bool hasError() const { return error; }
    // Bytes from the position to the end (0 when the position is outside).
    int getRemaining() const;

    bool readBoolean();
    unsigned char readByte();
    short readShort();
    int readInt();
    int readLong() { return readInt(); }
    double readDouble();
    // An int length, then that many bytes; a negative or overlong length
    // is an error and yields the empty string.
    FGString readUTF();

    // Copies n bytes out; false (and the error set) when they are not there.
    // Unlike the typed reads it does not look at the error flag first.
    bool readFromData(void* bytes, int n);
    // Copies n bytes into `into`, whose length becomes n; refused when its
    // capacity is smaller, and length 0 when the bytes are not there.
    bool readRaw(FGData& into, int n);

    // A record count: refused (error set, 0 returned) when negative or when
    // `count` records of at least `minimumRecordBytes` each cannot fit in
    // what remains, so a lying count never makes a reader allocate.
    int readCount(int minimumRecordBytes);

private:
    // Steps over the next n bytes, or sets the error when they are not all there.
    bool take(int n, unsigned char const*& bytes);
    // The same for the typed reads, which do nothing once the error is set.
    bool takeTyped(int n, unsigned char const*& bytes);

    FGData* source = nullptr;
    int position = 0;
    bool error = false;
};
