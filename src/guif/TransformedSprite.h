// A graphic item that draws an image scaled (uniformly or to a width and
// height) and turned about a pivot, which alignment can move to the image's
// right edge, bottom or centre.
#pragma once

#include "guif/Graphic.h"
#include "norv/base/Lunar.h"
#include "norv/graphics/Vector2.h"

namespace Guif {

class TransformedSprite : public Graphic {
public:
    static char const className[];
    static Norv::Lunar<TransformedSprite>::RegType methods[];

    enum HorAlign { AlignLeft = 0, AlignRight = 1, AlignHorCentre = 2 };
    enum VerAlign { AlignTop = 0, AlignVerCentre = 1, AlignBottom = 2 };

    // What a script's TransformedSprite() makes: no image and every scale 0,
    // so it draws nothing until it is given an image and a scale.
    TransformedSprite();
    TransformedSprite(Norv::XmlIt const& element, OverrideMap const* overrides, Screen* screen);

    void Render(Norv::Surface* surface, int alpha) override;
    void Update(Norv::NorvFloat const& seconds) override;
    // Relative to the position, ignoring the turn.
    Norv::RectT<int> GetBoundingBox() override;
    int GetType() const override { return TypeTransformedSprite; }

    // The displayed size in pixels.
    float GetWidth() const;
    float GetHeight() const;
    // Replaces the image; a sprite stretched to a width and height keeps its
    // displayed size.
    void SetImage(Norv::NarrowString const& name);
    void SetWidth(float width);
    void SetHeight(float height);
    void CalculateRenderPivot();

    Norv::Surface* GetImage() const { return image.Get(); }
    Norv::Point2<Norv::NorvFloat> const& GetRenderPivot() const { return renderPivot; }

    // Script methods.
    int l_SetAngle(lua_State* L);
    int l_GetAngle(lua_State* L);
    int l_SetScale(lua_State* L);
    int l_GetScale(lua_State* L);
    int l_SetPivot(lua_State* L);
    int l_GetPivot(lua_State* L);
    int l_SetWidth(lua_State* L);
    int l_GetWidth(lua_State* L);
    int l_SetHeight(lua_State* L);
    int l_GetHeight(lua_State* L);
    int l_SetImage(lua_State* L);

private:
    int ImageWidth() const { return image ? image->GetWidth() : 0; }
    int ImageHeight() const { return image ? image->GetHeight() : 0; }
    // Both given stretches; otherwise the uniform scale applies.
    bool IsStretched() const { return widthScale > 0 && heightScale > 0; }
    Norv::Vector2<Norv::NorvFloat> ScaleVector() const;

    Norv::SmartPtr<Norv::Surface> image;
    Norv::NorvFloat angle = 0;
    Norv::NorvFloat scale = 1;
    Norv::NorvFloat widthScale = -1;
    Norv::NorvFloat heightScale = -1;
    Norv::Point2<Norv::NorvFloat> pivot;
    Norv::Point2<Norv::NorvFloat> renderPivot;
    int horAlign = AlignLeft;
    int verAlign = AlignTop;
};

} // namespace Guif
