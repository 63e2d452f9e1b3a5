// The framework's byte string: inline and heap texts, searches, numbers,
// hashes and the byte-order-mark conversion.
#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/framework/FGString.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

std::string Text(FGString const& s)
{
    return std::string(s.getNativeString(), static_cast<size_t>(s.getLength()));
}

void Fill(FGData& data, std::string const& bytes)
{
    data.duplicate(reinterpret_cast<unsigned char const*>(bytes.data()), static_cast<int>(bytes.size()));
}

std::string Converted(std::string const& bytes)
{
    FGData data;
    Fill(data, bytes);
    FGString::unicodeToAscii(&data);
    return std::string(reinterpret_cast<char const*>(data.getData()), static_cast<size_t>(data.getLength()));
}

} // namespace

TEST(StringTest, TextsMoveToTheHeapWhenTheyOutgrowTheInlineBuffer)
{
    FGString s(std::string(23, 'a').c_str());
    EXPECT_EQ(s.getLength(), 23);
    s.add("b");
    EXPECT_EQ(s.getLength(), 24);
    EXPECT_EQ(Text(s), std::string(23, 'a') + "b");
    s.add(s); // appending itself reads the text before it grows
    EXPECT_EQ(Text(s), std::string(23, 'a') + "b" + std::string(23, 'a') + "b");
    s.set("short");
    EXPECT_EQ(Text(s), "short");
    s.set(s);
    EXPECT_EQ(Text(s), "short");

    FGString copy(s);
    FGString moved(std::move(s));
    EXPECT_EQ(Text(copy), "short");
    EXPECT_EQ(Text(moved), "short");
    FGString heap(std::string(40, 'h').c_str());
    moved = std::move(heap);
    EXPECT_EQ(Text(moved), std::string(40, 'h'));
}

TEST(StringTest, AppendsKeepEveryByte)
{
    FGData data;
    Fill(data, std::string("a\0b", 3));
    FGString s(&data);
    EXPECT_EQ(s.getLength(), 3);
    s.add("c");
    EXPECT_EQ(Text(s), std::string("a\0bc", 4));
    FGString t("old");
    t.set(&data, 1); // set replaces the text
    EXPECT_EQ(Text(t), "a");
    t.set(&data, 2, 1);
    EXPECT_EQ(Text(t), "b");
    t.set(&data, 2, 5); // beyond the buffer: nothing
    EXPECT_EQ(Text(t), "");

    FGString numbers;
    numbers.add('x');
    numbers.add('\0'); // appends nothing
    numbers.add(static_cast<unsigned char>(7));
    numbers.add(static_cast<short>(-12));
    numbers.add(INT_MIN);
    numbers.add(-5L);
    EXPECT_EQ(Text(numbers), "x7-12-2147483648-5");
    numbers.addBrewString("abc", 2);
    numbers.addBrewString(nullptr);
    EXPECT_TRUE(numbers.endsWith("ab"));
}

TEST(StringTest, AFixedCapacityStringDropsWhatDoesNotFit)
{
    FGString fixed(4);
    fixed.add("ab");
    fixed.add("cdef");
    EXPECT_EQ(Text(fixed), "abc");
    fixed.set("xy");
    EXPECT_EQ(Text(fixed), "xy");
}

