// Reads the engine's raw "C565" images: a size and RGB565 rows.
#pragma once

#include "norv/graphics/ImageLoader.h"

namespace Norv {

class ImageLoader565 : public ImageLoader {
public:
    static bool Compatible(SeekableStream* stream);

    Surface* Read() override;
    bool Initialize() override;
    int GetWidth() const override { return static_cast<int>(width); }
    int GetHeight() const override { return static_cast<int>(height); }
    PixelFormat GetPixelFormat() const override { return RGB565; }
    bool FillLine(unsigned char* row) override;

private:
    unsigned width = 0;
    unsigned height = 0;
};

} // namespace Norv
