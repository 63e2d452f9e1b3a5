// The data check of the texts: every language file in the built data loads,
// names the same ids with the same placeholders, and holds every id that the
// code and the scripts use.
#include "UsedTextIds.h"

#include "BuiltResources.h"
#include "norv/base/Xml.h"
#include "norv/base/XmlIt.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cwctype>
#include <fstream>
#include <set>
#include <sstream>
#include <vector>

namespace {

using Norv::NarrowString;
using Norv::WideString;

struct Language {
    char const* file;
    char const* id; // published on the language key; pictures and money follow it
};

Language const kLanguages[] = {
    {"texts/englishUK.xml", "en"}, {"texts/english.xml", "en_am"}, {"texts/french.xml", "fr"},
    {"texts/italian.xml", "it"},   {"texts/german.xml", "de"},     {"texts/spanish.xml", "es"},
};

// The file every other language is held against.
char const* const kReference = "texts/englishUK.xml";

// The ids of a language file in document order, duplicates included.
std::vector<NarrowString> IdsOf(char const* file)
{
    std::vector<NarrowString> ids;
    Norv::SmartPtr<Norv::Xml> document = Norv::Xml::LoadFromFile(file);
    if (!document)
        return ids;
    for (Norv::XmlIt entry(Norv::XmlIt(document->GetTree()), "string"); entry; ++entry) {
        NarrowString id;
        entry.GetAttribute("id", id);
        ids.push_back(id);
    }
    return ids;
}

// The placeholders of a text, sorted: "\0".."\9" filled by the game's
// substitution, "%s" and "%d" by printf-style formatting. A lone percent sign
// would upset the formatting, so it is reported as "%?".
std::vector<std::wstring> PlaceholdersOf(WideString const& text)
{
    std::vector<std::wstring> found;
    for (size_t i = 0; i < text.size(); ++i) {
        wchar_t const next = i + 1 < text.size() ? text[i + 1] : L'\0';
        if (text[i] == L'\\' && next >= L'0' && next <= L'9')
            found.push_back(text.substr(i++, 2));
        else if (text[i] == L'%')
            found.push_back(next == L's' || next == L'd' ? text.substr(i++, 2) : L"%?");
    }
    std::sort(found.begin(), found.end());
    return found;
}

std::string Narrow(WideString const& text)
{
    return std::string(NarrowString(text));
}

// Texts every language writes as English does: names, the game's own name,
// the language names in the settings and a few words the languages share.
std::set<std::string> const kSharedWords = {
    "Quorvel", "OK", "No", "Version \\0", "Options", "Penthouse", "Exemption",
    "April", "August", "September", "November",
    "English (UK)", "English (US)", "Français", "Deutsch", "Español", "Italiano",
    "Bob", "Rachel", "John", "Mary", "Joan", "Ernie", "Sam", "Leo", "Nina", "Ruby",
};

// The game speaks of the road, careers, family and retirement, never of "life"
// in any language.
bool SpeaksOfLife(WideString const& text)
{
    std::string word;
    std::string const narrow = Narrow(text) + " ";
    for (char c : narrow) {
        bool const letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c & 0x80);
        if (letter) {
            word += (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
            continue;
        }
        if (word == "life" || word == "vie" || word == "vida" || word == "vita" || word.rfind("leben", 0) == 0)
            return true;
        word.clear();
    }
    return false;
}

// A player's name holds 7 characters (8 bytes with the terminator in a save).
size_t const kNameBytes = 7;
int const kMaxPlayers = 6;

// The board's spaces: name (text id) and kind, from the board file.
std::vector<std::pair<std::string, std::string>> BoardSpaces()
{
    std::vector<std::pair<std::string, std::string>> spaces;
    std::ifstream board(QUORVEL_SOURCE_ROOT "/data/board/quorvelBoard.txt");
    std::string line;
    while (std::getline(board, line)) {
        std::vector<std::string> fields;
        std::stringstream row(line);
        for (std::string field; std::getline(row, field, ',');)
            fields.push_back(field);
        if (fields.size() > 5)
            spaces.emplace_back(fields[4], fields[5]);
    }
    return spaces;
}

// The board's own key = value table of its space texts.
std::map<std::string, std::string> SpaceTextTable()
{
    std::map<std::string, std::string> table;
    std::ifstream file(QUORVEL_RESOURCES_DIR "/space_text_e.txt");
    std::string line;
    while (std::getline(file, line)) {
        size_t const equals = line.find(" = ");
        if (line.rfind("//", 0) != 0 && equals != std::string::npos)
            table[line.substr(0, equals)] = line.substr(equals + 3);
    }
    return table;
}

class LanguageFilesTest : public BuiltResources {};

TEST_F(LanguageFilesTest, EveryFileLoadsAndPublishesItsLanguage)
{
    for (Language const& language : kLanguages) {
        ASSERT_TRUE(dict.LoadStrings(language.file)) << language.file;
        NarrowString published;
        Norv::g_registry->Get(Norv::TextDict::kLanguageKey, published);
        EXPECT_EQ(published, language.id) << language.file;
        EXPECT_NE(Narrow(dict.GetText("S_CURRENCY")), "S_CURRENCY") << language.file;
    }
}

TEST_F(LanguageFilesTest, EveryLanguageHasTheSameIdsWithTheSamePlaceholders)
{
    std::vector<NarrowString> const reference = IdsOf(kReference);
    ASSERT_FALSE(reference.empty());
    std::set<NarrowString> const referenceIds(reference.begin(), reference.end());

    ASSERT_TRUE(dict.LoadStrings(kReference));
    std::map<NarrowString, std::vector<std::wstring>> expected;
    for (NarrowString const& id : referenceIds)
        expected[id] = PlaceholdersOf(dict.GetText(id));

    for (Language const& language : kLanguages) {
        std::vector<NarrowString> const ids = IdsOf(language.file);
        std::set<NarrowString> const unique(ids.begin(), ids.end());
        EXPECT_EQ(unique.size(), ids.size()) << language.file << " names an id twice";
        for (NarrowString const& id : unique)
            EXPECT_TRUE(referenceIds.count(id)) << language.file << " has " << id << ", " << kReference << " lacks it";

        ASSERT_TRUE(dict.LoadStrings(language.file)) << language.file;
        for (NarrowString const& id : referenceIds) {
            WideString const text = dict.GetText(id);
            EXPECT_TRUE(unique.count(id)) << language.file << " lacks " << id;
            std::vector<std::wstring> const placeholders = PlaceholdersOf(text);
            EXPECT_EQ(placeholders, expected[id]) << language.file << " " << id << ": " << Narrow(text);
            // Only the first of two equal placeholders would be filled in.
            EXPECT_EQ(std::adjacent_find(placeholders.begin(), placeholders.end(),
                                         [](std::wstring const& a, std::wstring const& b) {
                                             return a == b && a[0] == L'\\';
                                         }),
                      placeholders.end())
                << language.file << " " << id << " repeats a placeholder";
        }
    }
}

TEST_F(LanguageFilesTest, EveryIdThatCodeAndScriptsUseIsInEveryLanguage)
{
    std::map<std::string, std::string> const used = FindUsedTextIds(QUORVEL_SOURCE_ROOT);
    // The money pattern is looked up by the framework: a scan that misses it
    // is looking in the wrong place.
    ASSERT_TRUE(used.count("S_CURRENCY"));

    for (Language const& language : kLanguages) {
        ASSERT_TRUE(dict.LoadStrings(language.file)) << language.file;
        for (auto const& [id, where] : used)
            EXPECT_NE(Narrow(dict.GetText(id)), id) << language.file << " lacks " << id << " (used at " << where << ")";
    }
}

TEST_F(LanguageFilesTest, EveryTextIsWrittenInItsOwnLanguage)
{
    ASSERT_TRUE(dict.LoadStrings(kReference));
    std::map<NarrowString, WideString> const english = dict.GetTexts();
    for (Language const& language : kLanguages) {
        if (std::string(language.id).rfind("en", 0) == 0)
            continue;
        ASSERT_TRUE(dict.LoadStrings(language.file)) << language.file;
        for (auto const& [id, text] : dict.GetTexts()) {
            auto const source = english.find(id);
            bool const hasWords = std::any_of(text.begin(), text.end(), [](wchar_t c) { return std::iswalpha(c); });
            if (source != english.end() && source->second == text && hasWords) {
                EXPECT_TRUE(kSharedWords.count(Narrow(text)))
                    << language.file << " " << id << " is still English: " << Narrow(text);
            }
        }
    }
}

TEST_F(LanguageFilesTest, NoTextSpeaksOfLife)
{
    EXPECT_TRUE(SpeaksOfLife(L"A Life's Fortune"));
    EXPECT_TRUE(SpeaksOfLife(L"Ihren Lebensabend"));
    EXPECT_FALSE(SpeaksOfLife(L"Lifeguard at the vieux port, vidal"));
    for (Language const& language : kLanguages) {
        ASSERT_TRUE(dict.LoadStrings(language.file)) << language.file;
        for (auto const& [id, text] : dict.GetTexts())
            EXPECT_FALSE(SpeaksOfLife(text)) << language.file << " " << id << ": " << Narrow(text);
    }
    for (auto const& [id, text] : SpaceTextTable())
        EXPECT_FALSE(SpeaksOfLife(WideString(NarrowString(text)))) << "space_text_e.txt " << id;
}

// French sets : ; ! ? and the euro sign apart with a space that never breaks,
// so a "!" cannot wrap onto a line of its own.
TEST_F(LanguageFilesTest, FrenchPunctuationStaysWithItsWord)
{
    ASSERT_TRUE(dict.LoadStrings("texts/french.xml"));
    for (auto const& [id, text] : dict.GetTexts()) {
        for (size_t i = 1; i < text.size(); ++i) {
            bool const spaced = text[i - 1] == L' ' || text[i - 1] == L'\n';
            if (spaced && std::wstring(L":;!?\u20ac").find(text[i]) != std::wstring::npos)
                ADD_FAILURE() << "french.xml " << id << " breaks before '" << Narrow(text.substr(i, 1)) << "': " << Narrow(text);
        }
    }
    EXPECT_EQ(dict.GetText("S_1000_SEP"), L"\u00a0");
}

TEST_F(LanguageFilesTest, DefaultPlayerNamesFitTheNameField)
{
    for (Language const& language : kLanguages) {
        ASSERT_TRUE(dict.LoadStrings(language.file)) << language.file;
        std::string const format = Narrow(dict.GetText("S_PLAYER_PREFIX"));
        char name[64];
        std::snprintf(name, sizeof name, format.c_str(), kMaxPlayers);
        EXPECT_LE(std::strlen(name), kNameBytes) << language.file << ": \"" << name << "\"";
    }
}

// A space's text tells what the space does: every Spin to Win space names the
// game it starts, and the board's own table agrees with the British texts.
TEST_F(LanguageFilesTest, SpaceTextsMatchTheirKindOfSpace)
{
    std::vector<std::pair<std::string, std::string>> const spaces = BoardSpaces();
    ASSERT_GT(spaces.size(), 150u);
    for (Language const& language : kLanguages) {
        ASSERT_TRUE(dict.LoadStrings(language.file)) << language.file;
        WideString const spinToWin = dict.GetText("S_SPN2");
        for (auto const& [id, kind] : spaces) {
            if (kind == "S2") {
                EXPECT_NE(dict.GetText(id).find(spinToWin), WideString::npos)
                    << language.file << " " << id << ": " << Narrow(dict.GetText(id));
            }
        }
    }
    ASSERT_TRUE(dict.LoadStrings(kReference));
    std::map<std::string, std::string> const table = SpaceTextTable();
    for (auto const& [id, kind] : spaces) {
        auto const entry = table.find(id);
        ASSERT_NE(entry, table.end()) << "space_text_e.txt lacks " << id;
        EXPECT_EQ(entry->second, Narrow(dict.GetText(id))) << "space_text_e.txt " << id;
    }
}

} // namespace
