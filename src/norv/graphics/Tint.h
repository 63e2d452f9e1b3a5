// Draws a rectangle of a surface multiplied by a colour; factors above 1
// brighten through the tint shader where shaders exist.
#pragma once

#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/Types.h"
#include "norv/graphics/OpenGLShader.h"
#include "norv/graphics/PostProcess.h"

namespace Norv {

class Tint : public PostProcess {
public:
    Tint();

    void Set(NorvFloat const& r, NorvFloat const& g, NorvFloat const& b);
    void Render(Surface* source, Surface* destination, int x, int y, RectT<int> const& sourceRect) override;

    int GetRed() const { return red; }
    int GetGreen() const { return green; }
    int GetBlue() const { return blue; }

private:
    // Factors where 255 stands for 1.0; no change until Set.
    int red = 255;
    int green = 255;
    int blue = 255;
    SmartPtr<OpenGLShader> shader;
};

} // namespace Norv
