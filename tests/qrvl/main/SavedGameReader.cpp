// Reads a saved game the way the game writes it: big-endian 32-bit ints,
// one-byte flags, and lists as a count followed by their items.
#include "tests/qrvl/main/SavedGameReader.h"

#include <cstdint>
#include <fstream>
#include <iterator>

namespace GameWindow {

namespace {

// The seats of a car: the driver, the spouse and fourteen children.
constexpr int kSeats = 16;
constexpr int kInvestments = 10;
constexpr int kPiles = 4;
// Counts beyond these mean the bytes are not a save of this game.
constexpr int kMostPlayers = 6;
constexpr int kMostItems = 4096;

class Bytes {
public:
    explicit Bytes(std::vector<unsigned char> bytes)
        : bytes(std::move(bytes))
    {
    }

    bool Ok() const { return ok; }

    int Int()
    {
        if (!Have(4))
            return -1;
        std::uint32_t const value = std::uint32_t(bytes[at]) << 24 | std::uint32_t(bytes[at + 1]) << 16
            | std::uint32_t(bytes[at + 2]) << 8 | bytes[at + 3];
        at += 4;
        return static_cast<int>(value);
    }

    bool Flag()
    {
        if (!Have(1))
            return false;
        return bytes[at++] != 0;
    }

    std::string Text()
    {
        int const length = Count();
        if (!Have(static_cast<size_t>(length)))
            return {};
        std::string text(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                         bytes.begin() + static_cast<std::ptrdiff_t>(at + static_cast<size_t>(length)));
        at += static_cast<size_t>(length);
        return text;
    }

    // A list's count, and skips its items of `ints` ints each.
    int Count() { return Within(Int()); }
    void SkipList(int ints)
    {
        int const items = Count();
        Skip(static_cast<size_t>(items) * static_cast<size_t>(ints) * 4);
    }
    void Skip(size_t count)
    {
        if (Have(count))
            at += count;
    }

private:
    bool Have(size_t count)
    {
        ok = ok && at + count <= bytes.size();
        return ok;
    }

    int Within(int count)
    {
        if (count < 0 || count > kMostItems) {
            ok = false;
            return 0;
        }
        return count;
    }

    std::vector<unsigned char> bytes;
    size_t at = 0;
    bool ok = true;
};

SavedPlayer ReadPlayer(Bytes& in)
{
    SavedPlayer player;
    player.name = in.Text();
    in.Skip(5 * 4); // character, colour, pass-and-play id, career, previous career
    in.SkipList(1); // Share the Wealth cards
    in.Skip(3 * 4 + 1); // cash, loans, raise, college
    in.SkipList(1); // tiles
    player.house = in.Int();
    in.Skip(kSeats * 4 + 4); // the pegs in the seats, the next seat
    in.Skip(1 + 1 + 4 + 1 + 4 + 1 + 1); // computer, second flag, investment, retired, home, lost turn, prepared
    player.space = in.Int();
    in.Skip(1);
    in.SkipList(5); // events
    in.SkipList(3); // journal
    in.Skip(4 + 4 + 1); // journal flags, pending journal event, tapped
    return player;
}

} // namespace

SavedPlayer const* SavedGame::Find(std::string const& name) const
{
    for (SavedPlayer const& player : players)
        if (player.name == name)
            return &player;
    return nullptr;
}

SavedGame ReadSavedGame(std::filesystem::path const& file)
{
    std::ifstream stream(file, std::ios::binary);
    Bytes in(std::vector<unsigned char>((std::istreambuf_iterator<char>(stream)), {}));
    SavedGame saved;
    in.Int(); // version
    in.Int(); // current player
    in.Flag(); // first round
    in.Skip(kInvestments * 4);
    for (int pile = 0; pile < kPiles; ++pile)
        in.SkipList(1);
    int const players = in.Count();
    for (int i = 0; i < players && i < kMostPlayers && in.Ok(); ++i)
        saved.players.push_back(ReadPlayer(in));
    saved.read = in.Ok() && players <= kMostPlayers;
    return saved;
}

} // namespace GameWindow
