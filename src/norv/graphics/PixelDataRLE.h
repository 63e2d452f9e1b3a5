// A pixel store holding a run-length-encoded stream of 565 colour with
// 5-bit alpha (format RLE565A5).
#pragma once

#include <cstdint>
#include <vector>

#include "norv/graphics/PixelData.h"

namespace Norv {

// Stream layout, little-endian: per row a header {10, u16 byte length of the
// row's runs}, then runs {kind, u16 pixel count, payload}.
class PixelDataRLE : public PixelData {
public:
    enum RunKind {
        RunTransparent = 0,
        RunTranslucentLiteral = 1,  // count x {a5, u16 colour}
        RunOpaqueLiteral = 2,       // count x {u16 colour}
        RunTranslucentRepeat = 3,   // {a5, u16 colour}
        RunOpaqueRepeat = 4,        // {u16 colour}
    };
    static constexpr std::uint8_t kRowMarker = 10;
    static constexpr int kRowHeaderSize = 3;
    static constexpr int kRunHeaderSize = 3;

    // Encodes an RGBA8888 source.
    explicit PixelDataRLE(PixelData const& source);
    // Copies size bytes of an existing stream.
    PixelDataRLE(int width, int height, int size, unsigned char const* stream);

    // Replaces the stream by the encoding of an RGBA8888 source; answers
    // the stream size, 0 when the source cannot be encoded.
    int Compress(PixelData const& source);

    // Decodes one row starting at cursor into width pixels of four bytes
    // (blue, green, red, alpha), never reading past end. Pixels the row does
    // not cover stay transparent. Answers the start of the next row, or
    // null when the row is malformed.
    static unsigned char const* DecodeRow(unsigned char const* cursor, unsigned char const* end, int width,
                                          unsigned char* out);

    unsigned char* GetData() override;
    unsigned char const* GetData() const override;
    void ReleaseData() override;
    int GetType() const override;
    int GetSize() const { return static_cast<int>(stream.size()); }

private:
    std::vector<unsigned char> stream;
};

} // namespace Norv
