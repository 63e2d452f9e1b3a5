// The camera's shots and transitions. Offsets are world units from the
// target's position, turned by the target's rotation where a shot says so;
// times are milliseconds.
#include "qrvl/original/phone/world/CCameraController.h"

#include "norv/base/core/Pi.h"
#include "qrvl/original/framework/PresentationHooks.h"
#include "qrvl/original/phone/world/CCarMotion.h"
#include "qrvl/original/phone/world/CSkipManager.h"
#include "qrvl/original/phone/world/MatrixUtil.h"
#include "qrvl/original/phone/world/ViewOverLand.h"
#include "qrvl/original/rules/Board.h"
#include "qrvl/original/rules/PartyHooks.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

using Var3 = RegistryVar<PVRTVec3>;

// The up direction of the following camera, tilted a little towards -z,
// and that of the instant matrix of a cut.
PVRTVec3 const kUp(0.0f, 0.99503714f, -0.09950372f);
PVRTVec3 const kCutUp(0.0f, 1.0f, 0.1f);
constexpr float kDegreesToRadians = Norv::kPiF / 180.0f;
// The following camera swings after its car over this many frames.
constexpr unsigned kFollowFrames = 16;
// While skipping, transitions run in steps of a second; a transition takes
// at most three phases, so this bound is never reached by a sound one.
constexpr int kSkipStepMs = 1000;
constexpr int kMaxSkipSteps = 16;
// Free-look limits: lowest eye height, how far above the high offset the
// eye may climb, and the ground box, widened by the share s of the way
// down from the high offset to the low one.
constexpr float kMinFreeLookHeight = 950.0f;
constexpr float kFreeLookClimb = 5000.0f;
constexpr float kMinX = -3000.0f, kMinXWiden = 500.0f, kMaxX = 3000.0f, kMaxXWiden = 800.0f;
constexpr float kMinZ = -1650.0f, kMinZWiden = 500.0f, kMaxZ = 2000.0f, kMaxZWiden = 500.0f;

bool IsCarShot(int shot)
{
    return shot >= CCameraController::kChase && shot <= CCameraController::kParty;
}

bool IsFollowShot(int shot)
{
    return shot >= CCameraController::kChase && shot <= CCameraController::kTopDown;
}

PVRTVec3 TurnedAboutVertical(PVRTVec3 const& v, float angle)
{
    float const c = std::cos(angle);
    float const s = std::sin(angle);
    return PVRTVec3(v.x * c + v.z * s, v.y, -v.x * s + v.z * c);
}

} // namespace

CCameraController::CCameraController()
    : view(PVRTMat4::Identity()), interpolator(0), chaseAverager(PVRTVec3(), kFollowFrames),
      topDownAverager(PVRTVec3(), kFollowFrames), camera(new Camera),
      spinnerMove(new Var3("CamSpinnerMoveOffset", PVRTVec3(0, 900, 200))),
      spinnerLook(new Var3("CamSpinnerLookOffset", PVRTVec3(0, 0, 0))),
      carChase(new Var3("CamCarChaseOffset", PVRTVec3(0, 150, -380))),
      carCircle(new Var3("CamCarCircleOffset", PVRTVec3(0, 300, -300))),
      carTopDown(new Var3("CamCarTopDownOffset", PVRTVec3(0, 600, 200))),
      carLook(new Var3("CamCarLookOffset", PVRTVec3(0, 60, 40))),
      eventLook(new Var3("CamEventLookOffset", PVRTVec3(0, 80, -25))),
      eventMove(new Var3("CamEventMoveOffset", PVRTVec3(-175, 150, 0))),
      marriageLook(new Var3("CamMarriageLookOffset", PVRTVec3(0, 200, 80))),
      marriageMove(new Var3("CamMarriageMoveOffset", PVRTVec3(-375, 450, 400))),
      pegLook(new Var3("CamPegLookOffset", PVRTVec3(0, 200, 0))),
      pegMove(new Var3("CamPegMoveOffset", PVRTVec3(105, 460, -325))),
      freeLookLow(new Var3("CamFreeLookOffsetLow", PVRTVec3(0, 950, 400))),
      freeLookHigh(new Var3("CamFreeLookOffsetHigh", PVRTVec3(0, 1200, 200))),
      freeLookHeightAdj(new RegistryVar<float>("CamFreeLookHeightAdj", 2.0f)),
      carCircleSpeed(new RegistryVar<float>("CarCircleSpeed", 0.1f)),
      zoomTime(new RegistryVar<int>("CamZoomTime", 500)), panTime(new RegistryVar<int>("PanTime", 1000)),
      rotateTime(new RegistryVar<int>("RotateTime", 1000)), pegTime(new RegistryVar<int>("PegTime", 3000))
{
}

