// The presses of a player who plays every turn as it asks.
#include "tests/qrvl/support/TurnPresses.h"

#include "norv/base/KeyCode.h"
#include "qrvl/original/framework/FGModeManager.h"
#include "qrvl/original/game/ModeGame.h"
#include "qrvl/original/framework/QuorvelEngine.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"

namespace QuorvelTest {

namespace {

// A tutorial page closes on any button.
constexpr int kAnyButton = 1;

void Press(QuorvelEngine& engine, int id)
{
    CGuiFrameTouchButton button(id);
    engine.onButtonSelected(&button);
}

} // namespace

ModeGame* GameOnTop(QuorvelEngine const& engine)
{
    FGModeManager const* modes = engine.getModeManager();
    return modes ? dynamic_cast<ModeGame*>(modes->getCurrentMode()) : nullptr;
}

void PressWhatTheTurnWaitsFor(QuorvelEngine& engine, ModeGame const& game)
{
    switch (game.getCurrState()) {
    case ModeGame::Wheel: engine.onKeyPressed(Norv::KEY_SPACE); break;
    case ModeGame::FreeLook: Press(engine, ModeGame::kButtonSpin); break;
    case ModeGame::TurnStart: Press(engine, ModeGame::kButtonTapToPlay); break;
    case ModeGame::ShowEvents: Press(engine, ModeGame::kButtonNextEvent); break;
    case ModeGame::Tutorial:
    case ModeGame::ShareTutorial:
    case ModeGame::FirstSpinTutorial:
    case ModeGame::FirstActionTutorial: Press(engine, kAnyButton); break;
    default: break;
    }
}

} // namespace QuorvelTest
