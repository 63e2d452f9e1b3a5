#include "norv/vfs/Vfs.h"

#include "norv/vfs/NativeMount.h"
#include "norv/vfs/PakMount.h"
#include "norv/vfs/VfsStaticData.h"
#include "norv/vfs/posix/ResourceFile.h"

#include <atomic>
#include <cstdio>
#include <cstring>

namespace Norv {

namespace {

// The mount list is the file system's own global: the engine's component
// table belongs to the application library, which sits above this one.
SmartPtr<VfsStaticData>& StaticData()
{
    static SmartPtr<VfsStaticData> data;
    return data;
}

// Asks the newest matching mount, then, while each mount lets names fall
// through, the older matching ones, until `attempt` gives a result.
template <class Result, class Attempt>
Result Resolve(char const* name, Attempt attempt)
{
    VfsStaticData* data = Vfs::GetStaticData();
    if (!data || !name)
        return Result();
    for (VfsMount* mount = data->FindMount(name, nullptr); mount;) {
        if (Result result = attempt(*mount, name + mount->GetMountPoint().size()))
            return result;
        if (!(mount->GetFlags() & VfsMount::FallThrough))
            return Result();
        VfsMount* older = mount->GetNext().Get();
        mount = older ? data->FindMount(name, older) : nullptr;
    }
    return Result();
}

// Tries at a write before it is left: enough for a passing fault, few
// enough that a full disk does not hold up the game.
constexpr int kWriteAttempts = 3;

// A run of failed writes (a full disk, a folder made read-only) is reported
// once, not at every save.
std::atomic<bool> g_failureReported{false};

bool Link(VfsMount* mount)
{
    VfsStaticData* data = Vfs::GetStaticData();
    if (!data) {
        std::fprintf(stderr, "vfs: mount before the file system was initialised\n");
        return false;
    }
    data->AddMount(mount);
    return true;
}

} // namespace

void Vfs::Initialize()
{
    StaticData() = new VfsStaticData;
}

void Vfs::Shutdown()
{
    StaticData().Release();
}

VfsStaticData* Vfs::GetStaticData()
{
    return StaticData().Get();
}

PakMount* MountPak(PosixPath const& path, char const* mountPoint, int flags)
{
    if (!ResourceFile().OpenExisting(path.c_str()))
        return nullptr;
    SmartPtr<PakMount> mount(new PakMount(path, mountPoint, flags));
    if (!mount->IsLoaded()) {
        std::fprintf(stderr, "vfs: %s is not a readable pak archive\n", path.c_str());
        return nullptr;
    }
    return Link(mount.Get()) ? mount.Get() : nullptr;
}

PakMount* FindPak(PosixPath const& path)
{
    VfsStaticData* data = Vfs::GetStaticData();
    for (VfsMount* mount = data ? data->GetNewest() : nullptr; mount; mount = mount->GetNext().Get()) {
        auto* pak = dynamic_cast<PakMount*>(mount);
        if (pak && pak->GetPath() == path)
            return pak;
    }
    return nullptr;
}

NativeMount* MountNative(PosixPath const& root, char const* mountPoint, int flags)
{
    SmartPtr<NativeMount> mount(new NativeMount(root, mountPoint, flags));
    return Link(mount.Get()) ? mount.Get() : nullptr;
}

bool Umount(char const* mountPoint)
{
    VfsStaticData* data = Vfs::GetStaticData();
    return data && Umount(data->FindMount(mountPoint, nullptr));
}

bool Umount(VfsMount* mount)
{
    VfsStaticData* data = Vfs::GetStaticData();
    return data && data->RemoveMount(mount);
}

File* OpenFile(char const* name)
{
    return Resolve<File*>(name, [](VfsMount& mount, char const* rest) { return mount.OpenFile(rest); });
}

File* OpenArchivedFile(char const* name)
{
    return Resolve<File*>(name, [](VfsMount& mount, char const* rest) {
        return dynamic_cast<PakMount*>(&mount) ? mount.OpenFile(rest) : nullptr;
    });
}

File* VfsCreateFile(char const* name)
{
    return Resolve<File*>(name, [](VfsMount& mount, char const* rest) { return mount.VfsCreateFile(rest); });
}

bool VfsReplaceFile(char const* name, void const* bytes, int length)
{
    if (length < 0 || (length > 0 && !bytes))
        return false;
    int error = 0;
    for (int attempt = 0; attempt < kWriteAttempts; ++attempt) {
        bool const tried = Resolve<bool>(name, [&](VfsMount& mount, char const* rest) {
            int const result = mount.ReplaceFile(rest, bytes, length);
            if (result == VfsMount::kNotWritable)
                return false;
            error = result;
            return true;
        });
        if (!tried)
            return false; // nowhere to write: the caller was told at start
        if (error == 0) {
            g_failureReported = false;
            return true;
        }
    }
    if (!g_failureReported.exchange(true))
        std::fprintf(stderr, "vfs: cannot write \"%s\" (%s); the previous file is kept\n", name,
                     std::strerror(error));
    return false;
}

CachedFile* CacheFile(char const* name)
{
    CachedFile* file = new CachedFile;
    file->OpenExisting(name);
    return file;
}

} // namespace Norv
