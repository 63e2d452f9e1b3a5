// quorvel-sim: plays seeded whole games of computer players with no screens
// through the game's own rules and turns, checks them after every turn, and
// prints how many games it played per second and how long they were.
//
//   quorvel-sim --games N --players P --seed S [--save-folder DIR]
//               [--threads T] [--board DIR]
//
// Game i plays with seed S + i. The exit status is 1 when any game broke a
// check (its seed is named), 2 on bad arguments or a folder without a board,
// with a line that says what is wrong.
#include "SimulatedGame.h"

#include "norv/vfs/Vfs.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <sys/stat.h>

namespace {

constexpr int kMinPlayers = 2;
constexpr int kMaxPlayers = 6;
// Turn counts are gathered in bins this wide; a bar character stands for
// at most this share of the games.
constexpr int kHistogramBin = 20;
constexpr int kBarWidth = 50;
// The file that makes a folder a board folder.
constexpr const char* kBoardFile = "quorvelBoard.txt";

struct Options {
    long games = 1000;
    int players = 6;
    unsigned seed = 1;
    int threads = 1;
    std::string saveFolder;
    std::string boardFolder = QUORVEL_BOARD_FOLDER;
};

bool ParseNumber(const char* text, long low, long high, long& value)
{
    char* end = nullptr;
    long const parsed = std::strtol(text, &end, 10);
    if (!*text || *end || parsed < low || parsed > high)
        return false;
    value = parsed;
    return true;
}

// An empty answer when the arguments are good; else what is wrong with them.
std::string Parse(int argc, char** argv, Options& options)
{
    struct Number {
        const char* name;
        long low;
        long high;
    };
    const Number numbers[] = {
        {"--games", 1, 100000000}, {"--players", kMinPlayers, kMaxPlayers}, {"--seed", 0, 4294967295L},
        {"--threads", 1, 256}};
    for (int i = 1; i < argc; ++i) {
        std::string const name = argv[i];
        const Number* number = nullptr;
        for (const Number& each : numbers)
            if (name == each.name)
                number = &each;
        if (!number && name != "--save-folder" && name != "--board")
            return "unknown argument '" + name + "'";
        if (i + 1 >= argc)
            return name + " wants a value";
        const char* value = argv[++i];
        long parsed = 0;
        if (number && !ParseNumber(value, number->low, number->high, parsed))
            return name + " wants a whole number from " + std::to_string(number->low) + " to "
                   + std::to_string(number->high) + ", not '" + value + "'";
        if (name == "--games")
            options.games = parsed;
        else if (name == "--players")
            options.players = static_cast<int>(parsed);
        else if (name == "--seed")
            options.seed = static_cast<unsigned>(parsed);
        else if (name == "--threads")
            options.threads = static_cast<int>(parsed);
        else if (name == "--save-folder")
            options.saveFolder = value;
        else
            options.boardFolder = value;
    }
    struct stat info {};
    if (stat(options.boardFolder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return "the board folder '" + options.boardFolder + "' is not a folder";
    std::string const boardFile = options.boardFolder + "/" + kBoardFile;
    if (stat(boardFile.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size == 0)
        return "the board folder '" + options.boardFolder + "' holds no board file " + kBoardFile;
    if (!options.saveFolder.empty()
        && (stat(options.saveFolder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)))
        return "the save folder '" + options.saveFolder + "' is not a folder";
    return {};
}

struct Breach {
    unsigned seed;
    std::string what;
};

void PrintHistogram(const std::map<int, long>& bins, long games)
{
    long const most = std::max_element(bins.begin(), bins.end(), [](auto& a, auto& b) { return a.second < b.second; })
                          ->second;
    std::printf("turns per game:\n");
    for (auto const& [bin, count] : bins) {
        int const bar = static_cast<int>((count * kBarWidth + most - 1) / most);
        std::printf("  %5d-%-5d %8ld %5.1f%% %s\n", bin, bin + kHistogramBin - 1, count, 100.0 * count / games,
                    std::string(static_cast<size_t>(bar), '#').c_str());
    }
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    std::string const wrong = Parse(argc, argv, options);
    if (!wrong.empty()) {
        std::fprintf(stderr,
                     "quorvel-sim: %s\n"
                     "usage: quorvel-sim --games N --players 2-6 --seed S [--save-folder DIR] [--threads T] "
                     "[--board DIR]\n",
                     wrong.c_str());
        return 2;
    }
    bool const saveToDisk = !options.saveFolder.empty();
    if (saveToDisk && options.threads > 1) {
        // The saved games share their file names.
        std::fprintf(stderr, "quorvel-sim: games saved to a folder are played on one thread\n");
        options.threads = 1;
    }
    Norv::Vfs::Initialize();
    Norv::MountNative(options.boardFolder + "/", "", Norv::VfsMount::FallThrough);
    if (saveToDisk)
        Norv::MountNative(options.saveFolder + "/", "", Norv::VfsMount::FallThrough);

    std::atomic<long> next{0};
    std::mutex merge;
    std::map<int, long> bins;
    std::vector<Breach> breaches;
    long roundTrips = 0;
    long moneyMoves = 0;
    auto const started = std::chrono::steady_clock::now();
    std::clock_t const cpuStarted = std::clock();
    auto worker = [&]() {
        std::map<int, long> ownBins;
        std::vector<Breach> ownBreaches;
        long ownRoundTrips = 0;
        long ownMoneyMoves = 0;
        for (long game; (game = next++) < options.games;) {
            unsigned const seed = options.seed + static_cast<unsigned>(game);
            SimulatedGameResult const result = PlaySimulatedGame(options.players, seed, saveToDisk);
            ++ownBins[result.turns / kHistogramBin * kHistogramBin];
            ownRoundTrips += result.roundTrips;
            ownMoneyMoves += result.moneyMoves;
            if (!result.breach.empty())
                ownBreaches.push_back({seed, result.breach});
        }
        std::lock_guard<std::mutex> lock(merge);
        for (auto const& [bin, count] : ownBins)
            bins[bin] += count;
        breaches.insert(breaches.end(), ownBreaches.begin(), ownBreaches.end());
        roundTrips += ownRoundTrips;
        moneyMoves += ownMoneyMoves;
    };
    std::vector<std::thread> threads;
    for (int i = 1; i < options.threads; ++i)
        threads.emplace_back(worker);
    worker();
    for (std::thread& thread : threads)
        thread.join();
    double const seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    double const cpuSeconds = static_cast<double>(std::clock() - cpuStarted) / CLOCKS_PER_SEC;
    Norv::Vfs::Shutdown();

    // Per second of processor time too: a busy machine slows the clock on the wall.
    std::printf("%ld games of %d players from seed %u on %d thread%s in %.2f s: %.0f games per second, "
                "%.0f per processor second\n",
                options.games, options.players, options.seed, options.threads, options.threads == 1 ? "" : "s",
                seconds, options.games / seconds, options.games / cpuSeconds);
    std::printf("%ld amounts of money checked; %ld saved games loaded and played on to their end\n", moneyMoves,
                roundTrips);
    PrintHistogram(bins, options.games);
    if (breaches.empty())
        return 0;
    std::sort(breaches.begin(), breaches.end(), [](const Breach& a, const Breach& b) { return a.seed < b.seed; });
    for (const Breach& breach : breaches)
        std::printf("breach: seed %u: %s\n", breach.seed, breach.what.c_str());
    std::printf("%zu of %ld games broke a check\n", breaches.size(), options.games);
    return 1;
}
