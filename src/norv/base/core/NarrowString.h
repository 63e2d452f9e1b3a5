// The engine's two string types: UTF-8 bytes and one code point per character.
#pragma once

#include <string>

namespace Norv {

class WideString;

// Bytes holding UTF-8: names, paths, keys and script text.
class NarrowString : public std::string {
public:
    using std::string::string;
    NarrowString() = default;
    NarrowString(std::string const& s) : std::string(s) {}
    NarrowString(std::string&& s) : std::string(std::move(s)) {}
    // UTF-8 encoding; empty when the text holds a code point UTF-8 refuses.
    explicit NarrowString(WideString const& wide);
};

// One 32-bit code point per character: text that is shown.
class WideString : public std::wstring {
public:
    using std::wstring::wstring;
    WideString() = default;
    WideString(std::wstring const& s) : std::wstring(s) {}
    WideString(std::wstring&& s) : std::wstring(std::move(s)) {}
    // UTF-8 decoding, up to the first zero code point.
    explicit WideString(NarrowString const& narrow);
};

static_assert(sizeof(wchar_t) == 4, "WideString holds one 32-bit code point per character");

} // namespace Norv
