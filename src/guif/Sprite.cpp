// The sprite item.
#include "guif/Sprite.h"

#include "guif/ItemValues.h"
#include "norv/base/Lua.h"
#include "norv/graphics/AnimatedSurface.h"
#include "norv/graphics/GraphicsAssets.h"

#include <algorithm>

namespace Guif {

char const Sprite::className[] = "Sprite";

Norv::Lunar<Sprite>::RegType Sprite::methods[] = {
    {"SetClipRect", &Sprite::l_SetClipRect},
    {"SetFrame", &Sprite::l_SetFrame},
    {nullptr, nullptr},
};

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

int Sprite::l_SetClipRect(lua_State* L)
{
    Norv::Lua lua(L);
    clip = Norv::RectT<int>(TruncateToInt(lua.CheckNumber(1)), TruncateToInt(lua.CheckNumber(2)),
                            TruncateToInt(lua.CheckNumber(3)), TruncateToInt(lua.CheckNumber(4)));
    return 0;
}

// Only an animated image has frames; on a still one the call does nothing.
int Sprite::l_SetFrame(lua_State* L)
{
    double const frame = Norv::Lua(L).CheckNumber(1);
    auto* animated = dynamic_cast<Norv::AnimatedSurface*>(image.Get());
    if (animated && frame >= 0)
        animated->SetFrame(static_cast<unsigned int>(TruncateToInt(frame)));
    return 0;
}

} // namespace Guif
