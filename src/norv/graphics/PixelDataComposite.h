// A pixel store drawn from two textures: colour, and opacity kept in the
// red channel of the second (opacity = 1 - red).
#pragma once

#include "norv/base/core/SmartPtr.h"
#include "norv/graphics/PixelDataGL.h"

namespace Norv {

class PixelDataComposite : public PixelData {
public:
    PixelDataComposite(PixelDataGL* colour, PixelDataGL* alpha);

    float GetScaleX() const override;
    float GetScaleY() const override;
    int GetType() const override;
    void ResetIdle() override;
    // Loads both textures.
    void Reload(int flags);

    PixelDataGL* GetColour() const { return colour.Get(); }
    PixelDataGL* GetAlpha() const { return alpha.Get(); }

private:
    SmartPtr<PixelDataGL> colour;
    SmartPtr<PixelDataGL> alpha;
};

} // namespace Norv
