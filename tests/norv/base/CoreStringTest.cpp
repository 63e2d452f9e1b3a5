// UTF-8 conversion, the string builder and hexadecimal pairs.
#include "norv/base/core/DecodeHex.h"
#include "norv/base/core/NarrowString.h"
#include "norv/base/core/StdOStringStream.h"
#include "norv/base/core/Unicode.h"
#include "norv/base/Version.h"

#include <gtest/gtest.h>

namespace {

using Norv::NarrowString;
using Norv::WideString;

TEST(Unicode, RoundTripsEveryLengthUpToLastCodePoint)
{
    struct Case {
        wchar_t codePoint;
        char const* utf8;
    };
    Case const cases[] = {
        {L'A', "A"},
        {0xE9, "\xC3\xA9"},
        {0x7FF, "\xDF\xBF"},
        {0x800, "\xE0\xA0\x80"},
        {0x20AC, "\xE2\x82\xAC"},
        {0xFFFD, "\xEF\xBF\xBD"},
        {0x10000, "\xF0\x90\x80\x80"},
        {0x10FFFF, "\xF4\x8F\xBF\xBF"},
    };
    for (Case const& c : cases) {
        NarrowString const narrow{WideString(1, c.codePoint)};
        EXPECT_EQ(narrow, c.utf8) << std::hex << c.codePoint;
        WideString const back{narrow};
        EXPECT_EQ(back, WideString(1, c.codePoint)) << std::hex << c.codePoint;
    }
}

TEST(Unicode, OldLongFormsGetEnoughRoom)
{
    // Five- and six-byte forms are longer than four bytes per code point.
    WideString const wide{static_cast<wchar_t>(0x7FFFFFFF), static_cast<wchar_t>(0x3FFFFFF)};
    NarrowString const narrow(wide);
    EXPECT_EQ(narrow.size(), 11u);
    EXPECT_EQ(static_cast<unsigned char>(narrow[0]), 0xFD);
    EXPECT_EQ(WideString(narrow), wide);
}

TEST(Unicode, RefusedCodePointsGiveEmptyText)
{
    for (wchar_t bad : {wchar_t(0xD800), wchar_t(0xDFFF), wchar_t(0xFFFE), wchar_t(0xFFFF), wchar_t(-5)}) {
        WideString const wide{L'a', bad, L'b'};
        EXPECT_TRUE(NarrowString(wide).empty()) << std::hex << bad;
    }
}

TEST(Unicode, ZeroEndsConversionBothWays)
{
    WideString const wide{L'a', L'b', 0, L'c'};
    EXPECT_EQ(NarrowString(wide), "ab");
    EXPECT_EQ(WideString(NarrowString("x\xC0\x80y")), WideString(L"x"));
}

TEST(Unicode, TruncatedAndStrayBytesNeverReadPastTheEnd)
{
    // A lead byte whose continuation bytes are missing ends the text.
    for (char const* cut : {"ab\xC3", "ab\xE2\x82", "ab\xF4\x8F\xBF", "ab\xFC"})
        EXPECT_EQ(WideString(NarrowString(cut)), WideString(L"ab")) << cut;
    // A stray continuation byte stands for its own low six bits.
    EXPECT_EQ(WideString(NarrowString("\xA9")), WideString(1, wchar_t(0x29)));
    // An overlong form is accepted.
    EXPECT_EQ(WideString(NarrowString("\xC1\x81")), WideString(L"A"));
}

TEST(StdOStringStream, FormatsNumbers)
{
    Norv::StdOStringStream s;
    s << 'x' << -12 << ' ' << 4000000000u << ' ' << 0.5f;
    EXPECT_EQ(s, "x-12 4000000000 0.500000");
    Norv::StdOStringStream big;
    big << 3.0e38f;
    EXPECT_EQ(big.size(), 39u + 7u);
}

TEST(DecodeHex, AcceptsUpperCaseDigitsOnly)
{
    EXPECT_EQ(Norv::DecodeHex("7f"), 0x70);
    EXPECT_EQ(Norv::DecodeHex("7F"), 0x7F);
    EXPECT_EQ(Norv::DecodeHex("G1"), 0x01);
    EXPECT_EQ(Norv::DecodeHex("FF"), 0xFF);
    EXPECT_EQ(Norv::DecodeHex("A\0"), 0xA0);
}

TEST(Version, NamesTheEngineAndBuild)
{
    EXPECT_EQ(Norv::Version::String.rfind("NORV master.", 0), 0u);
    EXPECT_NE(Norv::Version::String.find(" built "), NarrowString::npos);
}

} // namespace
