// The sound kind of the asset dictionary. Include this beside AssetDict.h to
// ask it for sounds.
#pragma once

#include "norv/base/AssetDict.h"

namespace Norv {

class AudioSource;

// The text after the last "@" is one option, compared whole: "cache" reads
// an Ogg file into memory and decodes it while it plays, "buffer" decodes
// the whole sound into memory, anything else (or no "@") streams it.
template <>
AudioSource* AssetDict::Create<AudioSource>(NarrowString const& name);

} // namespace Norv
