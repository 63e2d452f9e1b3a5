// A game of six computer players played in memory from the first spin to
// the last retirement, its wheel, cars and camera those of the 3D board:
// the board is drawn every quarter second of the game's clock and every
// picture must show more land than sky.
#include "tests/qrvl/original/phone/world/display/ShippedBoardScene.h"

#include "qrvl/original/game/HeadlessGame.h"
#include "qrvl/original/game/TurnMachine.h"
#include "qrvl/original/phone/world/CCarMotion.h"
#include "qrvl/original/rules/BoardPresenter.h"
#include "qrvl/original/rules/InstantChoices.h"
#include "qrvl/original/rules/RulesEngine.h"

#include <iostream>
#include <map>

namespace {

constexpr int kPlayers = 6;
constexpr unsigned kSeed = 7;
// The game's tick and how often the board is drawn, in the game's time.
constexpr int kStepMs = 50;
constexpr int kSampleMs = 250;
// At most this share of a picture may be sky.
constexpr int kMostSkyPercent = 50;
// A whole game takes well under this much of the game's time.
constexpr unsigned kMostGameMs = 4u * 60u * 60u * 1000u;

// The rules' wheel and camera calls on the 3D board's own wheel, clicker
// and camera, as the game's board screen makes them.
class WorldPresenter : public BoardPresenter {
public:
    void AddCar(Car* car, CCarMotion* motion) { cars[car] = motion; }

    bool doRandomSpin(bool refuse) override { return World().spinnerMotion->DoRandomSpin(refuse); }
    bool isWheelSpinning() const override { return World().spinnerMotion->state == CSpinnerMotion::kSpinning; }
    bool isWheelHeld() const override { return World().spinnerMotion->wheelGrabbed; }
    int getValuePointedTo() override { return World().clickerMotion->GetValuePointedTo(); }
    void disableTouchSpin() override { World().spinnerMotion->spinAllowed = false; }
    void panToCar(Car* car) override
    {
        std::vector<unsigned> shots;
        car->GetValidCamerasForRoute(shots, false, RulesEngine::get().GetTimeDistortionFactor());
        World().cameraController->PanToCar(*cars.at(car), shots, false);
    }
    void panToSpinner() override { World().cameraController->PanToSpinner(false); }
    void panToEvent(Car* car, bool marriage) override
    {
        World().cameraController->PanToEvent(cars.at(car)->GetEntity(), marriage);
    }
    bool destinationReached() const override { return World().cameraController->DestinationReached(); }

private:
    static CWorld& World() { return CWorld::GetWorld(); }

    std::map<Car*, CCarMotion*> cars;
};

class ComputerGameViewTest : public ShippedBoardSceneTest {
protected:
    void SetUp() override
    {
        ShippedBoardSceneTest::SetUp();
        gameRules = &RulesEngine::get();
        RulesEngine::install(&rules);
    }
    void TearDown() override
    {
        RulesEngine::install(gameRules);
        ShippedBoardSceneTest::TearDown();
    }

    RulesEngine* gameRules = nullptr;
    RulesEngine rules;
};

TEST_F(ComputerGameViewTest, EveryQuarterSecondOfAComputersGameShowsTheLand)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "thousands of frames: the normal build draws them";
#endif
    WorldPresenter presenter;
    InstantChoices answers;
    HeadlessGame game(kPlayers, kSeed, presenter, answers, kStepMs);
    for (int seat = 0; seat < kPlayers; ++seat) {
        CEnt* body = CWorld::GetWorld().SpawnCar();
        ASSERT_TRUE(body && body->carMotion);
        CWorld::SetCarColour(body, seat);
        game.cars[seat].init(seat, body->carMotion);
        presenter.AddCar(&game.cars[seat], body->carMotion);
    }
    game.startGame();
    int samples = 0, failures = 0, worstSky = 0;
    unsigned elapsed = 0;
    while (!game.allRetired() && game.turn().getCurrState() != TurnMachine::GameOver && game.faults().empty()
           && elapsed < kMostGameMs) {
        game.step();
        CEngine::GetEngine().Update(kStepMs, false);
        elapsed += kStepMs;
        if (elapsed % kSampleMs != 0)
            continue;
        std::vector<unsigned char> const picture = Draw();
        int const sky = SkyPixels(picture);
        ++samples;
        if (sky > worstSky) {
            worstSky = sky;
            Save(picture, "computer-game-worst.png");
        }
        if (sky * 100 > kMostSkyPercent * kPictureWidth * kPictureHeight && failures++ < 5) {
            ADD_FAILURE() << "sky over " << sky * 100 / (kPictureWidth * kPictureHeight) << "% of the picture at "
                          << elapsed << " ms, camera state " << CWorld::GetWorld().cameraController->GetState()
                          << ", shot " << CWorld::GetWorld().cameraController->GetShot();
            Save(picture, "computer-game-sky-" + std::to_string(failures) + ".png");
        }
    }
    EXPECT_TRUE(game.faults().empty()) << game.faults().front();
    EXPECT_TRUE(game.allRetired()) << "after " << elapsed << " ms";
    std::cout << samples << " pictures over " << elapsed / 1000 << " s of play, the most sky " << worstSky
              << " pixels\n";
}

} // namespace
