// Damaged containers and pak archives: each is refused or read short, never
// read out of bounds.
#include "PakFixtures.h"

#include "norv/base/core/SmartPtr.h"
#include "norv/vfs/CompressedFile.h"
#include "norv/vfs/PakMount.h"
#include "norv/vfs/Vfs.h"

#include <functional>

using namespace Norv;

namespace {

constexpr uint32_t kBlock = 64;

Bytes GoodStream()
{
    return PakFields::Of({{"a.txt", "alpha"}, {"b.txt", std::string(150, 'b')}}).Serialize();
}

struct ContainerCase {
    char const* what;
    std::function<void(ContainerFields&)> damage;
};

struct PakCase {
    char const* what;
    std::function<void(PakFields&)> damage;
};

class CorruptArchiveTest : public ::testing::Test {
protected:
    void SetUp() override { Vfs::Initialize(); }
    void TearDown() override { Vfs::Shutdown(); }

    bool Mounts(std::string const& contents)
    {
        std::string const path = folder / "case.pak";
        std::remove(path.c_str());
        if (!contents.empty())
            folder.Write("case.pak", contents);
        return MountPak(path, "", 0) != nullptr;
    }

    TempFolder folder;
};

} // namespace

TEST_F(CorruptArchiveTest, TheUndamagedFixturesMount)
{
    ASSERT_TRUE(Mounts(ContainerFields::Raw(GoodStream(), kBlock).Serialize()));
    SmartPtr<File> b(OpenFile("B.TXT"));
    ASSERT_TRUE(b);
    EXPECT_EQ(ReadAll(*b, 7), std::string(150, 'b'));

    // A raw table of 8 bytes is two blocks.
    CompressedFile container;
    ContainerFields two = ContainerFields::Raw(Bytes(100, 'x'), kBlock);
    ASSERT_EQ(two.tableBytes, -8);
    folder.Write("two", two.Serialize());
    ASSERT_TRUE(container.OpenExisting((folder / "two").c_str()));
    EXPECT_EQ(container.GetLength(), 2 * static_cast<int>(kBlock));
}

TEST_F(CorruptArchiveTest, DamagedContainersAreRefused)
{
    ContainerCase const cases[] = {
        {"block size 0", [](ContainerFields& c) { c.blockSize = 0; }},
        {"invalid properties", [](ContainerFields& c) { c.properties[0] = 225; }},
        {"dictionary of 1 GiB", [](ContainerFields& c) { c.properties = {0x5D, 0, 0, 0, 0x40}; }},
        {"table of 3 bytes", [](ContainerFields& c) { c.tableBytes = -3; }},
        {"table of 0 bytes", [](ContainerFields& c) { c.tableBytes = 0; }},
        {"coded table of 3 bytes", [](ContainerFields& c) { c.tableBytes = 3; }},
        {"table of -2^31 bytes", [](ContainerFields& c) { c.tableBytes = INT32_MIN; }},
        {"more blocks than bytes", [](ContainerFields& c) { c.tableBytes = -4 * 1000000; }},
        {"table longer than the file", [](ContainerFields& c) { c.tableBytes -= 4; }},
        {"coded table that does not decode", [](ContainerFields& c) { c.tableBytes = -c.tableBytes; }},
        {"stream length overflows", [](ContainerFields& c) { c.blockSize = 0x7FFFFFFF; }},
        {"block ends go backwards", [](ContainerFields& c) { c.table[1] = c.table[0] - 1; }},
        {"an empty block", [](ContainerFields& c) { c.table[1] = c.table[0]; }},
        {"block past the file", [](ContainerFields& c) { c.table.back() += 1; }},
        {"data start past the file", [](ContainerFields& c) { c.dataStart = 1u << 30; }},
        {"data start at the last byte", [](ContainerFields& c) { c.dataStart += static_cast<uint32_t>(c.data.size()) - 1; }},
        {"truncated data", [](ContainerFields& c) { c.data.resize(c.data.size() / 2); }},
    };
    for (ContainerCase const& c : cases) {
        ContainerFields fields = ContainerFields::Raw(GoodStream(), kBlock);
        c.damage(fields);
        EXPECT_FALSE(Mounts(fields.Serialize())) << c.what;
    }
    EXPECT_FALSE(Mounts(ContainerFields::Raw(GoodStream(), kBlock).Serialize().substr(0, 10))) << "short header";
    EXPECT_FALSE(Mounts("")) << "empty file";
    EXPECT_EQ(OpenFile("a.txt"), nullptr);
}

