// Tuning values over a real registry, and the sample averager.
#include "norv/base/Registry.h"
#include "qrvl/port/CAverager.h"
#include "qrvl/port/RegistryVar.h"

#include <gtest/gtest.h>

namespace {

class TuningValueTest : public ::testing::Test {
protected:
    void SetUp() override { Norv::g_registry = new Norv::Registry; }
    void TearDown() override { Norv::g_registry = nullptr; }
};

TEST_F(TuningValueTest, ConstructionWritesTheDefaultOverALoadedValue)
{
    ASSERT_TRUE(Norv::g_registry->LoadFromString(
        "<registry><node name='/qrvl'><key name='SpinnerMaxSpeed' type='float'>300</key></node></registry>", false, ""));
    float loaded = 0.0f;
    ASSERT_TRUE(Norv::g_registry->Get("/qrvl/SpinnerMaxSpeed", loaded));
    EXPECT_EQ(loaded, 300.0f);

    Norv::SmartPtr<RegistryVar<float>> speed(new RegistryVar<float>("SpinnerMaxSpeed", 150.0f));
    EXPECT_EQ(speed->Get(), 150.0f);
    EXPECT_EQ(speed->GetPath(), "/qrvl/SpinnerMaxSpeed");
}

TEST_F(TuningValueTest, EveryGetReadsTheRegistryAgain)
{
    RegistryVar<int> step("PathStepIncrement", 5);
    EXPECT_EQ(step.Get(), 5);
    Norv::g_registry->Set("/qrvl/PathStepIncrement", 9);
    EXPECT_EQ(step.Get(), 9);
}

// A ranged value reads back within its range whatever the registry holds.
TEST_F(TuningValueTest, ARangedValueIsClampedOnRead)
{
    RegistryVar<float> speed("SpinnerMaxSpeed", 150.0f, 0.001f, 1000.0f);
    struct Case {
        float stored, read;
    } const cases[] = {{0.0f, 0.001f}, {-5.0f, 0.001f}, {2000.0f, 1000.0f}, {42.0f, 42.0f}};
    for (Case const& c : cases) {
        Norv::g_registry->Set("/qrvl/SpinnerMaxSpeed", c.stored);
        EXPECT_EQ(speed.Get(), c.read) << c.stored;
    }
    RegistryVar<int> time("PanTime", 1000, 1, 60000);
    Norv::g_registry->Set("/qrvl/PanTime", 0);
    EXPECT_EQ(time.Get(), 1);
}

TEST_F(TuningValueTest, AVectorLivesInThreeFloatKeys)
{
    RegistryVar<PVRTVec3> offset("CamCarChaseOffset", PVRTVec3(0.0f, 150.0f, -380.0f));
    float y = 0.0f;
    ASSERT_TRUE(Norv::g_registry->Get("/qrvl/CamCarChaseOffset_y", y));
    EXPECT_EQ(y, 150.0f);
    Norv::g_registry->Set("/qrvl/CamCarChaseOffset_z", -10.0f);
    PVRTVec3 const read = offset.Get();
    EXPECT_EQ(read.x, 0.0f);
    EXPECT_EQ(read.y, 150.0f);
    EXPECT_EQ(read.z, -10.0f);
}

void CountChange(void* user, Norv::NarrowString const&, Norv::RegistryKey*)
{
    ++*static_cast<int*>(user);
}

TEST_F(TuningValueTest, SetFiresTheCallbacksOfItsKeys)
{
    RegistryVar<PVRTVec3> offset("CamPegLookOffset", PVRTVec3(0.0f, 200.0f, 0.0f));
    int changes = 0;
    NORV_REGISTER_CALLBACK(Norv::g_registry, "/qrvl/CamPegLookOffset_x", CountChange, &changes);
    offset.Set(PVRTVec3(1.0f, 2.0f, 3.0f));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(offset.Get().z, 3.0f);
}

TEST_F(TuningValueTest, AKeyThatIsGoneOrHasAnotherTypeReadsAsTheDefault)
{
    RegistryVar<float> speed("CarMaxSpeed", 0.75f);
    Norv::g_registry->Set("/qrvl/CarMaxSpeed", Norv::NarrowString("fast"));
    EXPECT_EQ(speed.Get(), 0.75f);
    Norv::g_registry = nullptr;
    EXPECT_EQ(speed.Get(), 0.75f);
}

TEST(AveragerTest, AveragesTheFilledPartThenTheWholeRing)
{
    CAverager<float> averager(0.0f, 4);
    EXPECT_EQ(averager.CalculateAverage(), 0.0f);
    for (int i = 0; i < 3; ++i)
        averager.AddSample(2.0f);
    EXPECT_EQ(averager.CalculateAverage(), 2.0f);
    averager.AddSample(2.0f);
    averager.AddSample(10.0f); // replaces the oldest
    EXPECT_TRUE(averager.wrapped);
    EXPECT_EQ(averager.CalculateAverage(), 4.0f);
    averager.Reset();
    EXPECT_EQ(averager.CalculateAverage(), 0.0f);

    CAverager<PVRTVec3> vectors(PVRTVec3(), 16);
    vectors.AddSample(PVRTVec3(2.0f, 4.0f, 6.0f));
    vectors.AddSample(PVRTVec3(4.0f, 0.0f, 0.0f));
    EXPECT_EQ(vectors.CalculateAverage().x, 3.0f);
    EXPECT_EQ(vectors.CalculateAverage().y, 2.0f);
}

} // namespace
