// Reads PNG files through libpng, row by row.
#pragma once

#include "norv/graphics/ImageLoader.h"

#include <png.h>

namespace Norv {

class PngImageLoader : public ImageLoader {
public:
    PngImageLoader() = default;
    explicit PngImageLoader(SeekableStream* source) { SetStream(source); }
    ~PngImageLoader() override;

    static bool Compatible(SeekableStream* stream);

    Surface* Read() override;
    bool Initialize() override;
    int GetWidth() const override { return static_cast<int>(width); }
    int GetHeight() const override { return static_cast<int>(height); }
    PixelFormat GetPixelFormat() const override { return format; }
    bool FillLine(unsigned char* row) override;

private:
    static void ReadFromStream(png_structp png, png_bytep data, png_size_t length);
    // Chooses libpng's transformations and the store format; false for a
    // file that does not fit any store.
    bool ChooseFormat(int colourType);

    unsigned width = 0;
    unsigned height = 0;
    PixelFormat format = PixelFormatNone;
    png_structp png = nullptr;
    png_infop info = nullptr;
    int passes = 1;
};

} // namespace Norv
