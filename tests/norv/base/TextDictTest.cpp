// The text dictionary: loading languages, falling back to ids, placeholders.
#include "norv/base/TextDict.h"

#include "tests/support/TempFolder.h"
#include "norv/base/Registry.h"
#include "norv/vfs/NativeMount.h"
#include "norv/vfs/Vfs.h"

#include <gtest/gtest.h>

namespace {

using Norv::NarrowString;
using Norv::TextDict;
using Norv::WideString;

// Two text files in a mounted folder, and the application's registry.
class TextDictTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.Write("texts/english.xml", "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                                          "<texts langID=\"en\">\n"
                                          "  <string id=\"S_HELLO\">Hello, $(name)!</string>\n"
                                          "  <string id=\"S_HELLO\">a second entry is dropped</string>\n"
                                          "  <note id=\"S_NOTE\">not a string</note>\n"
                                          "  <string>no id</string>\n"
                                          "  <string id=\"S_EMPTY\"></string>\n"
                                          "  <string id=\"S_AMP\">Fish &amp; chips</string>\n"
                                          "</texts>\n");
        folder.Write("texts/french.xml", "<texts langID='fr'><string id='S_HELLO'>Bonjour, \xC3\xA9t\xC3\xA9 !</string>"
                                         "<string id='S_ONLY_FR'>\xE2\x82\xAC</string></texts>");
        folder.Write("texts/nolang.xml", "<texts><string id='S_HELLO'>hi</string></texts>");
        folder.Write("texts/broken.xml", "<texts langID='xx'><string id='S_HELLO'>broken</texts>");
        Norv::Vfs::Initialize();
        Norv::MountNative((folder.path + "/").c_str(), "", Norv::VfsMount::FallThrough);
        Norv::g_registry = new Norv::Registry;
        NORV_REGISTER_CALLBACK(Norv::g_registry, TextDict::kLanguageKey, &TextDictTest::Note, this);
    }
    void TearDown() override
    {
        Norv::g_registry.Release();
        Norv::Vfs::Shutdown();
    }

    static void Note(void* user, NarrowString const& path, Norv::RegistryKey*)
    {
        NarrowString language;
        Norv::g_registry->Get(path, language);
        static_cast<TextDictTest*>(user)->published.push_back(language);
    }

    TempFolder folder;
    std::vector<NarrowString> published;
};

TEST_F(TextDictTest, LoadsLanguagesAndPublishesThem)
{
    TextDict dict;
    EXPECT_EQ(dict.GetText("S_HELLO"), WideString(L"S_HELLO"));

    ASSERT_TRUE(dict.LoadStrings("texts/english.xml"));
    EXPECT_EQ(dict.GetText("S_HELLO"), WideString(L"Hello, $(name)!"));
    EXPECT_EQ(dict.GetText("S_EMPTY"), WideString());
    EXPECT_EQ(dict.GetText("S_AMP"), WideString(L"Fish & chips"));
    EXPECT_EQ(dict.GetText("S_NOTE"), WideString(L"S_NOTE"));
    EXPECT_EQ(dict.GetText("S_MISSING_\xC3\xA9"), WideString(L"S_MISSING_\u00E9"));

    ASSERT_TRUE(dict.LoadStrings("texts/french.xml"));
    EXPECT_EQ(dict.GetText("S_HELLO"), WideString(L"Bonjour, \u00E9t\u00E9 !"));
    EXPECT_EQ(dict.GetText("S_ONLY_FR"), WideString(L"\u20AC"));
    EXPECT_EQ(dict.GetText("S_AMP"), WideString(L"S_AMP")); // nothing survives a reload

    ASSERT_TRUE(dict.LoadStrings("texts/french.xml"));
    ASSERT_TRUE(dict.LoadStrings("texts/nolang.xml"));
    EXPECT_EQ(published, (std::vector<NarrowString>{"en", "fr", "fr", ""}));
}

TEST_F(TextDictTest, MissingOrMalformedFilesKeepTheTexts)
{
    TextDict dict;
    ASSERT_TRUE(dict.LoadStrings("texts/french.xml"));
    EXPECT_FALSE(dict.LoadStrings("texts/missing.xml"));
    EXPECT_FALSE(dict.LoadStrings("texts/broken.xml"));
    EXPECT_EQ(dict.GetText("S_HELLO"), WideString(L"Bonjour, \u00E9t\u00E9 !"));
    EXPECT_EQ(published, std::vector<NarrowString>{"fr"});
}

TEST_F(TextDictTest, ReplaceVarFillsEveryPlaceholderOnce)
{
    TextDict const dict;
    struct Case {
        wchar_t const* text;
        wchar_t const* value;
        int count;
        wchar_t const* result;
    };
    Case const cases[] = {
        {L"Hello, $(name)!", L"Ann", 1, L"Hello, Ann!"},
        {L"$(name) and $(name)", L"B", 2, L"B and B"},
        {L"$(name)", L"<$(name)>", 1, L"<$(name)>"},
        {L"$(other) $(name", L"x", 0, L"$(other) $(name"},
        {L"$(name)$(name)", L"", 2, L""},
    };
    for (Case const& c : cases) {
        WideString text(c.text);
        EXPECT_EQ(dict.ReplaceVar(text, "name", c.value), c.count);
        EXPECT_EQ(text, WideString(c.result));
    }
}

} // namespace
