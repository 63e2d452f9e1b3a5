// The current language of the game's texts, and the filling of their
// placeholders: a backslash and a digit ("\0" to "\9") stand for the
// argument of that index.
#pragma once

#include <cstddef>
#include <string>

class CLocalise {
public:
    enum eLanguageIDs : short {
        kEnglishUS = 0,
        kEnglishUK = 1,
        kFrench = 2,
        kItalian = 3,
        kGerman = 4,
        kSpanish = 5,
        kLanguageCount = 6,
    };
    static char const* const s_LanguageNames[kLanguageCount];

    // The instance, made on first use with language 0.
    static CLocalise* GetLocalise();

    // An id outside 0 to 5 selects 0.
    void SetLanguage(short id);
    short GetLanguage() const { return languageId; }
    char const* GetLanguageName() const { return languageName.c_str(); }
    // Takes the current language's name again and forms the path of its
    // localisation data; no such file is read.
    void LoadData();
    char const* GetDataPath() const { return dataPath.c_str(); }

    // Fills the placeholders of `pattern` with `texts` into `out` of
    // `outSize` bytes, cut short (and false) when it does not fit. Each
    // placeholder below the number of placeholders and of texts is filled
    // at its first occurrence only; the others stay as they stand.
    template <class... Texts>
    bool LocalisedStringSwitch(char* out, size_t outSize, char const* pattern, Texts const*... texts) const
    {
        char const* const list[] = {texts..., nullptr};
        return CopyOut(Fill(pattern, list, sizeof...(texts)), out, outSize);
    }

    // The filled text, for callers that keep it in a string.
    static std::string Fill(char const* pattern, char const* const* texts, int count);
    // Copies text into a buffer of outSize bytes, zero-terminated, cut short
    // at a whole character when it does not fit; false when cut.
    static bool CopyOut(std::string const& text, char* out, size_t outSize);

    // The byte length of the UTF-8 character that starts here: 1 for ASCII
    // and stray continuation bytes, else the lead byte's leading one bits;
    // 0 for null.
    static int UTF8CharGetLength(char const* text);
    // The first position, stepping by whole characters, where the needle's
    // bytes start; null when there is none.
    static char const* UTF8StrStr(char const* text, char const* needle);

private:
    CLocalise();

    short languageId = kEnglishUS;
    std::string languageName;
    std::string dataPath;
};
