// The X display a display test runs on. Under ctest the displays listed in
// QUORVEL_TEST_DISPLAYS are shared out one test at a time; a test run by
// hand keeps DISPLAY.
#pragma once

#include <string>

namespace NorvTest {

// The display that ctest's allocation (CTEST_RESOURCE_GROUP_0_DISPLAYS, such
// as "id:1,slots:1") gives from the list (QUORVEL_TEST_DISPLAYS, such as
// ":13 :14"): the id is a place in the list. `display` is left empty when
// there is no allocation or no list. False when the allocation names no
// display of the list.
bool AllocatedDisplay(char const* allocation, char const* displays, std::string* display);

// Points DISPLAY, for this process and the programs it starts, at the
// allocated display; false, with a line on stderr, when there is none.
bool UseAllocatedDisplay();

} // namespace NorvTest
