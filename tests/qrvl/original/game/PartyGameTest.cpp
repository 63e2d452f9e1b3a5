// The party game: saved in a file of its own, which leaves it the only saved
// game; continued after the program starts again; published only while it
// runs; and its waypoint step, which the camera's party view starts and
// which holds each move for one step of the board.
#include "InGameFixture.h"

#include "qrvl/original/rules/Board.h"
#include "qrvl/original/rules/BoardPresenter.h"
#include "qrvl/original/game/ModeParty.h"
#include "qrvl/original/rules/PartyHooks.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/phone/world/CCameraController.h"
#include "qrvl/original/phone/world/CEnt.h"
#include "qrvl/original/phone/world/CEntImpl.h"

#include "norv/base/Registry.h"

#include <string>
#include <vector>

namespace {

constexpr int kMaxTicks = 400000;

std::vector<std::string> Names(ModeGame const* game)
{
    std::vector<std::string> names;
    for (int i = 0; i < game->getNumPlayers(); ++i)
        names.emplace_back(game->getPlayer(i)->getName());
    return names;
}

TEST_F(InGameTest, APartyGameKeepsTheOnlySaveAndContinuesAfterARestart)
{
    UseScreens(new ThreePeople);
    StartProgram(8);
    folder.Write("Quorvel/quorvel.sav", "an old single game");
    folder.Write("Quorvel/quorvelpnp.sav", "an old pass-and-play game");
    EXPECT_FALSE(PartyHooks::Get().Running());
    ModeGame* game = Launch(QuorvelEngine::GameModeParty, false);
    ASSERT_NE(dynamic_cast<ModeParty*>(game), nullptr);
    EXPECT_TRUE(PartyHooks::Get().Running());

    // Once the order of play is decided the game is saved as a party game,
    // and the other saves are gone.
    for (int i = 0; i < kMaxTicks && (!Game() || Game()->isSpinningForFirst() || Game()->isFirstRound()); ++i)
        ASSERT_TRUE(Play());
    ASSERT_TRUE(SavedExists("quorvelparty.sav"));
    EXPECT_FALSE(SavedExists("quorvel.sav"));
    EXPECT_FALSE(SavedExists("quorvelpnp.sav"));
    std::vector<std::string> const names = Names(Game());
    std::string const saved = SavedFile("quorvelparty.sav");
    StopProgram();
    EXPECT_FALSE(PartyHooks::Get().Running());
    ASSERT_EQ(SavedFile("quorvelparty.sav"), saved);

    StartProgram(9);
    game = Launch(QuorvelEngine::GameModeParty, true);
    ASSERT_NE(dynamic_cast<ModeParty*>(game), nullptr);
    EXPECT_EQ(Names(game), names);
    EXPECT_FALSE(game->isSpinningForFirst());
    for (int i = 0; i < game->getNumPlayers(); ++i)
        EXPECT_FALSE(game->getPlayer(i)->isComputer());
    EXPECT_TRUE(PlayToEnd(kMaxTicks));
    EXPECT_FALSE(SavedExists("quorvelparty.sav"));
}

// The camera's party view of the car, as the 3D board takes it before a move.
class PartyCamera : public BoardPresenter {
public:
    void panToCar(Car*) override
    {
        PartyHooks::Get().StartWaypointMode();
    }
};

class PartyCameraScreens : public ThreePeople {
public:
    BoardPresenter& presenter() override { return camera; }
    PartyCamera camera;
};

TEST_F(InGameTest, ThePartyWaypointStepHoldsEachMoveOnceAndOnlyInAPartyGame)
{
    UseScreens(new PartyCameraScreens);
    for (auto mode : {QuorvelEngine::GameModeParty, QuorvelEngine::GameModePassAndPlay}) {
        StartProgram(12);
        ASSERT_NE(Launch(mode, false), nullptr);
        int waypointSteps = 0;
        int arrivalsInWaypointMode = 0;
        int previous = -1;
        for (int i = 0; i < kMaxTicks; ++i) {
            if (!Play())
                break;
            Board* board = Game() ? Game()->getBoard() : nullptr;
            int const now = board ? board->getState() : -1;
            if (now == Board::kPartyWaypoint && previous != Board::kPartyWaypoint)
                ++waypointSteps;
            // The step stays for one tick: its wait timer has not been set.
            if (previous == Board::kPartyWaypoint) {
                EXPECT_NE(now, Board::kPartyWaypoint);
            }
            // The step ends with the move.
            if (previous == Board::kArrived && now != Board::kArrived 
                && PartyHooks::Get().IsWaypointMode())
                ++arrivalsInWaypointMode;
            previous = now;
        }
        EXPECT_EQ(Game(), nullptr) << "the game never ended";
        if (mode == QuorvelEngine::GameModeParty) {
            EXPECT_GT(waypointSteps, 10);
        } else {
            EXPECT_EQ(waypointSteps, 0);
        }
        EXPECT_EQ(arrivalsInWaypointMode, 0);
        StopProgram();
    }
}

TEST_F(InGameTest, ThePartyCameraStartsTheWaypointStepAndLeavesFreeLookByTheWheel)
{
    Norv::g_registry = new Norv::Registry;
    UseScreens(new ThreePeople);
    StartProgram(3);
    ModeParty* party = dynamic_cast<ModeParty*>(Launch(QuorvelEngine::GameModeParty, false));
    ASSERT_NE(party, nullptr);
    ASSERT_TRUE(party->isActiveMode());

    Norv::SmartPtr<CEnt> wheel(new CEnt(*new CEntImpl));
    Norv::SmartPtr<CEnt> car(new CEnt(*new CEntImpl));
    car->worldMatrix.f[12] = 1500.0f;
    CCameraController camera;
    camera.SetSpinner(wheel.Get());
    camera.SnapToSpinner();
    auto arrive = [&camera] {
        for (int frame = 0; frame < 1000 && !camera.DestinationReached(); ++frame)
            camera.Update(16);
        camera.Update(16);
    };

    camera.StartTransition(car.Get(), CCameraController::kParty);
    EXPECT_TRUE(party->IsWaypointMode());
    EXPECT_EQ(party->GetWaypointCount(), -1);
    arrive();
    EXPECT_EQ(camera.GetState(), CCameraController::kPartyView);

    camera.StartTransition(wheel.Get(), CCameraController::kFreeLook);
    arrive();
    ASSERT_EQ(camera.GetState(), CCameraController::kFreeLookView);
    // A car shot asked for in free look goes to the wheel instead.
    camera.StartTransition(car.Get(), CCameraController::kChase);
    EXPECT_EQ(camera.GetState(), CCameraController::kLeavingPartyFreeLook);
    arrive();
    EXPECT_EQ(camera.GetState(), CCameraController::kSpinnerView);
    EXPECT_EQ(camera.GetShot(), CCameraController::kSpinnerShot);

    StopProgram();
    Norv::g_registry = nullptr;
}

} // namespace
