// When the batcher flushes: state compare, index thresholds, key colours,
// blending, and restoring its state after GL was used directly.
#include "tests/support/GLWindow.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <SDL.h>

#include "norv/graphics/OpenGL.h"
#include "norv/graphics/OpenGLShader.h"
#include "norv/graphics/ShaderLibrary.h"

namespace {

using namespace Norv;
using namespace GLTest;

class BatcherState : public GLEngineWindow {
protected:
    void SetUp() override
    {
        StartOpenGL(Config{true, true});
        target = Target(32, 32, Color(0, 0, 255, 0));
        target->DrawFilledRectangle(0, 0, 32, 32, Color(0, 0, 255));
        g_batcher->Commit();
    }

    // Untextured triangles into the target, so that only queueing matters.
    void PrepareSolid()
    {
        Batcher().SetShader(nullptr);
        Batcher().SetTexturing(false);
        Batcher().SetDestination(target->GetPixelData(), 0);
        Batcher().SetClipping(target->GetClipRect());
        Batcher().SetPrimitiveType(Norv::Batcher::Triangles);
        Batcher().NotifyAlpha(255);
    }

    SmartPtr<Surface> target;
};

BatcherVertex Vertex(float x, float y)
{
    return BatcherVertex(x, y, 0, 0, 255, 255, 255, 255);
}

TEST_F(BatcherState, TwoBlitsFromOneTextureAreOneDraw)
{
    SmartPtr<Surface> atlas(new Surface(SolidImage(8, 8, RGB888, Color(255, 0, 0), Color(0, 255, 0), 4)));
    target->Blit(0, 0, atlas.Get(), RectT<int>(0, 0, 4, 8));
    target->Blit(10, 0, atlas.Get(), RectT<int>(4, 0, 4, 8));
    EXPECT_EQ(Batcher().GetQueuedIndexCount(), 12);
    EXPECT_EQ(Batcher().GetQueuedVertexCount(), 8);

    SmartPtr<Surface> other(new Surface(SolidImage(8, 8, RGB888, Color(1, 2, 3), Color(1, 2, 3), 0)));
    target->Blit(20, 0, other.Get(), RectT<int>(0, 0, 8, 8));
    EXPECT_EQ(Batcher().GetQueuedIndexCount(), 6) << "another texture flushes";
    EXPECT_TRUE(Near(ReadPixel(*target, 11, 1), Color(0, 255, 0, 255)));
}

TEST_F(BatcherState, IndexThresholds)
{
    struct Case {
        int pairsBefore;  // two-vertex queues (two indices each) before the probe
        int probe;        // vertices in the probing queue call
        int expected;     // indices queued afterwards
    };
    Case const cases[] = {
        {8189, 4, 6},              // 16378 in use: a quad flushes first
        {8188, 4, 16376 + 6},      // 16376 in use: it fits
        {8191, 1, 1},              // 16382 in use: a single vertex flushes first
        {8190, 1, 16380 + 2},      // 16380 in use: it adds two indices
        {8191, 2, 2},              // 16382 in use: a pair flushes first
    };
    PrepareSolid();
    for (Case const& c : cases) {
        for (int i = 0; i < c.pairsBefore; ++i)
            Batcher().Queue(Vertex(0, 0), Vertex(1, 1));
        switch (c.probe) {
        case 1: Batcher().Queue(Vertex(0, 0)); break;
        case 2: Batcher().Queue(Vertex(0, 0), Vertex(1, 1)); break;
        default: Batcher().Queue(Vertex(0, 0), Vertex(1, 0), Vertex(1, 1), Vertex(0, 1)); break;
        }
        EXPECT_EQ(Batcher().GetQueuedIndexCount(), c.expected) << c.pairsBefore << " pairs, probe " << c.probe;
        Batcher().Clear(0, 0, 1, 1);
    }
}

TEST_F(BatcherState, KeyColourChangesFlushOnlyWhenDifferent)
{
    SmartPtr<Surface> sprite(new Surface(SolidImage(4, 4, RGB888, Color(255, 0, 255), Color(255, 255, 255), 2)));
    sprite->SetFlags(Surface::ColorKeyed);
    target->Blit(0, 0, sprite.Get(), RectT<int>(0, 0, 4, 4));
    target->Blit(8, 0, sprite.Get(), RectT<int>(0, 0, 4, 4));
    EXPECT_EQ(Batcher().GetQueuedIndexCount(), 12) << "the same key keeps the batch";
    sprite->GetPixelData()->SetKeyColor(Color(255, 255, 255));
    target->Blit(16, 0, sprite.Get(), RectT<int>(0, 0, 4, 4));
    EXPECT_EQ(Batcher().GetQueuedIndexCount(), 6) << "another key flushes";

    EXPECT_TRUE(Near(ReadPixel(*target, 0, 0), Color(0, 0, 255, 255))) << "magenta is keyed out";
    EXPECT_TRUE(Near(ReadPixel(*target, 3, 0), Color(255, 255, 255, 255)));
    EXPECT_TRUE(Near(ReadPixel(*target, 16, 0), Color(255, 0, 255, 255)));
    EXPECT_TRUE(Near(ReadPixel(*target, 19, 0), Color(0, 0, 255, 255))) << "white is keyed out";
}

TEST_F(BatcherState, KeyMatchesWithinHalfAStep)
{
    // A 565 texture returns magenta as exact fractions; a colour one step
    // away from the key is not keyed.
    SmartPtr<Surface> sprite(new Surface(SolidImage(4, 4, RGB565, Color(255, 0, 255), Color(255, 0, 255), 2)));
    sprite->SetFlags(Surface::ColorKeyed);
    SmartPtr<Surface> near(new Surface(SolidImage(4, 4, RGB888, Color(254, 0, 255), Color(255, 0, 255), 2)));
    near->SetFlags(Surface::ColorKeyed);
    target->Blit(0, 0, sprite.Get(), RectT<int>(0, 0, 4, 4));
    target->Blit(8, 0, near.Get(), RectT<int>(0, 0, 4, 4));
    EXPECT_TRUE(Near(ReadPixel(*target, 1, 1), Color(0, 0, 255, 255)));
    EXPECT_TRUE(Near(ReadPixel(*target, 8, 1), Color(254, 0, 255, 255), 0));
    EXPECT_TRUE(Near(ReadPixel(*target, 11, 1), Color(0, 0, 255, 255)));
}

TEST_F(BatcherState, BlendingFollowsSourceAlpha)
{
    SmartPtr<Surface> opaque(new Surface(SolidImage(4, 4, RGB565, Color(255, 0, 0), Color(255, 0, 0), 0)));
    target->Blit(0, 0, opaque.Get(), RectT<int>(0, 0, 4, 4));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    opaque->SetAlpha(254);
    target->Blit(0, 0, opaque.Get(), RectT<int>(0, 0, 4, 4));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    SmartPtr<Surface> withAlpha(new Surface(SolidImage(4, 4, RGBA8888, Color(255, 0, 0), Color(255, 0, 0), 0)));
    opaque->SetAlpha(255);
    target->Blit(0, 0, opaque.Get(), RectT<int>(0, 0, 4, 4));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    target->Blit(0, 0, withAlpha.Get(), RectT<int>(0, 0, 4, 4));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
}

// A source at alpha 0 shows nothing in any way it is drawn: nothing is
// queued and no state changes for it; alpha 1 is drawn.
TEST_F(BatcherState, AFullyTransparentSourceIsNotDrawn)
{
    SmartPtr<Surface> red(new Surface(SolidImage(4, 4, RGB888, Color(255, 0, 0), Color(255, 0, 0), 0)));
    SmartPtr<Surface> green(new Surface(SolidImage(4, 4, RGB888, Color(0, 255, 0), Color(0, 255, 0), 0)));
    RectT<int> const whole(0, 0, 4, 4);
    target->Blit(0, 0, red.Get(), whole);
    target->Blit(8, 0, red.Get(), whole);
    green->SetAlpha(0);
    target->Blit(0, 0, green.Get(), whole);
    target->BlitAdditive(0, 0, green.Get(), whole);
    target->BlitAlpha(0, 0, Color(0, 0, 255), green.Get(), whole);
    target->BlitScale(green.Get(), whole);
    EXPECT_EQ(Batcher().GetQueuedIndexCount(), 12) << "the red blits' batch goes on";
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    g_batcher->Commit();
    EXPECT_TRUE(Near(ReadPixel(*target, 1, 1), Color(255, 0, 0, 255)));

    green->SetAlpha(1);
    target->Blit(0, 0, green.Get(), whole);
    EXPECT_EQ(Batcher().GetQueuedIndexCount(), 6);
}

TEST_F(BatcherState, ResetStateRestoresWhatDirectGLChanged)
{
    SmartPtr<Surface> sprite(new Surface(SolidImage(4, 4, RGBA8888, Color(255, 0, 0, 128), Color(), 4)));
    target->Blit(0, 0, sprite.Get(), RectT<int>(0, 0, 4, 4));
    g_batcher->Commit();
    // What a 3D pass may leave behind.
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
    glUseProgram(0);
    glActiveTexture(GL_TEXTURE2);
    glBindTexture(GL_TEXTURE_2D, 0);
    glDisable(GL_BLEND);
    glDisable(GL_SCISSOR_TEST);
    glEnable(GL_DEPTH_TEST);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    g_batcher->ResetState();
    EXPECT_TRUE(glIsEnabled(GL_SCISSOR_TEST));
    target->Blit(8, 8, sprite.Get(), RectT<int>(0, 0, 4, 4));
    EXPECT_TRUE(Near(ReadPixel(*target, 9, 9), Color(128, 0, 127, 191)));
}

TEST_F(BatcherState, BrokenShaderIsReportedAndNotUsed)
{
    SmartPtr<OpenGLShader> broken(new OpenGLShader(false));
    broken->Load(ShaderLibrary::TexturingCommonVertex, "void main(void) { this is not GLSL }");
    EXPECT_FALSE(broken->Enable());
    EXPECT_FALSE(broken->Build()) << "not compiled again after failing";
    EXPECT_EQ(broken->Handle(), 0u);

    SmartPtr<OpenGLShader> good(new OpenGLShader(false));
    good->Load(ShaderLibrary::TintVertex, ShaderLibrary::TintFragment);
    EXPECT_TRUE(good->Enable());
    unsigned const first = good->Handle();
    EXPECT_NE(first, 0u);
    OpenGLShader::Free();
    EXPECT_EQ(good->Handle(), 0u);
    EXPECT_TRUE(good->Enable()) << "rebuilt from the kept sources";
    EXPECT_NE(good->Handle(), 0u);
    Batcher().Rebind();
}

TEST_F(BatcherState, CircleSegmentsGrowWithTheRadius)
{
    struct Case {
        float radius;
        bool filled;
        int vertices;  // queued
    };
    Case const cases[] = {
        {16, false, 2 + 16},     // two copies of the first rim point, then 16 segments
        {0.2f, false, 2 + 1},    // one segment
        {0.05f, false, 0},       // none
        {16, true, 3 * 14},      // a fan of 14 triangles
        {0.25f, true, 0},        // two rim points make no triangle
    };
    for (Case const& c : cases) {
        if (c.filled)
            target->DrawFilledCircle(16, 16, c.radius, Color(255, 255, 255));
        else
            target->DrawCircle(16, 16, c.radius, Color(255, 255, 255));
        EXPECT_EQ(Batcher().GetQueuedVertexCount(), c.vertices) << c.radius;
        Batcher().Clear(0, 0, 1, 1);
    }
}

TEST_F(BatcherState, OrientationChangesAskForASwappedWindow)
{
    // The window is 160 x 120: landscape already.
    SdlDisplay& screen = static_cast<SdlDisplay&>(*display);
    EXPECT_EQ(screen.GetOrientation(), OrientationLandscape);
    EXPECT_EQ(screen.GetSupportedOrientations(), 3);
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
    }
    EXPECT_FALSE(screen.SetOrientation(OrientationLandscape));
    EXPECT_FALSE(screen.SetOrientation(static_cast<DisplayOrientation>(4)));
    EXPECT_EQ(SDL_PollEvent(&event), 0) << "nothing asked";
    EXPECT_TRUE(screen.SetOrientation(OrientationPortrait));
    EXPECT_EQ(screen.GetOrientation(), OrientationPortrait);
    ASSERT_EQ(SDL_PollEvent(&event), 1);
    EXPECT_EQ(event.type, SDL_VIDEORESIZE);
    EXPECT_EQ(event.resize.w, 120);
    EXPECT_EQ(event.resize.h, 160);
}

TEST_F(BatcherState, CapabilitiesAndStrings)
{
    GLCaps const& caps = GetGLCaps();
    EXPECT_TRUE(caps.fbo);
    EXPECT_TRUE(caps.vbo);
    EXPECT_TRUE(caps.glsl);
    EXPECT_GE(caps.maxTextureSize, 1024);
    EXPECT_GE(caps.maxTextureUnits, 2);
    EXPECT_FALSE(GetGLVendor().empty());
    EXPECT_FALSE(GetGLRenderer().empty());
    EXPECT_TRUE(CheckGLExt("GL_EXT_framebuffer_object"));
    EXPECT_FALSE(CheckGLExt(""));
}

} // namespace
