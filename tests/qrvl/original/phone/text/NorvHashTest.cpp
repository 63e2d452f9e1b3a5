// The game's string-to-id hash, with bytes above 0x7F counted as negative.
#include "qrvl/original/phone/text/NorvUtils.h"

#include <gtest/gtest.h>

TEST(NorvHashString, KnownValues)
{
    EXPECT_EQ(NorvUtils::NorvHashString(""), 1138u);
    EXPECT_EQ(NorvUtils::NorvHashString("abc"), 41005272u);
    EXPECT_EQ(NorvUtils::NorvHashString("\xFF"), 37553u);
}
