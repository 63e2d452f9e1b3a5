// The script methods of controls: marks, alpha, positions, sizes,
// representations and changes to the tree.
#include "tests/support/GuifFixture.h"

#include <gtest/gtest.h>

namespace {

using namespace GuifTest;

class ControlScript : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        WriteImage("tall.png", 10, 20);
        Write("pair.xml", "<g><item type='Sprite' name='pic'><file>tall.png</file>"
                          "<children><item type='Rectangle' name='bar'><width>30</width><height>5</height></item>"
                          "</children></item></g>");
        Write("other.xml", "<g><item type='Rectangle'><width>7</width><height>9</height></item></g>");
        Write("controls.xml",
              "<s><item name='outer'><alpha>128</alpha><x>5</x>"
              "  <children><item name='inner'><alpha>128</alpha><relative/><x>3</x><y>4</y>"
              "    <representation file='pair.xml'/></item>"
              "  <item name='pass'><touchable>true</touchable></item></children></item>"
              "<item name='named'><representation type='special' file='other.xml'/></item></s>");
        ASSERT_EQ(Run("root = screen:GetControl('root'); root:InsertFromXml('controls.xml');"
                      "outer = screen:GetControl('outer'); inner = screen:GetControl('inner');"
                      "pass = screen:GetControl('pass')"),
                  "");
    }
};

TEST_F(ControlScript, AlphaMultipliesDownTheChain)
{
    EXPECT_EQ(Number("inner:GetAlpha()"), 64);
    EXPECT_EQ(Number("pass:GetAlpha()"), 128);
    EXPECT_EQ(Number("root:GetAlpha()"), 255);
    // Without an alpha mark the value is kept from scripts.
    EXPECT_EQ(Run("pass:SetAlpha(10); outer:SetAlpha(255.9)"), "");
    EXPECT_EQ(Number("pass:GetAlpha()"), 255);
    EXPECT_EQ(Number("inner:GetAlpha()"), 128);
}

TEST_F(ControlScript, PositionsAndShifts)
{
    EXPECT_EQ(Number("inner:GetAbsX()"), 8);
    EXPECT_EQ(Number("inner:GetAbsY()"), 4);
    EXPECT_EQ(Run("inner:ShiftPos(1.9, -1.9)"), "");
    EXPECT_EQ(Number("inner:GetX()"), 4);
    EXPECT_EQ(Number("inner:GetY()"), 3);
    EXPECT_EQ(Run("inner:SetRelative(false); inner:SetX(2.5)"), "");
    EXPECT_EQ(Number("inner:GetAbsX()"), 2.5);
    EXPECT_EQ(Text("root:GetName()"), "root");
}

TEST_F(ControlScript, VisibilityAndTouchMarks)
{
    EXPECT_EQ(Run("pass:SetVisibility(false)"), "");
    EXPECT_TRUE(Truth("pass:GetVisibility()"));
    EXPECT_EQ(Run("pass:SetVisibilityExists(true)"), "");
    EXPECT_FALSE(Truth("pass:GetVisibility()"));
    EXPECT_EQ(Run("pass:SetVisibility(true)"), "");
    EXPECT_TRUE(Truth("pass:GetVisibility()"));
    EXPECT_EQ(Run("pass:SetVisibility(false); pass:SetVisibilityExists(false)"), "");
    EXPECT_TRUE(Truth("pass:GetVisibility()"));
    // A hidden parent hides the whole chain.
    EXPECT_EQ(Run("outer:SetVisibilityExists(true)"), "");
    EXPECT_FALSE(Truth("pass:GetVisibility()"));

    EXPECT_TRUE(Truth("pass:GetTouchable()"));
    EXPECT_EQ(Run("pass:SetTouchable(false); inner:SetTouchable(true)"), "");
    EXPECT_FALSE(Truth("pass:GetTouchable()"));
    EXPECT_FALSE(Truth("inner:GetTouchable()"));
}

