// A graphic item that draws a clipped part of an image asset, at its
// position or stretched over the whole target.
#pragma once

#include "guif/Graphic.h"
#include "norv/base/Lunar.h"

namespace Guif {

class Sprite : public Graphic {
public:
    static char const className[];
    static Norv::Lunar<Sprite>::RegType methods[];

    // What a script's Sprite() makes: no image, a clip rectangle of zeros.
    Sprite() = default;
    Sprite(Norv::XmlIt const& element, OverrideMap const* overrides);

    void Render(Norv::Surface* surface, int alpha) override;
    // Advances an animated image.
    void Update(Norv::NorvFloat const& seconds) override;
    // The whole image, whatever the clip.
    Norv::RectT<int> GetBoundingBox() override;
    int GetType() const override { return TypeSprite; }

    Norv::Surface* GetImage() const { return image.Get(); }
    Norv::RectT<int> const& GetClip() const { return clip; }
    void SetClip(Norv::RectT<int> const& rect) { clip = rect; }
    // The clip rectangle held inside the image; empty when they do not meet.
    Norv::RectT<int> VisibleClip() const;

    // Script methods.
    int l_SetClipRect(lua_State* L);
    int l_SetFrame(lua_State* L);

private:
    Norv::SmartPtr<Norv::Surface> image;
    bool scale = false;
    Norv::RectT<int> clip;
};

} // namespace Guif
