// One space of the board: its record in the board file, its place in 3D on
// the car paths, and the money and family effects it has on the player who
// lands on it.
#pragma once

#include "qrvl/boardfile/BoardRecord.h"
#include "qrvl/port/Nurbs.h"

#include "norv/base/core/SmartPtr.h"

class BoardPresenter;
class Player;

class BoardSpace : public BoardRecord {
public:
    BoardSpace();

    int GetHudColor() const;
    int GetPortrait() const;
    static int calcPayPerChild(const Player* player, int value);

    void Process(Player* player, BoardPresenter* presenter) const;
    void ProcessPostAnim(Player* player) const;
    void CheckForJournalEvents(Player* player) const;

    float position[3];
    // The car path this space lies on (null: none), its distance along it,
    // and whether it is the first space laid on that path.
    Norv::SmartPtr<Nurbs> path;
    float pathDistance = 0.0f;
    bool startsPath = false;
};
