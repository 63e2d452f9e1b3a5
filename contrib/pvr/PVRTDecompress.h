// Software decoders for PVRTC (2 and 4 bits per pixel) and ETC1 texture
// data, used where the OpenGL driver cannot take the compressed data itself.
#pragma once

#include <cstdint>

// Decodes one PVRTC level of width x height pixels (powers of two) into
// 32-bit red, green, blue, alpha pixels. The data holds
// PVRTDecompressPVRTCDataSize bytes; sizes that are not powers of two are
// refused without writing anything.
void PVRTDecompressPVRTC(const void* data, int do2bitMode, int width, int height, unsigned char* result);

// Bytes of PVRTC data that decoding a level of this size reads (at least
// 2 x 2 blocks); 0 for a size the decoder refuses.
uint64_t PVRTDecompressPVRTCDataSize(int do2bitMode, int width, int height);

// Address of block (xPos, yPos) of an xSize x ySize block grid, in blocks.
unsigned int TwiddleUV(unsigned int ySize, unsigned int xSize, unsigned int yPos, unsigned int xPos);

// Bilinear blend of one colour across a 2 x 2 block neighbourhood: p, q, r,
// s are the four blocks' colours (red, green, blue, alpha), x and y the
// pixel's place in the neighbourhood; result receives 8-bit channels.
void InterpolateColours(const int* p, const int* q, const int* r, const int* s, int do2bitMode, int x, int y,
                        int* result);

// Decodes ETC1 data into width x height pixels of red, green, blue, alpha
// (255). Returns the bytes of data read: whole 4 x 4 blocks, so sizes below
// 4 still read one block.
int PVRTDecompressETC(const void* data, const unsigned int& width, const unsigned int& height, void* result,
                      const int& mode);

// The block loop behind PVRTDecompressETC: writes 32-bit pixels of value
// alpha << 24 | red << 16 | green << 8 | blue; returns width x height / 2.
int ETCTextureDecompress(const void* data, const int& width, const int& height, const void* result, const int& mode);

// One ETC1 pixel: the base colour moved by the modifier of the pixel's index
// in indexWord, clamped to 0-255, as alpha << 24 | red << 16 | green << 8 | blue.
unsigned long modifyPixel(int red, int green, int blue, int x, int y, unsigned long indexWord, int table);

bool util_number_is_power_2(unsigned int value);
