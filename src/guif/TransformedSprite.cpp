// The transformed sprite item.
#include "guif/TransformedSprite.h"

#include "guif/ItemValues.h"
#include "norv/graphics/GraphicsAssets.h"
#include "norv/graphics/TriangleEngine.h"

#include <cmath>

namespace Guif {

TransformedSprite::TransformedSprite() : scale(0), widthScale(0), heightScale(0) {}

TransformedSprite::TransformedSprite(Norv::XmlIt const& element, OverrideMap const* overrides, Screen* screen)
{
    ConstructCommon(element, nullptr);
    Norv::NarrowString file;
    if (GetValue(element, "file", overrides, file) && !file.empty())
        image = Norv::g_assetDict->Get<Norv::Surface>(file, false);
    GetValue(element, "angle", overrides, angle, screen);
    GetValue(element, "pivot", overrides, pivot, screen);
    GetValue(element, "scale", overrides, scale, screen);
    Norv::NarrowString align;
    if (GetValue(element, "horAlign", overrides, align))
        horAlign = align == "center" ? AlignHorCentre : align == "right" ? AlignRight : AlignLeft;
    align.clear();
    if (GetValue(element, "verAlign", overrides, align))
        verAlign = align == "center" ? AlignVerCentre : align == "bottom" ? AlignBottom : AlignTop;
    Norv::NorvFloat width = 0;
    Norv::NorvFloat height = 0;
    GetValue(element, "width", overrides, width, screen);
    GetValue(element, "height", overrides, height, screen);
    // Without an image there is nothing to measure: the scales stay unset.
    if (ImageWidth() > 0 && ImageHeight() > 0) {
        widthScale = width > 0 || height <= 0 ? width / static_cast<float>(ImageWidth()) : 1.0f;
        heightScale = height > 0 || width <= 0 ? height / static_cast<float>(ImageHeight()) : 1.0f;
    }
    CalculateRenderPivot();
}

void TransformedSprite::CalculateRenderPivot()
{
    renderPivot = pivot;
    if (horAlign == AlignRight)
        renderPivot.x += static_cast<float>(ImageWidth());
    else if (horAlign == AlignHorCentre)
        renderPivot.x += static_cast<float>(ImageWidth() / 2);
    if (verAlign == AlignBottom)
        renderPivot.y += static_cast<float>(ImageHeight());
    else if (verAlign == AlignVerCentre)
        renderPivot.y += static_cast<float>(ImageHeight() / 2);
}

Norv::Vector2<Norv::NorvFloat> TransformedSprite::ScaleVector() const
{
    return IsStretched() ? Norv::Vector2<Norv::NorvFloat>(widthScale, heightScale)
                         : Norv::Vector2<Norv::NorvFloat>(scale, scale);
}

void TransformedSprite::Render(Norv::Surface* surface, int alpha)
{
    if (!image)
        return;
    image->SetAlpha(AlphaByte(alpha));
    Norv::TriangleEngine::Blit(surface, image.Get(), CalculateX(), CalculateY(), angle, ScaleVector(), renderPivot,
                               Norv::TriangleEngine::FlipNone);
}

void TransformedSprite::Update(Norv::NorvFloat const& seconds)
{
    if (image)
        image->Update(seconds);
}

Norv::RectT<int> TransformedSprite::GetBoundingBox()
{
    Norv::Vector2<Norv::NorvFloat> const s = ScaleVector();
    auto const round = [](float value) { return TruncateToInt(std::round(value)); };
    return Norv::RectT<int>(round(-renderPivot.x * s.x), round(-renderPivot.y * s.y),
                            round(static_cast<float>(ImageWidth()) * s.x),
                            round(static_cast<float>(ImageHeight()) * s.y));
}

float TransformedSprite::GetWidth() const
{
    return static_cast<float>(ImageWidth()) * (widthScale > 0 ? widthScale : scale);
}

float TransformedSprite::GetHeight() const
{
    return static_cast<float>(ImageHeight()) * (heightScale > 0 ? heightScale : scale);
}

void TransformedSprite::SetImage(Norv::NarrowString const& name)
{
    Norv::SmartPtr<Norv::Surface> replacement = Norv::g_assetDict->Get<Norv::Surface>(name, false);
    if (IsStretched() && replacement && replacement->GetWidth() > 0 && replacement->GetHeight() > 0) {
        float const width = GetWidth();
        float const height = GetHeight();
        widthScale = width / static_cast<float>(replacement->GetWidth());
        heightScale = height / static_cast<float>(replacement->GetHeight());
    }
    image = replacement;
    CalculateRenderPivot();
}

// Without an image there is no width to scale against: the call waits for
// nothing and changes nothing.
void TransformedSprite::SetWidth(float width)
{
    if (ImageWidth() > 0)
        widthScale = width / static_cast<float>(ImageWidth());
}

void TransformedSprite::SetHeight(float height)
{
    if (ImageHeight() > 0)
        heightScale = height / static_cast<float>(ImageHeight());
}

} // namespace Guif
