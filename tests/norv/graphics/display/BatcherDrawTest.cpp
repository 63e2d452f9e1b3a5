// Quads drawn into an offscreen target and read back, with and without
// shaders and buffer objects.
#include "tests/support/GLWindow.h"

#include <GL/gl.h>

#include "norv/graphics/OpenGL.h"
#include "norv/graphics/PixelDataComposite.h"
#include "norv/graphics/PixelDataGL.h"
#include "norv/graphics/Tint.h"

namespace {

using namespace Norv;
using namespace GLTest;

Color const kBlue(0, 0, 255, 0);  // RGBA8888 targets clear with alpha 0

class BatcherDraw : public GLEngineWindow, public ::testing::WithParamInterface<Config> {
protected:
    void SetUp() override { StartOpenGL(GetParam()); }
};

TEST_P(BatcherDraw, SolidQuadAndClear)
{
    SmartPtr<Surface> target = Target(32, 32, kBlue);
    target->DrawFilledRectangle(8, 8, 24, 24, Color(255, 0, 0));
    EXPECT_TRUE(Near(ReadPixel(*target, 16, 16), Color(255, 0, 0, 255)));
    EXPECT_TRUE(Near(ReadPixel(*target, 4, 4), kBlue));

    target->DrawFilledRectangle(0, 0, 32, 32, Color(0, 255, 0, 128));
    EXPECT_TRUE(Near(ReadPixel(*target, 4, 4), Color(0, 128, 127, 64))) << "half-transparent solid blends";

    target->DrawFilledRectangle(0, 0, 32, 32, Color(255, 255, 255));
    target->Clear(Color(10, 20, 30));
    EXPECT_TRUE(Near(ReadPixel(*target, 16, 16), Color(10, 20, 30, 0))) << "Clear discards the batch and clears";
}

// A start-up whose first frame is one plain backdrop needs no program.
TEST_P(BatcherDraw, OpaqueRectangleOverTheTargetIsAClear)
{
    SmartPtr<Surface> target = Target(32, 32, kBlue);
    target->DrawFilledRectangle(4, 4, 8, 8, Color(255, 0, 0));
    int const commits = g_batcherCommits;
    target->DrawFilledRectangle(-2, 0, 32, 40, Color(10, 200, 30));
    EXPECT_EQ(g_batcherCommits, commits) << "the covered quad is dropped and nothing is drawn";
    EXPECT_TRUE(Near(ReadPixel(*target, 5, 5), Color(10, 200, 30, 255)));
    GLint program = -1;
    glGetIntegerv(GL_CURRENT_PROGRAM, &program);
    EXPECT_EQ(program, 0) << "no program is built before a draw needs one";

    // One pixel short of the target is drawn as a quad.
    target->DrawFilledRectangle(1, 0, 32, 32, Color(255, 0, 0));
    EXPECT_TRUE(Near(ReadPixel(*target, 16, 16), Color(255, 0, 0, 255)));
    EXPECT_TRUE(Near(ReadPixel(*target, 0, 16), Color(10, 200, 30, 255)));
    EXPECT_GT(g_batcherCommits, commits);
    glGetIntegerv(GL_CURRENT_PROGRAM, &program);
    EXPECT_EQ(program != 0, GetParam().shaders);
}

TEST_P(BatcherDraw, TexturedQuad)
{
    SmartPtr<Surface> target = Target(32, 32, kBlue);
    SmartPtr<Surface> sprite(new Surface(SolidImage(6, 3, RGB888, Color(255, 0, 0), Color(0, 255, 0), 3)));
    target->Blit(10, 4, sprite.Get(), RectT<int>(0, 0, 6, 3));
    EXPECT_TRUE(Near(ReadPixel(*target, 10, 4), Color(255, 0, 0, 255)));
    EXPECT_TRUE(Near(ReadPixel(*target, 15, 6), Color(0, 255, 0, 255)));
    EXPECT_TRUE(Near(ReadPixel(*target, 16, 6), kBlue)) << "padding is not drawn";
    EXPECT_TRUE(Near(ReadPixel(*target, 10, 7), kBlue));

    // A rectangle reaching left of the image narrows the part without moving it.
    target->Blit(0, 20, sprite.Get(), RectT<int>(-4, 0, 6, 3));
    EXPECT_TRUE(Near(ReadPixel(*target, 1, 21), Color(255, 0, 0, 255)));
    EXPECT_TRUE(Near(ReadPixel(*target, 2, 21), kBlue));
}

TEST_P(BatcherDraw, OneTintedQuadTintsOnlyItselfInABatchOfPlainOnes)
{
    // Plain batches draw with a program that has no vertex colour; one
    // tinted quad among them must keep its colour, and the others theirs.
    SmartPtr<Surface> target = Target(32, 32, kBlue);
    SmartPtr<Surface> grey(new Surface(SolidImage(4, 4, RGB888, Color(200, 100, 40), Color(), 4)));
    RectT<int> const whole(0, 0, 4, 4);
    target->Blit(0, 0, grey.Get(), whole);
    target->BlitAlpha(8, 0, Color(128, 255, 0), grey.Get(), whole);
    target->Blit(16, 0, grey.Get(), whole);
    EXPECT_EQ(Batcher().GetQueuedIndexCount(), 18) << "one batch";
    EXPECT_TRUE(Near(ReadPixel(*target, 1, 1), Color(200, 100, 40, 255)));
    EXPECT_TRUE(Near(ReadPixel(*target, 9, 1), Color(100, 100, 0, 255)));
    EXPECT_TRUE(Near(ReadPixel(*target, 17, 1), Color(200, 100, 40, 255)));

    target->Blit(0, 8, grey.Get(), whole);  // a batch with no tint at all
    EXPECT_TRUE(Near(ReadPixel(*target, 1, 9), Color(200, 100, 40, 255)));
}

TEST_P(BatcherDraw, AlphaOnlyQuadTakesTheVertexColour)
{
    SmartPtr<Surface> target = Target(16, 16, Color(0, 0, 255, 255));
    target->DrawFilledRectangle(0, 0, 16, 16, Color(0, 0, 255));
    SmartPtr<Surface> mask(new Surface(SolidImage(8, 8, A8, Color(0, 0, 0, 255), Color(0, 0, 0, 0), 4)));
    target->BlitAlpha(0, 0, Color(0, 255, 0, 7), mask.Get(), RectT<int>(0, 0, 8, 8));
    EXPECT_TRUE(Near(ReadPixel(*target, 1, 1), Color(0, 255, 0, 255)));
    EXPECT_TRUE(Near(ReadPixel(*target, 6, 1), Color(0, 0, 255, 255)));
}

TEST_P(BatcherDraw, CompositeQuadTakesOpacityFromTheSecondTexture)
{
    SmartPtr<Surface> target = Target(16, 16, kBlue);
    target->DrawFilledRectangle(0, 0, 16, 16, Color(0, 0, 255));
    PixelDataGL* colour = new PixelDataGL(SolidImage(8, 8, RGB888, Color(255, 0, 0), Color(255, 0, 0), 0));
    // Red 0 is opaque, red 255 transparent.
    PixelDataGL* alpha = new PixelDataGL(SolidImage(8, 8, RGB888, Color(0, 0, 0), Color(255, 255, 255), 4));
    SmartPtr<Surface> sprite(new Surface(new PixelDataComposite(colour, alpha)));
    target->Blit(0, 0, sprite.Get(), RectT<int>(0, 0, 8, 8));
    EXPECT_TRUE(Near(ReadPixel(*target, 1, 1), Color(255, 0, 0, 255)));
    EXPECT_TRUE(Near(ReadPixel(*target, 6, 1), Color(0, 0, 255, 255)));

    // A plain texture after the composite draws with one texture again.
    SmartPtr<Surface> plain(new Surface(SolidImage(4, 4, RGB888, Color(0, 255, 0), Color(0, 255, 0), 0)));
    target->Blit(8, 8, plain.Get(), RectT<int>(0, 0, 4, 4));
    EXPECT_TRUE(Near(ReadPixel(*target, 9, 9), Color(0, 255, 0, 255)));
}

TEST_P(BatcherDraw, AdditiveQuadAddsColour)
{
    SmartPtr<Surface> target = Target(16, 16, kBlue);
    target->DrawFilledRectangle(0, 0, 16, 16, Color(100, 0, 0));
    SmartPtr<Surface> glow(new Surface(SolidImage(4, 4, RGB888, Color(100, 50, 0), Color(100, 50, 0), 0)));
    target->BlitAdditive(2, 2, glow.Get(), RectT<int>(0, 0, 4, 4));
    EXPECT_TRUE(Near(ReadPixel(*target, 3, 3), Color(200, 50, 0, 255)));
    EXPECT_TRUE(Near(ReadPixel(*target, 8, 8), Color(100, 0, 0, 255)));
}

TEST_P(BatcherDraw, SourceAlphaFadesTheBlit)
{
    SmartPtr<Surface> target = Target(16, 16, kBlue);
    target->DrawFilledRectangle(0, 0, 16, 16, Color(0, 0, 0));
    SmartPtr<Surface> sprite(new Surface(SolidImage(4, 4, RGB565, Color(255, 255, 255), Color(), 4)));
    sprite->SetAlpha(128);
    target->Blit(0, 0, sprite.Get(), RectT<int>(0, 0, 4, 4));
    EXPECT_TRUE(Near(ReadPixel(*target, 1, 1), Color(128, 128, 128, 191)));
}

TEST_P(BatcherDraw, TintDarkensAndBrightens)
{
    SmartPtr<Surface> target = Target(16, 16, kBlue);
    SmartPtr<Surface> grey(new Surface(SolidImage(4, 4, RGB888, Color(100, 100, 100), Color(), 4)));
    SmartPtr<Tint> tint(new Tint());
    tint->Set(0.5f, 0.5f, 0.5f);
    EXPECT_EQ(tint->GetRed(), 127);
    tint->Render(grey.Get(), target.Get(), 0, 0, RectT<int>(0, 0, 4, 4));
    EXPECT_TRUE(Near(ReadPixel(*target, 1, 1), Color(50, 50, 50, 255)));

    tint->Set(2.0f, 1.0f, 1.0f);
    tint->Render(grey.Get(), target.Get(), 8, 8, RectT<int>(0, 0, 4, 4));
    // Without shaders a vertex colour cannot brighten: red stays as it is
    // rather than wrapping to 254.
    Color const expected = GetParam().shaders ? Color(200, 100, 100, 255) : Color(100, 100, 100, 255);
    EXPECT_TRUE(Near(ReadPixel(*target, 9, 9), expected));

    // The next plain blit of the same texture is not tinted any more.
    target->Blit(0, 8, grey.Get(), RectT<int>(0, 0, 4, 4));
    EXPECT_TRUE(Near(ReadPixel(*target, 1, 9), Color(100, 100, 100, 255)));
}

TEST_P(BatcherDraw, DeletingTheDestinationMidBatch)
{
    SmartPtr<Surface> first = Target(16, 16, kBlue);
    first->DrawFilledRectangle(0, 0, 8, 8, Color(255, 0, 0));
    first.Release();  // the queued quad goes with it
    SmartPtr<Surface> second = Target(16, 16, kBlue);
    second->DrawFilledRectangle(0, 0, 4, 4, Color(0, 255, 0));
    EXPECT_TRUE(Near(ReadPixel(*second, 1, 1), Color(0, 255, 0, 255)));
    EXPECT_TRUE(Near(ReadPixel(*second, 6, 6), kBlue));
}

INSTANTIATE_TEST_SUITE_P(Configs, BatcherDraw,
                         ::testing::Values(Config{true, true}, Config{true, false}, Config{false, true},
                                           Config{false, false}),
                         [](::testing::TestParamInfo<Config> const& info) {
                             return std::string(info.param.shaders ? "Shaders" : "FixedFunction") +
                                    (info.param.buffers ? "Buffers" : "ClientArrays");
                         });

} // namespace
