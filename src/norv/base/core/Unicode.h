// The engine's own UTF-8 coder.
#pragma once

namespace Norv::Unicode {

// Most bytes one code point can take (the old 6-byte form reaches 0x7FFFFFFF).
constexpr unsigned long kMaxBytesPerCodePoint = 6;

// Encodes up to `count` code points of `src` into `dst`, which must hold
// kMaxBytesPerCodePoint bytes per code point. Stops at a zero code point.
// Returns the bytes written (no terminator), or (unsigned long)-1 when a code
// point is negative, a surrogate, U+FFFE or U+FFFF.
unsigned long wcstombs(char* dst, wchar_t const* src, unsigned long count);

// Decodes zero-terminated UTF-8 until `count` code points are written or a
// zero is reached; a sequence cut off by the terminator ends the text, so the
// decoder never reads past it. Returns the code points written.
unsigned long mbstowcs(wchar_t* dst, char const* src, unsigned long count);

} // namespace Norv::Unicode
