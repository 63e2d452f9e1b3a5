// Where the host keeps the files shipped with the game and the user's own.
#pragma once

#include "norv/base/core/NarrowString.h"

namespace Norv {

// The path of the running program; "" when the host does not tell.
NarrowString ExecutablePath();

// The folder of shipped files: $QUORVEL_RESOURCES, else "Resources" beside
// the folder holding the executable (<root>/bin/quorvel reads <root>/Resources).
NarrowString ResourcesFolder();

// The path of the shipped file `name`.`type`, or "" when there is none.
NarrowString FindBundleResource(NarrowString const& name, NarrowString const& type);

// The base of per-user data: $XDG_DATA_HOME, else $HOME/.local/share;
// "" when neither is known.
NarrowString UserDataFolder();

// Creates `path` and any missing parent folders; true when it exists after.
bool CreateFolders(NarrowString const& path);

// Creates `path` as CreateFolders does; true when files can be made in it.
bool PrepareWritableFolder(NarrowString const& path);

} // namespace Norv
