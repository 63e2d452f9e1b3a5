// Text controls drawn into a real window: language changes at the next
// draw, the text box's clipping, scrolling and alpha, and the scrolling
// line's clip.
#include "tests/support/DrawnScreen.h"

#include "guif/ColorText.h"
#include "guif/ScrollableTextLine.h"
#include "guif/TextBox.h"
#include "guif/TextLine.h"
#include "norv/base/Registry.h"
#include "norv/base/TextDict.h"
#include "norv/graphics/FontEx.h"
#include "norv/graphics/GraphicsAssets.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace GuifTest;

class TextDrawing : public DrawnScreen {
protected:
    void SetUp() override
    {
        DrawnScreen::SetUp();
        ASSERT_TRUE(ImageTest::MakeFont("/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf", 20,
                                        folder + "bold.xml"));
        std::filesystem::create_directories(folder + "texts");
        Write("texts/english.xml", "<texts langID='en'><string id='S_HI'>Hello</string>"
                                   "<string id='S_WIDE'>MMMMMMMMMMMMMMMMMMMM</string></texts>");
        Write("texts/french.xml", "<texts langID='fr'><string id='S_HI'>Bonjour</string></texts>");
        ASSERT_TRUE(Norv::g_textDict->LoadStrings("texts/english.xml"));
        Write("line.xml", "<g><item type='ColorText'><width>180</width><height>24</height><font>bold.xml</font>"
                          "<color><r>255</r><g>255</g><b>255</b></color></item></g>");
        Write("short.xml", "<g><item type='ColorText'><width>60</width><height>24</height><font>bold.xml</font>"
                           "<color><r>255</r><g>255</g><b>255</b></color></item></g>");
        Write("controls.xml",
              "<s><item name='id' type='TextLine'><x>0</x><y>0</y><text>S_HI</text>"
              "  <representation file='line.xml'/></item>"
              "<item name='raw' type='TextLine'><x>0</x><y>30</y><representation file='line.xml'/></item>"
              "<item name='scroll' type='ScrollableTextLine'><x>20</x><y>60</y><text>S_WIDE</text>"
              "  <representation file='short.xml'/></item>"
              "<item name='box' type='TextBox'><x>120</x><y>90</y><width>70</width><height>20</height>"
              "  <font>bold.xml</font><color><r>255</r><g>255</g><b>255</b></color>"
              "  <alpha>255</alpha><text-blocks><text>S_WIDE</text><text>S_WIDE</text></text-blocks></item>"
              "</s>");
        ASSERT_EQ(Run("screen:GetControl('root'):InsertFromXml('controls.xml');"
                      "screen:GetControl('raw'):SetTextRaw('S_HI')"),
                  "");
    }

    template <class T>
    T* Find(char const* name)
    {
        return dynamic_cast<T*>(screen->FindControl(name));
    }
};

TEST_F(TextDrawing, LanguageChangeShowsAtTheNextDraw)
{
    Draw();
    EXPECT_GT(LitPixels(0, 0, 100, 24), 50);
    ASSERT_TRUE(Norv::g_textDict->LoadStrings("texts/french.xml"));
    EXPECT_EQ(Find<Guif::TextLine>("id")->GetColorText()->GetText(), Norv::WideString(L"Hello"));
    Draw();
    SaveShot();
    EXPECT_EQ(Find<Guif::TextLine>("id")->GetColorText()->GetText(), Norv::WideString(L"Bonjour"));
    // Literal text stays as it is.
    EXPECT_EQ(Find<Guif::TextLine>("raw")->GetColorText()->GetText(), Norv::WideString(L"S_HI"));
}

TEST_F(TextDrawing, ScrollingLineIsClippedToItsBox)
{
    auto* scroll = Find<Guif::ScrollableTextLine>("scroll");
    ASSERT_TRUE(scroll && scroll->IsScrolling());
    Norv::RectT<int> const whole(0, 0, kWidth, kHeight);
    Draw();
    SaveShot();
    EXPECT_GT(LitPixels(20, 60, 60, 24), 50);
    EXPECT_EQ(LitPixels(81, 60, 100, 24), 0);
    EXPECT_EQ(LitPixels(0, 60, 19, 24), 0);
    EXPECT_EQ(display->GetScreen()->GetClipRect(), whole);
    // Moved on, the text still shows only inside the box.
    screen->Update(3.5f);
    EXPECT_EQ(scroll->ScrollOffset(), 75);
    Draw();
    EXPECT_GT(LitPixels(20, 60, 60, 24), 50);
    EXPECT_EQ(LitPixels(0, 60, 19, 24), 0);
}

TEST_F(TextDrawing, TextBoxClipsScrollsAndFades)
{
    auto* box = Find<Guif::TextBox>("box");
    ASSERT_TRUE(box);
    Norv::RectT<int> const whole(0, 0, kWidth, kHeight);
    Draw();
    SaveShot();
    int const inside = LitPixels(120, 90, 70, 20);
    EXPECT_GT(inside, 50);
    // Clipped to the box: nothing right of it or below it.
    EXPECT_EQ(LitPixels(191, 88, 9, 32), 0);
    EXPECT_EQ(LitPixels(120, 111, 80, 9), 0);
    EXPECT_EQ(display->GetScreen()->GetClipRect(), whole);

    // Scrolled past its text the box shows nothing.
    ASSERT_EQ(Run("screen:GetControl('box'):SetPosition(1000)"), "");
    Draw();
    EXPECT_EQ(LitPixels(120, 90, 70, 20), 0);
    // Alpha 0 draws nothing and leaves the font's alpha alone (the lines
    // sharing the font are hidden for this).
    ASSERT_EQ(Run("local b = screen:GetControl('box'); b:SetPosition(0); b:SetAlpha(0);"
                  "for _, name in ipairs({'id', 'raw', 'scroll'}) do "
                  "screen:GetControl(name):SetVisibilityExists(true) end"),
              "");
    Norv::SmartPtr<Norv::FontEx> font = Norv::g_assetDict->Get<Norv::FontEx>("bold.xml", false);
    font->bitmap->SetAlpha(77);
    Draw();
    EXPECT_EQ(LitPixels(120, 90, 70, 20), 0);
    EXPECT_EQ(font->bitmap->GetAlpha(), 77);
    // Placed partly off the surface, it is cut at the surface's edge.
    ASSERT_EQ(Run("local b = screen:GetControl('box'); b:SetAlpha(255); b:SetX(170); b:SetY(110)"), "");
    Draw();
    EXPECT_EQ(display->GetScreen()->GetClipRect(), whole);
}

} // namespace
