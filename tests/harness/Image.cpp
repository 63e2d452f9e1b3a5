// Reading screenshots and comparing their pixels.
#include "tests/harness/Image.h"

#include <png.h>

#include <cstdlib>
#include <utility>

namespace NorvTest {

bool SameColour(Rgb a, Rgb b, int tolerance)
{
    return std::abs(a.red - b.red) <= tolerance && std::abs(a.green - b.green) <= tolerance
        && std::abs(a.blue - b.blue) <= tolerance;
}

bool Image::Load(std::string const& path)
{
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
        return false;
    image.format = PNG_FORMAT_RGB;
    std::vector<std::uint8_t> pixels(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
        png_image_free(&image);
        return false;
    }
    width = static_cast<int>(image.width);
    height = static_cast<int>(image.height);
    rgb.swap(pixels);
    return true;
}

void Image::Assign(int imageWidth, int imageHeight, std::vector<std::uint8_t> pixels)
{
    width = imageWidth;
    height = imageHeight;
    rgb = std::move(pixels);
}

bool Image::Save(std::string const& path) const
{
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    return png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr) != 0;
}

Rgb Image::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return {};
    std::size_t const at = (static_cast<std::size_t>(y) * width + x) * 3;
    return {rgb[at], rgb[at + 1], rgb[at + 2]};
}

bool Image::RegionIs(int x, int y, int regionWidth, int regionHeight, Rgb colour, int tolerance) const
{
    if (x < 0 || y < 0 || regionWidth <= 0 || regionHeight <= 0 || x + regionWidth > width
        || y + regionHeight > height)
        return false;
    for (int row = y; row < y + regionHeight; ++row) {
        for (int column = x; column < x + regionWidth; ++column) {
            if (!SameColour(Pixel(column, row), colour, tolerance))
                return false;
        }
    }
    return true;
}

bool Image::Matches(Image const& other, int tolerance) const
{
    if (width != other.width || height != other.height)
        return false;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (!SameColour(Pixel(x, y), other.Pixel(x, y), tolerance))
                return false;
        }
    }
    return true;
}

} // namespace NorvTest
