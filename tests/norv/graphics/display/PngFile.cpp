// PNG reading and writing with libpng's simplified interface.
#include "PngFile.h"

#include <png.h>

#include <cstring>

namespace GLTest {

bool WritePng(std::string const& path, RgbImage const& image)
{
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(image.width);
    png.height = static_cast<png_uint_32>(image.height);
    png.format = PNG_FORMAT_RGB;
    return png_image_write_to_file(&png, path.c_str(), 0, image.pixels.data(), 0, nullptr) != 0;
}

bool ReadPng(std::string const& path, RgbImage* image)
{
    png_image png;
    std::memset(&png, 0, sizeof png);
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str()))
        return false;
    png.format = PNG_FORMAT_RGB;
    image->width = static_cast<int>(png.width);
    image->height = static_cast<int>(png.height);
    image->pixels.assign(PNG_IMAGE_SIZE(png), 0);
    bool const ok = png_image_finish_read(&png, nullptr, image->pixels.data(), 0, nullptr) != 0;
    png_image_free(&png);
    return ok;
}

} // namespace GLTest
