// The framework's file system: CRC-trailed writes, the integrity check,
// pak archives searched before the virtual file system, and writes that
// fail without losing the previous file.
#include "tests/qrvl/support/FrameworkFixtures.h"
#include "PakWriter.h"

#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/framework/FGFileSystem.h"
#include "qrvl/original/framework/FGPakReader.h"

#include <memory>
#include <sys/stat.h>

namespace {

class FileSystemTest : public MountedFolderTest {
protected:
    bool Put(char const* name, std::string const& body)
    {
        FGData data;
        data.duplicate(reinterpret_cast<unsigned char const*>(body.data()), static_cast<int>(body.size()));
        return files.putFile(name, &data);
    }
    std::string Get(char const* name)
    {
        std::unique_ptr<FGData> data = files.getFile(name);
        if (!data)
            return "<none>";
        return std::string(reinterpret_cast<char const*>(data->getData()), static_cast<size_t>(data->getLength()));
    }
    bool Exists(std::string const& relative)
    {
        struct stat info;
        return stat((folder / relative).c_str(), &info) == 0;
    }

    FGFileSystem files;
};

} // namespace

TEST_F(FileSystemTest, AWrittenFileCarriesTheCrcOfItsBody)
{
    std::string const body = "0123456789";
    ASSERT_TRUE(Put("options.dat", body));
    std::string const written = folder.Read("options.dat");
    ASSERT_EQ(written.size(), 14u);
    EXPECT_EQ(written.substr(0, 10), body);
    // CRC-32 of "0123456789" is 0xA684C7C6, least significant byte first.
    EXPECT_EQ(written.substr(10), "\xC6\xC7\x84\xA6");
    EXPECT_EQ(FGFileSystem::CalculateChecksum(reinterpret_cast<unsigned char const*>("123456789"), 9), 0xCBF43926u);
    EXPECT_EQ(FGFileSystem::CalculateChecksum(nullptr, 0), 0u);

    EXPECT_TRUE(files.CheckFileIntegrity("options.dat"));
    EXPECT_EQ(folder.Read("options.dat"), written);
    EXPECT_FALSE(Exists("options.dat.tmp"));
    EXPECT_EQ(Get("options.dat"), written); // readers read the body from the start
}

TEST_F(FileSystemTest, AnEmptyBodyGetsATrailerButFailsTheCheck)
{
    ASSERT_TRUE(Put("quorvel.sav", ""));
    EXPECT_EQ(folder.Read("quorvel.sav"), std::string(4, '\0'));
    EXPECT_FALSE(files.CheckFileIntegrity("quorvel.sav"));
    EXPECT_TRUE(Exists("quorvel.sav"));
    EXPECT_EQ(folder.Read("quorvel.sav"), "");
}

TEST_F(FileSystemTest, AnyFlippedByteEmptiesTheFileAtTheCheck)
{
    ASSERT_TRUE(Put("highscore.sav", "0123456789"));
    std::string const good = folder.Read("highscore.sav");
    for (size_t i = 0; i < good.size(); ++i) {
        std::string bad = good;
        bad[i] ^= 0x20;
        folder.Write("highscore.sav", bad);
        EXPECT_FALSE(files.CheckFileIntegrity("highscore.sav")) << i;
        EXPECT_TRUE(Exists("highscore.sav")) << i;
        EXPECT_EQ(folder.Read("highscore.sav"), "") << i;
        EXPECT_EQ(folder.Read("highscore.sav.bad"), bad) << i; // the latest damaged bytes
    }
    // An empty file has nothing to keep and leaves the last damaged copy alone.
    std::string const kept = folder.Read("highscore.sav.bad");
    EXPECT_FALSE(files.CheckFileIntegrity("highscore.sav"));
    EXPECT_EQ(folder.Read("highscore.sav.bad"), kept);
}

TEST_F(FileSystemTest, ADamagedFileStaysWholeWhenItsCopyCannotBeWritten)
{
    ASSERT_TRUE(Put("quorvel.sav", "the only game"));
    std::string bad = folder.Read("quorvel.sav");
    bad[0] ^= 0x20;
    folder.Write("quorvel.sav", bad);
    // A folder holds the copy's name: the copy cannot be written.
    ASSERT_EQ(mkdir((folder / "quorvel.sav.bad").c_str(), 0755), 0);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(files.CheckFileIntegrity("quorvel.sav"));
    std::string const reported = testing::internal::GetCapturedStderr();
    EXPECT_EQ(folder.Read("quorvel.sav"), bad);
    EXPECT_EQ(reported.find("kept in"), std::string::npos) << reported;
    EXPECT_NE(reported.find("left as it is"), std::string::npos) << reported;
}

