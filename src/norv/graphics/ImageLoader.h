// The base of the image readers and the choice of a reader by a file's
// first bytes.
#pragma once

#include "norv/base/core/RefCounter.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/graphics/PixelData.h"
#include "norv/vfs/SeekableStream.h"

#include <cstddef>

namespace Norv {

class Surface;

class ImageLoader : public RefCounter {
public:
    // Widest and tallest image a reader accepts: far beyond any texture the
    // GL can hold, and small enough that pixel counts cannot overflow.
    static constexpr unsigned kMaxImageSide = 16384;

    // A new reader for the first format that accepts the stream, with the
    // stream attached at byte 0; null when none does.
    static ImageLoader* Create(SeekableStream* stream);
    static bool Compatible(SeekableStream*) { return false; }

    // Decodes the whole image into a new surface, or null.
    virtual Surface* Read() = 0;
    // Row readers: reads the header; false when the image cannot be read.
    virtual bool Initialize() { return false; }
    virtual int GetWidth() const { return 0; }
    virtual int GetHeight() const { return 0; }
    virtual PixelFormat GetPixelFormat() const { return PixelFormatNone; }
    // Row readers: decodes the next row; false on a damaged file.
    virtual bool FillLine(unsigned char*) { return false; }

    void SetStream(SeekableStream* source) { stream = source; }

protected:
    // After Initialize: reads every row `passes` times (interlaced files
    // need several) into a new memory store and returns a surface over it.
    Surface* ReadRows(int passes);
    // True when exactly `bytes` bytes were read.
    bool ReadExactly(void* buffer, std::size_t bytes);
    // Reads `length` bytes at the start of the stream and compares them.
    static bool StartsWith(SeekableStream* stream, char const* magic, int length);
    static bool IsSideAccepted(unsigned width, unsigned height);
    // Copies the sixteen decoded pixels of a 4x4 block, row by row and
    // `pixelBytes` each, to block (blockX, blockY) of a memory store.
    static void PutBlock(PixelData& store, unsigned blockX, unsigned blockY, unsigned char const* pixels,
                         int pixelBytes);

    SmartPtr<SeekableStream> stream;
};

} // namespace Norv
