#include "norv/vfs/PakMount.h"

#include "norv/vfs/AsciiNoCase.h"
#include "norv/vfs/BlockReadAhead.h"
#include "norv/vfs/LittleEndian.h"
#include "norv/vfs/VirtualFile.h"

#include <climits>
#include <cstdio>
#include <thread>

namespace Norv {

namespace {

// Directory entry: name offset, data offset, size.
constexpr int kEntryBytes = 12;

bool Refuse(PosixPath const& path, char const* why)
{
    std::fprintf(stderr, "vfs: damaged pak archive %s: %s\n", path.c_str(), why);
    return false;
}

} // namespace

PakMount::PakMount(PosixPath const& path, char const* mountPoint, int flags)
    : VfsMount(mountPoint, flags)
    , path(path)
{
    loaded = LoadDirectory(path);
    if (!loaded) {
        directory.clear();
        names.clear();
    }
}

PakMount::~PakMount() = default;

bool PakMount::LoadDirectory(PosixPath const& path)
{
    if (!container.OpenExisting(path.c_str()))
        return false;
    int64_t const streamLength = container.GetLength();
    uint32_t rawCount = 0;
    if (!ReadLittleEndian32(container, rawCount) || static_cast<int32_t>(rawCount) < 0)
        return Refuse(path, "bad entry count");
    int64_t const count = rawCount;
    if (count == 0)
        return true;
    int64_t const directoryEnd = 4 + count * kEntryBytes;
    if (directoryEnd + 4 > streamLength)
        return Refuse(path, "directory past the end");

    std::vector<unsigned char> bytes(static_cast<size_t>(count * kEntryBytes));
    uint32_t nameBlockSize = 0;
    if (container.Read(bytes.data(), static_cast<int>(bytes.size())) != static_cast<int>(bytes.size())
        || !ReadLittleEndian32(container, nameBlockSize))
        return Refuse(path, "short directory");
    if (nameBlockSize == 0 || directoryEnd + 4 + nameBlockSize > streamLength)
        return Refuse(path, "name block past the end");
    names.resize(nameBlockSize);
    if (container.Read(names.data(), static_cast<int>(nameBlockSize)) != static_cast<int>(nameBlockSize))
        return Refuse(path, "short name block");
    if (names.back() != '\0')
        return Refuse(path, "unterminated name block");

    directory.resize(static_cast<size_t>(count));
    for (size_t i = 0; i < directory.size(); ++i) {
        FileDesc& entry = directory[i];
        unsigned char const* fields = &bytes[i * kEntryBytes];
        entry.nameOffset = DecodeLittleEndian32(fields);
        entry.dataOffset = DecodeLittleEndian32(fields + 4);
        entry.size = DecodeLittleEndian32(fields + 8);
        if (entry.nameOffset >= nameBlockSize)
            return Refuse(path, "name offset past the name block");
        if (static_cast<int64_t>(entry.dataOffset) + entry.size > streamLength)
            return Refuse(path, "entry past the end");
    }
    return true;
}

FileDesc const* PakMount::FindFile(char const* name) const
{
    if (!name || directory.empty())
        return nullptr;
    size_t low = 0;
    size_t high = directory.size();
    while (low < high) {
        size_t const middle = low + (high - low) / 2;
        int const order = AsciiCompareNoCase(name, GetName(directory[middle]));
        if (order == 0)
            return &directory[middle];
        if (order < 0)
            high = middle;
        else
            low = middle + 1;
    }
    return nullptr;
}

std::vector<std::string> PakMount::GetEntryNames() const
{
    std::vector<std::string> entryNames;
    entryNames.reserve(directory.size());
    for (FileDesc const& entry : directory)
        entryNames.emplace_back(GetName(entry));
    return entryNames;
}

File* PakMount::OpenFile(char const* name)
{
    FileDesc const* entry = FindFile(name);
    return entry ? new VirtualFile(this, entry) : nullptr;
}

int PakMount::ReadAt(int64_t offset, void* buffer, int bytes)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (offset < 0 || offset > INT_MAX || !container.Seek(static_cast<int>(offset), SeekableStream::FromStart))
        return 0;
    // Entries lie inside the stream, as the directory was checked: a short
    // read is a block that did not decode.
    int const got = container.Read(buffer, bytes);
    if (got < bytes)
        damaged = true;
    return got;
}

void PakMount::StartReadAhead()
{
    std::lock_guard<std::mutex> lock(mutex);
    // On a single core the worker would only slow the reader down.
    if (!loaded || readAhead || std::thread::hardware_concurrency() == 1)
        return;
    readAhead = std::make_unique<BlockReadAhead>(path.c_str());
    if (readAhead->IsRunning())
        container.SetReadAhead(readAhead.get());
    else
        readAhead.reset();
}

void PakMount::StopReadAhead()
{
    std::lock_guard<std::mutex> lock(mutex);
    container.SetReadAhead(nullptr);
    readAhead.reset();
}

PakReadAhead::PakReadAhead(PakMount* mount)
    : mount(mount)
{
    if (mount)
        mount->StartReadAhead();
}

PakReadAhead::~PakReadAhead()
{
    if (mount)
        mount->StopReadAhead();
}

} // namespace Norv
