#include "SimulatedGame.h"

#include "MoneyChecks.h"

#include "qrvl/original/rules/BoardPresenter.h"
#include "qrvl/original/rules/CareerCard.h"
#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/framework/FGDataReader.h"
#include "qrvl/original/framework/FGDataWriter.h"
#include "qrvl/original/game/HeadlessGame.h"
#include "qrvl/original/rules/HouseCard.h"
#include "qrvl/original/rules/InstantChoices.h"
#include "qrvl/original/rules/QuorvelCard.h"
#include "qrvl/original/rules/RulesEngine.h"
#include "qrvl/original/rules/SaveGame.h"

#include <memory>
#include <vector>

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
// The turns after which the game is saved, then loaded and played on to its
// end: the first, one early in the first careers and one in mid game.
constexpr int kRoundTripTurns[] = {1, 6, 60};
// The seed of a continued game's wheel, apart from the saved game's own.
constexpr unsigned kContinuedSeed = 0x5eed;

// A game saved after a turn, with its players in words.
struct Snapshot {
    int turn;
    std::string saved;
    std::string piles;
    std::vector<std::string> players;
};

struct Checks {
    explicit Checks(HeadlessGame& game) : money(game) {}
    MoneyChecks money;
    bool saveToDisk = false;
    SaveGame* saveGame = nullptr;
    bool takeSnapshots = false;
    int turns = 0;
    // Continued once the game has ended: a thread holds one board at a time.
    std::vector<Snapshot> snapshots;
    std::string breach;
};

void CountTiles(const Card* tile, int& count, int& worth)
{
    for (; tile; tile = tile->next) {
        ++count;
        worth += static_cast<const QuorvelCard*>(tile)->value;
    }
}

std::string FirstBreach(HeadlessGame& game, MoneyChecks& money)
{
    if (!game.faults().empty())
        return game.faults().front();
    if (!money.checkBalances())
        return money.breach();
    if (!money.breach().empty())
        return money.breach();
    int tiles = 0;
    int worth = 0;
    CountTiles(game.tiles.getCards(), tiles, worth);
    CountTiles(game.board->getReserveTiles(), tiles, worth);
    for (int i = 0; i < game.count; ++i)
        CountTiles(game.players[i].getQuorvelCards(), tiles, worth);
    if (tiles != kTiles || worth != kTilesWorth)
        return std::to_string(tiles) + " tiles worth " + std::to_string(worth);
    for (int i = 0; i < game.count; ++i) {
        const Player& player = game.players[i];
        if (player.isRetired() && !player.getCareer())
            return "seat " + std::to_string(i) + " retired without a career";
    }
    if (game.longestStateMs() > kLongestWaitMs)
        return "the board waited " + std::to_string(game.longestStateMs()) + " ms";
    return {};
}

// The end of a game: every player retired, each worth what the rules give.
std::string EndBreach(HeadlessGame& game, MoneyChecks& money)
{
    if (!game.allRetired())
        return "the game did not end";
    for (int i = 0; i < game.count; ++i)
        if (!money.checkRetirementWorth(i, game.retirementWorth(&game.players[i])))
            return money.breach();
    return {};
}

std::string SaveToMemory(HeadlessGame& game)
{
    FGDataWriter writer;
    game.save(&writer);
    std::unique_ptr<FGData> data = writer.getData();
    if (!data || !data->getData())
        return {};
    return std::string(reinterpret_cast<const char*>(data->getData()), static_cast<size_t>(data->getLength()));
}

// The piles and the investment numbers' owners, in words.
std::string DescribePiles(HeadlessGame& game)
{
    std::string text = "careers " + std::to_string(game.careers.getNumCards()) + ", college careers "
                       + std::to_string(game.collegeCareers.getNumCards()) + ", tiles "
                       + std::to_string(game.tiles.getNumCards()) + ", Share the Wealth "
                       + std::to_string(game.shareTheWealth.getNumCards()) + ", owners";
    for (int owner : game.investmentOwners)
        text += " " + std::to_string(owner);
    return text;
}

