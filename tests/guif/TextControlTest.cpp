// Text items and text controls built from descriptions with a font made by
// the real font tool: texts, ids, language changes, measuring, scrolling
// and text blocks.
#include "tests/support/GuifFixture.h"

#include "guif/ColorText.h"
#include "guif/ScrollableTextLine.h"
#include "guif/TextBox.h"
#include "guif/TextLine.h"
#include "norv/base/Registry.h"
#include "norv/base/TextDict.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace GuifTest;

class TextControls : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        ASSERT_TRUE(ImageTest::MakeFont(kSans, 16, folder + "sans.xml"));
        std::filesystem::create_directories(folder + "texts");
        Write("texts/english.xml", "<texts langID='en'><string id='S_HI'>Hello</string>"
                                   "<string id='S_LONG'>A text far wider than its little box</string></texts>");
        Write("texts/french.xml", "<texts langID='fr'><string id='S_HI'>Bonjour</string></texts>");
        ASSERT_TRUE(Norv::g_textDict->LoadStrings("texts/english.xml"));
        Write("line.xml", "<g><item type='ColorText' name='label'><width>box</width><height>20</height><font>sans.xml</font>"
                          "<align>center</align><color override='c'><r>255</r></color></item></g>");
        Write("controls.xml",
              "<s><item name='line' type='TextLine'><text>S_HI</text><representation file='line.xml'/>"
              "  <representation type='blue' file='line.xml'><override name='c'><b>255</b></override>"
              "  </representation></item>"
              "<item name='scroll' type='ScrollableTextLine'><text>S_LONG</text>"
              "  <representation file='line.xml'/></item>"
              "<item name='fits' type='ScrollableTextLine'><text>S_HI</text><representation file='line.xml'/></item>"
              "<item name='box' type='TextBox'><touchable>true</touchable><width>box * 2</width><height>40</height><font>sans.xml</font>"
              "  <text-blocks><text>S_HI</text><text></text><text>@@MAGIC_VERSION@@</text></text-blocks></item>"
              "</s>");
        Norv::g_registry->Set("/application/version", "1.2.3");
    }

    void Build() { ASSERT_EQ(Run("box = 100; screen:GetControl('root'):InsertFromXml('controls.xml')"), ""); }

    template <class T>
    T* Find(char const* name)
    {
        return dynamic_cast<T*>(screen->FindControl(name));
    }

    static constexpr char const* kSans = "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf";
};

TEST_F(TextControls, TextLineTexts)
{
    Build();
    auto* line = Find<Guif::TextLine>("line");
    ASSERT_TRUE(line && line->GetColorText());
    EXPECT_EQ(line->GetColorText()->GetText(), Norv::WideString(L"Hello"));
    EXPECT_EQ(line->GetColorText()->GetWidth(), 100);
    EXPECT_EQ(line->GetColorText()->GetAlign(), 2);
    EXPECT_GT(line->GetTextWidth(), 20);
    EXPECT_GT(line->GetTextHeight(), 0);
    EXPECT_TRUE(Truth("getmetatable(screen:GetControl('line')) == TextLine"));
    EXPECT_EQ(Number("screen:GetControl('line'):GetTextWidth()"), line->GetTextWidth());
    // A coloured text is not handed to scripts.
    EXPECT_TRUE(Truth("screen:GetControl('line'):GetControl('label') == nil"));

    // SetText reaches every representation; SetColor only the current one.
    ASSERT_EQ(Run("local l = screen:GetControl('line'); l:SetText('S_MISSING'); l:SetColor(256 + 7, -1, 300)"), "");
    auto* blue = dynamic_cast<Guif::ColorText*>(line->GetRepresentation("blue")->GetItem());
    ASSERT_TRUE(blue);
    EXPECT_EQ(blue->GetText(), Norv::WideString(L"S_MISSING"));
    EXPECT_EQ(line->GetColorText()->GetColor(), Norv::Color(7, 255, 44, 255));
    EXPECT_EQ(blue->GetColor(), Norv::Color(0, 0, 255, 255));
    // The description's text id comes back with UpdateTexts.
    screen->UpdateTexts();
    EXPECT_EQ(blue->GetText(), Norv::WideString(L"Hello"));
    ASSERT_EQ(Run("screen:GetControl('line'):SetTextRaw('S_HI')"), "");
    EXPECT_EQ(line->GetColorText()->GetText(), Norv::WideString(L"S_HI"));
}

TEST_F(TextControls, ScrollingLine)
{
    Build();
    auto* fits = Find<Guif::ScrollableTextLine>("fits");
    ASSERT_TRUE(fits);
    EXPECT_FALSE(fits->IsScrolling());
    auto* scroll = Find<Guif::ScrollableTextLine>("scroll");
    ASSERT_TRUE(scroll);
    ASSERT_TRUE(scroll->IsScrolling());
    int const overhang = scroll->GetTextWidth() - 100;
    ASSERT_GT(overhang, 60);
    EXPECT_FLOAT_EQ(scroll->GetPeriod(), 4.0f + static_cast<float>(overhang) / 50.0f);
    EXPECT_EQ(scroll->GetColorText()->GetAlign(), 0);
    struct Step {
        float seconds;
        int offset;
    };
    Step const steps[] = {{2.0f, 0}, {1.0f, 50}, {0.2f, 60}, {100.0f, 0}};
    for (Step const& step : steps) {
        screen->Update(step.seconds);
        EXPECT_EQ(scroll->ScrollOffset(), step.offset) << step.seconds;
    }
    // Far into the scroll the offset stops at the overhang.
    screen->Update(scroll->GetPeriod() - 0.01f);
    EXPECT_EQ(scroll->ScrollOffset(), overhang);

    // A text that fits stops the scroll and gets its own alignment back;
    // one exactly as wide as the box does not scroll.
    ASSERT_EQ(Run("screen:GetControl('scroll'):SetText('S_HI')"), "");
    EXPECT_FALSE(scroll->IsScrolling());
    EXPECT_EQ(scroll->GetColorText()->GetAlign(), 2);
    EXPECT_EQ(scroll->GetColorText()->GetWidth(), 100);
}

