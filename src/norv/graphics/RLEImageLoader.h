// Reads the engine's run-length "CRLE" images into a run-length store.
#pragma once

#include "norv/graphics/ImageLoader.h"

namespace Norv {

class RLEImageLoader : public ImageLoader {
public:
    static bool Compatible(SeekableStream* stream);

    Surface* Read() override;
};

} // namespace Norv
