// The main loop's frame schedule and the benchmark-only frame limit.
#include "norv/application/BenchFrameLimit.h"
#include "norv/application/FramePacer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using Norv::BenchFrameLimit;
using Norv::FramePacer;

constexpr double kPeriod = FramePacer::kFramePeriod;
constexpr double kTolerance = 1e-9;

// Runs frames that each take `work` seconds and sleep what the pacer says;
// returns when the last frame ended.
double RunFrames(FramePacer& pacer, double start, int frames, double work)
{
    double now = start;
    for (int i = 0; i < frames; ++i) {
        now += work;
        now += pacer.SleepAfterFrame(now);
    }
    return now;
}

TEST(FramePacerTest, QuickFramesAreSpreadOneSixtiethApart)
{
    FramePacer pacer;
    double const first = RunFrames(pacer, 100.0, 1, 0.002);
    double const later = RunFrames(pacer, first, 60, 0.002);
    EXPECT_NEAR(later - first, 60 * kPeriod, kTolerance);
}

TEST(FramePacerTest, SwapThatAlreadyWaitsForTheDisplayGetsNoExtraSleep)
{
    FramePacer pacer;
    double const first = RunFrames(pacer, 0.0, 1, 0.001);
    // With vsync each swap returns one refresh after the previous one.
    for (int frame = 1; frame <= 3; ++frame)
        EXPECT_NEAR(pacer.SleepAfterFrame(first + frame * kPeriod), 0.0, kTolerance) << frame;
}

TEST(FramePacerTest, LateFramesAreFollowedAtOnceWithoutARushAfterALongStall)
{
    FramePacer pacer;
    double now = RunFrames(pacer, 0.0, 3, 0.001);
    // Slightly late: no sleep, and the schedule stays on its grid.
    now += kPeriod * 1.5;
    EXPECT_EQ(pacer.SleepAfterFrame(now), 0.0);
    // A stall of a second: the next quick frame waits a full period again
    // instead of running many frames back to back.
    now += 1.0;
    EXPECT_EQ(pacer.SleepAfterFrame(now), 0.0);
    now += 0.001;
    EXPECT_NEAR(pacer.SleepAfterFrame(now), kPeriod - 0.001, kTolerance);
}

TEST(BenchFrameLimitTest, EndsOnTheAskedFrameAndOnlyWhenAsked)
{
    struct Case {
        char const* value;
        long endsOn; // 0: never
    } const cases[] = {
        {nullptr, 0}, {"", 0}, {"0", 0}, {"-3", 0}, {"ten", 0}, {"5x", 0}, {"1", 1}, {"3", 3},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.value ? c.value : "(unset)");
        if (c.value)
            setenv(BenchFrameLimit::kVariable, c.value, 1);
        else
            unsetenv(BenchFrameLimit::kVariable);
        BenchFrameLimit limit = BenchFrameLimit::FromEnvironment();
        EXPECT_EQ(limit.IsActive(), c.endsOn != 0);
        long endedOn = 0;
        for (long frame = 1; frame <= 5 && endedOn == 0; ++frame)
            if (limit.CountFrame(frame * kPeriod - 0.004, frame * kPeriod))
                endedOn = frame;
        EXPECT_EQ(endedOn, c.endsOn);
    }
    unsetenv(BenchFrameLimit::kVariable);
}

TEST(BenchFrameLimitTest, ReportsTheMeanMakingTimeOfTheLastFramesOnlyAndTheMemoryHeld)
{
    // Slow frames first (a load), then the frames the benchmark came for.
    long const slow = 30;
    long const total = slow + BenchFrameLimit::kTimedFrames;
    BenchFrameLimit limit(total);
    testing::internal::CaptureStderr();
    for (long frame = 1; frame <= total; ++frame) {
        double const started = frame * kPeriod;
        double const making = frame <= slow ? 0.5 : (frame % 2 ? 0.001 : 0.003);
        EXPECT_EQ(limit.CountFrame(started, started + making), frame == total);
    }
    std::string const reported = testing::internal::GetCapturedStderr();
    EXPECT_NE(reported.find("bench: first frame at "), std::string::npos) << reported;
    EXPECT_NE(reported.find("bench: frame_s=0.002000\n"), std::string::npos) << reported;
    // With them, the memory the process holds at that last frame.
    for (char const* figure : {"bench: steady_rss_mib=", "bench: anon_mib=", "bench: file_mib="}) {
        std::size_t const at = reported.find(figure);
        ASSERT_NE(at, std::string::npos) << figure << " in " << reported;
        EXPECT_GT(std::atof(reported.c_str() + at + std::strlen(figure)), 0.0) << figure;
    }
}

} // namespace
