// A pink or blue peg in one of a car's six seats: it rides with the car,
// sits down with a burst of coloured particles when it joins, and jumps at
// retirement.
#pragma once

#include "qrvl/original/phone/world/CEnt.h"
#include "qrvl/original/phone/world/CEntImpl.h"

class PegEnt : public CEnt {
public:
    // What `PlayAnim` plays.
    enum Anim { kJump = 0, kSecondJump = 1, kSitDown = 2 };

    // Seated in its last frame; `offset` moves it within the car's frame.
    PegEnt(CEntImpl& model, PVRTVec3 const& offset, bool pink, int seat);

    // The car's frame moved: the peg follows.
    void UpdateCarMatrix(PVRTMat4 const& car);
    void MatrixUpdated() override;
    // Plays a jump on the jump model, or sits down on the resting model.
    // The first request of a jump decides which jump file the peg keeps.
    void PlayAnim(int kind);
    bool AnimFinished() const;

    // Plays once and holds the last frame.
    void Update(float seconds) override;
    void Render() override;

    bool IsPink() const { return pink; }
    int GetSeat() const { return seat; }

private:
    void LoadAnims(int kind);

    bool pink;
    int seat;
    PVRTVec3 offset;
    bool animationFinished = true;
    Norv::SmartPtr<CEntImpl> jumpModel;
    Norv::SmartPtr<CEntImpl> restModel;
};
