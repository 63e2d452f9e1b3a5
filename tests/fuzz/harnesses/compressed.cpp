// The block-compressed container: opened, read through, then read again
// from seeks into the middle of blocks.
#include "FuzzFolder.h"
#include "norv/vfs/CompressedFile.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size)
{
    std::string const path = FuzzFolder::Write("input.bin", data, size);
    Norv::CompressedFile container;
    if (!container.OpenExisting(path.c_str()))
        return 0;
    char buffer[4096];
    while (container.Read(buffer, sizeof buffer) > 0) {
    }
    int const length = container.GetLength();
    for (int at : {length / 3, length - 1, 1}) {
        container.Seek(at, Norv::SeekableStream::FromStart);
        container.Read(buffer, 100);
    }
    container.Close();
    return 0;
}
