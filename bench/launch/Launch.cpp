// Starts a program the way a player does and measures it from outside:
// the time from launch to its first presented frame (the program reports
// that moment on stderr when QUORVEL_BENCH_FRAMES is set), its resident
// memory while it runs and at its peak, and its processor time in a window
// of the run. Prints key=value lines for bench/run.sh. A program that
// reports its own resident memory at its last frame (the game and the floor
// do) is taken at its word for the steady figures.
//
//   bench-launch [--cpu-window FROM SECONDS] -- program arguments...
#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

// How often the program's memory and processor time are read.
constexpr std::chrono::milliseconds kSampleInterval(20);
constexpr char const* kFirstFrameLine = "bench: first frame at ";
constexpr char const* kFigurePrefix = "bench: ";
// The program's own figure of its resident memory at its last frame.
constexpr char const* kSteadyFigure = "bench: steady_rss_mib=";

double SteadySeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

struct MemorySample {
    long rssKiB = 0;
    long anonKiB = 0;
    long fileKiB = 0;
    long shmemKiB = 0;
};

// The resident set of a running process, from /proc; all zero once it ended.
MemorySample ReadMemory(pid_t pid)
{
    MemorySample sample;
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        std::istringstream fields(line);
        std::string key;
        long value = 0;
        fields >> key >> value;
        if (key == "VmRSS:")
            sample.rssKiB = value;
        else if (key == "RssAnon:")
            sample.anonKiB = value;
        else if (key == "RssFile:")
            sample.fileKiB = value;
        else if (key == "RssShmem:")
            sample.shmemKiB = value;
    }
    return sample;
}

// User plus system time of a running process and its threads, in seconds.
double ReadCpuSeconds(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    // The command name may hold spaces; the fields after it are plain.
    std::size_t const close = text.rfind(')');
    if (close == std::string::npos)
        return -1.0;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    double ticks = 0.0;
    for (int index = 3; fields >> field; ++index) {
        if (index == 14 || index == 15)
            ticks += std::atof(field.c_str());
        if (index == 15)
            break;
    }
    return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

int Usage()
{
    std::fprintf(stderr, "usage: bench-launch [--cpu-window FROM SECONDS] -- program arguments...\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    double cpuFrom = -1.0;
    double cpuLength = 0.0;
    int first = 1;
    for (; first < argc; ++first) {
        if (std::strcmp(argv[first], "--") == 0) {
            ++first;
            break;
        }
        if (std::strcmp(argv[first], "--cpu-window") == 0 && first + 2 < argc) {
            cpuFrom = std::atof(argv[first + 1]);
            cpuLength = std::atof(argv[first + 2]);
            first += 2;
            continue;
        }
        return Usage();
    }
    if (first >= argc)
        return Usage();

    int errors[2];
    if (pipe(errors) != 0)
        return 1;
    double const launched = SteadySeconds();
    pid_t const pid = fork();
    if (pid == 0) {
        dup2(errors[1], STDERR_FILENO);
        close(errors[0]);
        close(errors[1]);
        execvp(argv[first], argv + first);
        std::perror(argv[first]);
        _exit(127);
    }
    close(errors[1]);
    fcntl(errors[0], F_SETFL, O_NONBLOCK);

    std::string output;
    std::vector<MemorySample> samples;
    double cpuAtStart = -1.0;
    double cpuAtEnd = -1.0;
    int status = 0;
    rusage usage = {};
    for (;;) {
        char buffer[4096];
        ssize_t got;
        while ((got = read(errors[0], buffer, sizeof buffer)) > 0)
            output.append(buffer, static_cast<std::size_t>(got));
        if (wait4(pid, &status, WNOHANG, &usage) == pid)
            break;
        double const since = SteadySeconds() - launched;
        MemorySample const sample = ReadMemory(pid);
        if (sample.rssKiB > 0)
            samples.push_back(sample);
        if (cpuFrom >= 0.0 && cpuAtStart < 0.0 && since >= cpuFrom)
            cpuAtStart = ReadCpuSeconds(pid);
        if (cpuAtStart >= 0.0 && cpuAtEnd < 0.0 && since >= cpuFrom + cpuLength)
            cpuAtEnd = ReadCpuSeconds(pid);
        std::this_thread::sleep_for(kSampleInterval);
    }
    char buffer[4096];
    ssize_t got;
    while ((got = read(errors[0], buffer, sizeof buffer)) > 0)
        output.append(buffer, static_cast<std::size_t>(got));

    int const exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    std::printf("exit=%d\n", exitStatus);
    std::size_t const mark = output.find(kFirstFrameLine);
    if (mark != std::string::npos)
        std::printf("first_frame_s=%.4f\n", std::atof(output.c_str() + mark + std::strlen(kFirstFrameLine)) - launched);
    // Figures the program measured itself: "bench: key=value" lines.
    std::istringstream lines(output);
    std::string line;
    bool steadyReported = false;
    while (std::getline(lines, line)) {
        if (line.rfind(kFigurePrefix, 0) == 0 && line.find('=') != std::string::npos) {
            std::printf("%s\n", line.c_str() + std::strlen(kFigurePrefix));
            steadyReported = steadyReported || line.rfind(kSteadyFigure, 0) == 0;
        }
    }
    std::printf("peak_rss_mib=%.1f\n", usage.ru_maxrss / 1024.0);
    if (!steadyReported && !samples.empty()) {
        // Steady, for a program that does not say: the last sample taken
        // while it still ran, which may already fall in its teardown.
        MemorySample const& last = samples.back();
        std::printf("steady_rss_mib=%.1f\n", last.rssKiB / 1024.0);
        std::printf("anon_mib=%.1f\nfile_mib=%.1f\nshmem_mib=%.1f\n", last.anonKiB / 1024.0, last.fileKiB / 1024.0,
                    last.shmemKiB / 1024.0);
    }
    if (cpuAtStart >= 0.0 && cpuAtEnd >= 0.0)
        std::printf("cpu_window_pct=%.1f\n", 100.0 * (cpuAtEnd - cpuAtStart) / cpuLength);
    std::printf("cpu_total_s=%.3f\n", usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
                                          usage.ru_stime.tv_usec / 1e6);
    if (exitStatus != 0)
        std::fprintf(stderr, "%s", output.c_str());
    return exitStatus == 0 ? 0 : 1;
}
