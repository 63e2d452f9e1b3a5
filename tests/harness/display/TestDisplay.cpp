// Picking the display ctest gave a test.
#include "tests/harness/display/TestDisplay.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace NorvTest {

namespace {

// The value of `field` in "id:1,slots:1"; empty when it is missing.
std::string Field(std::string const& allocation, std::string const& field)
{
    std::istringstream items(allocation);
    std::string item;
    while (std::getline(items, item, ','))
        if (item.compare(0, field.size() + 1, field + ":") == 0)
            return item.substr(field.size() + 1);
    return {};
}

} // namespace

bool AllocatedDisplay(char const* allocation, char const* displays, std::string* display)
{
    display->clear();
    if (!allocation || !displays)
        return true;
    std::istringstream words(displays);
    std::vector<std::string> list;
    for (std::string word; words >> word;)
        list.push_back(word);
    if (list.empty())
        return true;
    std::string const id = Field(allocation, "id");
    if (id.empty() || id.find_first_not_of("0123456789") != std::string::npos)
        return false;
    unsigned long const place = std::strtoul(id.c_str(), nullptr, 10);
    if (place >= list.size())
        return false;
    *display = list[place];
    return true;
}

bool UseAllocatedDisplay()
{
    char const* allocation = std::getenv("CTEST_RESOURCE_GROUP_0_DISPLAYS");
    char const* displays = std::getenv("QUORVEL_TEST_DISPLAYS");
    std::string display;
    if (!AllocatedDisplay(allocation, displays, &display)) {
        std::fprintf(stderr, "ctest gave display \"%s\", which QUORVEL_TEST_DISPLAYS (\"%s\") does not list\n",
                     allocation, displays);
        return false;
    }
    if (!display.empty())
        setenv("DISPLAY", display.c_str(), 1);
    return true;
}

} // namespace NorvTest
