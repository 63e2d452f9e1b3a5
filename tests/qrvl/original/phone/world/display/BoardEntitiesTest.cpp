// The board's own kinds of entity drawn into a real window from models and
// textures written by our own tools: cars in each player's colour with
// their pegs, the wheel sharp or blurred with its speed, scenery that swaps
// to its animation when touched, the marker's atlas and the labels that
// follow the language; on both drawing paths where they have two.
#include "DrawingWindow.h"
#include "SceneFiles.h"

#include "norv/application/ShellSettings.h"
#include "norv/base/Registry.h"
#include "norv/graphics/OpenGL.h"
#include "qrvl/original/phone/world/BoardElementsEnt.h"
#include "qrvl/original/phone/world/CSpinnerMotion.h"
#include "qrvl/original/phone/world/CWorld.h"
#include "qrvl/original/phone/world/CarEnt.h"
#include "qrvl/original/phone/world/EntManager.h"
#include "qrvl/original/phone/world/PegEnt.h"
#include "qrvl/original/phone/world/SpinnerEnt.h"
#include "qrvl/original/phone/world/TexAnimEnt.h"
#include "qrvl/original/phone/world/TouchEnt.h"
#include "qrvl/original/phone/world/TouchEntMgr.h"
#include "qrvl/port/WorldTables.h"

#include <sys/stat.h>

#include <cmath>
#include <fstream>

namespace {

constexpr unsigned int kBodies[CarEntImpl::kBodies] = {0xE0202AFF, 0xF08020FF, 0x2050E0FF,
                                                       0x20B040FF, 0xF0D020FF, 0x9040C0FF};
// A normal map whose normals all face out of the surface.
constexpr unsigned int kFlatNormal = 0x8080FFFF;
constexpr unsigned int kRed = 0xFF0000FF;
constexpr unsigned int kBlue = 0x0000FFFF;
constexpr unsigned int kGreen = 0x00FF00FF;
constexpr unsigned int kBlack = 0x000000FF;
constexpr int kMiddle = DrawingWindowTest::kSide / 2;
constexpr int kLeftQuarter = DrawingWindowTest::kSide / 4;
constexpr int kRightQuarter = DrawingWindowTest::kSide * 3 / 4;
// Two frames at 30 per second.
constexpr float kFrameSeconds = 1.0f / 30.0f;
// The wheel's blur at a speed of 63 units (0.85 of a flick of 74.12): the
// blurred pair shows from a blur of 33.
constexpr float kFlickForBlur42 = 63.0f / 0.85f + 0.001f;

// Which channel of a colour is the strongest: 0 red, 1 green, 2 blue.
int Strongest(std::array<unsigned char, 3> const& rgb)
{
    int strongest = 0;
    for (int c = 1; c < 3; ++c)
        if (rgb[size_t(c)] > rgb[size_t(strongest)])
            strongest = c;
    return strongest;
}

class BoardEntitiesTest : public DrawingWindowTest {
protected:
    void SetUp() override
    {
        DrawingWindowTest::SetUp();
        EntManager::Get().Clear();
        Norv::g_registry = new Norv::Registry;
        ASSERT_NE(Norv::MountNative(SHADER_DIR, "", Norv::VfsMount::FallThrough), nullptr);
    }
    void TearDown() override
    {
        EntManager::Get().Clear();
        Norv::g_registry = nullptr;
        Norv::shadersDisabled = false;
        DrawingWindowTest::TearDown();
    }

    // As "--no-shaders" does, or with the shaders; the engine's batcher
    // leaves no program bound.
    static void UseDrawingPath(bool noShaders)
    {
        Norv::shadersDisabled = noShaders;
        Norv::InitializeOpenGL();
        ASSERT_EQ(Norv::GetGLCaps().glsl, !noShaders);
        if (!noShaders) {
            glUseProgram(0);
            for (GLuint array = 0; array < 3; ++array)
                glDisableVertexAttribArray(array);
        }
    }

    void WriteFolder(char const* name) { ASSERT_EQ(mkdir(Path(name).c_str(), 0755), 0); }

    // The car model with a body texture of each colour and the normal map.
    void WriteCar()
    {
        WriteFolder("gameobjects");
        ASSERT_TRUE(WriteQuadPod(Path("gameobjects/carRed.pod"), "car.png", "car", 0.0f));
        char const* const bodies[] = {"carRedHole", "carOrangeHole", "carBlueHole",
                                      "carGreenHole", "carYellowHole", "carPurpleHole"};
        for (int i = 0; i < CarEntImpl::kBodies; ++i)
            ASSERT_TRUE(WriteTwoColourPvr(Path("gameobjects/") + bodies[i] + ".pvr", kBodies[i], kBodies[i]));
        ASSERT_TRUE(WriteTwoColourPvr(Path("gameobjects/carnormal.pvr"), kFlatNormal, kFlatNormal));
    }

