// A graphic item that draws an image set by a script, optionally centred on
// its position.
#pragma once

#include "guif/Graphic.h"
#include "norv/base/Lunar.h"

namespace Guif {

class Image : public Graphic {
public:
    static char const className[];
    static Norv::Lunar<Image>::RegType methods[];

    // What a script's Image() makes: no image, not centred.
    Image() = default;
    Image(Norv::XmlIt const& element, OverrideMap const* overrides);

    void Render(Norv::Surface* surface, int alpha) override;
    void Update(Norv::NorvFloat const&) override {}
    Norv::RectT<int> GetBoundingBox() override;
    int GetType() const override { return TypeImage; }

    Norv::Surface* GetImage() const { return image.Get(); }
    bool IsCentred() const { return centred; }

    // Script methods.
    int l_SetImage(lua_State* L);

private:
    Norv::SmartPtr<Norv::Surface> image;
    bool centred = false;
};

} // namespace Guif
