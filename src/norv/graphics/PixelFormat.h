// The twelve pixel formats of the engine and their bit layouts.
#pragma once

namespace Norv {

enum PixelFormat {
    A8 = 0,
    RGB565 = 1,
    RGB888 = 2,    // bytes blue, green, red
    RGBA8888 = 3,  // bytes blue, green, red, alpha
    RLE565A5 = 4,  // run stream, see PixelDataRLE
    DXT1 = 5,
    DXT5 = 6,
    PVRTC2_RGB = 7,
    PVRTC2_RGBA = 8,
    PVRTC4_RGB = 9,
    PVRTC4_RGBA = 10,
    ETC1 = 11,
    PixelFormatNone = 12,  // an image reader that has not decided yet
};

struct PixelFormatInfo {
    int bytesPerPixel;  // 0 for block-compressed and run-length formats
    int bitsPerPixel;
    int redBits;
    int greenBits;
    int blueBits;
    int alphaBits;
};

bool IsPixelFormatValid(int format);
// The record of a valid format; other values answer an all-zero record.
PixelFormatInfo const& GetPixelFormatInfo(PixelFormat format);
bool PixelFormatHasAlpha(PixelFormat format);

} // namespace Norv
