// The toolkit's string class and its path helpers.
#include "contrib/pvr/PVRTString.h"
#include "contrib/pvr/PVRTStringUtils.h"

#include <gtest/gtest.h>

TEST(PVRTString, GrowsExactlyAndEditsInPlace)
{
    CPVRTString s;
    EXPECT_EQ(s.length(), 0u);
    EXPECT_EQ(s.capacity(), 1u);
    EXPECT_STREQ(s.c_str(), "");

    s = "ab";
    s.push_back('c');
    EXPECT_STREQ(s.c_str(), "abc");
    EXPECT_EQ(s.capacity(), 4u);
    s = 'z';
    EXPECT_STREQ(s.c_str(), "z");
    EXPECT_EQ(s.length(), 1u);

    CPVRTString t("abc");
    t.erase(1, 1);
    EXPECT_STREQ(t.c_str(), "ac");
    EXPECT_EQ(t.length(), 2u);
    CPVRTString u("abc");
    u.erase(1, CPVRTString::npos);
    EXPECT_STREQ(u.c_str(), "a");

    // Appending a string to itself reads the source before the old buffer
    // goes.
    CPVRTString twice("xyz");
    twice += twice;
    EXPECT_STREQ(twice.c_str(), "xyzxyz");
    twice.assign(twice, 2, 3);
    EXPECT_STREQ(twice.c_str(), "zxy");

    CPVRTString r("ab");
    r.resize(4, '-');
    EXPECT_STREQ(r.c_str(), "ab--");
    r.resize(1);
    EXPECT_STREQ(r.c_str(), "a");
    EXPECT_STREQ(CPVRTString("MiXeD 1").toLower().c_str(), "mixed 1");
    EXPECT_STREQ(("<" + CPVRTString("x") + '>').c_str(), "<x>");
}

TEST(PVRTString, SearchesForwardAndBackward)
{
    CPVRTString const s("cabc");
    EXPECT_EQ(s.find_last_of('c', 0), 3u);
    EXPECT_EQ(s.find_last_of('c', 1), 0u);
    EXPECT_EQ(s.find_last_of('q'), CPVRTString::npos);
    EXPECT_EQ(s.find_first_of("ba", 1), 1u);
    EXPECT_EQ(s.find_first_not_of("ca"), 2u);
    EXPECT_EQ(s.find_first_not_of("", 2), 2u);
    EXPECT_EQ(s.find_last_not_of("c"), 2u);
    EXPECT_EQ(CPVRTString().find_last_of('c'), CPVRTString::npos);
}

TEST(PVRTString, ComparesPartsAsSignedCharacters)
{
    CPVRTString const s("abcdef");
    EXPECT_EQ(s.compare(1, 3, "bcd"), 0);
    EXPECT_EQ(s.compare(1, 3, "bce"), -1);
    EXPECT_EQ(s.compare(1, 3, "bc"), 1);
    EXPECT_EQ(s.compare(1, 2, CPVRTString("xbcx"), 1, 2), 0);
    EXPECT_EQ(s.compare(0, 1, "\xff"), 1); // 'a' is above a negative character
    EXPECT_TRUE(CPVRTString("a") < CPVRTString("b"));
    EXPECT_TRUE(s == "abcdef");
}

TEST(PVRTString, PathAndWhiteSpaceHelpers)
{
    EXPECT_STREQ(PVRTStringGetFileExtension("a.tar.gz").c_str(), ".gz");
    EXPECT_STREQ(PVRTStringGetFileExtension("plain").c_str(), "");
    EXPECT_STREQ(PVRTStringGetContainingDirectoryPath("dir\\file.pod").c_str(), "dir");
    EXPECT_STREQ(PVRTStringGetContainingDirectoryPath("file.pod").c_str(), "");
    EXPECT_STREQ(PVRTStringGetFileName("a/b/c.pvr").c_str(), "c.pvr");
    EXPECT_STREQ(PVRTStringGetFileName("c.pvr").c_str(), "c.pvr");
    EXPECT_STREQ(PVRTStringStripWhiteSpaceFromStartOf(" \t\nx y ").c_str(), "x y ");
    EXPECT_STREQ(PVRTStringStripWhiteSpaceFromEndOf(" x y\r\n").c_str(), " x y");
    // Nothing but spaces strips to nothing from either end.
    EXPECT_STREQ(PVRTStringStripWhiteSpaceFromEndOf(" \t ").c_str(), "");
    EXPECT_STREQ(PVRTStringStripWhiteSpaceFromStartOf(" \t ").c_str(), "");
    EXPECT_STREQ(PVRTStringFromFormattedStr("%d-%s", 7, "x").c_str(), "7-x");
    EXPECT_EQ(PVRTStringFromFormattedStr("%2000d", 1).length(), 1023u);
}

// Positions past the end read as the end: nothing outside the buffer is
// read or written, as the sanitizer build checks.
TEST(PVRTString, PositionsPastTheEndAreClamped)
{
    CPVRTString const abc("abc");
    EXPECT_STREQ(abc.substr(5, 2).c_str(), "");
    EXPECT_STREQ(CPVRTString("x").append(abc, 9, 2).c_str(), "x");
    EXPECT_STREQ(CPVRTString("x").assign(abc, 4, CPVRTString::npos).c_str(), "");
    EXPECT_EQ(abc.compare(7, 2, "") , 0);
    EXPECT_EQ(abc.compare(7, 2, "a"), -1);
    EXPECT_EQ(abc.compare(0, 3, abc, 8, 1), 1);
    EXPECT_STREQ(CPVRTString(abc).erase(6, 1).c_str(), "abc");
    EXPECT_STREQ(CPVRTString(abc).erase(1, 10).c_str(), "a");

    char copied[11] = "----------";
    EXPECT_EQ(abc.copy(copied, 10, 0), 3u);
    EXPECT_STREQ(copied, "abc-------");
    EXPECT_EQ(abc.copy(copied, 10, 8), 0u);
}
