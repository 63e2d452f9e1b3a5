// Entities drawn from a model file written by our own POD writer: the
// textured quad on both drawing paths, its node animation, its pick colour,
// and one load for every entity of a file.
#include "DrawingWindow.h"
#include "SceneFiles.h"

#include "norv/application/ShellSettings.h"
#include "norv/graphics/OpenGL.h"
#include "qrvl/original/phone/world/CEnt.h"
#include "qrvl/original/phone/world/EntManager.h"
#include "qrvl/original/phone/world/SkinningShader.h"

#include <cstdio>

namespace {

constexpr unsigned int kRed = 0xFF0000FF;
constexpr unsigned int kBlue = 0x0000FFFF;
// Texel centres of the 2 x 2 texture fall a quarter of the quad in from
// each side, where linear filtering gives nearly the texel's own colour:
// the pixel's centre lies half a pixel further in, 1/64 of the way to the
// other texel.
constexpr int kFilterTolerance = 8;
constexpr int kLeftQuarter = DrawingWindowTest::kSide / 4;
constexpr int kRightQuarter = DrawingWindowTest::kSide * 3 / 4;
constexpr int kMiddleRow = DrawingWindowTest::kSide / 2;

class EntityDrawingTest : public DrawingWindowTest {
protected:
    // Starts the engine's drawing with shaders or, as "--no-shaders" does,
    // without; the engine unbinds its batcher's program and attribute
    // arrays before the board draws.
    static void UseDrawingPath(bool noShaders)
    {
        Norv::shadersDisabled = noShaders;
        Norv::InitializeOpenGL();
        EXPECT_EQ(Norv::GetGLCaps().glsl, !noShaders);
        if (!noShaders) {
            glUseProgram(0);
            for (GLuint array = 0; array < 3; ++array)
                glDisableVertexAttribArray(array);
        }
    }

