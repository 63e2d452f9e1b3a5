// The framework's "FGPAK" archives: entries decoded back, from a file and
// from memory, and damaged archives refused without harm.
#include "tests/qrvl/support/FrameworkFixtures.h"
#include "PakWriter.h"

#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/framework/FGPakReader.h"

#include <climits>
#include <functional>
#include <memory>

namespace {

std::string Bytes(FGData const& data)
{
    return std::string(reinterpret_cast<char const*>(data.getData()), static_cast<size_t>(data.getLength()));
}

std::string Decoded(FGPakReader const& reader, char const* name)
{
    std::unique_ptr<FGData> file = reader.getFile(name);
    return file ? Bytes(*file) : "<none>";
}

std::string Pattern(size_t size)
{
    std::string text;
    for (size_t i = 0; text.size() < size; ++i)
        text += "line " + std::to_string(i % 97) + " of the board\n";
    text.resize(size);
    return text;
}

std::vector<std::pair<std::string, std::string>> const kFiles = {
    {"quorvelBoard.txt", "spaces\n"},
    {"layouts/board.lyt", Pattern(100000)},
    {"x", "1"},
};

class PakReaderTest : public MountedFolderTest {};

} // namespace

TEST_F(PakReaderTest, EntriesReadBackFromAFile)
{
    folder.Write("quorvel.pak", PakFields::Pack(kFiles).Serialize());
    FGPakReader reader;
    ASSERT_TRUE(reader.init("quorvel.pak"));
    ASSERT_EQ(reader.getNumFiles(), 3);
    for (auto const& [name, content] : kFiles) {
        EXPECT_EQ(Decoded(reader, name.c_str()), content) << name;
        EXPECT_EQ(reader.getFileLength(name.c_str()), static_cast<int>(content.size())) << name;
    }
    EXPECT_STREQ(reader.getFileName(1).getNativeString(), "layouts/board.lyt");
    EXPECT_STREQ(reader.getFileName(3).getNativeString(), "");
    EXPECT_EQ(reader.getFileIndex("x"), 2);
    EXPECT_EQ(reader.getFileIndex("QUORVELBOARD.TXT"), -1); // names are compared byte for byte
    EXPECT_EQ(Decoded(reader, "QuorvelBoard.txt"), "<none>");
    EXPECT_EQ(reader.getFileLength("missing"), -1);
    EXPECT_EQ(Decoded(reader, nullptr), "<none>");
}

TEST_F(PakReaderTest, EntriesReadBackFromMemoryAndIntoABuffer)
{
    std::string const archive = PakFields::Pack(kFiles).Serialize();
    FGData bytes;
    bytes.duplicate(reinterpret_cast<unsigned char const*>(archive.data()), static_cast<int>(archive.size()));
    FGPakReader reader;
    ASSERT_TRUE(reader.init(&bytes));
    EXPECT_EQ(Decoded(reader, "quorvelBoard.txt"), "spaces\n");

    FGData small;
    small.init(6);
    EXPECT_EQ(reader.getFile("quorvelBoard.txt", &small), nullptr); // 7 bytes do not fit
    FGData exact;
    exact.init(7);
    EXPECT_EQ(reader.getFile("quorvelBoard.txt", &exact), &exact);
    EXPECT_EQ(Bytes(exact), "spaces\n");
    EXPECT_EQ(reader.getFile("quorvelBoard.txt", nullptr), nullptr);
}

TEST_F(PakReaderTest, AnEmptyDirectoryIsValid)
{
    folder.Write("empty.pak", PakFields::Pack({}).Serialize());
    FGPakReader reader;
    EXPECT_TRUE(reader.init("empty.pak"));
    EXPECT_EQ(reader.getNumFiles(), 0);
    EXPECT_FALSE(reader.init("missing.pak"));
    EXPECT_FALSE(reader.init(static_cast<FGData*>(nullptr)));
}

