// A post-process draws one surface onto another with an effect applied.
#pragma once

#include "norv/base/core/RefCounter.h"
#include "norv/graphics/RectT.h"

namespace Norv {

class Surface;

class PostProcess : public RefCounter {
public:
    // Bits of GetCaps.
    enum Caps {
        CapsAlways = 2 | 4,
        CapsTintShader = 32,
    };

    ~PostProcess() override = default;

    virtual void Render(Surface* source, Surface* destination, int x, int y, RectT<int> const& sourceRect) = 0;
    // What post-processing can do here: bit 32 with GLSL shaders.
    static int GetCaps();
};

} // namespace Norv
