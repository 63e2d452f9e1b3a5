// The libraries' layers: each library includes headers only of the libraries
// it is allowed to use, so no cycle can come back. A new edge is a decision:
// add it here and to the README's "Layers" table.
#include "IncludeLayers.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace fs = std::filesystem;

namespace {

// Lowest first; each library lists the libraries right below it.
std::vector<Layer> const kLayers = {
    {"ezxml", "contrib/ezxml", {}},
    {"dlmalloc", "contrib/dlmalloc", {}},
    {"nedmalloc", "contrib/nedmalloc", {}},
    {"norv_system", "src/norv/system", {"nedmalloc"}},
    {"norv_core", "src/norv/base/core", {}},
    {"norv_vfs", "src/norv/vfs", {"norv_core"}},
    {"norv_base", "src/norv/base", {"norv_core", "norv_vfs", "norv_system", "ezxml", "dlmalloc"}},
    {"norv_application", "src/norv/application", {"norv_base"}},
    {"norv_network", "src/norv/network", {"norv_base"}},
    {"norv_graphics", "src/norv/graphics", {"norv_application"}},
    {"norv_sound", "src/norv/sound", {"norv_application"}},
    {"norv_console", "src/norv/application/console", {"norv_graphics", "norv_network"}},
    {"pvrt", "contrib/pvr", {"norv_vfs"}},
    {"guif", "src/guif", {"norv_graphics"}},
    {"qrvl_boardfile", "src/qrvl/boardfile", {}},
    {"qrvl_port", "src/qrvl/port", {"pvrt", "norv_sound"}},
    {"qrvl_text", "src/qrvl/original/phone/text", {}},
    {"qrvl_framework", "src/qrvl/original/framework", {"qrvl_text", "qrvl_port", "norv_graphics"}},
    {"qrvl_rules", "src/qrvl/original/rules", {"qrvl_framework", "qrvl_boardfile"}},
    {"qrvl_journal", "src/qrvl/original/phone/journal", {"qrvl_rules"}},
    {"qrvl_world", "src/qrvl/original/phone/world", {"qrvl_rules"}},
    {"qrvl_game", "src/qrvl/original/game", {"qrvl_world", "qrvl_journal"}},
    {"qrvl_screens", "src/qrvl/menu/screens", {"guif", "qrvl_game"}},
    {"qrvl_hud", "src/qrvl/menu/hud", {"qrvl_screens"}},
    {"qrvl_frontend", "src/qrvl/original/frontend", {"qrvl_hud"}},
    {"quorvel", "src/qrvl/main", {"qrvl_frontend"}},
};

std::string Describe(std::vector<CrossingInclude> const& crossings)
{
    std::string text;
    for (CrossingInclude const& crossing : crossings)
        text += crossing.file + " includes \"" + crossing.header + "\": " + crossing.from + " -> "
            + (crossing.to.empty() ? "(no library)" : crossing.to) + "\n";
    return text;
}

TEST(LayersTest, NoIncludeCrossesALayerOutsideTheTable)
{
    std::vector<CrossingInclude> const crossings = FindCrossingIncludes(QUORVEL_SOURCE_ROOT, kLayers);
    EXPECT_TRUE(crossings.empty()) << Describe(crossings);
}

TEST(LayersTest, TheTableHasNoCycle)
{
    for (Layer const& layer : kLayers) {
        std::vector<std::string> const reached = ReachableFrom(kLayers, layer.library);
        EXPECT_EQ(std::count(reached.begin(), reached.end(), layer.library), 0) << layer.library << " reaches itself";
    }
}

// A tree of three libraries, where the lowest one's test hook reaches up.
class LayersFixtureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Write("src/app/App.h", "#include \"engine/Engine.h\"\n#include <vector>\n");
        Write("src/engine/Engine.h", "#include \"engine/core/Core.h\"\n");
        Write("src/engine/core/Core.h", "#include \"Local.h\"\n");
        Write("src/engine/core/Local.h", "");
    }
    void Write(std::string const& file, std::string const& text) { temp.Write(file, text); }

    std::vector<Layer> const layers = {
        {"core", "src/engine/core", {}},
        {"engine", "src/engine", {"core"}},
        {"app", "src/app", {"engine"}},
    };
    TempFolder temp;
    fs::path const root = temp.path;
};

TEST_F(LayersFixtureTest, IncludesDownTheLayersPass)
{
    EXPECT_TRUE(FindCrossingIncludes(root, layers).empty()) << Describe(FindCrossingIncludes(root, layers));
}

TEST_F(LayersFixtureTest, AnIncludeOfAHigherLayerIsReported)
{
    // A test-only hook in the core that reaches the library above it: the
    // nested folder belongs to the core, not to the engine around it.
    Write("src/engine/core/CoreTestHook.cpp", "#include \"engine/Engine.h\"\n");
    std::vector<CrossingInclude> const crossings = FindCrossingIncludes(root, layers);
    ASSERT_EQ(crossings.size(), 1u) << Describe(crossings);
    EXPECT_EQ(crossings[0].file, "src/engine/core/CoreTestHook.cpp");
    EXPECT_EQ(crossings[0].header, "engine/Engine.h");
    EXPECT_EQ(crossings[0].from, "core");
    EXPECT_EQ(crossings[0].to, "engine");
}

TEST_F(LayersFixtureTest, AnIncludeTwoLayersDownPassesAndOneIntoNoLibraryIsReported)
{
    Write("src/app/Skip.cpp", "#include \"engine/core/Core.h\"\n");
    Write("tests/Helper.h", "");
    Write("src/engine/UsesTest.cpp", "#include \"tests/Helper.h\"\n");
    std::vector<CrossingInclude> const crossings = FindCrossingIncludes(root, layers);
    ASSERT_EQ(crossings.size(), 1u) << Describe(crossings);
    EXPECT_EQ(crossings[0].from, "engine");
    EXPECT_EQ(crossings[0].to, "");
}

} // namespace
