// The run-length encoder, and decoding of good and malformed run streams.
#include "norv/graphics/MemPixelData.h"
#include "norv/graphics/PixelDataGL.h"
#include "norv/graphics/PixelDataRLE.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace Norv;
using Bytes = std::vector<unsigned char>;

MemPixelData* Row(std::vector<Color> const& pixels)
{
    MemPixelData* image = new MemPixelData(static_cast<int>(pixels.size()), 1, RGBA8888);
    for (std::size_t x = 0; x < pixels.size(); ++x)
        image->PutPixel(static_cast<int>(x), 0, pixels[x]);
    return image;
}

Bytes Encode(std::vector<Color> const& pixels)
{
    SmartPtr<MemPixelData> image(Row(pixels));
    PixelDataRLE rle(*image);
    unsigned char const* data = rle.GetData();
    return data ? Bytes(data, data + rle.GetSize()) : Bytes();
}

TEST(PixelDataRLE, EncodesRunKinds)
{
    // colour (10,20,30) as 565: red 10>>3=1, green 20>>2=5, blue 30>>3=3
    int const c = (1 << 11) | (5 << 5) | 3;
    Bytes const expected = {10, 14, 0,                                            // row header, 14 bytes
                            0, 1, 0,                                              // one transparent
                            4, 3, 0, c & 0xFF, c >> 8,                            // three opaque repeated
                            3, 1, 0, 16, 0x20, 0x08};  // alpha 128 -> 16; (8,4,3) -> red 1, green 1, blue 0
    EXPECT_EQ(Encode({Color(0, 0, 0, 0), Color(10, 20, 30), Color(10, 20, 30), Color(10, 20, 30),
                      Color(8, 4, 3, 128)}),
              expected);
}

TEST(PixelDataRLE, LiteralTurnsIntoRepeat)
{
    Bytes const encoded = Encode({Color(255, 0, 0), Color(0, 255, 0), Color(0, 0, 255), Color(0, 0, 255)});
    ASSERT_GE(encoded.size(), 9u);
    EXPECT_EQ(encoded[3], PixelDataRLE::RunOpaqueLiteral);
    EXPECT_EQ(encoded[4], 3);
    EXPECT_EQ(encoded[3 + 3 + 6], PixelDataRLE::RunOpaqueRepeat);
    EXPECT_EQ(encoded[3 + 3 + 6 + 1], 1);
}

TEST(PixelDataRLE, AlphaThresholds)
{
    struct Case {
        std::uint8_t alpha;
        int kind;
    };
    Case const cases[] = {{247, PixelDataRLE::RunTranslucentRepeat},
                          {248, PixelDataRLE::RunOpaqueRepeat},
                          {7, PixelDataRLE::RunTransparent},
                          {8, PixelDataRLE::RunTranslucentRepeat}};
    for (Case const& c : cases) {
        Bytes const encoded = Encode({Color(1, 2, 3, c.alpha)});
        ASSERT_GE(encoded.size(), 4u);
        EXPECT_EQ(encoded[3], c.kind) << int(c.alpha);
    }
}

TEST(PixelDataRLE, RoundTripThroughTheTextureCopy)
{
    std::vector<Color> const pixels = {Color(0, 0, 0, 0), Color(255, 255, 255), Color(255, 0, 0, 128),
                                       Color(255, 0, 0, 128), Color(0, 0, 255)};
    SmartPtr<MemPixelData> image(Row(pixels));
    PixelDataRLE* rle = new PixelDataRLE(*image);
    PixelDataGL texture(rle);
    EXPECT_EQ(texture.GetFormat(), RGBA8888);
    unsigned char const* texels = texture.GetData();
    ASSERT_NE(texels, nullptr);
    unsigned char const expected[] = {0, 0, 0, 0,   255, 255, 255, 255, 0,   0, 255, 132,
                                      0, 0, 255, 132, 255, 0,   0,   255, 255, 0, 0,   255};
    EXPECT_EQ(Bytes(texels, texels + 24), Bytes(expected, expected + 24)) << "last texel repeats the edge";
    EXPECT_EQ(rle->GetData(), nullptr) << "the stream is released after the copy";
}

TEST(PixelDataRLE, MalformedStreamsDecodeSafely)
{
    struct Case {
        char const* what;
        Bytes stream;
    };
    Case const cases[] = {
        {"empty", {}},
        {"truncated header", {10, 5}},
        {"wrong marker", {11, 3, 0, 0, 2, 0}},
        {"row longer than the stream", {10, 40, 0, 0, 2, 0}},
        {"run wider than the image", {10, 3, 0, 0, 9, 0}},
        {"unknown kind", {10, 3, 0, 7, 1, 0}},
        {"literal payload cut short", {10, 5, 0, 2, 2, 0, 1, 2}},
        {"run head cut short", {10, 2, 0, 4, 1}},
    };
    for (Case const& c : cases) {
        unsigned char const* data = c.stream.empty() ? nullptr : c.stream.data();
        std::vector<unsigned char> out(2 * 4, 0xEE);
        unsigned char const* next = PixelDataRLE::DecodeRow(data, data + c.stream.size(), 2, out.data());
        EXPECT_EQ(next, nullptr) << c.what;
        // The same stream through a texture store: no read beyond the stream.
        PixelDataGL texture(new PixelDataRLE(2, 2, static_cast<int>(c.stream.size()), data));
        EXPECT_NE(texture.GetData(), nullptr) << c.what;
    }
}

TEST(PixelDataRLE, RefusesWhatItCannotEncode)
{
    SmartPtr<MemPixelData> rgb(new MemPixelData(2, 2, RGB888));
    PixelDataRLE fromRgb(*rgb);
    EXPECT_EQ(fromRgb.GetSize(), 0);
    // A row of translucent literals longer than a 16-bit length field.
    SmartPtr<MemPixelData> wide(new MemPixelData(30000, 1, RGBA8888));
    for (int x = 0; x < 30000; ++x)
        wide->PutPixel(x, 0, Color(x % 2 ? 255 : 0, 0, 0, 100));
    PixelDataRLE fromWide(*wide);
    EXPECT_EQ(fromWide.GetSize(), 0);
}

} // namespace
