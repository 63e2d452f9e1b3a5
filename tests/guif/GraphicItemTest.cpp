// The graphic items' values, sizes and boxes as descriptions and scripts
// set them.
#include "tests/support/GuifFixture.h"

#include "guif/Graphic.h"
#include "guif/Sprite.h"
#include "guif/TransformedSprite.h"

#include <gtest/gtest.h>

namespace {

using namespace GuifTest;
using Guif::TransformedSprite;

class GraphicItems : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        WriteImage("wide.png", 50, 20);
        WriteImage("odd.png", 51, 20);
        WriteImage("small.png", 30, 20);
    }

    // A transformed sprite built from the item's inner elements, with the
    // screen's script for its numbers.
    TransformedSprite* Build(std::string const& inner)
    {
        Write("t.xml", "<g><item type='TransformedSprite' name='t'>" + inner + "</item></g>");
        Write("c.xml", "<s><item name='holder" + std::to_string(++built) +
                           "'><representation file='t.xml'/></item></s>");
        EXPECT_EQ(Run("screen:GetControl('root'):InsertFromXml('c.xml')"), "");
        Guif::Control* holder = screen->FindControl("holder" + std::to_string(built));
        return holder && holder->GetCurrentRepresentation()
                   ? dynamic_cast<TransformedSprite*>(holder->GetCurrentRepresentation()->GetItem())
                   : nullptr;
    }

    int built = 0;
};

TEST_F(GraphicItems, TransformedSpriteSizes)
{
    TransformedSprite* widthOnly = Build("<file>wide.png</file><width>100</width>");
    ASSERT_TRUE(widthOnly);
    EXPECT_EQ(widthOnly->GetWidth(), 100.0f);
    EXPECT_EQ(widthOnly->GetHeight(), 20.0f);
    EXPECT_EQ(widthOnly->GetBoundingBox(), Norv::RectT<int>(0, 0, 100, 20));

    TransformedSprite* scaled = Build("<file>wide.png</file><scale>1 + 1</scale>");
    ASSERT_TRUE(scaled);
    EXPECT_EQ(scaled->GetBoundingBox(), Norv::RectT<int>(0, 0, 100, 40));

    TransformedSprite* both = Build("<file>wide.png</file><scale>2</scale><width>60</width><height>30</height>");
    ASSERT_TRUE(both);
    EXPECT_FLOAT_EQ(both->GetWidth(), 60.0f);
    EXPECT_EQ(both->GetBoundingBox(), Norv::RectT<int>(0, 0, 60, 30));
}

TEST_F(GraphicItems, TransformedSpritePivotAndAlignment)
{
    TransformedSprite* centred =
        Build("<file>odd.png</file><horAlign>center</horAlign><verAlign>center</verAlign>");
    ASSERT_TRUE(centred);
    EXPECT_EQ(centred->GetRenderPivot().x, 25.0f);
    EXPECT_EQ(centred->GetRenderPivot().y, 10.0f);

    TransformedSprite* corner = Build("<file>wide.png</file><horAlign>right</horAlign><verAlign>bottom</verAlign>"
                                      "<pivot><x>-1</x></pivot>");
    ASSERT_TRUE(corner);
    EXPECT_EQ(corner->GetRenderPivot().x, 49.0f);
    EXPECT_EQ(corner->GetRenderPivot().y, 20.0f);
    EXPECT_EQ(corner->GetBoundingBox(), Norv::RectT<int>(-49, -20, 50, 20));

    // Halves round away from zero: 25 x 0.5 = 12.5.
    TransformedSprite* half = Build("<file>wide.png</file><scale>0.5</scale><pivot><x>25</x></pivot>");
    ASSERT_TRUE(half);
    EXPECT_EQ(half->GetBoundingBox().x, -13);
    EXPECT_EQ(half->GetBoundingBox().width, 25);
}

