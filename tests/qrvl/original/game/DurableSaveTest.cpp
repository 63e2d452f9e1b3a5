// Saved games that survive the program being killed while it writes them,
// and writes that fail without touching the previous save.
#include "tests/support/FileSizeLimit.h"
#include "InGameFixture.h"

#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/framework/FGFileSystem.h"
#include "qrvl/original/game/ModeGame.h"

#include <csignal>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kMaxTicks = 400000;
constexpr int kKills = 50;
// The longest a child saves before it is killed.
constexpr int kMaxSavingMicroseconds = 20000;

class DurableSaveTest : public InGameTest {
protected:
    // A pass-and-play game played until it is past its first round, saved.
    std::string SavePastTheFirstRound(QuorvelEngine::GameMode mode)
    {
        StartProgram(15);
        EXPECT_NE(Launch(mode, false), nullptr);
        for (int i = 0; i < kMaxTicks && !(Game() && !Game()->isSpinningForFirst() && !Game()->isFirstRound()); ++i)
            EXPECT_TRUE(Play());
        ModeGame* game = Game();
        EXPECT_NE(game, nullptr);
        if (game)
            game->saveGame();
        StopProgram();
        return SavedFile(mode == QuorvelEngine::GameModePassAndPlay ? "quorvelpnp.sav" : "quorvel.sav");
    }

    // The saved game loads as a game past its first round.
    bool LoadsPastTheFirstRound(QuorvelEngine::GameMode mode)
    {
        StartProgram(16);
        ModeGame* game = Launch(mode, true);
        bool const loaded = game && game->getNumPlayers() > 0 && !game->isFirstRound();
        StopProgram();
        return loaded;
    }

    // Continues the saved game, saving it at every tick as well as after
    // every move, until killed.
    [[noreturn]] void SaveForever(int ready)
    {
        StartProgram(17);
        ModeGame* game = Launch(QuorvelEngine::GameModePassAndPlay, true);
        if (!game || game->isFirstRound())
            _exit(1);
        char const byte = 1;
        if (write(ready, &byte, 1) != 1)
            _exit(1);
        while (Play())
            if (ModeGame* playing = Game())
                playing->saveGame();
        _exit(1);
    }
};

} // namespace

TEST_F(DurableSaveTest, AGameKilledWhileSavingLeavesASaveThatLoads)
{
    ASSERT_FALSE(SavePastTheFirstRound(QuorvelEngine::GameModePassAndPlay).empty());
    std::mt19937 random(15);
    int survived = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        pid_t const child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(ready[0]);
            SaveForever(ready[1]);
        }
        close(ready[1]);
        char byte = 0;
        bool const saving = read(ready[0], &byte, 1) == 1;
        close(ready[0]);
        usleep(std::uniform_int_distribution<useconds_t>(0, kMaxSavingMicroseconds)(random));
        ::kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        // A lost save shows as a new game in the parent, or as a child
        // that finds no game to continue.
        if (!saving || !LoadsPastTheFirstRound(QuorvelEngine::GameModePassAndPlay))
            break;
        ++survived;
    }
    EXPECT_EQ(survived, kKills);
}

TEST_F(DurableSaveTest, WritesThatAllFailLeaveThePreviousSaveByteForByte)
{
    std::string const previous = SavePastTheFirstRound(QuorvelEngine::GameModeSingle);
    ASSERT_FALSE(previous.empty());
    StartProgram(18);
    ModeGame* game = Launch(QuorvelEngine::GameModeSingle, true);
    ASSERT_NE(game, nullptr);
    FGData party;
    party.duplicate(reinterpret_cast<unsigned char const*>("another game"), 12);
    ASSERT_TRUE(engine->getFileSystem().putFile("quorvelparty.sav", &party));
    std::string const partyFile = SavedFile("quorvelparty.sav");
    {
        FileSizeLimit const limit(4);
        for (int move = 0; move < 3; ++move)
            game->saveGame();
    }
    EXPECT_EQ(SavedFile("quorvel.sav"), previous);
    // The failed save empties no other saved game either.
    EXPECT_EQ(SavedFile("quorvelparty.sav"), partyFile);
    StopProgram();
    EXPECT_TRUE(LoadsPastTheFirstRound(QuorvelEngine::GameModeSingle));
}
