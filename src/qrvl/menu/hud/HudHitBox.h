// A HUD element's rectangle in window coordinates: its control's place in
// the layout, moved by the layout's centring offsets, with the size of its
// first picture. Every edge counts as inside.
#pragma once

namespace Guif {
class Screen;
}

namespace qrvl {

struct HudHitBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    // An empty box when the screen lacks the control or its picture.
    static HudHitBox Of(Guif::Screen* screen, char const* name);
    bool Contains(int px, int py) const { return x <= px && px <= x + width && y <= py && py <= y + height; }
    bool IsEmpty() const { return width == 0 && height == 0; }
};

} // namespace qrvl