PVRTVec3 CCameraController::TargetPos() const
{
    return target ? Util::GetPos(target->worldMatrix) : PVRTVec3();
}

PVRTVec3 CCameraController::Rot(PVRTVec3 const& v) const
{
    return target ? Util::RotateVec(target->worldMatrix, v) : v;
}

void CCameraController::SnapToSpinner()
{
    state = kNone;
    PanToSpinner(false);
    UpdateMatrix();
}

void CCameraController::PanToCar(CCarMotion const& car, std::vector<unsigned> const& shots, bool freeLook)
{
    if (freeLook) {
        StartTransition(car.GetEntity(), kFreeLook, &car);
        return;
    }
    if (shots.empty())
        return;
    unsigned const pick = shots[(static_cast<unsigned>(std::rand()) % shots.size()) & 0xFFFF];
    StartTransition(car.GetEntity(), static_cast<eOffsetType>(pick + 1), &car);
}

void CCameraController::PanToEvent(CEnt* entity, bool marriage)
{
    StartTransition(entity, marriage ? kMarriage : kEvent);
}

void CCameraController::PanToPeg(CEnt* entity)
{
    StartTransition(entity, kPeg);
}

void CCameraController::PanToSpinner(bool freeLook)
{
    if (spinner)
        StartTransition(spinner.Get(), freeLook ? kFreeLook : kSpinnerShot);
}

void CCameraController::ShotOffsets(eOffsetType forShot, PVRTVec3& move, PVRTVec3& look) const
{
    move = look = PVRTVec3();
    switch (forShot) {
    case kChase: move = Rot(carChase->Get()); look = Rot(carLook->Get()); break;
    case kCircle: move = TurnedAboutVertical(carCircle->Get(), circleAngle); look = Rot(carLook->Get()); break;
    case kTopDown: move = Rot(carTopDown->Get()); look = Rot(carLook->Get()); break;
    case kSpinnerShot: move = spinnerMove->Get(); look = spinnerLook->Get(); break;
    case kFreeLook: move = FreeLookOffset(haveLast ? lastEye.y : freeLookLow->Get().y); break;
    case kEvent: move = Rot(eventMove->Get()); look = Rot(eventLook->Get()); break;
    case kMarriage: move = Rot(marriageMove->Get()); look = Rot(marriageLook->Get()); break;
    case kPeg: move = Rot(pegMove->Get()); look = Rot(pegLook->Get()); break;
    default: break;
    }
}

