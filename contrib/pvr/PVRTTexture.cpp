// Loading PVR textures into OpenGL and the texture helpers.
#include "contrib/pvr/PVRTTexture.h"

#include "contrib/pvr/PVRTDecompress.h"
#include "contrib/pvr/PVRTError.h"
#include "contrib/pvr/PVRTResourceFile.h"
#include "contrib/pvr/PVRTglesExt.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// The PVRTC formats of the GL_IMG_texture_compression_pvrtc extension.
constexpr GLenum kCompressedRgbPvrtc4 = 0x8C00;
constexpr GLenum kCompressedRgbPvrtc2 = 0x8C01;
constexpr GLenum kCompressedRgbaPvrtc4 = 0x8C02;
constexpr GLenum kCompressedRgbaPvrtc2 = 0x8C03;

// The engine's own image loaders' limit: a larger side is a damaged header,
// and its decode buffer alone would run to gigabytes.
constexpr unsigned int kMaxSide = 16384;

// A side of at most kMaxSide pixels halves down to 1 x 1 in this many steps.
constexpr unsigned int kMaxMipMapCount = 14;
// A cube map's six faces; every surface goes to the same texture anyway.
constexpr unsigned int kMaxSurfaces = 6;

// Data size the caller of the pointer form vouches for.
constexpr size_t kUnknownSize = SIZE_MAX;

// The smallest level a PVRTC level's data covers: one 2 x 2 block neighbourhood.
constexpr unsigned int kPvrtc2MinWidth = 16;
constexpr unsigned int kPvrtc4MinWidth = 8;
constexpr unsigned int kPvrtcMinHeight = 8;

bool IsPvrtc2(unsigned int type)
{
    return type == MGLPT_PVRTC2 || type == OGL_PVRTC2;
}

bool IsPvrtc(unsigned int type)
{
    return IsPvrtc2(type) || type == MGLPT_PVRTC4 || type == OGL_PVRTC4;
}

// How one pixel type goes to OpenGL; bitsPerPixel is what OpenGL reads, and
// sizedFormat is the same storage named exactly, as fixed storage needs.
struct Upload {
    GLenum internalFormat;
    GLenum format;
    GLenum type;
    unsigned int bitsPerPixel;
    GLenum sizedFormat;
};

bool UncompressedUpload(unsigned int pixelType, Upload* upload)
{
    switch (pixelType) {
    case OGL_RGBA_4444: *upload = {GL_RGBA, GL_RGBA, GL_UNSIGNED_SHORT_4_4_4_4, 16, GL_RGBA4}; return true;
    case OGL_RGBA_5551: *upload = {GL_RGBA, GL_RGBA, GL_UNSIGNED_SHORT_5_5_5_1, 16, GL_RGB5_A1}; return true;
    case OGL_RGBA_8888: *upload = {GL_RGBA, GL_RGBA, GL_UNSIGNED_BYTE, 32, GL_RGBA8}; return true;
    case OGL_RGB_565: *upload = {GL_RGB, GL_RGB, GL_UNSIGNED_SHORT_5_6_5, 16, GL_RGB565}; return true;
    case OGL_RGB_888: *upload = {GL_RGB, GL_RGB, GL_UNSIGNED_BYTE, 24, GL_RGB8}; return true;
    case OGL_I_8: *upload = {GL_LUMINANCE, GL_LUMINANCE, GL_UNSIGNED_BYTE, 8, GL_LUMINANCE8}; return true;
    case OGL_AI_88:
        *upload = {GL_LUMINANCE_ALPHA, GL_LUMINANCE_ALPHA, GL_UNSIGNED_BYTE, 16, GL_LUMINANCE8_ALPHA8};
        return true;
    case OGL_BGRA_8888: *upload = {GL_RGBA, GL_BGRA, GL_UNSIGNED_BYTE, 32, GL_RGBA8}; return true;
    case OGL_A_8: *upload = {GL_ALPHA, GL_ALPHA, GL_UNSIGNED_BYTE, 8, GL_ALPHA8}; return true;
    default: return false;
    }
}

