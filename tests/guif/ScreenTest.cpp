// The screen: handlers, touch picking, updates, names and the script
// classes' object identity and ownership.
#include "tests/support/GuifFixture.h"

#include "guif/Sprite.h"
#include "norv/base/TextDict.h"
#include "norv/graphics/AnimatedSurface.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace {

using namespace GuifTest;

class ScreenScript : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        WriteImage("square.png", 10, 10);
        Write("square.xml", "<g><item type='Sprite' name='pic'><file>square.png</file></item></g>");
        Write("controls.xml",
              "<s><item name='a'><x>10</x><y>10</y><touchable>true</touchable>"
              "  <representation file='square.xml'/>"
              "  <children><item name='b'><x>15</x><y>15</y><touchable>true</touchable>"
              "    <representation file='square.xml'/></item></children></item>"
              "<item name='hidden'><visibility>false</visibility>"
              "  <children><item name='c'><x>100</x><visibility>true</visibility><touchable>true</touchable>"
              "    <representation file='square.xml'/></item></children></item>"
              "<item name='untouchable'><x>200</x><representation file='square.xml'/></item>"
              "<item name='a'><x>300</x><touchable>true</touchable><representation file='square.xml'/></item>"
              "</s>");
        ASSERT_EQ(Run("screen:GetControl('root'):InsertFromXml('controls.xml')"), "");
    }

    std::string Touched(int x, int y)
    {
        Guif::Control* control = screen->GetTouchableControl(x, y);
        return control ? control->GetNode()->GetName() : "";
    }
};

TEST_F(ScreenScript, TouchPicking)
{
    // Every edge of the box counts as inside.
    EXPECT_EQ(Touched(10, 10), "a");
    EXPECT_EQ(Touched(20, 12), "a");
    EXPECT_EQ(Touched(21, 12), "");
    EXPECT_EQ(Touched(9, 10), "");
    // Where they overlap, the later one in the walk is on top.
    EXPECT_EQ(Touched(16, 16), "b");
    // Nothing under a hidden parent, nothing without a touchable mark.
    EXPECT_EQ(Touched(105, 5), "");
    EXPECT_EQ(Touched(205, 5), "");
    // A second control of a taken name is in the tree, not in the index.
    EXPECT_EQ(Touched(305, 5), "a");
    EXPECT_EQ(screen->FindControl("a")->GetX(), 10.0f);
    EXPECT_EQ(screen->FindControl("root"), screen->GetRoot()->GetItem());
    EXPECT_EQ(screen->FindControl("nobody"), nullptr);
}

TEST_F(ScreenScript, HandlersReceiveEvents)
{
    ASSERT_EQ(Run("log = ''\n"
                  "function Screen:OnTouchUp(x, y, id) log = log .. 'up' .. x .. ',' .. y .. ',' .. id .. ';' end\n"
                  "function Screen:OnTouchDown(x, y, id) log = log .. 'down' .. x .. ';' end\n"
                  "function Screen:OnTouchMove(x, y, id) log = log .. 'move' .. y .. ';' end\n"
                  "function Screen:OnKeyDown(key) log = log .. 'keydown' .. key .. ';' end\n"
                  "function Screen:OnKeyUp(key) log = log .. 'keyup' .. key .. ';' end\n"
                  "function Screen:Update(dt) log = log .. 'update' .. dt .. ';' end\n"
                  "function Screen:UpdateTexts() log = log .. 'texts;' end\n"
                  "function Screen:Check() return self == screen end\n"),
              "");
    screen->OnTouchDown(1, 2, 0);
    screen->OnTouchMove(3, 4, 0);
    screen->OnTouchUp(5, 6, 1);
    screen->OnKeyDown(Norv::KEY_A);
    screen->OnKeyUp(Norv::KEY_A);
    screen->Update(0.5f);
    screen->UpdateTexts();
    EXPECT_EQ(Text("log"), "down1;move4;up5,6,1;keydown40;keyup40;update0.5;texts;");
    EXPECT_TRUE(Truth("screen:Check()"));
    EXPECT_EQ(StackTop(), 0);
}

TEST_F(ScreenScript, MissingOrFailingHandlersDropTheEvent)
{
    screen->OnTouchUp(1, 1, 0);
    ASSERT_EQ(Run("function Screen:OnTouchDown() error('boom') end\n"
                  "function Screen:Update(dt) count = (count or 0) + 1 end"),
              "");
    screen->OnTouchDown(1, 1, 0);
    screen->Update(0.1f);
    screen->OnTouchDown(1, 1, 0);
    screen->Update(0.1f);
    EXPECT_EQ(Number("count"), 2);
    EXPECT_EQ(StackTop(), 0);
}

