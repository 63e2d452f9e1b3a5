// The props' description language: models copy, paint and light each
// other as written, stand on the land where placed, and a line the reader
// cannot use is named with its reason.
#include "Description.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A gently sloping land: height x / 10.
float Slope(float x, float)
{
    return x / 10.0f;
}

bool ReadText(std::string const& text, PropSet& set, std::string& error)
{
    TempFolder folder;
    folder.Write("props.props", "colour red ff0000\ncolour window 203040\ncolour lamp ffe080\n" + text);
    Description description(Slope);
    return description.Read(folder / "props.props", set, error);
}

PropModelSource const* Find(PropSet const& set, std::string const& file)
{
    auto const found = std::find_if(set.models.begin(), set.models.end(),
                                    [&](PropModelSource const& m) { return m.model.file == file; });
    return found == set.models.end() ? nullptr : &*found;
}

TEST(DescriptionTest, ModelsCopyPaintAndLightAsWritten)
{
    PropSet set;
    std::string error;
    ASSERT_TRUE(ReadText("template hut\n"
                         "node body\n"
                         "box red size 10 10 10\n"
                         "model shed.pod\n"
                         "twin shed_glow.pod\n"
                         "node body\n"
                         "box red size 10 10 10\n"
                         "box window size 4 4 1 at 0 0 5\n"
                         "model cart.pod\n"
                         "like hut\n"
                         "folder gameobjects\n"
                         "paint red cartRed ff0000 cartBlue 0000ff\n"
                         "place 200 0 5\n"
                         "frames 10\n"
                         "node body\n"
                         "key 0 pos 0 0 0\n"
                         "key 10 pos 0 30 0\n",
                         set, error))
        << error;
    ASSERT_EQ(set.models.size(), 4u);
    EXPECT_FALSE(Find(set, "hut.pod")->written);

    // The twin holds the lit copy of the window alone.
    PropModelSource const& glow = *Find(set, "shed_glow.pod");
    ASSERT_EQ(glow.model.nodes.size(), 1u);
    EXPECT_EQ(glow.model.nodes[0].mesh.vertices.size(), Find(set, "shed.pod")->model.nodes[0].mesh.vertices.size() / 2);
    EXPECT_EQ(glow.model.nodes[0].mesh.vertices[0].colour[0], 255);
    EXPECT_EQ(glow.model.materials[0].texture, "shed_glow.png");

    // The copy takes the template's box, its paints' first texture, and
    // its keys stand on the land at x = 200 plus the lift.
    PropModelSource const& cart = *Find(set, "cart.pod");
    EXPECT_EQ(cart.folder, "gameobjects/");
    EXPECT_EQ(cart.model.nodes[0].mesh.vertices.size(), Find(set, "hut.pod")->model.nodes[0].mesh.vertices.size());
    EXPECT_EQ(cart.model.materials[0].texture, "cartRed.png");
    ASSERT_EQ(cart.model.nodes[0].keys.size(), 2u);
    EXPECT_FLOAT_EQ(cart.model.nodes[0].keys[0].position.y, 25.0f);
    EXPECT_FLOAT_EQ(cart.model.nodes[0].keys[1].position.y, 55.0f);
    std::vector<std::string> swatches;
    for (SwatchRequest const& swatch : set.swatches)
        swatches.push_back(swatch.stem);
    EXPECT_NE(std::find(swatches.begin(), swatches.end(), "cartBlue"), swatches.end());
    EXPECT_EQ(std::find(swatches.begin(), swatches.end(), "hut"), swatches.end());
}

TEST(DescriptionTest, LinesThatCannotBeUsedAreNamed)
{
    struct Case {
        char const* text;
        char const* says;
    };
    Case const cases[] = {
        {"box red size 1 1 1\n", "outside a model"},
        {"model a.pod\nbox red size 1 1 1\n", "before any model and node"},
        {"model a.pod\nnode n\nbox green size 1 1 1\n", "no colour named \"green\""},
        {"model a.pod\nnode n\nblob red\n", "no solid or statement called \"blob\""},
        {"model a.pod\nnode n\nlathe red profile 1 0\n", "too few points"},
        {"model a.pod\nnode n\nkey 0 spin 1 2 3\n", "a key takes pos, turn and scale"},
        {"model a.pod\nnode n\nlabel S_X at 0 0 0 size 10 1\n", "a node without a picture"},
        {"model a.pod\nlike nothing\n", "nothing called nothing"},
        {"colour bad 12345\n", "six hex digits"},
        {"model a.pod\nnode n\npanel red size 70 70 uv 0\n", "uv needs four numbers"},
        {"model a.pod\nnode n\npanel red size 70 70 uv 0 0 1\n", "uv needs four numbers"},
        {"model a.pod\nnode n\npanel red size 70 70 uv\n", "uv needs four numbers"},
    };
    for (Case const& c : cases) {
        PropSet set;
        std::string error;
        EXPECT_FALSE(ReadText(c.text, set, error)) << c.text;
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
        EXPECT_NE(error.find("props.props:"), std::string::npos) << error;
    }
}

} // namespace
