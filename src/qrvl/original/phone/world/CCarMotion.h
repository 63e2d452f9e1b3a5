// Moves one car's entity along the board's paths: at a constant speed along
// the current path to the next space, turning on the spot to the heading of
// a new path where the route changes paths. The rules' car hands it one
// space at a time and is told when the space is reached.
#pragma once

#include "qrvl/original/rules/CarMotion.h"
#include "qrvl/port/Nurbs.h"
#include "qrvl/port/RegistryVar.h"

#include "contrib/pvr/PVRTMat4.h"
#include "contrib/pvr/PVRTQuaternion.h"
#include "norv/base/core/SmartPtr.h"

class BoardSpace;
class CEnt;

class CCarMotion : public CarMotion {
public:
    enum State { kIdle = 0, kDriving = 1, kTurning = 2 };

    // Writes the tuning values.
    CCarMotion();

    // The car's entity, whose world matrix the motion writes; null until
    // the entity attaches itself. The entity owns the motion.
    void SetEntity(CEnt* car) { entity = car; }
    CEnt* GetEntity() const { return entity; }

    // Stands the car on the space's path at the space; state and target
    // stay.
    void Place(BoardSpace* space) override;
    void SetNextWaypoint(BoardSpace* space, bool first, bool last) override;
    // True when the target space is reached; while skipping at once.
    bool Tick(int ms) override;
    // The car and every peg in it take the opacity.
    void SetOpacity(float opacity) override;
    void SetShown(bool shown) override;
    // A peg for the seat, sitting down when `animated`.
    void SpawnPeg(int seat, bool female, bool animated) override;
    // The entity's position, once the entity is attached.
    bool GetGroundPoint(float& x, float& z) const override;

    int GetState() const { return state; }
    float GetDistance() const { return distance; }
    Nurbs* GetPath() const { return path.Get(); }

    // The rotation of a matrix's 3x3 part as a unit quaternion.
    static PVRTQUATERNIONf Mat2Quat(PVRTMat4 const& m);
    // The car's orientation at a distance along a path, its point as the
    // translation.
    static PVRTMat4 HeadingAt(Nurbs const& path, float distance);

private:
    void PlaceOnPath();
    void SetupSlide(Nurbs* newPath, float atDistance);

    CEnt* entity = nullptr;
    Norv::SmartPtr<Nurbs> path;
    float distance = 0.0f;
    BoardSpace* target = nullptr;
    bool lastWaypoint = false;
    int state = kIdle;
    PVRTQUATERNIONf startRotation {0.0f, 0.0f, 0.0f, 1.0f};
    PVRTQUATERNIONf endRotation {0.0f, 0.0f, 0.0f, 1.0f};
    float turnProgress = 0.0f;
    Norv::SmartPtr<RegistryVar<float>> maxSpeed;
    Norv::SmartPtr<RegistryVar<float>> rotateSpeed;
    Norv::SmartPtr<RegistryVar<int>> markerDist;
};
