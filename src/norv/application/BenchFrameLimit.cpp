// The benchmark-only frame limit.
#include "norv/application/BenchFrameLimit.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace Norv {

namespace {

// The resident memory of this process as it runs, from the kernel's status
// file: what a benchmark means by steady memory. Measured from outside, the
// last sample may fall in the teardown, which frees much of it.
void ReportResidentMemory()
{
    struct Field {
        char const* name;
        char const* key;
    };
    constexpr Field kFields[] = {{"VmRSS:", "steady_rss_mib"}, {"RssAnon:", "anon_mib"}, {"RssFile:", "file_mib"}};
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return;
    char line[256];
    while (std::fgets(line, sizeof line, status)) {
        for (Field const& field : kFields) {
            std::size_t const length = std::strlen(field.name);
            if (std::strncmp(line, field.name, length) == 0)
                std::fprintf(stderr, "bench: %s=%.1f\n", field.key, std::atof(line + length) / 1024.0);
        }
    }
    std::fclose(status);
}

} // namespace

BenchFrameLimit BenchFrameLimit::FromEnvironment()
{
    char const* value = std::getenv(kVariable);
    if (!value || !*value)
        return BenchFrameLimit(0);
    char* end = nullptr;
    long const frames = std::strtol(value, &end, 10);
    return BenchFrameLimit(*end == '\0' ? frames : 0);
}

bool BenchFrameLimit::CountFrame(double started, double presented)
{
    if (!IsActive())
        return false;
    making[frames % kTimedFrames] = presented - started;
    ++frames;
    if (frames == 1) {
        std::fprintf(stderr, "bench: first frame at %.6f\n", presented);
        std::fflush(stderr);
    }
    if (frames != limit)
        return false;
    long const timed = std::min<long>(frames, kTimedFrames);
    double total = 0.0;
    for (long i = 0; i < timed; ++i)
        total += making[i];
    std::fprintf(stderr, "bench: frame_s=%.6f\n", total / static_cast<double>(timed));
    ReportResidentMemory();
    return true;
}

} // namespace Norv
