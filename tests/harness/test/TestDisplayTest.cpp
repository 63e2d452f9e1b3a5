// A display test under ctest runs on the display its allocation names; run
// by hand, or with no list of displays, it keeps DISPLAY.
#include "tests/harness/display/TestDisplay.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    char const* allocation;
    char const* displays;
    bool allocated;
    char const* display;
};

TEST(TestDisplay, TheAllocationPicksItsPlaceInTheList)
{
    Case const cases[] = {
        {nullptr, ":13 :14", true, ""},
        {"id:1,slots:1", nullptr, true, ""},
        {"id:0,slots:1", "  ", true, ""},
        {"id:1,slots:1", ":13 :14", true, ":14"},
        {"slots:1,id:0", "  :13\t :14 ", true, ":13"},
        {"id:2,slots:1", ":13 :14", false, ""},
        {"id:,slots:1", ":13 :14", false, ""},
        {"id:-1,slots:1", ":13 :14", false, ""},
        {"id:1x,slots:1", ":13 :14", false, ""},
        {"slots:1", ":13 :14", false, ""},
        {"id:18446744073709551617,slots:1", ":13 :14", false, ""},
    };
    for (Case const& c : cases) {
        std::string display = "left over";
        EXPECT_EQ(NorvTest::AllocatedDisplay(c.allocation, c.displays, &display), c.allocated)
            << (c.allocation ? c.allocation : "no allocation");
        EXPECT_EQ(display, c.display) << (c.allocation ? c.allocation : "no allocation");
    }
}

} // namespace
