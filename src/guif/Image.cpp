// The image item.
#include "guif/Image.h"

#include "guif/ItemValues.h"
#include "norv/graphics/GraphicsAssets.h"

namespace Guif {

Image::Image(Norv::XmlIt const& element, OverrideMap const* overrides)
{
    ConstructCommon(element, nullptr);
    GetValue(element, "center", overrides, centred);
}

void Image::Render(Norv::Surface* surface, int alpha)
{
    if (!image)
        return;
    image->SetAlpha(AlphaByte(alpha));
    float left = CalculateX();
    float top = CalculateY();
    if (centred) {
        left -= static_cast<float>(image->GetWidth() / 2);
        top -= static_cast<float>(image->GetHeight() / 2);
    }
    surface->Blit(left, top, image.Get(), image->GetClipRect());
}

Norv::RectT<int> Image::GetBoundingBox()
{
    return image ? Norv::RectT<int>(0, 0, image->GetWidth(), image->GetHeight()) : Norv::RectT<int>();
}

} // namespace Guif
