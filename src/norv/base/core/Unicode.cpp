// UTF-8 encoding and decoding, including the old 5- and 6-byte forms.
#include "norv/base/core/Unicode.h"

#include <cstdint>

namespace Norv::Unicode {

namespace {

bool IsRefused(int32_t cp)
{
    return cp < 0 || cp == 0xFFFE || cp == 0xFFFF || (cp >= 0xD800 && cp <= 0xDFFF);
}

// Bytes of the encoding of cp >= 0x80: how often cp >> 1 shifts right by 5
// before it is 0.
unsigned EncodedLength(uint32_t cp)
{
    unsigned n = 0;
    for (uint32_t v = cp >> 1; v != 0; v >>= 5)
        ++n;
    return n;
}

} // namespace

unsigned long wcstombs(char* dst, wchar_t const* src, unsigned long count)
{
    unsigned long written = 0;
    for (unsigned long i = 0; i < count; ++i) {
        int32_t const cp = static_cast<int32_t>(src[i]);
        if (cp == 0)
            break;
        if (IsRefused(cp))
            return static_cast<unsigned long>(-1);
        if (cp < 0x80) {
            dst[written++] = static_cast<char>(cp);
            continue;
        }
        unsigned const n = EncodedLength(static_cast<uint32_t>(cp));
        uint32_t v = static_cast<uint32_t>(cp);
        for (unsigned k = n - 1; k > 0; --k) {
            dst[written + k] = static_cast<char>(0x80 | (v & 0x3F));
            v >>= 6;
        }
        unsigned char const leadMask = static_cast<unsigned char>(0xFF00u >> n);
        dst[written] = static_cast<char>(leadMask | v);
        written += n;
    }
    return written;
}

unsigned long mbstowcs(wchar_t* dst, char const* src, unsigned long count)
{
    auto const* p = reinterpret_cast<unsigned char const*>(src);
    unsigned long written = 0;
    while (written < count) {
        unsigned char const b = *p++;
        uint32_t value = b;
        if (b >= 0x80) {
            unsigned leading = 0;
            while (leading < 8 && (b & (0x80 >> leading)))
                ++leading;
            value = leading < 8 ? b & (0x7Fu >> leading) : 0;
            for (unsigned k = 1; k < leading; ++k) {
                if (*p == 0)
                    return written; // cut off by the end of the text
                value = value * 64 + (*p++ & 0x3F);
            }
        }
        if (value == 0)
            break;
        dst[written++] = static_cast<wchar_t>(value);
    }
    return written;
}

} // namespace Norv::Unicode
