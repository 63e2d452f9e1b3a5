// A screenshot read back from PNG, and colour comparisons with a tolerance.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace NorvTest {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// True when every channel differs by at most `tolerance`.
bool SameColour(Rgb a, Rgb b, int tolerance);

class Image {
public:
    // Reads an 8-bit PNG of any colour type; false when it cannot.
    bool Load(std::string const& path);
    // Takes pixels made elsewhere: three bytes a pixel, rows top down.
    void Assign(int imageWidth, int imageHeight, std::vector<std::uint8_t> pixels);
    // Writes the picture as an 8-bit RGB PNG, for a look.
    bool Save(std::string const& path) const;

    int Width() const { return width; }
    int Height() const { return height; }
    // The pixel at (x, y); black outside the image.
    Rgb Pixel(int x, int y) const;

    // True when every pixel of the rectangle, which must lie inside the
    // image, is within `tolerance` of `colour`.
    bool RegionIs(int x, int y, int regionWidth, int regionHeight, Rgb colour, int tolerance) const;
    // True when both images have the same size and every pixel matches.
    bool Matches(Image const& other, int tolerance) const;

private:
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // three bytes per pixel, rows top down
};

} // namespace NorvTest
