// Animations read from their description and played by their clock.
#include "tests/support/ImageFixtures.h"

#include "norv/graphics/AnimatedSurface.h"
#include "norv/graphics/GraphicsAssets.h"
#include "norv/graphics/LoadSurface.h"
#include "norv/graphics/MemPixelData.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using namespace Norv;
using namespace ImageTest;

SmartPtr<Surface> Still(int width, int height)
{
    return SmartPtr<Surface>(new Surface(new MemPixelData(width, height, RGB888)));
}

AnimatedSurface::Frame FrameOf(SmartPtr<Surface> const& surface, float time, int x = 0, int y = 0)
{
    AnimatedSurface::Frame frame;
    frame.surface = surface;
    frame.time = time;
    frame.x = x;
    frame.y = y;
    return frame;
}

TEST(AnimatedSurface, LoopsByItsClockDroppingOverrun)
{
    SmartPtr<Surface> first = Still(4, 2);
    SmartPtr<Surface> second = Still(6, 3);
    SmartPtr<AnimatedSurface> animation(
        new AnimatedSurface({FrameOf(first, 0.1f, 1, 2), FrameOf(second, 0.2f, -3, 4)}, true));
    EXPECT_EQ(animation->GetCurrentFrame(), 0u);
    EXPECT_EQ(animation->GetWidth(), 4);
    EXPECT_EQ(animation->GetXOffset(), 1);
    EXPECT_EQ(animation->GetPixelData(), first->GetPixelData());

    EXPECT_TRUE(animation->Update(0.25));
    EXPECT_EQ(animation->GetCurrentFrame(), 1u);
    EXPECT_EQ(animation->GetHeight(), 3);
    EXPECT_EQ(animation->GetYOffset(), 4);
    EXPECT_EQ(animation->GetPixelData(), second->GetPixelData());
    // 0.2 - 0.25 < 0: back to the first frame, with its full time.
    EXPECT_TRUE(animation->Update(0.25));
    EXPECT_EQ(animation->GetCurrentFrame(), 0u);
    EXPECT_TRUE(animation->Update(0.05));
    EXPECT_EQ(animation->GetCurrentFrame(), 0u);
}

TEST(AnimatedSurface, StopsOnTheLastFrameWithoutLoop)
{
    SmartPtr<AnimatedSurface> animation(new AnimatedSurface({FrameOf(Still(2, 2), 0.5f)}, false));
    EXPECT_TRUE(animation->Update(0.25));
    EXPECT_TRUE(animation->Update(0.25));
    EXPECT_FALSE(animation->Update(0.1));
    EXPECT_FALSE(animation->Update(0.1));
    EXPECT_EQ(animation->GetCurrentFrame(), 0u);
}

TEST(AnimatedSurface, IgnoresFramesOutOfRange)
{
    SmartPtr<AnimatedSurface> animation(new AnimatedSurface({FrameOf(Still(2, 2), 0.5f), FrameOf(Still(3, 3), 0.5f)}, false));
    animation->SetFrame(1);
    animation->SetFrame(2);
    animation->SetFrame(0xFFFFFFFF);
    EXPECT_EQ(animation->GetCurrentFrame(), 1u);
    EXPECT_EQ(animation->GetWidth(), 3);
}

class AnimationFile : public MountedAssets {
protected:
    void WriteFrames()
    {
        PngSpec red;
        red.width = 2;
        red.rows = {255, 0, 0, 255, 0, 0};
        PngSpec blue = red;
        blue.width = 1;
        blue.rows = {0, 0, 255};
        ASSERT_TRUE(WriteFile(folder + "red.png", WritePng(red)));
        ASSERT_TRUE(WriteFile(folder + "blue.png", WritePng(blue)));
    }
    void WriteText(std::string const& name, char const* text)
    {
        ASSERT_TRUE(WriteFile(folder + name, Bytes(text, text + std::strlen(text))));
    }
};

