// Reads the engine's "PVR+" pairs: a colour image and a separate opacity
// image, each a PNG or PVR file, drawn as one composite image.
#pragma once

#include "norv/graphics/ImageLoader.h"

namespace Norv {

class PixelDataGL;

class PvrPlusImageLoader : public ImageLoader {
public:
    static bool Compatible(SeekableStream* stream);

    Surface* Read() override;

private:
    bool _Initialize();
    // The texture store of the next image in the stream, or null.
    SmartPtr<PixelDataGL> ReadPart(bool isPvr, SmartPtr<ImageLoader>& reader);
    // Turns the opacity image into the form the fixed-function path draws.
    static bool RewriteAlphaForFixedFunction(PixelDataGL& alpha, bool isPvr);

    bool colourIsPvr = false;
    bool alphaIsPvr = false;
};

} // namespace Norv
