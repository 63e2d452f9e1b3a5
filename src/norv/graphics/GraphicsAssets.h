// The image and font kinds of the asset dictionary. Include this beside
// AssetDict.h to ask it for surfaces and fonts.
#pragma once

#include "norv/base/AssetDict.h"

namespace Norv {

class FontEx;
class Surface;

// Loads the file before the last "@" and applies the comma-separated
// options after it: "565", "rle", "ck" (magenta key colour), "linear".
template <>
Surface* AssetDict::Create<Surface>(NarrowString const& name);

// The definition is the file before the last "@"; the glyph sheet is the
// same path ending in "png", loaded with the font's options.
template <>
FontEx* AssetDict::Create<FontEx>(NarrowString const& name);

} // namespace Norv
