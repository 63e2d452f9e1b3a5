// Reads PVRTC textures from version 2 PVR files.
#include "norv/graphics/PvrImageLoader.h"

#include "norv/graphics/OpenGL.h"
#include "norv/graphics/PixelDataGL.h"
#include "norv/graphics/PvrHeader.h"
#include "norv/graphics/Surface.h"

#include <algorithm>
#include <cstdio>

namespace Norv {

namespace {

bool IsPvrtcType(std::uint32_t type)
{
    return type == 0x0C || type == 0x0D || type == 0x18 || type == 0x19;
}

PixelFormat FormatOf(PvrHeader const& header)
{
    bool const alpha = (header.flags & PvrHeader::kAlphaFlag) != 0;
    if (header.bitCount == 4)
        return alpha ? PVRTC4_RGBA : PVRTC4_RGB;
    if (header.bitCount == 2)
        return alpha ? PVRTC2_RGBA : PVRTC2_RGB;
    return PixelFormatNone;
}

} // namespace

bool PvrImageLoader::Compatible(SeekableStream* stream)
{
    PvrHeader header;
    return stream && header.Read(*stream) && IsPvrtcType(header.PixelType());
}

bool PvrImageLoader::_Initialize()
{
    PvrHeader header;
    if (!stream || !header.Read(*stream))
        return false;
    format = FormatOf(header);
    if (format == PixelFormatNone) {
        std::fprintf(stderr, "PVR file with %u bits per pixel refused\n", header.bitCount);
        return false;
    }
    width = header.width;
    height = header.height;
    dataSize = header.dataSize;
    if (dataSize > static_cast<unsigned>(stream->GetLength())) {
        std::fprintf(stderr, "PVR file claims more data than it holds\n");
        return false;
    }
    return IsSideAccepted(width, height);
}

Surface* PvrImageLoader::Read()
{
    if (!GetGLCaps().pvrtc || !_Initialize())
        return nullptr;
    SmartPtr<PixelDataGL> store(new PixelDataGL(static_cast<int>(width), static_cast<int>(height), format));
    PixelDataGL::ImageData* image = store->GetImageData();
    // The buffer holds the top level; the levels below it are not read.
    std::size_t const bytes = std::min<std::size_t>(dataSize, image->size);
    if (!ReadExactly(image->data, bytes) ||
        !stream->Seek(static_cast<int>(dataSize - bytes), SeekableStream::FromCurrent))
        return nullptr;
    return new Surface(store.Get());
}

} // namespace Norv