// Gives the bound texture fixed storage for all its levels at once, when the
// GL offers it. Mesa's software renderer keeps a texture built level by
// level with glTexImage2D in a full-chain store plus a store of its own for
// the first level, nearly twice the memory; fixed storage is one store.
bool AllocateFixedStorage(GLenum sizedFormat, unsigned int levels, uint64_t width, uint64_t height)
{
    if (!CPVRTglesExt::IsGLExtensionSupported("GL_ARB_texture_storage"))
        return false;
    glTexStorage2D(GL_TEXTURE_2D, GLsizei(levels), sizedFormat, GLsizei(width), GLsizei(height));
    return glGetError() == GL_NO_ERROR;
}

uint64_t LevelSize(unsigned int pixelType, uint64_t width, uint64_t height, uint64_t bitCount)
{
    if (IsPvrtc(pixelType)) {
        width = std::max<uint64_t>(width, IsPvrtc2(pixelType) ? kPvrtc2MinWidth : kPvrtc4MinWidth);
        height = std::max<uint64_t>(height, kPvrtcMinHeight);
    }
    return (width * height * bitCount + 7) / 8;
}

EPVRTError Fail(const char* message)
{
    PVRTErrorOutputDebug("%s", message);
    return PVR_FAIL;
}

// Discards a half-made texture so a failed load leaves no texture name behind.
EPVRTError FailAndDelete(GLuint* textureName, const char* message)
{
    glDeleteTextures(1, textureName);
    *textureName = 0;
    return Fail(message);
}

// One level's pixels: into the fixed storage, or as a level of its own.
void Specify(bool fixedStorage, GLint level, Upload const& upload, uint64_t width, uint64_t height,
             const void* pixels)
{
    if (fixedStorage)
        glTexSubImage2D(GL_TEXTURE_2D, level, 0, 0, GLsizei(width), GLsizei(height), upload.format, upload.type,
                        pixels);
    else
        glTexImage2D(GL_TEXTURE_2D, level, GLint(upload.internalFormat), GLsizei(width), GLsizei(height), 0,
                     upload.format, upload.type, pixels);
}

