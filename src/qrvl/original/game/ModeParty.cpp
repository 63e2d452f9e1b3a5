// The party game's saved game and its waypoint step.
#include "qrvl/original/game/ModeParty.h"

#include "qrvl/original/rules/Board.h"
#include "qrvl/original/rules/PartyHooks.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/rules/SaveGame.h"

namespace {

// The party game's waypoint step as the board's move and the camera ask for it.
class PartyModeHooks : public PartyHooks {
public:
    explicit PartyModeHooks(ModeParty& party) : party(party) {}

    bool Running() const override { return true; }
    bool OnTop() const override { return party.isActiveMode(); }
    bool IsWaypointMode() const override { return party.IsWaypointMode(); }
    void StartWaypointMode() override
    {
        party.StartWaypointMode(party.getBoard() ? static_cast<unsigned>(party.getBoard()->getSpinnerValue()) : 0u);
    }
    bool ProcessWaypointMode() override { return party.ProcessWaypointMode(); }
    void StopWaypointMode() override { party.StopWaypointMode(); }

private:
    ModeParty& party;
};

} // namespace

ModeParty::ModeParty()
{
    ClearWaypoints();
    hooks = new PartyModeHooks(*this);
    PartyHooks::Install(hooks);
}

ModeParty::~ModeParty()
{
    ClearWaypoints();
    if (&PartyHooks::Get() == hooks)
        PartyHooks::Install(nullptr);
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
