// Looking round the board, a person with only the mouse gets back to the
// wheel: a tap on the bar that stands in for the HUD bar asks for it as the
// HUD bar's spin button (and Return) do, and a request made while the
// camera is still on its way is kept until the camera arrives.
#include "InGameFixture.h"

#include "qrvl/original/rules/BoardPresenter.h"
#include "qrvl/original/game/ModeGame.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"

namespace {

constexpr int kMaxTicks = 20000;
// Ticks that leave a camera on its way ample time to be waited for.
constexpr int kCameraTicks = 20;
constexpr int kAnyButton = 1;

// The default presentation with a camera that arrives when the test says.
class MovingCameraScreens : public RecordingScreens {
public:
    class Camera : public BoardPresenter {
    public:
        bool destinationReached() const override { return arrived; }
        bool arrived = true;
    };

    BoardPresenter& presenter() override { return camera; }

    Camera camera;
};

class BackToTheWheelTest : public InGameTest {
protected:
    void StartGame()
    {
        screens = new MovingCameraScreens;
        UseScreens(screens);
        camera = &static_cast<MovingCameraScreens*>(screens)->camera;
        StartProgram(3);
        ASSERT_NE(Launch(QuorvelEngine::GameModeSingle, false), nullptr);
    }

    void PlayUntil(int state)
    {
        for (int i = 0; i < kMaxTicks && (!Game() || Game()->getCurrState() != state); ++i)
            ASSERT_TRUE(Play());
        ASSERT_EQ(Game()->getCurrState(), state);
    }

    void Press(int id)
    {
        CGuiFrameTouchButton button(id);
        engine->onButtonSelected(&button);
    }

    MovingCameraScreens::Camera* camera = nullptr;
};

TEST_F(BackToTheWheelTest, ATapOnTheBarAfterTheFirstActionsPopupTakesThePersonToTheWheel)
{
    StartGame();
    PlayUntil(ModeGame::FirstActionTutorial);
    // The popup closes on a click, and the person looks round the board.
    for (int i = 0; i < kMaxTicks && Game()->getCurrState() == ModeGame::FirstActionTutorial; ++i) {
        Press(kAnyButton);
        Tick();
    }
    ASSERT_EQ(Game()->getCurrState(), ModeGame::FreeLook);
    Press(ModeGame::kButtonTapToPlay);
    EXPECT_EQ(Game()->getCurrState(), ModeGame::Wheel);
}

TEST_F(BackToTheWheelTest, ARequestMadeWhileTheCameraMovesIsKeptUntilItArrives)
{
    StartGame();
    PlayUntil(ModeGame::Wheel);
    for (int id : {ModeGame::kButtonSpin, ModeGame::kButtonTapToPlay}) {
        Press(ModeGame::kButtonMap);
        ASSERT_EQ(Game()->getCurrState(), ModeGame::FreeLook) << id;
        camera->arrived = false;
        Press(id);
        for (int i = 0; i < kCameraTicks; ++i)
            Tick();
        EXPECT_EQ(Game()->getCurrState(), ModeGame::FreeLook) << id;
        camera->arrived = true;
        Tick();
        EXPECT_EQ(Game()->getCurrState(), ModeGame::Wheel) << id;
    }

    // Opening the map drops a request still waiting: coming back from the
    // map is looking round again.
    Press(ModeGame::kButtonMap);
    camera->arrived = false;
    Press(ModeGame::kButtonSpin);
    Press(ModeGame::kButtonMap);
    ASSERT_EQ(Game()->getCurrState(), ModeGame::Map);
    camera->arrived = true;
    Press(ModeGame::kButtonBack);
    for (int i = 0; i < kCameraTicks; ++i)
        Tick();
    EXPECT_EQ(Game()->getCurrState(), ModeGame::FreeLook);
}

} // namespace
