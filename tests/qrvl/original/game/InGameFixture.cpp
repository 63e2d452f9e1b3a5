// The engine, folders and keyboard of the in-game tests.
#include "InGameFixture.h"

#include "tests/qrvl/support/TurnPresses.h"

#include "qrvl/original/framework/FGFileSystem.h"
#include "qrvl/original/game/InGameFlow.h"
#include "qrvl/original/game/ModeGame.h"
#include "qrvl/original/game/ModeInstantAnswer.h"
#include "qrvl/original/game/PNPPlayerInfo.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/rules/PlayerJournal.h"
#include "qrvl/original/phone/journal/CJournal.h"

#include "norv/vfs/Vfs.h"

#include <cstdlib>
#include <cstring>

namespace {
// The length of one tick of the test's clock.
constexpr int kTickMs = 100;
constexpr int kLaunchTicks = 50;
}

bool RecordingHud::saw(const std::string& prefix) const
{
    for (const std::string& message : messages) {
        if (message.compare(0, prefix.size(), prefix) == 0)
            return true;
    }
    return false;
}

void RecordingScreens::pushChoosePath(Player* player)
{
    pushed.push_back("path");
    GameScreens::pushChoosePath(player);
}

void RecordingScreens::pushSetUp(Player** players, Hud* hud, char* name, int nameBytes)
{
    pushed.push_back("setup");
    GameScreens::pushSetUp(players, hud, name, nameBytes);
}

void RecordingScreens::pushChooseShareTheWealth(CardPile* pile, Player* player)
{
    pushed.push_back("share");
    GameScreens::pushChooseShareTheWealth(pile, player);
}

void RecordingScreens::pushEndgame(Player** players, int count, Hud* hud)
{
    pushed.push_back("endgame");
    endCount = count;
    endAllRetired = true;
    for (int i = 0; i < count; ++i) {
        endAllRetired = endAllRetired && players[i]->isRetired();
        PlayerJournal* journal = players[i]->getJournal();
        if (journal && journal->getEntryCount() > 1)
            journalsEndingRetired.push_back(players[i]->getName());
    }
    GameScreens::pushEndgame(players, count, hud);
}

void RecordingScreens::pushPassAndPlaySetUp(Player** players, Hud* hud, PNPPlayerInfo* info)
{
    pushed.push_back("pnpsetup");
    GameScreens::pushPassAndPlaySetUp(players, hud, info);
}

FGMode* RecordingScreens::createMainMenu()
{
    mainMenu = GameScreens::createMainMenu();
    return mainMenu;
}

bool RecordingScreens::pushedAny(const std::string& kind) const
{
    for (const std::string& seen : pushed) {
        if (seen == kind)
            return true;
    }
    return false;
}

void ThreePeople::pushPassAndPlaySetUp(Player**, Hud*, PNPPlayerInfo* info)
{
    ModeInstantAnswer::push([info]() {
        const char* const names[] = {"Ann", "Ben", "Cy"};
        info->count = 3;
        for (int i = 0; i < 3; ++i) {
            info->colour[i] = 5 - i;
            info->character[i] = 9 - i;
            std::strcpy(info->name[i], names[i]);
        }
        return 10;
    });
}

void InGameTest::UseScreens(RecordingScreens* own)
{
    screens = own;
    GameScreens::Install(own);
}

void InGameTest::SetUp()
{
    setenv("XDG_DATA_HOME", folder.path.c_str(), 1);
    Norv::Vfs::Initialize();
    Norv::MountNative(NORV_TEST_SOURCE_DIR "/../../../../data/board/", "", Norv::VfsMount::FallThrough);
    Norv::MountNative("Quorvel/", "", Norv::VfsMount::FallThrough | Norv::VfsMount::UserFiles);
    hud = new RecordingHud;
    HudPages::Install(hud);
    UseScreens(new RecordingScreens);
    GameFlowHooks::Install(new InGameFlow);
    GameFlowHooks::Get().InitJournalData();
}

void InGameTest::TearDown()
{
    StopProgram();
    GameFlowHooks::Install(nullptr);
    HudPages::Install(nullptr);
    GameScreens::Install(nullptr);
    Norv::Vfs::Shutdown();
    unsetenv("XDG_DATA_HOME");
}

void InGameTest::StartProgram(unsigned seed)
{
    engine = std::make_unique<QuorvelEngine>();
    engine->setCriticals(nullptr, nullptr);
    for (const char* file : {"quorvel.sav", "quorvelpnp.sav", "quorvelparty.sav", "highscore.sav"})
        engine->getFileSystem().CheckFileIntegrity(file);
    engine->entEvent(FGEngine::EventStart, 0, 0);
    engine->srand(seed);
}

void InGameTest::StopProgram()
{
    engine.reset();
}

void InGameTest::Tick()
{
    clock.Advance(kTickMs);
    engine->entTick();
    if (ModeGame* game = Game())
        statesVisited.insert(game->getCurrState());
}

ModeGame* InGameTest::Game() const
{
    return engine ? QuorvelTest::GameOnTop(*engine) : nullptr;
}

ModeGame* InGameTest::Launch(QuorvelEngine::GameMode mode, bool loadSaved)
{
    engine->launchGame(loadSaved, mode, false);
    for (int i = 0; i < kLaunchTicks && !Game(); ++i)
        Tick();
    return Game();
}

bool InGameTest::Play()
{
    Tick();
    ModeGame* game = Game();
    if (!game) {
        // A screen the game pushed answers at its next tick.
        FGModeManager* modes = engine->getModeManager();
        for (int n = 0; n < modes->getNumModes(); ++n) {
            if (dynamic_cast<ModeGame*>(modes->getPreviousMode(n)))
                return true;
        }
        return false;
    }
    QuorvelTest::PressWhatTheTurnWaitsFor(*engine, *game);
    return true;
}

bool InGameTest::PlayToEnd(int maxTicks)
{
    for (int i = 0; i < maxTicks; ++i) {
        if (!Play())
            return true;
    }
    return false;
}
