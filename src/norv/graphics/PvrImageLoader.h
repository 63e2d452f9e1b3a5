// Reads PVRTC textures from version 2 PVR files; only GL implementations
// with PVRTC can show them.
#pragma once

#include "norv/graphics/ImageLoader.h"

namespace Norv {

class PvrImageLoader : public ImageLoader {
public:
    static bool Compatible(SeekableStream* stream);

    Surface* Read() override;

private:
    bool _Initialize();

    unsigned width = 0;
    unsigned height = 0;
    PixelFormat format = PixelFormatNone;
    unsigned dataSize = 0;
};

} // namespace Norv
