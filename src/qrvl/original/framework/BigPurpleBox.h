// A panel of the phone editions that the in-game HUD state still calls; it
// draws nothing.
#pragma once

class FGGraphics;

class BigPurpleBox {
public:
    void init() {}
    void drawSelf(FGGraphics&, int, int, int, int) {}
};
