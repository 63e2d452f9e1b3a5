// Reader choice and the helpers the readers share.
#include "norv/graphics/ImageLoader.h"

#include "norv/graphics/AnimImageLoader.h"
#include "norv/graphics/DdsImageLoader.h"
#include "norv/graphics/EtcImageLoader.h"
#include "norv/graphics/ImageLoader565.h"
#include "norv/graphics/JpegImageLoader.h"
#include "norv/graphics/MemPixelData.h"
#include "norv/graphics/PngImageLoader.h"
#include "norv/graphics/PvrImageLoader.h"
#include "norv/graphics/PvrPlusImageLoader.h"
#include "norv/graphics/RLEImageLoader.h"
#include "norv/graphics/Surface.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace Norv {

namespace {

struct ReaderKind {
    bool (*compatible)(SeekableStream*);
    ImageLoader* (*make)();
};

template <class Reader>
ImageLoader* Make()
{
    return new Reader();
}

template <class Reader>
ReaderKind Kind()
{
    return ReaderKind{&Reader::Compatible, &Make<Reader>};
}

} // namespace

ImageLoader* ImageLoader::Create(SeekableStream* stream)
{
    // The order matters: the PVR and ETC1 readers share one header and the
    // first to recognise a file wins.
    static ReaderKind const kinds[] = {
        Kind<PngImageLoader>(), Kind<JpegImageLoader>(), Kind<AnimImageLoader>(), Kind<RLEImageLoader>(),
        Kind<ImageLoader565>(), Kind<DdsImageLoader>(), Kind<PvrImageLoader>(),
        Kind<EtcImageLoader>(), Kind<PvrPlusImageLoader>(),
    };
    if (!stream)
        return nullptr;
    for (ReaderKind const& kind : kinds) {
        if (!stream->Seek(0, SeekableStream::FromStart) || !kind.compatible(stream))
            continue;
        if (!stream->Seek(0, SeekableStream::FromStart))
            return nullptr;
        ImageLoader* reader = kind.make();
        reader->SetStream(stream);
        return reader;
    }
    return nullptr;
}

Surface* ImageLoader::ReadRows(int passes)
{
    std::unique_ptr<MemPixelData> store(new MemPixelData(GetWidth(), GetHeight(), GetPixelFormat()));
    for (int pass = 0; pass < passes; ++pass) {
        unsigned char* row = store->GetData();
        for (int y = 0; y < GetHeight(); ++y, row += store->GetPitch()) {
            if (!FillLine(row))
                return nullptr;
        }
    }
    return new Surface(store.release());
}

bool ImageLoader::ReadExactly(void* buffer, std::size_t bytes)
{
    if (bytes > static_cast<std::size_t>(INT32_MAX))
        return false;
    int const wanted = static_cast<int>(bytes);
    return wanted == 0 || (stream && stream->Read(buffer, wanted) == wanted);
}

bool ImageLoader::StartsWith(SeekableStream* stream, char const* magic, int length)
{
    char bytes[32];
    return stream && length <= static_cast<int>(sizeof bytes) && stream->Read(bytes, length) == length &&
           std::memcmp(bytes, magic, static_cast<std::size_t>(length)) == 0;
}

bool ImageLoader::IsSideAccepted(unsigned width, unsigned height)
{
    if (width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide)
        return true;
    std::fprintf(stderr, "Image size %ux%u refused\n", width, height);
    return false;
}

void ImageLoader::PutBlock(PixelData& store, unsigned blockX, unsigned blockY, unsigned char const* pixels,
                           int pixelBytes)
{
    std::size_t const rowBytes = 4 * static_cast<std::size_t>(pixelBytes);
    for (unsigned row = 0; row < 4; ++row) {
        unsigned char* out = store.GetData() + (blockY * 4 + row) * static_cast<std::size_t>(store.GetPitch()) +
                             blockX * rowBytes;
        std::memcpy(out, pixels + row * rowBytes, rowBytes);
    }
}

} // namespace Norv
