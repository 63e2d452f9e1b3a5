// mksprite: turns a PNG into a PVR texture in 32-bit RGBA with its whole
// mip chain, the form the particle emitters load.
//   mksprite INPUT.png OUTPUT.pvr
#include "SpriteImage.h"

#include "contrib/pvr/PVRTTexture.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

constexpr unsigned kBitsPerPixel = 32;

bool IsPowerOfTwo(unsigned n)
{
    return n && !(n & (n - 1));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: mksprite INPUT.png OUTPUT.pvr\n");
        return 2;
    }
    MkSprite::Image level;
    if (!MkSprite::ReadPng(argv[1], level))
        return 1;
    if (!IsPowerOfTwo(level.width) || !IsPowerOfTwo(level.height)) {
        std::fprintf(stderr, "mksprite: %s: sides must be powers of two, not %ux%u\n", argv[1], level.width,
                     level.height);
        return 1;
    }
    std::unique_ptr<PVR_Texture_Header, decltype(&std::free)> texture(
        PVRTTextureCreate(level.width, level.height, 1, 1, kBitsPerPixel, true), &std::free);
    if (!texture)
        return 1;
    unsigned char* pixels = reinterpret_cast<unsigned char*>(texture.get() + 1);
    unsigned levels = 0;
    for (;;) {
        std::memcpy(pixels, level.rgba.data(), level.rgba.size());
        pixels += level.rgba.size();
        if (level.width == 1 && level.height == 1)
            break;
        level = MkSprite::Halve(level);
        ++levels;
    }
    texture->mipMapCount = levels;
    texture->pixelFormatFlags = OGL_RGBA_8888 | PVRTEX_MIPMAP;
    texture->redMask = 0x000000FF;
    texture->greenMask = 0x0000FF00;
    texture->blueMask = 0x00FF0000;
    texture->alphaMask = 0xFF000000;
    texture->magic = PVRTEX_IDENTIFIER;

    std::FILE* file = std::fopen(argv[2], "wb");
    size_t const bytes = sizeof(PVR_Texture_Header) + texture->dataSize;
    if (!file || std::fwrite(texture.get(), 1, bytes, file) != bytes || std::fclose(file) != 0) {
        std::fprintf(stderr, "mksprite: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
