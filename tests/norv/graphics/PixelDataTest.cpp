// Memory pixel access, the XPM-like images and the padded texture copy.
#include "norv/graphics/MemPixelData.h"
#include "norv/graphics/OpenGL.h"
#include "norv/graphics/PixelDataGL.h"
#include "norv/graphics/PixelDataRLE.h"
#include "norv/graphics/Surface.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using namespace Norv;

TEST(PixelFormat, TableAndValidity)
{
    EXPECT_TRUE(IsPixelFormatValid(0));
    EXPECT_TRUE(IsPixelFormatValid(11));
    EXPECT_FALSE(IsPixelFormatValid(12));
    EXPECT_FALSE(IsPixelFormatValid(-1));
    PixelFormatInfo const& rgb565 = GetPixelFormatInfo(RGB565);
    EXPECT_EQ(rgb565.bytesPerPixel, 2);
    EXPECT_EQ(rgb565.greenBits, 6);
    EXPECT_EQ(GetPixelFormatInfo(RLE565A5).alphaBits, 5);
    EXPECT_FALSE(PixelFormatHasAlpha(DXT1));
    EXPECT_TRUE(PixelFormatHasAlpha(A8));
    EXPECT_TRUE(PixelFormatHasAlpha(PVRTC4_RGBA));
    EXPECT_EQ(GetPixelFormatInfo(PixelFormatNone).bitsPerPixel, 0);
}

TEST(MemPixelData, GetAndPutPixelPerFormat)
{
    MemPixelData rgba(2, 2, RGBA8888);
    rgba.PutPixel(1, 1, Color(10, 20, 30, 0));
    EXPECT_EQ(rgba.GetPixel(1, 1), Color(10, 20, 30, 0)) << "RGBA8888 stores alpha 0 without blending";
    unsigned char const* p = rgba.GetData() + rgba.GetPitch() + 4;
    EXPECT_EQ(p[0], 30);
    EXPECT_EQ(p[2], 10);

    MemPixelData rgb(2, 1, RGB888);
    std::memset(rgb.GetData(), 0, 6);
    rgb.PutPixel(0, 0, Color(255, 128, 0, 255));
    rgb.PutPixel(1, 0, Color(200, 100, 50, 128));
    EXPECT_EQ(rgb.GetPixel(0, 0), Color(255, 128, 0, 255));
    EXPECT_EQ(rgb.GetPixel(1, 0), Color(100, 50, 25, 255)) << "half alpha blends over black";

    MemPixelData rgb565(1, 1, RGB565);
    std::memset(rgb565.GetData(), 0, 2);
    rgb565.PutPixel(0, 0, Color(255, 255, 255, 255));
    EXPECT_EQ(rgb565.GetPixel(0, 0), Color(0xF8, 0xFC, 0xF8, 255)) << "low bits are not replicated";

    MemPixelData alpha(1, 1, A8);
    alpha.GetData()[0] = 7;
    alpha.PutPixel(0, 0, Color(1, 2, 3, 4));
    EXPECT_EQ(alpha.GetData()[0], 7) << "A8 ignores PutPixel";
    EXPECT_EQ(alpha.GetPixel(0, 0), Color(0, 0, 0, 255));

    EXPECT_EQ(rgba.GetPixel(2, 0), Color(0, 0, 0, 0)) << "outside gives transparent black";
    EXPECT_EQ(rgba.GetPixel(0, -1), Color(0, 0, 0, 0));
    rgba.PutPixel(-1, 0, Color(1, 1, 1, 1));  // ignored, must not write out of bounds
}

TEST(MemPixelData, XpmLikeImage)
{
    char const* const lines[] = {
        "3 2 2 1",
        "a c #FF0000",
        "b c #00FF80",
        "abz",
        "ba",  // short row: the missing pixel is black
    };
    MemPixelData image(lines);
    EXPECT_EQ(image.GetFormat(), RGB888);
    EXPECT_EQ(image.GetWidth(), 3);
    EXPECT_EQ(image.GetPixel(0, 0), Color(255, 0, 0, 255));
    EXPECT_EQ(image.GetPixel(1, 0), Color(0, 255, 128, 255));
    EXPECT_EQ(image.GetPixel(2, 0), Color(0, 0, 0, 255)) << "an undefined key is black";
    EXPECT_EQ(image.GetPixel(0, 1), Color(0, 255, 128, 255));
    EXPECT_EQ(image.GetPixel(2, 1), Color(0, 0, 0, 255));

    char const* const broken[] = {"x y"};
    MemPixelData empty(broken);
    EXPECT_EQ(empty.GetWidth(), 0);
}

TEST(PixelDataGL, PadsToPowersOfTwoByRepeatingEdges)
{
    MemPixelData* source = new MemPixelData(3, 5, RGB888);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 3; ++x)
            source->PutPixel(x, y, Color(static_cast<std::uint8_t>(x * 40), static_cast<std::uint8_t>(y * 40), 7));
    PixelDataGL texture(source);
    EXPECT_EQ(texture.GetFormat(), RGB888);
    EXPECT_EQ(texture.GetTextureWidth(), 4);
    EXPECT_EQ(texture.GetTextureHeight(), 8);
    EXPECT_FLOAT_EQ(texture.GetScaleX(), 0.25f);
    EXPECT_FLOAT_EQ(texture.GetScaleY(), 0.125f);
    EXPECT_EQ(PixelDataGL::s_textures.count(&texture), 1u);

    unsigned char const* data = texture.GetData();
    ASSERT_NE(data, nullptr);
    auto texel = [data](int x, int y) { return data + (y * 4 + x) * 3; };
    for (int y = 0; y < 8; ++y) {
        int const row = y < 5 ? y : 4;
        EXPECT_EQ(texel(3, y)[1], row * 40) << "column 3 repeats column 2 in row " << y;
        EXPECT_EQ(texel(3, y)[2], 80);
        EXPECT_EQ(std::memcmp(texel(0, y), texel(0, row), 12), 0) << "rows 5-7 repeat row 4";
    }
}

