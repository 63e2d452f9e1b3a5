// A mount of a pak archive: a sorted directory of named entries inside a
// block-compressed container, looked up without regard to letter case.
#pragma once

#include "norv/vfs/CompressedFile.h"
#include "norv/vfs/FileDesc.h"
#include "norv/vfs/PosixPath.h"
#include "norv/vfs/VfsMount.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace Norv {

class BlockReadAhead;

class PakMount : public VfsMount {
public:
    // Opens the archive and reads its directory; see IsLoaded.
    PakMount(PosixPath const& path, char const* mountPoint, int flags);
    ~PakMount() override;

    // The archive opened and its directory is whole and consistent.
    bool IsLoaded() const { return loaded; }

    // A VirtualFile over the entry, or null when the archive has no such name.
    File* OpenFile(char const* name) override;
    // Pak archives are read-only.
    File* VfsCreateFile(char const*) override { return nullptr; }

    FileDesc const* FindFile(char const* name) const;
    // The entries' names in directory order.
    std::vector<std::string> GetEntryNames() const;

    // The directory's entries in their stored order, for tools and tests
    // that walk a whole archive.
    size_t GetEntryCount() const { return directory.size(); }
    char const* GetEntryName(size_t index) const { return GetName(directory[index]); }

    // Reads from the archive's stream at `offset`; entries of one archive may
    // be read from several threads at once.
    int ReadAt(int64_t offset, void* buffer, int bytes);

    // Until stopped, a worker thread decodes the archive in stream order
    // ahead of its readers: for a load that reads most of it. Stopping
    // frees what was decoded.
    void StartReadAhead();
    void StopReadAhead();

    PosixPath const& GetPath() const { return path; }
    // A read found a block of the archive that does not decode: the file on
    // the disk is damaged, whatever its directory says.
    bool IsDamaged() const { return damaged; }

private:
    bool LoadDirectory(PosixPath const& path);
    char const* GetName(FileDesc const& entry) const { return &names[entry.nameOffset]; }

    PosixPath path;
    CompressedFile container;
    std::unique_ptr<BlockReadAhead> readAhead;
    std::vector<FileDesc> directory;
    std::vector<char> names;
    std::mutex mutex;
    bool loaded = false;
    std::atomic<bool> damaged{false};
};

// Keeps a mounted archive reading ahead while it lives; a null archive
// makes it do nothing.
class PakReadAhead {
public:
    explicit PakReadAhead(PakMount* mount);
    ~PakReadAhead();
    PakReadAhead(PakReadAhead const&) = delete;
    PakReadAhead& operator=(PakReadAhead const&) = delete;

private:
    SmartPtr<PakMount> mount;
};

} // namespace Norv