TEST_F(FileSystemTest, MissingAndShortFilesFailTheCheckAndAreCreatedEmpty)
{
    EXPECT_FALSE(files.CheckFileIntegrity("quorvelpnp.sav"));
    EXPECT_TRUE(Exists("quorvelpnp.sav"));
    EXPECT_EQ(folder.Read("quorvelpnp.sav"), "");
    // Empty stays bad, and is not written again (a write would give it a new inode).
    struct stat before = {};
    ASSERT_EQ(stat((folder / "quorvelpnp.sav").c_str(), &before), 0);
    EXPECT_FALSE(files.CheckFileIntegrity("quorvelpnp.sav"));
    struct stat after = {};
    ASSERT_EQ(stat((folder / "quorvelpnp.sav").c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);

    // One body byte is the least a good file holds.
    for (std::string const& shortFile : {std::string("\0", 1), std::string(3, '\0'), std::string(4, '\0')}) {
        folder.Write("short.sav", shortFile);
        EXPECT_FALSE(files.CheckFileIntegrity("short.sav")) << shortFile.size();
    }
    ASSERT_TRUE(Put("one.sav", "x"));
    EXPECT_TRUE(files.CheckFileIntegrity("one.sav"));
}

TEST_F(FileSystemTest, AFailedWriteKeepsThePreviousFile)
{
    ASSERT_TRUE(Put("quorvel.sav", "the previous game"));
    std::string const previous = folder.Read("quorvel.sav");
    // The temporary name is taken by a folder, so no new file can be made.
    ASSERT_EQ(mkdir((folder / "quorvel.sav.tmp").c_str(), 0755), 0);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(Put("quorvel.sav", "a new game"));
    EXPECT_FALSE(Put("quorvel.sav", "a newer game"));
    std::string const reported = testing::internal::GetCapturedStderr();
    EXPECT_EQ(reported.find("quorvel.sav"), reported.rfind("quorvel.sav")) << "reported once: " << reported;
    EXPECT_NE(reported.find("quorvel.sav"), std::string::npos);
    EXPECT_EQ(folder.Read("quorvel.sav"), previous);
    EXPECT_TRUE(files.CheckFileIntegrity("quorvel.sav"));
    EXPECT_FALSE(files.CheckFileIntegrity("quorvel.sav.tmp/x"));
}

TEST_F(FileSystemTest, WithoutAWritableMountNothingIsWritten)
{
    Norv::Vfs::Shutdown();
    Norv::Vfs::Initialize();
    EXPECT_FALSE(Put("options.dat", "body"));
    EXPECT_FALSE(files.putFile("options.dat", nullptr));
    EXPECT_FALSE(Exists("options.dat"));
}

TEST_F(FileSystemTest, APartOfTheDataCanBeWritten)
{
    FGData data;
    data.duplicate(reinterpret_cast<unsigned char const*>("abcdef"), 6);
    EXPECT_TRUE(files.putFile("part.dat", &data, 2, 3));
    EXPECT_EQ(folder.Read("part.dat").substr(0, 3), "cde");
    EXPECT_EQ(folder.Read("part.dat").size(), 7u);
    for (auto [offset, length] : {std::pair{-1, 2}, {0, -1}, {4, 3}, {7, 0}, {2, 0x7FFFFFFF}})
        EXPECT_FALSE(files.putFile("part.dat", &data, offset, length)) << offset << "+" << length;
    EXPECT_EQ(folder.Read("part.dat").substr(0, 3), "cde");
    EXPECT_TRUE(files.putFile("none.dat", nullptr, 0, 0));
    EXPECT_EQ(folder.Read("none.dat"), "");
}

TEST_F(FileSystemTest, PakArchivesAreSearchedBeforeTheFolders)
{
    folder.Write("quorvel.pak", PakFields::Pack({{"board.lyt", "from the archive"}}).Serialize());
    folder.Write("board.lyt", "from the folder, longer");
    folder.Write("only.txt", "only in the folder");
    files.brewSetPrimaryPakName("quorvel.pak");
    files.init();
    EXPECT_EQ(files.getNumPakReaders(), 1);
    EXPECT_EQ(Get("board.lyt"), "from the archive");
    EXPECT_EQ(files.getFileLength("board.lyt"), 16);
    EXPECT_EQ(Get("only.txt"), "only in the folder");
    EXPECT_EQ(files.getFileLength("only.txt"), 18);
    EXPECT_EQ(Get("missing"), "<none>");
    EXPECT_EQ(files.getFileLength("missing"), -1);
    EXPECT_EQ(files.getFileLength(""), -1);
    EXPECT_EQ(files.getFileLength(nullptr), -1);
    EXPECT_TRUE(files.fileExists("board.lyt"));
    EXPECT_FALSE(files.fileExists("missing"));

    FGData small;
    small.init(5);
    EXPECT_EQ(files.getFile("only.txt", &small), nullptr);
    EXPECT_EQ(files.getFile("board.lyt", &small), nullptr);
    FGData room;
    room.init(64);
    EXPECT_EQ(files.getFile("only.txt", &room), &room);
    EXPECT_EQ(room.getLength(), 18);
    EXPECT_EQ(files.getFile("board.lyt", &room), &room);
    EXPECT_EQ(room.getLength(), 16);
    EXPECT_EQ(files.getFile("missing", &room), nullptr);

    EXPECT_EQ(files.removePakReader(FGFileSystem::kPrimaryPakId), 0);
    EXPECT_EQ(Get("board.lyt"), "from the folder, longer");
}

TEST_F(FileSystemTest, AMissingPrimaryPakStillTakesItsSlot)
{
    files.init(); // "res.pak" is not there
    EXPECT_EQ(files.getNumPakReaders(), 1);
    folder.Write("res.txt", "plain");
    EXPECT_EQ(Get("res.txt"), "plain");
}

TEST_F(FileSystemTest, AtMostFivePakReadersAreKeptInOrder)
{
    for (int id = 1; id <= 5; ++id) {
        std::string const name = "p" + std::to_string(id) + ".pak";
        PakFields const fields = PakFields::Pack({{"shared", "from " + name}, {"own" + std::to_string(id), "own"}});
        folder.Write(name, fields.Serialize());
        auto reader = std::make_unique<FGPakReader>();
        ASSERT_TRUE(reader->init(name.c_str()));
        EXPECT_TRUE(files.addPakReader(std::move(reader), id));
    }
    EXPECT_FALSE(files.addPakReader(std::make_unique<FGPakReader>(), 6));
    EXPECT_EQ(files.getNumPakReaders(), 5);
    EXPECT_EQ(Get("shared"), "from p1.pak");
    EXPECT_EQ(files.removePakReader(42), 5); // unknown ids change nothing
    EXPECT_EQ(files.removePakReader(1), 4);
    EXPECT_EQ(Get("shared"), "from p2.pak");
    EXPECT_EQ(files.removePakReader(3), 3);
    EXPECT_EQ(Get("own4"), "own");
    EXPECT_EQ(Get("own3"), "<none>");
    EXPECT_TRUE(files.brewVerifySaveSpace(0));
}

TEST_F(FileSystemTest, AnEntryThatCannotBeDecodedFallsThroughToTheFolders)
{
    PakFields fields = PakFields::Pack({{"board.lyt", "from the archive"}});
    fields.records[0].size = 3; // the entry decodes to another size
    folder.Write("quorvel.pak", fields.Serialize());
    folder.Write("board.lyt", "from the folder");
    files.brewSetPrimaryPakName("quorvel.pak");
    files.init();
    EXPECT_EQ(Get("board.lyt"), "from the folder");
}

TEST_F(FileSystemTest, SavesGoToTheUsersDataFolderMadeOnTheFirstWrite)
{
    setenv("XDG_DATA_HOME", (folder / "data home").c_str(), 1);
    Norv::MountNative("Quorvel/", "", Norv::VfsMount::FallThrough | Norv::VfsMount::UserFiles);
    EXPECT_FALSE(files.CheckFileIntegrity("quorvelparty.sav")); // the first run makes it empty
    EXPECT_EQ(folder.Read("data home/Quorvel/quorvelparty.sav"), "");
    ASSERT_TRUE(Put("quorvelparty.sav", "a party"));
    EXPECT_TRUE(files.CheckFileIntegrity("quorvelparty.sav"));
    EXPECT_EQ(folder.Read("data home/Quorvel/quorvelparty.sav").substr(0, 7), "a party");
    EXPECT_FALSE(Exists("data home/Quorvel/quorvelparty.sav.tmp"));
    unsetenv("XDG_DATA_HOME");
}
