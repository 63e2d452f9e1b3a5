// An emitter from an inline description drawn as camera-facing quads.
#include "DrawingWindow.h"
#include "SceneFiles.h"

#include "qrvl/port/Particles.h"

#include <sys/stat.h>

#include <fstream>

namespace {

constexpr unsigned int kGreen = 0x00FF00FF;

class ParticleDrawingTest : public DrawingWindowTest {
protected:
    void SetUp() override
    {
        DrawingWindowTest::SetUp();
        mkdir(Path("particles").c_str(), 0755);
        ASSERT_TRUE(WriteTwoColourPvr(Path("particles/dot.pvr"), kGreen, kGreen));
    }

    // Clears and draws the emitter seen from a camera at the origin.
    static void Render(Particles& emitter)
    {
        Clear();
        emitter.Render(PVRTMat4::Identity());
    }

    Norv::SmartPtr<Particles> Emitter(char const* elements)
    {
        std::ofstream(Path("particles/one.xml")) << "<particles>" << elements << "</particles>";
        return new Particles("particles/one.xml");
    }
};

// One particle of size 1 at the origin, seen by a camera at the origin:
// a quad over the middle half of the window.
TEST_F(ParticleDrawingTest, AParticleIsATexturedQuadFacingTheCamera)
{
    Norv::SmartPtr<Particles> one = Emitter("<texture name='dot.pvr'/><life val='-1'/><maxparticles val='1'/>"
                                            "<liferange min='10000' max='10000'/><sizerange min='1' max='1'/>"
                                            "<transparent val='true'/>");
    one->Update(0.01f);
    ASSERT_EQ(one->GetParticles().size(), 1u);
    glEnable(GL_ALPHA_TEST);
    Render(*one);
    EXPECT_EQ(Pixel(kSide / 2, kSide / 2), Rgb(kGreen));
    EXPECT_EQ(Pixel(kSide / 4 + 2, kSide * 3 / 4 - 2), Rgb(kGreen));
    EXPECT_EQ(Pixel(kSide / 4 - 2, kSide / 2), Rgb(0x000000FF));
    EXPECT_EQ(Pixel(kSide / 2, kSide * 3 / 4 + 2), Rgb(0x000000FF));
    // A transparent emitter puts back the alpha test and depth writes.
    EXPECT_TRUE(glIsEnabled(GL_ALPHA_TEST));
    GLboolean depthWrites = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
    EXPECT_TRUE(depthWrites);

    // Half opacity blends half the green over the black.
    one->opacity = 0.5f;
    Render(*one);
    EXPECT_NEAR(Pixel(kSide / 2, kSide / 2)[1], 128, 2);
}

} // namespace
