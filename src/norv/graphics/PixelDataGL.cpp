// Texture stores: their sizes, padding, upload and freeing.
#include "norv/graphics/PixelDataGL.h"

#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "norv/application/AbstractApp.h"
#include "norv/graphics/Batcher.h"
#include "norv/graphics/DrawState.h"
#include "norv/graphics/OpenGL.h"
#include "norv/graphics/OpenGLBatcher.h"
#include "norv/graphics/PixelDataRLE.h"

#ifndef GL_COMPRESSED_RGB_PVRTC_4BPPV1_IMG
#define GL_COMPRESSED_RGB_PVRTC_4BPPV1_IMG 0x8C00
#define GL_COMPRESSED_RGB_PVRTC_2BPPV1_IMG 0x8C01
#define GL_COMPRESSED_RGBA_PVRTC_4BPPV1_IMG 0x8C02
#define GL_COMPRESSED_RGBA_PVRTC_2BPPV1_IMG 0x8C03
#endif
#ifndef GL_ETC1_RGB8_OES
#define GL_ETC1_RGB8_OES 0x8D64
#endif

namespace Norv {

unsigned const PixelDataGL::invalid_fbo = ~0u;
std::set<PixelDataGL*> PixelDataGL::s_textures;

namespace {

// Before OpenGL reports its limit: no implementation offers larger
// textures, and sizes stay far from integer overflow.
constexpr int kLargestTexture = 1 << 16;

// Uploads so far, each a value the frame fingerprints have not seen.
std::uint64_t s_uploads = 0;

struct GLFormat {
    GLenum internalFormat;
    GLenum format;  // 0 for compressed blocks
    GLenum type;
};

GLFormat GLFormatOf(PixelFormat format)
{
    switch (format) {
    case RGB565: return {GL_RGB, GL_RGB, GL_UNSIGNED_SHORT_5_6_5};
    case RGB888: return {GL_RGB, GL_BGR, GL_UNSIGNED_BYTE};
    case RGBA8888:
    // Sized: Mesa's llvmpipe has drawn nothing from an unsized RGBA texture
    // of BGRA data once programs had been rebuilt.
    case RLE565A5: return {GL_RGBA8, GL_BGRA, GL_UNSIGNED_BYTE};
    case DXT1: return {GL_COMPRESSED_RGB_S3TC_DXT1_EXT, 0, GL_UNSIGNED_BYTE};
    case DXT5: return {GL_COMPRESSED_RGBA_S3TC_DXT5_EXT, 0, GL_UNSIGNED_BYTE};
    // Stores of these formats are only made where the GL offers them; the
    // image readers decode them in software elsewhere.
    case PVRTC2_RGB: return {GL_COMPRESSED_RGB_PVRTC_2BPPV1_IMG, 0, GL_UNSIGNED_BYTE};
    case PVRTC2_RGBA: return {GL_COMPRESSED_RGBA_PVRTC_2BPPV1_IMG, 0, GL_UNSIGNED_BYTE};
    case PVRTC4_RGB: return {GL_COMPRESSED_RGB_PVRTC_4BPPV1_IMG, 0, GL_UNSIGNED_BYTE};
    case PVRTC4_RGBA: return {GL_COMPRESSED_RGBA_PVRTC_4BPPV1_IMG, 0, GL_UNSIGNED_BYTE};
    case ETC1: return {GL_ETC1_RGB8_OES, 0, GL_UNSIGNED_BYTE};
    default: return {GL_ALPHA, GL_ALPHA, GL_UNSIGNED_BYTE};
    }
}

// Block size in pixels and bytes of a compressed format; 0 bytes otherwise.
struct BlockLayout {
    int width;
    int height;
    int bytes;
};

BlockLayout BlockLayoutOf(PixelFormat format)
{
    switch (format) {
    case DXT1:
    case PVRTC4_RGB:
    case PVRTC4_RGBA:
    case ETC1: return {4, 4, 8};
    case DXT5: return {4, 4, 16};
    case PVRTC2_RGB:
    case PVRTC2_RGBA: return {8, 4, 8};
    default: return {1, 1, 0};
    }
}

// Bytes of one pixel in the padded copy of a memory or RLE source.
int CopyBytesPerPixel(PixelFormat format)
{
    return format == RLE565A5 ? 4 : GetPixelFormatInfo(format).bytesPerPixel;
}

// A side of the texture that holds an image side of `size` pixels: the
// size itself where the GL takes any size (no padded copy is then made and
// the texture takes no more memory than the image), else the next power of
// two. Block-compressed data keeps power-of-two sides: its readers fill
// whole blocks of them.
int TextureDimension(int size, PixelFormat format)
{
    int const limit = g_GL_caps.maxTextureSize > 0 ? std::min(g_GL_caps.maxTextureSize, kLargestTexture)
                                                   : kLargestTexture;
    if (g_GL_caps.npot && BlockLayoutOf(format).bytes == 0)
        return std::clamp(size, 1, limit);
    int dimension = 1;
    while (dimension < size && dimension < limit)
        dimension <<= 1;
    return dimension;
}

} // namespace

PixelDataGL::ImageData::~ImageData()
{
    if (data && !(source && source->GetData() == data))
        delete[] data;
}

void PixelDataGL::ImageData::SetFormat(PixelFormat format)
{
    GLFormat const gl = GLFormatOf(format);
    glInternalFormat = gl.internalFormat;
    glFormat = gl.format;
    glType = gl.type;
}

void PixelDataGL::ImageData::SetPtr(unsigned char* bytes, std::size_t byteCount)
{
    data = bytes;
    size = byteCount;
}

PixelDataGL::PixelDataGL(PixelData* source)
{
    width = source->GetWidth();
    height = source->GetHeight();
    pitch = source->GetPitch();
    PixelFormat const sourceFormat = source->GetFormat();
    format = sourceFormat == RLE565A5 ? RGBA8888 : sourceFormat;
    keyColor = source->GetKeyColor();
    imageData.reset(new ImageData(source));
    imageData->SetFormat(sourceFormat);
    SetTextureSize(width, height);

    int const bytes = CopyBytesPerPixel(sourceFormat);
    if (sourceFormat > RLE565A5 || sourceFormat < A8) {
        // Block-compressed images are read straight into empty stores.
        std::fprintf(stderr, "PixelDataGL: cannot make a texture of a format %d image\n", sourceFormat);
    } else if (sourceFormat != RLE565A5 && width == textureWidth && height == textureHeight &&
               pitch == width * bytes && source->GetData()) {
        imageData->SetPtr(source->GetData(), static_cast<std::size_t>(pitch) * static_cast<std::size_t>(height));
    } else {
        CopyPadded(*source);
        source->ReleaseData();
    }
    s_textures.insert(this);
}

PixelDataGL::PixelDataGL(int w, int h, PixelFormat f)
{
    width = w;
    height = h;
    pitch = w;
    format = (f == RLE565A5 || !IsPixelFormatValid(f)) ? RGB888 : f;
    imageData.reset(new ImageData(nullptr));
    imageData->SetFormat(format);
    SetTextureSize(w, h);
    BlockLayout const block = BlockLayoutOf(format);
    if (block.bytes) {
        std::size_t const blocks = static_cast<std::size_t>((textureWidth + block.width - 1) / block.width) *
                                   static_cast<std::size_t>((textureHeight + block.height - 1) / block.height);
        std::size_t const size = blocks * static_cast<std::size_t>(block.bytes);
        unsigned char* bytes = new unsigned char[size];
        std::memset(bytes, 0, size);
        imageData->SetPtr(bytes, size);
    }
    s_textures.insert(this);
}

PixelDataGL::PixelDataGL(WindowTag)
{
    frameBuffer = 0;
    loaded = true;
}

PixelDataGL* PixelDataGL::CreateWindowStore(int w, int h, PixelFormat f)
{
    PixelDataGL* store = new PixelDataGL(WindowTag());
    store->width = w;
    store->height = h;
    store->pitch = w;
    store->format = f;
    store->SetTextureSize(w, h);
    return store;
}

PixelDataGL::~PixelDataGL()
{
    // The batcher must forget this store even when it has no texture: the
    // window's store is a destination too.
    if (g_batcher)
        g_batcher->DeleteNotify(this);
    _Free();
    imageData.reset();
    s_textures.erase(this);
}

void PixelDataGL::SetTextureSize(int w, int h)
{
    textureWidth = TextureDimension(w, format);
    textureHeight = TextureDimension(h, format);
    scaleX = 1.0f / static_cast<float>(textureWidth);
    scaleY = 1.0f / static_cast<float>(textureHeight);
    if (imageData) {
        imageData->textureWidth = textureWidth;
        imageData->textureHeight = textureHeight;
    }
}

void PixelDataGL::CopyPadded(PixelData& source)
{
    PixelFormat const sourceFormat = source.GetFormat();
    std::size_t const bytes = static_cast<std::size_t>(CopyBytesPerPixel(sourceFormat));
    std::size_t const rowBytes = static_cast<std::size_t>(textureWidth) * bytes;
    std::size_t const size = rowBytes * static_cast<std::size_t>(textureHeight);
    unsigned char* out = new unsigned char[size];
    std::memset(out, 0, size);
    imageData->SetPtr(out, size);

    int const columns = std::clamp(width, 0, textureWidth);
    int const rows = std::clamp(height, 0, textureHeight);
    unsigned char const* data = source.GetData();
    bool const rle = sourceFormat == RLE565A5;
    unsigned char const* cursor = data;
    unsigned char const* const end = rle && data ? data + static_cast<PixelDataRLE&>(source).GetSize() : nullptr;
    std::unique_ptr<unsigned char[]> decoded(rle ? new unsigned char[static_cast<std::size_t>(std::max(width, 0)) * 4]
                                                 : nullptr);
    bool const pitchFits = source.GetPitch() >= 0 &&
                           static_cast<std::size_t>(source.GetPitch()) >= static_cast<std::size_t>(columns) * bytes;
    if (!data || (!rle && !pitchFits)) {
        std::fprintf(stderr, "PixelDataGL: source image has no pixels to upload\n");
        return;
    }
    bool malformed = false;
    for (int y = 0; y < rows; ++y) {
        unsigned char* row = out + static_cast<std::size_t>(y) * rowBytes;
        unsigned char const* sourceRow = data + static_cast<std::size_t>(y) * static_cast<std::size_t>(source.GetPitch());
        if (rle) {
            cursor = PixelDataRLE::DecodeRow(cursor, end, width, decoded.get());
            malformed = malformed || !cursor;
            sourceRow = decoded.get();
        }
        std::memcpy(row, sourceRow, static_cast<std::size_t>(columns) * bytes);
        for (int x = columns; x < textureWidth && columns > 0; ++x)
            std::memcpy(row + static_cast<std::size_t>(x) * bytes, row + static_cast<std::size_t>(columns - 1) * bytes,
                        bytes);
    }
    for (int y = rows; y < textureHeight && rows > 0; ++y)
        std::memcpy(out + static_cast<std::size_t>(y) * rowBytes, out + static_cast<std::size_t>(rows - 1) * rowBytes,
                    rowBytes);
    if (malformed)
        std::fprintf(stderr, "PixelDataGL: malformed run-length stream; the rest is left transparent\n");
}

unsigned char* PixelDataGL::GetData()
{
    return imageData ? imageData->data : nullptr;
}

unsigned char const* PixelDataGL::GetData() const
{
    return imageData ? imageData->data : nullptr;
}

float PixelDataGL::GetScaleX() const
{
    return scaleX;
}

float PixelDataGL::GetScaleY() const
{
    return scaleY;
}

int PixelDataGL::GetType() const
{
    return TypeGL;
}

std::size_t PixelDataGL::LoadedBytes()
{
    std::size_t bytes = 0;
    for (PixelDataGL const* store : s_textures)
        if (store->loaded)
            bytes += static_cast<std::size_t>(store->textureWidth) * static_cast<std::size_t>(store->textureHeight)
                     * static_cast<std::size_t>(CopyBytesPerPixel(store->format));
    return bytes;
}

void PixelDataGL::ResetIdle()
{
    idleCounter = 0;
}

void PixelDataGL::Reload(int flags)
{
    if (!texture)
        glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    GLint const filter = (flags & 2) ? GL_LINEAR : GL_NEAREST;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    // Rows of RGB888 and odd-width images are not padded to four bytes.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);

    GLFormat gl = GLFormatOf(format);
    unsigned char const* data = nullptr;
    std::size_t size = 0;
    if (imageData) {
        gl = {imageData->glInternalFormat, imageData->glFormat, imageData->glType};
        data = imageData->data;
        size = imageData->size;
    }
    if (gl.format == 0) {
        if (data)
            glCompressedTexImage2D(GL_TEXTURE_2D, 0, gl.internalFormat, textureWidth, textureHeight, 0,
                                   static_cast<GLsizei>(size), data);
    } else {
        glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(gl.internalFormat), textureWidth, textureHeight, 0,
                     gl.format, gl.type, data);
    }
    if (!IdleTracking())
        imageData.reset();
    loaded = true;
    // New pixels under an old texture name: the next frame is unlike the last.
    if (OpenGLBatcher* batcher = DrawingBatcher()) {
        ++s_uploads;
        batcher->Fold(&s_uploads, sizeof s_uploads);
    }
}

void PixelDataGL::_Free()
{
    if (!texture)
        return;
    if (frameBuffer != invalid_fbo && frameBuffer != 0)
        glDeleteFramebuffersEXT(1, &frameBuffer);
    frameBuffer = invalid_fbo;
    glDeleteTextures(1, &texture);
    texture = 0;
    loaded = false;
}

void PixelDataGL::Free()
{
    for (PixelDataGL* store : s_textures)
        store->_Free();
}

bool PixelDataGL::IdleTracking()
{
    AbstractApp const* app = AbstractApp::s_application;
    return app && (app->GetFlags() & AbstractApp::CheckTexturesIdle);
}

void PixelDataGL::CheckIdle()
{
    for (PixelDataGL* store : s_textures) {
        if (++store->idleCounter >= kIdleFrames && store->texture)
            store->_Free();
    }
}

} // namespace Norv
