// The language setting and the filling of "\0" to "\9" placeholders.
#include "qrvl/original/phone/text/CLocalise.h"

#include <cstring>

namespace {

constexpr int kPlaceholderDigits = 10;

// The length of the character at `text`, never reaching past its terminator.
int CharLength(char const* text)
{
    int const length = CLocalise::UTF8CharGetLength(text);
    for (int i = 1; i < length; ++i)
        if (text[i] == '\0')
            return i;
    return length;
}

bool IsPlaceholder(char const* at)
{
    return at[0] == '\\' && at[1] >= '0' && at[1] <= '9';
}

} // namespace

char const* const CLocalise::s_LanguageNames[kLanguageCount] = {"english_us", "english_uk", "french",
                                                                 "italian",    "german",     "spanish"};

CLocalise::CLocalise()
    : languageName(s_LanguageNames[kEnglishUS])
{
}

CLocalise* CLocalise::GetLocalise()
{
    static CLocalise instance;
    return &instance;
}

void CLocalise::SetLanguage(short id)
{
    languageId = (id >= 0 && id < kLanguageCount) ? id : short{kEnglishUS};
    languageName = s_LanguageNames[languageId];
}

void CLocalise::LoadData()
{
    languageName = s_LanguageNames[languageId];
    dataPath = "localisation/" + languageName + ".dat";
}

std::string CLocalise::Fill(char const* pattern, char const* const* texts, int count)
{
    if (!pattern)
        return std::string();
    // Where each placeholder's first occurrence is, and how many there are.
    char const* first[kPlaceholderDigits] = {};
    int placeholders = 0;
    for (char const* at = pattern; *at; at += CharLength(at)) {
        if (!IsPlaceholder(at))
            continue;
        ++placeholders;
        char const*& slot = first[at[1] - '0'];
        if (!slot)
            slot = at;
    }
    int const filled = placeholders < count ? placeholders : count;
    std::string result;
    for (char const* at = pattern; *at;) {
        int const digit = IsPlaceholder(at) ? at[1] - '0' : -1;
        if (digit >= 0 && digit < filled && first[digit] == at) {
            result += texts[digit] ? texts[digit] : "";
            at += 2;
            continue;
        }
        int const length = CharLength(at);
        result.append(at, static_cast<size_t>(length));
        at += length;
    }
    return result;
}

bool CLocalise::CopyOut(std::string const& text, char* out, size_t outSize)
{
    if (!out || outSize == 0)
        return text.empty();
    size_t length = text.size();
    if (length >= outSize) {
        length = outSize - 1;
        // Step back over continuation bytes so no character is cut in two.
        while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
            --length;
    }
    std::memcpy(out, text.data(), length);
    out[length] = '\0';
    return length == text.size();
}

int CLocalise::UTF8CharGetLength(char const* text)
{
    if (!text)
        return 0;
    auto lead = static_cast<unsigned char>(*text);
    if (lead < 0x80 || (lead & 0xC0) == 0x80)
        return 1;
    int ones = 0;
    for (; lead & 0x80; lead = static_cast<unsigned char>(lead << 1))
        ++ones;
    return ones;
}

char const* CLocalise::UTF8StrStr(char const* text, char const* needle)
{
    if (!text || !needle)
        return nullptr;
    size_t const n = std::strlen(needle);
    for (char const* at = text;; at += CharLength(at)) {
        if (std::strncmp(at, needle, n) == 0)
            return at;
        if (!*at)
            return nullptr;
    }
}