// What a player is, in words, for a comparison that names what differs.
std::string Describe(HeadlessGame& game, const Player& player)
{
    std::string text = "cash " + std::to_string(player.getCash()) + ", loans " + std::to_string(player.getLoans())
                       + ", career " + std::to_string(player.getCareer() ? player.getCareer()->id : -1) + ", raise "
                       + std::to_string(player.getRaise()) + ", house "
                       + std::to_string(player.getHouse() ? player.getHouse()->id : -1) + ", tiles "
                       + std::to_string(player.getNumQuorvelCards()) + ", space "
                       + std::to_string(game.board->getSpaceIndex(player.getCar()->GetCurrentSpace()))
                       + ", children " + std::to_string(player.getNumChildren()) + ", investment "
                       + std::to_string(player.getInvestment()) + (player.isRetired() ? ", retired" : "");
    return text;
}

void AfterTurn(HeadlessGame& game, void* user)
{
    Checks& checks = *static_cast<Checks*>(user);
    ++checks.turns;
    if (checks.breach.empty())
        checks.breach = FirstBreach(game, checks.money);
    if (checks.saveToDisk) {
        game.save(checks.saveGame->getDataWriter());
        if (!checks.saveGame->flushToDisk() && checks.breach.empty())
            checks.breach = "the game could not be saved";
    }
    for (int turn : kRoundTripTurns) {
        if (!checks.takeSnapshots || checks.turns != turn)
            continue;
        Snapshot snapshot{turn, SaveToMemory(game), DescribePiles(game), {}};
        for (int i = 0; i < game.count; ++i)
            snapshot.players.push_back(Describe(game, game.players[i]));
        if (snapshot.saved.empty() && checks.breach.empty())
            checks.breach = "the game could not be saved";
        checks.snapshots.push_back(std::move(snapshot));
    }
}

// Loads a saved game through the game's reader into a new game, compares
// every player with the saved one and plays it on to its end.
std::string PlayOnFromSave(int players, unsigned seed, const Snapshot& snapshot, BoardPresenter& presenter,
                           InstantChoices& answers)
{
    const std::string& saved = snapshot.saved;
    std::string const where = "the game saved after turn " + std::to_string(snapshot.turn);
    HeadlessGame game(players, seed ^ kContinuedSeed, presenter, answers, kStepMs);
    Checks checks(game);
    FGData data;
    if (!data.duplicate(reinterpret_cast<const unsigned char*>(saved.data()), static_cast<int>(saved.size())))
        return where + " could not be copied";
    FGDataReader reader;
    reader.init(&data);
    if (!game.load(&reader))
        return where + " was refused";
    for (int i = 0; i < players; ++i) {
        std::string const loaded = Describe(game, game.players[i]);
        if (loaded != snapshot.players[i])
            return where + " loads seat " + std::to_string(i) + " as " + loaded + " where it was "
                   + snapshot.players[i];
    }
    if (DescribePiles(game) != snapshot.piles)
        return where + " loads the piles as " + DescribePiles(game) + " where they were " + snapshot.piles;
    checks.money.restartFromPresentCash();
    game.setAfterTurn(&AfterTurn, &checks);
    game.playTurns(kMaxTurns);
    std::string breach = checks.breach.empty() ? FirstBreach(game, checks.money) : checks.breach;
    if (breach.empty())
        breach = EndBreach(game, checks.money);
    return breach.empty() ? std::string() : where + ", played on: " + breach;
}

} // namespace

SimulatedGameResult PlaySimulatedGame(int players, unsigned seed, bool saveToDisk)
{
    RulesEngine engine;
    RulesEngine::install(&engine);
    BoardPresenter presenter;
    InstantChoices answers;
    SimulatedGameResult result;
    std::vector<Snapshot> snapshots;
    {
        SaveGame saveGame;
        if (saveToDisk)
            saveGame.init(SaveGame::kSingle);
        HeadlessGame game(players, seed, presenter, answers, kStepMs);
        Checks checks(game);
        checks.saveToDisk = saveToDisk;
        checks.saveGame = &saveGame;
        checks.takeSnapshots = true;
        game.setAfterTurn(&AfterTurn, &checks);
        result.turns = game.playToEnd(kMaxTurns);
        result.breach = checks.breach.empty() ? FirstBreach(game, checks.money) : checks.breach;
        if (result.breach.empty())
            result.breach = EndBreach(game, checks.money);
        result.moneyMoves = checks.money.moves();
        snapshots = std::move(checks.snapshots);
        if (saveToDisk)
            SaveGame::DeleteAll();
    }
    for (const Snapshot& snapshot : snapshots) {
        if (!result.breach.empty())
            break;
        result.breach = PlayOnFromSave(players, seed, snapshot, presenter, answers);
        ++result.roundTrips;
    }
    RulesEngine::install(nullptr);
    return result;
}
