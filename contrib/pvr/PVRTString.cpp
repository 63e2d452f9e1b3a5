// The toolkit's string class.
#include "contrib/pvr/PVRTString.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

// Positions past the end read as the end, as the standard string's
// bounded forms do, so no read or write leaves the buffer.
CPVRTString::size_type Clamp(CPVRTString::size_type pos, CPVRTString::size_type size)
{
    return std::min(pos, size);
}

} // namespace

CPVRTString::CPVRTString() : m_pString(static_cast<char*>(calloc(1, 1))), m_Size(0), m_Capacity(1)
{
}

CPVRTString::CPVRTString(char const* s, size_type n) : CPVRTString()
{
    assign(s, n);
}

CPVRTString::CPVRTString(CPVRTString const& s, size_type pos, size_type n) : CPVRTString()
{
    assign(s, pos, n);
}

CPVRTString::CPVRTString(size_type n, char c) : CPVRTString()
{
    assign(n, c);
}

CPVRTString::CPVRTString(char c) : CPVRTString()
{
    assign(1, c);
}

CPVRTString::CPVRTString(CPVRTString const& s) : CPVRTString()
{
    assign(s);
}

CPVRTString::~CPVRTString()
{
    free(m_pString);
}

void CPVRTString::Grow(size_type length)
{
    if (m_Capacity > length)
        return;
    char* grown = static_cast<char*>(realloc(m_pString, length + 1u));
    if (!grown)
        abort();
    m_pString = grown;
    m_Capacity = length + 1u;
}

CPVRTString& CPVRTString::Assign(char const* s, size_type n)
{
    Grow(n);
    memmove(m_pString, s, n);
    m_Size = n;
    m_pString[n] = 0;
    return *this;
}

CPVRTString& CPVRTString::Append(char const* s, size_type n)
{
    if (m_Capacity > m_Size + n) {
        memmove(m_pString + m_Size, s, n);
    } else {
        // A new buffer, filled before the old one goes: the source may lie
        // inside this very string.
        char* grown = static_cast<char*>(malloc(m_Size + n + 1u));
        if (!grown)
            abort();
        memcpy(grown, m_pString, m_Size);
        memcpy(grown + m_Size, s, n);
        free(m_pString);
        m_pString = grown;
        m_Capacity = m_Size + n + 1u;
    }
    m_Size += n;
    m_pString[m_Size] = 0;
    return *this;
}

CPVRTString& CPVRTString::assign(char const* s)
{
    return Assign(s, static_cast<size_type>(strlen(s)));
}

CPVRTString& CPVRTString::assign(char const* s, size_type n)
{
    return Assign(s, n == npos ? static_cast<size_type>(strlen(s)) : n);
}

CPVRTString& CPVRTString::assign(CPVRTString const& s)
{
    return Assign(s.m_pString, s.m_Size);
}

CPVRTString& CPVRTString::assign(CPVRTString const& s, size_type pos, size_type n)
{
    pos = Clamp(pos, s.m_Size);
    return Assign(s.m_pString + pos, std::min(n, s.m_Size - pos));
}

CPVRTString& CPVRTString::assign(size_type n, char c)
{
    Grow(n);
    memset(m_pString, c, n);
    m_Size = n;
    m_pString[n] = 0;
    return *this;
}

CPVRTString& CPVRTString::append(char const* s)
{
    return Append(s, static_cast<size_type>(strlen(s)));
}

CPVRTString& CPVRTString::append(char const* s, size_type n)
{
    return Append(s, n == npos ? static_cast<size_type>(strlen(s)) : n);
}

CPVRTString& CPVRTString::append(CPVRTString const& s)
{
    return Append(s.m_pString, s.m_Size);
}

CPVRTString& CPVRTString::append(CPVRTString const& s, size_type pos, size_type n)
{
    pos = Clamp(pos, s.m_Size);
    return Append(s.m_pString + pos, std::min(n, s.m_Size - pos));
}

