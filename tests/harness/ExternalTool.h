// Runs a command-line tool without a shell and collects what it prints.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace NorvTest {

// How long a tool may take before it is stopped.
constexpr double kToolTimeoutSeconds = 20.0;

// Runs argv[0] (found on PATH) with the given arguments; its standard output
// goes to `output` when given. Returns the exit status, or -1 when the tool
// could not run, was killed or ran past the timeout.
int RunTool(std::vector<std::string> const& argv, std::string* output = nullptr,
            double timeoutSeconds = kToolTimeoutSeconds);

// Checks `condition` every few milliseconds until it holds or time is up.
bool WaitUntil(std::function<bool()> const& condition, double timeoutSeconds);

} // namespace NorvTest
