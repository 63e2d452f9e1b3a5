// A fresh host folder mounted at the root of the virtual file system for
// one test, removed with everything in it.
#pragma once

#include "norv/vfs/Vfs.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

class MountedFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/pvrt-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        Norv::Vfs::Initialize();
        ASSERT_NE(Norv::MountNative(folder + "/", "", 0), nullptr);
    }
    void TearDown() override
    {
        Norv::Vfs::Shutdown();
        std::system(("rm -rf '" + folder + "'").c_str());
    }

    std::string Path(char const* name) const { return folder + "/" + name; }
    void Write(char const* name, std::string const& bytes) const
    {
        std::ofstream(Path(name), std::ios::binary) << bytes;
    }
    std::string ReadHostFile(char const* name) const
    {
        std::ifstream in(Path(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::string folder;
};
