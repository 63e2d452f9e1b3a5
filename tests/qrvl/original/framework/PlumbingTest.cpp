// The framework's pointer list, arena heap, drawing context and stubs.
#include "qrvl/original/framework/BaseLayout.h"
#include "qrvl/original/framework/FGEngine.h"
#include "qrvl/original/framework/FGGraphics.h"
#include "qrvl/original/framework/FGHeap.h"
#include "qrvl/original/framework/FGImage.h"
#include "qrvl/original/framework/FGPointerList.h"
#include "qrvl/original/framework/FGSoundManager.h"

#include <gtest/gtest.h>

namespace {

TEST(PointerListTest, GrowsByItsStepAndKeepsTheOrderOnRemoval)
{
    FGPointerList list;
    int values[17] = {};
    for (int& value : values)
        list.addPointer(&value);
    EXPECT_EQ(list.getCapacity(), 80);
    EXPECT_EQ(list.getNumPointers(), 17);

    FGPointerList three(16, 8);
    three.addPointer(&values[0]);
    three.addPointer(&values[1]);
    three.addPointer(&values[2]);
    EXPECT_TRUE(three.removePointer(&values[0]));
    EXPECT_EQ(three.getPointer(0), &values[1]);
    EXPECT_EQ(three.getPointer(1), &values[2]);
    EXPECT_EQ(three.getPointer(2), nullptr);
    EXPECT_EQ(three.getPointerIdx(&values[0]), -1);
    EXPECT_FALSE(three.removePointer(5));
}

TEST(HeapTest, FirstFitReusesAFreedGapOnAlignedOffsets)
{
    FGEngine engine;
    FGHeap heap;
    EXPECT_EQ(heap.alloc(4), nullptr); // never set up
    ASSERT_TRUE(heap.init(64));
    unsigned char* a = static_cast<unsigned char*>(heap.alloc(10));
    unsigned char* b = static_cast<unsigned char*>(heap.alloc(10));
    unsigned char* c = static_cast<unsigned char*>(heap.alloc(10));
    ASSERT_TRUE(a && b && c);
    EXPECT_EQ(b - a, 12);
    EXPECT_EQ(c - b, 12);
    EXPECT_FALSE(heap.init(128)); // allocations still alive
    EXPECT_TRUE(heap.free(b));
    EXPECT_FALSE(heap.free(b));
    EXPECT_FALSE(heap.free(nullptr));
    EXPECT_EQ(heap.alloc(8), b);
    EXPECT_EQ(heap.alloc(40), nullptr);
    EXPECT_NE(heap.alloc(28), nullptr);
    EXPECT_EQ(heap.getHighWater(), 64u);
}

TEST(HeapTest, TheAllocationTableHasAFixedSize)
{
    FGEngine engine;
    FGHeap heap;
    ASSERT_TRUE(heap.init(FGHeap::kMaxAllocations * 4 + 64));
    for (size_t i = 0; i < FGHeap::kMaxAllocations; ++i)
        ASSERT_NE(heap.alloc(1), nullptr);
    EXPECT_EQ(heap.alloc(1), nullptr);
    EXPECT_EQ(heap.getNumAllocations(), FGHeap::kMaxAllocations);
}

TEST(GraphicsTest, TranslationMovesTheClipAndAnchorsPlaceImages)
{
    FGGraphics graphics;
    graphics.setClip(10, 20, 100, 50);
    graphics.translate(5, 5);
    EXPECT_EQ(graphics.getClipX(), 5);
    EXPECT_EQ(graphics.getClipY(), 15);
    EXPECT_EQ(graphics.getTranslateX(), 5);
    graphics.setClip(0, 0, 30, 30);
    EXPECT_EQ(graphics.getClipX(), 5);
    graphics.intersectClip(20, 20, 100, 100);
    EXPECT_EQ(graphics.getClipX(), 20);
    EXPECT_EQ(graphics.getClipWidth(), 15);
    EXPECT_EQ(graphics.getClipHeight(), 15);
    graphics.intersectClip(100, 100, 5, 5);
    EXPECT_EQ(graphics.getClipWidth(), 0);

    FGEngine engine;
    FGImage* image = FGImage::createImage("any.png");
    EXPECT_FALSE(image->initInternal());
    EXPECT_EQ(image->getGraphics(), nullptr);
    graphics.drawImage(image, 0, 0, FGGraphics::HCenter | FGGraphics::VCenter);
    delete image;
}

TEST(BaseLayoutTest, TheViewportIsTheBaseAreaCutToTheSurface)
{
    struct Case {
        BaseLayout layout;
        int x, y, width, height;
    };
    Case const cases[] = {
        {{}, 0, 0, 1280, 800},
        {{128, 16, 1024, 768}, 128, 16, 1024, 768},
        {{-20, -10, 1024, 768}, 0, 0, 1004, 758},
        {{300, 100, 1024, 768}, 300, 100, 980, 700},
        {{1400, 0, 1024, 768}, 1400, 0, 0, 768},
    };
    for (Case const& c : cases) {
        Norv::RectT<int> const viewport = c.layout.Viewport(1280, 800);
        EXPECT_EQ(viewport.x, c.x);
        EXPECT_EQ(viewport.y, c.y);
        EXPECT_EQ(viewport.width, c.width);
        EXPECT_EQ(viewport.height, c.height);
    }
}

TEST(FrameworkSoundTest, VolumeStaysInRangeAndTheTableHoldsThirtyTwoSounds)
{
    FGSoundManager sound;
    EXPECT_FALSE(sound.isSoundOn());
    EXPECT_TRUE(sound.isVibrateOn());
    sound.init();
    EXPECT_EQ(sound.getVolume(), FGSoundManager::kDefaultVolume);
    sound.volChange(3);
    EXPECT_EQ(sound.getVolume(), 100);
    sound.volChange(-5);
    EXPECT_EQ(sound.getVolume(), 0);
    for (int id = 0; id < FGSoundManager::kMaxSounds; ++id)
        EXPECT_TRUE(sound.registerSound("s.wav", id));
    EXPECT_FALSE(sound.registerSound("s.wav", 99));
    EXPECT_FALSE(sound.registerSound("s.wav", 3));
    sound.unregisterSound(3);
    EXPECT_FALSE(sound.isRegistered(3));
    EXPECT_TRUE(sound.registerSound("s.wav", 99));
}

} // namespace