CPVRTString& CPVRTString::append(size_type n, char c)
{
    Grow(m_Size + n);
    memset(m_pString + m_Size, c, n);
    m_Size += n;
    m_pString[m_Size] = 0;
    return *this;
}

CPVRTString::size_type CPVRTString::copy(char* dest, size_type n, size_type pos) const
{
    if (!dest)
        return 0;
    pos = Clamp(pos, m_Size);
    size_type const count = std::min(m_Size - pos, n);
    memcpy(dest, m_pString + pos, count);
    return count;
}

void CPVRTString::clear()
{
    free(m_pString);
    m_pString = static_cast<char*>(calloc(1, 1));
    m_Size = 0;
    m_Capacity = 1;
}

CPVRTString& CPVRTString::erase(size_type pos, size_type n)
{
    pos = Clamp(pos, m_Size);
    if (n >= m_Size - pos) {
        m_Size = pos;
        m_pString[pos] = 0;
    } else {
        memmove(m_pString + pos, m_pString + pos + n, m_Size - (pos + n) + 1u);
        m_Size -= n;
    }
    return *this;
}

void CPVRTString::resize(size_type n, char c)
{
    if (n <= m_Size) {
        m_Size = n;
        m_pString[n] = 0;
    } else {
        append(n - m_Size, c);
    }
}

void CPVRTString::reserve(size_type n)
{
    Grow(n);
}

void CPVRTString::swap(CPVRTString& other)
{
    std::swap(m_pString, other.m_pString);
    std::swap(m_Size, other.m_Size);
    std::swap(m_Capacity, other.m_Capacity);
}

CPVRTString& CPVRTString::toLower()
{
    for (char* p = m_pString; *p; ++p)
        if (*p >= 'A' && *p <= 'Z')
            *p = static_cast<char>(*p - 'A' + 'a');
    return *this;
}

int CPVRTString::compare(CPVRTString const& s) const
{
    return strcmp(m_pString, s.m_pString);
}

int CPVRTString::compare(char const* s) const
{
    return strcmp(m_pString, s);
}

int CPVRTString::CompareParts(size_type pos, size_type n, char const* right, size_type rightLength) const
{
    pos = Clamp(pos, m_Size);
    size_type const leftLength = std::min(m_Size - pos, n);
    size_type const shorter = std::min(leftLength, rightLength);
    for (size_type i = 0; i < shorter; ++i) {
        signed char const l = static_cast<signed char>(m_pString[pos + i]);
        signed char const r = static_cast<signed char>(right[i]);
        if (l != r)
            return l < r ? -1 : 1;
    }
    if (leftLength == rightLength)
        return 0;
    return leftLength < rightLength ? -1 : 1;
}

int CPVRTString::compare(size_type pos, size_type n, CPVRTString const& s) const
{
    return CompareParts(pos, n, s.m_pString, std::min(s.m_Size, n));
}

int CPVRTString::compare(size_type pos, size_type n, char const* s) const
{
    return CompareParts(pos, n, s, std::min(static_cast<size_type>(strlen(s)), n));
}

int CPVRTString::compare(size_type pos, size_type n, char const* s, size_type count2) const
{
    return CompareParts(pos, n, s, std::min(static_cast<size_type>(strlen(s)), count2));
}

int CPVRTString::compare(size_type pos, size_type n, CPVRTString const& s, size_type pos2, size_type count2) const
{
    pos2 = Clamp(pos2, s.m_Size);
    return CompareParts(pos, n, s.m_pString + pos2, std::min(s.m_Size - pos2, count2));
}

CPVRTString::size_type CPVRTString::FindForward(char const* set, size_type setLength, size_type pos, bool inSet) const
{
    for (size_type i = pos; i < m_Size; ++i)
        if ((memchr(set, m_pString[i], setLength) != nullptr) == inSet)
            return i;
    return npos;
}

CPVRTString::size_type CPVRTString::FindBackward(char const* set, size_type setLength, size_type pos, bool inSet) const
{
    if (pos >= m_Size)
        return npos;
    for (size_type i = m_Size - pos; i-- > 0;)
        if ((memchr(set, m_pString[i], setLength) != nullptr) == inSet)
            return i;
    return npos;
}

