// The data check of the texts: every language file in the built data loads,
// names the same ids with the same placeholders, and holds every id that the
// code and the scripts use.
#include "UsedTextIds.h"

#include "norv/base/Registry.h"
#include "norv/base/TextDict.h"
#include "norv/base/Xml.h"
#include "norv/base/XmlIt.h"
#include "norv/vfs/NativeMount.h"
#include "norv/vfs/Vfs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
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

// The built Resources folder mounted as the program mounts it.
class LanguageFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Norv::Vfs::Initialize();
        Norv::MountNative(QUORVEL_RESOURCES_DIR "/", "", Norv::VfsMount::FallThrough);
        Norv::g_registry = new Norv::Registry;
    }
    void TearDown() override
    {
        Norv::g_registry.Release();
        Norv::Vfs::Shutdown();
    }

    Norv::TextDict dict;
};

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

} // namespace