TEST(PixelDataGL, PowerOfTwoSourceIsUploadedFromItsOwnBuffer)
{
    MemPixelData* source = new MemPixelData(4, 2, RGBA8888);
    unsigned char* own = source->GetData();
    PixelDataGL texture(source);
    EXPECT_EQ(texture.GetData(), own);
}

TEST(PixelDataGL, WhereTheGLTakesAnySizeTheImageIsUploadedAsItIs)
{
    GLCaps const saved = g_GL_caps;
    g_GL_caps.npot = true;
    {
        MemPixelData* source = new MemPixelData(3, 5, RGB888);
        unsigned char* own = source->GetData();
        PixelDataGL texture(source);
        EXPECT_EQ(texture.GetTextureWidth(), 3);
        EXPECT_EQ(texture.GetTextureHeight(), 5);
        EXPECT_FLOAT_EQ(texture.GetScaleX(), 1.0f / 3.0f);
        EXPECT_FLOAT_EQ(texture.GetScaleY(), 0.2f);
        EXPECT_EQ(texture.GetData(), own) << "no padded copy";
        // Block-compressed stores are filled in whole blocks of
        // power-of-two sides.
        PixelDataGL blocks(12, 4, DXT1);
        EXPECT_EQ(blocks.GetTextureWidth(), 16);
        EXPECT_EQ(blocks.GetImageData()->size, 32u);
    }
    g_GL_caps = saved;
}

TEST(PixelDataGL, CompressedSourceIsRefused)
{
    PixelDataGL texture(new MemPixelData(8, 8, DXT1));
    EXPECT_EQ(texture.GetData(), nullptr);
    EXPECT_EQ(texture.GetImageData()->size, 0u);
}

TEST(PixelDataGL, EmptyStores)
{
    struct Case {
        int width, height, format;
        PixelFormat expected;
        int textureWidth, textureHeight;
        std::size_t bufferSize;  // 0: no CPU buffer
    };
    Case const cases[] = {
        {0, 0, RGBA8888, RGBA8888, 1, 1, 0},
        {5, 3, RLE565A5, RGB888, 8, 4, 0},
        {5, 3, 13, RGB888, 8, 4, 0},
        {8, 8, DXT1, DXT1, 8, 8, 32},
        {8, 8, DXT5, DXT5, 8, 8, 64},
        {16, 8, PVRTC2_RGBA, PVRTC2_RGBA, 16, 8, 32},
        {2, 2, DXT1, DXT1, 2, 2, 8},  // a partial block is still a whole block
        {1, 1, DXT5, DXT5, 1, 1, 16},
    };
    for (Case const& c : cases) {
        PixelDataGL store(c.width, c.height, static_cast<PixelFormat>(c.format));
        EXPECT_EQ(store.GetFormat(), c.expected) << c.format;
        EXPECT_EQ(store.GetPitch(), c.width);
        EXPECT_EQ(store.GetTextureWidth(), c.textureWidth);
        EXPECT_EQ(store.GetTextureHeight(), c.textureHeight);
        ASSERT_NE(store.GetImageData(), nullptr);
        EXPECT_EQ(store.GetImageData()->size, c.bufferSize) << c.format;
        EXPECT_EQ(store.GetData() != nullptr, c.bufferSize != 0);
    }
}

TEST(Surface, WrapsStoresAndClipsPutPixel)
{
    MemPixelData* source = new MemPixelData(8, 8, RGBA8888);
    Surface surface(source);
    ASSERT_NE(surface.GetPixelData(), nullptr);
    EXPECT_EQ(surface.GetPixelData()->GetType(), PixelData::TypeGL);
    EXPECT_EQ(surface.GetClipRect(), RectT<int>(0, 0, 8, 8));
    EXPECT_EQ(surface.QueryFlag(-1), 0);
    EXPECT_EQ(surface.GetAlpha(), 255);

    SmartPtr<PixelData> plain(new PixelData());
    Surface none(plain.Get());
    EXPECT_EQ(none.GetPixelData(), nullptr);

    // PutPixel reaches a memory store through a surface that keeps it as is.
    struct Probe : PixelData {
        void PutPixel(int x, int, Color const&) override { last = x; }
        int GetType() const override { return TypeGL; }
        int last = -100;
    };
    Probe* probe = new Probe();
    Surface clipped(probe);
    clipped.SetClipRect(RectT<int>(2, 2, 4, 4));
    clipped.PutPixel(6, 3, Color());
    EXPECT_EQ(probe->last, 6) << "the right edge counts as inside";
    clipped.PutPixel(1, 3, Color());
    EXPECT_EQ(probe->last, 6) << "left of the clip is ignored";
}

TEST(Surface, ConvertTo565BeforeUpload)
{
    MemPixelData* source = new MemPixelData(2, 1, RGB888);
    source->PutPixel(0, 0, Color(0xFF, 0x80, 0x08));
    source->PutPixel(1, 0, Color(0x10, 0x20, 0x30));
    Surface surface(source);
    surface.ConvertTo565();
    PixelDataGL* store = static_cast<PixelDataGL*>(surface.GetPixelData());
    EXPECT_EQ(store->GetFormat(), RGB565);
    unsigned char const* data = store->GetData();
    EXPECT_EQ(data[0] | (data[1] << 8), (0xF8 << 8) | (0x80 << 3) | (0x08 >> 3));
    EXPECT_EQ(data[2] | (data[3] << 8), (0x10 << 8) | (0x20 << 3) | (0x30 >> 3));
}

} // namespace
