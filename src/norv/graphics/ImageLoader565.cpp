// Reads the engine's raw "C565" images: a size and RGB565 rows.
#include "norv/graphics/ImageLoader565.h"

#include "norv/graphics/MemPixelData.h"
#include "norv/graphics/Surface.h"
#include "norv/vfs/LittleEndian.h"

#include <memory>

namespace Norv {

bool ImageLoader565::Compatible(SeekableStream* stream)
{
    return StartsWith(stream, "C565", 4);
}

bool ImageLoader565::Initialize()
{
    unsigned char header[12];
    if (!ReadExactly(header, sizeof header))
        return false;
    width = DecodeLittleEndian32(header + 4);
    height = DecodeLittleEndian32(header + 8);
    return IsSideAccepted(width, height);
}

bool ImageLoader565::FillLine(unsigned char* row)
{
    return ReadExactly(row, static_cast<std::size_t>(width) * 2);
}

Surface* ImageLoader565::Read()
{
    if (!Initialize())
        return nullptr;
    // The store's rows are contiguous, so the pixels arrive in one read.
    std::unique_ptr<MemPixelData> store(new MemPixelData(GetWidth(), GetHeight(), RGB565));
    if (!ReadExactly(store->GetData(), static_cast<std::size_t>(width) * height * 2))
        return nullptr;
    return new Surface(store.release());
}

} // namespace Norv
