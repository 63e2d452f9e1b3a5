// Every image format decodes files made by the test writers to the expected
// pixels.
#include "tests/support/ImageFixtures.h"

#include "norv/graphics/ImageLoader.h"
#include "norv/graphics/LoadSurface.h"
#include "norv/graphics/PixelDataComposite.h"
#include "norv/graphics/PixelDataGL.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using namespace Norv;
using namespace ImageTest;

SmartPtr<Surface> Load(Bytes const& file)
{
    SmartPtr<SeekableStream> stream = StreamOf(file);
    return SmartPtr<Surface>(LoadSurface(stream.Get()));
}

PixelFormat FormatOf(Surface& surface)
{
    return surface.GetPixelData()->GetFormat();
}

struct PngCase {
    char const* name;
    PngSpec spec;
    PixelFormat format;
    int x;
    Bytes pixel;  // the store's bytes of pixel (x, 0)
};

png_color Rgb(int r, int g, int b)
{
    return png_color{static_cast<png_byte>(r), static_cast<png_byte>(g), static_cast<png_byte>(b)};
}

PngSpec Spec(int width, int colourType, int bitDepth, Bytes rows)
{
    PngSpec spec;
    spec.width = width;
    spec.colourType = colourType;
    spec.bitDepth = bitDepth;
    spec.rows = std::move(rows);
    return spec;
}

std::vector<PngCase> PngCases()
{
    std::vector<PngCase> cases;
    cases.push_back({"rgb", Spec(2, PNG_COLOR_TYPE_RGB, 8, {10, 20, 30, 40, 50, 60}), RGB888, 1, {60, 50, 40}});
    cases.push_back({"rgba", Spec(1, PNG_COLOR_TYPE_RGBA, 8, {1, 2, 3, 4}), RGBA8888, 0, {3, 2, 1, 4}});
    cases.push_back({"rgb16", Spec(1, PNG_COLOR_TYPE_RGB, 16, {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC}), RGB888, 0,
                     {0x9A, 0x56, 0x12}});
    PngCase palette{"palette", Spec(2, PNG_COLOR_TYPE_PALETTE, 8, {0, 1}), RGB888, 1, {50, 100, 200}};
    palette.spec.palette = {Rgb(0, 0, 0), Rgb(200, 100, 50)};
    cases.push_back(palette);
    PngCase paletteAlpha{"palette with tRNS", palette.spec, RGBA8888, 1, {50, 100, 200, 128}};
    paletteAlpha.spec.paletteAlpha = {0, 128};
    cases.push_back(paletteAlpha);
    cases.push_back({"grey", Spec(1, PNG_COLOR_TYPE_GRAY, 8, {77}), A8, 0, {77}});
    // Two 2-bit pixels, 3 and 1, widened to 8 bits.
    cases.push_back({"grey 2-bit", Spec(2, PNG_COLOR_TYPE_GRAY, 2, {0xD0}), A8, 1, {85}});
    PngCase greyKey{"grey with tRNS", Spec(2, PNG_COLOR_TYPE_GRAY, 8, {77, 200}), RGBA8888, 0, {77, 77, 77, 0}};
    greyKey.spec.greyKey = true;
    greyKey.spec.greyKeyValue = 77;
    cases.push_back(greyKey);
    PngCase greyKeyOpaque = greyKey;
    greyKeyOpaque.name = "grey with tRNS, other value";
    greyKeyOpaque.x = 1;
    greyKeyOpaque.pixel = {200, 200, 200, 255};
    cases.push_back(greyKeyOpaque);
    cases.push_back({"grey and alpha", Spec(1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {90, 30}), RGBA8888, 0, {90, 90, 90, 30}});
    return cases;
}

TEST(PngReader, DecodesEveryColourType)
{
    for (PngCase const& c : PngCases()) {
        SCOPED_TRACE(c.name);
        SmartPtr<Surface> surface = Load(WritePng(c.spec));
        ASSERT_TRUE(surface);
        EXPECT_EQ(FormatOf(*surface), c.format);
        EXPECT_EQ(surface->GetWidth(), c.spec.width);
        EXPECT_EQ(PixelAt(*surface, c.x, 0), c.pixel);
    }
}

TEST(PngReader, ReadsInterlacedImagesWhole)
{
    int const side = 11;
    PngSpec spec = Spec(side, PNG_COLOR_TYPE_RGB, 8, {});
    spec.height = side;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x)
            spec.rows.insert(spec.rows.end(), {static_cast<unsigned char>(x * 20), static_cast<unsigned char>(y * 20), 7});
    }
    spec.interlaced = true;
    SmartPtr<Surface> surface = Load(WritePng(spec));
    ASSERT_TRUE(surface);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            Bytes const expected = {7, static_cast<unsigned char>(y * 20), static_cast<unsigned char>(x * 20)};
            ASSERT_EQ(PixelAt(*surface, x, y), expected) << x << "," << y;
        }
    }
}

