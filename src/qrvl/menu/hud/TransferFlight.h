// Where the notes or the tile of a transfer fly on the HUD bar: up to five
// items on an arc between the current player's tab and the other party's.
#pragma once

namespace qrvl {

class TransferFlight {
public:
    struct Point {
        float x;
        float y;
    };
    struct Item {
        bool shown;
        Point at;
    };

    // The HUD bar's flight lasts this long from the start of a transfer.
    static constexpr int kFlightMs = 2100;
    static constexpr int kMoneyItems = 5;
    // The flight runs on a clock from 6000 down to 0; items are this far
    // apart on it and each is on its way for 4096 of it.
    static constexpr int kClockStart = 6000;
    static constexpr int kItemSpacing = 400;
    static constexpr int kItemTravel = 4096;
    // The top of the arc, in pixels above the straight line.
    static constexpr float kArcHeight = 90.0f;

    // toPlayer: the items fly from the other party to the player (a gain).
    // With cash five items fly, else one.
    static void Place(Point player, Point other, bool toPlayer, bool cash, int timeLeftMs, Item (&items)[kMoneyItems]);
};

} // namespace qrvl
