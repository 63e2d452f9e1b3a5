// Saved games: a single-player game continued from "quorvel.sav" by the
// engine, as the main menu's continue does, and played for a few ticks.
#include "GameStart.h"
#include "qrvl/original/framework/FGModeManager.h"
#include "qrvl/original/game/ModeGame.h"
#include "qrvl/original/framework/QuorvelEngine.h"
#include "qrvl/original/rules/SaveGame.h"

namespace {
// Enough ticks for the launch to reach the game, then a few of play.
constexpr int kTicks = 40;
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    GameStart::Prepare();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size)
{
    if (!GameStart::PutUserFile(SaveGame::fileName(SaveGame::kSingle), data, size))
        return 0;
    std::unique_ptr<QuorvelEngine> engine = GameStart::Start();
    engine->launchGame(true, QuorvelEngine::GameModeSingle, false);
    for (int i = 0; i < kTicks; ++i)
        GameStart::Tick(*engine);
    engine.reset();
    SaveGame::DeleteAll();
    return 0;
}
