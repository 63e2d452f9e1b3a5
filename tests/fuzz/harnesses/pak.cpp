// Pak archives: mounted, then every entry of the directory opened and read
// to its end, once as it stands and once with the archive read ahead, which
// must give the same bytes.
#include "FuzzFolder.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/vfs/PakMount.h"
#include "norv/vfs/Vfs.h"

#include <cstdint>
#include <cstdlib>

namespace {

// A hash of every entry's bytes, each read to its end.
uint64_t ReadEveryEntry(Norv::PakMount& pak)
{
    uint64_t hash = 14695981039346656037ull;
    unsigned char buffer[4096];
    for (size_t i = 0; i < pak.GetEntryCount(); ++i) {
        Norv::SmartPtr<Norv::File> file(pak.OpenFile(pak.GetEntryName(i)));
        if (!file)
            continue;
        for (int got; (got = file->Read(buffer, sizeof buffer)) > 0;)
            for (int at = 0; at < got; ++at)
                hash = (hash ^ buffer[at]) * 1099511628211ull;
    }
    return hash;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size)
{
    std::string const path = FuzzFolder::Write("input.pak", data, size);
    Norv::PakMount* pak = Norv::MountPak(path, "pak/", 0);
    if (!pak)
        return 0;
    uint64_t const asStored = ReadEveryEntry(*pak);
    {
        Norv::PakReadAhead ahead(pak);
        if (ReadEveryEntry(*pak) != asStored)
            std::abort();
    }
    Norv::Umount(pak);
    return 0;
}
