// Letter-case-blind comparison of names that folds ASCII letters only, so
// the result never depends on the locale.
#pragma once

#include <cstddef>

namespace Norv {

// Like strcmp after lowering every ASCII letter; bytes compare unsigned.
int AsciiCompareNoCase(char const* a, char const* b);

// True when the first `length` bytes of `name` equal `prefix` without regard
// to ASCII letter case.
bool AsciiStartsWithNoCase(char const* name, char const* prefix, size_t length);

} // namespace Norv
