// PVRTC and ETC1 software decoding, checked bit for bit against blocks
// made by hand.
#include "contrib/pvr/PVRTDecompress.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

struct Rgba {
    int r, g, b, a;
};

// One 8-byte block: the modulation word, then the colour word.
void PutBlock(std::vector<unsigned char>& data, size_t index, uint32_t modulation, uint32_t colours)
{
    for (int i = 0; i < 4; ++i) {
        data[index * 8 + i] = static_cast<unsigned char>(modulation >> (8 * i));
        data[index * 8 + 4 + i] = static_cast<unsigned char>(colours >> (8 * i));
    }
}

// A texture whose blocks are all the same.
std::vector<unsigned char> UniformBlocks(size_t count, uint32_t modulation, uint32_t colours)
{
    std::vector<unsigned char> data(count * 8);
    for (size_t i = 0; i < count; ++i)
        PutBlock(data, i, modulation, colours);
    return data;
}

Rgba PixelAt(std::vector<unsigned char> const& pixels, int width, int x, int y)
{
    const unsigned char* p = &pixels[(size_t(y) * width + x) * 4];
    return {p[0], p[1], p[2], p[3]};
}

void ExpectPixel(Rgba expected, std::vector<unsigned char> const& pixels, int width, int x, int y)
{
    Rgba got = PixelAt(pixels, width, x, y);
    EXPECT_EQ(got.r, expected.r) << "at " << x << "," << y;
    EXPECT_EQ(got.g, expected.g) << "at " << x << "," << y;
    EXPECT_EQ(got.b, expected.b) << "at " << x << "," << y;
    EXPECT_EQ(got.a, expected.a) << "at " << x << "," << y;
}

// Opaque pure red as colour A (mode bit in bit 0) and opaque pure blue as B.
constexpr uint32_t kRedBlue = 0x801Fu << 16 | 0xFC00u;
constexpr uint32_t kRedBluePunchThrough = kRedBlue | 1;
// Red and blue expanded, and the standard blends between them.
constexpr Rgba kA = {255, 0, 0, 255};
constexpr Rgba kWeight3 = {159, 0, 95, 255};
constexpr Rgba kWeight5 = {95, 0, 159, 255};
constexpr Rgba kB = {0, 0, 255, 255};

TEST(PVRTDecompressPVRTC, FourBitModulationPicksTheStandardWeightsRowByRow)
{
    // Value (x + y) & 3 at every pixel of the block, two bits each from bit 0.
    uint32_t modulation = 0;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            modulation |= uint32_t((x + y) & 3) << (2 * (y * 4 + x));
    std::vector<unsigned char> data = UniformBlocks(4, modulation, kRedBlue);
    std::vector<unsigned char> pixels(8 * 8 * 4);
    PVRTDecompressPVRTC(data.data(), 0, 8, 8, pixels.data());

    const Rgba byValue[4] = {kA, kWeight3, kWeight5, kB};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            ExpectPixel(byValue[(x + y) & 3], pixels, 8, x, y);
}

TEST(PVRTDecompressPVRTC, PunchThroughValueTwoIsTransparent)
{
    // Values 0, 1, 2, 3 repeated along each row.
    std::vector<unsigned char> data = UniformBlocks(4, 0xE4E4E4E4u, kRedBluePunchThrough);
    std::vector<unsigned char> pixels(8 * 8 * 4);
    PVRTDecompressPVRTC(data.data(), 0, 8, 8, pixels.data());
    ExpectPixel(kA, pixels, 8, 0, 0);
    ExpectPixel({127, 0, 127, 255}, pixels, 8, 1, 0);
    ExpectPixel({127, 0, 127, 0}, pixels, 8, 2, 0);
    ExpectPixel(kB, pixels, 8, 3, 0);
}

TEST(PVRTDecompressPVRTC, TranslucentColoursWithoutAlphaBitsAreTransparent)
{
    // Translucent red (bits 8-11) as A, translucent blue (bits 0-3) as B,
    // both with alpha bits 0; modulation 0 shows A.
    std::vector<unsigned char> data = UniformBlocks(4, 0, 0x000Fu << 16 | 0x0F00u);
    std::vector<unsigned char> pixels(8 * 8 * 4);
    PVRTDecompressPVRTC(data.data(), 0, 8, 8, pixels.data());
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            ExpectPixel({255, 0, 0, 0}, pixels, 8, x, y);
}