TEST_F(AnimationFile, ReadsFramesTimesOffsetsAndLoop)
{
    WriteFrames();
    char const description[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                               "<animation loop=\"true\">\n"
                               "  <frame image=\"red.png\" time=\"100\" x=\"3\" y=\"-2\"/>\n"
                               "  <frame image=\"blue.png@linear\" time=\"250\"/>\n"
                               "</animation>\n";
    ASSERT_TRUE(WriteFile(folder + "blink.xml", Bytes(description, description + sizeof description - 1)));

    // Frame images come through the asset dictionary, options and all.
    SmartPtr<Surface> loaded(LoadSurface(NarrowString("blink.xml")));
    ASSERT_TRUE(loaded);
    auto* animation = dynamic_cast<AnimatedSurface*>(loaded.Get());
    ASSERT_NE(animation, nullptr);
    ASSERT_EQ(animation->GetFrameCount(), 2u);
    EXPECT_FLOAT_EQ(animation->GetFrame(0).time, 0.1f);
    EXPECT_FLOAT_EQ(animation->GetFrame(1).time, 0.25f);
    EXPECT_EQ(animation->GetFrame(1).surface->GetFlags(), Surface::LinearFiltering);
    EXPECT_EQ(animation->GetXOffset(), 3);
    EXPECT_EQ(animation->GetYOffset(), -2);
    EXPECT_EQ(animation->GetWidth(), 2);
    EXPECT_TRUE(animation->Update(0.15));
    EXPECT_EQ(animation->GetWidth(), 1);
    EXPECT_EQ(animation->GetXOffset(), 0);
    EXPECT_TRUE(animation->Update(0.3));
    EXPECT_EQ(animation->GetCurrentFrame(), 0u);
}

TEST_F(AnimationFile, AScriptTakesOverTheClock)
{
    WriteFrames();
    WriteText("blink.xml", "<?xml version=\"1.0\"?>\n"
                           "<animation script=\"blink.lua\">\n"
                           "  <frame image=\"red.png\" time=\"100\"/>\n"
                           "  <frame image=\"blue.png\" time=\"250\"/>\n"
                           "</animation>\n");
    WriteText("blink.lua", "local elapsed = 0\n"
                           "function Update(seconds)\n"
                           "  elapsed = elapsed + seconds\n"
                           "  SetFrame(NumFrames())\n"
                           "  SetFrame(-1)\n"
                           "  if elapsed < 1 then SetAlpha(300) return 1 end\n"
                           "  SetFrame(NumFrames() - 1)\n"
                           "  SetAlpha(FrameTime(0))\n"
                           "  return 0\n"
                           "end\n"
                           "function SetState(state) SetFrame(state - FrameNum()) end\n");
    SmartPtr<Surface> loaded(LoadSurface(NarrowString("blink.xml")));
    ASSERT_TRUE(loaded);
    auto& animation = dynamic_cast<AnimatedSurface&>(*loaded);
    // The clock would have moved on after 0.5 seconds; the script did not.
    EXPECT_TRUE(animation.Update(0.5));
    EXPECT_EQ(animation.GetCurrentFrame(), 0u);
    EXPECT_EQ(animation.GetAlpha(), 300 & 0xFF);
    EXPECT_FALSE(animation.Update(0.6));
    EXPECT_EQ(animation.GetCurrentFrame(), 1u);
    // 0.1 seconds in 16.16 fixed point is 6553; its low byte is the alpha.
    EXPECT_EQ(animation.GetAlpha(), 6553 & 0xFF);
    animation.SetState(1);
    EXPECT_EQ(animation.GetCurrentFrame(), 0u);
}

TEST_F(AnimationFile, AnimationsAsFramesAreRefused)
{
    // Each names itself or the other twice: read as frames they once
    // loaded without end.
    WriteFrames();
    WriteText("self.xml", "<?xml version=\"1.0\"?>\n<animation><frame image=\"self.xml\" time=\"1\"/>"
                          "<frame image=\"self.xml\" time=\"1\"/></animation>\n");
    WriteText("ping.xml", "<?xml version=\"1.0\"?>\n<animation><frame image=\"pong.xml\" time=\"1\"/>"
                          "<frame image=\"red.png\" time=\"1\"/></animation>\n");
    WriteText("pong.xml", "<?xml version=\"1.0\"?>\n<animation><frame image=\"ping.xml\" time=\"1\"/></animation>\n");
    for (char const* name : {"self.xml", "ping.xml", "pong.xml"})
        EXPECT_FALSE(SmartPtr<Surface>(LoadSurface(NarrowString(name)))) << name;
    // The refusal leaves later animations alone.
    WriteText("still.xml", "<?xml version=\"1.0\"?>\n<animation><frame image=\"red.png\" time=\"1\"/></animation>\n");
    EXPECT_TRUE(SmartPtr<Surface>(LoadSurface(NarrowString("still.xml"))));
}

} // namespace
