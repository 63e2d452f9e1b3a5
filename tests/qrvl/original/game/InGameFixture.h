// A game engine object started as the program starts it, with the board's
// files and a user data folder under a temporary XDG_DATA_HOME, the real
// in-game flow installed and a HUD that records its messages; and a player
// at the keyboard who presses what each turn asks for.
#pragma once

#include "tests/support/TempFolder.h"
#include "tests/qrvl/support/FrameworkTestSupport.h"

#include "qrvl/original/game/GameScreens.h"
#include "qrvl/original/framework/HudPages.h"
#include "qrvl/original/framework/QuorvelEngine.h"

#include <memory>
#include <set>
#include <string>
#include <vector>

class ModeGame;

// The HUD bar's messages, in order.
class RecordingHud : public HudPages {
public:
    void SetMessage(const char* text) override { messages.push_back(text); }
    void SetCurrentPlayer(Player* player, bool) override { current = player; }
    bool saw(const std::string& prefix) const;

    std::vector<std::string> messages;
    Player* current = nullptr;
};

// The default screens, recording what the game pushed and how it ended.
class RecordingScreens : public GameScreens {
public:
    void pushChoosePath(Player* player) override;
    void pushSetUp(Player** players, Hud* hud, char* name, int nameBytes) override;
    void pushChooseShareTheWealth(CardPile* pile, Player* player) override;
    void pushEndgame(Player** players, int count, Hud* hud) override;
    void pushPassAndPlaySetUp(Player** players, Hud* hud, PNPPlayerInfo* info) override;
    bool pushedAny(const std::string& kind) const;
    // The menu the game hands back to, remembered.
    FGMode* createMainMenu() override;
    FGMode* mainMenu = nullptr;

    std::vector<std::string> pushed;
    // At the end: how many played and whether every one had retired.
    int endCount = 0;
    bool endAllRetired = false;
    // Names of the players whose journals end with their retirement.
    std::vector<std::string> journalsEndingRetired;
};

// Three people, Ann, Ben and Cy, named at the pass-and-play set-up.
class ThreePeople : public RecordingScreens {
public:
    void pushPassAndPlaySetUp(Player** players, Hud* hud, PNPPlayerInfo* info) override;
};

class InGameTest : public ::testing::Test {
protected:
    void SetUp() override;
    // Screens of the test's own in place of the recording ones.
    void UseScreens(RecordingScreens* own);
    void TearDown() override;

    // A new engine object, as at a start of the program.
    void StartProgram(unsigned seed);
    void StopProgram();
    // Launches a game and ticks until its mode is on the stack.
    ModeGame* Launch(QuorvelEngine::GameMode mode, bool loadSaved);
    void Tick();
    // The game on top of the stack, or null.
    ModeGame* Game() const;
    // One tick with the presses the game waits for; false once the game has left the stack.
    bool Play();
    // Plays until the game has left the stack; false when it never does.
    bool PlayToEnd(int maxTicks);
    std::string SavedFile(const char* name) const { return folder.Read(std::string("Quorvel/") + name); }
    bool SavedExists(const char* name) const { return !SavedFile(name).empty(); }

    TempFolder folder;
    FrameworkTest::ManualClock clock;
    std::unique_ptr<QuorvelEngine> engine;
    RecordingHud* hud = nullptr;
    RecordingScreens* screens = nullptr;
    std::set<int> statesVisited;
};
