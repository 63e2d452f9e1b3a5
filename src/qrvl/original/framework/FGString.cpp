// Appending, searching, converting and hashing the framework's byte strings.
#include "qrvl/original/framework/FGString.h"

#include "qrvl/original/framework/FGData.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

namespace {

constexpr unsigned char kByteOrderMark[] = {0xEF, 0xBB, 0xBF};

bool IsBlank(char c)
{
    return c == '\t' || c == '\n' || c == '\r' || c == ' ';
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

char AsciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

char AsciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

FGString::FGString() = default;

FGString::FGString(char const* text)
{
    add(text);
}

FGString::FGString(FGString const& other)
{
    add(other);
}

FGString::FGString(FGString&& other) noexcept
{
    *this = std::move(other);
}

FGString::FGString(FGData const* data)
{
    set(data);
}

FGString::FGString(FGData const* data, int n)
{
    set(data, n);
}

FGString::FGString(int capacity)
{
    if (capacity < 1)
        return;
    heapText = new (std::nothrow) char[static_cast<size_t>(capacity) + 1]();
    if (heapText)
        fixedCapacity = capacity;
}

FGString::~FGString()
{
    delete[] heapText;
}

FGString& FGString::operator=(FGString const& other)
{
    set(other);
    return *this;
}

FGString& FGString::operator=(FGString&& other) noexcept
{
    if (this == &other)
        return *this;
    delete[] heapText;
    std::memcpy(inlineText, other.inlineText, sizeof inlineText);
    heapText = std::exchange(other.heapText, nullptr);
    length = std::exchange(other.length, 0);
    fixedCapacity = std::exchange(other.fixedCapacity, 0);
    other.inlineText[0] = '\0';
    return *this;
}

FGString& FGString::operator=(char const* text)
{
    set(text);
    return *this;
}

void FGString::clear()
{
    length = 0;
    text()[0] = '\0';
}

void FGString::set(char const* text)
{
    // The text may lie inside this string: copy it out first.
    FGString const copy(text);
    clear();
    add(copy);
}

void FGString::set(FGString const& other)
{
    if (this == &other)
        return;
    clear();
    add(other);
}

void FGString::set(FGData const* data)
{
    set(data, 0, data ? data->getLength() : 0);
}

void FGString::set(FGData const* data, int n)
{
    set(data, 0, n);
}

void FGString::set(FGData const* data, int offset, int n)
{
    clear();
    if (!data || offset < 0 || n < 1 || offset > data->getLength() - n)
        return;
    addBrewString(reinterpret_cast<char const*>(data->getData()) + offset, n);
}

void FGString::add(FGString const& other)
{
    if (this == &other) {
        FGString const copy(other);
        addBrewString(copy.text(), copy.length);
        return;
    }
    addBrewString(other.text(), other.length);
}

void FGString::add(char const* text)
{
    addBrewString(text);
}

void FGString::addBrewString(char const* text)
{
    if (text)
        addBrewString(text, static_cast<int>(std::strlen(text)));
}

void FGString::addBrewString(char const* bytes, int n)
{
    if (!bytes || n < 1)
        return;
    if (fixedCapacity) {
        int const room = fixedCapacity - 1 - length;
        int const kept = std::min(n, std::max(room, 0));
        std::memcpy(heapText + length, bytes, static_cast<size_t>(kept));
        length += kept;
        heapText[length] = '\0';
        return;
    }
    if (n > INT_MAX - 1 - length) {
        std::fprintf(stderr, "FGString: a text of more than %d bytes is refused\n", INT_MAX - 1);
        return;
    }
    int const newLength = length + n;
    if (!heapText && newLength < kInlineCapacity) {
        std::memmove(inlineText + length, bytes, static_cast<size_t>(n));
        inlineText[newLength] = '\0';
        length = newLength;
        return;
    }
    char* grown = new (std::nothrow) char[static_cast<size_t>(newLength) + 1];
    if (!grown) {
        std::fprintf(stderr, "FGString: out of memory for %d bytes\n", newLength);
        return;
    }
    std::memcpy(grown, text(), static_cast<size_t>(length));
    std::memcpy(grown + length, bytes, static_cast<size_t>(n));
    grown[newLength] = '\0';
    delete[] heapText;
    heapText = grown;
    length = newLength;
}

void FGString::add(char byte)
{
    if (byte != '\0')
        addBrewString(&byte, 1);
}

void FGString::add(unsigned char number)
{
    add(static_cast<int>(number));
}

void FGString::add(short number)
{
    add(static_cast<int>(number));
}

void FGString::add(int number)
{
    char digits[16];
    std::snprintf(digits, sizeof digits, "%d", number);
    add(digits);
}

void FGString::add(long number)
{
    char digits[24];
    std::snprintf(digits, sizeof digits, "%ld", number);
    add(digits);
}

bool FGString::equals(FGString const& other) const
{
    return length == other.length && std::memcmp(text(), other.text(), static_cast<size_t>(length)) == 0;
}

bool FGString::equals(char const* other) const
{
    return other && std::strlen(other) == static_cast<size_t>(length) &&
           std::memcmp(text(), other, static_cast<size_t>(length)) == 0;
}

bool FGString::startsWith(char const* prefix) const
{
    if (!prefix)
        return false;
    size_t const n = std::strlen(prefix);
    return n <= static_cast<size_t>(length) && std::memcmp(text(), prefix, n) == 0;
}

bool FGString::endsWith(char const* suffix) const
{
    if (!suffix)
        return false;
    size_t const n = std::strlen(suffix);
    return n <= static_cast<size_t>(length) && std::memcmp(text() + length - n, suffix, n) == 0;
}

FGString FGString::substring(int from, int to) const
{
    from = std::max(from, 0);
    to = std::min(to, length);
    FGString part;
    if (from < to)
        part.addBrewString(text() + from, to - from);
    return part;
}

FGString FGString::substring(int from) const
{
    return substring(from, length);
}

int FGString::indexOf(char byte) const
{
    return indexOf(byte, 0);
}

int FGString::indexOf(char byte, int from) const
{
    from = std::max(from, 0);
    if (from >= length)
        return -1;
    void const* found = std::memchr(text() + from, byte, static_cast<size_t>(length - from));
    return found ? static_cast<int>(static_cast<char const*>(found) - text()) : -1;
}

int FGString::indexOf(char const* needle) const
{
    return indexOf(needle, 0);
}

int FGString::indexOf(char const* needle, int from) const
{
    if (!needle)
        return -1;
    from = std::max(from, 0);
    int const n = static_cast<int>(std::strlen(needle));
    for (int at = from; at <= length - n; ++at)
        if (std::memcmp(text() + at, needle, static_cast<size_t>(n)) == 0)
            return at;
    return -1;
}

char FGString::charAt(int i) const
{
    return (i >= 0 && i < length) ? text()[i] : '\0';
}

FGString FGString::trim() const
{
    int from = 0;
    int to = length;
    while (from < to && IsBlank(text()[from]))
        ++from;
    while (to > from && IsBlank(text()[to - 1]))
        --to;
    return substring(from, to);
}

FGString FGString::mapBytes(FGString const& source, char (*map)(char))
{
    FGString mapped(source);
    for (int i = 0; i < mapped.length; ++i)
        mapped.text()[i] = map(mapped.text()[i]);
    return mapped;
}

FGString FGString::toLowerCase() const
{
    return mapBytes(*this, AsciiLower);
}

FGString FGString::toUpperCase() const
{
    return mapBytes(*this, AsciiUpper);
}

int FGString::toInt() const
{
    long const value = std::strtol(text(), nullptr, 10);
    return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
}

bool FGString::canParseToInt() const
{
    for (int i = 0; i < length; ++i) {
        char const c = text()[i];
        if (!(c >= '0' && c <= '9') && !(c == '-' && i == 0))
            return false;
    }
    return true;
}

int FGString::toIntFromHex() const
{
    bool const negative = length > 0 && text()[0] == '-';
    unsigned int value = 0; // wraps like the 32-bit value it stands for
    for (int i = negative ? 1 : 0; i < length; ++i) {
        int const digit = HexDigit(text()[i]);
        if (digit < 0)
            return 0;
        value = value * 16 + static_cast<unsigned int>(digit);
    }
    return static_cast<int>(negative ? 0u - value : value);
}

int FGString::getHash() const
{
    unsigned int hash = 0; // wraps, never overflows, for very long texts
    for (int i = 0; i < length; ++i)
        hash += static_cast<unsigned char>(text()[i]);
    return static_cast<int>(hash);
}

int FGString::getHash(char const* text)
{
    unsigned int hash = 0;
    for (; text && *text; ++text)
        hash += static_cast<unsigned char>(*text);
    return static_cast<int>(hash);
}

void FGString::unicodeToAscii(FGData* data)
{
    if (!data || data->getLength() < static_cast<int>(sizeof kByteOrderMark) ||
        std::memcmp(data->getData(), kByteOrderMark, sizeof kByteOrderMark) != 0)
        return;
    unsigned char* bytes = data->getData();
    int const end = data->getLength();
    int kept = 0;
    for (int i = static_cast<int>(sizeof kByteOrderMark); i < end; ++i) {
        unsigned char const lead = bytes[i];
        bool const latin1Pair = (lead == 0xC2 || lead == 0xC3) && i + 1 < end && (bytes[i + 1] & 0xC0) == 0x80;
        if (latin1Pair) {
            bytes[kept++] = static_cast<unsigned char>(((lead & 0x03) << 6) | (bytes[i + 1] & 0x3F));
            ++i;
        } else {
            bytes[kept++] = lead;
        }
    }
    data->setLength(kept);
}

signed char FGString::utf8ToAscii(int code)
{
    return static_cast<signed char>(code + 64);
}
