// Software decoders for PVRTC and ETC1 texture data.
#include "contrib/pvr/PVRTDecompress.h"

#include "contrib/pvr/PVRTError.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr int kPvrtcBlockBytes = 8;
constexpr int kPvrtcBlockHeight = 4;
// Decoding reads a 2 x 2 neighbourhood of blocks, so every level holds at
// least that many.
constexpr int kPvrtcMinBlocks = 2;

const int kStandardWeights[4] = {0, 3, 5, 8};
const int kPunchThroughWeights[4] = {0, 4, 4, 8};

enum Channel { kRed, kGreen, kBlue, kAlpha, kChannels };

uint32_t ReadLittleEndian32(const unsigned char* bytes)
{
    return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24;
}

int Widen4To5(int n)
{
    return (n << 1) | (n >> 3);
}

// Colour A (isColourB false) or B of a block's colour word, as 5-bit red,
// green, blue and 4-bit alpha.
void UnpackColour(uint32_t colourWord, bool isColourB, int* out)
{
    uint32_t colour = isColourB ? colourWord >> 16 : colourWord & 0xFFFE;
    if (colour & 0x8000) {
        out[kRed] = (colour >> 10) & 0x1F;
        out[kGreen] = (colour >> 5) & 0x1F;
        if (isColourB) {
            out[kBlue] = colour & 0x1F;
        } else {
            int blue = (colour >> 1) & 0xF;
            out[kBlue] = (blue << 1) | (blue >> 3);
        }
        out[kAlpha] = 0xF;
    } else {
        out[kRed] = Widen4To5((colour >> 8) & 0xF);
        out[kGreen] = Widen4To5((colour >> 4) & 0xF);
        if (isColourB) {
            out[kBlue] = Widen4To5(colour & 0xF);
        } else {
            int blue = (colour >> 1) & 0x7;
            out[kBlue] = (blue << 2) | (blue >> 1);
        }
        out[kAlpha] = int((colour >> 12) & 0x7) << 1;
    }
}

// The unpacked modulation of a 2 x 2 block neighbourhood: rows 0-3 hold the
// upper blocks, rows 4-7 the lower ones, each block blockWidth columns wide.
struct Neighbourhood {
    int modes[8][16];
    int values[8][16];
    int colourA[4][kChannels];
    int colourB[4][kChannels];
};

void UnpackModulation(uint32_t modulation, int mode, bool do2bit, int row0, int column0, Neighbourhood& hood)
{
    int blockWidth = do2bit ? 8 : 4;
    for (int y = 0; y < kPvrtcBlockHeight; ++y) {
        for (int x = 0; x < blockWidth; ++x) {
            int& value = hood.values[row0 + y][column0 + x];
            hood.modes[row0 + y][column0 + x] = mode;
            if (!do2bit) {
                value = modulation & 3;
                modulation >>= 2;
            } else if (mode == 0) {
                value = (modulation & 1) ? 3 : 0;
                modulation >>= 1;
            } else if (((x ^ y) & 1) == 0) {
                value = modulation & 3;
                modulation >>= 2;
            } else {
                value = 0;
            }
        }
    }
}

void UnpackBlock(const unsigned char* block, int index, bool do2bit, Neighbourhood& hood)
{
    uint32_t modulation = ReadLittleEndian32(block);
    uint32_t colours = ReadLittleEndian32(block + 4);
    UnpackColour(colours, false, hood.colourA[index]);
    UnpackColour(colours, true, hood.colourB[index]);
    int blockWidth = do2bit ? 8 : 4;
    UnpackModulation(modulation, colours & 1, do2bit, (index / 2) * kPvrtcBlockHeight, (index % 2) * blockWidth, hood);
}

int ModulationWeight(const Neighbourhood& hood, bool do2bit, int px, int py, bool* punchThrough)
{
    int value = hood.values[py][px];
    *punchThrough = false;
    if (hood.modes[py][px] == 0)
        return kStandardWeights[value];
    if (!do2bit) {
        *punchThrough = value == 2;
        return kPunchThroughWeights[value];
    }
    if (((px ^ py) & 1) == 0)
        return kStandardWeights[value];
    return (kStandardWeights[hood.values[py][px - 1]] + kStandardWeights[hood.values[py][px + 1]]
            + kStandardWeights[hood.values[py - 1][px]] + kStandardWeights[hood.values[py + 1][px]] + 2) / 4;
}

int BlockCount(int pixels, int blockSize)
{
    return std::max(kPvrtcMinBlocks, pixels / blockSize);
}

} // namespace

bool util_number_is_power_2(unsigned int value)
{
    return value != 0 && (value & (value - 1)) == 0;
}

