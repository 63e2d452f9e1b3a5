// What the board's move and the camera ask of a party game: its waypoint
// step, which holds the car between the spin and the move. The party game
// installs an implementation while it lives; the defaults stand for a game
// without one, whose cars start as soon as the wheel rests.
#pragma once

#include "qrvl/original/framework/InstalledHooks.h"

class PartyHooks : public InstalledHooks<PartyHooks> {
public:
    virtual ~PartyHooks() = default;

    // A party game is being played (its cameras differ from the others').
    virtual bool Running() const { return false; }
    // The party game is the mode on top, not under a screen of its own.
    virtual bool OnTop() const { return false; }
    // The waypoint step has started and the car waits for it.
    virtual bool IsWaypointMode() const { return false; }
    // Starts the waypoint step for the spin on the board.
    virtual void StartWaypointMode() {}
    // True once the step is over and the car may start.
    virtual bool ProcessWaypointMode() { return true; }
    virtual void StopWaypointMode() {}
};
