// norvpak: packs a folder into a pak archive the engine mounts.
#include "ContainerWriter.h"
#include "PakBuilder.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int Usage()
{
    std::fprintf(stderr, "usage: norvpak [--block-size <bytes>] <folder> <archive.pak>\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
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
