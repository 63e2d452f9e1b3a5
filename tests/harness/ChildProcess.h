// A program started by a test, with its output captured in a file and its
// lifetime bound to this object.
#pragma once

#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

namespace NorvTest {

class ChildProcess {
public:
    // An environment change: the variable and its value, or unset when the
    // value is null.
    using EnvChange = std::pair<std::string, char const*>;

    ChildProcess() = default;
    ChildProcess(ChildProcess const&) = delete;
    ChildProcess& operator=(ChildProcess const&) = delete;
    // Stops the program if it still runs.
    ~ChildProcess();

    // Starts argv[0] (a path, or a name found on PATH) with the changed
    // environment; standard output and error both go to Output().
    bool Start(std::vector<std::string> const& argv, std::vector<EnvChange> const& environment);
    bool IsRunning();
    // The exit status (128 + signal when killed by one), or -1 when the
    // program still runs after the timeout.
    int WaitForExit(double timeoutSeconds);
    // Everything the program printed so far.
    std::string Output() const;
    // Asks the program to end, then kills it if it does not.
    void Stop();
    pid_t Pid() const { return pid; }

private:
    pid_t pid = -1;
    int exitStatus = -1;
    std::string outputPath;
};

} // namespace NorvTest
