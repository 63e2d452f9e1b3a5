// Reads the top image of DDS files holding DXT1 or DXT5 blocks: uploaded as
// compressed texture where the GL has S3TC, else decoded in software.
#pragma once

#include "norv/graphics/ImageLoader.h"

#include <cstddef>

namespace Norv {

class DdsImageLoader : public ImageLoader {
public:
    static bool Compatible(SeekableStream* stream);

    Surface* Read() override;

private:
    bool _Initialize();
    int BlockBytes() const;
    Surface* ReadCompressed();
    Surface* Decode();

    unsigned width = 0;
    unsigned height = 0;
    PixelFormat format = PixelFormatNone;
    std::size_t dataSize = 0;
};

} // namespace Norv
