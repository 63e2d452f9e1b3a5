// The window tests' clock speed: only a plain number from 1 up counts, and
// it is kept to the fastest the engine's ticks allow.
#include "qrvl/original/framework/TestTimeScale.h"

#include <gtest/gtest.h>

namespace {

TEST(TestTimeScaleTest, OnlyAPlainNumberFromOneUpSpeedsTheClock)
{
    struct Case {
        char const* value;
        float scale;
    };
    Case const cases[] = {
        {nullptr, 1.0f}, {"", 1.0f},   {"8", 8.0f},     {"2.5", 2.5f}, {"0.5", 1.0f},
        {"-4", 1.0f},    {"8x", 1.0f}, {"nan", 1.0f},   {"1000", TestTimeScale::kMaxScale},
    };
    for (Case const& c : cases)
        EXPECT_FLOAT_EQ(TestTimeScale::Parse(c.value), c.scale) << (c.value ? c.value : "(unset)");
}

} // namespace