TEST(PVRTDecompressPVRTC, TwoBitDirectModeGivesOnlyColourAOrB)
{
    const uint32_t modulation = 0xA5A5F00Fu;
    std::vector<unsigned char> data = UniformBlocks(4, modulation, kRedBlue);
    std::vector<unsigned char> pixels(16 * 8 * 4);
    PVRTDecompressPVRTC(data.data(), 1, 16, 8, pixels.data());
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            ExpectPixel(((modulation >> ((y & 3) * 8 + (x & 7))) & 1) ? kB : kA, pixels, 16, x, y);
}

TEST(PVRTDecompressPVRTC, TwoBitInterpolatedModeAveragesTheFourNeighbours)
{
    // Stored values (positions with column XOR row even) are 3 in rows 0-1
    // and 0 in rows 2-3; the others average their four neighbours' weights:
    // 6 in rows 0-1 and 2 in rows 2-3.
    std::vector<unsigned char> data = UniformBlocks(4, 0x0000FFFFu, kRedBluePunchThrough);
    std::vector<unsigned char> pixels(16 * 8 * 4);
    PVRTDecompressPVRTC(data.data(), 1, 16, 8, pixels.data());
    const Rgba weight6 = {63, 0, 191, 255};
    const Rgba weight2 = {191, 0, 63, 255};
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 16; ++x) {
            bool stored = ((x ^ y) & 1) == 0;
            bool upper = (y & 3) < 2;
            Rgba expected = upper ? (stored ? kB : weight6) : (stored ? kA : weight2);
            ExpectPixel(expected, pixels, 16, x, y);
        }
    }
}

TEST(PVRTDecompressPVRTC, BlocksAreAddressedInTwiddledOrder)
{
    // 16 x 16 pixels: 4 x 4 blocks; the block at address k has red k and
    // green 31 - k as colour A. A pixel at (2, 2) within its block shows
    // its own block's colour alone.
    const int blocksPerSide = 4;
    std::vector<unsigned char> data(blocksPerSide * blocksPerSide * 8);
    for (uint32_t k = 0; k < 16; ++k)
        PutBlock(data, k, 0, 0x8000u | k << 10 | (31 - k) << 5);
    std::vector<unsigned char> pixels(16 * 16 * 4);
    PVRTDecompressPVRTC(data.data(), 0, 16, 16, pixels.data());

    // Twiddled address of block (bx, by): y0, x0, y1, x1 from the low bit up.
    auto address = [](int bx, int by) {
        return (by & 1) | (bx & 1) << 1 | (by & 2) << 1 | (bx & 2) << 2;
    };
    auto expand5 = [](int n) { return (n << 3) | (n >> 2); };
    for (int by = 0; by < blocksPerSide; ++by) {
        for (int bx = 0; bx < blocksPerSide; ++bx) {
            int k = address(bx, by);
            ExpectPixel({expand5(k), expand5(31 - k), 0, 255}, pixels, 16, bx * 4 + 2, by * 4 + 2);
        }
    }
}

TEST(PVRTDecompressPVRTC, TwiddleUVInterleavesAndKeepsTheLongerSidesHighBits)
{
    EXPECT_EQ(TwiddleUV(4, 4, 0, 1), 2u);
    EXPECT_EQ(TwiddleUV(4, 4, 3, 0), 5u);
    EXPECT_EQ(TwiddleUV(4, 4, 3, 3), 15u);
    // 8 wide, 2 high: one interleaved bit pair, then x's high bits above.
    EXPECT_EQ(TwiddleUV(2, 8, 1, 5), 11u);
    // 2 wide, 8 high: y keeps its high bits.
    EXPECT_EQ(TwiddleUV(8, 2, 5, 1), 11u);
    // A side below 2 leaves the kept coordinate alone.
    EXPECT_EQ(TwiddleUV(1, 8, 0, 6), 6u);
}

TEST(PVRTDecompressPVRTC, SmallLevelsReadExactlyTheirTwoByTwoBlocks)
{
    // Heap blocks of exactly the size the decoder may read: the sanitizer
    // build catches any read past them.
    struct Case {
        int twoBit, width, height;
        size_t bytes;
    } const cases[] = {{0, 8, 8, 32}, {0, 4, 4, 32}, {0, 1, 1, 32}, {1, 16, 8, 32}, {1, 8, 4, 32}, {1, 32, 32, 256}};
    for (Case const& c : cases) {
        EXPECT_EQ(PVRTDecompressPVRTCDataSize(c.twoBit, c.width, c.height), c.bytes);
        std::vector<unsigned char> data = UniformBlocks(c.bytes / 8, 0, kRedBlue);
        std::vector<unsigned char> pixels(size_t(c.width) * c.height * 4);
        PVRTDecompressPVRTC(data.data(), c.twoBit, c.width, c.height, pixels.data());
        ExpectPixel(kA, pixels, c.width, c.width - 1, c.height - 1);
    }
}