TEST(JpegReader, DeliversBlueGreenRed)
{
    Bytes colour;
    Bytes grey;
    for (int i = 0; i < 64; ++i) {
        colour.insert(colour.end(), {200, 40, 90});
        grey.push_back(120);
    }
    struct Case {
        int components;
        Bytes const& pixels;
        Bytes expected;
    } const cases[] = {{3, colour, {90, 40, 200}}, {1, grey, {120, 120, 120}}};
    for (Case const& c : cases) {
        SmartPtr<Surface> surface = Load(WriteJpeg(8, 8, c.components, c.pixels));
        ASSERT_TRUE(surface) << c.components;
        EXPECT_EQ(FormatOf(*surface), RGB888);
        Bytes const pixel = PixelAt(*surface, 3, 5);
        for (std::size_t i = 0; i < 3; ++i)
            EXPECT_NEAR(pixel[i], c.expected[i], 3) << c.components << " components, byte " << i;
    }
}

TEST(JpegReader, RefusesFourComponents)
{
    Bytes const cmyk(8 * 8 * 4, 100);
    Bytes const file = WriteJpeg(8, 8, 4, cmyk);
    ASSERT_EQ(file[3], 0xE0);  // marked as JFIF, so the JPEG reader takes it
    EXPECT_FALSE(Load(file));
}

TEST(RawReaders, C565AndCrle)
{
    SmartPtr<Surface> raw = Load(Write565(2, 2, {0x00, 0xF8, 0xE0, 0x07, 0x1F, 0x00, 0xFF, 0xFF}));
    ASSERT_TRUE(raw);
    EXPECT_EQ(FormatOf(*raw), RGB565);
    EXPECT_EQ(PixelAt(*raw, 1, 0), (Bytes{0xE0, 0x07}));
    EXPECT_EQ(PixelAt(*raw, 0, 1), (Bytes{0x1F, 0x00}));

    // Opaque red, clear, opaque blue; a half-transparent green row.
    Bytes const bgra = {0, 0, 255, 255, 0, 0, 0, 0, 255, 0, 0, 255, 0, 255, 0, 128, 0, 255, 0, 128, 0, 255, 0, 128};
    SmartPtr<Surface> runs = Load(WriteRle(3, 2, bgra));
    ASSERT_TRUE(runs);
    EXPECT_EQ(PixelAt(*runs, 0, 0), (Bytes{0, 0, 255, 255}));
    EXPECT_EQ(PixelAt(*runs, 1, 0)[3], 0);
    EXPECT_EQ(PixelAt(*runs, 2, 0), (Bytes{255, 0, 0, 255}));
    Bytes const translucent = PixelAt(*runs, 1, 1);
    EXPECT_EQ(translucent[1], 255);
    EXPECT_NEAR(translucent[3], 128, 8);
}

// DXT1 blocks: red to blue (four colours) and green to white (three and
// black), each pixel i taking palette entry i % 4.
Bytes const kDxt1Blocks = {0x00, 0xF8, 0x1F, 0x00, 0xE4, 0xE4, 0xE4, 0xE4,
                           0xE0, 0x07, 0xFF, 0xFF, 0xE4, 0xE4, 0xE4, 0xE4};
// DXT5 blocks: alpha 255 to 0 in eight steps over white to black; alpha 0 to
// 255 in six steps over blue to red. Pixel i takes alpha i % 8, colour i % 4.
Bytes const kDxt5Blocks = {255, 0, 136, 198, 250, 136, 198, 250, 0xFF, 0xFF, 0x00, 0x00, 0xE4, 0xE4, 0xE4, 0xE4};
Bytes const kDxt5SixStepBlock = {0, 255, 136, 198, 250, 136, 198, 250, 0x1F, 0x00, 0x00, 0xF8, 0xE4, 0xE4, 0xE4, 0xE4};

Bytes Word16(unsigned word)
{
    return {static_cast<unsigned char>(word & 0xFF), static_cast<unsigned char>(word >> 8)};
}

TEST(DdsReader, DecodesDxt1BitExact)
{
    SmartPtr<Surface> surface = Load(WriteDds(8, 4, "DXT1", kDxt1Blocks));
    ASSERT_TRUE(surface);
    ASSERT_EQ(FormatOf(*surface), RGB565);
    unsigned const first[4] = {0xF800, 0x001F, 0xA809, 0x5014};
    unsigned const second[4] = {0x07E0, 0xFFFF, 0x7FCF, 0x0000};
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            int const entry = (4 * y + x) % 4;
            EXPECT_EQ(PixelAt(*surface, x, y), Word16(first[entry])) << x << "," << y;
            EXPECT_EQ(PixelAt(*surface, 4 + x, y), Word16(second[entry])) << x << "," << y;
        }
    }
}