    // The six peg files, pink pegs green and blue pegs blue, and the jump.
    void WritePegs()
    {
        for (int file = 1; file <= 3; ++file) {
            std::string const number = std::to_string(file);
            ASSERT_TRUE(WriteQuadPod(Path("gameobjects/pinkpeg") + number + ".pod", "pinkpeg.png", "peg", 0.0f));
            ASSERT_TRUE(WriteQuadPod(Path("gameobjects/bluepeg") + number + ".pod", "bluepeg.png", "peg", 0.0f));
        }
        ASSERT_TRUE(WriteQuadPod(Path("gameobjects/pinkpegJump.pod"), "jump.png", "peg", 0.0f));
        ASSERT_TRUE(WriteTwoColourPvr(Path("gameobjects/pinkpeg.pvr"), kGreen, kGreen));
        ASSERT_TRUE(WriteTwoColourPvr(Path("gameobjects/bluepeg.pvr"), kBlue, kBlue));
        ASSERT_TRUE(WriteTwoColourPvr(Path("gameobjects/jump.pvr"), kRed, kRed));
    }

    static std::array<unsigned char, 3> Drawn(CEnt& entity)
    {
        Clear();
        entity.Render();
        return Pixel(kMiddle, kMiddle);
    }
};

TEST_F(BoardEntitiesTest, EachCarShowsItsPlayersColourOnBothPaths)
{
    WriteCar();
    for (bool noShaders : {false, true}) {
        SCOPED_TRACE(noShaders ? "fixed function" : "shaders available");
        UseDrawingPath(noShaders);
        EntManager::Get().Clear();
        Norv::SmartPtr<CEnt> car(EntManager::Get().CreateCarEnt("carRed.pod", "gameobjects/"));
        CarEnt& carEnt = static_cast<CarEnt&>(*car);
        ASSERT_TRUE(car->GetModel().IsLoaded());
        ASSERT_EQ(car->GetModel().textures.size(), size_t(CarEntImpl::kTextures));
        EXPECT_EQ(static_cast<CarEntImpl&>(car->GetModel()).shader.program != 0, !noShaders);
        // Hues apart: every body shows its own strongest channel and no two
        // bodies are drawn alike.
        std::vector<std::array<unsigned char, 3>> drawn;
        for (int colour = 0; colour < CarEntImpl::kBodies; ++colour) {
            carEnt.colourIndex = static_cast<unsigned char>(colour);
            drawn.push_back(Drawn(*car));
            EXPECT_EQ(Strongest(drawn.back()), Strongest(Rgb(kBodies[colour]))) << colour;
            for (int other = 0; other < colour; ++other)
                EXPECT_GT(Distance(drawn[size_t(other)], drawn.back()), 40) << other << " and " << colour;
        }
    }
}

TEST_F(BoardEntitiesTest, PegsRideInTheirCarAndVanishWithIt)
{
    WriteCar();
    WritePegs();
    Norv::SmartPtr<CEnt> car(EntManager::Get().CreateCarEnt("carRed.pod", "gameobjects/"));
    // Seat 1 takes the first blue file.
    Norv::SmartPtr<CEnt> peg(EntManager::Get().CreatePegEnt(false, "gameobjects/", 1, PVRTVec3(0.0f, 0.0f, 0.0f)));
    car->AddChild(peg.Get());
    car->worldMatrix = PVRTMat4::Translation(0.5f, 0.0f, 0.0f);
    car->MatrixUpdated();
    // The peg takes the car's frame, so it stands where the car stands.
    EXPECT_EQ(peg->worldMatrix.f[12], 0.5f);

    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    Clear();
    car->Render();
    glDisable(GL_DEPTH_TEST);
    // The peg was drawn last over the car, in the blue set.
    EXPECT_EQ(Strongest(Pixel(kRightQuarter, kMiddle)), 2);
    EXPECT_EQ(Pixel(kLeftQuarter - 4, kMiddle), Rgb(kBlack));

    // A car faded out takes its pegs with it.
    car->alpha = 0.0f;
    EXPECT_EQ(Drawn(*car), Rgb(kBlack));
}

TEST_F(BoardEntitiesTest, APegJumpsOnceInItsOwnColoursAndSitsDownWithABurst)
{
    WriteFolder("gameobjects");
    WriteFolder("particles");
    WritePegs();
    std::ofstream(Path("particles/pegPinkParticles.xml"))
        << "<particles><life val='100'/><maxparticles val='3'/><liferange min='50' max='50'/></particles>";
    Norv::SmartPtr<CEnt> entity(EntManager::Get().CreatePegEnt(true, "gameobjects/", 0, PVRTVec3(0.0f, 0.0f, 0.0f)));
    PegEnt& peg = static_cast<PegEnt&>(*entity);
    EXPECT_EQ(peg.frame, 1.0f) << "seated in the last frame";
    EXPECT_EQ(Strongest(Drawn(peg)), 1) << "pink pegs are green here";

    peg.PlayAnim(PegEnt::kJump);
    EXPECT_FALSE(peg.AnimFinished());
    EXPECT_NE(&peg.GetModel(), EntManager::Get().GetPegModel(true, "gameobjects/", 0));
    EXPECT_EQ(Strongest(Drawn(peg)), 1) << "the jump keeps the peg's colours, not the jump file's";
    peg.Update(kFrameSeconds);
    EXPECT_FALSE(peg.AnimFinished());
    peg.Update(kFrameSeconds);
    EXPECT_TRUE(peg.AnimFinished());
    EXPECT_EQ(peg.frame, 1.0f) << "holds the jump's last frame";

    // A peg that jumped keeps its jump and bursts no more; a fresh one
    // bursts as it sits down.
    peg.PlayAnim(PegEnt::kSitDown);
    EXPECT_TRUE(peg.particleSystems.empty());
    Norv::SmartPtr<CEnt> fresh(EntManager::Get().CreatePegEnt(true, "gameobjects/", 5, PVRTVec3(0.0f, 0.0f, 0.0f)));
    static_cast<PegEnt&>(*fresh).PlayAnim(PegEnt::kSitDown);
    ASSERT_EQ(fresh->particleSystems.size(), 1u);
    fresh->Update(0.01f);
    ASSERT_FALSE(fresh->particleSystems[0]->GetParticles().empty());
    // Seat 5 sits on the right of the third row: its burst starts there.
    PVRTVec3 const& start = fresh->particleSystems[0]->GetParticles()[0].position;
    EXPECT_FLOAT_EQ(start.x, -15.0f);
    EXPECT_FLOAT_EQ(start.z, -81.0f);
}

TEST_F(BoardEntitiesTest, TheWheelIsSharpAtRestAndBlurredAtSpeedOnBothPaths)
{
    // The sharp face red, the blurred one blue; flat normal maps.
    ASSERT_TRUE(WriteQuadPod(Path("spinner.pod"), "wheel.png", "wheel", 0.0f));
    ASSERT_TRUE(WriteTwoColourPvr(Path("wheel.pvr"), kRed, kRed));
    ASSERT_TRUE(WriteTwoColourPvr(Path("wheel_blur.pvr"), kBlue, kBlue));
    ASSERT_TRUE(WriteTwoColourPvr(Path("wheelNormal.pvr"), kFlatNormal, kFlatNormal));
    ASSERT_TRUE(WriteTwoColourPvr(Path("wheelNormal_blur.pvr"), kFlatNormal, kFlatNormal));
    for (bool noShaders : {false, true}) {
        SCOPED_TRACE(noShaders ? "fixed function" : "shaders available");
        UseDrawingPath(noShaders);
        EntManager::Get().Clear();
        Norv::SmartPtr<CEnt> wheel(EntManager::Get().CreateSpinnerEnt("spinner.pod", ""));
        SpinnerEnt& spinner = static_cast<SpinnerEnt&>(*wheel);
        CSpinnerMotion motion;
        motion.Init();
        spinner.SetSpinnerMotion(&motion, false);

        ASSERT_EQ(motion.GetBlur(), 0);
        spinner.Update(0.1f);
        EXPECT_EQ(spinner.BlurWeight(), 0.0f);
        EXPECT_EQ(spinner.smoke->opacity, 0.0f);
        EXPECT_EQ(spinner.sparks->alpha, 0.0f);
        EXPECT_EQ(Strongest(Drawn(spinner)), 0);

        ASSERT_TRUE(motion.StartSpin(kFlickForBlur42));
        ASSERT_EQ(motion.GetBlur(), 42);
        motion.rocksOn = true;
        spinner.Update(0.1f);
        EXPECT_EQ(spinner.BlurWeight(), 1.0f);
        EXPECT_EQ(spinner.smoke->opacity, 1.0f);
        EXPECT_FLOAT_EQ(spinner.rocks->opacity, 0.6875f);
        EXPECT_EQ(spinner.sparks->alpha, 1.0f);
        EXPECT_EQ(Strongest(Drawn(spinner)), 2);
    }
}

TEST_F(BoardEntitiesTest, TouchedScenerySwapsToItsAnimationAndRestsAgain)
{
    WriteFolder("particles");
    std::ofstream(Path("particles/burst.xml"))
        << "<particles><life val='100'/><maxparticles val='3'/><liferange min='50' max='50'/></particles>";
    ASSERT_TRUE(WriteQuadPod(Path("boat.pod"), "boat.png", "boat", 0.0f));
    ASSERT_TRUE(WriteQuadPod(Path("boat2.pod"), "boat2.png", "boat", 0.0f));
    ASSERT_TRUE(WriteTwoColourPvr(Path("boat.pvr"), kRed, kRed));
    ASSERT_TRUE(WriteTwoColourPvr(Path("boat2.pvr"), kBlue, kBlue));
    Norv::SmartPtr<CEnt> entity(EntManager::Get().CreateTouchableEnt("boat.pod", "", "boat2.pod"));
    TouchEnt& boat = static_cast<TouchEnt&>(*entity);
    boat.tapSounds.push_back("bi_boat_tapped");
    boat.particleTemplate = new Particles("particles/burst.xml", PVRTVec3(160.0f, 0.0f, 0.0f));
    EXPECT_EQ(Strongest(Drawn(boat)), 0);

    boat.OnTouch();
    EXPECT_TRUE(boat.ShowsAnimation());
    EXPECT_EQ(Strongest(Drawn(boat)), 2);
    ASSERT_EQ(boat.particleSystems.size(), 1u);
    // Touches during the animation add bursts, five at most alive.
    for (int touch = 0; touch < 6; ++touch)
        boat.OnTouch();
    EXPECT_EQ(boat.particleSystems.size(), 5u);
    boat.Update(0.01f);
    ASSERT_FALSE(boat.particleSystems[0]->GetParticles().empty());
    EXPECT_FLOAT_EQ(boat.particleSystems[0]->GetParticles()[0].position.x, 0.0f);

    // The two frames played, the boat rests again.
    boat.Update(kFrameSeconds);
    EXPECT_TRUE(boat.ShowsAnimation());
    boat.Update(kFrameSeconds);
    EXPECT_FALSE(boat.ShowsAnimation());
    EXPECT_EQ(Strongest(Drawn(boat)), 0);
}

TEST_F(BoardEntitiesTest, SceneryWithOneModelAnimatesInPlaceOncePerTouch)
{
    ASSERT_TRUE(WriteQuadPod(Path("ball.pod"), "ball.png", "ball", 1.0f));
    Norv::SmartPtr<CEnt> ball(EntManager::Get().CreateTouchableEnt("ball.pod", "", "ball.pod"));
    ball->Update(kFrameSeconds);
    EXPECT_EQ(ball->frame, 0.0f) << "still until touched";
    ball->OnTouch();
    ball->Update(kFrameSeconds);
    EXPECT_EQ(ball->frame, 1.0f);
    ball->Update(kFrameSeconds);
    EXPECT_EQ(ball->frame, 0.0f);
    ball->Update(kFrameSeconds);
    EXPECT_EQ(ball->frame, 0.0f) << "stopped at its start";
}

TEST_F(BoardEntitiesTest, TheMarkerStepsThroughItsAtlasRowByRow)
{
    ASSERT_TRUE(WriteQuadPod(Path("glow.pod"), "glow.png", "glow", 0.0f));
    ASSERT_TRUE(WriteTwoColourPvr(Path("glow.pvr"), kRed, kBlue));
    Norv::SmartPtr<CEnt> entity(EntManager::Get().CreateTexAnimEnt("glow.pod", ""));
    TexAnimEnt& marker = static_cast<TexAnimEnt&>(*entity);
    marker.SetAnim(2, 1);
    marker.SetAnimFps(10);
    marker.Update(0.05f);
    Clear();
    marker.Render();
    EXPECT_EQ(Strongest(Pixel(kLeftQuarter, kMiddle)), 0);
    // Cell 1 starts half the texture to the right.
    marker.Update(0.1f);
    Clear();
    marker.Render();
    EXPECT_EQ(Strongest(Pixel(kLeftQuarter, kMiddle)), 2);
    // Cell 2 of two is cell 0 again.
    marker.Update(0.1f);
    Clear();
    marker.Render();
    EXPECT_EQ(Strongest(Pixel(kLeftQuarter, kMiddle)), 0);
}

TEST_F(BoardEntitiesTest, TheLabelsFollowTheLanguageSetting)
{
    WriteFolder("environment");
    ASSERT_TRUE(WriteQuadPod(Path("environment/labels_board.pod"), "labels_board.png", "labels", 0.0f));
    ASSERT_TRUE(WriteTwoColourPvr(Path("environment/labels_board.pvr"), kRed, kRed));
    ASSERT_TRUE(WriteTwoColourPvr(Path("environment/quorvelFr.pvr"), kBlue, kBlue));
    ASSERT_TRUE(WriteTwoColourPvr(Path("environment/quorvelDe.pvr"), kGreen, kGreen));
    // No Spanish label: choosing it shows the labels untextured.
    Norv::SmartPtr<CEnt> labels(EntManager::Get().CreateBoardElementsEnt("labels_board.pod", "environment/"));
    GLuint const english = labels->GetModel().textures.at(0);
    struct Case {
        char const* language;
        int strongest;
    } const cases[] = {{"fr", 2}, {"pt", 2}, {"it", 0}, {"de", 1}, {"en", 0}};
    for (Case const& c : cases) {
        Norv::g_registry->Set("/qrvl/settings/Language", c.language);
        EXPECT_EQ(Strongest(Drawn(*labels)), c.strongest) << c.language;
    }
    Norv::g_registry->Set("/qrvl/settings/Language", "es");
    EXPECT_EQ(labels->GetModel().textures.at(0), 0u);
    // Gone, the labels give the model its own texture back.
    CEntImpl& model = labels->GetModel();
    labels = nullptr;
    EXPECT_EQ(model.textures.at(0), english);
}

TEST_F(BoardEntitiesTest, TheLabelsNumberClockCyclesEightCellsTenASecond)
{
    WriteFolder("environment");
    ASSERT_TRUE(WriteQuadPod(Path("environment/labels_board.pod"), "labels_board.png", "labels", 0.0f));
    Norv::SmartPtr<CEnt> labels(EntManager::Get().CreateBoardElementsEnt("labels_board.pod", "environment/"));
    labels->Update(0.31f);
    // Its two frames of its own at 30 per second advance the same clock:
    // 3.1 cells, then 9.3 frames, wrapped by two.
    EXPECT_NEAR(labels->frame, 0.4f, 1e-3f);
}

// The world's scenery as its loading steps make it (the model files
// missing here only leave the models empty).
TEST_F(BoardEntitiesTest, TheWorldsBoatAnswersTouchesAndItsMoneyBagsPickTheMansion)
{
    CWorld& world = CWorld::GetWorld();
    TouchEntMgr::GetInstance().Clear();
    world.LoadTouchableEntAnim(0);
    world.LoadTouchableBuilding(8);
    auto const& named = world.GetNamedEnts();
    ASSERT_EQ(named.count("boat_anim.pod"), 1u);
    CEnt& boat = *named.at("boat_anim.pod").at(0);
    ASSERT_NE(dynamic_cast<TouchEnt*>(&boat), nullptr);
    EXPECT_EQ(boat.tapSounds, std::vector<Norv::NarrowString>{"bi_boat_tapped"});
    EXPECT_EQ(TouchEntMgr::GetInstance().GetEnt(boat.pickColour), &boat);

    CEnt& mansion = *named.at("mansion.pod").at(0);
    ASSERT_EQ(mansion.children.size(), 2u);
    for (Norv::SmartPtr<CEnt> const& bag : mansion.children)
        EXPECT_EQ(TouchEntMgr::GetInstance().GetEnt(bag->pickColour), &mansion);
    // Drawn in the mansion's frame, each bag stands at its place beside it.
    for (size_t i = 0; i < mansion.children.size(); ++i) {
        PVRTMat4 const drawn = mansion.worldMatrix * mansion.children[i]->worldMatrix;
        PVRTVec3 const place = WorldTables::kMoneyBags[i].position;
        EXPECT_NEAR(drawn.f[12], place.x, 0.5f);
        EXPECT_NEAR(drawn.f[13], place.y, 0.5f);
        EXPECT_NEAR(drawn.f[14], place.z, 0.5f);
    }
    // The bags rest without coins; a tap on the mansion, or on a bag,
    // throws a burst from each.
    for (Norv::SmartPtr<CEnt> const& bag : mansion.children)
        EXPECT_TRUE(bag->particleSystems.empty());
    mansion.OnTouch();
    for (Norv::SmartPtr<CEnt> const& bag : mansion.children)
        EXPECT_EQ(bag->particleSystems.size(), 1u);
    world.Clear();
    TouchEntMgr::GetInstance().Clear();
}

} // namespace
