// Test-only writers of image files in every format the readers take, and
// access to the pixels of a loaded surface.
#pragma once

#include "norv/base/core/SmartPtr.h"
#include "norv/graphics/Surface.h"
#include "norv/vfs/SeekableStream.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <string>
#include <vector>

namespace ImageTest {

using Bytes = std::vector<unsigned char>;

struct PngSpec {
    int width = 1;
    int height = 1;
    int colourType = PNG_COLOR_TYPE_RGB;
    int bitDepth = 8;
    bool interlaced = false;
    Bytes rows;                      // packed rows, as libpng writes them
    std::vector<png_color> palette;
    Bytes paletteAlpha;              // tRNS of a palette image
    bool greyKey = false;            // tRNS of a grey image: the key below
    int greyKeyValue = 0;
};

Bytes WritePng(PngSpec const& spec);
// Components 1 (grey), 3 (RGB) or 4 (CMYK, marked as JFIF all the same).
Bytes WriteJpeg(int width, int height, int components, Bytes const& pixels);
Bytes Write565(std::uint32_t width, std::uint32_t height, Bytes const& pixels);
// A CRLE file of an RGBA8888 image (bytes blue, green, red, alpha).
Bytes WriteRle(int width, int height, Bytes const& bgra);
Bytes WriteCrleHeader(std::uint32_t width, std::uint32_t height, std::uint32_t size);
// The DDS header with a FourCC, then an optional DXGI extension, then data.
Bytes WriteDds(std::uint32_t width, std::uint32_t height, char const* fourCC, Bytes const& data, int dxgi = -1);
Bytes WritePvr(std::uint32_t width, std::uint32_t height, std::uint32_t flags, std::uint32_t dataSize,
               std::uint32_t bitCount, Bytes const& data);
Bytes Concat(std::vector<Bytes> const& parts);

// A stream over a copy of the bytes.
Norv::SmartPtr<Norv::SeekableStream> StreamOf(Bytes const& bytes);
// The bytes of pixel (x, y) of a loaded surface's texture copy.
Bytes PixelAt(Norv::Surface& surface, int x, int y);
bool WriteFile(std::string const& path, Bytes const& bytes);
// Runs the real mkfont on a TrueType font.
bool MakeFont(std::string const& trueType, int pixels, std::string const& definition);

// A fresh folder of the running test, mounted at the root of the file
// system, and the global asset dictionary.
class MountedAssets : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    TempFolder temp;
    std::string const folder = temp.path + "/";
};

} // namespace ImageTest
