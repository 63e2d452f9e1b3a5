// CRC-32, the random generator and the stream line helpers.
#include "norv/base/core/CRC32.h"
#include "norv/base/core/IOStream.h"
#include "norv/base/core/RNG.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CRC32, KnownValues)
{
    EXPECT_EQ(Norv::CRC32::WholeBlock("", 0), 0u);
    EXPECT_EQ(Norv::CRC32::WholeBlock("123456789", 9), 0xCBF43926u);

    Norv::CRC32 running;
    EXPECT_EQ(running.NextBlock("1234", 4), 0);
    running.NextBlock("56789", 5);
    EXPECT_EQ(running.GetValue() ^ 0xFFFFFFFFu, 0xCBF43926u);
}

TEST(RNG, FollowsThePublishedSequence)
{
    Norv::RNG rng(5489);
    EXPECT_EQ(rng.GetInt(), 3499211612u);
    EXPECT_EQ(rng.GetInt(), 581869302u);
    for (int i = 2; i < 9999; ++i)
        rng.GetInt();
    EXPECT_EQ(rng.GetInt(), 4123659995u); // the 10000th output of the reference
}

TEST(RNG, SameSeedSameSequence)
{
    Norv::RNG a(42), b(42);
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(a.GetInt(), b.GetInt());
    a.SetSeed(7);
    Norv::RNG fresh(7);
    for (int i = 0; i < 10; ++i)
        ASSERT_EQ(a.GetInt(), fresh.GetInt());
}

TEST(RNG, DoublesStayBelowOne)
{
    Norv::RNG rng(1);
    for (int i = 0; i < 100000; ++i) {
        double const d = rng.GetDouble();
        ASSERT_GE(d, 0.0);
        ASSERT_LT(d, 1.0);
    }
}

// A stream over a fixed text, for the line helpers.
class TextStream : public Norv::IOStream {
public:
    explicit TextStream(std::string text) : text(std::move(text)) {}
    int Read(void* buffer, int bytes) override
    {
        int const n = std::min<int>(bytes, static_cast<int>(text.size() - position));
        text.copy(static_cast<char*>(buffer), n, position);
        position += n;
        return n;
    }
    int Write(void const* buffer, int bytes) override
    {
        written.append(static_cast<char const*>(buffer), bytes);
        return bytes;
    }
    std::string text;
    size_t position = 0;
    std::string written;
};

TEST(IOStream, ReadLineSplitsOnLineFeedAndDropsCarriageReturns)
{
    TextStream stream("a\r\nb");
    Norv::NarrowString line;
    EXPECT_TRUE(stream.ReadLine(line));
    EXPECT_EQ(line, "a");
    line.clear();
    EXPECT_FALSE(stream.ReadLine(line));
    EXPECT_EQ(line, "b");
    line = "kept";
    EXPECT_FALSE(stream.ReadLine(line));
    EXPECT_EQ(line, "kept");

    TextStream empty("\n");
    Norv::NarrowString blank;
    EXPECT_TRUE(empty.ReadLine(blank));
    EXPECT_TRUE(blank.empty());
}

TEST(IOStream, WriteLineAddsNoLineEnd)
{
    TextStream stream("");
    EXPECT_TRUE(stream.WriteLine("hello"));
    EXPECT_EQ(stream.written, "hello");
    Norv::WideString wide;
    EXPECT_TRUE(stream.ReadLine(wide));
    EXPECT_EQ(stream.GetLastError(), 1);
}

} // namespace
