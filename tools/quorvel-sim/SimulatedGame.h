// One seeded game of computer players played to the end with no screens,
// checked after every turn against the rules that must always hold, and
// saved at a few turns and continued from each save to its end.
#pragma once

#include <string>

struct SimulatedGameResult {
    int turns = 0;
    // Saves that were loaded and played on to the end.
    int roundTrips = 0;
    // Amounts of money the rules moved, each checked.
    long moneyMoves = 0;
    // Empty when every check held; else what broke first.
    std::string breach;
};

// Plays the game on the calling thread. With a save folder mounted, the
// game is saved to it after every turn; otherwise it is saved in memory.
SimulatedGameResult PlaySimulatedGame(int players, unsigned seed, bool saveToDisk);
