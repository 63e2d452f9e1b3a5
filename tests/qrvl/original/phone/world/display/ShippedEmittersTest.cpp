// The board's emitters as the game ships them, placed where the game places
// them and drawn from a camera above: snow falls over the mountain corner
// and neither on the grass between the snowfields nor near the wheel, smoke curls up from a chimney within three
// seconds out of the top of a chimney of the town's buildings, and a
// tapped money bag's burst throws coins where its spent template throws
// none.
#include "DrawingWindow.h"

#include "contrib/pvr/PVRTMat4.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/vfs/Vfs.h"
#include "qrvl/original/phone/world/CWorld.h"
#include "qrvl/original/phone/world/TouchEntMgr.h"
#include "qrvl/port/Particles.h"
#include "qrvl/port/WorldTables.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// A frame of the game's update.
constexpr float kFrame = 1.0f / 30.0f;
// A particle covers at least this many pixels of the view.
constexpr int kDrawn = 4;

class ShippedEmittersTest : public DrawingWindowTest {
protected:
    void SetUp() override
    {
        DrawingWindowTest::SetUp();
        ASSERT_TRUE(Norv::MountPak(QUORVEL_RESOURCES_DIR "/original.pak", "", 0));
    }

    // Runs the emitter for the time in game frames.
    static void Run(Particles& emitter, float seconds)
    {
        for (float t = 0.0f; t < seconds; t += kFrame)
            emitter.Update(kFrame);
    }

