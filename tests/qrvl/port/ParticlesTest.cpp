// Particle emitters read from descriptions in a mounted folder: when they
// emit, how particles age and die, the atlas cell and the texture choice.
#include "norv/vfs/NativeMount.h"
#include "norv/vfs/Vfs.h"
#include "qrvl/port/Particles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

class ParticlesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/qrvl-particles-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        Norv::Vfs::Initialize();
        ASSERT_NE(Norv::MountNative((folder + "/").c_str(), "", Norv::VfsMount::FallThrough), nullptr);
        Particles::SeedRandom(1234);
    }
    void TearDown() override
    {
        Norv::Vfs::Shutdown();
        std::system(("rm -rf '" + folder + "'").c_str());
    }

    // An emitter of the description's elements.
    Norv::SmartPtr<Particles> Emitter(std::string const& elements)
    {
        std::ofstream(folder + "/e.xml") << "<particles>" << elements << "</particles>";
        return new Particles("e.xml");
    }

    std::string folder;
};

// Emits every 100 ms, ten at most, for ever.
char const kSteady[] = "<life val='-1'/><emittime min='100' max='100'/><maxparticles val='10'/>"
                       "<liferange min='1000' max='1000'/>";

TEST_F(ParticlesTest, WhenAnEmitterEmits)
{
    struct Case {
        char const* what;
        std::string elements;
        size_t afterAQuarterSecond;
    } const cases[] = {
        {"steady", kSteady, 2},
        {"no maximum", "<life val='-1'/><emittime min='100' max='100'/><liferange min='1000' max='1000'/>", 0},
        {"no life", "<emittime min='100' max='100'/><maxparticles val='10'/><liferange min='1000' max='1000'/>", 0},
        {"a finite life starts spent", "<life val='500'/><emittime min='100' max='100'/><maxparticles val='10'/>", 0},
        {"no interval fills up at once", "<life val='-1'/><maxparticles val='7'/><liferange min='1000' max='1000'/>", 7},
    };
    for (Case const& c : cases) {
        Norv::SmartPtr<Particles> emitter = Emitter(c.elements);
        emitter->Update(0.25f);
        EXPECT_EQ(emitter->GetParticles().size(), c.afterAQuarterSecond) << c.what;
    }
}

TEST_F(ParticlesTest, ABurstCopyEmitsForItsLifeThenIsSpent)
{
    Norv::SmartPtr<Particles> burstTemplate
        = Emitter("<life val='500'/><emittime min='100' max='100'/><maxparticles val='10'/>"
                  "<liferange min='200' max='200'/><velbbox miny='5' maxy='5'/>");
    EXPECT_TRUE(burstTemplate->IsSpent());
    Norv::SmartPtr<Particles> burst(new Particles(*burstTemplate, PVRTVec3(1.0f, 2.0f, 3.0f)));
    burst->Restart();
    EXPECT_FALSE(burst->IsSpent());
    burst->Update(0.25f);
    ASSERT_EQ(burst->GetParticles().size(), 2u);
    EXPECT_EQ(burst->GetParticles()[0].position.x, 1.0f); // started at the copy's point
    EXPECT_EQ(burst->GetParticles()[0].velocity.y, 5.0f);
    for (int i = 0; i < 10; ++i)
        burst->Update(0.1f);
    EXPECT_TRUE(burst->GetParticles().empty());
    EXPECT_TRUE(burst->IsSpent());
}

TEST_F(ParticlesTest, AParticleLivesThroughItsLastInstantAndDiesBelowTheCutoff)
{
    Norv::SmartPtr<Particles> steady = Emitter("<life val='-1'/><maxparticles val='10'/>"
                                               "<liferange min='100' max='100'/><emittime min='50' max='50'/>");
    steady->Update(0.06f);
    ASSERT_EQ(steady->GetParticles().size(), 1u);
    steady->Update(0.1f); // the first particle's age is its life to the bit
    EXPECT_EQ(steady->GetParticles().front().age, steady->GetParticles().front().life);
    size_t const living = steady->GetParticles().size();
    steady->Update(0.0001f);
    EXPECT_EQ(steady->GetParticles().size(), living - 1);

    // Falling from 0 at 10 units per second squared: -0.9 after 0.3 s,
    // below the cutoff, so the next update removes it.
    Norv::SmartPtr<Particles> falling = Emitter(std::string(kSteady) + "<accy val='-10'/><cutoff y='-0.5'/>");
    falling->Update(0.1001f);
    ASSERT_EQ(falling->GetParticles().size(), 1u);
    falling->Update(0.3f);
    EXPECT_NEAR(falling->GetParticles().front().position.y, -0.9f, 1e-5f);
    size_t const before = falling->GetParticles().size();
    falling->Update(0.001f);
    EXPECT_EQ(falling->GetParticles().size(), before - 1);
}

TEST_F(ParticlesTest, VerticalSpeedAloneLeavesParticlesStill)
{
    Norv::SmartPtr<Particles> still = Emitter(std::string(kSteady) + "<vely min='10' max='20'/>");
    still->Update(0.15f);
    ASSERT_EQ(still->GetParticles().size(), 1u);
    PVRTVec3 const v = still->GetParticles()[0].velocity;
    EXPECT_EQ(v.lenSqr(), 0.0f);
}

TEST_F(ParticlesTest, AHugeMaximumIsCapped)
{
    Norv::SmartPtr<Particles> flood = Emitter("<life val='-1'/><maxparticles val='4000000000'/>"
                                              "<liferange min='1000' max='1000'/>");
    flood->Update(0.1f);
    EXPECT_EQ(flood->GetParticles().size(), 4096u);
}

TEST_F(ParticlesTest, TheAtlasPlaysAtThirtyFramesFromItsStart)
{
    Norv::SmartPtr<Particles> atlas = Emitter("<atlas x='4' y='2'/>");
    Particles::Particle p = {};
    p.atlasStart = 5;
    p.age = 0.1f; // 3 frames on from 5: cell 8 modulo 8
    float cell[4];
    atlas->AtlasCell(p, cell);
    EXPECT_EQ(cell[0], 0.0f);
    EXPECT_EQ(cell[1], 0.0f);
    EXPECT_EQ(cell[2], 0.25f);
    EXPECT_EQ(cell[3], 0.5f);
    p.age = 0.0f; // cell 5: column 1, row 1
    atlas->AtlasCell(p, cell);
    EXPECT_EQ(cell[0], 0.25f);
    EXPECT_EQ(cell[1], 0.5f);
}

TEST_F(ParticlesTest, ThreeTexturesComeAQuarterAHalfAndAQuarterOfTheTime)
{
    Norv::SmartPtr<Particles> mixed
        = Emitter("<texture name='a.pvr'/><texture name='b.pvr'/><texture name='c.pvr'/><life val='-1'/>"
                  "<maxparticles val='4000'/><liferange min='1000' max='1000'/>");
    EXPECT_EQ(mixed->GetTextureCount(), 3u);
    mixed->Update(0.1f);
    ASSERT_EQ(mixed->GetParticles().size(), 4000u);
    int counts[3] = {};
    for (Particles::Particle const& p : mixed->GetParticles())
        ++counts[p.texture];
    EXPECT_NEAR(counts[0], 1000, 100);
    EXPECT_NEAR(counts[1], 2000, 100);
    EXPECT_NEAR(counts[2], 1000, 100);
}

} // namespace
