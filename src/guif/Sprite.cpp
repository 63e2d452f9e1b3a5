// The sprite item.
#include "guif/Sprite.h"

#include "guif/ItemValues.h"
#include "norv/graphics/GraphicsAssets.h"

#include <algorithm>

namespace Guif {

Sprite::Sprite(Norv::XmlIt const& element, OverrideMap const* overrides)
{
    ConstructCommon(element, nullptr);
    Norv::NarrowString file;
    if (GetValue(element, "file", overrides, file))
        image = Norv::g_assetDict->Get<Norv::Surface>(file, false);
    if (image)
        clip = image->GetClipRect();
    GetValue(element, "scale", overrides, scale);
}

Norv::RectT<int> Sprite::VisibleClip() const
{
    int const width = image ? image->GetWidth() : 0;
    int const height = image ? image->GetHeight() : 0;
    int const left = std::max(clip.x, 0);
    int const top = std::max(clip.y, 0);
    // In 64 bits: a script's clip may reach the ends of int's range.
    long long const right = std::min(static_cast<long long>(clip.x) + clip.width, static_cast<long long>(width));
    long long const bottom = std::min(static_cast<long long>(clip.y) + clip.height, static_cast<long long>(height));
    return Norv::RectT<int>(left, top, static_cast<int>(std::max(right - left, 0LL)),
                            static_cast<int>(std::max(bottom - top, 0LL)));
}

void Sprite::Render(Norv::Surface* surface, int alpha)
{
    if (!image)
        return;
    image->SetAlpha(AlphaByte(alpha));
    Norv::RectT<int> const visible = VisibleClip();
    image->SetClipRect(visible);
    if (visible.width <= 0 || visible.height <= 0)
        return;
    if (scale)
        surface->BlitScale(image.Get(), visible);
    else
        surface->Blit(CalculateX(), CalculateY(), image.Get(), visible);
}

void Sprite::Update(Norv::NorvFloat const& seconds)
{
    if (image)
        image->Update(seconds);
}

Norv::RectT<int> Sprite::GetBoundingBox()
{
    return image ? Norv::RectT<int>(0, 0, image->GetWidth(), image->GetHeight()) : Norv::RectT<int>();
}

} // namespace Guif
