// Pak archives packed by norvpak, read back through the mounts.
#include "PakFixtures.h"

#include "norv/base/core/SmartPtr.h"
#include "norv/vfs/BlockReadAhead.h"
#include "norv/vfs/CompressedFile.h"
#include "norv/vfs/PakMount.h"
#include "norv/vfs/Vfs.h"
#include "norv/vfs/VfsStaticData.h"
#include "norv/vfs/VirtualFile.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <thread>

using namespace Norv;

namespace {

// Bytes that do not compress, so their blocks are stored raw.
std::string Noise(size_t size, uint32_t seed)
{
    std::string bytes(size, '\0');
    for (char& byte : bytes) {
        seed = seed * 1664525u + 1013904223u;
        byte = static_cast<char>(seed >> 24);
    }
    return bytes;
}

// Text that compresses well, so its blocks are LZMA-coded.
std::string Counting(size_t size)
{
    std::string text;
    for (int i = 0; text.size() < size; ++i)
        text += "line " + std::to_string(i) + "\n";
    text.resize(size);
    return text;
}

constexpr int kBlock = 4096;

class PakTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        files = {
            {"Menu/Main.LUA", "print('main')\n"},
            {"menu/zz.txt", "last"},
            {"a.txt", "first"},
            {"empty.bin", ""},
            {"Sounds/noise.raw", Noise(3 * kBlock + 123, 7)},
            {"texts/Counting.txt", Counting(5 * kBlock + 77)},
            {"deep/er/still/name with spaces.dat", Noise(kBlock, 99) + Counting(kBlock)},
        };
        for (auto const& file : files)
            source.Write(file.first, file.second);
        pak = folder / "test.pak";
        ASSERT_TRUE(Pack(source.path, pak, kBlock));
        Vfs::Initialize();
    }
    void TearDown() override { Vfs::Shutdown(); }

    TempFolder source;
    TempFolder folder;
    std::string pak;
    std::map<std::string, std::string> files;
};

} // namespace

TEST_F(PakTest, EveryEntryReadsBackByteForByte)
{
    ASSERT_NE(MountPak(pak, "", 0), nullptr);
    for (auto const& file : files) {
        SmartPtr<File> entry(OpenFile(file.first.c_str()));
        ASSERT_TRUE(entry) << file.first;
        EXPECT_EQ(entry->GetLength(), static_cast<int>(file.second.size())) << file.first;
        // Odd piece sizes make reads straddle block boundaries.
        EXPECT_EQ(ReadAll(*entry, 1000), file.second) << file.first;
        EXPECT_EQ(entry->Read(nullptr, 10), 0);
    }
}

TEST_F(PakTest, NamesMatchWithoutRegardToCase)
{
    ASSERT_NE(MountPak(pak, "Data/", 0), nullptr);
    SmartPtr<File> file(OpenFile("DATA/MENU/MAIN.lua"));
    ASSERT_TRUE(file);
    EXPECT_EQ(ReadAll(*file), "print('main')\n");
    EXPECT_FALSE(OpenFile("data/menu/main.lu"));
    EXPECT_FALSE(OpenFile("Menu/Main.LUA")) << "outside the mount point";
}

TEST_F(PakTest, SeeksBackwardsAndAcrossBlocks)
{
    PakMount* mount = MountPak(pak, "", 0);
    ASSERT_NE(mount, nullptr);
    for (char const* name : {"texts/Counting.txt", "Sounds/noise.raw"}) {
        std::string const& expected = files[name];
        SmartPtr<File> file(OpenFile(name));
        ASSERT_TRUE(file);
        // Where the container's next block begins, counted from the entry's start.
        int const boundary = static_cast<int>(kBlock - mount->FindFile(name)->dataOffset % kBlock);
        struct Step {
            int at, bytes;
        } const steps[] = {
            {boundary + 100, 100},            // inside one block
            {boundary + 50, 10},              // backwards within it: from what was read
            {boundary + 150, 200},            // forwards past what was read so far
            {boundary + kBlock - 10, 20},     // across into the next block
            {boundary + 2 * kBlock + 5, 50},  // skipping a block
            {1, 2 * kBlock},                  // back to the entry's start, spanning blocks
            {boundary, 2 * kBlock},           // whole blocks, decoded into the caller's buffer
            {boundary + kBlock + 7, 30},      // back into one of them
            {boundary + kBlock - 20, kBlock + 40}, // a block's end, a whole block, the next one's start
        };
        for (Step const& step : steps) {
            ASSERT_TRUE(file->Seek(step.at, SeekableStream::FromStart));
            std::string got(static_cast<size_t>(step.bytes), '\0');
            ASSERT_EQ(file->Read(&got[0], step.bytes), step.bytes) << name << " at " << step.at;
            EXPECT_EQ(got, expected.substr(static_cast<size_t>(step.at), static_cast<size_t>(step.bytes)))
                << name << " at " << step.at;
            EXPECT_EQ(file->Tell(), step.at + step.bytes);
        }
    }
}

