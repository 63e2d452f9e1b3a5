// The built Resources folder mounted as the program mounts it, with a
// registry and a text dictionary for the data checks.
#pragma once

#include "norv/base/Registry.h"
#include "norv/base/TextDict.h"
#include "norv/vfs/NativeMount.h"
#include "norv/vfs/Vfs.h"

#include <gtest/gtest.h>

class BuiltResources : public ::testing::Test {
protected:
    void SetUp() override
    {
        Norv::Vfs::Initialize();
        Norv::MountNative(QUORVEL_RESOURCES_DIR "/", "", Norv::VfsMount::FallThrough);
        Norv::g_registry = new Norv::Registry;
    }
    void TearDown() override
    {
        Norv::g_registry.Release();
        Norv::Vfs::Shutdown();
    }

    Norv::TextDict dict;
};
