// The touch registry's colours: handed out in order, found again from the
// pixel read back, never for a board space's or the ground's colours, and
// not for an entity that is gone.
#include "qrvl/original/phone/world/CEnt.h"
#include "qrvl/original/phone/world/TouchEntMgr.h"

#include <gtest/gtest.h>

namespace {

class TouchEntMgrTest : public testing::Test {
protected:
    void SetUp() override { TouchEntMgr::GetInstance().Clear(); }
    void TearDown() override { TouchEntMgr::GetInstance().Clear(); }

    Norv::SmartPtr<CEntImpl> model {new CEntImpl};
};

TEST_F(TouchEntMgrTest, ColoursCountUpInRedAndFindTheirEntities)
{
    TouchEntMgr& touch = TouchEntMgr::GetInstance();
    Norv::SmartPtr<CEnt> first(new CEnt(*model));
    Norv::SmartPtr<CEnt> second(new CEnt(*model));
    PVRTVec4 const one = touch.RegisterEnt(first.Get());
    PVRTVec4 const two = touch.RegisterEnt(second.Get());
    EXPECT_FLOAT_EQ(one.x * 255.0f, 1.0f);
    EXPECT_FLOAT_EQ(two.x * 255.0f, 2.0f);
    EXPECT_FLOAT_EQ(two.w, 1.0f);
    EXPECT_EQ(touch.GetEnt(one), first.Get());
    EXPECT_EQ(touch.GetEnt(two), second.Get());
    // As read back from 8-bit channels.
    EXPECT_EQ(touch.GetEnt(PVRTVec4(2.0f / 255.0f, 0.0f, 0.0f, 1.0f)), second.Get());
}

TEST_F(TouchEntMgrTest, SpaceGroundAndSkyColoursFindNothing)
{
    TouchEntMgr& touch = TouchEntMgr::GetInstance();
    Norv::SmartPtr<CEnt> entity(new CEnt(*model));
    touch.RegisterEnt(entity.Get());
    struct Case {
        int r, g, b, a;
    };
    for (Case const c : {Case {255, 255, 7, 255}, Case {254, 3, 9, 255}, Case {153, 204, 255, 255}, Case {1, 0, 0, 0},
                         Case {1, 1, 0, 255}, Case {0, 0, 0, 255}})
        EXPECT_EQ(touch.GetEnt(TouchEntMgr::Color {c.r, c.g, c.b, c.a}), nullptr) << c.r << " " << c.g << " " << c.b;
}

TEST_F(TouchEntMgrTest, AGoneEntityIsNotFoundAndClearStartsAgain)
{
    TouchEntMgr& touch = TouchEntMgr::GetInstance();
    PVRTVec4 colour;
    {
        Norv::SmartPtr<CEnt> gone(new CEnt(*model));
        colour = touch.RegisterEnt(gone.Get());
    }
    EXPECT_EQ(touch.GetEnt(colour), nullptr);
    touch.Clear();
    Norv::SmartPtr<CEnt> again(new CEnt(*model));
    EXPECT_FLOAT_EQ(touch.RegisterEnt(again.Get()).x * 255.0f, 1.0f);
}

} // namespace