TEST(DdsReader, DecodesDxt5BitExact)
{
    // The same blocks as plain DXT5 and behind a DX10 extension (BC3).
    SmartPtr<Surface> plain = Load(WriteDds(4, 4, "DXT5", kDxt5Blocks));
    SmartPtr<Surface> extended = Load(WriteDds(4, 4, "DX10", kDxt5SixStepBlock, 77));
    ASSERT_TRUE(plain);
    ASSERT_TRUE(extended);
    ASSERT_EQ(FormatOf(*plain), RGBA8888);
    unsigned char const eightSteps[8] = {255, 0, 218, 182, 145, 109, 72, 36};
    unsigned char const sixSteps[8] = {0, 255, 51, 102, 153, 204, 0, 255};
    // Palettes as red, green, blue.
    unsigned char const grey[4][3] = {{255, 255, 255}, {0, 0, 0}, {173, 170, 173}, {82, 81, 82}};
    unsigned char const purple[4][3] = {{0, 0, 255}, {255, 0, 0}, {74, 0, 173}, {165, 0, 82}};
    for (int i = 0; i < 16; ++i) {
        int const x = i % 4;
        int const y = i / 4;
        unsigned char const* c = grey[i % 4];
        EXPECT_EQ(PixelAt(*plain, x, y), (Bytes{c[2], c[1], c[0], eightSteps[i % 8]})) << i;
        c = purple[i % 4];
        EXPECT_EQ(PixelAt(*extended, x, y), (Bytes{c[2], c[1], c[0], sixSteps[i % 8]})) << i;
    }
}

TEST(EtcReader, DecodesBlocksBitExact)
{
    // An individual-mode block split into left and right halves, and a
    // differential-mode block split into top and bottom halves.
    Bytes const blocks = {0xF0, 0x88, 0x0F, 0x1C, 0x85, 0xE8, 0x24, 0x92,
                          0x86, 0x23, 0xF8, 0x77, 0x66, 0x66, 0xAA, 0xAA};
    unsigned char const left[4][4][3] = {
        {{255, 138, 2}, {255, 144, 8}, {0, 89, 208}, {47, 183, 255}},
        {{255, 144, 8}, {253, 134, 0}, {47, 183, 255}, {183, 255, 255}},
        {{255, 138, 2}, {253, 134, 0}, {0, 0, 72}, {47, 183, 255}},
        {{253, 134, 0}, {247, 128, 0}, {47, 183, 255}, {0, 89, 208}},
    };
    unsigned char const right[4][3] = {{145, 46, 255}, {90, 0, 213}, {91, 33, 231}, {195, 137, 255}};
    SmartPtr<Surface> surface = Load(WritePvr(8, 4, 0x36, 16, 4, blocks));
    ASSERT_TRUE(surface);
    ASSERT_EQ(FormatOf(*surface), RGB888);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            unsigned char const* c = left[y][x];
            EXPECT_EQ(PixelAt(*surface, x, y), (Bytes{c[2], c[1], c[0]})) << x << "," << y;
            c = right[y];
            EXPECT_EQ(PixelAt(*surface, 4 + x, y), (Bytes{c[2], c[1], c[0]})) << x << "," << y;
        }
    }
}

TEST(PvrReader, NeedsPvrtc)
{
    // No GL implementation here has PVRTC: the file is recognised, not shown.
    Bytes const file = WritePvr(8, 8, 0x18 | 0x8000, 32, 4, Bytes(32, 0));
    SmartPtr<SeekableStream> stream = StreamOf(file);
    SmartPtr<ImageLoader> reader(ImageLoader::Create(stream.Get()));
    ASSERT_TRUE(reader);
    EXPECT_FALSE(reader->Read());
}

Bytes SolidPng(int side, Bytes const& rgb)
{
    PngSpec spec = Spec(side, PNG_COLOR_TYPE_RGB, 8, {});
    spec.height = side;
    for (int i = 0; i < side * side; ++i)
        spec.rows.insert(spec.rows.end(), rgb.begin(), rgb.end());
    return WritePng(spec);
}

TEST(PvrPlusReader, PairsColourAndOpacity)
{
    Bytes const file = Concat({{'P', 'V', 'R', '+', 0}, SolidPng(2, {10, 20, 30}), SolidPng(2, {100, 0, 0})});
    SmartPtr<Surface> surface = Load(file);
    ASSERT_TRUE(surface);
    ASSERT_EQ(surface->GetPixelData()->GetType(), PixelData::TypeComposite);
    auto* composite = static_cast<PixelDataComposite*>(surface->GetPixelData());
    EXPECT_EQ(composite->GetFormat(), RGBA8888);
    EXPECT_EQ(composite->GetWidth(), 2);
    unsigned char const* colour = composite->GetColour()->GetImageData()->data;
    EXPECT_EQ(Bytes(colour, colour + 3), (Bytes{30, 20, 10}));
    // Without shaders the opacity moves to the upper half of red.
    unsigned char const* alpha = composite->GetAlpha()->GetImageData()->data;
    EXPECT_EQ(alpha[2], (100 >> 1) | 0x80);
}

TEST(PvrPlusReader, PvrPartsNeedPvrtc)
{
    Bytes const file = Concat({{'P', 'V', 'R', '+', 2}, SolidPng(2, {10, 20, 30}), SolidPng(2, {100, 0, 0})});
    SmartPtr<SeekableStream> stream = StreamOf(file);
    EXPECT_FALSE(ImageLoader::Create(stream.Get()));
}

} // namespace
