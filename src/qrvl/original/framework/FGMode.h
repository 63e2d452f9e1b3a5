// A screen of the game on the mode stack: only the top mode is ticked,
// drawn and given input.
#pragma once

class CGuiFrameTouchButton;

namespace Norv {
class Surface;
}

class FGMode {
public:
    virtual ~FGMode() = default;

    virtual void init() {}
    virtual void tick() {}
    virtual void drawSelf(Norv::Surface*) {}
    virtual void activate() { active = true; }
    virtual void deactivate() { active = false; }
    virtual void keyPressed(int) {}
    virtual void keyReleased(int) {}
    // A character beyond ASCII, typed on the keyboard (a Unicode code point).
    virtual void characterTyped(unsigned int) {}
    virtual void buttonSelected(CGuiFrameTouchButton*) {}
    virtual void mousePressed(int) {}
    virtual void mouseReleased(int) {}
    virtual void mouseWheel(int) {}
    virtual void pause() {}
    virtual void resume() {}
    virtual void onTouchUp(int, int, int) {}
    virtual void onTouchDown(int, int, int) {}
    virtual void onTouchMove(int, int, int) {}
    virtual bool isActiveMode() { return active; }
    // Multiplies the length of each tick while this mode is on top.
    virtual float GetTimeDistortionFactor() const { return 1.0f; }

private:
    bool active = false;
};
