// Name resolution through native mounts: order, fall-through, mount points,
// names kept inside the folder, and the host files a mount reads and writes.
#include "tests/support/TempFolder.h"

#include "norv/base/core/SmartPtr.h"
#include "norv/vfs/NativeMount.h"
#include "norv/vfs/Vfs.h"

#include <sys/stat.h>
#include <unistd.h>

using namespace Norv;

namespace {

// Two host folders, "old" mounted first and "new" on top of it.
class MountTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.Write("old/shared.txt", "old shared");
        folder.Write("old/only-old.txt", "only old");
        folder.Write("new/shared.txt", "new shared");
        Vfs::Initialize();
    }
    void TearDown() override { Vfs::Shutdown(); }

    std::string Contents(char const* name)
    {
        SmartPtr<File> file(OpenFile(name));
        return file ? ReadAll(*file) : "<none>";
    }
    bool OnDisk(std::string const& relative)
    {
        struct stat info;
        return stat((folder / relative).c_str(), &info) == 0;
    }

    TempFolder folder;
};

} // namespace

TEST_F(MountTest, NewestMountWinsAndFallThroughReachesOlderOnes)
{
    MountNative(folder / "old/", "", 0);
    NativeMount* newer = MountNative(folder / "new/", "", VfsMount::FallThrough);
    ASSERT_NE(newer, nullptr);
    EXPECT_EQ(Contents("shared.txt"), "new shared");
    EXPECT_EQ(Contents("only-old.txt"), "only old");
    EXPECT_EQ(Contents("nowhere.txt"), "<none>");

    ASSERT_TRUE(Umount(newer));
    EXPECT_EQ(Contents("shared.txt"), "old shared");
}

TEST_F(MountTest, WithoutFallThroughTheSearchStops)
{
    MountNative(folder / "old/", "", VfsMount::FallThrough);
    MountNative(folder / "new/", "", 0);
    EXPECT_EQ(Contents("shared.txt"), "new shared");
    EXPECT_EQ(Contents("only-old.txt"), "<none>");
}

TEST_F(MountTest, MountPointsArePlainCaseBlindPrefixes)
{
    MountNative(folder / "old/", "Menu/", 0);
    EXPECT_EQ(Contents("MENU/shared.txt"), "old shared");
    EXPECT_EQ(Contents("menu/only-old.txt"), "only old");
    EXPECT_EQ(Contents("shared.txt"), "<none>") << "no mount point matches";

    // "data" also matches "database.txt": the mount is asked for "base.txt".
    folder.Write("new/base.txt", "base");
    MountNative(folder / "new/", "data", 0);
    EXPECT_EQ(Contents("DATAbase.txt"), "base");
}

TEST_F(MountTest, MatchingSkipsMountsOfOtherPoints)
{
    MountNative(folder / "old/", "", 0);
    MountNative(folder / "new/", "other/", VfsMount::FallThrough);
    MountNative(folder / "new/", "", VfsMount::FallThrough);
    EXPECT_EQ(Contents("only-old.txt"), "only old");
}

TEST_F(MountTest, LongRootsAndNamesAreKeptWhole)
{
    std::string const deep = std::string(70, 'r') + "/" + std::string(80, 's');
    folder.Write(deep + "/" + std::string(60, 'n') + ".txt", "deep");
    MountNative(folder / (std::string(70, 'r') + "/"), "", 0);
    EXPECT_EQ(Contents((std::string(80, 's') + "/" + std::string(60, 'n') + ".txt").c_str()), "deep");
}

TEST_F(MountTest, NothingResolvesWithoutTheMountList)
{
    Vfs::Shutdown();
    EXPECT_EQ(OpenFile("shared.txt"), nullptr);
    EXPECT_EQ(VfsCreateFile("shared.txt"), nullptr);
    EXPECT_EQ(MountNative(folder / "old/", "", 0), nullptr);
    EXPECT_EQ(OpenFile(nullptr), nullptr);
}

TEST_F(MountTest, CreatesFilesInTheNewestWritableMount)
{
    MountNative(folder / "old/", "", 0);
    MountNative(folder / "missing-folder/", "", VfsMount::FallThrough);
    SmartPtr<File> file(VfsCreateFile("made.txt"));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->Write("made", 4), 4);
    file.Release();
    EXPECT_EQ(folder.Read("old/made.txt"), "made");
}

TEST_F(MountTest, ReplacingWritesTheNewestMountThatWritesFiles)
{
    MountNative(folder / "old/", "", 0);
    MountNative(folder / "new/", "", VfsMount::FallThrough | VfsMount::ReadOnly);
    EXPECT_TRUE(VfsReplaceFile("shared.txt", "replaced", 8));
    EXPECT_EQ(folder.Read("old/shared.txt"), "replaced");
    EXPECT_EQ(folder.Read("new/shared.txt"), "new shared");
    EXPECT_FALSE(OnDisk("old/shared.txt.tmp"));
    EXPECT_TRUE(VfsReplaceFile("empty.txt", nullptr, 0));
    EXPECT_EQ(folder.Read("old/empty.txt"), "");
    SmartPtr<File> created(VfsCreateFile("created.txt"));
    EXPECT_TRUE(created);
    EXPECT_TRUE(OnDisk("old/created.txt"));

    // A mount that writes files but fails keeps the write: it never falls
    // through to an older folder.
    MountNative(folder / "missing-folder/", "", VfsMount::FallThrough);
    EXPECT_FALSE(VfsReplaceFile("shared.txt", "lost", 4));
    EXPECT_EQ(folder.Read("old/shared.txt"), "replaced");
    EXPECT_FALSE(VfsReplaceFile(nullptr, "x", 1));
    EXPECT_FALSE(VfsReplaceFile("shared.txt", "x", -1));
}

