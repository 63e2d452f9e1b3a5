#include "SimulatedGame.h"

#include "qrvl/original/rules/BoardPresenter.h"
#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/framework/FGDataWriter.h"
#include "qrvl/original/game/HeadlessGame.h"
#include "qrvl/original/rules/InstantChoices.h"
#include "qrvl/original/rules/QuorvelCard.h"
#include "qrvl/original/rules/RulesEngine.h"
#include "qrvl/original/rules/SaveGame.h"

namespace {

// The Quorvel tiles of a game: how many and what they are worth together.
constexpr int kTiles = 25;
constexpr int kTilesWorth = 650000;
// No message or animation may hold the board longer than this.
constexpr unsigned kLongestWaitMs = 10000;
// More turns than any game takes.
constexpr int kMaxTurns = 5000;
// Ticks of the game's clock: long enough to play fast, short enough that
// the cars still stop on every space of their paths.
constexpr int kStepMs = 200;
// Room for a saved game of six players in memory, so saving never grows a buffer.
constexpr int kSaveCapacity = 1 << 16;

struct Checks {
    bool saveToDisk;
    SaveGame* saveGame;
    FGDataWriter memory;
    FGData memoryBuffer;
    std::string breach;
};

void CountTiles(const Card* tile, int& count, int& worth)
{
    for (; tile; tile = tile->next) {
        ++count;
        worth += static_cast<const QuorvelCard*>(tile)->value;
    }
}

std::string FirstBreach(HeadlessGame& game)
{
    if (!game.faults().empty())
        return game.faults().front();
    int tiles = 0;
    int worth = 0;
    CountTiles(game.tiles.getCards(), tiles, worth);
    CountTiles(game.board->getReserveTiles(), tiles, worth);
    for (int i = 0; i < game.count; ++i)
        CountTiles(game.players[i].getQuorvelCards(), tiles, worth);
    if (tiles != kTiles || worth != kTilesWorth)
        return std::to_string(tiles) + " tiles worth " + std::to_string(worth);
    // Every transfer between players arrives whole, and every change of
    // cash is either such a transfer or money of the bank.
    int betweenPlayers = 0;
    for (int i = 0; i < game.count; ++i) {
        const Player& player = game.players[i];
        betweenPlayers += player.getCashFromPlayers();
        if (player.getCash() != Player::kStartingCash + player.getCashFromBank() + player.getCashFromPlayers())
            return "seat " + std::to_string(i) + " has cash " + std::to_string(player.getCash())
                   + " that the bank's and the players' payments do not explain";
    }
    if (betweenPlayers != 0)
        return "payments between players lost or made " + std::to_string(betweenPlayers);
    for (int i = 0; i < game.count; ++i) {
        const Player& player = game.players[i];
        if (player.getCash() < 0)
            return "seat " + std::to_string(i) + " has cash " + std::to_string(player.getCash());
        if (player.isRetired() && !player.getCareer())
            return "seat " + std::to_string(i) + " retired without a career";
    }
    if (game.longestStateMs() > kLongestWaitMs)
        return "the board waited " + std::to_string(game.longestStateMs()) + " ms";
    return {};
}

void AfterTurn(HeadlessGame& game, void* user)
{
    Checks& checks = *static_cast<Checks*>(user);
    if (checks.breach.empty())
        checks.breach = FirstBreach(game);
    if (checks.saveToDisk) {
        game.save(checks.saveGame->getDataWriter());
        if (!checks.saveGame->flushToDisk() && checks.breach.empty())
            checks.breach = "the game could not be saved";
    } else {
        checks.memory.init(&checks.memoryBuffer);
        game.save(&checks.memory);
        if (!checks.memory.getData() && checks.breach.empty())
            checks.breach = "the game could not be saved";
    }
}

} // namespace

SimulatedGameResult PlaySimulatedGame(int players, unsigned seed, bool saveToDisk)
{
    RulesEngine engine;
    RulesEngine::install(&engine);
    BoardPresenter presenter;
    InstantChoices answers;
    SimulatedGameResult result;
    {
        SaveGame saveGame;
        if (saveToDisk)
            saveGame.init(SaveGame::kSingle);
        Checks checks{saveToDisk, &saveGame, {}, {}, {}};
        checks.memoryBuffer.init(kSaveCapacity);
        HeadlessGame game(players, seed, presenter, answers, kStepMs);
        game.setAfterTurn(&AfterTurn, &checks);
        result.turns = game.playToEnd(kMaxTurns);
        result.breach = checks.breach.empty() ? FirstBreach(game) : checks.breach;
        if (result.breach.empty() && !game.allRetired())
            result.breach = "the game did not end";
        if (saveToDisk)
            SaveGame::DeleteAll();
    }
    RulesEngine::install(nullptr);
    return result;
}
