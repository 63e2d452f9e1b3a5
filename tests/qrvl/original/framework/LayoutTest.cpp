// Layout files: elements found by id, colour elements, mirrored positions,
// and damaged files refused.
#include "tests/qrvl/support/FrameworkFixtures.h"

#include "qrvl/original/framework/FGFileSystem.h"
#include "qrvl/original/framework/FGLayout.h"

#include <climits>
#include <functional>
#include <optional>

namespace {

struct ElementRecord {
    int32_t name, id, x, y;
    bool tiled;
    int32_t width, height, flip;
};

// The fields of a layout file, open to tampering before Serialize.
struct LayoutFields {
    std::string magic = "FGLYT";
    int32_t version = 4;
    int32_t width = 100;
    int32_t height = 80;
    int32_t background = 0x102030;
    std::optional<int32_t> stringCount; // the true count unless set
    std::vector<std::string> strings = {"board", "0x00FF80", "space01", "space02", "snow", "space01"};
    std::optional<int32_t> elementCount;
    std::vector<ElementRecord> elements = {
        {0, 2, 10, 5, false, 20, 10, 0},
        {1, 3, 30, 40, true, 8, 8, 2},
        {4, 2, 50, 60, false, 4, 4, 1},
        {4, 5, 70, 70, false, 1, 1, 0}, // the id is a repeated text
    };

    std::string Serialize() const
    {
        StreamBytes out;
        out.Raw(magic).Int(version).Int(width).Int(height).Int(background);
        out.Int(stringCount.value_or(static_cast<int32_t>(strings.size())));
        for (std::string const& text : strings)
            out.Utf(text);
        out.Int(elementCount.value_or(static_cast<int32_t>(elements.size())));
        for (ElementRecord const& e : elements)
            out.Int(e.name).Int(e.id).Int(e.x).Int(e.y).Bool(e.tiled).Int(e.width).Int(e.height).Int(e.flip).Int(0);
        return out.bytes;
    }
};

class LayoutTest : public MountedFolderTest {
protected:
    bool Load(LayoutFields const& fields)
    {
        folder.Write("board.lyt", fields.Serialize());
        return layout.init(files, "board.lyt");
    }

    FGFileSystem files;
    FGLayout layout;
};

} // namespace

TEST_F(LayoutTest, ElementsAreFoundByIdInFileOrder)
{
    ASSERT_TRUE(Load(LayoutFields()));
    EXPECT_EQ(layout.getWidth(), 100);
    EXPECT_EQ(layout.getHeight(), 80);
    EXPECT_EQ(layout.getBackground(), 0x102030);
    ASSERT_EQ(layout.getNumElements(), 4);
    EXPECT_EQ(layout.getFirstIdx("space01"), 0);
    EXPECT_EQ(layout.getFirstIdx("space02"), 1);
    EXPECT_EQ(layout.getFirstIdx("nowhere"), -1);
    EXPECT_EQ(layout.getElementX("space01"), 10);
    EXPECT_EQ(layout.getElementY("space02"), 40);
    EXPECT_EQ(layout.getElementWidth("space01"), 20);
    EXPECT_EQ(layout.getElementHeight("nowhere"), -1);
    EXPECT_STREQ(layout.getElementName(2), "snow");
    EXPECT_STREQ(layout.getElementIDString(2), "space01");
    EXPECT_TRUE(layout.isElementTiled(1));
    EXPECT_EQ(layout.getElementFlip(1), FGLayout::kFlipHorizontal);
    // A repeated text is stored once and the elements naming it agree.
    EXPECT_STREQ(layout.getElementIDString(3), "space01");
    EXPECT_EQ(layout.getStringTableID("space01"), 2);
    EXPECT_STREQ(layout.getString(5), "");
    for (int outside : {-1, 4})
        EXPECT_EQ(layout.getElementX(outside), -1) << outside;
    EXPECT_STREQ(layout.getElementName(9), "");
}

TEST_F(LayoutTest, NamesWrittenAsHexAreColourElements)
{
    ASSERT_TRUE(Load(LayoutFields()));
    EXPECT_EQ(layout.getElementColour(1), 0x00FF80);
    EXPECT_EQ(layout.getElementColour(0), FGLayout::kNoColour);
    EXPECT_EQ(layout.getElementColour(2), FGLayout::kNoColour);
}

