// Placeholders of localised texts, the language setting and UTF-8 stepping.
#include "qrvl/original/phone/text/CLocalise.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Switched(char const* pattern, char const* a = nullptr, char const* b = nullptr)
{
    char out[128];
    CLocalise const* localise = CLocalise::GetLocalise();
    if (b)
        localise->LocalisedStringSwitch(out, sizeof out, pattern, a, b);
    else if (a)
        localise->LocalisedStringSwitch(out, sizeof out, pattern, a);
    else
        localise->LocalisedStringSwitch(out, sizeof out, pattern);
    return out;
}

} // namespace

TEST(LocaliseTest, PlaceholdersAreFilledByArgumentIndex)
{
    struct Case {
        char const* pattern;
        char const* a;
        char const* b;
        char const* expected;
    } const cases[] = {
        {"\\1 gives \\0", "A", "B", "B gives A"},
        {"\\0 and \\0", "A", nullptr, "A and \\0"}, // only the first occurrence
        {"no placeholders", "A", nullptr, "no placeholders"},
        {"\\5 stays", "A", nullptr, "\\5 stays"}, // digit beyond the placeholder count
        {"\\0 \\1", "A", nullptr, "A \\1"},       // never reads an argument not passed
        {"100% \\0 %s %d", "50%", nullptr, "100% 50% %s %d"},
        {"\\\\0", "A", nullptr, "\\A"},
        {"caf\xC3\xA9 \\0", "\xE2\x82\xAC", nullptr, "caf\xC3\xA9 \xE2\x82\xAC"},
        {"\\0\\1", "\\1", "B", "\\1B"}, // an argument is never searched for placeholders
        {"end \\", "A", nullptr, "end \\"},
        {"", "A", nullptr, ""},
    };
    for (Case const& c : cases)
        EXPECT_EQ(Switched(c.pattern, c.a, c.b), c.expected) << c.pattern;
    EXPECT_EQ(Switched("\\0 alone"), "\\0 alone");
}

TEST(LocaliseTest, TheOutputIsBoundedByItsBuffer)
{
    CLocalise const* localise = CLocalise::GetLocalise();
    char out[8];
    EXPECT_TRUE(localise->LocalisedStringSwitch(out, sizeof out, "<\\0>", "abcde"));
    EXPECT_STREQ(out, "<abcde>");
    EXPECT_FALSE(localise->LocalisedStringSwitch(out, sizeof out, "<\\0>", "abcdef"));
    EXPECT_STREQ(out, "<abcdef");
    // A character is never cut in two: the euro sign takes three bytes.
    EXPECT_FALSE(localise->LocalisedStringSwitch(out, sizeof out, "12345\xE2\x82\xAC"));
    EXPECT_STREQ(out, "12345");
    EXPECT_FALSE(localise->LocalisedStringSwitch(out, 0, "x"));
}

TEST(LocaliseTest, LanguagesOutsideTheSixSelectTheFirst)
{
    CLocalise* localise = CLocalise::GetLocalise();
    EXPECT_EQ(localise, CLocalise::GetLocalise());
    localise->SetLanguage(CLocalise::kGerman);
    EXPECT_EQ(localise->GetLanguage(), 4);
    EXPECT_STREQ(localise->GetLanguageName(), "german");
    localise->LoadData();
    EXPECT_STREQ(localise->GetDataPath(), "localisation/german.dat");
    for (short id : {-1, 6, 100}) {
        localise->SetLanguage(id);
        EXPECT_EQ(localise->GetLanguage(), 0) << id;
        EXPECT_STREQ(localise->GetLanguageName(), "english_us") << id;
    }
}

TEST(LocaliseTest, Utf8CharactersAreSteppedWhole)
{
    struct Case {
        char const* text;
        int length;
    } const cases[] = {
        {"a", 1}, {"\xC3\xA9", 2}, {"\xE2\x82\xAC", 3}, {"\xF0\x9F\x8E\xB2", 4}, {"\x80", 1}, {"\xBF", 1}, {"", 1},
    };
    for (Case const& c : cases)
        EXPECT_EQ(CLocalise::UTF8CharGetLength(c.text), c.length) << c.text;
    EXPECT_EQ(CLocalise::UTF8CharGetLength(nullptr), 0);

    char const* text = "\xC3\xA9t\xC3\xA9 x";
    EXPECT_EQ(CLocalise::UTF8StrStr(text, "t"), text + 2);
    EXPECT_EQ(CLocalise::UTF8StrStr(text, "\xC3\xA9 "), text + 3);
    EXPECT_EQ(CLocalise::UTF8StrStr(text, "\xA9"), nullptr); // never inside a character
    EXPECT_EQ(CLocalise::UTF8StrStr(text, "y"), nullptr);
    EXPECT_EQ(CLocalise::UTF8StrStr(nullptr, "y"), nullptr);
    // A lead byte that claims more bytes than the text has stops at its end.
    EXPECT_EQ(CLocalise::UTF8StrStr("\xF8", "x"), nullptr);
    EXPECT_EQ(Switched("\xFC\\0", "A"), "\xFC\\0"); // the placeholder hides inside the claimed character
}
