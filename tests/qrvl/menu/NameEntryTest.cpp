// Typing a player's name: what the first key does to the pre-filled name,
// the limits on length and spaces, and cutting on character boundaries.
#include "norv/base/KeyCode.h"
#include "qrvl/original/frontend/NameEntry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using qrvl::NameEntry;

constexpr char const* kAccepted = "spinner_click";
constexpr char const* kRefused = "car_honk";

struct Typing {
    char const* prefilled;
    std::string codes;
    char const* name;
    char const* lastSound;
};

TEST(NameEntryTest, CharactersReplaceExtendOrAreRefused)
{
    std::string const del(1, static_cast<char>(NameEntry::kDelete));
    Typing const cases[] = {
        {"Player1", "A", "A", kAccepted},
        // A space keeps the pre-filled name; here it is already full.
        {"Player1", " ", "Player1", kRefused},
        {"Bob", " ", "Bob ", kAccepted},
        {"Player1", "ABCDEFG", "ABCDEFG", kAccepted},
        {"Player1", "ABCDEFGH", "ABCDEFG", kRefused},
        {"Player1", del, "", kAccepted},
        {"Player1", del + del, "", kRefused},
        {"Player1", del + " ", "", kRefused},
        {"Player1", "Ab" + del, "A", kAccepted},
    };
    for (Typing const& typing : cases) {
        char buffer[8] = {};
        NameEntry entry;
        entry.Attach(buffer, sizeof buffer);
        entry.Prefill(typing.prefilled);
        char const* sound = nullptr;
        for (char code : typing.codes)
            sound = entry.Process(code);
        EXPECT_STREQ(buffer, typing.name) << typing.prefilled << " + " << typing.codes;
        EXPECT_STREQ(sound, typing.lastSound) << typing.prefilled << " + " << typing.codes;
    }
}

TEST(NameEntryTest, OnlyANameWithMoreThanSpacesIsAName)
{
    char buffer[8] = {};
    NameEntry entry;
    entry.Attach(buffer, sizeof buffer);
    entry.Prefill("   ");
    EXPECT_FALSE(entry.HasVisibleCharacter());
    entry.Prefill("  x");
    EXPECT_TRUE(entry.HasVisibleCharacter());
}

TEST(NameEntryTest, TheCallersBufferBoundsTheNameOnACharacterBoundary)
{
    struct Fit {
        char const* text;
        int bytes;
        char const* kept;
    } const fits[] = {
        {"Zo\xc3\xab", 4, "Zo"},               // the two bytes of the last letter do not fit
        {"Zo\xc3\xab", 5, "Zo\xc3\xab"},
        {"\xe6\x97\xa5\xe6\x9c\xac", 5, "\xe6\x97\xa5"},
        {"Spielerin", 8, "Spieler"},
        {"", 8, ""},
    };
    for (Fit const& fit : fits) {
        char buffer[16];
        std::memset(buffer, 'z', sizeof buffer);
        NameEntry::CopyWhole(buffer, fit.bytes, fit.text);
        EXPECT_STREQ(buffer, fit.kept) << fit.text << " in " << fit.bytes;
        EXPECT_EQ(buffer[fit.bytes], 'z') << "wrote past the buffer";
    }

    // A small buffer holds fewer than seven typed characters.
    char small[4] = {};
    NameEntry entry;
    entry.Attach(small, sizeof small);
    for (char code : std::string("ABCD"))
        entry.Process(code);
    EXPECT_STREQ(small, "ABC");
    // A delete takes a whole multi-byte letter.
    char name[8] = {};
    entry.Attach(name, sizeof name);
    entry.Prefill("Zo\xc3\xab");
    entry.Process('x');
    EXPECT_STREQ(name, "x");
    std::strcpy(name, "Zo\xc3\xab");
    entry.Process(NameEntry::kDelete);
    EXPECT_STREQ(name, "Zo");
}

TEST(NameEntryTest, AccentedLettersAreKeptWholeInTheName)
{
    struct Typed {
        std::vector<int> codes;
        char const* name;
    } const typings[] = {
        {{'M', 0xFC, 'l', 'l', 'e', 'r'}, "M\xc3\xbcller"},
        {{0xD1, 'o', 0xF1, 'o'}, "\xc3\x91o\xc3\xb1o"},
        {{0x141, 0xF3, 0x17A}, "\xc5\x81\xc3\xb3\xc5\xba"},
        // Seven bytes are full: a two-byte letter is refused whole.
        {{'M', 0xFC, 'l', 'l', 'e', 'r', 0xE9}, "M\xc3\xbcller"},
        // Signs and letters the fonts lack stay out.
        {{'A', 0xD7, 0xF7, 0x20AC, 0x3B1}, "A"},
    };
    for (Typed const& typed : typings) {
        char buffer[8] = {};
        NameEntry entry;
        entry.Attach(buffer, sizeof buffer);
        entry.Prefill("Player1");
        for (int code : typed.codes)
            entry.Process(code);
        EXPECT_STREQ(buffer, typed.name);
    }

    // The first letter of a name is a capital, whatever the key typed.
    struct Capital {
        unsigned int typed;
        bool upper;
        int character;
    } const capitals[] = {
        {0xFC, true, 0xDC},   {0xF1, true, 0xD1},   {0xFF, true, 0x178}, {0x107, true, 0x106},
        {0x142, true, 0x141}, {0x17E, true, 0x17D}, {0xDF, true, 0xDF},  {0xD1, true, 0xD1},
        {0xE9, false, 0xE9},  {0xD7, false, -1},    {0x20AC, true, -1},  {0x3B1, false, -1},
    };
    for (Capital const& capital : capitals)
        EXPECT_EQ(qrvl::NameCharacterForTyped(capital.typed, capital.upper), capital.character) << capital.typed;
}

TEST(NameEntryTest, KeysTypeLettersInTheirCaseDigitsAndPunctuation)
{
    struct Key {
        int key;
        bool upper;
        int character;
    } const keys[] = {
        {Norv::KEY_A, true, 'A'},      {Norv::KEY_Z, false, 'z'},      {Norv::KEY_0, false, '0'},
        {Norv::KEY_9, true, '9'},      {Norv::KEY_HASH, false, '#'},   {Norv::KEY_SPACE, false, ' '},
        {Norv::KEY_QUOTE, false, '"'}, {Norv::KEY_MINUS, false, '-'},  {Norv::KEY_RIGHT_BRACKET, false, ']'},
        {Norv::KEY_BACK, false, NameEntry::kDelete},
        {Norv::KEY_VOLUME_UP, false, -1}, {Norv::KEY_SHIFT, false, -1}, {Norv::KEY_SELECT, false, -1},
        {Norv::KEY_ESCAPE, false, -1},
    };
    for (Key const& key : keys)
        EXPECT_EQ(qrvl::NameCharacterForKey(key.key, key.upper), key.character) << key.key;
}

} // namespace
