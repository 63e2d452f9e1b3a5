// Name resolution through native mounts: order, fall-through, mount points.
#include "tests/support/TempFolder.h"

#include "norv/base/core/SmartPtr.h"
#include "norv/vfs/NativeMount.h"
#include "norv/vfs/Vfs.h"

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
