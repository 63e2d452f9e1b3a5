// Ownership rules of SmartPtr, WeakPtr and Any.
#include "norv/base/core/Any.h"
#include "norv/base/core/NarrowString.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/WeakPtr.h"

#include <gtest/gtest.h>

namespace {

using Norv::Any;
using Norv::SmartPtr;
using Norv::WeakPtr;

struct Tracked : Norv::RefCounter, Norv::WeakRefCounter {
    explicit Tracked(int* deaths) : deaths(deaths) {}
    ~Tracked() override { ++*deaths; }
    int* deaths;
    SmartPtr<Tracked> owned; // lets a test build an object owned only by another
};

TEST(SmartPtr, LastReferenceDestroysObject)
{
    int deaths = 0;
    Tracked* raw = new Tracked(&deaths);
    EXPECT_EQ(raw->GetRefCount(), 0);
    {
        SmartPtr<Tracked> p(raw);
        EXPECT_EQ(raw->GetRefCount(), 1);
        SmartPtr<Tracked> copy = p;
        EXPECT_EQ(raw->GetRefCount(), 2);
    }
    EXPECT_EQ(deaths, 1);
}

TEST(SmartPtr, SelfAssignmentAndResetToHeldObjectKeepIt)
{
    int deaths = 0;
    SmartPtr<Tracked> p(new Tracked(&deaths));
    SmartPtr<Tracked>& alias = p;
    p = alias;
    p.Reset(p.Get());
    EXPECT_EQ(deaths, 0);
    EXPECT_EQ(p->GetRefCount(), 1);
    p.Release();
    EXPECT_EQ(deaths, 1);
    EXPECT_FALSE(p);
}

TEST(SmartPtr, AssigningObjectOwnedOnlyByTheOldOneKeepsIt)
{
    int deaths = 0;
    SmartPtr<Tracked> p(new Tracked(&deaths));
    p->owned = new Tracked(&deaths);
    p = p->owned; // the old object dies, and with it its only reference to the new one
    EXPECT_EQ(deaths, 1);
    ASSERT_TRUE(p);
    EXPECT_EQ(p->GetRefCount(), 1);
}

TEST(WeakPtr, ReadsNullAfterLastStrongReferenceGoes)
{
    int deaths = 0;
    SmartPtr<Tracked> strong(new Tracked(&deaths));
    WeakPtr<Tracked> weak(strong);
    WeakPtr<Tracked> second(strong);
    EXPECT_EQ(weak.GetRecord(), second.GetRecord());
    EXPECT_EQ(weak.GetRecord()->GetRefCount(), 2);
    EXPECT_EQ(weak.Get(), strong.Get());
    strong.Release();
    EXPECT_EQ(deaths, 1);
    EXPECT_EQ(weak.Get(), nullptr);
    EXPECT_FALSE(second);
}

TEST(WeakPtr, RecordDyingFirstLetsTheObjectMakeAFreshOne)
{
    int deaths = 0;
    SmartPtr<Tracked> strong(new Tracked(&deaths));
    { WeakPtr<Tracked> weak(strong); }
    WeakPtr<Tracked> later(strong);
    EXPECT_EQ(later.GetRecord()->GetRefCount(), 1);
    EXPECT_EQ(later.Get(), strong.Get());
}

TEST(Any, HoldsValuesAndRefusesOtherTypes)
{
    Any value(Norv::NarrowString("text"));
    ASSERT_NE(value.Cast<Norv::NarrowString>(), nullptr);
    EXPECT_EQ(value.Cast<int>(), nullptr);

    value = 7;
    ASSERT_NE(value.Cast<int>(), nullptr);
    EXPECT_EQ(*value.Cast<int>(), 7);
    EXPECT_EQ(value.Cast<Norv::NarrowString>(), nullptr);
    EXPECT_EQ(value.Cast<float>(), nullptr);

    bool const yes = true;
    value = yes;
    EXPECT_EQ(static_cast<int>(*value.Cast<bool>()), 1);
    EXPECT_TRUE(Any().IsEmpty());
}

TEST(Any, CopyingAHeldSmartPtrAddsAReference)
{
    int deaths = 0;
    Any a(SmartPtr<Tracked>(new Tracked(&deaths)));
    Tracked* object = a.Cast<SmartPtr<Tracked>>()->Get();
    EXPECT_EQ(object->GetRefCount(), 1);
    {
        Any b(a);
        Any c;
        c = a;
        EXPECT_EQ(object->GetRefCount(), 3);
    }
    EXPECT_EQ(object->GetRefCount(), 1);
    a = 0;
    EXPECT_EQ(deaths, 1);
}

} // namespace
