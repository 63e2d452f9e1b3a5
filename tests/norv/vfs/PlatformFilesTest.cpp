// Shipped files from the Resources folder and the user's own data folder.
#include "tests/support/TempFolder.h"

#include "norv/base/core/SmartPtr.h"
#include "norv/vfs/Vfs.h"
#include "norv/vfs/posix/PlatformFolders.h"
#include "norv/vfs/posix/ResourceFile.h"
#include "norv/vfs/posix/UserDataFile.h"

#include <unistd.h>

using namespace Norv;

TEST(PlatformFolders, ResourcesSitBesideTheExecutablesFolder)
{
    unsetenv("QUORVEL_RESOURCES");
    char exe[4096] = {};
    ASSERT_GT(readlink("/proc/self/exe", exe, sizeof exe - 1), 0);
    std::string root = exe;
    root = root.substr(0, root.rfind('/'));
    root = root.substr(0, root.rfind('/'));
    EXPECT_EQ(ResourcesFolder(), root + "/Resources");

    setenv("QUORVEL_RESOURCES", "/somewhere/else", 1);
    EXPECT_EQ(ResourcesFolder(), "/somewhere/else");
}

TEST(PlatformFolders, UserDataFolderFollowsXdgThenHome)
{
    setenv("XDG_DATA_HOME", "/xdg", 1);
    EXPECT_EQ(UserDataFolder(), "/xdg");
    setenv("XDG_DATA_HOME", "", 1);
    setenv("HOME", "/home/ünïcode", 1);
    EXPECT_EQ(UserDataFolder(), "/home/ünïcode/.local/share");
    unsetenv("HOME");
    EXPECT_EQ(UserDataFolder(), "");
    SmartPtr<UserDataFile> file(new UserDataFile);
    EXPECT_FALSE(file->OpenNew("Quorvel/x.sav"));
}

TEST(ResourceFile, LooksUpShippedFilesByNameAndType)
{
    TempFolder resources;
    resources.Write("sub/dir/file.png", "png");
    resources.Write("archive.tar.gz", "gz");
    resources.Write("plain.plain", "doubled");
    setenv("QUORVEL_RESOURCES", resources.path.c_str(), 1);

    struct Case {
        char const* name;
        char const* contents;
    } const cases[] = {
        {"sub/dir/file.png", "png"},
        {"archive.tar.gz", "gz"},
        // Without a "." the whole name serves as resource name and type.
        {"plain", "doubled"},
    };
    for (Case const& c : cases) {
        ResourceFile file;
        ASSERT_TRUE(file.OpenExisting(c.name)) << c.name;
        EXPECT_EQ(ReadAll(file), c.contents) << c.name;
    }

    // Anything else is opened by its name as given.
    TempFolder elsewhere;
    elsewhere.Write("loose", "loose");
    ResourceFile file;
    ASSERT_TRUE(file.OpenExisting((elsewhere / "loose").c_str()));
    EXPECT_EQ(ReadAll(file), "loose");
    EXPECT_FALSE(file.OpenExisting("no-such-file.txt"));
}

TEST(UserDataFile, WritesUnderTheDataHomeAndMakesTheGameFolder)
{
    TempFolder home;
    setenv("XDG_DATA_HOME", (home / "data ✓").c_str(), 1);
    Vfs::Initialize();
    MountNative("Quorvel/", "", VfsMount::FallThrough | VfsMount::UserFiles);

    EXPECT_EQ(OpenFile("quorvel.sav"), nullptr) << "reading never creates the folder";
    struct stat info;
    EXPECT_NE(stat((home / "data ✓/Quorvel").c_str(), &info), 0);

    SmartPtr<File> save(VfsCreateFile("quorvel.sav"));
    ASSERT_TRUE(save);
    EXPECT_EQ(save->Write("saved", 5), 5);
    save.Release();
    EXPECT_EQ(home.Read("data ✓/Quorvel/quorvel.sav"), "saved");

    SmartPtr<File> nested(VfsCreateFile("slots/one.sav"));
    ASSERT_TRUE(nested);
    nested.Release();
    EXPECT_EQ(stat((home / "data ✓/Quorvel/slots/one.sav").c_str(), &info), 0);

    SmartPtr<File> again(OpenFile("quorvel.sav"));
    ASSERT_TRUE(again);
    EXPECT_EQ(ReadAll(*again), "saved");
    Vfs::Shutdown();
}

TEST(UserDataFile, ABareNameIsAFileInTheDataHome)
{
    TempFolder home;
    setenv("XDG_DATA_HOME", (home / "fresh").c_str(), 1);
    UserDataFile file;
    ASSERT_TRUE(file.OpenNew("registry.xml"));
    EXPECT_EQ(file.Write("<r/>", 4), 4);
    file.Close();
    EXPECT_EQ(home.Read("fresh/registry.xml"), "<r/>");
}