TEST_F(PakTest, EntrySeeksClampAndCloseForgetsTheEntry)
{
    ASSERT_NE(MountPak(pak, "", 0), nullptr);
    SmartPtr<File> file(OpenFile("a.txt"));
    ASSERT_TRUE(file);
    EXPECT_TRUE(file->Seek(-5, SeekableStream::FromStart));
    EXPECT_EQ(file->Tell(), 0);
    EXPECT_TRUE(file->Seek(10, SeekableStream::FromEnd));
    EXPECT_EQ(file->Tell(), 5);
    char byte;
    EXPECT_EQ(file->Read(&byte, 1), 0);
    EXPECT_TRUE(file->Seek(-2, SeekableStream::FromCurrent));
    EXPECT_TRUE(file->Seek(0, static_cast<SeekableStream::SeekMode>(9)));
    EXPECT_EQ(file->Tell(), 3);
    EXPECT_EQ(file->Write("x", 1), 0);
    EXPECT_FALSE(file->OpenNew("a.txt"));
    EXPECT_EQ(file->GetLastError(), 1);

    SmartPtr<File> empty(OpenFile("EMPTY.bin"));
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->GetLength(), 0);
    EXPECT_EQ(empty->Read(&byte, 1), 0);

    auto* entry = static_cast<VirtualFile*>(file.Get());
    EXPECT_TRUE(entry->Close());
    EXPECT_EQ(file->GetLength(), -1);
    EXPECT_EQ(file->Read(&byte, 1), 0);
    EXPECT_FALSE(file->Seek(0, SeekableStream::FromStart));
    EXPECT_TRUE(*file);
}

TEST_F(PakTest, AnOpenEntryKeepsItsArchiveAlive)
{
    ASSERT_NE(MountPak(pak, "", 0), nullptr);
    SmartPtr<File> file(OpenFile("texts/Counting.txt"));
    Vfs::Shutdown();
    ASSERT_TRUE(file);
    EXPECT_EQ(ReadAll(*file), files["texts/Counting.txt"]);
    Vfs::Initialize();
}

TEST_F(PakTest, ArchivesAreReadOnlyAndFallThroughToFolders)
{
    TempFolder writable;
    MountNative(writable.path + "/", "", 0);
    ASSERT_NE(MountPak(pak, "", VfsMount::FallThrough), nullptr);
    EXPECT_EQ(ReadAll(*SmartPtr<File>(OpenFile("a.txt"))), "first");

    SmartPtr<File> made(VfsCreateFile("a.txt"));
    ASSERT_TRUE(made) << "created in the older folder mount";
    made->Write("new", 3);
    made.Release();
    EXPECT_EQ(writable.Read("a.txt"), "new");
    EXPECT_EQ(ReadAll(*SmartPtr<File>(OpenFile("a.txt"))), "first") << "the archive is still asked first";
}

TEST_F(PakTest, MissingArchivesMountNothing)
{
    EXPECT_EQ(MountPak(folder / "absent.pak", "", 0), nullptr);
    EXPECT_EQ(Vfs::GetStaticData()->FindMount("x", nullptr), nullptr);
}

TEST_F(PakTest, BareArchiveNamesAreFoundAmongTheResources)
{
    setenv("QUORVEL_RESOURCES", folder.path.c_str(), 1);
    ASSERT_NE(MountPak("test.pak", "", 0), nullptr);
    EXPECT_TRUE(SmartPtr<File>(OpenFile("a.txt")));
    // Shipped files follow the host's case rules.
    EXPECT_EQ(MountPak("TEST.pak", "", 0), nullptr);
}

TEST_F(PakTest, TwoThreadsReadOneArchive)
{
    ASSERT_NE(MountPak(pak, "", 0), nullptr);
    char const* names[] = {"texts/Counting.txt", "Sounds/noise.raw"};
    SmartPtr<File> opened[] = {SmartPtr<File>(OpenFile(names[0])), SmartPtr<File>(OpenFile(names[1]))};
    std::string results[2];
    auto reader = [&](int which) {
        for (int round = 0; round < 20; ++round) {
            opened[which]->Seek(0, SeekableStream::FromStart);
            std::string all = ReadAll(*opened[which], 333 + which * 111);
            if (round == 0 || all != results[which])
                results[which] = round == 0 ? all : "differs in round " + std::to_string(round);
        }
    };
    std::thread first(reader, 0);
    std::thread second(reader, 1);
    first.join();
    second.join();
    EXPECT_EQ(results[0], files[names[0]]);
    EXPECT_EQ(results[1], files[names[1]]);
}