TEST_F(TextControls, ScrollingLineOfExactWidthStaysPut)
{
    Build();
    auto* fits = Find<Guif::ScrollableTextLine>("fits");
    int const exact = fits->GetTextWidth();
    Write("exact.xml", "<g><item type='ColorText'><width>" + std::to_string(exact) +
                           "</width><height>20</height><font>sans.xml</font></item></g>");
    Write("exact-controls.xml", "<s><item name='exact' type='ScrollableTextLine'><text>S_HI</text>"
                                "<representation file='exact.xml'/></item></s>");
    ASSERT_EQ(Run("screen:GetControl('root'):InsertFromXml('exact-controls.xml')"), "");
    EXPECT_FALSE(Find<Guif::ScrollableTextLine>("exact")->IsScrolling());
}

TEST_F(TextControls, TextBoxBlocks)
{
    Build();
    auto* box = Find<Guif::TextBox>("box");
    ASSERT_TRUE(box);
    EXPECT_EQ(box->GetBoxWidth(), 200);
    ASSERT_EQ(box->GetBlocks().size(), 3u);
    // An empty text still takes a line; the marker shows the version.
    EXPECT_EQ(box->GetBlocks()[1].text, " ");
    ASSERT_TRUE(box->GetBlocks()[1].screenText);
    int const line = box->GetBlocks()[0].screenText->GetHeight();
    EXPECT_GT(line, 0);
    EXPECT_EQ(box->GetBlocks()[1].screenText->GetHeight(), line);
    EXPECT_EQ(box->GetBlocks()[2].text, "1.2.3");
    EXPECT_EQ(box->GetTextHeight(), 3 * line);

    EXPECT_TRUE(Truth("getmetatable(screen:GetControl('box')) == TextBox"));
    EXPECT_EQ(Number("screen:GetControl('box'):GetHeight()"), 40);
    // Picked, the same box is a plain control: another script object with
    // the control's methods only.
    EXPECT_TRUE(Truth("getmetatable(screen:GetTouchableControl(0, 0)) == Control"));
    EXPECT_TRUE(Truth("screen:GetTouchableControl(0, 0) ~= screen:GetControl('box')"));
    EXPECT_EQ(Number("screen:GetTouchableControl(0, 0):GetHeight()"), 0);
    EXPECT_TRUE(Truth("screen:GetTouchableControl(0, 0).GetTextHeight == nil"));

    // SetText keeps the text height of the last full typesetting.
    ASSERT_EQ(Run("local b = screen:GetControl('box'); b:SetText(1, 'S_LONG'); b:SetText(0, 'x');"
                  "b:SetText(4, 'x'); b:SetText(-1, 'x'); b:SetPosition(7.9)"),
              "");
    EXPECT_EQ(box->GetTextHeight(), 3 * line);
    EXPECT_EQ(Number("screen:GetControl('box'):GetTextPosition()"), 7);
    // A narrower box wraps the long text; the total follows.
    ASSERT_EQ(Run("screen:GetControl('box'):SetSize(60, 30)"), "");
    EXPECT_GT(box->GetTextHeight(), 3 * line);
    EXPECT_EQ(Number("screen:GetControl('box'):GetTextHeight()"), box->GetTextHeight());
    EXPECT_FALSE(box->SetText(4, "S_HI"));
    box->SetTextLines(5);
    EXPECT_TRUE(box->SetText(5, "S_HI"));
    EXPECT_EQ(box->GetBlocks()[3].screenText, nullptr);
}

TEST_F(TextControls, ItemsWithoutFontOrTextDoNoHarm)
{
    Write("bare.xml", "<g><item type='ColorText'><text>S_HI</text></item></g>");
    Write("bare-controls.xml", "<s><item name='bare' type='TextLine'><representation file='bare.xml'/></item>"
                               "<item name='barebox' type='TextBox'><text-blocks><text>S_HI</text></text-blocks>"
                               "</item></s>");
    ASSERT_EQ(Run("screen:GetControl('root'):InsertFromXml('bare-controls.xml');"
                  "w = screen:GetControl('bare'):GetTextWidth(); TextLine():SetText('S_HI');"
                  "TextBox():SetText(1, 'x'); ScrollableTextLine():SetTextRaw('y')"),
              "");
    EXPECT_EQ(Number("w"), 0);
    EXPECT_EQ(Find<Guif::TextBox>("barebox")->GetTextHeight(), 0);
}

} // namespace
