// Host files and in-memory files.
#include "tests/support/TempFolder.h"

#include "norv/base/core/SmartPtr.h"
#include "norv/vfs/CachedFile.h"
#include "norv/vfs/Vfs.h"
#include "norv/vfs/posix/PosixFile.h"

#include <cstring>

using namespace Norv;

TEST(PosixFile, WritesReadsAndSeeks)
{
    TempFolder folder;
    std::string const path = folder / "a.bin";
    {
        PosixFile file;
        ASSERT_TRUE(file.OpenNew(path.c_str()));
        EXPECT_EQ(file.Write("hello world", 11), 11);
    }
    EXPECT_EQ(folder.Read("a.bin"), "hello world");

    PosixFile file;
    ASSERT_TRUE(file.OpenExisting(path.c_str()));
    ASSERT_TRUE(file.Seek(6, SeekableStream::FromStart));
    EXPECT_EQ(file.GetLength(), 11);
    EXPECT_EQ(file.Tell(), 6) << "measuring the length keeps the position";
    EXPECT_FALSE(file.Seek(0, static_cast<SeekableStream::SeekMode>(3)));
    EXPECT_EQ(file.Tell(), 6);
    char word[8] = {};
    EXPECT_EQ(file.Read(word, 8), 5);
    EXPECT_STREQ(word, "world");
    EXPECT_EQ(file.Read(word, -1), 0);
    EXPECT_EQ(file.GetLastError(), 1);
    EXPECT_EQ(file.GetPspState(), 0);

    g_vfsAccess = false;
    EXPECT_TRUE(file.Close());
    EXPECT_TRUE(g_vfsAccess);
    EXPECT_FALSE(file);
    EXPECT_EQ(file.Read(word, 1), 0);
    EXPECT_FALSE(file.Seek(0, SeekableStream::FromStart));
    EXPECT_EQ(file.GetLength(), 0);
    EXPECT_FALSE(file.OpenExisting((folder / "missing").c_str()));
}

TEST(CachedFile, ReadsACopyOrABorrowedBuffer)
{
    char borrowed[100];
    std::memset(borrowed, 'b', sizeof borrowed);
    {
        CachedFile file(borrowed, sizeof borrowed, false);
        ASSERT_TRUE(file);
        char buffer[60];
        EXPECT_EQ(file.Read(buffer, 60), 60);
        EXPECT_EQ(file.Read(buffer, 60), 40);
        EXPECT_TRUE(file.Seek(10, SeekableStream::FromEnd));
        EXPECT_EQ(file.Tell(), 110) << "seeks are not clamped";
        EXPECT_EQ(file.Read(buffer, 1), 0);
        EXPECT_TRUE(file.Seek(-5, SeekableStream::FromStart));
        EXPECT_EQ(file.Read(buffer, 1), 0);
        EXPECT_FALSE(file.Seek(0, static_cast<SeekableStream::SeekMode>(7)));
        EXPECT_EQ(file.Write("x", 1), 0);
        EXPECT_TRUE(file.Close());
        EXPECT_FALSE(file);
        EXPECT_EQ(file.GetLength(), 0);
    }
    EXPECT_EQ(borrowed[0], 'b');
    EXPECT_EQ(borrowed[99], 'b');

    std::string source = "copied";
    CachedFile copy(source.data(), static_cast<unsigned>(source.size()), true);
    source = "------";
    EXPECT_EQ(ReadAll(copy), "copied");
    EXPECT_EQ(copy.GetLastError(), 1);

    CachedFile tooLarge(borrowed, 0x80000000u, false);
    EXPECT_FALSE(tooLarge);
    EXPECT_EQ(tooLarge.GetLength(), 0);
}

TEST(CachedFile, CachesAWholeFileFromTheMounts)
{
    TempFolder folder;
    folder.Write("data.txt", "line one\nline two\n");
    Vfs::Initialize();
    MountNative(folder.path + "/", "", 0);

    SmartPtr<CachedFile> cached(CacheFile("data.txt"));
    ASSERT_TRUE(*cached);
    EXPECT_EQ(cached->GetLength(), 18);
    NarrowString line;
    EXPECT_TRUE(cached->ReadLine(line));
    EXPECT_EQ(line, "line one");

    SmartPtr<CachedFile> missing(CacheFile("absent.txt"));
    ASSERT_TRUE(missing);
    EXPECT_FALSE(*missing);
    EXPECT_EQ(missing->GetLength(), 0);

    CachedFile created;
    EXPECT_FALSE(created.OpenNew("x"));
    EXPECT_FALSE(created);
    Vfs::Shutdown();
}