TEST(StringTest, SubstringsAndSearches)
{
    FGString const hello("hello");
    struct Case {
        int from, to;
        char const* expected;
    } const cases[] = {{-3, 2, "he"}, {4, 9, "o"}, {3, 3, ""}, {4, 2, ""}, {5, 9, ""}, {0, 5, "hello"}};
    for (Case const& c : cases)
        EXPECT_EQ(Text(hello.substring(c.from, c.to)), c.expected) << c.from << ".." << c.to;
    EXPECT_EQ(Text(hello.substring(2)), "llo");

    EXPECT_EQ(hello.indexOf('l'), 2);
    EXPECT_EQ(hello.indexOf('l', 3), 3);
    EXPECT_EQ(hello.indexOf('l', 4), -1);
    EXPECT_EQ(hello.indexOf('h', -5), 0);
    EXPECT_EQ(hello.indexOf("lo"), 3);
    EXPECT_EQ(hello.indexOf("ll", 3), -1);
    EXPECT_EQ(hello.indexOf("hello!"), -1);
    EXPECT_EQ(hello.indexOf(static_cast<char const*>(nullptr)), -1);
    EXPECT_EQ(hello.charAt(1), 'e');
    EXPECT_EQ(hello.charAt(5), '\0');
    EXPECT_EQ(hello.charAt(-1), '\0');

    EXPECT_TRUE(hello.startsWith("he"));
    EXPECT_TRUE(hello.endsWith("llo"));
    EXPECT_FALSE(hello.endsWith("hello!"));
    EXPECT_FALSE(hello.startsWith(nullptr));
    EXPECT_FALSE(hello.endsWith(nullptr));
    EXPECT_TRUE(hello.equals("hello"));
    EXPECT_FALSE(hello.equals("hell"));
    EXPECT_FALSE(hello.equals(static_cast<char const*>(nullptr)));
    EXPECT_TRUE(hello.equals(FGString("hello")));
}

TEST(StringTest, TrimAndCase)
{
    EXPECT_EQ(Text(FGString(" \tkey \r").trim()), "key");
    EXPECT_EQ(Text(FGString(" \n ").trim()), "");
    EXPECT_EQ(Text(FGString("MiXed 1\xC3\x89").toLowerCase()), "mixed 1\xC3\x89");
    EXPECT_EQ(Text(FGString("MiXed 1\xC3\xA9").toUpperCase()), "MIXED 1\xC3\xA9");
}

TEST(StringTest, Numbers)
{
    struct Case {
        char const* text;
        bool parses;
        int value;
    } const cases[] = {
        {"-12", true, -12}, {"", true, 0},    {"1-2", false, 1}, {"12a", false, 12},
        {"-", true, 0},     {" 7", false, 7}, {"99999999999", true, INT_MAX}, {"-99999999999", true, INT_MIN},
    };
    for (Case const& c : cases) {
        EXPECT_EQ(FGString(c.text).canParseToInt(), c.parses) << c.text;
        EXPECT_EQ(FGString(c.text).toInt(), c.value) << c.text;
    }
    struct Hex {
        char const* text;
        int value;
    } const hexes[] = {{"-1F", -31}, {"1G", 0}, {"00FF80", 0xFF80}, {"ff00ff", 0xFF00FF}, {"", 0}, {"FFFFFFFF", -1}};
    for (Hex const& h : hexes)
        EXPECT_EQ(FGString(h.text).toIntFromHex(), h.value) << h.text;
}

TEST(StringTest, TheHashIsTheByteSum)
{
    EXPECT_EQ(FGString("AB").getHash(), 131);
    EXPECT_EQ(FGString("BA").getHash(), 131);
    EXPECT_EQ(FGString::getHash("AB"), 131);
    EXPECT_EQ(FGString().getHash(), 0);
    EXPECT_EQ(FGString::getHash(nullptr), 0);
    EXPECT_EQ(FGString("\xFF").getHash(), 255); // bytes count unsigned
}

TEST(StringTest, TextsWithAByteOrderMarkBecomeLatin1)
{
    std::string const bom = "\xEF\xBB\xBF";
    struct Case {
        char const* what;
        std::string in;
        std::string out;
    } const cases[] = {
        {"no mark", "caf\xC3\xA9", "caf\xC3\xA9"},
        {"too short for a mark", "\xEF\xBB", "\xEF\xBB"},
        {"only the mark", bom, ""},
        {"letters of U+00C0 to U+00FF", bom + "caf\xC3\xA9 \xC3\x80", "caf\xE9 \xC0"},
        {"signs of U+0080 to U+00BF", bom + "\xC2\xA9 \xC2\xA3", "\xA9 \xA3"},
        {"a lead byte at the end", bom + "x\xC3", "x\xC3"},
        {"wider characters stay", bom + "\xE2\x82\xAC", "\xE2\x82\xAC"},
    };
    for (Case const& c : cases)
        EXPECT_EQ(Converted(c.in), c.out) << c.what;
    EXPECT_EQ(static_cast<unsigned char>(FGString::utf8ToAscii(0xA9)), 0xE9);
    FGString::unicodeToAscii(nullptr);
}
