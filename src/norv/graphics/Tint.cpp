// The tint post-process.
#include "norv/graphics/Tint.h"

#include <algorithm>

#include "norv/graphics/DrawState.h"
#include "norv/graphics/OpenGLBatcher.h"
#include "norv/graphics/ShaderLibrary.h"
#include "norv/graphics/Surface.h"

namespace Norv {

namespace {

// A vertex colour cannot brighten: a factor above 1 draws at 1.
std::uint8_t VertexChannel(int factor)
{
    return static_cast<std::uint8_t>(std::clamp(factor, 0, 255));
}

} // namespace

Tint::Tint() : shader(new OpenGLShader(false))
{
    if (GetCaps() & CapsTintShader)
        shader->Load(ShaderLibrary::TintVertex, ShaderLibrary::TintFragment);
}

void Tint::Set(NorvFloat const& r, NorvFloat const& g, NorvFloat const& b)
{
    red = static_cast<int>(r * 255.0f);
    green = static_cast<int>(g * 255.0f);
    blue = static_cast<int>(b * 255.0f);
}

void Tint::Render(Surface* source, Surface* destination, int x, int y, RectT<int> const& sourceRect)
{
    OpenGLBatcher* batcher = DrawingBatcher();
    if (!batcher || !source || !destination)
        return;
    bool const brightens = red > 255 || green > 255 || blue > 255;
    if (brightens && (GetCaps() & CapsTintShader) && batcher->UsesShaders() && shader->Build()) {
        batcher->SetShader(shader.Get());
        shader->Uniform("vColor", red / 255.0f, green / 255.0f, blue / 255.0f);
    } else {
        batcher->SetShader(nullptr);
    }
    SetTexturedState(*batcher, *destination, *source, Batcher::Blend, true);

    PixelData const& pixels = *source->GetPixelData();
    float const su = pixels.GetScaleX();
    float const sv = pixels.GetScaleY();
    float const X = static_cast<float>(x + source->GetXOffset());
    float const Y = static_cast<float>(y + source->GetYOffset());
    float const U = static_cast<float>(sourceRect.x + source->GetStartX()) * su;
    float const V = static_cast<float>(sourceRect.y + source->GetStartY()) * sv;
    float const w = static_cast<float>(sourceRect.width);
    float const h = static_cast<float>(sourceRect.height);
    std::uint8_t const r = VertexChannel(red);
    std::uint8_t const g = VertexChannel(green);
    std::uint8_t const b = VertexChannel(blue);
    batcher->Queue(BatcherVertex(X, Y, U, V, r, g, b, 255), BatcherVertex(X + w, Y, U + w * su, V, r, g, b, 255),
                   BatcherVertex(X + w, Y + h, U + w * su, V + h * sv, r, g, b, 255),
                   BatcherVertex(X, Y + h, U, V + h * sv, r, g, b, 255));
}

} // namespace Norv
