// An entity's clock and touches on a loaded two-frame model: the frame
// wraps both ways, a touch toggles children and reverses the clock as its
// flags say, and bursts from the particle template stop at five.
#include "DrawingWindow.h"
#include "SceneFiles.h"

#include "qrvl/original/phone/world/CEnt.h"
#include "qrvl/original/phone/world/EntManager.h"

#include <sys/stat.h>

#include <fstream>

namespace {

// Two frames at 30 per second.
constexpr float kFrameSeconds = 1.0f / 30.0f;

class EntityBehaviourTest : public DrawingWindowTest {
protected:
    void SetUp() override
    {
        DrawingWindowTest::SetUp();
        EntManager::Get().Clear();
        ASSERT_TRUE(WriteQuadPod(Path("quad.pod"), "quad.png", "quad", 1.0f));
    }
    void TearDown() override
    {
        EntManager::Get().Clear();
        DrawingWindowTest::TearDown();
    }

    Norv::SmartPtr<CEnt> Entity() { return EntManager::Get().CreateEnt("quad.pod", ""); }
};

TEST_F(EntityBehaviourTest, TheFrameClockWrapsBothWays)
{
    Norv::SmartPtr<CEnt> entity = Entity();
    entity->Update(kFrameSeconds * 1.5f);
    EXPECT_NEAR(entity->frame, 1.5f, 1e-4f);
    entity->Update(kFrameSeconds);
    EXPECT_NEAR(entity->frame, 0.5f, 1e-4f); // past the end, back to the start
    entity->animationSpeed = -1.0f;
    entity->Update(kFrameSeconds);
    EXPECT_NEAR(entity->frame, 1.5f, 1e-4f); // below 0, round to the end
}

TEST_F(EntityBehaviourTest, ATouchFollowsItsFlagsAndReachesVisibleChildren)
{
    struct Case {
        int flags;
        bool childrenVisible;
        float speed;
    } const cases[] = {
        {CEnt::kTouchTogglesChildren | CEnt::kTouchReversesAnimation, false, -1.0f},
        {CEnt::kTouchReversesAnimation, true, -1.0f},
        {0, true, 1.0f},
    };
    for (Case const& c : cases) {
        Norv::SmartPtr<CEnt> parent = Entity();
        Norv::SmartPtr<CEnt> child = Entity();
        parent->touchFlags = c.flags;
        child->touchFlags = CEnt::kTouchReversesAnimation;
        parent->AddChild(child.Get());
        parent->OnTouch();
        EXPECT_EQ(parent->childrenVisible, c.childrenVisible) << c.flags;
        EXPECT_EQ(parent->animationSpeed, c.speed) << c.flags;
        // Only children still shown after the touch are touched in turn.
        EXPECT_EQ(child->animationSpeed, c.childrenVisible ? -1.0f : 1.0f) << c.flags;
    }
}

TEST_F(EntityBehaviourTest, TouchBurstsStopAtFiveAndGoWhenSpent)
{
    mkdir(Path("particles").c_str(), 0755);
    std::ofstream(Path("particles/burst.xml"))
        << "<particles><life val='100'/><maxparticles val='3'/><liferange min='50' max='50'/></particles>";
    Norv::SmartPtr<CEnt> entity = Entity();
    entity->touchFlags = 0;
    entity->particleTemplate = new Particles("particles/burst.xml", PVRTVec3(1.0f, 2.0f, 3.0f));
    for (int touch = 0; touch < 6; ++touch)
        entity->OnTouch();
    ASSERT_EQ(entity->particleSystems.size(), 5u);
    entity->Update(0.01f);
    ASSERT_FALSE(entity->particleSystems[0]->GetParticles().empty());
    EXPECT_EQ(entity->particleSystems[0]->GetParticles()[0].position.x, 1.0f);
    for (int step = 0; step < 30; ++step)
        entity->Update(0.01f);
    EXPECT_TRUE(entity->particleSystems.empty());
}

} // namespace
