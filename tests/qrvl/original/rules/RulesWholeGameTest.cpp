// Whole games of computer players played in memory to retirement and a winner.
#include "RulesFixture.h"

#include "qrvl/original/rules/CardPile.h"
#include "qrvl/original/rules/QuorvelCard.h"

#include <gtest/gtest.h>

namespace {

struct Outcome {
    int turns = 0;
    std::vector<int> worths;
    int winner = -1;
};

Outcome play(int numPlayers, unsigned seed, int humanSeat = -1)
{
    RulesFixture game(numPlayers, seed);
    if (humanSeat >= 0)
        game.makeHuman(humanSeat);
    Outcome outcome;
    outcome.turns = game.playToEnd(2000);
    int best = -2147483647;
    for (int i = 0; i < numPlayers; ++i) {
        const Player& player = game.players[i];
        EXPECT_TRUE(player.isRetired()) << "seat " << i << " seed " << seed;
        EXPECT_GE(player.getCash(), 0);
        EXPECT_NE(nullptr, player.getCareer()) << "seat " << i << " seed " << seed;
        int worth = game.retirementWorth(&player);
        outcome.worths.push_back(worth);
        if (worth > best) {
            best = worth;
            outcome.winner = i;
        }
    }
    // Every tile is somewhere: in the pile, with a player, or still put aside.
    int tiles = game.tiles.getNumCards();
    for (Card* tile = game.board->getReserveTiles(); tile; tile = tile->next)
        ++tiles;
    for (int i = 0; i < numPlayers; ++i)
        tiles += game.players[i].getNumQuorvelCards();
    EXPECT_EQ(25, tiles) << "seed " << seed;
    return outcome;
}

} // namespace

TEST(WholeGame, ComputerPlayersRetireAndOneWins)
{
    for (int players = 2; players <= Board::kMaxPlayers; ++players) {
        Outcome outcome = play(players, 7u + players);
        EXPECT_LT(outcome.turns, 2000) << players << " players";
        EXPECT_NE(-1, outcome.winner);
    }
}

TEST(WholeGame, TheSameSeedPlaysTheSameGame)
{
    Outcome first = play(4, 2024);
    Outcome second = play(4, 2024);
    EXPECT_EQ(first.turns, second.turns);
    EXPECT_EQ(first.worths, second.worths);
    EXPECT_EQ(first.winner, second.winner);
    Outcome other = play(4, 2025);
    EXPECT_NE(first.worths, other.worths);
}

TEST(WholeGame, ManySeedsFinish)
{
    for (unsigned seed = 100; seed < 130; ++seed)
        play(3 + seed % 4, seed, seed % 2 ? 0 : -1);
    // Six players empty the college pile before the last student's choice.
    play(6, 1092);
}
