// The display tests' main: the tests run on the display ctest gave them.
#include "tests/harness/display/TestDisplay.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (!NorvTest::UseAllocatedDisplay())
        return 1;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
