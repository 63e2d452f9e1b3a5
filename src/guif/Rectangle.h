// A graphic item that draws a filled or outlined rectangle.
#pragma once

#include "guif/Graphic.h"

namespace Guif {

class Rectangle : public Graphic {
public:
    // Width and height are numbers of the screen's script when one is given.
    Rectangle(Norv::XmlIt const& element, OverrideMap const* overrides, Screen* screen);

    void Render(Norv::Surface* surface, int alpha) override;
    void Update(Norv::NorvFloat const&) override {}
    Norv::RectT<int> GetBoundingBox() override { return Norv::RectT<int>(0, 0, width, height); }
    int GetType() const override { return TypeRectangle; }

    Norv::Color GetColor() const { return color; }
    bool IsFilled() const { return filled; }

private:
    int width = 0;
    int height = 0;
    bool filled = false;
    Norv::Color color{0, 0, 0, 255};
};

} // namespace Guif
