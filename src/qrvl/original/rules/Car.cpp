// Driving a car along its path, step by step, through its 3D motion.
#include "qrvl/original/rules/Car.h"

#include "qrvl/original/rules/Board.h"
#include "qrvl/original/rules/BoardSpace.h"
#include "qrvl/original/rules/CarMotion.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/rules/RulesEngine.h"

#include <cfloat>

namespace {
CarMotion defaultMotion;
}

Car::Car() : motion(&defaultMotion) {}

void Car::init(int, CarMotion* carMotion)
{
    motion = carMotion ? carMotion : &defaultMotion;
}

bool Car::HasMotion() const
{
    return motion != &defaultMotion;
}

void Car::Place(BoardSpace* space)
{
    if (!space)
        return;
    currentSpace = space;
    placed = true;
    motion->Place(space);
    motion->SetShown(true);
}

bool Car::GetBoardPoint(float& x, float& z) const
{
    if (!placed || !currentSpace)
        return false;
    if (motion->GetGroundPoint(x, z))
        return true;
    // The default motion arrives at once: the car is where its space is.
    if (currentSpace->position[0] == FLT_MAX)
        return false;
    x = currentSpace->position[0];
    z = currentSpace->position[2];
    return true;
}

void Car::AddToPath(BoardSpace* space, bool newPath)
{
    if (newPath) {
        pathIndex = 0;
        pathCount = 0;
        pathClosed = false;
    } else if (pathClosed) {
        return;
    }
    if (!space || pathCount >= kMaxPath)
        return;
    path[pathCount++] = space;
    pathIndex = pathCount;
    if (space->IsStopSpace())
        pathClosed = true;
}

void Car::Go()
{
    state = kMoving;
    pathIndex = 0;
    stepStart = true;
}

void Car::PlayEndAnim()
{
    RulesEngine& engine = RulesEngine::get();
    engine.stopSound("car_move");
    engine.playSound("car_stop");
    endAnim = true;
}

void Car::CheckNextBranchSpaceIsOccupied(int choice)
{
    branchChoice = choice;
    stepStart = true;
}

void Car::Fade(bool out, int ms)
{
    if (ms < 0)
        ms = GetFadeTime(out);
    fadeMode = out ? kFadingOut : kFadingIn;
    fadeLength = ms;
    fadeRemaining = ms;
    setOpacity(out ? 1.0f : 0.0f);
}

void Car::setOpacity(float value)
{
    opacity = value;
    motion->SetOpacity(value);
}

void Car::SpawnPeg(int seat, bool female, bool animated)
{
    motion->SpawnPeg(seat, female, animated);
}

void Car::Tick(int ms)
{
    if (fadeMode != kNoFade) {
        if (fadeRemaining > 0) {
            fadeRemaining = fadeRemaining > ms ? fadeRemaining - ms : 0;
            float f = fadeLength > 0 ? static_cast<float>(fadeRemaining) / fadeLength : 0.0f;
            setOpacity(fadeMode == kFadingOut ? f : 1.0f - f);
        } else {
            setOpacity(fadeMode == kFadingOut ? 0.0f : 1.0f);
            fadeMode = kNoFade;
        }
    }
    if (state != kMoving)
        return;
    Board* board = Board::GetBoard();
    if (stepStart) {
        if (carMadeWay) {
            carMadeWay->Fade(false, kFadeInMs);
            carMadeWay = nullptr;
        }
        if (board && pathIndex < pathCount) {
            // The space ahead is the next one of the path the board built.
            BoardSpace* ahead = path[pathIndex];
            if (!board->spaceEmpty(ahead)) {
                RulesEngine::get().playSound("car_honk");
                Car* other = board->getCarInSpace(ahead, true);
                if (other && other != this && other->player && !other->player->isRetired()) {
                    other->Fade(true, kFadeOutMs);
                    carMadeWay = other;
                }
            }
        }
        stepStart = false;
    }
    if (pathIndex >= pathCount) {
        // An empty path has nowhere to go: the move is over where it started.
        state = kArrived;
        return;
    }
    motion->SetNextWaypoint(path[pathIndex], pathIndex == 0, pathIndex == pathCount - 1);
    if (!motion->Tick(ms))
        return;
    BoardSpace* reached = path[pathIndex];
    Place(reached);
    stepStart = true;
    ++pathIndex;
    if (pathIndex >= pathCount) {
        pathIndex = pathCount - 1;
        state = kArrived;
    } else if (reached->IsPauseSpace()) {
        state = kPaused;
    }
}

void Car::GetValidCamerasForRoute(std::vector<unsigned>& out, bool partyGame, float timeDistortion) const
{
    out.clear();
    if (partyGame) {
        out.push_back(3);
        return;
    }
    int mask = 5;
    if (pathCount > 0) {
        mask = 15;
        for (int i = 0; i < pathCount; ++i)
            mask &= path[i]->cameraMask;
    }
    for (unsigned shot = 0; shot < 4; ++shot) {
        if (!(mask & (1 << shot)))
            continue;
        if (shot == 1 && timeDistortion != 1.0f)
            continue;
        out.push_back(shot);
    }
}
