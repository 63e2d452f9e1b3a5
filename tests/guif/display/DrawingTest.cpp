// Screens drawn into a real window: positions, alphas, compositing and what
// hidden controls leave out, read back pixel by pixel.
#include "tests/support/DrawnScreen.h"

#include <gtest/gtest.h>

namespace {

using namespace GuifTest;

class Drawing : public DrawnScreen {
protected:
    void Build(std::string const& controls)
    {
        Write("controls.xml", "<s>" + controls + "</s>");
        ASSERT_EQ(Run("screen:GetControl('root'):InsertFromXml('controls.xml')"), "");
    }
    void Rect(std::string const& name, int w, int h, std::string const& rgba, bool relative = true)
    {
        Write(name, "<g><item type='Rectangle'>" + std::string(relative ? "<relative/>" : "") + "<width>" +
                        std::to_string(w) + "</width><height>" + std::to_string(h) +
                        "</height><filled>true</filled><color>" + rgba + "</color></item></g>");
    }
};

TEST_F(Drawing, CentredImageAndTranslucentRectangle)
{
    WriteImage("odd.png", 51, 21, 255, 255, 255);
    Write("picture.xml", "<g><item type='Image' name='img'><center>true</center></item></g>");
    Rect("veil.xml", 20, 20, "<r>255</r><g>255</g><b>255</b><a>200</a>");
    Build("<item name='picture'><x>100</x><y>50</y><representation file='picture.xml'/></item>"
          "<item name='veil'><x>10</x><y>10</y><alpha>128</alpha><representation file='veil.xml'/></item>");
    ASSERT_EQ(Run("screen:GetControl('picture'):GetControl('img'):SetImage('odd.png')"), "");
    Draw();
    SaveShot();
    // 51 pixels wide centred on 100: from 75 (half of 51 taken as 25).
    EXPECT_TRUE(Near(75, 50, {255, 255, 255}));
    EXPECT_TRUE(Near(74, 50, {0, 0, 0}));
    EXPECT_TRUE(Near(125, 50, {255, 255, 255}));
    EXPECT_TRUE(Near(126, 50, {0, 0, 0}));
    EXPECT_TRUE(Near(80, 40, {255, 255, 255}));
    EXPECT_TRUE(Near(80, 39, {0, 0, 0}));
    // Alpha 200 drawn at alpha 128 is 100 over black.
    EXPECT_TRUE(Near(15, 15, {100, 100, 100}));
}

TEST_F(Drawing, OffsetDrawLeavesPositionsExactly)
{
    Rect("red.xml", 10, 10, "<r>255</r>");
    Build("<item name='a'><x>10.1</x><y>10.3</y><representation file='red.xml'/></item>");
    Guif::Control* a = screen->FindControl("a");
    float const x = a->GetX();
    float const y = a->GetY();
    Draw(20.7f, 0.9f);
    EXPECT_EQ(a->GetX(), x);
    EXPECT_EQ(a->GetY(), y);
    EXPECT_TRUE(Near(35, 15, {255, 0, 0}));
    EXPECT_TRUE(Near(15, 15, {0, 0, 0}));
}

TEST_F(Drawing, HiddenControlsAndTheirChildrenAreLeftOut)
{
    Rect("red.xml", 10, 10, "<r>255</r>");
    Build("<item name='parent'><x>10</x><y>10</y><visibility>false</visibility><representation file='red.xml'/>"
          "<children><item name='child'><x>40</x><y>10</y><visibility>true</visibility>"
          "<representation file='red.xml'/></item></children></item>"
          "<item name='shown'><x>70</x><y>10</y><representation file='red.xml'/></item>");
    Draw();
    EXPECT_EQ(LitPixels(0, 0, 60, 40), 0);
    EXPECT_TRUE(Near(75, 15, {255, 0, 0}));
    ASSERT_EQ(Run("screen:GetControl('parent'):SetVisibility(true)"), "");
    Draw();
    EXPECT_TRUE(Near(15, 15, {255, 0, 0}));
    EXPECT_TRUE(Near(45, 15, {255, 0, 0}));
}

TEST_F(Drawing, CompositingDrawsTheSubtreeThroughItsSurface)
{
    Rect("grey.xml", 40, 40, "<r>40</r><g>40</g><b>40</b>");
    Rect("green.xml", 10, 10, "<g>255</g>", false);
    Rect("red.xml", 10, 10, "<r>255</r>");
    Build("<item name='group'><x>100</x><y>60</y><alpha>255</alpha>"
          "<compositing><width>40</width><height>40</height></compositing>"
          "<representation file='grey.xml'/><children>"
          "<item name='follows'><relative/><x>5</x><y>5</y><representation file='red.xml'/></item>"
          "<item name='absolute'><x>20</x><y>20</y><representation file='green.xml'/></item>"
          "<item name='outside'><x>50</x><y>0</y><representation file='red.xml'/></item>"
          "</children></item>");
    Draw();
    SaveShot();
    EXPECT_TRUE(Near(101, 61, {40, 40, 40}));
    EXPECT_TRUE(Near(106, 66, {255, 0, 0}));
    // A child that is not relative is placed in the surface's own pixels.
    EXPECT_TRUE(Near(121, 81, {0, 255, 0}));
    EXPECT_TRUE(Near(21, 21, {0, 0, 0}));
    // What falls outside the surface is cut off.
    EXPECT_EQ(LitPixels(141, 50, 50, 50), 0);
    // The surface is blitted with the control's alpha.
    ASSERT_EQ(Run("screen:GetControl('group'):SetAlpha(51)"), "");
    Draw();
    EXPECT_TRUE(Near(106, 66, {51, 0, 0}));
    EXPECT_EQ(screen->FindControl("follows")->GetX(), 5.0f);
}

} // namespace
