// The base of every pixel store: size, pitch, format and key colour.
#pragma once

#include "norv/base/core/RefCounter.h"
#include "norv/graphics/Color.h"
#include "norv/graphics/PixelFormat.h"

namespace Norv {

class PixelData : public RefCounter {
public:
    // Store kinds answered by GetType.
    enum Type {
        TypeBase = 0,
        TypeMemory = 1,
        TypeRLE = 2,
        TypeGL = 4,
        TypeComposite = 6,
    };

    PixelData() = default;
    PixelData(PixelData const& other) = default;
    ~PixelData() override = default;

    virtual Color GetPixel(int x, int y) const;
    virtual void PutPixel(int x, int y, Color const& color);
    virtual unsigned char* GetData();
    virtual unsigned char const* GetData() const;
    // Frees the CPU copy of the pixels.
    virtual void ReleaseData();
    // Factors from pixel coordinates to texture coordinates.
    virtual float GetScaleX() const;
    virtual float GetScaleY() const;
    virtual int GetType() const;
    // Marks the store as used in this frame.
    virtual void ResetIdle();

    int GetWidth() const { return width; }
    int GetHeight() const { return height; }
    int GetPitch() const { return pitch; }
    PixelFormat GetFormat() const { return format; }
    Color const& GetKeyColor() const { return keyColor; }
    void SetKeyColor(Color const& color) { keyColor = color; }

protected:
    int width = 0;
    int height = 0;
    int pitch = 0;
    PixelFormat format = A8;
    Color keyColor{255, 0, 255, 255};
};

} // namespace Norv
