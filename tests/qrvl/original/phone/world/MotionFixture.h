// A registry for the tuning values and the skip switch off, around each
// test of the board's motions.
#pragma once

#include "norv/base/Registry.h"
#include "qrvl/original/phone/world/CEnt.h"
#include "qrvl/original/phone/world/CSkipManager.h"

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

// An entity on an empty model: a world matrix at `at` for the camera and
// the car motions to hold.
inline Norv::SmartPtr<CEnt> PlacedEntity(PVRTVec3 const& at = PVRTVec3())
{
    Norv::SmartPtr<CEnt> entity(new CEnt(*new CEntImpl));
    entity->worldMatrix.f[12] = at.x;
    entity->worldMatrix.f[13] = at.y;
    entity->worldMatrix.f[14] = at.z;
    return entity;
}