TEST_F(ControlScript, SizesAndRepresentations)
{
    EXPECT_EQ(Run("w, h = inner:GetSize()"), "");
    EXPECT_EQ(Number("w"), 30);
    EXPECT_EQ(Number("h"), 20);
    EXPECT_EQ(Number("inner:GetWidth()"), 30);
    EXPECT_EQ(Number("inner:GetHeight()"), 20);
    EXPECT_EQ(Text("type(inner:GetControl('pic'))"), "userdata");
    EXPECT_TRUE(Truth("inner:GetControl('pic') == inner:GetControl('pic')"));
    // A rectangle is not handed out, nor is a name that is not there.
    EXPECT_TRUE(Truth("inner:GetControl('bar') == nil"));
    EXPECT_TRUE(Truth("inner:GetControl('none') == nil"));
    EXPECT_TRUE(Truth("pass:GetControl('pic') == nil"));

    // Without a "default" the control draws nothing until one is chosen.
    EXPECT_EQ(Text("screen:GetControl('named'):GetRepresentation()"), "default");
    EXPECT_EQ(Number("screen:GetControl('named'):GetWidth()"), 0);
    EXPECT_EQ(Run("named = screen:GetControl('named'); named:SetRepresentation('special')"), "");
    EXPECT_EQ(Number("named:GetWidth()"), 7);
    EXPECT_EQ(Run("named:SetRepresentation('nothing')"), "");
    EXPECT_EQ(Text("named:GetRepresentation()"), "nothing");
    EXPECT_EQ(Number("named:GetHeight()"), 9);
}

TEST_F(ControlScript, InsertControlNamesAndRegisters)
{
    EXPECT_EQ(Run("five = pass:InsertControl(5); anon = pass:InsertControl(); other = pass:InsertControl(true)"),
              "");
    EXPECT_EQ(Text("five:GetName()"), "5");
    EXPECT_EQ(Text("anon:GetName()"), "");
    EXPECT_EQ(Text("other:GetName()"), "");
    EXPECT_TRUE(Truth("screen:GetControl('5') == five"));
    ASSERT_TRUE(screen->FindControl("5"));
    EXPECT_EQ(screen->FindControl("5")->GetNode()->GetParent(), screen->FindControl("pass")->GetNode());
    EXPECT_EQ(screen->FindControl("pass")->GetNode()->GetChildren().size(), 3u);
}

TEST_F(ControlScript, DetachAndAttachMoveControls)
{
    EXPECT_EQ(Run("inner:Detach(); inner:Detach()"), "");
    EXPECT_EQ(screen->FindControl("inner")->GetNode()->GetParent(), nullptr);
    EXPECT_EQ(screen->FindControl("outer")->GetNode()->GetChildren().size(), 1u);
    EXPECT_EQ(Run("pass:Attach(inner)"), "");
    EXPECT_EQ(screen->FindControl("inner")->GetNode()->GetParent(), screen->FindControl("pass")->GetNode());
    // Attached while still hanging elsewhere, the control moves.
    EXPECT_EQ(Run("root:Attach(inner)"), "");
    EXPECT_EQ(screen->FindControl("pass")->GetNode()->GetChildren().size(), 0u);
    EXPECT_EQ(screen->GetRoot()->GetChildren().back()->GetName(), "inner");
    // A control detached at the screen's end is freed with it.
    EXPECT_EQ(Run("outer:Detach()"), "");
}

TEST_F(ControlScript, AttachRefusals)
{
    // A loop, the root, a control a script made, and an object of another
    // class are all refused.
    EXPECT_NE(Run("pass:Attach(outer)"), "");
    EXPECT_NE(Run("outer:Attach(outer)"), "");
    EXPECT_NE(Run("outer:Attach(root)"), "");
    EXPECT_NE(Run("outer:Attach(Control())"), "");
    EXPECT_NE(Run("Control():Attach(outer)"), "");
    EXPECT_NE(Run("Control():InsertControl('x')"), "");
    EXPECT_NE(Run("outer:Attach(screen:GetControl('root'):GetControl('x'))"), "");
    std::string const wrongClass = Run("outer:Attach(LocalisedControl())");
    EXPECT_NE(wrongClass.find("Control expected"), std::string::npos) << wrongClass;
    EXPECT_EQ(screen->FindControl("outer")->GetNode()->GetParent(), screen->GetRoot());
    EXPECT_EQ(StackTop(), 0);
}

} // namespace
