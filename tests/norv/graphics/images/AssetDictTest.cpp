// The asset dictionary's caching rules, with images and fonts read from
// real files.
#include "tests/support/ImageFixtures.h"

#include "norv/graphics/FontEx.h"
#include "norv/graphics/GraphicsAssets.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace Norv;
using namespace ImageTest;

Bytes OnePixelPng(unsigned char red, unsigned char green, unsigned char blue)
{
    PngSpec spec;
    spec.rows = {red, green, blue};
    return WritePng(spec);
}

class AssetDictFiles : public MountedAssets {
protected:
    void SetUp() override
    {
        MountedAssets::SetUp();
        // Fonts load their sheets through the global dictionary.
        dict = g_assetDict;
    }
    void TearDown() override
    {
        dict.Release();
        MountedAssets::TearDown();
    }
    void Write(std::string const& name, Bytes const& bytes) { ASSERT_TRUE(WriteFile(folder + name, bytes)); }
    // Blue byte of the only pixel, telling which file version was loaded.
    static int Blue(SmartPtr<Surface> const& surface) { return PixelAt(*surface, 0, 0)[0]; }

    SmartPtr<AssetDict> dict;
};

TEST_F(AssetDictFiles, SharesWhileHeldAndReloadsAfterwards)
{
    Write("a.png", OnePixelPng(0, 0, 10));
    SmartPtr<Surface> first = dict->Get<Surface>("a.png", false);
    ASSERT_TRUE(first);
    EXPECT_EQ(dict->Get<Surface>("a.png", false), first);
    first.Release();
    Write("a.png", OnePixelPng(0, 0, 20));
    EXPECT_EQ(Blue(dict->Get<Surface>("a.png", false)), 20);
}

TEST_F(AssetDictFiles, KeepHoldsTheFirstLoad)
{
    Write("k.png", OnePixelPng(0, 0, 10));
    dict->Get<Surface>("k.png", true);
    Write("k.png", OnePixelPng(0, 0, 20));
    EXPECT_EQ(Blue(dict->Get<Surface>("k.png", false)), 10);
}

TEST_F(AssetDictFiles, AKeptFailureGivesWayToALaterLoad)
{
    EXPECT_FALSE(dict->Get<Surface>("late.png", true));
    Write("late.png", OnePixelPng(0, 0, 10));
    EXPECT_EQ(Blue(dict->Get<Surface>("late.png", true)), 10);
    Write("late.png", OnePixelPng(0, 0, 20));
    EXPECT_EQ(Blue(dict->Get<Surface>("late.png", false)), 10);
}

TEST_F(AssetDictFiles, OptionsMakeSeparateEntries)
{
    Write("o.png", OnePixelPng(0, 0, 10));
    SmartPtr<Surface> plain = dict->Get<Surface>("o.png", false);
    SmartPtr<Surface> linear = dict->Get<Surface>("o.png@linear", false);
    ASSERT_TRUE(plain);
    ASSERT_TRUE(linear);
    EXPECT_NE(plain, linear);
    EXPECT_EQ(plain->GetFlags(), 0);
    EXPECT_EQ(linear->GetFlags(), Surface::LinearFiltering);

    struct Case {
        char const* name;
        int flags;
    } const cases[] = {
        {"o.png@ck,,linear", Surface::ColorKeyed | Surface::LinearFiltering},
        {"o.png@LINEAR", 0},
        {"o.png@", 0},
        {"o.png@rle,unknown", 0},
    };
    for (Case const& c : cases) {
        SmartPtr<Surface> surface = dict->Get<Surface>(c.name, false);
        ASSERT_TRUE(surface) << c.name;
        EXPECT_EQ(surface->GetFlags(), c.flags) << c.name;
    }
    EXPECT_EQ(dict->Get<Surface>("o.png@ck", false)->GetPixelData()->GetKeyColor(), Color(255, 0, 255, 255));
}

TEST_F(AssetDictFiles, SplitsAtTheLastAt)
{
    std::filesystem::create_directories(folder + "set@2x");
    Write("set@2x/o.png", OnePixelPng(0, 0, 10));
    EXPECT_TRUE(dict->Get<Surface>("set@2x/o.png@linear", false));
    // Without options the folder's "@" splits the name.
    EXPECT_FALSE(dict->Get<Surface>("set@2x/o.png", false));
}

TEST_F(AssetDictFiles, KindsAreKeptApart)
{
    char const definition[] = "<?xml version=\"1.0\"?><font><characters>"
                              "<char code=\"65\" x=\"0\" y=\"0\" width=\"1\" height=\"1\"/></characters></font>";
    Write("f.xml", Bytes(definition, definition + sizeof definition - 1));
    Write("f.png", OnePixelPng(0, 0, 10));
    SmartPtr<FontEx> font = dict->Get<FontEx>("f.xml@565", false);
    ASSERT_TRUE(font);
    EXPECT_EQ(font->GetGlyphCount(), 1u);
    // The sheet is an image asset of its own, with the font's options.
    ASSERT_TRUE(font->bitmap);
    EXPECT_EQ(dict->Get<Surface>("f.png@565", false), font->bitmap);
    EXPECT_EQ(font->bitmap->GetPixelData()->GetFormat(), RGB565);
    // The same name asked as an image is read as an image (a description
    // without frames), never handed the font.
    EXPECT_FALSE(dict->Get<Surface>("f.xml@565", false));
    EXPECT_EQ(dict->Get<FontEx>("f.xml@565", false), font);
}

TEST_F(AssetDictFiles, ShortFontNames)
{
    for (char const* name : {"", "a", "ab", "@x"}) {
        SmartPtr<FontEx> font = dict->Get<FontEx>(name, false);
        ASSERT_TRUE(font) << name;
        EXPECT_EQ(font->GetGlyphCount(), 0u) << name;
        EXPECT_FALSE(font->bitmap) << name;
    }
}

} // namespace