void CCameraController::StartTransition(CEnt* entity, eOffsetType newShot, CCarMotion const* car)
{
    if (entity == target.Get() && (newShot == shot || (IsCarShot(newShot) && IsCarShot(shot))))
        return;
    target = entity;
    targetCar = car;
    shot = newShot;
    pendingMove = pendingMove && newShot == kFreeLook;
    chaseAverager.Reset();
    topDownAverager.Reset();
    circleAngle = 0.0f;
    bool const zoomOut = newShot >= kChase && newShot <= kFreeLook;
    switch (state) {
    case kCarView:
        if (newShot == kEvent || newShot == kMarriage)
            Blend(newShot == kEvent ? eventMove->Get() : marriageMove->Get(),
                  newShot == kEvent ? eventLook->Get() : marriageLook->Get(), rotateTime->Get(), true, true);
        else if (newShot == kPeg)
            Blend(pegMove->Get(), pegLook->Get(), pegTime->Get(), true, true);
        else if (zoomOut)
            SetupZoomOut();
        else
            Cut();
        break;
    case kSpinnerView:
        if (IsFollowShot(newShot) || newShot == kFreeLook)
            SetupZoomOut();
        else
            Cut();
        break;
    case kFreeLookView:
        if (PartyHooks::Get().OnTop()) {
            // A party game leaves free look by way of the wheel.
            state = kLeavingPartyFreeLook;
        } else if (IsFollowShot(newShot) || newShot == kSpinnerShot) {
            SetupPan();
            state = kPanning;
        } else {
            Cut();
        }
        break;
    case kEventView:
    case kPegView:
        if (IsFollowShot(newShot))
            Blend(newShot == kChase ? carChase->Get() : newShot == kCircle ? carCircle->Get() : carTopDown->Get(),
                  carLook->Get(), rotateTime->Get(), newShot != kCircle, true);
        else if (newShot == kSpinnerShot || newShot == kFreeLook)
            SetupZoomOut();
        else
            Cut();
        break;
    default:
        Cut();
        break;
    }
}

void CCameraController::DriveOffsets(PVRTVec3 const& move, PVRTVec3 const& look, int timeMs)
{
    interpolator.Stop();
    interpolator.SetInterpolant(&moveOffset.x, move.x);
    interpolator.SetInterpolant(&moveOffset.y, move.y);
    interpolator.SetInterpolant(&moveOffset.z, move.z);
    interpolator.SetInterpolant(&lookOffset.x, look.x);
    interpolator.SetInterpolant(&lookOffset.y, look.y);
    interpolator.SetInterpolant(&lookOffset.z, look.z);
    interpolator.Start(Interpolator::kEased, timeMs);
    if (!interpolator.IsRunning()) {
        // A time tuned to nothing arrives at once.
        moveOffset = move;
        lookOffset = look;
    }
}

void CCameraController::Blend(PVRTVec3 move, PVRTVec3 look, int timeMs, bool rotateMove, bool rotateLook)
{
    lookEntity = moveEntity = target;
    DriveOffsets(rotateMove ? Rot(move) : move, rotateLook ? Rot(look) : look, timeMs);
    state = kBlending;
}

void CCameraController::Cut()
{
    interpolator.Stop();
    lookEntity = moveEntity = target;
    ShotOffsets(shot, moveOffset, lookOffset);
    switch (shot) {
    case kChase: case kCircle: case kTopDown: state = kCarView; break;
    case kSpinnerShot: state = kSpinnerView; break;
    case kFreeLook: EnterFreeLook(); break;
    case kEvent: case kMarriage: state = kEventView; break;
    case kPeg: state = kPegView; break;
    case kParty:
        SetupPartyModeCamera();
        state = kPanning;
        break;
    default: state = kNone; break;
    }
    currentMoveOffset = moveOffset;
    currentLookOffset = lookOffset;
}

void CCameraController::SetupPartyModeCamera()
{
    if (PartyHooks::Get().OnTop())
        PartyHooks::Get().StartWaypointMode();
}

void CCameraController::SetupZoomOut()
{
    if (lookEntity) {
        DriveOffsets(freeLookLow->Get(), PVRTVec3(), zoomTime->Get());
    } else {
        interpolator.Stop();
        moveOffset = lookOffset = PVRTVec3();
    }
    state = kZoomingOut;
}

