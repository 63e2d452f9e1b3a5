// The toolkit's own string: a malloc'd zero-terminated buffer that grows to
// exactly the size needed. Positions beyond the length are the caller's
// limit; nothing checks them.
#pragma once

#include <cstddef>

class CPVRTString {
public:
    typedef unsigned int size_type;
    static constexpr size_type npos = 0xFFFFFFFFu;

    CPVRTString();
    CPVRTString(char const* s, size_type n = npos);
    CPVRTString(CPVRTString const& s, size_type pos, size_type n = npos);
    CPVRTString(size_type n, char c);
    CPVRTString(char c);
    CPVRTString(CPVRTString const& s);
    virtual ~CPVRTString();

    CPVRTString& assign(char const* s);
    CPVRTString& assign(char const* s, size_type n);
    CPVRTString& assign(CPVRTString const& s);
    CPVRTString& assign(CPVRTString const& s, size_type pos, size_type n);
    CPVRTString& assign(size_type n, char c);

    CPVRTString& append(char const* s);
    CPVRTString& append(char const* s, size_type n);
    CPVRTString& append(CPVRTString const& s);
    CPVRTString& append(CPVRTString const& s, size_type pos, size_type n);
    CPVRTString& append(size_type n, char c);

    CPVRTString& operator=(char const* s) { return assign(s); }
    CPVRTString& operator=(CPVRTString const& s) { return assign(s); }
    CPVRTString& operator=(char c) { return assign(1, c); }
    CPVRTString& operator+=(char const* s) { return append(s); }
    CPVRTString& operator+=(CPVRTString const& s) { return append(s); }
    CPVRTString& operator+=(char c) { return append(1, c); }
    void push_back(char c) { append(1, c); }

    char const* c_str() const { return m_pString; }
    char const* data() const { return m_pString; }
    size_type length() const { return m_Size; }
    size_type size() const { return m_Size; }
    size_type capacity() const { return m_Capacity; }
    size_type max_size() const { return 0x7FFFFFFFu; }
    bool empty() const { return m_Size == 0; }
    char& operator[](size_type pos) { return m_pString[pos]; }
    char const& operator[](size_type pos) const { return m_pString[pos]; }

    // Copies min(length - pos, n) characters without a terminator; returns
    // n, or 0 for a null dest.
    size_type copy(char* dest, size_type n, size_type pos = 0) const;
    void clear();
    CPVRTString& erase(size_type pos = 0, size_type n = npos);
    void resize(size_type n, char c = 0);
    void reserve(size_type n);
    CPVRTString substr(size_type pos = 0, size_type n = npos) const { return CPVRTString(*this, pos, n); }
    void swap(CPVRTString& other);
    CPVRTString& toLower();

    int compare(CPVRTString const& s) const;
    int compare(char const* s) const;
    int compare(size_type pos, size_type n, CPVRTString const& s) const;
    int compare(size_type pos, size_type n, char const* s) const;
    int compare(size_type pos, size_type n, char const* s, size_type count2) const;
    int compare(size_type pos, size_type n, CPVRTString const& s, size_type pos2, size_type count2) const;

    size_type find_first_of(char c, size_type pos = 0) const;
    size_type find_first_of(char const* set, size_type pos = 0) const;
    size_type find_first_of(char const* set, size_type pos, size_type n) const;
    size_type find_first_of(CPVRTString const& set, size_type pos = 0) const;
    size_type find_first_not_of(char c, size_type pos = 0) const;
    size_type find_first_not_of(char const* set, size_type pos = 0) const;
    size_type find_first_not_of(char const* set, size_type pos, size_type n) const;
    size_type find_first_not_of(CPVRTString const& set, size_type pos = 0) const;
    // The backward searches count pos from the end: they start at index
    // length - 1 - pos.
    size_type find_last_of(char c, size_type pos = 0) const;
    size_type find_last_of(char const* set, size_type pos = 0) const;
    size_type find_last_of(char const* set, size_type pos, size_type n) const;
    size_type find_last_of(CPVRTString const& set, size_type pos = 0) const;
    size_type find_last_not_of(char c, size_type pos = 0) const;
    size_type find_last_not_of(char const* set, size_type pos = 0) const;
    size_type find_last_not_of(char const* set, size_type pos, size_type n) const;
    size_type find_last_not_of(CPVRTString const& set, size_type pos = 0) const;

private:
    // Makes room for `length` characters and the terminator; exactly that
    // much when the buffer is too small, keeping the contents.
    void Grow(size_type length);
    // Replaces the contents with n characters from s (which may lie inside
    // this string).
    CPVRTString& Assign(char const* s, size_type n);
    CPVRTString& Append(char const* s, size_type n);
    // Forward or backward search for a character in (or not in) the set of
    // setLength characters.
    size_type FindForward(char const* set, size_type setLength, size_type pos, bool inSet) const;
    size_type FindBackward(char const* set, size_type setLength, size_type pos, bool inSet) const;
    int CompareParts(size_type pos, size_type n, char const* right, size_type rightLength) const;

    char* m_pString;
    size_type m_Size;
    size_type m_Capacity;
};

CPVRTString operator+(CPVRTString const& a, CPVRTString const& b);
CPVRTString operator+(CPVRTString const& a, char const* b);
CPVRTString operator+(CPVRTString const& a, char b);
CPVRTString operator+(char const* a, CPVRTString const& b);
CPVRTString operator+(char a, CPVRTString const& b);
bool operator==(CPVRTString const& a, CPVRTString const& b);
bool operator==(CPVRTString const& a, char const* b);
bool operator!=(CPVRTString const& a, CPVRTString const& b);
bool operator!=(CPVRTString const& a, char const* b);
bool operator<(CPVRTString const& a, CPVRTString const& b);