// Everything after reading the header. dataBytes is how much pixel data
// there really is (kUnknownSize when the caller vouches for it).
EPVRTError LoadTexture(PVR_Texture_Header const& header, const unsigned char* data, size_t dataBytes,
                       GLuint* textureName, PVR_Texture_Header* headerOut, bool allowDecompress,
                       unsigned int loadFromLevel)
{
    const unsigned int flags = header.pixelFormatFlags;
    const unsigned int pixelType = flags & PVRTEX_PIXELTYPE;

    const bool hasPvrtc = CPVRTglesExt::IsGLExtensionSupported("GL_IMG_texture_compression_pvrtc");
    const bool hasBgra = CPVRTglesExt::IsGLExtensionSupported("GL_IMG_texture_format_BGRA8888");
    *textureName = 0;

    if ((flags & PVRTEX_TWIDDLE) && pixelType != OGL_PVRTC2 && pixelType != OGL_PVRTC4)
        return Fail("PVRTTextureLoadFromPointer failed: texture should be untwiddled.\n");

    Upload upload = {};
    bool decode = false;
    bool compressed = false;
    if (IsPvrtc(pixelType)) {
        const bool twoBit = IsPvrtc2(pixelType);
        if (hasPvrtc) {
            compressed = true;
            if (twoBit)
                upload.internalFormat = header.alphaMask ? kCompressedRgbaPvrtc2 : kCompressedRgbPvrtc2;
            else
                upload.internalFormat = header.alphaMask ? kCompressedRgbaPvrtc4 : kCompressedRgbPvrtc4;
        } else if (!allowDecompress) {
            return Fail(twoBit ? "PVRTTextureLoadFromPointer error: PVRTC2 not supported.\n"
                               : "PVRTTextureLoadFromPointer error: PVRTC4 not supported.\n");
        } else {
            PVRTErrorOutputDebug(twoBit
                ? "PVRTTextureLoadFromPointer warning: PVRTC2 not supported. Converting to RGBA8888 instead.\n"
                : "PVRTTextureLoadFromPointer warning: PVRTC4 not supported. Converting to RGBA8888 instead.\n");
            // The decoder's block addressing wraps by masks.
            if (!util_number_is_power_2(header.width) || !util_number_is_power_2(header.height))
                return Fail("PVRTTextureLoadFromPointer failed: PVRTC texture sizes must be powers of two.\n");
            decode = true;
            upload = {GL_RGBA, GL_RGBA, GL_UNSIGNED_BYTE, 32, GL_RGBA8};
        }
    } else if (pixelType == OGL_RGB_555) {
        return Fail("PVRTTextureLoadFromPointer failed: pixel type OGL_RGB_555 not supported.\n");
    } else if (pixelType == OGL_BGRA_8888 && !hasBgra) {
        return Fail("PVRTTextureLoadFromPointer failed: Unable to load GL_BGRA texture as extension "
                    "GL_IMG_texture_format_BGRA8888 is unsupported.\n");
    } else if (!UncompressedUpload(pixelType, &upload)) {
        return Fail("PVRTTextureLoadFromPointer failed: pixel type not supported.\n");
    }

    if (header.width > kMaxSide || header.height > kMaxSide || header.mipMapCount > kMaxMipMapCount)
        return Fail("PVRTTextureLoadFromPointer failed: texture too large.\n");

    const unsigned int surfaceCount = header.surfaceCount;
    const unsigned int levelCount = (flags & PVRTEX_MIPMAP) ? header.mipMapCount + 1 : 1;
    if (loadFromLevel >= levelCount)
        return Fail("PVRTTextureLoadFromPointer failed: the texture has no such level.\n");
    const unsigned int uploadedLevels = levelCount - loadFromLevel;

    // Drain errors left by earlier calls so only this load's own count.
    while (glGetError() != GL_NO_ERROR) {
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glGenTextures(1, textureName);

    if (flags & PVRTEX_CUBEMAP)
        return FailAndDelete(textureName,
                             "PVRTTextureLoadFromPointer failed: cube map textures are not available in OGLES1.x.\n");

    glBindTexture(GL_TEXTURE_2D, *textureName);
    if (glGetError() != GL_NO_ERROR)
        return FailAndDelete(textureName, "PVRTTextureLoadFromPointer failed: glBindTexture() failed.\n");

    const bool fixedStorage =
        !compressed && AllocateFixedStorage(upload.sizedFormat, uploadedLevels,
                                            std::max<uint64_t>(1, uint64_t(header.width) >> loadFromLevel),
                                            std::max<uint64_t>(1, uint64_t(header.height) >> loadFromLevel));
    for (unsigned int surface = 0; surface < surfaceCount; ++surface) {
        uint64_t offset = uint64_t(surface) * header.dataSize;
        uint64_t width = header.width;
        uint64_t height = header.height;
        for (unsigned int level = 0; level < levelCount; ++level) {
            const uint64_t levelSize = LevelSize(pixelType, width, height, header.bitCount);
            if (level >= loadFromLevel) {
                // What OpenGL or the decoder really reads, whatever the
                // header's bit count says.
                uint64_t reads = levelSize;
                if (decode)
                    reads = PVRTDecompressPVRTCDataSize(IsPvrtc2(pixelType), int(width), int(height));
                else if (!compressed)
                    reads = LevelSize(pixelType, width, height, upload.bitsPerPixel);
                if (dataBytes != kUnknownSize && (offset > dataBytes || reads > dataBytes - offset))
                    return FailAndDelete(textureName,
                                         "PVRTTextureLoadFromPointer failed: texture data is truncated.\n");
                const unsigned char* levelData = data + offset;
                const GLint glLevel = GLint(level - loadFromLevel);
                if (decode) {
                    unsigned char* pixels = static_cast<unsigned char*>(std::malloc(size_t(width * height * 4)));
                    if (!pixels)
                        return FailAndDelete(textureName, "PVRTTextureLoadFromPointer failed: out of memory.\n");
                    PVRTDecompressPVRTC(levelData, IsPvrtc2(pixelType), int(width), int(height), pixels);
                    Specify(fixedStorage, glLevel, upload, width, height, pixels);
                    std::free(pixels);
                } else if (compressed) {
                    glCompressedTexImage2D(GL_TEXTURE_2D, glLevel, upload.internalFormat, GLsizei(width),
                                           GLsizei(height), 0, GLsizei(levelSize), levelData);
                } else {
                    Specify(fixedStorage, glLevel, upload, width, height, levelData);
                }
            }
            if (glGetError() != GL_NO_ERROR)
                return FailAndDelete(textureName, "PVRTTextureLoadFromPointer failed: glTexImage2D() failed.\n");
            offset += levelSize;
            width = std::max<uint64_t>(1, width / 2);
            height = std::max<uint64_t>(1, height / 2);
        }
    }

    if (headerOut) {
        std::memcpy(headerOut, &header, PVRTEX_OLD_HEADER_SIZE);
        headerOut->magic = PVRTEX_IDENTIFIER;
        headerOut->surfaceCount = surfaceCount;
    }
    // Sampling stops at the last level uploaded, and a mipmap filter is only
    // asked for when there are levels below level 0: a filter reaching for
    // a missing level samples black.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, GLint(uploadedLevels - 1));
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, uploadedLevels > 1 ? GL_LINEAR_MIPMAP_NEAREST : GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    return PVR_SUCCESS;
}

// Reads the header into a full record, working out the surface count.
// Returns the failure message, or null.
const char* ReadHeader(const unsigned char* bytes, size_t available, PVR_Texture_Header* header)
{
    const char* const notPvr = "PVRTTextureLoadFromPointer failed: not a valid pvr.\n";
    unsigned int headerSize;
    if (available < sizeof(headerSize))
        return notPvr;
    std::memcpy(&headerSize, bytes, sizeof(headerSize));
    if (headerSize != PVRTEX_HEADER_SIZE && headerSize != PVRTEX_OLD_HEADER_SIZE)
        return notPvr;
    if (available < headerSize)
        return "PVRTTextureLoadFromPointer failed: texture data is truncated.\n";
    std::memset(header, 0, sizeof(*header));
    std::memcpy(header, bytes, headerSize);
    if (headerSize == PVRTEX_OLD_HEADER_SIZE) {
        PVRTErrorOutputDebug("PVRTTextureLoadFromPointer warning: this is an old pvr - you can use PVRTexTool to "
                             "update its header.\n");
    }
    if (header->surfaceCount == 0)
        header->surfaceCount = (header->pixelFormatFlags & PVRTEX_CUBEMAP) ? 6 : 1;
    return header->surfaceCount <= kMaxSurfaces ? nullptr : notPvr;
}

EPVRTError LoadFromBytes(const unsigned char* bytes, size_t size, const unsigned char* textureData,
                         GLuint* textureName, const void* headerOut, bool allowDecompress, unsigned int loadFromLevel)
{
    PVR_Texture_Header header;
    if (const char* failure = ReadHeader(bytes, size, &header))
        return Fail(failure);
    const size_t dataBytes = size == kUnknownSize || textureData ? kUnknownSize : size - header.headerSize;
    const unsigned char* data = textureData ? textureData : bytes + header.headerSize;
    return LoadTexture(header, data, dataBytes, textureName,
                       static_cast<PVR_Texture_Header*>(const_cast<void*>(headerOut)), allowDecompress,
                       loadFromLevel);
}

} // namespace

EPVRTError PVRTTextureLoadFromPointer(const void* header, GLuint* textureName, const void* headerOut,
                                      bool allowDecompress, unsigned int loadFromLevel, const void* textureData)
{
    return LoadFromBytes(static_cast<const unsigned char*>(header), kUnknownSize,
                         static_cast<const unsigned char*>(textureData), textureName, headerOut, allowDecompress,
                         loadFromLevel);
}

EPVRTError PVRTTextureLoadFromPVR(const char* fileName, GLuint* textureName, const void* headerOut,
                                  bool allowDecompress, unsigned int loadFromLevel)
{
    CPVRTResourceFile file(fileName);
    if (!file.IsOpen())
        return PVR_FAIL;
    return LoadFromBytes(static_cast<const unsigned char*>(file.DataPtr()), file.Size(), nullptr, textureName,
                         headerOut, allowDecompress, loadFromLevel);
}