void CCameraController::SetupPan()
{
    lookEntity = Norv::WeakPtr<CEnt>();
    // From where the eye is now, so that it does not jump.
    moveOffset = (haveLast ? lastEye : PVRTVec3()) - TargetPos();
    moveEntity = target;
    DriveOffsets(FreeLookOffset(haveLast ? lastEye.y : freeLookLow->Get().y), PVRTVec3(), panTime->Get());
}

void CCameraController::SetupZoomIn()
{
    lookEntity = moveEntity = target;
    if (IsFollowShot(shot) || shot == kSpinnerShot) {
        PVRTVec3 move, look;
        ShotOffsets(shot, move, look);
        DriveOffsets(move, look, zoomTime->Get());
    }
}

void CCameraController::SetupFreeLook()
{
    UpdateMatrix();
    interpolator.Stop();
    moveOffset = lookOffset = PVRTVec3();
    lookEntity = moveEntity = Norv::WeakPtr<CEnt>();
    freeLookPos = TargetPos();
}

void CCameraController::UpdateState(int ms)
{
    if (interpolator.IsRunning()) {
        interpolator.Update(ms);
        currentMoveOffset = moveOffset;
        currentLookOffset = lookOffset;
        return;
    }
    switch (state) {
    case kSpinnerView: UpdateLookAtSpinner(); return;
    case kLeavingPartyFreeLook:
        target = spinner;
        shot = kSpinnerShot;
        SetupPan();
        state = kPanning;
        return;
    case kZoomingOut: SetupPan(); state = kPanning; return;
    case kPanning:
        if (shot == kParty) {
            state = kPartyView;
        } else if (shot == kFreeLook) {
            EnterFreeLook();
        } else {
            SetupZoomIn();
            state = kZoomingIn;
        }
        return;
    case kZoomingIn: state = shot == kSpinnerShot ? kSpinnerView : kCarView; return;
    case kBlending:
        state = IsFollowShot(shot) ? kCarView : shot == kPeg ? kPegView : kEventView;
        return;
    default: break;
    }
    if (shot == kCircle) {
        lookOffset = Rot(carLook->Get());
        if (TargetCar() && TargetCar()->GetState() != CCarMotion::kIdle)
            circleAngle += static_cast<float>(ms) * carCircleSpeed->Get() * kDegreesToRadians;
        moveOffset = TurnedAboutVertical(carCircle->Get(), circleAngle);
    } else if ((shot == kChase || shot == kTopDown) && target) {
        PVRTVec3 const at = TargetPos();
        if (at.x != 0.0f || at.y != 0.0f || at.z != 0.0f) {
            lookOffset = Rot(carLook->Get());
            CAverager<PVRTVec3>& follow = shot == kChase ? chaseAverager : topDownAverager;
            follow.AddSample(Rot(shot == kChase ? carChase->Get() : carTopDown->Get()));
            moveOffset = follow.CalculateAverage();
        }
    }
    currentMoveOffset = moveOffset;
    currentLookOffset = lookOffset;
}

void CCameraController::UpdateLookAtSpinner()
{
    lookEntity = moveEntity = spinner;
    moveOffset = spinnerMove->Get();
    lookOffset = spinnerLook->Get();
    currentMoveOffset = moveOffset;
    currentLookOffset = lookOffset;
}

void CCameraController::Update()
{
    Update(PresentationHooks::Get().GetLastFrameTimeMs());
}

void CCameraController::Update(int frameMs)
{
    if (CSkipManager::GetSkipManager().IsSkipping()) {
        for (int step = 0; step == 0 || (state >= kLeavingPartyFreeLook && step < kMaxSkipSteps); ++step)
            UpdateState(kSkipStepMs);
    } else {
        UpdateState(frameMs);
    }
    if (!moveEntity) {
        camera->SetCamera(view);
        return;
    }
    PVRTVec3 eye = Util::GetPos(moveEntity->worldMatrix) + currentMoveOffset;
    PVRTVec3 at;
    if (lookEntity) {
        at = Util::GetPos(lookEntity->worldMatrix) + currentLookOffset;
    } else if (haveLast) {
        // The viewing direction stays; the eye rises over the land first,
        // so that a rise does not tip the view down frame after frame.
        KeepEyeOverLand(land, eye);
        at = eye - lastEye + lastAt;
    } else {
        at = eye + currentLookOffset;
    }
    if (Look(eye, at, kUp)) {
        lastEye = eye;
        lastAt = at;
        haveLast = true;
    }
    camera->SetCamera(view);
}

