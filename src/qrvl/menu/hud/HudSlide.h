// The slide of a bar at the bottom of the in-game screen: up onto the screen
// and down off it with a quadratic ease, reversing a running slide in place.
#pragma once

namespace qrvl {

class HudSlide {
public:
    enum ScrollState { OnScreen = 0, OffScreen = 1, SlidingOn = 2, SlidingOff = 3 };

    // How long a whole slide takes.
    static constexpr int kSlideMs = 500;
    // Positions run in 4096ths of the way: 0 off screen, 4096 on screen.
    static constexpr int kFullyOn = 4096;

    void StartScrollOn();
    void StartScrollOff();
    void ForceOffScreen();
    void ForceOnScreen();
    void Update(int ms);

    ScrollState GetState() const { return state; }
    int GetPosition() const { return position; }
    bool IsOnScreen() const { return state == OnScreen; }
    bool IsOffScreen() const { return state == OffScreen; }
    // How far below its place the bar is drawn on a surface of that height.
    int Drop(int height) const;

private:
    ScrollState state = OffScreen;
    int timeLeft = 0;
    int position = 0;
};

} // namespace qrvl
