// A fresh host folder mounted at the root of the virtual file system for
// one test, removed with everything in it.
#pragma once

#include "norv/vfs/Vfs.h"
#include "tests/support/TempFolder.h"

#include <string>

#include <gtest/gtest.h>

class MountedFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Norv::Vfs::Initialize();
        ASSERT_NE(Norv::MountNative(temp.path + "/", "", 0), nullptr);
    }
    void TearDown() override { Norv::Vfs::Shutdown(); }

    std::string Path(char const* name) const { return temp / name; }
    void Write(char const* name, std::string const& bytes) const { temp.Write(name, bytes); }
    std::string ReadHostFile(char const* name) const { return temp.Read(name); }

    TempFolder temp;
};
