// A pixel store held as an OpenGL texture (padded to powers of two where the
// GL needs it), with the CPU copy that is uploaded on first use.
#pragma once

#include <cstddef>
#include <memory>
#include <set>

#include "norv/base/core/SmartPtr.h"
#include "norv/graphics/PixelData.h"

namespace Norv {

class PixelDataGL : public PixelData {
public:
    // The CPU copy of the pixels and how to upload it.
    class ImageData {
    public:
        explicit ImageData(SmartPtr<PixelData> const& source) : source(source) {}
        ~ImageData();
        ImageData(ImageData const&) = delete;
        ImageData& operator=(ImageData const&) = delete;

        // The GL internal format, pixel format (0 for compressed data) and
        // pixel type of a pixel format.
        void SetFormat(PixelFormat format);
        // Uses the given bytes; they are freed with this record unless they
        // are the source store's own buffer.
        void SetPtr(unsigned char* bytes, std::size_t byteCount);

        unsigned glInternalFormat = 0;
        unsigned glFormat = 0;
        unsigned glType = 0;
        int textureHeight = 0;
        int textureWidth = 0;
        SmartPtr<PixelData> source;
        unsigned char* data = nullptr;
        std::size_t size = 0;  // bytes at data
    };

    // Frame-buffer name of a store that has never been a drawing destination.
    static unsigned const invalid_fbo;
    // Every texture store alive, for freeing and idle tracking.
    static std::set<PixelDataGL*> s_textures;
    // True when the running application frees idle textures: CPU copies
    // are then kept after upload, so a freed texture can be loaded again.
    static bool IdleTracking();
    // The bytes of every texture loaded now, at the sizes given to OpenGL,
    // for the benchmarks' memory breakdown.
    static std::size_t LoadedBytes();

    // A texture of a memory or RLE store (formats A8 to RLE565A5).
    explicit PixelDataGL(PixelData* source);
    // An empty texture: a drawing destination, or a buffer for compressed
    // blocks that an image reader fills through GetData.
    PixelDataGL(int width, int height, PixelFormat format);
    // The window's own frame buffer as a drawing destination: no texture,
    // frame-buffer name 0, not in s_textures.
    static PixelDataGL* CreateWindowStore(int width, int height, PixelFormat format);
    ~PixelDataGL() override;

    unsigned char* GetData() override;
    unsigned char const* GetData() const override;
    float GetScaleX() const override;
    float GetScaleY() const override;
    int GetType() const override;
    void ResetIdle() override;

    // Creates and uploads the texture; flags bit 1 (value 2) asks for linear
    // filtering. The texture stays bound.
    void Reload(int flags);
    // Deletes the texture and frame buffer; the CPU copy, if kept, stays.
    void _Free();
    static void Free();
    // One frame later for every store: textures idle for kIdleFrames are freed.
    static void CheckIdle();

    unsigned GetTexture() const { return texture; }
    unsigned GetFrameBuffer() const { return frameBuffer; }
    void SetFrameBuffer(unsigned name) { frameBuffer = name; }
    bool IsLoaded() const { return loaded; }
    ImageData* GetImageData() const { return imageData.get(); }
    int GetTextureWidth() const { return textureWidth; }
    int GetTextureHeight() const { return textureHeight; }
    void SetFormat(PixelFormat f) { format = f; }

    // Frames without use after which an idle texture is freed.
    static constexpr int kIdleFrames = 51;

private:
    struct WindowTag {};
    explicit PixelDataGL(WindowTag);
    void SetTextureSize(int w, int h);
    void CopyPadded(PixelData& source);

    unsigned texture = 0;
    unsigned frameBuffer = invalid_fbo;
    bool loaded = false;
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    int textureWidth = 1;
    int textureHeight = 1;
    std::unique_ptr<ImageData> imageData;
    int idleCounter = 0;
};

} // namespace Norv
