// Building control and graphic trees from descriptions, as a script does
// through InsertFromXml and AddRepresentation.
#include "tests/support/GuifFixture.h"

#include "guif/Rectangle.h"
#include "guif/TreeBuilder.h"

#include <gtest/gtest.h>

namespace {

using namespace GuifTest;
using Guif::Control;

class TreeBuilding : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        Write("box.xml", "<g><item type='Rectangle' name='box'><x>10 + 5</x><width>12 + 1</width>"
                         "<height>4</height></item></g>");
        Write("noitem.xml", "<g><other/><item type='Rectangle'><width>5</width><height>5</height></item></g>");
        Write("shared.xml", "<g><item type='Rectangle'><width override='W'>5</width><height>3</height>"
                            "<color override='C'><r>1</r></color><filled>true</filled></item></g>");
        Write("controls.xml",
              "<screen>"
              "<item name='plain'><x>10 + 5</x><y>width / 2</y><representation file='box.xml'/></item>"
              "<note/>"
              "<item name='second' type='Control'>"
              "  <children><item name='child1'/><thing/><item name='child2'/></children>"
              "  <children><item name='ignored'/></children></item>"
              "<item name='unknown' type='Bogus'><children><item name='lost'/></children></item>"
              "<item name='hidden'><visibility>TRUE</visibility><alpha>0x80</alpha></item>"
              "<item name='broken'><x>nil +</x><y>'text'</y></item>"
              "<item name='noitem'><representation file='noitem.xml'/></item>"
              "<item name='shared'><representation file='shared.xml'>"
              "  <override name='W'>40</override><override name='W'>99</override>"
              "  <override name='C'><r>300</r><g>-5</g><b>7</b></override></representation>"
              "  <representation type='plain' file='shared.xml'/></item>"
              "<item name='faulty'><representation/><representation file='missing.xml'/>"
              "  <representation type='ok' file='box.xml'/></item>"
              "</screen>");
        ASSERT_EQ(Run("width = 64; screen:GetControl('root'):InsertFromXml('controls.xml')"), "");
    }

    Control* Find(char const* name) { return screen->FindControl(name); }
    Guif::Rectangle* RectangleOf(char const* control, char const* representation = "default")
    {
        Guif::Node<Guif::Graphic>* tree = Find(control)->GetRepresentation(representation);
        return tree ? dynamic_cast<Guif::Rectangle*>(tree->GetItem()) : nullptr;
    }
};

TEST_F(TreeBuilding, ItemsBecomeChildrenInDocumentOrder)
{
    Guif::Node<Control>* root = screen->GetRoot();
    std::string names;
    for (Guif::Node<Control>::child_iterator child(root); child; ++child)
        names += child->GetName() + " ";
    EXPECT_EQ(names, "plain second hidden broken noitem shared faulty ");
    EXPECT_EQ(Find("plain")->GetType(), Control::TypeControl);
    // Only the first "children" is built; other elements are skipped.
    Guif::Node<Control>* second = Find("second")->GetNode();
    ASSERT_EQ(second->GetChildren().size(), 2u);
    EXPECT_EQ(second->GetChildren()[1]->GetName(), "child2");
    EXPECT_EQ(Find("ignored"), nullptr);
    // An unknown type builds neither the item nor its children.
    EXPECT_EQ(Find("unknown"), nullptr);
    EXPECT_EQ(Find("lost"), nullptr);
}

TEST_F(TreeBuilding, ControlNumbersAreScriptExpressionsGraphicPositionsAreNot)
{
    EXPECT_EQ(Find("plain")->GetX(), 15.0f);
    EXPECT_EQ(Find("plain")->GetY(), 32.0f);
    Guif::Rectangle* box = RectangleOf("plain");
    ASSERT_TRUE(box);
    EXPECT_EQ(box->GetX(), 10.0f);
    // A rectangle's size is a number of the screen's script when built
    // with the control.
    EXPECT_EQ(box->GetBoundingBox().width, 13);
    // Added later, the same description is read without the script.
    ASSERT_EQ(Run("local c = screen:GetControl('plain'); c:AddRepresentation('late', 'box.xml');"
                  "c:SetRepresentation('late'); late = c:GetWidth()"),
              "");
    EXPECT_EQ(Number("late"), 12);
    // An expression that fails or gives no number keeps the default, and
    // the script's stack stays as it was.
    EXPECT_EQ(Find("broken")->GetX(), 0.0f);
    EXPECT_EQ(Find("broken")->GetY(), 0.0f);
    EXPECT_EQ(StackTop(), 0);
}