    // The pixels not left black after drawing the emitter seen from `eye`
    // looking at `at`, through a 60 degree lens, on a square as tall as the
    // window.
    static int Lit(Particles& emitter, PVRTVec3 const& eye, PVRTVec3 const& at)
    {
        int const side = kHeight;
        glViewport(0, 0, side, side);
        Clear();
        glMatrixMode(GL_PROJECTION);
        glLoadMatrixf(PVRTMat4::PerspectiveFov(1.047f, 1.0f, 1.0f, 100000.0f, PVRTMat4::OGL, true).f);
        glMatrixMode(GL_MODELVIEW);
        PVRTMat4 const view = PVRTMat4::LookAt(eye, at, PVRTVec3(0.0f, 0.0f, -1.0f), true);
        emitter.Render(view.inverse());
        std::vector<unsigned char> rgba(std::size_t(side * side * 4));
        glReadPixels(0, 0, side, side, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        int lit = 0;
        for (std::size_t i = 0; i < rgba.size(); i += 4)
            lit += std::max({rgba[i], rgba[i + 1], rgba[i + 2]}) > 12 ? 1 : 0;
        return lit;
    }
};

TEST_F(ShippedEmittersTest, SnowFallsOverTheMountainCornerAndNotBetweenTheFieldsOrOverTheWheel)
{
    Norv::SmartPtr<Particles> snow = new Particles("particles/snow.xml");
    ASSERT_TRUE(Lit(*snow, PVRTVec3(3300.0f, 1600.0f, 1500.0f), PVRTVec3(3300.0f, 0.0f, 1500.0f)) == 0);
    Run(*snow, 3.0f);
    struct Place {
        char const* what;
        PVRTVec3 ground;
        bool snowy;
    };
    Place const places[] = {
        {"the mountain corner", PVRTVec3(3300.0f, 0.0f, 1500.0f), true},
        {"the grass between the snowfields", PVRTVec3(1700.0f, 0.0f, 1150.0f), false},
        {"the wheel", PVRTVec3(-2950.0f, 0.0f, 0.0f), false},
    };
    // Seen from high above, a stretch of land about 1200 units across.
    for (Place const& place : places) {
        int const lit = Lit(*snow, place.ground + PVRTVec3(0.0f, 1600.0f, 0.0f), place.ground);
        if (place.snowy)
            EXPECT_GE(lit, 5 * kDrawn) << "no snow falls over " << place.what;
        else
            EXPECT_EQ(lit, 0) << "snow falls over " << place.what;
    }
}

TEST_F(ShippedEmittersTest, SmokeCurlsUpFromAChimneyWithinThreeSeconds)
{
    PVRTVec3 const chimney = WorldTables::kChimneySmoke[11]; // the factory's stack
    Norv::SmartPtr<Particles> smoke = new Particles("particles/chimneySmoke.xml", chimney);
    PVRTVec3 const eye = chimney + PVRTVec3(0.0f, 500.0f, 1.0f);
    EXPECT_EQ(Lit(*smoke, eye, chimney), 0);
    Run(*smoke, 3.0f);
    EXPECT_GE(Lit(*smoke, eye, chimney), 3 * kDrawn);
    // It rises: the puffs stand above the chimney top, a puff emitted in
    // the last frame on it.
    for (Particles::Particle const& puff : smoke->GetParticles()) {
        EXPECT_GE(puff.position.y, chimney.y);
        if (puff.age > kFrame) {
            EXPECT_GT(puff.position.y, chimney.y);
        }
    }
}

// Every chimney's smoke comes out of the top of a chimney (or a
// smokehouse's stack) of the buildings as the world stands them: the
// highest part of the town right under the smoke's point tops out just
// below it.
TEST_F(ShippedEmittersTest, EveryChimneysSmokeRisesFromAChimneyTop)
{
    ASSERT_TRUE(Norv::MountPak(QUORVEL_RESOURCES_DIR "/board.pak", "", 0));
    CWorld& world = CWorld::GetWorld();
    TouchEntMgr::GetInstance().Clear();
    for (int row = 0; row < WorldTables::kBuildingRows; row += 2)
        world.LoadTouchableBuilding(row);
    // The corners of a chimney stack's top lie this close round its middle,
    // and the smoke starts at most this far above its top; the puffs need
    // this much room round them.
    constexpr float kStackReach = 20.0f;
    constexpr float kAboveTop = 30.0f;
    constexpr float kPuffRoom = 12.0f;
    for (PVRTVec3 const& smoke : WorldTables::kChimneySmoke) {
        float top = -1e9f;
        float closeTop = -1e9f;
        for (auto const& [file, entities] : world.GetNamedEnts()) {
            for (Norv::SmartPtr<CEnt> const& building : entities) {
                // A placed building draws its meshes with its own matrix.
                ASSERT_TRUE(building->placed) << file;
                CPVRTModelPOD const& model = building->GetModel().model;
                for (unsigned m = 0; m < model.nNumMesh; ++m) {
                    SPODMesh const& mesh = model.pMesh[m];
                    ASSERT_NE(mesh.pInterleaved, nullptr) << file;
                    for (unsigned v = 0; v < mesh.nNumVertex; ++v) {
                        float const* p = reinterpret_cast<float const*>(mesh.pInterleaved + mesh.sVertex.Offset()
                                                                        + v * mesh.sVertex.nStride);
                        PVRTVec4 const at = building->worldMatrix * PVRTVec4(p[0], p[1], p[2], 1.0f);
                        float const across = std::hypot(at.x - smoke.x, at.z - smoke.z);
                        if (across <= kStackReach)
                            top = std::max(top, at.y);
                        if (across <= kPuffRoom)
                            closeTop = std::max(closeTop, at.y);
                    }
                }
            }
        }
        EXPECT_LE(closeTop, smoke.y) << "the smoke at " << smoke.x << ", " << smoke.z << " starts inside the building";
        EXPECT_GE(top, smoke.y - kAboveTop) << "no chimney under the smoke at " << smoke.x << ", " << smoke.z;
    }
    world.Clear();
    TouchEntMgr::GetInstance().Clear();
}

TEST_F(ShippedEmittersTest, ATappedMoneyBagThrowsCoinsWhereItsTemplateThrowsNone)
{
    PVRTVec3 const above = WorldTables::kMoneyBags[0].position + PVRTVec3(0.0f, 200.0f, 0.0f);
    Norv::SmartPtr<Particles> coins = new Particles("particles/coins.xml", above);
    PVRTVec3 const eye = above + PVRTVec3(0.0f, 600.0f, 1.0f);
    Run(*coins, 0.5f);
    EXPECT_EQ(Lit(*coins, eye, above), 0) << "the template is spent as loaded";

    // The burst a tap makes: a copy at the bag, its clocks restarted.
    Norv::SmartPtr<Particles> burst = new Particles(*coins, above);
    burst->Restart();
    Run(*burst, 0.5f);
    EXPECT_GE(Lit(*burst, eye, above), 5 * kDrawn);
    // The coins fall back down once the burst is spent.
    Run(*burst, 3.0f);
    EXPECT_TRUE(burst->IsSpent());
}

} // namespace