unsigned int TwiddleUV(unsigned int ySize, unsigned int xSize, unsigned int yPos, unsigned int xPos)
{
    unsigned int smaller = std::min(ySize, xSize);
    unsigned int kept = ySize < xSize ? xPos : yPos;
    unsigned int result = 0;
    unsigned int steps = 0;
    for (unsigned int bit = 1; bit < smaller; bit <<= 1, ++steps) {
        if (yPos & bit)
            result |= 1u << (2 * steps);
        if (xPos & bit)
            result |= 1u << (2 * steps + 1);
    }
    return result | ((kept >> steps) << (2 * steps));
}

void InterpolateColours(const int* p, const int* q, const int* r, const int* s, int do2bitMode, int x, int y,
                        int* result)
{
    int blockWidth = do2bitMode ? 8 : 4;
    int u = x - blockWidth / 2;
    int v = y - 2;
    for (int c = 0; c < kChannels; ++c) {
        int top = p[c] * blockWidth + u * (q[c] - p[c]);
        int bottom = r[c] * blockWidth + u * (s[c] - r[c]);
        result[c] = top * 4 + v * (bottom - top);
    }
    if (do2bitMode) {
        result[kRed] >>= 2;
        result[kGreen] >>= 2;
        result[kBlue] >>= 2;
        result[kAlpha] >>= 1;
    } else {
        result[kRed] >>= 1;
        result[kGreen] >>= 1;
        result[kBlue] >>= 1;
    }
    for (int c = kRed; c <= kBlue; ++c)
        result[c] += result[c] >> 5;
    result[kAlpha] += result[kAlpha] >> 4;
}

uint64_t PVRTDecompressPVRTCDataSize(int do2bitMode, int width, int height)
{
    if (width <= 0 || height <= 0 || !util_number_is_power_2(width) || !util_number_is_power_2(height))
        return 0;
    int blockWidth = do2bitMode ? 8 : 4;
    return uint64_t(BlockCount(width, blockWidth)) * uint64_t(BlockCount(height, kPvrtcBlockHeight)) * kPvrtcBlockBytes;
}

void PVRTDecompressPVRTC(const void* data, int do2bitMode, int width, int height, unsigned char* result)
{
    if (PVRTDecompressPVRTCDataSize(do2bitMode, width, height) == 0) {
        // The block addressing wraps with masks, which only works for
        // powers of two; anything else would read outside the data.
        PVRTErrorOutputDebug("PVRTDecompressPVRTC: %d x %d is not a power-of-two size.\n", width, height);
        return;
    }
    const bool do2bit = do2bitMode != 0;
    const unsigned char* blocks = static_cast<const unsigned char*>(data);
    const int blockWidth = do2bit ? 8 : 4;
    const unsigned int blocksX = BlockCount(width, blockWidth);
    const unsigned int blocksY = BlockCount(height, kPvrtcBlockHeight);

    Neighbourhood hood;
    std::memset(&hood, 0, sizeof(hood));
    unsigned int previous[4] = {};
    bool unpacked = false;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            unsigned int bx = ((x - blockWidth / 2) & (width - 1)) / blockWidth;
            unsigned int by = ((y - 2) & (height - 1)) / kPvrtcBlockHeight;
            unsigned int bx1 = (bx + 1) & (blocksX - 1);
            unsigned int by1 = (by + 1) & (blocksY - 1);
            unsigned int addresses[4] = {
                TwiddleUV(blocksY, blocksX, by, bx), TwiddleUV(blocksY, blocksX, by, bx1),
                TwiddleUV(blocksY, blocksX, by1, bx), TwiddleUV(blocksY, blocksX, by1, bx1)};
            if (!unpacked || std::memcmp(addresses, previous, sizeof(addresses)) != 0) {
                for (int i = 0; i < 4; ++i)
                    UnpackBlock(blocks + addresses[i] * kPvrtcBlockBytes, i, do2bit, hood);
                std::memcpy(previous, addresses, sizeof(previous));
                unpacked = true;
            }

            int px = do2bit ? (x & 7) | ((~x & 4) << 1) : (x & 3) | ((~x & 2) << 1);
            int py = (y & 3) | ((~y & 2) << 1);
            int colourA[kChannels];
            int colourB[kChannels];
            InterpolateColours(hood.colourA[0], hood.colourA[1], hood.colourA[2], hood.colourA[3], do2bitMode, px, py,
                               colourA);
            InterpolateColours(hood.colourB[0], hood.colourB[1], hood.colourB[2], hood.colourB[3], do2bitMode, px, py,
                               colourB);

            bool punchThrough;
            int weight = ModulationWeight(hood, do2bit, px, py, &punchThrough);
            unsigned char* pixel = result + (size_t(y) * width + x) * 4;
            for (int c = 0; c < kChannels; ++c)
                pixel[c] = static_cast<unsigned char>((colourA[c] * 8 + weight * (colourB[c] - colourA[c])) >> 3);
            if (punchThrough)
                pixel[kAlpha] = 0;
        }
    }
}

