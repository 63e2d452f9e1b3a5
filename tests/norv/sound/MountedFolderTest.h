// Tests that read sounds by name from a fresh folder mounted as the whole
// file system.
#pragma once

#include "tests/support/TempFolder.h"

#include "norv/vfs/Vfs.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace SoundTest {

class MountedFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Norv::Vfs::Initialize();
        Norv::MountNative(folder.path + "/", "", 1);
    }
    void TearDown() override { Norv::Vfs::Shutdown(); }

    // Runs a shell command (sox, oggenc) inside the folder.
    void Run(std::string const& command)
    {
        ASSERT_EQ(std::system(("cd '" + folder.path + "' && " + command).c_str()), 0) << command;
    }

    TempFolder folder;
};

} // namespace SoundTest
