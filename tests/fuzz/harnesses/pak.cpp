// Pak archives: mounted, then every entry of the directory opened and read
// to its end.
#include "FuzzFolder.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/vfs/PakMount.h"
#include "norv/vfs/Vfs.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size)
{
    std::string const path = FuzzFolder::Write("input.pak", data, size);
    Norv::PakMount* pak = Norv::MountPak(path, "pak/", 0);
    if (!pak)
        return 0;
    char buffer[4096];
    for (size_t i = 0; i < pak->GetEntryCount(); ++i) {
        Norv::SmartPtr<Norv::File> file(pak->OpenFile(pak->GetEntryName(i)));
        if (file)
            while (file->Read(buffer, sizeof buffer) > 0) {
            }
    }
    Norv::Umount(pak);
    return 0;
}
