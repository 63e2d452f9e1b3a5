// The Guif screen of every scripted 2D page of the game: drawn and hit-tested
// inside the centred base area, and able to slide down out of the window and
// back up over a fixed time, reporting each slide to the HUD's count.
#pragma once

#include "guif/Screen.h"

namespace qrvl {

// The length of every slide, in seconds.
extern float g_fadeTime;

class TranslatableScreen : public Guif::Screen {
public:
    enum State { Shown = 0, Hidden = 1, SlidingIn = 2, SlidingOut = 3 };

    TranslatableScreen(unsigned int heapSize, void* heapMemory) : Guif::Screen(heapSize, heapMemory) {}
    // A screen that goes while sliding ends its slide, or the HUD would
    // count it as running for ever.
    ~TranslatableScreen() override { EndSlide(); }

    void Render(Norv::Surface* surface, float dx, float dy) override;
    void OnTouchUp(int x, int y, int id) override;
    void OnTouchDown(int x, int y, int id) override;
    void OnTouchMove(int x, int y, int id) override;
    void Update(Norv::NorvFloat const& seconds) override;

    virtual void FadeIn();
    virtual void FadeOut();
    virtual void Hide();
    virtual bool CanReceiveEvents() { return state == Shown; }

    State GetState() const { return state; }
    // How far below its place the screen is drawn, in pixels, for a window
    // of that height.
    int GetTranslation(int windowHeight) const;

private:
    // Ends a slide in progress, reporting its end.
    void EndSlide();
    void StartSlide(State slide);

    State state = Shown;
    float slideTime = 0.0f;
};

} // namespace qrvl
