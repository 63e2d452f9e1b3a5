// A player's name typed one character at a time into a buffer of the
// caller's. The name holds at most seven characters and never more than the
// buffer takes; a pre-filled name counts as untouched until the first edit.
#pragma once

namespace qrvl {

class NameEntry {
public:
    static constexpr int kMaxCharacters = 7;
    // The codes that are not characters.
    static constexpr int kNothing = 0;
    static constexpr int kDelete = 1;
    static constexpr int kIgnored = 2;

    // Writes into `buffer` of `bytes` bytes (at least one); null to detach.
    void Attach(char* buffer, int bytes);
    // Puts in the pre-filled name, cut on a character boundary to fit.
    void Prefill(char const* text);
    // Takes up a name typed before, untouched when it is still the pre-filled one.
    void Resume(bool stillUntouched) { untouched = stillUntouched; }
    // Applies one code: a character (ASCII or an accented letter of
    // NameCharacterForTyped, kept in UTF-8), kDelete, kNothing or kIgnored. Answers
    // the sound that goes with it, or null for none.
    char const* Process(int code);

    char const* Text() const { return buffer ? buffer : ""; }
    bool IsUntouched() const { return untouched; }
    // Whether the name has a character other than a space.
    bool HasVisibleCharacter() const;

    // The longest start of `text` that fits `bytes` - 1 bytes without
    // cutting a multi-byte UTF-8 character, copied with its terminator.
    static void CopyWhole(char* out, int bytes, char const* text);

private:
    int Length() const;
    // Whether one more character of that many bytes fits the name.
    bool Fits(int characterBytes) const;

    char* buffer = nullptr;
    int bytes = 0;
    bool untouched = false;
};

} // namespace qrvl

namespace qrvl {

// The character a key types on the name page: a letter in upper case when
// `upper`, else in lower case; NameEntry::kDelete for the delete key; -1 for
// a key that types nothing (shift, and the keys the page handles itself).
int NameCharacterForKey(int key, bool upper);
// The same for a character typed beyond ASCII (a Unicode code point): the
// accented letter in upper case when `upper`, -1 for what is no letter the
// game's fonts draw.
int NameCharacterForTyped(unsigned int character, bool upper);

} // namespace qrvl