bool CCameraController::Look(PVRTVec3& eye, PVRTVec3 const& at, PVRTVec3 const& up)
{
    // A shot with no direction, such as the party shot cut to with no
    // offsets, keeps the last view rather than a matrix of NaNs.
    if (!KeepViewOverLand(land, eye, at, up))
        return false;
    view = PVRTMat4::LookAt(eye, at, up, true);
    return true;
}

void CCameraController::UpdateMatrix()
{
    if (!target)
        return;
    PVRTVec3 const at = TargetPos();
    PVRTVec3 eye = at + moveOffset;
    Look(eye, at + lookOffset, kCutUp);
    camera->SetCamera(view);
}

float CCameraController::HeightProportion(float height) const
{
    float const low = freeLookLow->Get().y;
    float const high = freeLookHigh->Get().y;
    return high != low ? (height - low) / (high - low) : 0.0f;
}

PVRTVec3 CCameraController::FreeLookOffset(float height) const
{
    float const t = std::clamp(HeightProportion(height), 0.0f, 1.0f);
    return freeLookLow->Get() * (1.0f - t) + freeLookHigh->Get() * t;
}

bool CCameraController::ApplyFreeLookMovement(float dx, float dy, float dz)
{
    if (state != kFreeLookView)
        return false;
    float const speedUp = 1.0f + HeightProportion(freeLookPos.y) * freeLookHeightAdj->Get();
    PVRTVec3 wanted(freeLookPos.x + dx * speedUp, freeLookPos.y + dy, freeLookPos.z + dz * speedUp);
    float const widen = std::clamp(1.0f - HeightProportion(wanted.y), 0.0f, 1.0f);
    wanted.x = std::clamp(wanted.x, kMinX - kMinXWiden * widen, kMaxX + kMaxXWiden * widen);
    wanted.y = std::clamp(wanted.y, kMinFreeLookHeight, freeLookHigh->Get().y + kFreeLookClimb);
    wanted.z = std::clamp(wanted.z, kMinZ - kMinZWiden * widen, kMaxZ + kMaxZWiden * widen);
    PVRTVec3 const at(wanted.x, 0.0f, wanted.z);
    PVRTVec3 const eye = at + FreeLookOffset(wanted.y);
    freeLookPos = PVRTVec3(wanted.x, eye.y, wanted.z);
    view = PVRTMat4::LookAt(eye, at, kUp, true);
    lastEye = eye;
    lastAt = at;
    haveLast = true;
    camera->SetCamera(view);
    return true;
}

void CCameraController::PanXZ(PVRTVec2 delta)
{
    ApplyFreeLookMovement(-delta.x, 0.0f, -delta.y);
}

void CCameraController::ZoomY(short delta)
{
    ApplyFreeLookMovement(0.0f, -static_cast<float>(delta), 0.0f);
}

void CCameraController::MoveXZ(PVRTVec2 const& point)
{
    // A point chosen while the camera is still on its way to free look is
    // where free look begins.
    if (state != kFreeLookView && shot == kFreeLook) {
        pendingMove = true;
        pendingPoint = point;
        return;
    }
    freeLookPos = PVRTVec3(point.x, 0.0f, point.y);
    ApplyFreeLookMovement(0.0f, 0.0f, 0.0f);
}

void CCameraController::EnterFreeLook()
{
    SetupFreeLook();
    state = kFreeLookView;
    if (pendingMove) {
        pendingMove = false;
        MoveXZ(pendingPoint);
    }
}
