// A registry for the tuning values and the skip switch off, around each
// test of the board's motions.
#pragma once

#include "norv/base/Registry.h"
#include "qrvl/original/phone/CSkipManager.h"

#include <gtest/gtest.h>

class MotionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Norv::g_registry = new Norv::Registry;
        CSkipManager::GetSkipManager().Clear();
    }
    void TearDown() override
    {
        CSkipManager::GetSkipManager().Clear();
        Norv::g_registry = nullptr;
    }
};