TEST_F(GraphicItems, TransformedSpriteScriptMethods)
{
    TransformedSprite* stretched = Build("<file>wide.png</file><width>100</width><height>40</height>");
    ASSERT_TRUE(stretched);
    Guif::Control* holder = screen->FindControl("holder1");
    ASSERT_TRUE(holder);
    ASSERT_EQ(Run("t = screen:GetControl('holder1'):GetControl('t')"), "");
    // A stretched sprite keeps its displayed size across a new image.
    ASSERT_EQ(Run("t:SetImage('small.png')"), "");
    EXPECT_EQ(Number("t:GetWidth()"), 100);
    EXPECT_EQ(Number("t:GetHeight()"), 40);
    ASSERT_EQ(Run("t:SetAngle(1.5); t:SetScale(3); t:SetPivot(4, 5)"), "");
    EXPECT_EQ(Number("t:GetAngle()"), 1.5);
    EXPECT_EQ(Number("t:GetScale()"), 3);
    ASSERT_EQ(Run("px, py = t:GetPivot()"), "");
    EXPECT_EQ(Number("px + py * 10"), 54);
    // A width leaves the render pivot where it was.
    ASSERT_EQ(Run("t:SetPivot(0, 0)"), "");
    ASSERT_EQ(Run("t:SetWidth(15); t:SetHeight(10)"), "");
    EXPECT_EQ(Number("t:GetWidth()"), 15);
    EXPECT_EQ(stretched->GetRenderPivot().x, 0.0f);

    // With the uniform scale a new image shows at its own size times it.
    TransformedSprite* uniform = Build("<file>wide.png</file><scale>2</scale>");
    ASSERT_TRUE(uniform);
    uniform->SetImage("small.png");
    EXPECT_EQ(uniform->GetWidth(), 60.0f);
    // An image that cannot be loaded leaves none; nothing breaks.
    uniform->SetImage("missing.png");
    EXPECT_EQ(uniform->GetWidth(), 0.0f);
    EXPECT_EQ(uniform->GetBoundingBox(), Norv::RectT<int>());
    // A script's own sprite has no image until it is given one.
    EXPECT_EQ(Number("TransformedSprite():GetWidth()"), 0);
    ASSERT_EQ(Run("local s = TransformedSprite(); s:SetWidth(10); s:SetImage('wide.png'); s:SetScale(1);"
                  "made = s:GetWidth()"),
              "");
    EXPECT_EQ(Number("made"), 50);
}

TEST_F(GraphicItems, SpriteClip)
{
    Write("s.xml", "<g><item type='Sprite' name='s'><file>small.png</file></item></g>");
    Write("c.xml", "<s><item name='c'><representation file='s.xml'/></item></s>");
    ASSERT_EQ(Run("screen:GetControl('root'):InsertFromXml('c.xml'); s = screen:GetControl('c'):GetControl('s')"),
              "");
    auto* sprite = static_cast<Guif::Sprite*>(screen->FindControl("c")->GetCurrentRepresentation()->GetItem());
    EXPECT_EQ(sprite->GetClip(), Norv::RectT<int>(0, 0, 30, 20));
    struct Case {
        char const* call;
        Norv::RectT<int> visible;
    };
    Case const cases[] = {
        {"s:SetClipRect(-10, -10, 50, 50)", {0, 0, 30, 20}},
        {"s:SetClipRect(40, 0, 10, 10)", {40, 0, 0, 10}},
        {"s:SetClipRect(5.9, 2.2, 10.7, 4)", {5, 2, 10, 4}},
        {"s:SetClipRect(2147483647, 0, 2147483647, 1e300)", {2147483647, 0, 0, 20}},
    };
    for (Case const& c : cases) {
        ASSERT_EQ(Run(c.call), "");
        EXPECT_EQ(sprite->VisibleClip(), c.visible) << c.call;
    }
    // The box is the whole image, whatever the clip.
    EXPECT_EQ(sprite->GetBoundingBox(), Norv::RectT<int>(0, 0, 30, 20));
}

TEST_F(GraphicItems, ValueConversions)
{
    Norv::SmartPtr<Norv::Xml> document = Norv::Xml::Create(
        "<item><color><r>300</r><g>-5</g><b>0x10</b></color><flag>True</flag><yes>true</yes>"
        "<p><y>2.5</y></p><n>7.9</n><w>\xC3\xA9t\xC3\xA9</w></item>");
    ASSERT_TRUE(document);
    Norv::XmlIt const item(document->GetTree());
    Norv::Color colour(9, 9, 9, 9);
    EXPECT_TRUE(Guif::Graphic::GetValue(item, "color", nullptr, colour));
    // A missing component keeps its value.
    EXPECT_EQ(colour, Norv::Color(255, 0, 16, 9));
    bool flag = false;
    EXPECT_TRUE(Guif::Graphic::GetValue(item, "flag", nullptr, flag));
    EXPECT_FALSE(flag);
    EXPECT_TRUE(Guif::Graphic::GetValue(item, "yes", nullptr, flag));
    EXPECT_TRUE(flag);
    EXPECT_FALSE(Guif::Graphic::GetValue(item, "absent", nullptr, flag));
    Norv::Point2<Norv::NorvFloat> point(4, 4);
    EXPECT_TRUE(Guif::Graphic::GetValue(item, "p", nullptr, point));
    EXPECT_EQ(point.x, 0.0f);
    EXPECT_EQ(point.y, 2.5f);
    int whole = 0;
    EXPECT_TRUE(Guif::Graphic::GetValue(item, "n", nullptr, whole, screen.Get()));
    EXPECT_EQ(whole, 7);
    Norv::WideString wide;
    EXPECT_TRUE(Guif::Graphic::GetValue(item, "w", nullptr, wide));
    EXPECT_EQ(wide, Norv::WideString(L"\u00e9t\u00e9"));
}

} // namespace