TEST_F(CorruptArchiveTest, DamagedDirectoriesAreRefused)
{
    PakCase const cases[] = {
        {"negative count", [](PakFields& p) { p.count = -1; }},
        {"count past the stream", [](PakFields& p) { p.count = 0x10000000; }},
        {"count one too many", [](PakFields& p) { p.count = 3; }},
        {"name block past the stream", [](PakFields& p) { p.nameBlockSize = 0x7FFFFFF0; }},
        {"empty name block", [](PakFields& p) { p.nameBlockSize = 0; }},
        {"name block without its terminator", [](PakFields& p) { p.names.back() = 'x'; }},
        {"name offset past the name block", [](PakFields& p) { p.entries[1].nameOffset = p.nameBlockSize; }},
        {"entry past the stream", [](PakFields& p) { p.entries[1].size = 0xFFFFFFF0; }},
        {"entry offset wraps", [](PakFields& p) { p.entries[0].dataOffset = 0xFFFFFFFF; }},
    };
    for (PakCase const& c : cases) {
        PakFields pak = PakFields::Of({{"a.txt", "alpha"}, {"b.txt", std::string(150, 'b')}});
        c.damage(pak);
        EXPECT_FALSE(Mounts(ContainerFields::Raw(pak.Serialize(), kBlock).Serialize())) << c.what;
    }
    // Cut inside the directory: the stream holds only part of it.
    Bytes cut = GoodStream();
    cut.resize(10);
    EXPECT_FALSE(Mounts(ContainerFields::Raw(cut, 10).Serialize())) << "short directory";
    EXPECT_TRUE(Mounts(ContainerFields::Raw(PakFields::Of({}).Serialize(), kBlock).Serialize())) << "an empty pak is fine";
}

TEST_F(CorruptArchiveTest, DamagedLzmaBlocksReadShort)
{
    TempFolder source;
    std::string text;
    for (int i = 0; text.size() < 20000; ++i)
        text += "entry line " + std::to_string(i) + "\n";
    source.Write("text.txt", text);
    ASSERT_TRUE(Pack(source.path, folder / "packed.pak"));
    std::string packed = folder.Read("packed.pak");

    // One block behind a raw 4-byte table at offset 17: halve the block's end.
    ASSERT_EQ(static_cast<int32_t>(DecodeLittleEndian32(reinterpret_cast<unsigned char const*>(&packed[8]))), -4);
    uint32_t const entry = DecodeLittleEndian32(reinterpret_cast<unsigned char const*>(&packed[17]));
    ASSERT_TRUE(entry & 0x80000000u) << "the block is LZMA-coded";
    Bytes halved;
    Append32(halved, ((entry & 0x7FFFFFFFu) / 2) | 0x80000000u);
    std::string cut = packed.replace(17, 4, std::string(halved.begin(), halved.end()));
    ASSERT_TRUE(Mounts(cut));
    // Read ahead on a worker or not, the damaged block is read as far as it
    // decodes.
    for (bool readingAhead : {false, true}) {
        PakReadAhead ahead(readingAhead ? FindPak(folder / "case.pak") : nullptr);
        SmartPtr<File> file(OpenFile("text.txt"));
        ASSERT_TRUE(file);
        std::string buffer(text.size(), '\0');
        int const got = file->Read(&buffer[0], static_cast<int>(text.size()));
        EXPECT_GT(got, 0);
        EXPECT_LT(got, static_cast<int>(text.size())) << "only the bytes really decoded count";
        EXPECT_EQ(file->Tell(), got);
        EXPECT_EQ(buffer.substr(0, static_cast<size_t>(got)), text.substr(0, static_cast<size_t>(got)));
    }

    // Garbage in the coded bytes decodes to whatever it decodes to, in bounds.
    std::string garbled = folder.Read("packed.pak");
    for (size_t i = 60; i < garbled.size(); i += 7)
        garbled[i] = static_cast<char>(0xA5 ^ garbled[i]);
    if (Mounts(garbled)) {
        SmartPtr<File> damaged(OpenFile("text.txt"));
        if (damaged) {
            EXPECT_LE(ReadAll(*damaged).size(), text.size());
        }
    }
}
