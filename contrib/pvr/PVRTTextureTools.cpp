// Texture helpers beside the loader: twiddled addressing, empty textures,
// tiling and the bits per pixel of OpenGL formats.
#include "contrib/pvr/PVRTTexture.h"

#include "contrib/pvr/PVRTError.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// Twiddled addresses interleave two 16-bit coordinates.
constexpr unsigned int kTwiddleBits = 16;

// The element layout of a pixel type that can be tiled.
struct TileElement {
    unsigned int bitsPerPixel;
    unsigned int blockWidth;
    unsigned int blockHeight;
};

bool TileElementOf(unsigned int pixelType, TileElement* element)
{
    switch (pixelType) {
    case OGL_RGBA_5551: *element = {16, 1, 1}; return true;
    case OGL_RGBA_8888: *element = {32, 1, 1}; return true;
    case OGL_PVRTC2: *element = {2, 8, 4}; return true;
    case OGL_PVRTC4: *element = {4, 4, 4}; return true;
    default: return false;
    }
}

unsigned int GridSize(unsigned int pixels, unsigned int level, unsigned int block)
{
    return std::max(1u, (pixels >> level) / block);
}

} // namespace

void PVRTTextureTwiddle(unsigned int& result, unsigned int x, unsigned int y)
{
    result = 0;
    for (unsigned int bit = 0; bit < kTwiddleBits; ++bit) {
        result |= ((y >> bit) & 1) << (2 * bit);
        result |= ((x >> bit) & 1) << (2 * bit + 1);
    }
}

void PVRTTextureDeTwiddle(unsigned int& x, unsigned int& y, unsigned int value)
{
    x = 0;
    y = 0;
    for (unsigned int bit = 0; bit < kTwiddleBits; ++bit) {
        y |= ((value >> (2 * bit)) & 1) << bit;
        x |= ((value >> (2 * bit + 1)) & 1) << bit;
    }
}

PVR_Texture_Header* PVRTTextureCreate(unsigned int width, unsigned int height, unsigned int minWidth,
                                      unsigned int minHeight, unsigned int bitsPerPixel, bool mipMaps)
{
    uint64_t pixels = 0;
    unsigned int w = width;
    unsigned int h = height;
    do {
        pixels += uint64_t(std::max(w, minWidth)) * std::max(h, minHeight);
        w /= 2;
        h /= 2;
    } while (mipMaps && (w || h));
    const uint64_t dataSize = pixels * bitsPerPixel / 8;
    if (dataSize > UINT32_MAX)
        return nullptr;

    PVR_Texture_Header* header = static_cast<PVR_Texture_Header*>(std::malloc(sizeof(PVR_Texture_Header) + dataSize));
    if (!header)
        return nullptr;
    std::memset(header, 0, sizeof(*header));
    header->headerSize = PVRTEX_HEADER_SIZE;
    header->width = width;
    header->height = height;
    header->dataSize = unsigned(dataSize);
    header->bitCount = bitsPerPixel;
    header->surfaceCount = 1;
    return header;
}

void PVRTTextureLoadTiled(unsigned char* dst, unsigned int dstWidth, unsigned int dstHeight, const unsigned char* src,
                          unsigned int srcWidth, unsigned int srcHeight, unsigned int elementSize, bool twiddled)
{
    const unsigned int srcCount = srcWidth * srcHeight;
    for (unsigned int i = 0; i < dstWidth * dstHeight; ++i) {
        unsigned int source;
        if (twiddled) {
            unsigned int x, y;
            PVRTTextureDeTwiddle(x, y, i);
            PVRTTextureTwiddle(source, x % srcWidth, y % srcHeight);
            // Interleaving a grid much taller than wide can address past it.
            source %= srcCount;
        } else {
            unsigned int row = i / dstWidth;
            unsigned int column = (i % dstWidth) % srcWidth;
            source = (row % srcHeight) * srcWidth + column;
        }
        std::memcpy(dst + size_t(i) * elementSize, src + size_t(source) * elementSize, elementSize);
    }
}

void PVRTTextureTile(PVR_Texture_Header** out, const PVR_Texture_Header* in, int repeats)
{
    *out = nullptr;
    const unsigned int pixelType = in->pixelFormatFlags & PVRTEX_PIXELTYPE;
    TileElement element;
    if (!TileElementOf(pixelType, &element) || repeats < 1) {
        PVRTErrorOutputDebug("PVRTTextureTile failed: pixel type %u cannot be tiled.\n", pixelType);
        return;
    }
    const unsigned int elementSize = element.blockWidth * element.blockHeight * element.bitsPerPixel / 8;
    const unsigned int size = in->width * unsigned(repeats);
    PVR_Texture_Header* tiled = PVRTTextureCreate(size, size, element.blockWidth, element.blockHeight,
                                                  element.bitsPerPixel, true);
    if (!tiled)
        return;

    // Only the levels the input really has can be repeated.
    const unsigned int inputLevels = (in->pixelFormatFlags & PVRTEX_MIPMAP) ? in->mipMapCount + 1 : 1;
    const unsigned char* src = reinterpret_cast<const unsigned char*>(in) + in->headerSize;
    unsigned char* dst = reinterpret_cast<unsigned char*>(tiled + 1);
    unsigned int level = 0;
    for (; level < inputLevels && (2u << level) < size; ++level) {
        const unsigned int srcRows = GridSize(in->height, level, element.blockHeight);
        const unsigned int srcColumns = GridSize(in->width, level, element.blockWidth);
        const unsigned int dstRows = GridSize(size, level, element.blockHeight);
        const unsigned int dstColumns = GridSize(size, level, element.blockWidth);
        PVRTTextureLoadTiled(dst, dstColumns, dstRows, src, srcColumns, srcRows, elementSize,
                             (in->pixelFormatFlags & PVRTEX_TWIDDLE) != 0);
        src += size_t(srcRows) * srcColumns * elementSize;
        dst += size_t(dstRows) * dstColumns * elementSize;
    }

    const unsigned int dataSize = tiled->dataSize;
    std::memcpy(tiled, in, sizeof(PVR_Texture_Header));
    tiled->headerSize = PVRTEX_HEADER_SIZE;
    tiled->width = size;
    tiled->height = size;
    tiled->mipMapCount = level;
    // The size of what was made, not of the input.
    tiled->dataSize = dataSize;
    *out = tiled;
}

unsigned int PVRTTextureFormatGetBPP(GLuint typeOrCompressedFormat, GLuint format)
{
    switch (typeOrCompressedFormat) {
    case GL_UNSIGNED_BYTE:
        if (format == GL_RGBA || format == GL_BGRA)
            return 32;
        break;
    case GL_UNSIGNED_SHORT_5_5_5_1:
        if (format == GL_RGBA)
            return 16;
        break;
    case 0x8C00:
    case 0x8C02:
        return 4;
    case 0x8C01:
    case 0x8C03:
        return 2;
    }
    return 0xFFFFFFFFu;
}
