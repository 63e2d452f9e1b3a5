// Test fixtures of the framework's file formats, written byte by byte so a
// test can make any field lie, and a folder mounted in the virtual file
// system for the files to live in.
#pragma once

#include "tests/support/TempFolder.h"

#include "norv/vfs/Vfs.h"

#include <cstdint>
#include <string>

// Big-endian fields of the framework's data streams.
struct StreamBytes {
    std::string bytes;

    StreamBytes& Int(int32_t value)
    {
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes += static_cast<char>(static_cast<uint32_t>(value) >> shift);
        return *this;
    }
    StreamBytes& Bool(bool value)
    {
        bytes += value ? '\1' : '\0';
        return *this;
    }
    StreamBytes& Raw(std::string const& raw)
    {
        bytes += raw;
        return *this;
    }
    StreamBytes& Utf(std::string const& text)
    {
        return Int(static_cast<int32_t>(text.size())).Raw(text);
    }
};

// A temporary folder mounted as the root of the virtual file system, where
// files can also be created.
class MountedFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Norv::Vfs::Initialize();
        Norv::MountNative((folder.path + "/").c_str(), "", Norv::VfsMount::FallThrough);
    }
    void TearDown() override { Norv::Vfs::Shutdown(); }

    TempFolder folder;
};
