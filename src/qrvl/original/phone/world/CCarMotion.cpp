// The car's drive and turn. Distances are whole world units along a path;
// the speed is in units per millisecond.
#include "qrvl/original/phone/world/CCarMotion.h"

#include "qrvl/original/rules/BoardSpace.h"
#include "qrvl/original/phone/world/CEnt.h"
#include "qrvl/original/phone/world/CSkipManager.h"
#include "qrvl/original/phone/world/CWorld.h"
#include "qrvl/original/phone/world/MatrixUtil.h"

#include <algorithm>
#include <cmath>

CCarMotion::CCarMotion()
    : maxSpeed(new RegistryVar<float>("CarMaxSpeed", 0.75f)),
      rotateSpeed(new RegistryVar<float>("CarRotateSpeed", 2.0f)),
      markerDist(new RegistryVar<int>("CarMarkerDist", 90))
{
}

PVRTMat4 CCarMotion::HeadingAt(Nurbs const& onPath, float atDistance)
{
    PVRTVec3 point;
    PVRTVec3 tangent;
    onPath.CalcPointAtDist(atDistance, &point, &tangent, nullptr);
    PVRTMat4 heading = PVRTMat4::LookAt(PVRTVec3(), PVRTVec3(-tangent.x, -tangent.y, tangent.z),
                                        PVRTVec3(0.0f, 1.0f, 0.0f), false);
    Util::SetPos(heading, point);
    return heading;
}

void CCarMotion::Place(BoardSpace* space)
{
    if (!space)
        return;
    path = space->path;
    if (!path)
        return;
    distance = std::trunc(space->pathDistance);
    PlaceOnPath();
}

bool CCarMotion::GetGroundPoint(float& x, float& z) const
{
    if (!entity)
        return false;
    PVRTVec3 const at = Util::GetPos(entity->worldMatrix);
    x = at.x;
    z = at.z;
    return true;
}

void CCarMotion::PlaceOnPath()
{
    if (path && entity) {
        entity->worldMatrix = HeadingAt(*path, distance);
        entity->MatrixUpdated();
    }
}

void CCarMotion::SetOpacity(float opacity)
{
    if (!entity)
        return;
    entity->alpha = opacity;
    for (Norv::SmartPtr<CEnt> const& peg : entity->children)
        peg->alpha = opacity;
}

void CCarMotion::SetShown(bool shown)
{
    if (entity)
        entity->visible = shown;
}

void CCarMotion::SpawnPeg(int seat, bool female, bool animated)
{
    if (entity)
        CWorld::GetWorld().SpawnPeg(entity, female, seat, animated);
}

void CCarMotion::SetNextWaypoint(BoardSpace* space, bool, bool last)
{
    if (!space || space == target)
        return;
    target = space;
    lastWaypoint = last;
    if (space->path != path && space->startsPath)
        SetupSlide(space->path.Get(), 0.0f);
    else
        state = kDriving;
}

void CCarMotion::SetupSlide(Nurbs* newPath, float atDistance)
{
    PVRTMat4 const startMatrix = entity ? entity->worldMatrix : PVRTMat4::Identity();
    PVRTMat4 const targetMatrix = newPath ? HeadingAt(*newPath, atDistance) : startMatrix;
    startRotation = Mat2Quat(startMatrix);
    endRotation = Mat2Quat(targetMatrix);
    turnProgress = 0.0f;
    state = kTurning;
}

bool CCarMotion::Tick(int ms)
{
    if (!target)
        return false;
    if (CSkipManager::GetSkipManager().IsSkipping()) {
        Place(target);
        return true;
    }
    if (state == kDriving) {
        // The fraction of a unit is carried over, so that short frames move
        // the car as well as long ones.
        float const step = static_cast<float>(ms) * maxSpeed->Get();
        distance += step;
        bool const arrived = distance >= target->pathDistance;
        if (arrived) {
            if (lastWaypoint) {
                distance = std::trunc(target->pathDistance);
                state = kIdle;
            }
        } else if (path && distance >= path->GetLength()) {
            // The path ends before the target: turn onto the target's path.
            distance -= step;
            SetupSlide(target->path.Get(), target->pathDistance);
        }
        PlaceOnPath();
        return arrived;
    }
    if (state == kTurning) {
        turnProgress = std::min(1.0f, turnProgress + static_cast<float>(ms) / 1000.0f * rotateSpeed->Get());
        if (entity) {
            PVRTQUATERNIONf turned;
            PVRTMatrixQuaternionSlerpF(turned, startRotation, endRotation, turnProgress);
            PVRTVec3 const position = Util::GetPos(entity->worldMatrix);
            PVRTMatrixRotationQuaternionF(entity->worldMatrix, turned);
            Util::SetPos(entity->worldMatrix, position);
        }
        if (turnProgress == 1.0f) {
            path = target->path;
            distance = target->startsPath ? 0.0f : std::trunc(target->pathDistance);
            PlaceOnPath();
            state = kDriving;
        }
    }
    return false;
}

PVRTQUATERNIONf CCarMotion::Mat2Quat(PVRTMat4 const& m)
{
    float const* e = m.f;
    float q[4]; // x, y, z, w
    float const trace = e[0] + e[5] + e[10];
    if (trace > 0.0f) {
        float const r = std::sqrt(trace + 1.0f);
        float const s = 0.5f / r;
        q[3] = r / 2.0f;
        q[0] = (e[9] - e[6]) * s;
        q[1] = (e[2] - e[8]) * s;
        q[2] = (e[4] - e[1]) * s;
    } else {
        int i = e[5] > e[0] ? 1 : 0;
        if (e[10] > e[5 * i])
            i = 2;
        int const j = (i + 1) % 3;
        int const k = (j + 1) % 3;
        float const r = std::sqrt(e[5 * i] - (e[5 * j] + e[5 * k]) + 1.0f);
        float const s = r != 0.0f ? 0.5f / r : r;
        q[i] = r / 2.0f;
        q[3] = (e[4 * k + j] - e[4 * j + k]) * s;
        q[j] = (e[4 * j + i] + e[4 * i + j]) * s;
        q[k] = (e[4 * k + i] + e[4 * i + k]) * s;
    }
    PVRTQUATERNIONf quaternion {q[0], q[1], q[2], q[3]};
    PVRTMatrixQuaternionNormalizeF(quaternion);
    return quaternion;
}
