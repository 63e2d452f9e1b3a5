// norvpak: packs a folder into a pak archive the engine mounts, or lists the
// entries of an archive.
#include "ContainerWriter.h"
#include "PakBuilder.h"

#include "norv/vfs/PakMount.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int Usage()
{
    std::fprintf(stderr, "usage: norvpak [--block-size <bytes>] <folder> <archive.pak>\n"
                         "       norvpak --list <archive.pak>\n");
    return 2;
}

// Prints the archive's entry names, one a line.
int List(char const* archive)
{
    Norv::SmartPtr<Norv::PakMount> const pak(new Norv::PakMount(Norv::PosixPath(archive), "", 0));
    if (!pak->IsLoaded()) {
        std::fprintf(stderr, "norvpak: %s is not a readable pak archive\n", archive);
        return 1;
    }
    for (std::string const& name : pak->GetEntryNames())
        std::printf("%s\n", name.c_str());
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "--list") == 0)
        return argc == 3 ? List(argv[2]) : Usage();

    unsigned blockSize = NorvPak::ContainerWriter::kDefaultBlockSize;
    int arg = 1;
    if (arg + 1 < argc && std::strcmp(argv[arg], "--block-size") == 0) {
        char* end = nullptr;
        unsigned long const size = std::strtoul(argv[arg + 1], &end, 10);
        // Blocks are decoded whole into the dictionary; keep them modest.
        if (*end != '\0' || size == 0 || size > (64ul << 20))
            return Usage();
        blockSize = static_cast<unsigned>(size);
        arg += 2;
    }
    if (argc - arg != 2)
        return Usage();

    NorvPak::PakBuilder builder;
    std::vector<unsigned char> stream;
    if (!builder.AddFolder(argv[arg]) || !builder.Build(stream))
        return 1;
    return NorvPak::ContainerWriter(blockSize).Write(stream, argv[arg + 1]) ? 0 : 1;
}
