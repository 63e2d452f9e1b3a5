// The texture helpers: twiddling, empty textures, tiling, bits per pixel.
#include "contrib/pvr/PVRTTexture.h"

#include <GL/glext.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
using TexturePtr = std::unique_ptr<PVR_Texture_Header, FreeDeleter>;

unsigned char* DataOf(PVR_Texture_Header* header)
{
    return reinterpret_cast<unsigned char*>(header) + PVRTEX_HEADER_SIZE;
}

TEST(PVRTTextureTools, TwiddleInterleavesYIntoEvenAndXIntoOddBits)
{
    unsigned int value;
    PVRTTextureTwiddle(value, 1, 0);
    EXPECT_EQ(value, 2u);
    PVRTTextureTwiddle(value, 0, 1);
    EXPECT_EQ(value, 1u);
    PVRTTextureTwiddle(value, 0xFFFF, 0);
    EXPECT_EQ(value, 0xAAAAAAAAu);
    PVRTTextureTwiddle(value, 0x10005, 3);
    EXPECT_EQ(value, 0x27u); // the high bits of x are dropped
    unsigned int x, y;
    PVRTTextureDeTwiddle(x, y, 0xAAAAAAAAu | 5);
    EXPECT_EQ(x, 0xFFFFu);
    EXPECT_EQ(y, 3u);
}

TEST(PVRTTextureTools, CreateSizesEveryLevelWithItsMinimum)
{
    // 8 x 8 at 4 bits with 8 x 8 minimum: four levels of 64 pixels.
    TexturePtr mipped(PVRTTextureCreate(8, 8, 8, 8, 4, true));
    ASSERT_TRUE(mipped);
    EXPECT_EQ(mipped->dataSize, 4u * 64 * 4 / 8);
    EXPECT_EQ(mipped->headerSize, 52u);
    EXPECT_EQ(mipped->bitCount, 4u);
    EXPECT_EQ(mipped->surfaceCount, 1u);
    EXPECT_EQ(mipped->mipMapCount, 0u);
    EXPECT_EQ(mipped->magic, 0u);

    TexturePtr single(PVRTTextureCreate(4, 2, 1, 1, 32, false));
    EXPECT_EQ(single->dataSize, 32u);
    // 4 x 1 halves to 2 x 0 and 1 x 0 before both sides reach 0.
    TexturePtr strip(PVRTTextureCreate(4, 1, 1, 1, 8, true));
    EXPECT_EQ(strip->dataSize, 4u + 2 + 1);
}

TEST(PVRTTextureTools, TileRepeatsEveryLevel)
{
    // A 2 x 2 RGBA 8888 texture with its 1 x 1 level, tiled 4 times.
    TexturePtr input(PVRTTextureCreate(2, 2, 1, 1, 32, true));
    input->pixelFormatFlags = OGL_RGBA_8888 | PVRTEX_MIPMAP;
    input->mipMapCount = 1;
    const unsigned int texels[5] = {0xA0, 0xA1, 0xA2, 0xA3, 0xB0};
    std::memcpy(DataOf(input.get()), texels, sizeof(texels));

    PVR_Texture_Header* raw = nullptr;
    PVRTTextureTile(&raw, input.get(), 4);
    TexturePtr tiled(raw);
    ASSERT_TRUE(tiled);
    EXPECT_EQ(tiled->width, 8u);
    EXPECT_EQ(tiled->height, 8u);
    EXPECT_EQ(tiled->pixelFormatFlags, unsigned(OGL_RGBA_8888 | PVRTEX_MIPMAP));
    EXPECT_EQ(tiled->mipMapCount, 2u);
    EXPECT_EQ(tiled->dataSize, (64u + 16 + 4 + 1) * 4);

    const unsigned int* out = reinterpret_cast<const unsigned int*>(DataOf(tiled.get()));
    for (unsigned int y = 0; y < 8; ++y)
        for (unsigned int x = 0; x < 8; ++x)
            ASSERT_EQ(out[y * 8 + x], texels[(y % 2) * 2 + x % 2]) << x << "," << y;
    // Level 1 (4 x 4) repeats the 1 x 1 level.
    for (unsigned int i = 0; i < 16; ++i)
        ASSERT_EQ(out[64 + i], 0xB0u);
}

TEST(PVRTTextureTools, TwiddledTilingRepeatsInTwiddledOrder)
{
    const unsigned char source[4] = {0, 1, 2, 3}; // twiddled 2 x 2
    unsigned char tiled[16];
    PVRTTextureLoadTiled(tiled, 4, 4, source, 2, 2, 1, true);
    for (unsigned int i = 0; i < 16; ++i) {
        unsigned int x, y, expected;
        PVRTTextureDeTwiddle(x, y, i);
        PVRTTextureTwiddle(expected, x % 2, y % 2);
        EXPECT_EQ(tiled[i], source[expected]);
    }
    // A source grid much taller than wide stays inside its elements.
    const unsigned char tall[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    unsigned char out[64];
    PVRTTextureLoadTiled(out, 8, 8, tall, 1, 8, 1, true);
    for (unsigned char value : out)
        EXPECT_TRUE(value >= 1 && value <= 8);
}

TEST(PVRTTextureTools, TileRefusesTypesItCannotRepeat)
{
    TexturePtr input(PVRTTextureCreate(2, 2, 1, 1, 16, false));
    input->pixelFormatFlags = OGL_RGB_565;
    PVR_Texture_Header* out = reinterpret_cast<PVR_Texture_Header*>(1);
    testing::internal::CaptureStderr();
    PVRTTextureTile(&out, input.get(), 2);
    EXPECT_NE(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(out, nullptr);
}

TEST(PVRTTextureTools, BitsPerPixelOfFormats)
{
    EXPECT_EQ(PVRTTextureFormatGetBPP(GL_UNSIGNED_BYTE, GL_RGBA), 32u);
    EXPECT_EQ(PVRTTextureFormatGetBPP(GL_UNSIGNED_BYTE, GL_BGRA), 32u);
    EXPECT_EQ(PVRTTextureFormatGetBPP(GL_UNSIGNED_SHORT_5_5_5_1, GL_RGBA), 16u);
    EXPECT_EQ(PVRTTextureFormatGetBPP(0x8C00, 0), 4u);
    EXPECT_EQ(PVRTTextureFormatGetBPP(0x8C02, 0), 4u);
    EXPECT_EQ(PVRTTextureFormatGetBPP(0x8C01, 0), 2u);
    EXPECT_EQ(PVRTTextureFormatGetBPP(0x8C03, 0), 2u);
    EXPECT_EQ(PVRTTextureFormatGetBPP(GL_UNSIGNED_BYTE, GL_RGB), 0xFFFFFFFFu);
    EXPECT_EQ(PVRTTextureFormatGetBPP(GL_UNSIGNED_SHORT_5_6_5, GL_RGB), 0xFFFFFFFFu);
}

} // namespace
