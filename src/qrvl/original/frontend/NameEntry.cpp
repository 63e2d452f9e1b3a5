// Name entry.
#include "qrvl/original/frontend/NameEntry.h"

#include "norv/base/KeyCode.h"

#include <algorithm>
#include <cstring>

namespace qrvl {

namespace {

constexpr char const* kAccepted = "spinner_click";
constexpr char const* kRefused = "car_honk";

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

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

int NameEntry::Room() const { return std::min(kMaxCharacters, bytes - 1); }

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
    if (length >= Room() || leadingSpace || code < ' ' || code > '~')
        return kRefused;
    buffer[length] = static_cast<char>(code);
    buffer[length + 1] = '\0';
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

} // namespace qrvl