TEST_F(ScreenScript, UpdateReachesHiddenControls)
{
    WriteImage("f1.png", 4, 4);
    WriteImage("f2.png", 4, 4);
    Write("anim.xml", "<?xml version=\"1.0\"?><animation loop='true'><frame image='f1.png' time='100'/>"
                      "<frame image='f2.png' time='100'/></animation>");
    Write("animated.xml", "<g><item type='Sprite' name='anim'><file>anim.xml</file></item></g>");
    Guif::Control* c = screen->FindControl("c");
    ASSERT_TRUE(c->AddRepresentation("anim", "animated.xml"));
    c->SetRepresentationName("anim");
    auto* animated = dynamic_cast<Norv::AnimatedSurface*>(
        static_cast<Guif::Sprite*>(c->GetCurrentRepresentation()->GetItem())->GetImage());
    ASSERT_TRUE(animated);
    EXPECT_EQ(animated->GetCurrentFrame(), 0u);
    screen->Update(0.15f);
    EXPECT_EQ(animated->GetCurrentFrame(), 1u);
    // A script may pick a frame; a still image ignores the call.
    EXPECT_EQ(Run("local s = screen:GetControl('c'):GetControl('anim'); s:SetFrame(-3); s:SetFrame(99)"), "");
    EXPECT_EQ(animated->GetCurrentFrame(), 1u);
    EXPECT_EQ(Run("screen:GetControl('c'):GetControl('anim'):SetFrame(0)"), "");
    EXPECT_EQ(animated->GetCurrentFrame(), 0u);
    EXPECT_EQ(Run("screen:GetControl('a'):GetControl('pic'):SetFrame(1)"), "");
}

TEST_F(ScreenScript, ScriptObjectsAndOwnership)
{
    EXPECT_TRUE(Truth("screen:GetControl('a') == screen:GetControl('a')"));
    EXPECT_TRUE(Truth("getmetatable(screen:GetControl('a')) == Control"));
    EXPECT_TRUE(Truth("getmetatable(screen) == Screen"));
    char address[32];
    std::snprintf(address, sizeof address, "%p", static_cast<void*>(screen.Get()));
    EXPECT_EQ(Text("screen"), std::string("Screen (") + address + ")");
    // Controls handed to the script survive its collections.
    EXPECT_EQ(Run("local a = screen:GetControl('a'); a = nil; collectgarbage('collect')"), "");
    EXPECT_TRUE(screen->FindControl("a"));
    EXPECT_EQ(Run("made = Control(); made2 = Control:new(); made = nil; made2 = nil; collectgarbage('collect')"),
              "");
    // Picking hands out the plain class whatever the control's type.
    EXPECT_TRUE(Truth("getmetatable(screen:GetTouchableControl(12, 12)) == Control"));
    EXPECT_TRUE(Truth("screen:GetTouchableControl(500.7, 500) == nil"));
    EXPECT_TRUE(Truth("select('#', screen:GetControl('nobody')) == 0"));
    // A bare screen a script makes has nothing to show and does no harm.
    EXPECT_TRUE(Truth("Screen():GetControl('a') == nil and Screen():GetTouchableControl(1, 1) == nil"));
    EXPECT_NE(Run("Screen.GetControl(screen:GetControl('a'), 'a')").find("Screen expected"), std::string::npos);
}

TEST_F(ScreenScript, GetTextLooksUpTheDictionary)
{
    std::filesystem::create_directories(folder + "texts");
    Write("texts/english.xml", "<texts langID='en'><string id='S_HI'>Hello \xE2\x82\xAC</string></texts>");
    ASSERT_TRUE(Norv::g_textDict->LoadStrings("texts/english.xml"));
    EXPECT_EQ(Text("screen:GetText('S_HI')"), "Hello \xE2\x82\xAC");
    EXPECT_EQ(Text("screen:GetText('S_MISSING')"), "S_MISSING");
}

TEST_F(ScreenScript, UpdateRepresentationSwitchesNamedControls)
{
    Write("other.xml", "<g><item type='Rectangle'><width>3</width><height>3</height></item></g>");
    ASSERT_TRUE(screen->FindControl("b")->AddRepresentation("night", "other.xml"));
    screen->UpdateRepresentation("night");
    EXPECT_EQ(screen->FindControl("b")->GetRepresentationName(), "night");
    EXPECT_EQ(screen->FindControl("a")->GetRepresentationName(), "default");
}

TEST_F(ScreenScript, DumpListsEveryControl)
{
    std::vector<Norv::NarrowString> const lines = screen->DumpLines();
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "GUIF menu state dump");
    EXPECT_NE(lines[1].find("root "), std::string::npos);
    EXPECT_NE(lines[1].find("a: 255"), std::string::npos);
    EXPECT_NE(lines[3].find("    b "), std::string::npos);
    EXPECT_NE(lines[5].find("    c "), std::string::npos);
    // Hidden by its parent: the second column is off.
    EXPECT_EQ(lines[5].substr(5, 5), Norv::NarrowString("\1\xff\1\1-"));
}

} // namespace
