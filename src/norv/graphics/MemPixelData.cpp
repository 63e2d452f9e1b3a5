// Pixel access and construction of memory pixel stores.
#include "norv/graphics/MemPixelData.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "norv/base/core/DecodeHex.h"

namespace Norv {

namespace {

std::uint16_t ReadWord(unsigned char const* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

// Channel blend of the source over the destination with the source's alpha.
std::uint8_t Blend(int source, int destination, int alpha)
{
    int const t = source * alpha + destination * (255 - alpha);
    return static_cast<std::uint8_t>(((t + 1) + ((t + 1) >> 8)) >> 8);
}

Color Expand565(std::uint16_t word)
{
    return Color(static_cast<std::uint8_t>((word >> 8) & 0xF8), static_cast<std::uint8_t>((word >> 3) & 0xFC),
                 static_cast<std::uint8_t>((word << 3) & 0xF8), 255);
}

// The length a caller's row must have for an XPM pixel or colour key.
bool HasLength(char const* text, std::size_t length)
{
    return text && std::strlen(text) >= length;
}

} // namespace

MemPixelData::MemPixelData(int w, int h, PixelFormat f)
{
    width = w;
    height = h;
    format = f;
    pitch = w * GetPixelFormatInfo(f).bytesPerPixel;
    Allocate();
}

MemPixelData::MemPixelData(PixelData const& other) : PixelData(other)
{
    Allocate();
    unsigned char const* source = other.GetData();
    if (source && buffer)
        std::memcpy(buffer.get(), source, ByteSize());
}

MemPixelData::MemPixelData(char const* const* lines)
{
    format = RGB888;
    int colours = 0;
    int charsPerPixel = 0;
    if (!lines || !lines[0] || std::sscanf(lines[0], "%i %i %i %i", &width, &height, &colours, &charsPerPixel) != 4 ||
        width < 0 || height < 0 || colours < 0 || charsPerPixel < 1) {
        std::fprintf(stderr, "MemPixelData: malformed image header\n");
        width = height = 0;
    }
    pitch = width * 3;
    Allocate();

    std::size_t const keyLength = static_cast<std::size_t>(charsPerPixel);
    std::map<std::string, Color> palette;
    for (int i = 1; i <= colours && width > 0; ++i) {
        char const* line = lines[i];
        char type = 0;
        char word[8] = {};
        if (!HasLength(line, keyLength + 1) || std::sscanf(line + keyLength + 1, "%c %7s", &type, word) != 2 ||
            std::strlen(word) != 7)
            continue;
        palette[std::string(line, keyLength)] = Color(DecodeHex(word + 1), DecodeHex(word + 3), DecodeHex(word + 5));
    }

    for (int y = 0; y < height; ++y) {
        char const* row = lines[colours + 1 + y];
        for (int x = 0; x < width; ++x) {
            Color colour(0, 0, 0, 255);
            std::size_t const at = static_cast<std::size_t>(x) * keyLength;
            if (HasLength(row, at + keyLength)) {
                auto found = palette.find(std::string(row + at, keyLength));
                if (found != palette.end())
                    colour = found->second;
            }
            unsigned char* p = buffer.get() + static_cast<std::size_t>(y) * pitch + static_cast<std::size_t>(x) * 3;
            p[0] = colour.blue;
            p[1] = colour.green;
            p[2] = colour.red;
        }
    }
}

std::size_t MemPixelData::ByteSize() const
{
    if (pitch <= 0 || height <= 0)
        return 0;
    return static_cast<std::size_t>(pitch) * static_cast<std::size_t>(height);
}

void MemPixelData::Allocate()
{
    buffer.reset(new unsigned char[ByteSize()]);
}

Color MemPixelData::GetPixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height || !buffer)
        return Color(0, 0, 0, 0);
    unsigned char const* p = buffer.get() + static_cast<std::size_t>(y) * pitch +
                             static_cast<std::size_t>(x) * GetPixelFormatInfo(format).bytesPerPixel;
    switch (format) {
    case RGBA8888:
        return Color(p[2], p[1], p[0], p[3]);
    case RGB888:
        return Color(p[2], p[1], p[0], 255);
    case RGB565:
        return Expand565(ReadWord(p));
    default:
        return Color(0, 0, 0, 255);
    }
}

void MemPixelData::PutPixel(int x, int y, Color const& c)
{
    if (x < 0 || y < 0 || x >= width || y >= height || !buffer)
        return;
    unsigned char* p = buffer.get() + static_cast<std::size_t>(y) * pitch +
                       static_cast<std::size_t>(x) * GetPixelFormatInfo(format).bytesPerPixel;
    switch (format) {
    case RGBA8888:
        p[0] = c.blue;
        p[1] = c.green;
        p[2] = c.red;
        p[3] = c.alpha;
        break;
    case RGB888:
        p[0] = Blend(c.blue, p[0], c.alpha);
        p[1] = Blend(c.green, p[1], c.alpha);
        p[2] = Blend(c.red, p[2], c.alpha);
        break;
    case RGB565: {
        Color const d = Expand565(ReadWord(p));
        int const r = Blend(c.red, d.red, c.alpha);
        int const g = Blend(c.green, d.green, c.alpha);
        int const b = Blend(c.blue, d.blue, c.alpha);
        std::uint16_t const word = static_cast<std::uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
        p[0] = static_cast<unsigned char>(word & 0xFF);
        p[1] = static_cast<unsigned char>(word >> 8);
        break;
    }
    default:
        break;
    }
}

unsigned char* MemPixelData::GetData()
{
    return buffer.get();
}

unsigned char const* MemPixelData::GetData() const
{
    return buffer.get();
}

void MemPixelData::ReleaseData()
{
    buffer.reset();
}

int MemPixelData::GetType() const
{
    return TypeMemory;
}

} // namespace Norv
