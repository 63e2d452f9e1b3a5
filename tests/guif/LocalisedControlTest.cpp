// Localised controls follow the language key of the text dictionary.
#include "tests/support/GuifFixture.h"

#include "guif/LocalisedControl.h"
#include "norv/base/Registry.h"
#include "norv/base/TextDict.h"

#include <gtest/gtest.h>

namespace {

using namespace GuifTest;

class Localised : public ScreenFixture {
protected:
    void SetUp() override
    {
        ScreenFixture::SetUp();
        Write("box.xml", "<g><item type='Rectangle'><width>1</width><height>1</height></item></g>");
        Write("controls.xml", "<s><item name='flag' type='Localised'>"
                              "  <representation file='box.xml'/><representation type='fr' file='box.xml'/>"
                              "  <representation type='de' file='box.xml'/></item>"
                              "<item name='nodefault' type='Localised'><representation type='fr' file='box.xml'/>"
                              "</item></s>");
    }

    void Build() { ASSERT_EQ(Run("screen:GetControl('root'):InsertFromXml('controls.xml')"), ""); }
    std::string Shown(char const* name) { return screen->FindControl(name)->GetRepresentationName(); }
};

TEST_F(Localised, FollowsTheLanguageKey)
{
    Norv::g_registry->Set(Norv::TextDict::kLanguageKey, "de");
    Build();
    EXPECT_EQ(Shown("flag"), "de");
    EXPECT_EQ(screen->FindControl("flag")->GetType(), Guif::Control::TypeLocalised);
    EXPECT_TRUE(Truth("getmetatable(screen:GetControl('flag')) == LocalisedControl"));
    // It switches at once, inside the registry's callback.
    Norv::g_registry->Set(Norv::TextDict::kLanguageKey, "fr");
    EXPECT_EQ(Shown("flag"), "fr");
    EXPECT_EQ(Shown("nodefault"), "fr");
    // A language it has no representation for gives "default"; without a
    // "default" the control keeps what it showed.
    Norv::g_registry->Set(Norv::TextDict::kLanguageKey, "it");
    EXPECT_EQ(Shown("flag"), "default");
    EXPECT_EQ(Shown("nodefault"), "fr");
}

TEST_F(Localised, BuiltWithoutKeyShowsDefault)
{
    Build();
    EXPECT_EQ(Shown("flag"), "default");
    // The nodefault control has a name but no tree to draw.
    EXPECT_EQ(Shown("nodefault"), "default");
    EXPECT_EQ(screen->FindControl("nodefault")->GetCurrentRepresentation(), nullptr);
}

TEST_F(Localised, CallbacksEndWithTheControls)
{
    Build();
    std::size_t const watching = Norv::g_registry->GetCallbacks().size();
    EXPECT_EQ(watching, 2u);
    screen.Release();
    Norv::g_registry->Set(Norv::TextDict::kLanguageKey, "fr");
    std::size_t live = 0;
    for (auto const& callback : Norv::g_registry->GetCallbacks())
        live += callback.removed ? 0 : 1;
    EXPECT_EQ(live, 0u);
    // A control outliving the registry leaves it alone.
    screen = new Guif::Screen(0, nullptr);
    Build();
    Norv::g_registry.Release();
    screen.Release();
}

} // namespace
