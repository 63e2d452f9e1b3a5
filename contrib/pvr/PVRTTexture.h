// PVR texture files: the header, loading into an OpenGL 2D texture (with a
// software PVRTC decode where the driver lacks PVRTC), and the texture
// helpers for twiddling, tiling and creating empty textures.
#pragma once

#include "contrib/pvr/PVRTGlobal.h"
#include "contrib/pvr/PVRTgl.h"

// The header of a PVR file: thirteen little-endian 32-bit words (52 bytes);
// files of the older form stop after alphaMask (44 bytes).
struct PVR_Texture_Header {
    unsigned int headerSize;   // 52 or 44; the pixel data starts here
    unsigned int height;
    unsigned int width;
    unsigned int mipMapCount;  // levels below level 0
    unsigned int pixelFormatFlags;
    unsigned int dataSize;     // bytes of one surface, all of its levels
    unsigned int bitCount;
    unsigned int redMask;
    unsigned int greenMask;
    unsigned int blueMask;
    unsigned int alphaMask;    // non-zero: PVRTC data carries alpha
    unsigned int magic;        // "PVR!"
    unsigned int surfaceCount; // 0: 6 for a cube map, else 1
};

enum {
    PVRTEX_HEADER_SIZE = 52,
    PVRTEX_OLD_HEADER_SIZE = 44,
    PVRTEX_PIXELTYPE = 0xFF,
    PVRTEX_MIPMAP = 0x100,
    PVRTEX_TWIDDLE = 0x200,
    PVRTEX_CUBEMAP = 0x1000,
    PVRTEX_IDENTIFIER = 0x21525650, // "PVR!" read as a little-endian word
};

// Pixel types, the low byte of the header's flags.
enum {
    MGLPT_PVRTC2 = 12,
    MGLPT_PVRTC4 = 13,
    OGL_RGBA_4444 = 16,
    OGL_RGBA_5551 = 17,
    OGL_RGBA_8888 = 18,
    OGL_RGB_565 = 19,
    OGL_RGB_555 = 20,
    OGL_RGB_888 = 21,
    OGL_I_8 = 22,
    OGL_AI_88 = 23,
    OGL_PVRTC2 = 24,
    OGL_PVRTC4 = 25,
    OGL_BGRA_8888 = 26,
    OGL_A_8 = 27,
};

// Loads a PVR file into a new 2D texture, bound and with its filters set.
// Returns 0 with the texture's name in textureName, 1 on failure.
// headerOut, when not null, is a PVR_Texture_Header receiving the header.
// allowDecompress permits the software PVRTC decode; loadFromLevel drops
// that many leading levels.
EPVRTError PVRTTextureLoadFromPVR(const char* fileName, GLuint* textureName, const void* headerOut = 0,
                                  bool allowDecompress = true, unsigned int loadFromLevel = 0);

// The same for a PVR image in memory. textureData, when not null, is where
// the pixel data starts; else it follows the header. The caller vouches
// that the data holds everything the header describes.
EPVRTError PVRTTextureLoadFromPointer(const void* header, GLuint* textureName, const void* headerOut = 0,
                                      bool allowDecompress = true, unsigned int loadFromLevel = 0,
                                      const void* textureData = 0);

// Interleaves the low 16 bits of x and y: bit i of y to bit 2i, of x to 2i+1.
void PVRTTextureTwiddle(unsigned int& result, unsigned int x, unsigned int y);
// The inverse of PVRTTextureTwiddle.
void PVRTTextureDeTwiddle(unsigned int& x, unsigned int& y, unsigned int value);

// A malloc'ed 52-byte header followed by room for the image and, with
// mipMaps, all its levels; null when the allocation fails. Free with free().
PVR_Texture_Header* PVRTTextureCreate(unsigned int width, unsigned int height, unsigned int minWidth,
                                      unsigned int minHeight, unsigned int bitsPerPixel, bool mipMaps);

// A new texture (PVRTTextureCreate) repeating the input `repeats` times in
// each direction at every level; *out is null for a pixel type that cannot
// be tiled (only 17, 18, 24 and 25 can) or when the allocation fails.
void PVRTTextureTile(PVR_Texture_Header** out, const PVR_Texture_Header* in, int repeats);

// Fills a dstWidth x dstHeight grid of elements by repeating a source grid.
void PVRTTextureLoadTiled(unsigned char* dst, unsigned int dstWidth, unsigned int dstHeight, const unsigned char* src,
                          unsigned int srcWidth, unsigned int srcHeight, unsigned int elementSize, bool twiddled);

// Bits per pixel of an OpenGL type or compressed format; 0xFFFFFFFF when unknown.
unsigned int PVRTTextureFormatGetBPP(GLuint typeOrCompressedFormat, GLuint format);
