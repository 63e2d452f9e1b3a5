// The decimal parser: value and characters consumed.
#include "norv/system/NorvStrtod.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(NorvStrtod, ValuesAndConsumedCharacters)
{
    struct Case {
        char const* text;
        double value;
        int consumed;
    };
    Case const cases[] = {
        {"  -12.5x", -12.5, 7},
        {"1e5", 1.0, 1},
        {".5", 0.5, 2},
        {"+", 0.0, 1},
        {"-", -0.0, 1},
        {".", 0.0, 1},
        {"", 0.0, 0},
        {"abc", 0.0, 0},
        {"4294967296", 4294967296.0, 10},
        {"0.1234567890123", 0.1234567890123, 15},
        {"\t\n7.", 7.0, 4},
        {"0x10", 0.0, 1},
    };
    for (Case const& c : cases) {
        char* end = nullptr;
        double const value = norvstrtod(c.text, &end);
        EXPECT_DOUBLE_EQ(value, c.value) << '"' << c.text << '"';
        EXPECT_EQ(end - c.text, c.consumed) << '"' << c.text << '"';
    }
    EXPECT_TRUE(std::signbit(norvstrtod("-", nullptr)));
}

TEST(NorvStrtod, VeryLongNumbersStayFinite)
{
    std::string digits(400, '9');
    std::string const fraction = "0." + digits;
    char* end = nullptr;
    EXPECT_NEAR(norvstrtod(fraction.c_str(), &end), 1.0, 1e-12);
    EXPECT_EQ(*end, '\0');
    EXPECT_TRUE(std::isinf(norvstrtod(digits.c_str(), nullptr)));
}

} // namespace
