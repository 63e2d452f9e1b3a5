// Where the board camera stands and what it looks at. A shot of a target
// (a car, the wheel, an event, a peg, free look) is cut to at once or
// reached through timed phases (zoom out, pan, zoom in, or a blend of
// offsets); while a shot holds, the camera follows its target. In free look
// the player pans and zooms over the board within limits.
#pragma once

#include "qrvl/original/phone/world/Camera.h"
#include "qrvl/original/phone/world/CameraProgress.h"
#include "qrvl/original/phone/world/Interpolator.h"
#include "qrvl/port/CAverager.h"
#include "qrvl/port/RegistryVar.h"

#include "contrib/pvr/PVRTMat4.h"
#include "contrib/pvr/PVRTVec2.h"
#include "contrib/pvr/PVRTVec3.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/WeakPtr.h"
#include "qrvl/original/phone/world/CEnt.h"

#include <vector>

class CCarMotion;
class LandHeights;

class CCameraController : public CameraProgress {
public:
    enum eOffsetType {
        kNoShot = 0, kChase = 1, kCircle = 2, kTopDown = 3, kParty = 4,
        kSpinnerShot = 5, kFreeLook = 6, kEvent = 7, kMarriage = 8, kPeg = 9
    };
    // States from kLeavingPartyFreeLook on are transitions.
    enum State {
        kNone = 0, kCarView = 1, kSpinnerView = 2, kFreeLookView = 3, kEventView = 4, kPegView = 5,
        kPartyView = 6, kLeavingPartyFreeLook = 7, kZoomingOut = 8, kPanning = 9, kZoomingIn = 10,
        kBlending = 11
    };

    // Writes the tuning values.
    CCameraController();

    // The land the eye keeps above and looks at; without it only the
    // view's direction is kept sound.
    void SetLand(LandHeights const* heights) { land = heights; }
    // The wheel entity, the target of the wheel shots.
    void SetSpinner(CEnt* wheel) { spinner = wheel; }
    // Cuts straight to the wheel.
    void SnapToSpinner();
    // One of the shots (numbered from 0) the car's route allows, picked at
    // random; free look over the car instead when asked.
    void PanToCar(CCarMotion const& car, std::vector<unsigned> const& shots, bool freeLook);
    void PanToEvent(CEnt* entity, bool marriage);
    void PanToPeg(CEnt* entity);
    void PanToSpinner(bool freeLook);
    // `car` is the target's motion when the target is a car.
    void StartTransition(CEnt* entity, eOffsetType newShot, CCarMotion const* car = nullptr);

    // Once per frame with the frame's milliseconds; while skipping every
    // transition completes at once.
    void Update();
    void Update(int frameMs);

    PVRTMat4 GetCamera() const { return view; }
    Camera const& GetCameraHolder() const { return *camera; }
    bool DestinationReached() const override { return state < kLeavingPartyFreeLook; }
    int GetState() const { return state; }
    eOffsetType GetShot() const { return shot; }
    PVRTVec3 GetLastEye() const { return lastEye; }
    // Whether an eye of a previous frame exists yet.
    bool HasLastEye() const { return haveLast; }
    PVRTVec3 GetCurrentLookOffset() const { return currentLookOffset; }

    // Free look: a drag pans over the ground, the wheel zooms.
    void PanXZ(PVRTVec2 delta);
    void ZoomY(short delta);
    // Jumps to a ground point at the lowest height.
    void MoveXZ(PVRTVec2 const& point);

private:
    CCarMotion const* TargetCar() const { return target ? targetCar : nullptr; }
    PVRTVec3 TargetPos() const;
    PVRTVec3 Rot(PVRTVec3 const& v) const;
    void ShotOffsets(eOffsetType forShot, PVRTVec3& move, PVRTVec3& look) const;
    void Blend(PVRTVec3 move, PVRTVec3 look, int timeMs, bool rotateMove, bool rotateLook);
    void DriveOffsets(PVRTVec3 const& move, PVRTVec3 const& look, int timeMs);
    void Cut();
    // The party game's waypoint step starts with its camera.
    void SetupPartyModeCamera();
    void SetupZoomOut();
    void SetupPan();
    void SetupZoomIn();
    void SetupFreeLook();
    void EnterFreeLook();
    void UpdateState(int ms);
    void UpdateLookAtSpinner();
    void UpdateMatrix();
    // Aims the view from `eye` at `at`, the eye moved as the land needs;
    // false, and the view kept, when the two give no direction.
    bool Look(PVRTVec3& eye, PVRTVec3 const& at, PVRTVec3 const& up);
    bool ApplyFreeLookMovement(float dx, float dy, float dz);
    float HeightProportion(float height) const;
    PVRTVec3 FreeLookOffset(float height) const;

    int state = kNone;
    PVRTVec3 moveOffset, lookOffset;
    PVRTVec3 currentMoveOffset, currentLookOffset;
    // Entities are held weakly: the board may free them while the camera
    // moves, and the camera then holds still.
    Norv::WeakPtr<CEnt> lookEntity;
    Norv::WeakPtr<CEnt> moveEntity;
    bool haveLast = false;
    PVRTVec3 lastEye, lastAt;
    PVRTMat4 view;
    Interpolator interpolator;
    Norv::WeakPtr<CEnt> target;
    // Owned by the target's entity: read only while the target lives.
    CCarMotion const* targetCar = nullptr;
    Norv::WeakPtr<CEnt> spinner;
    LandHeights const* land = nullptr;
    eOffsetType shot = kNoShot;
    CAverager<PVRTVec3> chaseAverager;
    CAverager<PVRTVec3> topDownAverager;
    PVRTVec3 freeLookPos;
    bool pendingMove = false;
    PVRTVec2 pendingPoint;
    float circleAngle = 0.0f;
    Norv::SmartPtr<Camera> camera;

    Norv::SmartPtr<RegistryVar<PVRTVec3>> spinnerMove, spinnerLook, carChase, carCircle, carTopDown, carLook;
    Norv::SmartPtr<RegistryVar<PVRTVec3>> eventLook, eventMove, marriageLook, marriageMove, pegLook, pegMove;
    Norv::SmartPtr<RegistryVar<PVRTVec3>> freeLookLow, freeLookHigh;
    Norv::SmartPtr<RegistryVar<float>> freeLookHeightAdj, carCircleSpeed;
    Norv::SmartPtr<RegistryVar<int>> zoomTime, panTime, rotateTime, pegTime;
};
