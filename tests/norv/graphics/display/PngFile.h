// Test helper: RGB images to and from PNG files, for screenshots and their
// reference images.
#pragma once

#include <string>
#include <vector>

namespace GLTest {

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels;  // rows top first, three bytes a pixel
};

bool WritePng(std::string const& path, RgbImage const& image);
bool ReadPng(std::string const& path, RgbImage* image);

} // namespace GLTest
