// Whole-file reads through the virtual file system and the memory files.
#include "MountedFolder.h"

#include "contrib/pvr/PVRTMemoryFileSystem.h"
#include "contrib/pvr/PVRTResourceFile.h"

#include <string>

#include <gtest/gtest.h>

using ResourceFileTest = MountedFolderTest;

TEST_F(ResourceFileTest, ReadsWholeFilesZeroTerminated)
{
    Write("shader.fsh", "void main() {}");
    CPVRTResourceFile file("shader.fsh");
    ASSERT_TRUE(file.IsOpen());
    EXPECT_FALSE(file.IsMemoryFile());
    EXPECT_EQ(file.Size(), 14u);
    EXPECT_STREQ(file.StringPtr(), "void main() {}");
    file.Close();
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(file.DataPtr(), nullptr);

    Write("empty.txt", "");
    CPVRTResourceFile empty("empty.txt");
    ASSERT_TRUE(empty.IsOpen());
    EXPECT_EQ(empty.Size(), 0u);
    EXPECT_STREQ(empty.StringPtr(), "");

    CPVRTResourceFile missing("missing.pod");
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_EQ(missing.Size(), 0u);
}

TEST_F(ResourceFileTest, ReadPathPrefixesNamesButNotMemoryFiles)
{
    Write("sub-shader.vsh", "prefixed");
    CPVRTResourceFile::SetReadPath("sub-");
    CPVRTResourceFile prefixed("shader.vsh");
    EXPECT_TRUE(prefixed.IsOpen());
    EXPECT_STREQ(CPVRTResourceFile::GetReadPath().c_str(), "sub-");

    static char const kBytes[] = "in memory";
    CPVRTMemoryFileSystem::RegisterMemoryFile("memory-only.txt", kBytes, 9);
    CPVRTResourceFile fromMemory("memory-only.txt");
    CPVRTResourceFile::SetReadPath(nullptr);
    ASSERT_TRUE(fromMemory.IsOpen());
    EXPECT_TRUE(fromMemory.IsMemoryFile());
    EXPECT_EQ(fromMemory.DataPtr(), kBytes);
    EXPECT_STREQ(CPVRTResourceFile::GetReadPath().c_str(), "");
}

TEST_F(ResourceFileTest, ReuseKeepsOneBufferForTheNextReadWhileHeld)
{
    Write("large.bin", std::string(300000, 'L'));
    Write("small.txt", "small");
    Write("larger.bin", std::string(400000, 'G'));
    void const* first = nullptr;
    {
        CPVRTResourceFile::ReuseBuffers reuse;
        {
            CPVRTResourceFile large("large.bin");
            ASSERT_TRUE(large.IsOpen());
            first = large.DataPtr();
        }
        CPVRTResourceFile small("small.txt");
        ASSERT_TRUE(small.IsOpen());
        EXPECT_EQ(small.DataPtr(), first) << "the closed file's buffer";
        EXPECT_STREQ(small.StringPtr(), "small");

        // Open together, or wanting more than the kept buffer: each its own.
        CPVRTResourceFile larger("larger.bin");
        ASSERT_TRUE(larger.IsOpen());
        EXPECT_NE(larger.DataPtr(), first);
        EXPECT_EQ(std::string(larger.StringPtr()), std::string(400000, 'G'));
        CPVRTResourceFile missing("missing.bin");
        EXPECT_FALSE(missing.IsOpen());
    }
    // The kept buffer went with the last holder; reads go on as before.
    CPVRTResourceFile again("small.txt");
    ASSERT_TRUE(again.IsOpen());
    EXPECT_STREQ(again.StringPtr(), "small");
}

TEST(PVRTMemoryFileSystem, RegistersGrowsAndLooksUpInOrder)
{
    int const before = CPVRTMemoryFileSystem::GetNumFiles();
    std::string const base = "grow-" + std::to_string(before) + "-";
    for (int i = 0; i < 11; ++i) {
        std::string const name = base + std::to_string(i);
        CPVRTMemoryFileSystem::RegisterMemoryFile(name.c_str(), name.c_str(), static_cast<unsigned long>(i), true);
    }
    ASSERT_EQ(CPVRTMemoryFileSystem::GetNumFiles(), before + 11);
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(CPVRTMemoryFileSystem::GetFilename(before + i), base + std::to_string(i));
    EXPECT_EQ(CPVRTMemoryFileSystem::GetFilename(before + 11), nullptr);
    EXPECT_EQ(CPVRTMemoryFileSystem::GetFilename(-1), nullptr);

    void const* data = nullptr;
    unsigned long size = 0;
    EXPECT_TRUE(CPVRTMemoryFileSystem::GetFile((base + "3").c_str(), &data, &size));
    EXPECT_EQ(size, 3u);
    EXPECT_EQ(std::string(static_cast<char const*>(data), 3), base.substr(0, 3));
    EXPECT_TRUE(CPVRTMemoryFileSystem::GetFile((base + "4").c_str(), nullptr, nullptr));
    EXPECT_FALSE(CPVRTMemoryFileSystem::GetFile("never registered", &data, &size));
    EXPECT_EQ(size, 3u);
}
