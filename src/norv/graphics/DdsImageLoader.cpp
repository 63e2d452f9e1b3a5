// Reads the top image of DDS files holding DXT1 or DXT5 blocks.
#include "norv/graphics/DdsImageLoader.h"

#include "norv/graphics/DxtBlock.h"
#include "norv/graphics/MemPixelData.h"
#include "norv/graphics/OpenGL.h"
#include "norv/graphics/PixelDataGL.h"
#include "norv/graphics/Surface.h"
#include "norv/vfs/LittleEndian.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace Norv {

namespace {

// The magic and the standard header; the extended header follows for "DX10".
constexpr std::size_t kHeaderBytes = 128;
constexpr std::size_t kExtensionBytes = 20;

bool IsFourCC(unsigned char const* field, char const* code)
{
    return std::memcmp(field, code, 4) == 0;
}

// DXGI format numbers of the BC1 and BC3 variants.
PixelFormat FormatOfDxgi(std::uint32_t dxgi)
{
    if (dxgi >= 70 && dxgi <= 72)
        return DXT1;
    if (dxgi >= 76 && dxgi <= 78)
        return DXT5;
    return PixelFormatNone;
}

} // namespace

bool DdsImageLoader::Compatible(SeekableStream* stream)
{
    return StartsWith(stream, "DDS ", 4);
}

int DdsImageLoader::BlockBytes() const
{
    return format == DXT1 ? kDxt1BlockBytes : kDxt5BlockBytes;
}

bool DdsImageLoader::_Initialize()
{
    unsigned char header[kHeaderBytes];
    if (!ReadExactly(header, sizeof header))
        return false;
    height = DecodeLittleEndian32(header + 12);
    width = DecodeLittleEndian32(header + 16);
    unsigned char const* fourCC = header + 84;
    if (IsFourCC(fourCC, "DXT1")) {
        format = DXT1;
    } else if (IsFourCC(fourCC, "DXT5")) {
        format = DXT5;
    } else if (IsFourCC(fourCC, "DX10")) {
        unsigned char extension[kExtensionBytes];
        if (!ReadExactly(extension, sizeof extension))
            return false;
        format = FormatOfDxgi(DecodeLittleEndian32(extension));
    }
    if (format == PixelFormatNone) {
        std::fprintf(stderr, "DDS file of an unsupported format\n");
        return false;
    }
    if (!IsSideAccepted(width, height))
        return false;
    dataSize = static_cast<std::size_t>(width / 4) * (height / 4) * static_cast<std::size_t>(BlockBytes());
    return true;
}

Surface* DdsImageLoader::Read()
{
    if (!_Initialize())
        return nullptr;
    return GetGLCaps().dxtc ? ReadCompressed() : Decode();
}

Surface* DdsImageLoader::ReadCompressed()
{
    SmartPtr<PixelDataGL> store(new PixelDataGL(static_cast<int>(width), static_cast<int>(height), format));
    unsigned char* texture = store->GetData();
    std::size_t const rowBytes = static_cast<std::size_t>(width / 4) * static_cast<std::size_t>(BlockBytes());
    std::size_t const textureRowBytes =
        static_cast<std::size_t>((store->GetTextureWidth() + 3) / 4) * static_cast<std::size_t>(BlockBytes());
    // Block rows are as far apart as the power-of-two texture is wide.
    for (unsigned row = 0; row < height / 4; ++row) {
        if (!ReadExactly(texture + row * textureRowBytes, rowBytes))
            return nullptr;
    }
    return new Surface(store.Get());
}

Surface* DdsImageLoader::Decode()
{
    std::vector<unsigned char> blocks(dataSize);
    if (!ReadExactly(blocks.data(), dataSize))
        return nullptr;
    std::unique_ptr<MemPixelData> store(
        new MemPixelData(static_cast<int>(width), static_cast<int>(height), format == DXT1 ? RGB565 : RGBA8888));
    int const pixelBytes = format == DXT1 ? 2 : 4;
    unsigned char const* block = blocks.data();
    for (unsigned blockY = 0; blockY < height / 4; ++blockY) {
        for (unsigned blockX = 0; blockX < width / 4; ++blockX, block += BlockBytes()) {
            std::uint32_t words[16];
            if (format == DXT1) {
                std::uint16_t colours[16];
                DecodeDxt1Block(block, colours);
                std::copy(colours, colours + 16, words);
            } else {
                DecodeDxt5Block(block, words);
            }
            // Little-endian words are the store's bytes.
            unsigned char pixels[16 * 4];
            for (int i = 0; i < 16; ++i) {
                for (int b = 0; b < pixelBytes; ++b)
                    pixels[i * pixelBytes + b] = static_cast<unsigned char>(words[i] >> (8 * b));
            }
            PutBlock(*store, blockX, blockY, pixels, pixelBytes);
        }
    }
    return new Surface(store.release());
}

} // namespace Norv
