// Reads the engine's "PVR+" pairs of colour and opacity images.
#include "norv/graphics/PvrPlusImageLoader.h"

#include "norv/graphics/OpenGL.h"
#include "norv/graphics/PixelDataComposite.h"
#include "norv/graphics/PixelDataGL.h"
#include "norv/graphics/PngImageLoader.h"
#include "norv/graphics/PvrImageLoader.h"
#include "norv/graphics/Surface.h"
#include "norv/vfs/LittleEndian.h"

#include <cstdio>

namespace Norv {

namespace {

// Bits of the flags byte.
constexpr unsigned char kColourIsPvr = 1;
constexpr unsigned char kAlphaIsPvr = 2;

bool IsSameSize(PixelData const& a, PixelData const& b)
{
    return a.GetWidth() == b.GetWidth() && a.GetHeight() == b.GetHeight();
}

} // namespace

bool PvrPlusImageLoader::Compatible(SeekableStream* stream)
{
    unsigned char flags = 0;
    if (!StartsWith(stream, "PVR+", 4) || stream->Read(&flags, 1) != 1)
        return false;
    return flags == 0 || GetGLCaps().pvrtc;
}

bool PvrPlusImageLoader::_Initialize()
{
    unsigned char header[5];
    if (!ReadExactly(header, sizeof header))
        return false;
    colourIsPvr = (header[4] & kColourIsPvr) != 0;
    alphaIsPvr = (header[4] & kAlphaIsPvr) != 0;
    return true;
}

SmartPtr<PixelDataGL> PvrPlusImageLoader::ReadPart(bool isPvr, SmartPtr<ImageLoader>& reader)
{
    // The previous reader goes first: a PNG reader reads its file to the end
    // chunk as it goes, which puts the stream at the next image.
    reader.Release();
    if (isPvr)
        reader = new PvrImageLoader();
    else
        reader = new PngImageLoader();
    reader->SetStream(stream.Get());
    SmartPtr<Surface> part(reader->Read());
    if (!part || part->GetPixelData()->GetType() != PixelData::TypeGL)
        return nullptr;
    return SmartPtr<PixelDataGL>(static_cast<PixelDataGL*>(part->GetPixelData()));
}

bool PvrPlusImageLoader::RewriteAlphaForFixedFunction(PixelDataGL& alpha, bool isPvr)
{
    PixelDataGL::ImageData* image = alpha.GetImageData();
    if (!image || !image->data)
        return false;
    if (!isPvr) {
        // Opacity 1 - red in the upper half of the red channel.
        if (alpha.GetFormat() != RGB888)
            return false;
        for (std::size_t i = 0; i + 3 <= image->size; i += 3)
            image->data[i + 2] = static_cast<unsigned char>((image->data[i + 2] >> 1) | 0x80);
        return true;
    }
    if (alpha.GetFormat() != PVRTC4_RGB && alpha.GetFormat() != PVRTC4_RGBA)
        return false;
    for (std::size_t i = 0; i + 8 <= image->size; i += 8) {
        std::uint32_t const word = DecodeLittleEndian32(image->data + i + 4);
        std::uint32_t const rewritten = ((word >> 1) & 0x3C003C00u) | (word & 0x83FF83FFu) | 0x40004000u;
        for (int b = 0; b < 4; ++b)
            image->data[i + 4 + b] = static_cast<unsigned char>(rewritten >> (8 * b));
    }
    return true;
}

Surface* PvrPlusImageLoader::Read()
{
    if (!_Initialize())
        return nullptr;
    SmartPtr<ImageLoader> reader;
    SmartPtr<PixelDataGL> colour = ReadPart(colourIsPvr, reader);
    if (!colour)
        return nullptr;
    SmartPtr<PixelDataGL> alpha = ReadPart(alphaIsPvr, reader);
    if (!alpha || !IsSameSize(*colour, *alpha)) {
        std::fprintf(stderr, "PVR+ file without a matching opacity image\n");
        return nullptr;
    }
    if (!GetGLCaps().glsl && !RewriteAlphaForFixedFunction(*alpha, alphaIsPvr)) {
        std::fprintf(stderr, "PVR+ opacity image of an unsupported format\n");
        return nullptr;
    }
    return new Surface(new PixelDataComposite(colour.Get(), alpha.Get()));
}

} // namespace Norv