TEST_F(LayoutTest, PositionsMirrorInsideTheLayout)
{
    ASSERT_TRUE(Load(LayoutFields()));
    EXPECT_EQ(layout.getElementX(0, FGLayout::kFlipHorizontal), 70); // 100 - 10 - 20
    EXPECT_EQ(layout.getElementX(0, FGLayout::kFlipVertical), 10);
    EXPECT_EQ(layout.getElementY(0, FGLayout::kFlipVertical), 65); // 80 - 5 - 10
    EXPECT_EQ(layout.getElementY(0, FGLayout::kFlipNone), 5);
    EXPECT_EQ(layout.getElementX("space02", FGLayout::kFlipHorizontal), 62);
    EXPECT_EQ(layout.getElementY("nowhere", FGLayout::kFlipVertical), -1);
}

TEST_F(LayoutTest, NotesAndManualLayouts)
{
    ASSERT_TRUE(Load(LayoutFields()));
    EXPECT_EQ(layout.registerNoteName("space01"), 2);
    EXPECT_TRUE(layout.isElementNote(0));
    EXPECT_TRUE(layout.isElementNote(2));
    EXPECT_FALSE(layout.isElementNote(1));
    EXPECT_EQ(layout.registerNoteName("nowhere"), -1);

    layout.initManual(2, FGLayout::kNoColour, 320, 240);
    EXPECT_EQ(layout.getNumElements(), 2);
    EXPECT_EQ(layout.getFirstIdx("space01"), -1);
    EXPECT_TRUE(layout.setImage(1, 5, 6, false, 7, 8, 0, "0xFF0000", "red", false));
    EXPECT_TRUE(layout.setImage(0, 1, 2, true, 3, 4, 1, "tile.png", "red", true));
    EXPECT_EQ(layout.getFirstIdx("red"), 0);
    EXPECT_EQ(layout.getElementColour(1), 0xFF0000);
    EXPECT_EQ(layout.noteString("red"), 1);
    EXPECT_EQ(layout.noteString("new"), 3);
    EXPECT_FALSE(layout.setImage(2, 0, 0, false, 0, 0, 0, "a", "b", false));
    EXPECT_FALSE(layout.setImage(0, 0, 0, false, 0, 0, 0, 4, 0, false));
    EXPECT_EQ(layout.getNumElements(), 2);
}

TEST_F(LayoutTest, DamagedFilesAreRefused)
{
    struct Case {
        char const* what;
        std::function<void(LayoutFields&)> tamper;
    } const cases[] = {
        {"version 3", [](LayoutFields& f) { f.version = 3; }},
        {"version 5", [](LayoutFields& f) { f.version = 5; }},
        {"magic", [](LayoutFields& f) { f.magic = "FGLYX"; }},
        {"string count negative", [](LayoutFields& f) { f.stringCount = -2; }},
        {"string count too large", [](LayoutFields& f) { f.stringCount = 7; }},
        {"string count huge", [](LayoutFields& f) { f.stringCount = INT_MAX; }},
        {"string count beyond a short table", [](LayoutFields& f) {
             f.elements.clear();
             f.elementCount = 0;
             f.stringCount = 7;
         }},
        {"element count too large", [](LayoutFields& f) { f.elementCount = 5; }},
        {"element count negative", [](LayoutFields& f) { f.elementCount = -1; }},
        {"element count huge", [](LayoutFields& f) { f.elementCount = INT_MAX; }},
        {"name index beyond the strings", [](LayoutFields& f) { f.elements[1].name = 6; }},
        {"name index negative", [](LayoutFields& f) { f.elements[1].name = -1; }},
        {"id index beyond the strings", [](LayoutFields& f) { f.elements[3].id = INT_MAX; }},
    };
    for (Case const& c : cases) {
        LayoutFields fields;
        c.tamper(fields);
        EXPECT_FALSE(Load(fields)) << c.what;
        EXPECT_EQ(layout.getNumElements(), 0) << c.what;
        EXPECT_EQ(layout.getFirstIdx("space01"), -1) << c.what;
    }
    EXPECT_FALSE(layout.init(files, "missing.lyt"));
}

TEST_F(LayoutTest, EveryTruncationIsRefused)
{
    std::string const whole = LayoutFields().Serialize();
    for (size_t length = 0; length < whole.size(); ++length) {
        folder.Write("cut.lyt", whole.substr(0, length));
        EXPECT_FALSE(layout.init(files, "cut.lyt")) << length;
        EXPECT_EQ(layout.getNumElements(), 0) << length;
    }
}
