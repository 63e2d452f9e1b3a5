// A drawable image: a texture store with flags, a clipping rectangle and an
// opacity. Surfaces are drawn and drawn into through the global batcher.
#pragma once

#include "norv/base/core/RefCounter.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/Types.h"
#include "norv/base/core/WeakRefCounter.h"
#include "norv/graphics/Batcher.h"
#include "norv/graphics/Color.h"
#include "norv/graphics/PixelData.h"
#include "norv/graphics/RectT.h"

namespace Norv {

class Surface : public RefCounter, public WeakRefCounter {
public:
    enum Flags {
        ColorKeyed = 1,
        LinearFiltering = 2,
    };

    Surface();
    // Memory and RLE stores are wrapped in a texture store; texture and
    // composite stores are used as they are.
    explicit Surface(PixelData* pixels);
    // An empty texture to draw into.
    Surface(int width, int height, PixelFormat format);
    ~Surface() override = default;

    virtual Color GetPixel(int x, int y) const;
    // Ignored outside the clipping rectangle, whose right and bottom edges
    // count as inside.
    virtual void PutPixel(int x, int y, Color const& color);
    virtual int GetWidth() const;
    virtual int GetHeight() const;
    virtual RectT<int> const& GetClipRect() const;
    virtual int QueryFlag(int mask) const;
    // Advances an animation; a still image has nothing to do.
    virtual bool Update(NorvFloat const& seconds);
    // Drawing offset and position in the pixel store of the current frame.
    virtual int GetXOffset() const;
    virtual int GetYOffset() const;
    virtual int GetStartX() const;
    virtual int GetStartY() const;

    // A new surface of the same size and format holding this one's pixels.
    Surface* Copy();

    void Blit(float x, float y, Surface* source, RectT<int> const& rect);
    // Tinted by the colour's red, green and blue.
    void BlitAlpha(int x, int y, Color const& color, Surface* source, RectT<int> const& rect);
    void BlitAdditive(int x, int y, Surface* source, RectT<int> const& rect);
    // Stretches the part of the source over the whole of this surface.
    void BlitScale(Surface* source, RectT<int> const& rect);
    void BlitMask(int x, int y, Surface* source, Surface* mask, RectT<int> const& rect);
    void Clear(Color const& color);
    void Clear(unsigned char grey);

    void DrawLine(NorvFloat x1, NorvFloat y1, NorvFloat x2, NorvFloat y2, Color const& color);
    void DrawHorizontalLine(int x1, int x2, int y, Color const& color);
    void DrawVerticalLine(int x, int y1, int y2, Color const& color);
    void DrawRectangle(int x1, int y1, int x2, int y2, Color const& color);
    void DrawFilledRectangle(int x1, int y1, int x2, int y2, Color const& color);
    void DrawCircle(NorvFloat cx, NorvFloat cy, NorvFloat radius, Color const& color);
    void DrawFilledCircle(NorvFloat cx, NorvFloat cy, NorvFloat radius, Color const& color);

    // Turns a not yet uploaded RGB888 image into RGB565.
    void ConvertTo565();
    void ConvertTo8888();
    void ConvertToRLE();

    PixelData* GetPixelData() const { return pixelData.Get(); }
    int GetFlags() const { return flags; }
    void SetFlags(int value) { flags = value; }
    void SetClipRect(RectT<int> const& rect) { clipRect = rect; }
    unsigned char GetAlpha() const { return alpha; }
    void SetAlpha(unsigned char value) { alpha = value; }

private:
    void TexturedBlit(float x, float y, Surface* source, RectT<int> const& rect, Color const& tint,
                      Batcher::DrawingMode mode);
    Batcher* BeginUntextured(Batcher::PrimitiveType type, unsigned char colourAlpha);
    // Fills the clip rectangle with the colour and the given opacity.
    void ClearClip(Color const& color, NorvFloat alphaValue);
    bool CoversSurface(int x1, int y1, int x2, int y2) const;

protected:
    int flags = 0;
    SmartPtr<PixelData> pixelData;
    RectT<int> clipRect;
    unsigned char alpha = 255;
};

} // namespace Norv
