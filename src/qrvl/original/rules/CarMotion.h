// The 3D side of a car: its motion along the board's paths, its opacity and
// the pegs of its people. The default arrives at every waypoint at once.
#pragma once

class BoardSpace;

class CarMotion {
public:
    virtual ~CarMotion() = default;

    virtual void Place(BoardSpace*) {}
    virtual void SetNextWaypoint(BoardSpace*, bool, bool) {}
    // True when the waypoint has been reached.
    virtual bool Tick(int) { return true; }
    virtual void SetOpacity(float) {}
    virtual void SetShown(bool) {}
    virtual void SpawnPeg(int, bool, bool) {}
    // Where the car's body stands on the board plane; false without a body.
    virtual bool GetGroundPoint(float&, float&) const { return false; }
};
