// The framework's byte string (UTF-8 or ASCII): short texts live inline,
// longer ones in an exactly sized heap array. Its byte-sum hash is the quick
// first filter of the framework's name tables.
#pragma once

class FGData;

class FGString {
public:
    // Texts of fewer bytes than this (with their terminating zero) cost no
    // allocation: most names and keys of the game fit.
    static constexpr int kInlineCapacity = 24;

    FGString();
    FGString(char const* text);
    FGString(FGString const& other);
    FGString(FGString&& other) noexcept;
    // The valid bytes of a buffer, or its first n bytes.
    explicit FGString(FGData const* data);
    FGString(FGData const* data, int n);
    // A fixed-capacity string: appends fill it in place up to capacity - 1
    // bytes, dropping the rest.
    explicit FGString(int capacity);
    ~FGString();

    FGString& operator=(FGString const& other);
    FGString& operator=(FGString&& other) noexcept;
    FGString& operator=(char const* text);

    // Each set replaces the text.
    void set(char const* text);
    void set(FGString const& other);
    void set(FGData const* data);
    void set(FGData const* data, int n);
    void set(FGData const* data, int offset, int n);

    void add(FGString const& other);
    void add(char const* text);
    void addBrewString(char const* bytes, int n);
    void addBrewString(char const* text);
    // One byte; a zero byte appends nothing.
    void add(char byte);
    // Numbers in decimal.
    void add(unsigned char number);
    void add(short number);
    void add(int number);
    void add(long number);

    bool equals(FGString const& other) const;
    bool equals(char const* text) const;
    // False for a null argument.
    bool startsWith(char const* prefix) const;
    bool endsWith(char const* suffix) const;

    // Bytes from max(from, 0) up to, not including, min(to, length).
    FGString substring(int from, int to) const;
    FGString substring(int from) const;
    // First index at or after `from`, or -1.
    int indexOf(char byte) const;
    int indexOf(char byte, int from) const;
    int indexOf(char const* text) const;
    int indexOf(char const* text, int from) const;
    // The byte at i; 0 outside the text.
    char charAt(int i) const;

    // Without leading and trailing tabs, line ends and spaces.
    FGString trim() const;
    // ASCII letters changed, other bytes kept.
    FGString toLowerCase() const;
    FGString toUpperCase() const;

    // Decimal value by the rules of atoi (out-of-range values are clamped).
    int toInt() const;
    // Every byte a digit, a minus allowed first; true for the empty string.
    bool canParseToInt() const;
    // Hexadecimal value with an optional leading minus; 0 on any other byte.
    int toIntFromHex() const;

    // The sum of the unsigned byte values.
    int getHash() const;
    static int getHash(char const* text);

    char const* getNativeString() const { return text(); }
    int getLength() const { return length; }

    // Turns text that starts with the UTF-8 byte-order mark into Latin-1:
    // drops the mark and folds the two-byte forms of U+0080 to U+00FF into
    // one byte. Data without the mark is left alone.
    static void unicodeToAscii(FGData* data);
    // The Latin-1 byte of a letter whose UTF-8 form is C3 followed by `code`.
    static signed char utf8ToAscii(int code);

private:
    char* text() { return heapText ? heapText : inlineText; }
    char const* text() const { return heapText ? heapText : inlineText; }
    void clear();
    static FGString mapBytes(FGString const& source, char (*map)(char));

    char inlineText[kInlineCapacity] = {};
    char* heapText = nullptr;
    int length = 0; // bytes held
    int fixedCapacity = 0; // 0 unless made by FGString(int)
};
