// Tool runs for the test harness.
#include "tests/harness/ExternalTool.h"

#include "tests/harness/ChildProcess.h"

#include <chrono>
#include <thread>

namespace NorvTest {

namespace {

// How often waiting loops look again.
constexpr auto kPollInterval = std::chrono::milliseconds(10);

} // namespace

int RunTool(std::vector<std::string> const& argv, std::string* output, double timeoutSeconds)
{
    ChildProcess tool;
    if (!tool.Start(argv, {}))
        return -1;
    int const status = tool.WaitForExit(timeoutSeconds);
    if (output)
        *output = tool.Output();
    return status;
}

bool WaitUntil(std::function<bool()> const& condition, double timeoutSeconds)
{
    auto const deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(timeoutSeconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(kPollInterval);
    }
    return true;
}

} // namespace NorvTest