TEST_F(PakTest, ReadingAheadGivesTheSameBytesInAnyOrder)
{
    PakMount* mount = MountPak(pak, "", 0);
    ASSERT_NE(mount, nullptr);
    EXPECT_EQ(FindPak(pak), mount);
    EXPECT_EQ(FindPak(folder / "other.pak"), nullptr);
    {
        PakReadAhead ahead(mount);
        // Backwards through the archive, so that the reader keeps passing
        // the worker and the worker keeps following it.
        for (auto file = files.rbegin(); file != files.rend(); ++file) {
            SmartPtr<File> entry(OpenFile(file->first.c_str()));
            ASSERT_TRUE(entry) << file->first;
            EXPECT_EQ(ReadAll(*entry, 1000), file->second) << file->first;
        }
        SmartPtr<File> counting(OpenFile("texts/Counting.txt"));
        ASSERT_TRUE(counting->Seek(kBlock + 10, SeekableStream::FromStart));
        std::string piece(2 * kBlock, '\0');
        ASSERT_EQ(counting->Read(&piece[0], 2 * kBlock), 2 * kBlock);
        EXPECT_EQ(piece, files["texts/Counting.txt"].substr(kBlock + 10, 2 * kBlock));
    }
    SmartPtr<File> after(OpenFile("Sounds/noise.raw"));
    EXPECT_EQ(ReadAll(*after), files["Sounds/noise.raw"]) << "once stopped, the archive reads as before";
}

TEST_F(PakTest, EveryBlockIsDecodedAheadOrLeftToTheReader)
{
    CompressedFile container;
    ASSERT_TRUE(container.OpenExisting(pak.c_str()));
    int const count = container.GetBlockCount();
    ASSERT_GT(count, 8);
    BlockReadAhead ahead(pak.c_str());
    ASSERT_TRUE(ahead.IsRunning());
    std::vector<unsigned char> expected(kBlock);
    for (int block = count - 1; block >= 0; --block) {
        ASSERT_EQ(container.ReadBlock(block, expected.data()), kBlock);
        if (unsigned char const* decoded = ahead.DecodedBlock(block))
            EXPECT_EQ(std::memcmp(decoded, expected.data(), kBlock), 0) << "block " << block;
        else
            EXPECT_EQ(ahead.DecodedBlock(block), nullptr) << "block " << block << " is the reader's from now on";
    }
    EXPECT_EQ(ahead.DecodedBlock(-1), nullptr);
    EXPECT_EQ(ahead.DecodedBlock(count), nullptr);
    EXPECT_EQ(container.ReadBlock(count, expected.data()), -1);
    EXPECT_FALSE(BlockReadAhead((folder / "missing.pak").c_str()).IsRunning());
}

TEST_F(PakTest, TheListingNamesEveryEntryOnceALine)
{
    std::string listing;
    ASSERT_EQ(List(pak, listing), 0);
    std::vector<std::string> listed;
    for (size_t start = 0, end; (end = listing.find('\n', start)) != std::string::npos; start = end + 1)
        listed.push_back(listing.substr(start, end - start));
    std::vector<std::string> expected;
    for (auto const& file : files)
        expected.push_back(file.first);
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, expected);
}

TEST(Packer, ListingRefusesWhatIsNotAnArchive)
{
    TempFolder folder;
    folder.Write("text.pak", "not an archive at all");
    std::string listing;
    EXPECT_EQ(List(folder / "text.pak", listing), 1);
    EXPECT_EQ(List(folder / "missing.pak", listing), 1);
    EXPECT_EQ(listing, "");
}

TEST(Packer, RefusesNamesThatDifferOnlyByCase)
{
    TempFolder source;
    TempFolder out;
    source.Write("Readme.txt", "a");
    source.Write("README.txt", "b");
    EXPECT_FALSE(Pack(source.path, out / "x.pak"));
    EXPECT_FALSE(Pack(source / "no-such-folder", out / "y.pak"));
}

TEST(Packer, AnEmptyFolderMakesAnEmptyArchive)
{
    TempFolder source;
    TempFolder out;
    ASSERT_TRUE(Pack(source.path, out / "empty.pak"));
    Vfs::Initialize();
    PakMount* mount = MountPak(out / "empty.pak", "", 0);
    ASSERT_NE(mount, nullptr);
    EXPECT_EQ(mount->FindFile(""), nullptr);
    EXPECT_EQ(OpenFile("anything"), nullptr);
    Vfs::Shutdown();
}

TEST(Packer, StoresTablesRawOrCodedWhicheverIsSmaller)
{
    TempFolder source;
    TempFolder out;
    std::string const big = Counting(300000);
    source.Write("big.txt", big);
    ASSERT_TRUE(Pack(source.path, out / "default.pak"));
    ASSERT_TRUE(Pack(source.path, out / "small-blocks.pak", 64));
    // The header's table size is negative for a raw table.
    EXPECT_LT(static_cast<int32_t>(Norv::DecodeLittleEndian32(reinterpret_cast<unsigned char const*>(out.Read("default.pak").data() + 8))), 0);
    EXPECT_GT(static_cast<int32_t>(Norv::DecodeLittleEndian32(reinterpret_cast<unsigned char const*>(out.Read("small-blocks.pak").data() + 8))), 0);
    for (char const* name : {"default.pak", "small-blocks.pak"}) {
        CompressedFile container;
        ASSERT_TRUE(container.OpenExisting((out / name).c_str())) << name;
        EXPECT_GE(container.GetLength(), 300000);
        Vfs::Initialize();
        ASSERT_NE(MountPak(out / name, "", 0), nullptr);
        EXPECT_EQ(ReadAll(*SmartPtr<File>(OpenFile("BIG.TXT"))), big) << name;
        Vfs::Shutdown();
    }
}
