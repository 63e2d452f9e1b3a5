// Writes a rendered font in the engine's form: the XML definition and the
// grey PNG sheet.
#pragma once

#include "GlyphSheet.h"

#include <string>

namespace MkFont {

bool WriteDefinition(std::string const& path, GlyphSheet const& sheet);
bool WriteSheet(std::string const& path, GlyphSheet const& sheet);

} // namespace MkFont