TEST(PVRTDecompressPVRTC, DataSizeOfHugeSidesDoesNotWrap)
{
    EXPECT_EQ(PVRTDecompressPVRTCDataSize(1, 524288, 524288), uint64_t(1) << 36);
}

TEST(PVRTDecompressPVRTC, SizesThatAreNotPowersOfTwoAreRefused)
{
    EXPECT_EQ(PVRTDecompressPVRTCDataSize(0, 12, 8), 0u);
    EXPECT_EQ(PVRTDecompressPVRTCDataSize(0, 8, 0), 0u);
    std::vector<unsigned char> data(4 * 8);
    std::vector<unsigned char> pixels(12 * 8 * 4, 7);
    PVRTDecompressPVRTC(data.data(), 0, 12, 8, pixels.data());
    EXPECT_EQ(pixels[0], 7);
}

// ETC1 blocks: bytes 0-2 the colours, byte 3 tables, differential and flip,
// bytes 4-7 the pixel indices.
std::vector<unsigned char> EtcBlock(unsigned char r, unsigned char g, unsigned char b, unsigned char control,
                                    uint32_t indices)
{
    return {r, g, b, control, static_cast<unsigned char>(indices), static_cast<unsigned char>(indices >> 8),
            static_cast<unsigned char>(indices >> 16), static_cast<unsigned char>(indices >> 24)};
}

TEST(PVRTDecompressETC, IndividualModeSplitsTheBlockIntoColumnHalves)
{
    // Table 1 is 0 (+2 at index 0), table 2 is 7 (+47); pixel (1, 2) has
    // index 3 (-8), pixel (3, 1) index 2 (-47).
    const uint32_t indices = 1u << 14 | 1u << 30 | 1u << 5;
    std::vector<unsigned char> block = EtcBlock(0xA5, 0x3C, 0x0F, 7 << 2, indices);
    std::vector<unsigned char> pixels(4 * 4 * 4);
    EXPECT_EQ(PVRTDecompressETC(block.data(), 4, 4, pixels.data(), 0), 8);

    ExpectPixel({0xAC, 0x35, 0x02, 255}, pixels, 4, 0, 0);
    ExpectPixel({0xAC, 0x35, 0x02, 255}, pixels, 4, 1, 3);
    ExpectPixel({0xA2, 0x2B, 0x00, 255}, pixels, 4, 1, 2);
    ExpectPixel({0x84, 0xFB, 0xFF, 255}, pixels, 4, 2, 0);
    ExpectPixel({0x26, 0x9D, 0xD0, 255}, pixels, 4, 3, 1);
}

TEST(PVRTDecompressETC, DifferentialFlippedModeSplitsTheBlockIntoRowHalves)
{
    // Bases 16, 31, 0 with deltas +3, -4, -1.
    std::vector<unsigned char> block = EtcBlock(0x83, 0xFC, 0x07, 0x03, 0);
    std::vector<unsigned char> pixels(4 * 4 * 4);
    PVRTDecompressETC(block.data(), 4, 4, pixels.data(), 0);
    for (int x = 0; x < 4; ++x) {
        ExpectPixel({134, 255, 2, 255}, pixels, 4, x, 1);
        ExpectPixel({158, 224, 255, 255}, pixels, 4, x, 2);
    }
}

TEST(PVRTDecompressETC, SmallAndWideImagesReadWholeBlocks)
{
    std::vector<unsigned char> one = EtcBlock(0xA5, 0x3C, 0x0F, 7 << 2, 0);
    std::vector<unsigned char> small(2 * 2 * 4);
    EXPECT_EQ(PVRTDecompressETC(one.data(), 2, 2, small.data(), 0), 8);
    ExpectPixel({0xAC, 0x35, 0x02, 255}, small, 2, 1, 1);

    std::vector<unsigned char> two = EtcBlock(0xA5, 0x3C, 0x0F, 7 << 2, 0);
    std::vector<unsigned char> second = EtcBlock(0x83, 0xFC, 0x07, 0x03, 0);
    two.insert(two.end(), second.begin(), second.end());
    std::vector<unsigned char> wide(8 * 4 * 4);
    EXPECT_EQ(PVRTDecompressETC(two.data(), 8, 4, wide.data(), 0), 16);
    ExpectPixel({0x84, 0xFB, 0xFF, 255}, wide, 8, 3, 3);
    ExpectPixel({134, 255, 2, 255}, wide, 8, 4, 0);
    ExpectPixel({158, 224, 255, 255}, wide, 8, 7, 3);
}

} // namespace