CPVRTString::size_type CPVRTString::find_first_of(char c, size_type pos) const
{
    return FindForward(&c, 1, pos, true);
}

CPVRTString::size_type CPVRTString::find_first_of(char const* set, size_type pos) const
{
    return FindForward(set, static_cast<size_type>(strlen(set)), pos, true);
}

CPVRTString::size_type CPVRTString::find_first_of(char const* set, size_type pos, size_type n) const
{
    return FindForward(set, n, pos, true);
}

CPVRTString::size_type CPVRTString::find_first_of(CPVRTString const& set, size_type pos) const
{
    return FindForward(set.m_pString, set.m_Size, pos, true);
}

CPVRTString::size_type CPVRTString::find_first_not_of(char c, size_type pos) const
{
    return FindForward(&c, 1, pos, false);
}

CPVRTString::size_type CPVRTString::find_first_not_of(char const* set, size_type pos) const
{
    return FindForward(set, static_cast<size_type>(strlen(set)), pos, false);
}

CPVRTString::size_type CPVRTString::find_first_not_of(char const* set, size_type pos, size_type n) const
{
    return FindForward(set, n, pos, false);
}

CPVRTString::size_type CPVRTString::find_first_not_of(CPVRTString const& set, size_type pos) const
{
    return FindForward(set.m_pString, set.m_Size, pos, false);
}

CPVRTString::size_type CPVRTString::find_last_of(char c, size_type pos) const
{
    return FindBackward(&c, 1, pos, true);
}

CPVRTString::size_type CPVRTString::find_last_of(char const* set, size_type pos) const
{
    return FindBackward(set, static_cast<size_type>(strlen(set)), pos, true);
}

CPVRTString::size_type CPVRTString::find_last_of(char const* set, size_type pos, size_type n) const
{
    return FindBackward(set, n, pos, true);
}

CPVRTString::size_type CPVRTString::find_last_of(CPVRTString const& set, size_type pos) const
{
    return FindBackward(set.m_pString, set.m_Size, pos, true);
}

CPVRTString::size_type CPVRTString::find_last_not_of(char c, size_type pos) const
{
    return FindBackward(&c, 1, pos, false);
}

CPVRTString::size_type CPVRTString::find_last_not_of(char const* set, size_type pos) const
{
    return FindBackward(set, static_cast<size_type>(strlen(set)), pos, false);
}

CPVRTString::size_type CPVRTString::find_last_not_of(char const* set, size_type pos, size_type n) const
{
    return FindBackward(set, n, pos, false);
}

CPVRTString::size_type CPVRTString::find_last_not_of(CPVRTString const& set, size_type pos) const
{
    return FindBackward(set.m_pString, set.m_Size, pos, false);
}

CPVRTString operator+(CPVRTString const& a, CPVRTString const& b)
{
    return CPVRTString(a).append(b);
}

CPVRTString operator+(CPVRTString const& a, char const* b)
{
    return CPVRTString(a).append(b);
}

CPVRTString operator+(CPVRTString const& a, char b)
{
    return CPVRTString(a).append(1, b);
}

CPVRTString operator+(char const* a, CPVRTString const& b)
{
    return CPVRTString(a).append(b);
}

CPVRTString operator+(char a, CPVRTString const& b)
{
    return CPVRTString(a).append(b);
}

bool operator==(CPVRTString const& a, CPVRTString const& b)
{
    return a.compare(b) == 0;
}

bool operator==(CPVRTString const& a, char const* b)
{
    return a.compare(b) == 0;
}

bool operator!=(CPVRTString const& a, CPVRTString const& b)
{
    return a.compare(b) != 0;
}

bool operator!=(CPVRTString const& a, char const* b)
{
    return a.compare(b) != 0;
}

bool operator<(CPVRTString const& a, CPVRTString const& b)
{
    return a.compare(b) < 0;
}
