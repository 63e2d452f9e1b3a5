// Conversions between the two string types.
#include "norv/base/core/NarrowString.h"

#include "norv/base/core/Unicode.h"

#include <vector>

namespace Norv {

NarrowString::NarrowString(WideString const& wide)
{
    if (wide.empty())
        return;
    std::vector<char> bytes(wide.size() * Unicode::kMaxBytesPerCodePoint);
    unsigned long const n = Unicode::wcstombs(bytes.data(), wide.c_str(), wide.size());
    if (n != static_cast<unsigned long>(-1))
        assign(bytes.data(), n);
}

WideString::WideString(NarrowString const& narrow)
{
    if (narrow.empty())
        return;
    std::vector<wchar_t> codePoints(narrow.size());
    unsigned long const n = Unicode::mbstowcs(codePoints.data(), narrow.c_str(), narrow.size());
    assign(codePoints.data(), n);
}

} // namespace Norv
