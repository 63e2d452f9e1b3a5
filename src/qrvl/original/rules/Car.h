// A player's token: the space it stands on, the path of up to 16 spaces it
// drives in one move, its fades, and making way for a car driving through.
#pragma once

#include <vector>

class BoardSpace;
class CarMotion;
class Player;

class Car {
public:
    enum State { kIdle = 0, kMoving = 1, kPaused = 2, kArrived = 3 };
    enum FadeMode { kNoFade = 0, kFadingOut = 1, kFadingIn = 2 };
    static constexpr int kMaxPath = 16;
    static constexpr int kFadeOutMs = 300;
    static constexpr int kFadeInMs = 500;

    Car();

    // The 3D side; null keeps the default, which arrives at once. Not owned.
    void init(int colour, CarMotion* motion = nullptr);
    // Whether the car has its own motion rather than the default one.
    bool HasMotion() const;
    CarMotion* GetMotion() const { return motion; }
    void SetPlayer(Player* owner) { player = owner; }
    Player* GetPlayer() const { return player; }

    void Place(BoardSpace* space);
    void AddToPath(BoardSpace* space, bool newPath);
    void Go();
    void Tick(int ms);
    void CheckNextBranchSpaceIsOccupied(int choice);
    void Fade(bool out, int ms);
    static int GetFadeTime(bool out) { return out ? kFadeOutMs : kFadeInMs; }
    void GetValidCamerasForRoute(std::vector<unsigned>& out, bool partyGame, float timeDistortion) const;

    void PlayStartAnim() { startAnim = true; }
    void PlayEndAnim();
    void PlayStartSmokeAnim() { startSmoke = true; }
    bool StartAnimFinished() const { return true; }
    bool EndAnimFinished() const { return true; }

    int getState() const { return state; }
    void setState(int s) { state = s; }
    BoardSpace* GetCurrentSpace() const { return currentSpace; }
    bool isPlaced() const { return placed; }
    // Where the car stands on the board plane (x, z): its body's place, or
    // its space's point when it has no body. False off the board.
    bool GetBoardPoint(float& x, float& z) const;
    int getPathCount() const { return pathCount; }
    float getOpacity() const { return opacity; }
    bool isReady() const { return ready; }
    void setReady(bool r) { ready = r; }
    void SpawnPeg(int seat, bool female, bool animated);

private:
    void setOpacity(float value);

    int state = kIdle;
    BoardSpace* path[kMaxPath] = {};
    int pathIndex = 0;
    int pathCount = 0;
    bool stepStart = true;
    int branchChoice = -1;
    BoardSpace* currentSpace = nullptr;
    bool pathClosed = false;
    bool placed = false;
    bool ready = true;
    Player* player = nullptr;
    bool startAnim = false;
    bool endAnim = false;
    bool startSmoke = false;
    CarMotion* motion;
    int fadeMode = kNoFade;
    int fadeRemaining = 0;
    int fadeLength = 0;
    float opacity = 1.0f;
    Car* carMadeWay = nullptr;
};
