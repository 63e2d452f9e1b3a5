// Reads animations described in XML: a list of frames, each an image shown
// for a time at an offset.
#pragma once

#include "norv/graphics/ImageLoader.h"

namespace Norv {

class AnimImageLoader : public ImageLoader {
public:
    static bool Compatible(SeekableStream* stream);

    Surface* Read() override;
};

} // namespace Norv