    void SetUp() override
    {
        DrawingWindowTest::SetUp();
        EntManager::Get().Clear();
        ASSERT_TRUE(WriteQuadPod(Path("quad.pod"), "quad.png", "quad", 1.0f));
        ASSERT_TRUE(WriteTwoColourPvr(Path("quad.pvr"), kRed, kBlue));
    }
    void TearDown() override
    {
        EntManager::Get().Clear();
        Norv::shadersDisabled = false;
        DrawingWindowTest::TearDown();
    }
};

TEST_F(EntityDrawingTest, ATexturedQuadDrawsOnBothPathsAndFollowsItsNodeKeys)
{
    for (bool noShaders : {false, true}) {
        SCOPED_TRACE(noShaders ? "fixed function" : "shaders available");
        UseDrawingPath(noShaders);

        Norv::SmartPtr<CEnt> quad(EntManager::Get().CreateEnt("quad.pod", ""));
        ASSERT_TRUE(quad->GetModel().IsLoaded());
        ASSERT_NE(quad->GetModel().textures.at(0), 0u);
        EXPECT_EQ(quad->GetModel().alphaFlags.at(0), 1); // RGBA 8888

        Clear();
        quad->Render();
        EXPECT_LE(Distance(Pixel(kLeftQuarter, kMiddleRow), Rgb(kRed)), kFilterTolerance);
        EXPECT_LE(Distance(Pixel(kRightQuarter, kMiddleRow), Rgb(kBlue)), kFilterTolerance);

        // One frame at 30 per second reaches frame 1, where the node's keys
        // move the quad half the window to the right.
        quad->Update(1.0f / 30.0f);
        EXPECT_EQ(int(quad->frame), 1);
        Clear();
        quad->Render();
        EXPECT_EQ(Pixel(kLeftQuarter, kMiddleRow), Rgb(0x000000FF));
        EXPECT_LE(Distance(Pixel(kSide / 2 + kLeftQuarter, kMiddleRow), Rgb(kRed)), kFilterTolerance);

        // A placed entity's own matrix replaces the node's keys.
        quad->SetPosition(PVRTVec3(0.0f, 0.0f, 0.0f));
        Clear();
        quad->Render();
        EXPECT_LE(Distance(Pixel(kLeftQuarter, kMiddleRow), Rgb(kRed)), kFilterTolerance);
        EntManager::Get().Clear();
    }
}

// A skinned model follows its bone through the shader and stands at rest
// on the fixed-function path; either way each of its nodes is drawn once,
// which additive blending shows: a second drawing would double the colour.
TEST_F(EntityDrawingTest, ASkinnedModelFollowsItsBoneAndIsDrawnOnce)
{
    ASSERT_NE(Norv::MountNative(SHADER_DIR, "", Norv::VfsMount::FallThrough), nullptr);
    ASSERT_TRUE(WriteSkinnedPod(Path("skinned.pod"), "dim.png", 0.5f));
    constexpr unsigned int kDim = 0x400000FF;
    ASSERT_TRUE(WriteTwoColourPvr(Path("dim.pvr"), kDim, kDim));
    // The bone rises half the window's half height: a quarter of the rows.
    constexpr int kBottomRow = 4;
    constexpr int kTopRow = kSide - 4;
    for (bool noShaders : {false, true}) {
        SCOPED_TRACE(noShaders ? "fixed function" : "shaders available");
        UseDrawingPath(noShaders);
        EntManager::Get().Clear();
        Norv::SmartPtr<CEnt> skinned(EntManager::Get().CreateEnt("skinned.pod", ""));
        ASSERT_TRUE(skinned->GetModel().IsLoaded());
        EXPECT_EQ(skinned->skinning != nullptr, !noShaders);
        if (skinned->skinning) {
            ASSERT_NE(skinned->skinning->program, 0u) << "the shaders compile and link";
        }

        skinned->Update(1.0f / 30.0f);
        glEnable(GL_BLEND);
        glBlendFunc(GL_ONE, GL_ONE);
        Clear();
        skinned->Render();
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        for (int x : {kLeftQuarter, kRightQuarter}) {
            EXPECT_EQ(Pixel(x, kTopRow), Rgb(kDim)) << x;
            EXPECT_EQ(Pixel(x, kBottomRow), Rgb(noShaders ? kDim : 0x000000FF)) << x;
        }
    }
}

TEST_F(EntityDrawingTest, ThePickPassDrawsExactlyThePickColour)
{
    Norv::SmartPtr<CEnt> quad(EntManager::Get().CreateEnt("quad.pod", ""));
    Clear();
    quad->ColorRender(); // alpha 0: out of the pick pass
    EXPECT_EQ(Pixel(kSide / 2, kMiddleRow), Rgb(0x000000FF));

    quad->SetColor(PVRTVec4(0x12 / 255.0f, 0x34 / 255.0f, 0x56 / 255.0f, 1.0f));
    glDisable(GL_TEXTURE_2D);
    Clear();
    quad->ColorRender();
    EXPECT_EQ(Pixel(kLeftQuarter, kMiddleRow), Rgb(0x123456FF));
    EXPECT_EQ(Pixel(kRightQuarter, kMiddleRow), Rgb(0x123456FF));

    quad->visible = false;
    Clear();
    quad->ColorRender();
    EXPECT_EQ(Pixel(kSide / 2, kMiddleRow), Rgb(0x000000FF));
}

TEST_F(EntityDrawingTest, EntitiesOfOneFileShareOneLoad)
{
    Norv::SmartPtr<CEnt> first(EntManager::Get().CreateEnt("quad.pod", ""));
    // Gone from the disk: a second load would find nothing.
    ASSERT_EQ(std::remove(Path("quad.pod").c_str()), 0);
    Norv::SmartPtr<CEnt> second(EntManager::Get().CreateEnt("quad.pod", ""));
    EXPECT_EQ(&first->GetModel(), &second->GetModel());
    EXPECT_TRUE(second->GetModel().IsLoaded());

    // A model is loaded afresh only on request, and then replaces the
    // cached one; entities keep theirs.
    CEntImpl* fresh = EntManager::Get().GetModel("quad.pod", "");
    EXPECT_FALSE(fresh->IsLoaded());
    Norv::SmartPtr<CEnt> third(EntManager::Get().CreateEnt("quad.pod", ""));
    EXPECT_EQ(&third->GetModel(), fresh);
    EXPECT_TRUE(first->GetModel().IsLoaded());
}

TEST_F(EntityDrawingTest, AMissingOrUnreadableModelDrawsNothing)
{
    std::FILE* junk = std::fopen(Path("junk.pod").c_str(), "wb");
    ASSERT_NE(junk, nullptr);
    std::fputs("not a model", junk);
    std::fclose(junk);
    for (char const* file : {"missing.pod", "junk.pod"}) {
        Norv::SmartPtr<CEnt> entity(EntManager::Get().CreateEnt(file, ""));
        EXPECT_FALSE(entity->GetModel().IsLoaded()) << file;
        entity->SetColor(PVRTVec4(1.0f, 1.0f, 1.0f, 1.0f));
        Clear();
        entity->Render();
        entity->ColorRender();
        entity->Update(0.1f);
        EXPECT_EQ(Pixel(kSide / 2, kMiddleRow), Rgb(0x000000FF)) << file;
    }
}

// Alpha comes from the pixel type in the header the texture was loaded
// with, the older 44-byte header's too, even in a file shorter than 52 bytes.
TEST_F(EntityDrawingTest, AlphaComesFromTheTexturesHeader)
{
    struct Case {
        char const* what;
        unsigned int headerSize, pixelType, dataBytes;
        unsigned char alpha;
    } const cases[] = {
        {"RGB 565", 52, 0x13, 8, 0},
        {"RGBA 4444", 52, 0x10, 8, 1},
        {"old header, RGBA 8888, 48 bytes", 44, 0x12, 4, 1},
    };
    for (Case const& c : cases) {
        unsigned int header[13] = {c.headerSize, 1, 1, 0, c.pixelType, c.dataBytes, c.dataBytes * 8, 0, 0, 0, 0,
                                   0x21525650, 1};
        if (c.dataBytes == 8)
            header[2] = 2; // 2 x 1 at 16 bits
        std::string bytes(reinterpret_cast<char const*>(header), c.headerSize);
        bytes += std::string(c.dataBytes, '\x7f');
        std::FILE* file = std::fopen(Path("plain.pvr").c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
        ASSERT_TRUE(WriteQuadPod(Path("plain.pod"), "plain.png", "quad", 0.0f));
        CEntImpl* model = EntManager::Get().GetModel("plain.pod", "");
        ASSERT_NE(model->textures.at(0), 0u) << c.what;
        EXPECT_EQ(model->alphaFlags.at(0), c.alpha) << c.what;
    }
}

} // namespace

namespace {

// Twelve peg models from six files: a seat's geometry follows its number,
// its colour only the texture set of its key; the first request loads them
// all and later ones load nothing.
TEST_F(EntityDrawingTest, PegModelsShareTwoTextureSets)
{
    for (int file = 1; file <= 3; ++file) {
        for (bool pink : {true, false}) {
            std::string const name = std::string(pink ? "pinkpeg" : "bluepeg") + std::to_string(file);
            ASSERT_TRUE(WriteQuadPod(Path((name + ".pod").c_str()), pink ? "pink.png" : "blue.png", name.c_str(), 0));
        }
    }
    ASSERT_TRUE(WriteTwoColourPvr(Path("pink.pvr"), 0xFF80C0FF, 0xFF80C0FF));
    ASSERT_TRUE(WriteTwoColourPvr(Path("blue.pvr"), kBlue, kBlue));

    EntManager& manager = EntManager::Get();
    CEntImpl* pinkOwner = manager.GetPegModel(true, "", 0);
    CEntImpl* blueOwner = manager.GetPegModel(false, "", 1);
    GLuint const pinkSet = pinkOwner->textures.at(0);
    GLuint const blueSet = blueOwner->textures.at(0);
    ASSERT_NE(pinkSet, 0u);
    ASSERT_NE(blueSet, 0u);
    EXPECT_NE(pinkSet, blueSet);
    for (int file = 1; file <= 3; ++file)
        for (char const* colour : {"pink", "blue"})
            ASSERT_EQ(std::remove(Path((colour + std::string("peg") + std::to_string(file) + ".pod").c_str()).c_str()), 0);

    for (int seat = 0; seat < 6; ++seat) {
        std::string const geometry = (seat % 2 ? "bluepeg" : "pinkpeg") + std::to_string(seat / 2 + 1);
        for (bool pink : {true, false}) {
            CEntImpl* model = manager.GetPegModel(pink, "", seat);
            ASSERT_TRUE(model->IsLoaded()) << seat;
            EXPECT_STREQ(model->model.pNode[0].pszName, geometry.c_str()) << seat;
            EXPECT_EQ(model->textures.at(0), pink ? pinkSet : blueSet) << seat;
        }
    }

    // The shared sets draw: a blue peg on pink geometry shows blue.
    Norv::SmartPtr<CEnt> peg(new CEnt(*manager.GetPegModel(false, "", 0)));
    Clear();
    peg->Render();
    EXPECT_EQ(Pixel(kSide / 2, kMiddleRow), Rgb(kBlue));
}

} // namespace
