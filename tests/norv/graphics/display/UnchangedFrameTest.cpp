// Frames that would show again what the window shows are compared, not
// drawn: which frames are drawn, and what makes two frames differ.
#include "tests/support/GLWindow.h"

#include "norv/graphics/OpenGL.h"
#include "norv/graphics/PixelDataGL.h"
#include "norv/graphics/Tint.h"

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace Norv;
using namespace GLTest;

using Drawing = std::function<void(Surface&)>;

class UnchangedFrame : public GLEngineWindow {
protected:
    void SetUp() override
    {
        StartOpenGL(Config{true, true});
        sprite.Reset(new Surface(SolidImage(8, 8, RGB888, Color(255, 0, 0), Color(0, 255, 0), 4)));
    }

    // One frame through the display; true when it was drawn (the batcher
    // sent draws to GL).
    bool Frame(Drawing const& draw)
    {
        int const before = g_batcherCommits;
        EXPECT_TRUE(display->LockFrame());
        draw(*Screen());
        display->UnlockFrame();
        return g_batcherCommits != before;
    }

    // The fingerprint of one frame's draws, drawn and folded.
    std::uint64_t Fingerprint(Drawing const& draw)
    {
        Batcher().BeginFrame(OpenGLBatcher::FrameMode::DrawAndFingerprint);
        draw(*Screen());
        Batcher().Commit();
        return Batcher().EndFrame();
    }

    Drawing Scene(float x) const
    {
        return [this, x](Surface& screen) {
            screen.DrawFilledRectangle(0, 0, kWidth, kHeight, Color(0, 0, 255));
            screen.Blit(x, 10, sprite.Get(), RectT<int>(0, 0, 8, 8));
        };
    }

    SmartPtr<Surface> sprite;
};

TEST_F(UnchangedFrame, AStillPictureIsDrawnTwiceThenOnlyCompared)
{
    display->SkipUnchangedFrames();
    Drawing const a = Scene(10);
    Drawing const b = Scene(20);
    struct Step {
        Drawing const* draw;
        bool redrawFirst;
        bool drawn;
    };
    Step const steps[] = {
        {&a, false, true},                      // uploads the sprite
        {&a, false, true},  {&a, false, true},
        {&a, false, false}, {&a, false, false}, // still: only compared
        {&b, false, false},                     // a change is found by comparing ...
        {&b, false, true},                      // ... and drawn in the frame after
        {&b, false, true},  {&b, false, false},
        {&b, true, true},                       // input or an expose: drawn whatever it shows
        {&b, false, false},
    };
    for (size_t i = 0; i < std::size(steps); ++i) {
        if (steps[i].redrawFirst)
            display->RedrawNext();
        EXPECT_EQ(Frame(*steps[i].draw), steps[i].drawn) << "frame " << i;
    }
}

TEST_F(UnchangedFrame, EveryFrameIsDrawnUnlessTheLoopAsks)
{
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(Frame(Scene(10))) << i;
}

TEST_F(UnchangedFrame, DrawingOutsideTheBatcherKeepsEveryFrameDrawn)
{
    display->SkipUnchangedFrames();
    Drawing const withScene = [this](Surface& screen) {
        Scene(10)(screen);
        g_batcher->NoteUntrackedDrawing();
    };
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(Frame(withScene)) << i;
}

TEST_F(UnchangedFrame, WhatMakesAFrameDiffer)
{
    Fingerprint(Scene(10)); // uploads the sprite
    std::uint64_t const base = Fingerprint(Scene(10));
    EXPECT_EQ(Fingerprint(Scene(10)), base);

    struct Change {
        std::string what;
        std::function<void()> before;  // done between the frames
        Drawing draw;
    };
    Change const changes[] = {
        {"a moved quad", {}, Scene(11)},
        {"a colour", {},
         [this](Surface& screen) {
             screen.DrawFilledRectangle(0, 0, kWidth, kHeight, Color(0, 0, 254));
             screen.Blit(10, 10, sprite.Get(), RectT<int>(0, 0, 8, 8));
         }},
        {"another clip", {},
         [this](Surface& screen) {
             screen.SetClipRect(RectT<int>(0, 0, 100, 100));
             Scene(10)(screen);
             screen.SetClipRect(RectT<int>(0, 0, kWidth, kHeight));
         }},
        {"a clear", {},
         [this](Surface& screen) {
             screen.Clear(Color(1, 2, 3));
             Scene(10)(screen);
         }},
        {"new pixels under the same texture",
         [this] { static_cast<PixelDataGL*>(sprite->GetPixelData())->Reload(0); }, Scene(10)},
        {"drawing outside the batcher", {},
         [this](Surface& screen) {
             Scene(10)(screen);
             g_batcher->NoteUntrackedDrawing();
         }},
    };
    for (Change const& change : changes) {
        if (change.before)
            change.before();
        EXPECT_NE(Fingerprint(change.draw), base) << change.what;
        EXPECT_EQ(Fingerprint(Scene(10)), base) << "after " << change.what;
    }

    // Brightening tints differ only in their shader's uniform.
    Tint tint;
    Drawing const tinted = [this, &tint](Surface& screen) {
        Scene(10)(screen);
        tint.Render(sprite.Get(), &screen, 40, 40, RectT<int>(0, 0, 8, 8));
    };
    tint.Set(2.0f, 1.0f, 1.0f);
    Fingerprint(tinted); // builds the shader
    std::uint64_t const twice = Fingerprint(tinted);
    EXPECT_EQ(Fingerprint(tinted), twice);
    tint.Set(1.5f, 1.0f, 1.0f);
    EXPECT_NE(Fingerprint(tinted), twice);
}

} // namespace
