// Writes the big-endian data streams of the game's files, into a buffer of
// its own that grows in steps of 1024 bytes, or into a fixed borrowed one.
#pragma once

#include <memory>

class FGData;
class FGString;

class FGDataWriter {
public:
    // The own buffer grows to the next multiple of this above the need, so a
    // save file of a few kilobytes costs a handful of allocations.
    static constexpr int kGrowthStep = 1024;

    FGDataWriter() = default;
    ~FGDataWriter();
    FGDataWriter(FGDataWriter const&) = delete;
    FGDataWriter& operator=(FGDataWriter const&) = delete;

    // Frees the own buffer and returns to the empty growable mode.
    void init();
    // Empties itself, then writes into `target` from position 0 (the target
    // stays the caller's); a null target means the growable mode.
    void init(FGData* target);
    void releaseData() { init(); }

    // The position is also the number of bytes written.
    int getDataPos() const { return position; }
    // Any value is accepted; a write at a negative position is refused.
    void setDataPos(int newPosition) { position = newPosition; }

    // Each write answers whether its bytes went in; a refused write changes nothing.
    bool writeBoolean(bool value);
    bool writeByte(unsigned char value);
    bool writeShort(short value);
    bool writeInt(int value);
    bool writeLong(long value) { return writeInt(static_cast<int>(value)); }
    // Host byte order, as the game's files have always held doubles.
    bool writeDouble(double value);
    // The byte length as an int, then the bytes.
    bool writeUTF(FGString const& text);
    // The first n bytes of `from`; refused when it holds fewer.
    bool writeRaw(FGData const& from, int n);
    bool writeToData(void const* bytes, int n);

    // The bytes written, as a new buffer the caller owns; the growable writer
    // is left empty. In fixed mode the target's length becomes the position
    // and the answer is an unowned view of the target's bytes.
    std::unique_ptr<FGData> getData();

private:
    bool ensureRoom(int need);
    void freeBuffer();

    unsigned char* buffer = nullptr;
    int capacity = 0;
    int position = 0;
    FGData* target = nullptr;
};
