// Reads ETC1 textures from version 2 PVR files, always decoded in software.
#pragma once

#include "norv/graphics/ImageLoader.h"

#include <cstddef>

namespace Norv {

class EtcImageLoader : public ImageLoader {
public:
    static bool Compatible(SeekableStream* stream);

    Surface* Read() override;

private:
    bool _Initialize();
    std::size_t BlockBytes() const;

    unsigned width = 0;
    unsigned height = 0;
    unsigned dataSize = 0;
};

} // namespace Norv
