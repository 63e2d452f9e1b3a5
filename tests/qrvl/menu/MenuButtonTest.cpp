// The old list menus' item keeps at most four lines.
#include "qrvl/original/framework/MenuButton.h"

#include <gtest/gtest.h>

namespace {

TEST(MenuButtonTest, LinesBeyondTheFourthAreRefused)
{
    MenuButton item;
    item.initLiteral("first", 12, nullptr);
    EXPECT_EQ(item.id, 12);
    EXPECT_FALSE(item.hasExtraLines);
    for (char const* line : {"second", "third", "fourth", "fifth"})
        item.addTextLiteral(line);
    EXPECT_EQ(item.lineCount, 1 + MenuButton::kMaxAddedLines);
    EXPECT_TRUE(item.hasExtraLines);
    EXPECT_STREQ(item.lines[3], "fourth");
}

} // namespace
