// The pixel format table.
#include "norv/graphics/PixelFormat.h"

namespace Norv {

namespace {

PixelFormatInfo const kFormats[] = {
    {1, 8, 0, 0, 0, 8},    // A8
    {2, 16, 5, 6, 5, 0},   // RGB565
    {3, 24, 8, 8, 8, 0},   // RGB888
    {4, 32, 8, 8, 8, 8},   // RGBA8888
    {0, 32, 5, 6, 5, 5},   // RLE565A5
    {0, 24, 8, 8, 8, 0},   // DXT1
    {0, 32, 8, 8, 8, 8},   // DXT5
    {0, 32, 8, 8, 8, 0},   // PVRTC2_RGB
    {0, 32, 8, 8, 8, 8},   // PVRTC2_RGBA
    {0, 32, 8, 8, 8, 0},   // PVRTC4_RGB
    {0, 32, 8, 8, 8, 8},   // PVRTC4_RGBA
    {0, 32, 8, 8, 8, 0},   // ETC1
};

PixelFormatInfo const kNoFormat = {0, 0, 0, 0, 0, 0};

} // namespace

bool IsPixelFormatValid(int format)
{
    return format >= A8 && format <= ETC1;
}

PixelFormatInfo const& GetPixelFormatInfo(PixelFormat format)
{
    return IsPixelFormatValid(format) ? kFormats[format] : kNoFormat;
}

bool PixelFormatHasAlpha(PixelFormat format)
{
    return GetPixelFormatInfo(format).alphaBits != 0;
}

} // namespace Norv