TEST_F(PakReaderTest, DamagedDirectoriesAreRefused)
{
    using Tamper = std::function<void(PakFields&)>;
    struct Case {
        char const* what;
        Tamper tamper;
    } const cases[] = {
        {"magic byte 0", [](PakFields& f) { f.magic[0] = 'X'; }},
        {"magic byte 1", [](PakFields& f) { f.magic[1] = 'g'; }},
        {"magic byte 2", [](PakFields& f) { f.magic[2] = 'Q'; }},
        {"magic byte 3", [](PakFields& f) { f.magic[3] = '\0'; }},
        {"magic byte 4", [](PakFields& f) { f.magic[4] = 'L'; }},
        {"header size below the fixed header", [](PakFields& f) { f.headerSize = 12; }},
        {"header size negative", [](PakFields& f) { f.headerSize = -1; }},
        {"header size beyond the file", [](PakFields& f) { f.headerSize = INT_MAX; }},
        {"header size cutting the directory", [](PakFields& f) { f.headerSize -= 3; }},
        {"count negative", [](PakFields& f) { f.count = -1; }},
        {"count too large", [](PakFields& f) { f.count = 4; }},
        {"count huge", [](PakFields& f) { f.count = INT_MAX; }},
        {"name length beyond the directory", [](PakFields& f) { f.records[2].name = std::string(500, 'n'); }},
        {"offset beyond the file", [](PakFields& f) { f.records[0].offset = 1 << 30; }},
        {"offset negative", [](PakFields& f) { f.records[0].offset = -5; }},
        {"offset plus stored size overflowing", [](PakFields& f) { f.records[1].offset = INT_MAX - 4; }},
        {"stored size negative", [](PakFields& f) { f.records[0].storedSize = -20; }},
        {"stored size below the entry header", [](PakFields& f) { f.records[0].storedSize = 12; }},
        {"stored size beyond the file", [](PakFields& f) { f.records[2].storedSize += 1000; }},
        {"size negative", [](PakFields& f) { f.records[0].size = -1; }},
    };
    for (Case const& c : cases) {
        PakFields fields = PakFields::Pack(kFiles);
        c.tamper(fields);
        std::string const archive = fields.Serialize();
        folder.Write("bad.pak", archive);
        FGPakReader reader;
        EXPECT_FALSE(reader.init("bad.pak")) << c.what;
        EXPECT_EQ(reader.getNumFiles(), 0) << c.what;
        EXPECT_EQ(Decoded(reader, "x"), "<none>") << c.what;

        FGData bytes;
        bytes.duplicate(reinterpret_cast<unsigned char const*>(archive.data()), static_cast<int>(archive.size()));
        EXPECT_FALSE(reader.init(&bytes)) << c.what;
    }
}

TEST_F(PakReaderTest, EveryTruncationOfTheDirectoryIsRefused)
{
    PakFields const fields = PakFields::Pack(kFiles);
    std::string const archive = fields.Serialize();
    for (int32_t length = 0; length < fields.headerSize; ++length) {
        folder.Write("cut.pak", archive.substr(0, static_cast<size_t>(length)));
        FGPakReader reader;
        EXPECT_FALSE(reader.init("cut.pak")) << length;
    }
}

TEST_F(PakReaderTest, DamagedEntriesYieldNothing)
{
    std::string const content = Pattern(5000);
    std::string const unknownSize = LzmaEntry(content).replace(5, 8, std::string(8, '\xFF'));
    struct Case {
        char const* what;
        std::string entry;
    } const cases[] = {
        {"properties out of range", std::string(1, '\xE1') + LzmaEntry(content).substr(1)},
        {"decoded size 0", LzmaEntry(content, 0)},
        {"decoded size negative", LzmaEntry(content, 0xFFFFFFFF)},
        {"decoded size of an unknown-size stream", unknownSize},
        {"decoded size huge", LzmaEntry(content, INT_MAX)},
        {"decoded size above the stream's", LzmaEntry(content, 6000)},
        {"stream cut short", LzmaEntry(content).substr(0, 40)},
        {"only the header", LzmaEntry(content).substr(0, 13)},
        {"stream of garbage", LzmaEntry(content).substr(0, 13) + std::string(200, '\xA5')},
    };
    for (Case const& c : cases) {
        PakFields fields = PakFields::Pack({{"entry", content}});
        fields.entryData = c.entry;
        fields.records[0].storedSize = static_cast<int32_t>(c.entry.size());
        folder.Write("entry.pak", fields.Serialize());
        FGPakReader reader;
        ASSERT_TRUE(reader.init("entry.pak")) << c.what;
        EXPECT_EQ(Decoded(reader, "entry"), "<none>") << c.what;

        FGData packed;
        packed.duplicate(reinterpret_cast<unsigned char const*>(c.entry.data()), static_cast<int>(c.entry.size()));
        EXPECT_EQ(FGPakReader::uncompress(packed), nullptr) << c.what;
        FGData target;
        target.init(8000);
        EXPECT_EQ(FGPakReader::uncompress(packed, &target), nullptr) << c.what;
    }
}

TEST_F(PakReaderTest, AnEntryMustDecodeToItsListedSize)
{
    PakFields fields = PakFields::Pack({{"a", "alpha"}});
    fields.records[0].size = 4;
    folder.Write("lies.pak", fields.Serialize());
    FGPakReader reader;
    ASSERT_TRUE(reader.init("lies.pak"));
    EXPECT_EQ(reader.getFileLength("a"), 4);
    EXPECT_EQ(Decoded(reader, "a"), "<none>");
}

TEST_F(PakReaderTest, AnArchiveThatShrinksAfterOpeningYieldsNothing)
{
    std::string const archive = PakFields::Pack(kFiles).Serialize();
    folder.Write("shrinks.pak", archive);
    FGPakReader reader;
    ASSERT_TRUE(reader.init("shrinks.pak"));
    folder.Write("shrinks.pak", archive.substr(0, archive.size() - 10));
    EXPECT_EQ(Decoded(reader, "x"), "<none>");
    EXPECT_EQ(Decoded(reader, "quorvelBoard.txt"), "spaces\n");
}
