// The virtual file system: one name space for every file the game reads or
// writes, resolved through the mounts from the newest to the oldest.
#pragma once

#include "norv/vfs/CachedFile.h"
#include "norv/vfs/File.h"
#include "norv/vfs/PosixPath.h"
#include "norv/vfs/VfsMount.h"

namespace Norv {

class NativeMount;
class PakMount;
class VfsStaticData;

namespace Vfs {

// Makes the empty mount list; must run before any mount call.
void Initialize();
// Drops the list and every mount nothing else holds.
void Shutdown();
// The mount list; null before Initialize.
VfsStaticData* GetStaticData();

} // namespace Vfs

// Mounts the pak archive at `path` (looked up among the shipped resources
// first). Null, and nothing mounted, when the archive is missing or damaged.
// The list keeps the mount; the pointer is not the caller's.
PakMount* MountPak(PosixPath const& path, char const* mountPoint, int flags);

// The mounted pak archive that was opened as `path`, or null.
PakMount* FindPak(PosixPath const& path);

// Mounts the host folder `root`; names are appended to it as they stand, so
// a root normally ends with "/". The list keeps the mount.
NativeMount* MountNative(PosixPath const& root, char const* mountPoint, int flags);

// Unlinks the newest mount whose mount point matches, or that very mount.
bool Umount(char const* mountPoint);
bool Umount(VfsMount* mount);

// A new file (reference count 0; hold it in a SmartPtr<File>) opened for
// reading, or null when no mount has the name.
File* OpenFile(char const* name);

// The same, from the pak archives only: the game's own files, which no
// folder a user may write to can stand in for.
File* OpenArchivedFile(char const* name);

// A new file opened for writing, or null when no mount can create it.
File* VfsCreateFile(char const* name);

// The one way the game writes a file of its own: `length` bytes replace
// `name` in the first mount that writes files, durably and in one step. A
// write that fails is tried a few times and then left, the old file kept
// byte for byte; the first failure after a success is reported on stderr.
// False when the file was not written or no mount writes files.
bool VfsReplaceFile(char const* name, void const* bytes, int length);

// Always a new cached file holding the whole of `name`; empty (false) when
// the name cannot be read.
CachedFile* CacheFile(char const* name);

} // namespace Norv