TEST_F(MountTest, NamesThatLeadOutOfTheFolderAreRefused)
{
    folder.Write("outside.txt", "outside");
    MountNative(folder / "old/", "", VfsMount::FallThrough);
    EXPECT_EQ(Contents("../outside.txt"), "<none>");
    EXPECT_EQ(Contents("sub/../../outside.txt"), "<none>");
    EXPECT_EQ(Contents(("/" + folder.path + "/outside.txt").c_str()), "<none>");
    EXPECT_EQ(Contents((folder / "outside.txt").c_str()), "<none>");
    EXPECT_FALSE(VfsReplaceFile("../outside.txt", "overwritten", 11));
    EXPECT_EQ(VfsCreateFile("../made.txt"), nullptr);
    EXPECT_EQ(folder.Read("outside.txt"), "outside");
    EXPECT_FALSE(OnDisk("made.txt"));
    // Dots that are part of a name are no way out.
    folder.Write("old/..hidden..", "dots");
    folder.Write("old/a..b/c", "dotted folder");
    EXPECT_EQ(Contents("..hidden.."), "dots");
    EXPECT_EQ(Contents("a..b/c"), "dotted folder");
    EXPECT_EQ(Contents("./shared.txt"), "old shared");

    for (char const* name : {"..", "../", "a/..", "a/../b", "/etc/hostname", "/"})
        EXPECT_FALSE(NativeMount::IsInsideRoot(name)) << name;
    for (char const* name : {"a", "a/b", "...", "a.../b", ".x/y", "a//b"})
        EXPECT_TRUE(NativeMount::IsInsideRoot(name)) << name;
}

TEST_F(MountTest, AMountServingListedNamesLeavesOthersToOlderMounts)
{
    MountNative(folder / "old/", "", VfsMount::FallThrough);
    NativeMount* newer = MountNative(folder / "new/", "", VfsMount::FallThrough);
    folder.Write("new/only-old.txt", "planted");
    folder.Write("new/only-new.txt", "planted as well");
    newer->ServeOnly({"shared.txt", "written.txt"});
    EXPECT_EQ(Contents("shared.txt"), "new shared");
    EXPECT_EQ(Contents("only-old.txt"), "only old");
    EXPECT_EQ(Contents("only-new.txt"), "<none>");
    EXPECT_TRUE(VfsReplaceFile("written.txt", "written", 7));
    EXPECT_EQ(folder.Read("new/written.txt"), "written");
    // An unlisted name is written to the older folder, never to this one.
    EXPECT_TRUE(VfsReplaceFile("other.txt", "other", 5));
    EXPECT_EQ(folder.Read("old/other.txt"), "other");
    EXPECT_FALSE(OnDisk("new/other.txt"));
}

TEST_F(MountTest, OnlyRegularFilesAreRead)
{
    MountNative(folder / "old/", "", VfsMount::FallThrough);
    ASSERT_EQ(mkfifo((folder / "old/fifo.sav").c_str(), 0644), 0);
    ASSERT_EQ(symlink("/dev/zero", (folder / "old/device.sav").c_str()), 0);
    testing::internal::CaptureStderr();
    // Neither blocks nor reads for ever; both are left where they are.
    EXPECT_EQ(Contents("fifo.sav"), "<none>");
    EXPECT_EQ(Contents("device.sav"), "<none>");
    EXPECT_FALSE(VfsReplaceFile("fifo.sav", "x", 1));
    std::string const reported = testing::internal::GetCapturedStderr();
    EXPECT_NE(reported.find("fifo.sav\" is not a regular file"), std::string::npos) << reported;
    struct stat info;
    ASSERT_EQ(lstat((folder / "old/fifo.sav").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    ASSERT_EQ(lstat((folder / "old/device.sav").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
}

TEST_F(MountTest, APlantedTemporaryIsNeverWrittenThrough)
{
    MountNative(folder / "old/", "", VfsMount::FallThrough);
    folder.Write("target.txt", "not the game's");
    ASSERT_EQ(symlink((folder / "target.txt").c_str(), (folder / "old/registry.xml.tmp").c_str()), 0);
    EXPECT_TRUE(VfsReplaceFile("registry.xml", "<registry/>", 11));
    EXPECT_EQ(folder.Read("target.txt"), "not the game's");
    EXPECT_EQ(folder.Read("old/registry.xml"), "<registry/>");
    struct stat info;
    ASSERT_EQ(lstat((folder / "old/registry.xml").c_str(), &info), 0);
    EXPECT_TRUE(S_ISREG(info.st_mode));
    EXPECT_FALSE(OnDisk("old/registry.xml.tmp"));
}