namespace {

constexpr int kEtcBlockSize = 4;

// The ETC1 intensity modifiers, by table and pixel index.
const int kEtcModifiers[8][4] = {
    {2, 8, -2, -8}, {5, 17, -5, -17}, {9, 29, -9, -29}, {13, 42, -13, -42},
    {18, 60, -18, -60}, {24, 80, -24, -80}, {33, 106, -33, -106}, {47, 183, -47, -183}};

int Clamp255(int value)
{
    return std::min(255, std::max(0, value));
}

int Widen5To8(int value)
{
    return ((value << 3) | (value >> 2)) & 0xFF;
}

int SignExtend3(int value)
{
    return (value & 4) ? value - 8 : value;
}

} // namespace

unsigned long modifyPixel(int red, int green, int blue, int x, int y, unsigned long indexWord, int table)
{
    int p = x * 4 + y;
    int high = p < 8 ? (indexWord >> (p + 8)) & 1 : (indexWord >> (p - 8)) & 1;
    int low = p < 8 ? (indexWord >> (p + 24)) & 1 : (indexWord >> (p + 8)) & 1;
    int modifier = kEtcModifiers[table][(high << 1) | low];
    return 0xFF000000ul | unsigned(Clamp255(red + modifier)) << 16 | unsigned(Clamp255(green + modifier)) << 8
           | unsigned(Clamp255(blue + modifier));
}

int ETCTextureDecompress(const void* data, const int& width, const int& height, const void* result, const int&)
{
    const unsigned char* block = static_cast<const unsigned char*>(data);
    unsigned char* pixels = static_cast<unsigned char*>(const_cast<void*>(result));
    for (int blockY = 0; blockY < height / kEtcBlockSize; ++blockY) {
        for (int blockX = 0; blockX < width / kEtcBlockSize; ++blockX, block += 8) {
            uint32_t colourWord = ReadLittleEndian32(block);
            uint32_t indexWord = ReadLittleEndian32(block + 4);
            int base[3] = {int(colourWord & 0xFF), int((colourWord >> 8) & 0xFF), int((colourWord >> 16) & 0xFF)};
            bool flip = colourWord & 0x01000000;
            bool differential = colourWord & 0x02000000;
            int tables[2] = {int((colourWord >> 29) & 7), int((colourWord >> 26) & 7)};
            int colours[2][3];
            for (int c = 0; c < 3; ++c) {
                if (differential) {
                    int base5 = base[c] >> 3;
                    colours[0][c] = Widen5To8(base5);
                    colours[1][c] = Widen5To8((base5 + SignExtend3(base[c] & 7)) & 0xFF);
                } else {
                    colours[0][c] = (base[c] >> 4) * 0x11;
                    colours[1][c] = (base[c] & 0xF) * 0x11;
                }
            }
            for (int y = 0; y < kEtcBlockSize; ++y) {
                for (int x = 0; x < kEtcBlockSize; ++x) {
                    int half = (flip ? y : x) / 2;
                    const int* colour = colours[half];
                    size_t position = size_t(blockY * kEtcBlockSize + y) * width + blockX * kEtcBlockSize + x;
                    uint32_t pixel
                        = uint32_t(modifyPixel(colour[0], colour[1], colour[2], x, y, indexWord, tables[half]));
                    std::memcpy(pixels + position * 4, &pixel, sizeof(pixel));
                }
            }
        }
    }
    return width * height / 2;
}

int PVRTDecompressETC(const void* data, const unsigned int& width, const unsigned int& height, void* result,
                      const int& mode)
{
    int decodedWidth = int(std::max(width, unsigned(kEtcBlockSize)));
    int decodedHeight = int(std::max(height, unsigned(kEtcBlockSize)));
    int consumed;
    if (width < unsigned(kEtcBlockSize) || height < unsigned(kEtcBlockSize)) {
        std::vector<uint32_t> decoded(size_t(decodedWidth) * decodedHeight);
        consumed = ETCTextureDecompress(data, decodedWidth, decodedHeight, decoded.data(), mode);
        unsigned char* out = static_cast<unsigned char*>(result);
        for (unsigned int y = 0; y < height; ++y)
            std::memcpy(out + size_t(y) * width * 4, &decoded[size_t(y) * decodedWidth], size_t(width) * 4);
    } else {
        consumed = ETCTextureDecompress(data, decodedWidth, decodedHeight, result, mode);
    }
    // The block loop wrote alpha, red, green, blue as one 32-bit word; in
    // memory (little-endian) that is blue, green, red, alpha.
    unsigned char* bytes = static_cast<unsigned char*>(result);
    for (size_t i = 0; i < size_t(width) * height; ++i)
        std::swap(bytes[i * 4], bytes[i * 4 + 2]);
    return consumed;
}
