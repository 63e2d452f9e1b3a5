// A game saved by the headless game (as the simulator saves one) after any
// turn continues in the game: the game's own reader takes it, every player
// is as saved, the next seat plays and the game goes on to its end.
#include "InGameFixture.h"

#include "qrvl/original/rules/BoardPresenter.h"
#include "qrvl/original/rules/CareerCard.h"
#include "qrvl/original/game/HeadlessGame.h"
#include "qrvl/original/rules/HouseCard.h"
#include "qrvl/original/rules/InstantChoices.h"
#include "qrvl/original/game/ModeGame.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/rules/RulesEngine.h"
#include "qrvl/original/rules/SaveGame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kMaxTicks = 400000;
constexpr int kPlayers = 3;

std::string Describe(const Player& player)
{
    return "cash " + std::to_string(player.getCash()) + ", loans " + std::to_string(player.getLoans()) + ", career "
           + std::to_string(player.getCareer() ? player.getCareer()->id : -1) + ", house "
           + std::to_string(player.getHouse() ? player.getHouse()->id : -1) + ", tiles "
           + std::to_string(player.getNumQuorvelCards()) + ", children " + std::to_string(player.getNumChildren())
           + ", investment " + std::to_string(player.getInvestment()) + (player.isRetired() ? ", retired" : "");
}

// Plays a headless game of computer players for some turns and saves it as
// the single game's file; answers the players as saved and the next seat.
std::vector<std::string> SaveHeadlessGame(int turns, int& nextSeat)
{
    // The headless game's own clock and wheel while it plays; then the game's again.
    RulesEngine& gameRules = RulesEngine::get();
    RulesEngine rules;
    RulesEngine::install(&rules);
    BoardPresenter presenter;
    InstantChoices answers;
    std::vector<std::string> players;
    {
        HeadlessGame game(kPlayers, 11, presenter, answers, 200);
        game.startGame();
        game.playTurns(turns);
        SaveGame save;
        save.init(SaveGame::kSingle);
        game.save(save.getDataWriter());
        save.flushToDisk();
        for (int i = 0; i < kPlayers; ++i)
            players.push_back(Describe(game.players[i]));
        nextSeat = game.turn().getCurrentPlayerIndex();
    }
    RulesEngine::install(&gameRules);
    return players;
}

TEST_F(InGameTest, AGameSavedByTheHeadlessGameContinuesToItsEnd)
{
    // In the first round (the next seat still chooses its road) and past it.
    for (int turns : {1, 6, 60}) {
        SCOPED_TRACE("saved after turn " + std::to_string(turns));
        int nextSeat = -1;
        std::vector<std::string> const saved = SaveHeadlessGame(turns, nextSeat);
        ASSERT_TRUE(SavedExists("quorvel.sav"));
        StartProgram(3);
        ModeGame* game = Launch(QuorvelEngine::GameModeSingle, true);
        ASSERT_NE(game, nullptr);
        ASSERT_EQ(game->getNumPlayers(), kPlayers);
        EXPECT_EQ(game->isFirstRound(), turns < kPlayers);
        EXPECT_EQ(game->getCurrentPlayerIndex(), nextSeat);
        for (int i = 0; i < kPlayers; ++i)
            EXPECT_EQ(Describe(*game->getPlayer(i)), saved[i]) << "seat " << i;
        EXPECT_TRUE(PlayToEnd(kMaxTicks));
        EXPECT_FALSE(SavedExists("quorvel.sav"));
        StopProgram();
    }
}

} // namespace
