// Reads ETC1 textures from version 2 PVR files, always decoded in software.
#include "norv/graphics/EtcImageLoader.h"

#include "norv/graphics/Etc1Block.h"
#include "norv/graphics/MemPixelData.h"
#include "norv/graphics/PvrHeader.h"
#include "norv/graphics/Surface.h"

#include <cstdio>
#include <memory>
#include <vector>

namespace Norv {

bool EtcImageLoader::Compatible(SeekableStream* stream)
{
    PvrHeader header;
    return stream && header.Read(*stream) && header.PixelType() == PvrHeader::kTypeEtc1;
}

std::size_t EtcImageLoader::BlockBytes() const
{
    // Partial blocks at the right and bottom edges are not stored.
    return static_cast<std::size_t>(width / 4) * (height / 4) * kEtc1BlockBytes;
}

bool EtcImageLoader::_Initialize()
{
    PvrHeader header;
    if (!stream || !header.Read(*stream))
        return false;
    width = header.width;
    height = header.height;
    dataSize = header.dataSize;
    if (!IsSideAccepted(width, height))
        return false;
    if (dataSize < BlockBytes()) {
        std::fprintf(stderr, "ETC1 file holds %u bytes for %zu bytes of blocks\n", dataSize, BlockBytes());
        return false;
    }
    return true;
}

Surface* EtcImageLoader::Read()
{
    if (!_Initialize())
        return nullptr;
    std::vector<unsigned char> blocks(BlockBytes());
    if (!ReadExactly(blocks.data(), blocks.size()))
        return nullptr;
    std::unique_ptr<MemPixelData> store(new MemPixelData(static_cast<int>(width), static_cast<int>(height), RGB888));
    unsigned char const* block = blocks.data();
    unsigned char pixels[16 * 3];
    for (unsigned blockY = 0; blockY < height / 4; ++blockY) {
        for (unsigned blockX = 0; blockX < width / 4; ++blockX, block += kEtc1BlockBytes) {
            DecodeEtc1Block(block, pixels);
            PutBlock(*store, blockX, blockY, pixels, 3);
        }
    }
    return new Surface(store.release());
}

} // namespace Norv
