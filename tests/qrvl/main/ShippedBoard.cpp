// The shipped board read through the game's own readers.
#include "tests/qrvl/main/ShippedBoard.h"

#include "tests/qrvl/main/GameWindowFixture.h"

#include "norv/base/core/SmartPtr.h"
#include "norv/vfs/Vfs.h"

#include <algorithm>
#include <string>

namespace GameWindow {

bool ShippedBoard::Load()
{
    Norv::Vfs::Initialize();
    bool loaded = false;
    if (Norv::MountPak((BuiltResources() / "board.pak").c_str(), "", 0)) {
        Norv::SmartPtr<Norv::CachedFile> const text(Norv::CacheFile("quorvelBoard.txt"));
        std::vector<unsigned char> bytes(static_cast<size_t>(text->GetLength()));
        std::string error;
        loaded = text->Read(bytes.data(), static_cast<int>(bytes.size())) == static_cast<int>(bytes.size())
            && ReadBoardFile(bytes.data(), bytes.size(), nullptr, *file, error);
    }
    Norv::Vfs::Shutdown();
    return loaded;
}

int ShippedBoard::MoveFrom(int from, int count, std::vector<int> const& taken) const
{
    int at = from;
    for (int step = 1;; ++step) {
        int const ahead = file->spaces[at].next;
        if (ahead < 0)
            return at;
        at = ahead;
        bool const free = std::find(taken.begin(), taken.end(), at) == taken.end();
        if (file->spaces[at].IsStopSpace() || (step >= count && free))
            return at;
    }
}

int ShippedBoard::TurnEndFrom(int from, int count, std::vector<int> const& taken) const
{
    int const landed = MoveFrom(from, count, taken);
    if (file->spaces[landed].type != BoardRecord::EL)
        return landed;
    int steps = 0;
    for (int at = landed; at >= 0 && steps < BoardFile::kNumSpaces; at = file->spaces[at].next) {
        if (at != landed && file->spaces[at].type == BoardRecord::GM)
            return MoveFrom(landed, steps, taken);
        ++steps;
    }
    return landed;
}

} // namespace GameWindow
