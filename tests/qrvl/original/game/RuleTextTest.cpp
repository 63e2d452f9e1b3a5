// The rules' messages as the player reads them: looked up and filled in,
// values that are text ids read in the language too, and a name before a
// text joined by a space.
#include "TextsFixture.h"

#include "qrvl/original/rules/RuleText.h"

using RuleTextTest = TextsTest;

TEST_F(RuleTextTest, MessagesReadInTheLanguageWithTheirValues)
{
    struct Case {
        RuleMessage message;
        const char* text;
    };
    const Case cases[] = {
        {{{"S_PL_CARD", {"Rachel", "S_PAY"}}}, "Rachel plays a card (pay) on you."},
        {{{"", {"Leo"}}, {"S_RETIRED_AT", {"S_COUNT"}}}, "Leo retired to Country Estate"},
        {{{"S_NO_SUCH_TEXT", {}}}, "S_NO_SUCH_TEXT"},
        {{}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LocaliseRuleMessage(c.message), c.text);
}
