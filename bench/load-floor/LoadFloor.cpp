// The floor of the game's in-game load: reading every file of the board's
// archive once through the archive, as the load does, and parsing its
// models, with nothing drawn or uploaded. Prints load_floor_s=SECONDS.
//
//   bench-load-floor RESOURCES-FOLDER
#include "contrib/pvr/PVRTModelPOD.h"
#include "norv/vfs/File.h"
#include "norv/vfs/PakMount.h"
#include "norv/vfs/Vfs.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

double SteadySeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

bool EndsWith(std::string const& text, char const* end)
{
    std::string const tail(end);
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// Reads one file whole; false when it cannot be read.
bool ReadWhole(std::string const& name)
{
    Norv::SmartPtr<Norv::File> file(Norv::OpenFile(name.c_str()));
    if (!file)
        return false;
    std::vector<unsigned char> bytes(static_cast<size_t>(file->GetLength()));
    return file->Read(bytes.data(), static_cast<int>(bytes.size())) == static_cast<int>(bytes.size());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench-load-floor RESOURCES-FOLDER\n");
        return 2;
    }
    double const start = SteadySeconds();
    Norv::Vfs::Initialize();
    Norv::PakMount* board = Norv::MountPak(std::string(argv[1]) + "/board.pak", "", 0);
    if (!board || !board->IsLoaded()) {
        std::fprintf(stderr, "bench-load-floor: no board.pak in %s\n", argv[1]);
        return 1;
    }
    int failures = 0;
    for (std::string const& name : board->GetEntryNames()) {
        if (EndsWith(name, ".pod")) {
            CPVRTModelPOD model;
            failures += model.ReadFromFile(name.c_str()) == 0 ? 0 : 1;
        } else {
            failures += ReadWhole(name) ? 0 : 1;
        }
    }
    std::printf("load_floor_s=%.3f\n", SteadySeconds() - start);
    Norv::Vfs::Shutdown();
    return failures == 0 ? 0 : 1;
}
