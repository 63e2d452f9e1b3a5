// The party game: a pass-and-play game with its own saved game and a
// waypoint step before each move that the board and the camera consult
// through the party hooks it installs while it lives.
#pragma once

#include "qrvl/original/framework/FGTimer.h"
#include "qrvl/original/game/ModePassNPlay.h"

class PartyHooks;

class ModeParty : public ModePassNPlay {
public:
    ModeParty();
    ~ModeParty() override;

    using ModePassNPlay::init;
    // A pass-and-play game whose players have not yet tapped to play.
    bool init(bool load);

    // The waypoint step of a move: started once per move when the camera
    // takes its party view (the spin's value is the move's length), it
    // holds the car until the wait timer is over.
    void ClearWaypoints();
    void StartWaypointMode(unsigned spinValue);
    // True once the step is over and the car may start.
    bool ProcessWaypointMode();
    void StopWaypointMode();
    bool IsWaypointMode() const { return waypointMode; }
    int GetWaypointCount() const { return waypointCount; }

protected:
    void setupSaveGame() override;

private:
    int waypointCount = 0;
    int pendingCount = 0;
    bool waypointMode = false;
    FGTimer waitTimer;
    PartyHooks* hooks = nullptr;
};
