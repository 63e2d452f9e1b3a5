// The value approacher, the frame counter and the plot's samples and limits.
#include "norv/application/console/DebugPlot.h"
#include "norv/application/FpsCounter.h"
#include "norv/application/ValueApproacher.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace Norv;

TEST(ValueApproacher, MovesByWholeStepsAndDropsTimeOnArrival)
{
    ValueApproacher value(10, 0, 0.5f);
    value.Update(0.02f);
    EXPECT_EQ(value.current, 0);
    value.Update(0.02f);  // one whole step, a little time left over
    EXPECT_FLOAT_EQ(value.current, 5);
    EXPECT_NEAR(value.accumulated, 0.007f, 1e-6f);
    value.Update(0.07f);  // two more steps
    EXPECT_FLOAT_EQ(value.current, 8.75f);
    value.Update(10);
    EXPECT_FLOAT_EQ(value.current, 10);

    ValueApproacher arrived(5, 5, 0.5f);
    arrived.Update(1);
    EXPECT_EQ(arrived.accumulated, 0);
    EXPECT_EQ(arrived.current, 5);
    arrived.Reset(3);
    EXPECT_EQ(arrived.target, 3);
    EXPECT_EQ(arrived.current, 3);
}

TEST(FpsCounter, ReportsSixtyAfterEachQuarterSecondAtSixtyFrames)
{
    FpsCounter counter;
    for (int interval = 0; interval < 4; ++interval) {
        float const before = counter.fps;
        for (int frame = 0; frame < 16 && counter.fps == before; ++frame)
            counter.Update(1.0f / 60);
        EXPECT_NEAR(counter.fps, 60, 0.01f) << interval;
        counter.fps = 0;
    }
    counter.SetInterval(1);
    for (int frame = 0; frame < 31; ++frame)
        counter.Update(1.0f / 30);
    EXPECT_NEAR(counter.fps, 30, 0.01f);
}

NorvFloat g_sample = 0;

NorvFloat CurrentSample()
{
    return g_sample;
}

// Runs the plot for `samples` sampling intervals.
void RunPlot(DebugPlot& plot, int samples)
{
    for (int i = 0; i < samples; ++i)
        plot.Update(plot.GetInterval() * 1.01f);
}

TEST(DebugPlot, AConstantSettlesTheLimitsOnIt)
{
    DebugPlot plot(CurrentSample);
    g_sample = 42;
    RunPlot(plot, 300);
    EXPECT_EQ(plot.GetLowerLimit(), 42);
    EXPECT_EQ(plot.GetUpperLimit(), 42);
    EXPECT_EQ(plot.GetAverage(), 42);
    EXPECT_EQ(plot.GetSamples().size(), 100u);  // ten seconds of samples every 0.1 s
}

TEST(DebugPlot, KeepsTheVisibleSamplesAndTheirAverage)
{
    DebugPlot plot(CurrentSample);
    ASSERT_TRUE(plot.SetVisiblePeriod(1.0f));
    for (int i = 1; i <= 30; ++i) {
        g_sample = static_cast<NorvFloat>(i);
        RunPlot(plot, 1);
    }
    ASSERT_EQ(plot.GetSamples().size(), 10u);
    EXPECT_EQ(plot.GetSamples().front(), 21);
    EXPECT_FLOAT_EQ(plot.GetAverage(), 25.5f);
}

TEST(DebugPlot, LimitsWidenForASpikeAndRefitOnceItScrolledAway)
{
    DebugPlot plot(CurrentSample);
    ASSERT_TRUE(plot.SetVisiblePeriod(1.0f));
    g_sample = 100;
    RunPlot(plot, 20);
    g_sample = 1000;
    RunPlot(plot, 1);
    g_sample = 100;
    RunPlot(plot, 5);
    EXPECT_EQ(plot.GetLowerLimit(), 100);
    EXPECT_GT(plot.GetUpperLimit(), 900);
    RunPlot(plot, 30);
    EXPECT_NEAR(plot.GetUpperLimit(), 100, 0.5f);
    EXPECT_EQ(plot.GetLowerLimit(), 100);
}

TEST(DebugPlot, LimitsAndSamplesStartAgainOnReset)
{
    DebugPlot plot(CurrentSample);
    g_sample = 7;
    RunPlot(plot, 5);
    plot.ResetLimits();
    g_sample = -3;
    RunPlot(plot, 1);
    EXPECT_EQ(plot.GetLowerLimit(), -3);
    EXPECT_EQ(plot.GetUpperLimit(), -3);
    EXPECT_EQ(plot.GetSamples().size(), 6u);
    plot.Reset();
    EXPECT_TRUE(plot.GetSamples().empty());
    EXPECT_EQ(plot.GetAverage(), 0);
}

TEST(DebugPlot, TimesThatAreNotPositiveAreRefused)
{
    DebugPlot plot(CurrentSample);
    g_sample = 1;
    RunPlot(plot, 3);
    for (NorvFloat bad : {0.0f, -0.5f, NAN, INFINITY}) {
        EXPECT_FALSE(plot.SetInterval(bad)) << bad;
        EXPECT_FALSE(plot.SetVisiblePeriod(bad)) << bad;
    }
    EXPECT_EQ(plot.GetInterval(), 0.1f);
    EXPECT_EQ(plot.GetVisiblePeriod(), 10.0f);
    EXPECT_EQ(plot.GetSamples().size(), 3u);
    RunPlot(plot, 1);
    EXPECT_EQ(plot.GetSamples().size(), 4u);

    EXPECT_TRUE(plot.SetInterval(0.5f));
    EXPECT_TRUE(plot.GetSamples().empty());
    // Far more samples than a plot can show are capped, not allocated.
    EXPECT_TRUE(plot.SetInterval(1e-30f));
    plot.Update(1e-29f);
    EXPECT_EQ(plot.GetSamples().size(), 1u);
}

} // namespace
