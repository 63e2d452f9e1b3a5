// An RGBA picture read from a PNG, and its halvings for a texture's mip chain.
#pragma once

#include <string>
#include <vector>

namespace MkSprite {

struct Image {
    unsigned width = 0;
    unsigned height = 0;
    std::vector<unsigned char> rgba;
};

// False with a message on stderr when the file is not a readable PNG.
bool ReadPng(std::string const& path, Image& image);

// Half the size (at least 1 x 1), each pixel the alpha-weighted mean of its
// four, so transparent pixels do not darken the edges of the sprite.
Image Halve(Image const& image);

} // namespace MkSprite