TEST_F(TreeBuilding, CommonElements)
{
    Control* hidden = Find("hidden");
    EXPECT_TRUE(hidden->HasVisibility());
    EXPECT_FALSE(hidden->IsVisible());
    EXPECT_EQ(hidden->GetOwnAlpha(), 128);
    EXPECT_FALSE(Find("plain")->HasVisibility());
    EXPECT_TRUE(Find("plain")->IsVisible());
}

TEST_F(TreeBuilding, RepresentationsAndOverrides)
{
    // The first element of the file is not an item: a representation
    // without a tree.
    Control* noitem = Find("noitem");
    EXPECT_EQ(noitem->GetRepresentations().count("default"), 1u);
    EXPECT_EQ(noitem->GetCurrentRepresentation(), nullptr);
    EXPECT_EQ(noitem->GetBoundingBox().width, 0);

    Guif::Rectangle* overridden = RectangleOf("shared");
    ASSERT_TRUE(overridden);
    EXPECT_EQ(overridden->GetBoundingBox().width, 40);
    EXPECT_EQ(overridden->GetColor(), Norv::Color(255, 0, 7, 255));
    EXPECT_TRUE(overridden->IsFilled());
    Guif::Rectangle* plain = RectangleOf("shared", "plain");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->GetBoundingBox().width, 5);
    EXPECT_EQ(plain->GetColor(), Norv::Color(1, 0, 0, 255));
}

TEST_F(TreeBuilding, MissingFilesAreSkipped)
{
    Control* faulty = Find("faulty");
    EXPECT_EQ(faulty->GetRepresentations().size(), 1u);
    EXPECT_EQ(faulty->GetRepresentationName(), "default");
    EXPECT_EQ(faulty->GetCurrentRepresentation(), nullptr);
    std::size_t const before = screen->GetRoot()->GetChildren().size();
    EXPECT_EQ(Run("screen:GetControl('root'):InsertFromXml('missing.xml');"
                  "screen:GetControl('plain'):AddRepresentation('x', 'missing.xml')"),
              "");
    EXPECT_EQ(screen->GetRoot()->GetChildren().size(), before);
}

TEST_F(TreeBuilding, GraphicFileRootNamesItsNode)
{
    Write("named.xml", "<g><item type='Rectangle' name='frame'><width>3</width><height>3</height></item></g>");
    Write("untyped.xml", "<g><item name='nothing'/></g>");
    ASSERT_EQ(Run("local c = screen:GetControl('second'); c:AddRepresentation('default', 'named.xml');"
                  "c:AddRepresentation('untyped', 'untyped.xml')"),
              "");
    Control* second = Find("second");
    ASSERT_TRUE(second->GetCurrentRepresentation());
    EXPECT_EQ(second->GetCurrentRepresentation()->GetName(), "frame");
    // A graphic item without a type is skipped like an unknown one.
    EXPECT_EQ(second->GetRepresentations().count("untyped"), 1u);
    EXPECT_EQ(second->GetRepresentation("untyped"), nullptr);
}

} // namespace

TEST_F(TreeBuilding, ItemsNestedTooDeeplyAreLeftOut)
{
    int const levels = 100;
    std::string text = "<screen>";
    for (int i = 0; i < levels; ++i)
        text += "<item name='deep" + std::to_string(i) + "'><children>";
    for (int i = 0; i < levels; ++i)
        text += "</children></item>";
    Write("deep.xml", text + "</screen>");
    testing::internal::CaptureStderr();
    ASSERT_EQ(Run("screen:GetControl('root'):InsertFromXml('deep.xml')"), "");
    std::string const reported = testing::internal::GetCapturedStderr();
    int const last = Guif::TreeBuilder<Control>::kMaxDepth - 1;
    EXPECT_NE(Find(("deep" + std::to_string(last)).c_str()), nullptr);
    EXPECT_EQ(Find(("deep" + std::to_string(last + 1)).c_str()), nullptr);
    EXPECT_NE(reported.find("nested deeper than"), std::string::npos) << reported;
}
