#include "SpriteImage.h"

#include <png.h>

#include <algorithm>
#include <cstdio>

namespace MkSprite {

bool ReadPng(std::string const& path, Image& image)
{
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&png, path.c_str())) {
        std::fprintf(stderr, "mksprite: %s: %s\n", path.c_str(), png.message);
        return false;
    }
    png.format = PNG_FORMAT_RGBA;
    image.width = png.width;
    image.height = png.height;
    image.rgba.resize(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, image.rgba.data(), 0, nullptr)) {
        std::fprintf(stderr, "mksprite: %s: %s\n", path.c_str(), png.message);
        return false;
    }
    return true;
}

Image Halve(Image const& image)
{
    Image half;
    half.width = std::max(1u, image.width / 2);
    half.height = std::max(1u, image.height / 2);
    half.rgba.resize(size_t(half.width) * half.height * 4);
    for (unsigned y = 0; y < half.height; ++y) {
        for (unsigned x = 0; x < half.width; ++x) {
            unsigned sum[4] = {0, 0, 0, 0};
            for (unsigned dy = 0; dy < 2; ++dy) {
                for (unsigned dx = 0; dx < 2; ++dx) {
                    unsigned const sx = std::min(image.width - 1, x * 2 + dx);
                    unsigned const sy = std::min(image.height - 1, y * 2 + dy);
                    unsigned char const* p = &image.rgba[(size_t(sy) * image.width + sx) * 4];
                    for (int c = 0; c < 3; ++c)
                        sum[c] += p[c] * p[3];
                    sum[3] += p[3];
                }
            }
            unsigned char* out = &half.rgba[(size_t(y) * half.width + x) * 4];
            for (int c = 0; c < 3; ++c)
                out[c] = static_cast<unsigned char>(sum[3] ? sum[c] / sum[3] : 0);
            out[3] = static_cast<unsigned char>((sum[3] + 2) / 4);
        }
    }
    return half;
}

} // namespace MkSprite
