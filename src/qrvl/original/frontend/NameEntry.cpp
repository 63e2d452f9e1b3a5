// Name entry.
#include "qrvl/original/frontend/NameEntry.h"

#include "norv/base/KeyCode.h"

#include <cstring>

namespace qrvl {

namespace {

constexpr char const* kAccepted = "spinner_click";
constexpr char const* kRefused = "car_honk";

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// The letters of Latin-1 and Latin Extended-A, which every font of the game
// carries; the two signs among them are no letters.
constexpr int kFirstAccented = 0xC0;
constexpr int kLastAccented = 0x17F;
constexpr int kTimes = 0xD7;
constexpr int kDivide = 0xF7;

bool IsAccentedLetter(int code)
{
    return code >= kFirstAccented && code <= kLastAccented && code != kTimes && code != kDivide;
}

// The UTF-8 bytes of a character up to U+07FF; the number written.
int EncodeUtf8(int code, char* out)
{
    if (code < 0x80) {
        out[0] = static_cast<char>(code);
        return 1;
    }
    out[0] = static_cast<char>(0xC0 | (code >> 6));
    out[1] = static_cast<char>(0x80 | (code & 0x3F));
    return 2;
}

int CharacterCount(char const* text)
{
    int count = 0;
    for (; *text; ++text)
        count += IsContinuationByte(*text) ? 0 : 1;
    return count;
}

} // namespace

void NameEntry::CopyWhole(char* out, int outBytes, char const* text)
{
    if (!out || outBytes < 1)
        return;
    int length = static_cast<int>(std::strlen(text ? text : ""));
    if (length > outBytes - 1) {
        length = outBytes - 1;
        // Back off to the start of the character the cut would split.
        while (length > 0 && IsContinuationByte(text[length]))
            --length;
    }
    if (length > 0)
        std::memcpy(out, text, static_cast<size_t>(length));
    out[length] = '\0';
}

void NameEntry::Attach(char* out, int outBytes)
{
    buffer = outBytes > 0 ? out : nullptr;
    bytes = buffer ? outBytes : 0;
    untouched = false;
}

void NameEntry::Prefill(char const* text)
{
    CopyWhole(buffer, bytes, text);
    untouched = true;
}

int NameEntry::Length() const { return buffer ? static_cast<int>(std::strlen(buffer)) : 0; }

bool NameEntry::Fits(int characterBytes) const
{
    return CharacterCount(Text()) < kMaxCharacters && Length() + characterBytes <= bytes - 1;
}

bool NameEntry::HasVisibleCharacter() const
{
    for (char const* c = Text(); *c; ++c) {
        if (*c != ' ')
            return true;
    }
    return false;
}

char const* NameEntry::Process(int code)
{
    if (code == kIgnored)
        return nullptr;
    if (code == kNothing)
        return kAccepted;
    if (!buffer)
        return kRefused;
    int length = Length();
    if (code == kDelete) {
        if (untouched) {
            length = 0;
        } else if (length > 0) {
            // A whole character goes, however many bytes it takes.
            do {
                --length;
            } while (length > 0 && IsContinuationByte(buffer[length]));
        } else {
            return kRefused;
        }
        buffer[length] = '\0';
        untouched = false;
        return kAccepted;
    }
    if (untouched && code != ' ') {
        length = 0;
        buffer[0] = '\0';
    }
    bool const leadingSpace = code == ' ' && length == 0;
    bool const drawable = (code >= ' ' && code <= '~') || IsAccentedLetter(code);
    char encoded[2];
    int const size = drawable ? EncodeUtf8(code, encoded) : 0;
    if (!drawable || leadingSpace || !Fits(size))
        return kRefused;
    std::memcpy(buffer + length, encoded, static_cast<size_t>(size));
    buffer[length + size] = '\0';
    untouched = false;
    return kAccepted;
}

} // namespace qrvl

namespace qrvl {

int NameCharacterForKey(int key, bool upper)
{
    if (key >= Norv::KEY_A && key <= Norv::KEY_Z)
        return (upper ? 'A' : 'a') + key - Norv::KEY_A;
    if (key >= Norv::KEY_0 && key <= Norv::KEY_9)
        return '0' + key - Norv::KEY_0;
    // The punctuation keys run from the hash to the right bracket, with the
    // volume keys among them.
    static constexpr char kPunctuation[] = "#*\0\0 @'~\"/.=;,-[]";
    if (key >= Norv::KEY_HASH && key <= Norv::KEY_RIGHT_BRACKET) {
        char const c = kPunctuation[key - Norv::KEY_HASH];
        return c ? c : -1;
    }
    return key == Norv::KEY_BACK ? NameEntry::kDelete : -1;
}

int NameCharacterForTyped(unsigned int character, bool upper)
{
    int const code = static_cast<int>(character);
    if (!IsAccentedLetter(code))
        return -1;
    if (!upper)
        return code;
    // Latin-1 keeps its capitals 32 below; ÿ's is in Latin Extended-A.
    if (code == 0xFF)
        return 0x178;
    if (code >= 0xE0 && code <= 0xFE)
        return code - 0x20;
    // Latin Extended-A pairs each capital with the small letter after it,
    // starting on an even code up to ķ and from Ŋ to ŷ, on an odd one from
    // Ĺ to ň and from Ź to ž.
    bool const evenPairs = (code >= 0x100 && code <= 0x137) || (code >= 0x14A && code <= 0x177);
    bool const oddPairs = (code >= 0x139 && code <= 0x148) || (code >= 0x179 && code <= 0x17E);
    bool const small = (evenPairs && code % 2 == 1) || (oddPairs && code % 2 == 0);
    return small ? code - 1 : code;
}

} // namespace qrvl
