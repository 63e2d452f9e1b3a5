// PVR: a header, then each level's 8-bit RGBA rows from the largest down
// to 1 x 1.
#include "Picture.h"

#include "contrib/pvr/PVRTTexture.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>

namespace {

unsigned char Byte(float v)
{
    return static_cast<unsigned char>(std::clamp(v, 0.0f, 1.0f) * 255.0f + 0.5f);
}

void AppendBytes(Picture const& picture, std::vector<unsigned char>& out)
{
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            Rgba const& c = picture.At(x, y);
            out.insert(out.end(), {Byte(c.r), Byte(c.g), Byte(c.b), Byte(c.a)});
        }
}

} // namespace

Rgba Mix(Rgba const& a, Rgba const& b, float t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Rgba Hex(uint32_t rgb)
{
    return {float((rgb >> 16) & 255) / 255.0f, float((rgb >> 8) & 255) / 255.0f, float(rgb & 255) / 255.0f, 1.0f};
}

Picture Picture::Halved() const
{
    Picture half(std::max(1, width / 2), std::max(1, height / 2));
    for (int y = 0; y < half.height; ++y)
        for (int x = 0; x < half.width; ++x) {
            Rgba sum {0, 0, 0, 0};
            for (int k = 0; k < 4; ++k) {
                Rgba const& c = At(std::min(width - 1, 2 * x + (k & 1)), std::min(height - 1, 2 * y + (k >> 1)));
                sum = {sum.r + c.r / 4, sum.g + c.g / 4, sum.b + c.b / 4, sum.a + c.a / 4};
            }
            half.At(x, y) = sum;
        }
    return half;
}

bool Picture::WritePvr(std::string const& path) const
{
    std::vector<unsigned char> data;
    unsigned int levels = 0;
    for (Picture level = *this;; level = level.Halved(), ++levels) {
        AppendBytes(level, data);
        if (level.width == 1 && level.height == 1)
            break;
    }
    PVR_Texture_Header header;
    std::memset(&header, 0, sizeof(header));
    header.headerSize = PVRTEX_HEADER_SIZE;
    header.width = unsigned(width);
    header.height = unsigned(height);
    header.mipMapCount = levels;
    header.pixelFormatFlags = OGL_RGBA_8888 | (levels ? PVRTEX_MIPMAP : 0);
    header.dataSize = unsigned(data.size());
    header.bitCount = 32;
    header.redMask = 0x000000ffu;
    header.greenMask = 0x0000ff00u;
    header.blueMask = 0x00ff0000u;
    // Only a picture with see-through pixels says it has alpha, so that
    // opaque ones are drawn without blending.
    bool const seeThrough = std::any_of(pixels.begin(), pixels.end(), [](Rgba const& c) { return c.a < 0.999f; });
    header.alphaMask = seeThrough ? 0xff000000u : 0u;
    header.magic = PVRTEX_IDENTIFIER;
    header.surfaceCount = 1;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<char const*>(&header), sizeof(header));
    out.write(reinterpret_cast<char const*>(data.data()), std::streamsize(data.size()));
    return bool(out.flush());
}

bool Picture::WritePng(std::string const& path) const
{
    std::vector<unsigned char> bytes;
    AppendBytes(*this, bytes);
    png_image image;
    std::memset(&image, 0, sizeof(image));
    image.version = PNG_IMAGE_VERSION;
    image.width = unsigned(width);
    image.height = unsigned(height);
    image.format = PNG_FORMAT_RGBA;
    return png_image_write_to_file(&image, path.c_str(), 0, bytes.data(), 0, nullptr) != 0;
}
