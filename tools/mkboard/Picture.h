// An RGBA picture drawn in code, written as a PVR texture with its full
// chain of mip levels or as a PNG.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Rgba {
    float r = 0.0f, g = 0.0f, b = 0.0f, a = 1.0f;
};

Rgba Mix(Rgba const& a, Rgba const& b, float t);
// 0xRRGGBB, opaque.
Rgba Hex(uint32_t rgb);

class Picture {
public:
    Picture(int width, int height) : width(width), height(height), pixels(std::size_t(width) * height) {}

    Rgba& At(int x, int y) { return pixels[std::size_t(y) * width + x]; }
    Rgba const& At(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
    // Paints every pixel with the colour the function gives for its
    // centre in 0..1 coordinates.
    template <typename Paint>
    void Fill(Paint paint)
    {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                At(x, y) = paint((float(x) + 0.5f) / float(width), (float(y) + 0.5f) / float(height));
    }

    bool WritePvr(std::string const& path) const;
    bool WritePng(std::string const& path) const;

    int width;
    int height;

private:
    // Half the size, each pixel the mean of four.
    Picture Halved() const;
    std::vector<Rgba> pixels;
};
