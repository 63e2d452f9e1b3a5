// The party game's saved game and its waypoint step.
#include "qrvl/original/ModeParty.h"

#include "qrvl/original/Board.h"
#include "qrvl/original/Player.h"
#include "qrvl/original/SaveGame.h"

ModeParty* ModeParty::s_pSingleton = nullptr;

ModeParty::ModeParty()
{
    ClearWaypoints();
    s_pSingleton = this;
}

ModeParty::~ModeParty()
{
    ClearWaypoints();
    if (s_pSingleton == this)
        s_pSingleton = nullptr;
}

bool ModeParty::init(bool load)
{
    if (!ModePassNPlay::init(load))
        return false;
    for (Player* player : players)
        if (player)
            player->setTapped(false);
    return true;
}

void ModeParty::setupSaveGame()
{
    saveGameFile = std::make_unique<SaveGame>();
    saveGameFile->init(SaveGame::kParty);
}

void ModeParty::ClearWaypoints()
{
    waypointCount = 0;
    pendingCount = 0;
}

void ModeParty::StartWaypointMode(unsigned)
{
    if (waypointCount != 0)
        return;
    // The waypoints look ahead along the road without taking a fork's answer.
    board->StoreBranchStatus();
    board->RestoreBranchStatus();
    waypointCount = -1;
    waypointMode = true;
}

bool ModeParty::ProcessWaypointMode()
{
    if (!waitTimer.isOver())
        return false;
    pendingCount = waypointCount;
    waypointCount -= pendingCount;
    pendingCount = 0;
    return waypointCount == 0;
}

void ModeParty::StopWaypointMode()
{
    waypointMode = false;
    ClearWaypoints();
}
