// Starting, waiting for and stopping test programs.
#include "tests/harness/ChildProcess.h"

#include "tests/harness/ExternalTool.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <signal.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace NorvTest {

namespace {

// How long a program gets to end by itself after SIGTERM.
constexpr double kTermGraceSeconds = 5.0;

int DecodeStatus(int status)
{
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return -1;
}

} // namespace

ChildProcess::~ChildProcess()
{
    Stop();
    if (!outputPath.empty())
        unlink(outputPath.c_str());
}

bool ChildProcess::Start(std::vector<std::string> const& argv, std::vector<EnvChange> const& environment)
{
    if (argv.empty() || pid > 0)
        return false;
    char pathTemplate[] = "/tmp/norv-test-output-XXXXXX";
    int const outputFd = mkstemp(pathTemplate);
    if (outputFd < 0)
        return false;
    outputPath = pathTemplate;

    std::vector<char*> arguments;
    for (std::string const& argument : argv)
        arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);

    pid = fork();
    if (pid == 0) {
        for (EnvChange const& change : environment) {
            if (change.second)
                setenv(change.first.c_str(), change.second, 1);
            else
                unsetenv(change.first.c_str());
        }
        dup2(outputFd, STDOUT_FILENO);
        dup2(outputFd, STDERR_FILENO);
        execvp(arguments[0], arguments.data());
        std::perror(arguments[0]);
        _exit(127);
    }
    close(outputFd);
    return pid > 0;
}

bool ChildProcess::IsRunning()
{
    if (pid <= 0)
        return false;
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) != pid)
        return true;
    exitStatus = DecodeStatus(status);
    pid = -1;
    return false;
}

int ChildProcess::WaitForExit(double timeoutSeconds)
{
    if (!WaitUntil([this] { return !IsRunning(); }, timeoutSeconds))
        return -1;
    return exitStatus;
}

std::string ChildProcess::Output() const
{
    std::ifstream file(outputPath);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void ChildProcess::Stop()
{
    if (!IsRunning())
        return;
    kill(pid, SIGTERM);
    if (WaitForExit(kTermGraceSeconds) >= 0)
        return;
    kill(pid, SIGKILL);
    WaitForExit(kTermGraceSeconds);
}

} // namespace NorvTest
