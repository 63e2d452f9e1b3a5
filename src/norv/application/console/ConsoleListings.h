// The console's listings of the engine's shared services, as text with one
// entry per line.
#pragma once

#include "norv/base/core/NarrowString.h"

namespace Norv {

class AssetDict;
class Registry;
class TextDict;

// Every asset by name, "*" before the held ones, then the counts.
NarrowString ListAssets(AssetDict const& assets);
// The tree from "root", one level of indentation per node.
NarrowString ListRegistry(Registry& registry);
// Each callback's path and where it was registered.
NarrowString ListRegistryCallbacks(Registry const& registry);
// Each text as id " -> " text.
NarrowString ListTexts(TextDict const& texts);

} // namespace Norv
