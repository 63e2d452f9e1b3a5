// The registry tree: paths, typed keys, protected keys and callbacks.
#include "norv/base/Registry.h"
#include "norv/base/RegistryKeyProtected.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Norv::NarrowString;
using Norv::Registry;
using Norv::RegistryKey;

// Records each call as "name:path".
struct Recorder {
    std::vector<std::string> calls;
    static void Note(void* user, NarrowString const& path, RegistryKey*)
    {
        static_cast<Recorder*>(user)->calls.push_back(path);
    }
};

TEST(Registry, PathsThatNameKeys)
{
    Registry registry;
    struct Case {
        std::string path;
        bool accepted;
    };
    Case const cases[] = {
        {"", false},
        {"a/b", false},
        {"/", false},
        {"/a", false},      // no key directly under the root
        {"/a/b/", false},   // empty key name
        {"/a/b/c", true},
        {"/a//b/k", true},  // k in b under the empty-named child of a
        {"/" + std::string(253, 'x') + "/k", true},
        {"/" + std::string(5000, 'x') + "/k", true},
    };
    for (Case const& c : cases)
        EXPECT_EQ(registry.Set(c.path, 1), c.accepted) << c.path;

    EXPECT_NE(registry.GetNode("/a/b", false, false), nullptr);
    EXPECT_NE(registry.GetNode("/a/b/", false, false), nullptr);
    Norv::RegistryNode* unnamed = registry.GetNode("/a/", false, false)->GetChild("", false);
    ASSERT_NE(unnamed, nullptr);
    EXPECT_EQ(registry.GetNode("/a//b", false, false), unnamed->GetChild("b", false));
    EXPECT_NE(registry.GetKey("/a/b/c", false), nullptr);
    EXPECT_EQ(registry.GetNode("/a/x", false, false), nullptr);
    EXPECT_EQ(registry.GetNode("/a/x", false, false), nullptr); // a look-up makes nothing
    EXPECT_EQ(registry.GetNode("/a", false, false), registry.GetNode("/a/b", true, false));
    EXPECT_EQ(registry.GetNode("/a", true, false), nullptr);

    std::string deep;
    for (int i = 0; i < 1000; ++i)
        deep += "/n";
    EXPECT_FALSE(registry.Set(deep + "/k", 1));
    EXPECT_EQ(registry.GetNode("/n", false, false), nullptr); // refused whole, nothing made
}

TEST(Registry, KeysRetypeAndGetAnswersOnlyInTheirType)
{
    Registry registry;
    ASSERT_TRUE(registry.Set("/a/b", 1));
    EXPECT_EQ(registry.GetKey("/a/b", false)->GetType(), RegistryKey::TypeInt);
    ASSERT_TRUE(registry.Set("/a/b", 2.5f));
    EXPECT_EQ(registry.GetKey("/a/b", false)->GetType(), RegistryKey::TypeFloat);

    float f = 0;
    EXPECT_TRUE(registry.Get("/a/b", f));
    EXPECT_EQ(f, 2.5f);
    int i = 7;
    EXPECT_FALSE(registry.Get("/a/b", i));
    EXPECT_EQ(i, 7);
    EXPECT_FALSE(registry.Get("/a/missing", i));
    EXPECT_EQ(i, 7);

    ASSERT_TRUE(registry.Set("/a/s", "text"));
    NarrowString s;
    EXPECT_TRUE(registry.Get("/a/s", s));
    EXPECT_EQ(s, "text");
    bool b = false;
    EXPECT_FALSE(registry.Get("/a/s", b));
    ASSERT_TRUE(registry.Set("/a/s", true));
    EXPECT_TRUE(registry.Get("/a/s", b));
    EXPECT_TRUE(b);

    // A key made without a value (as an unknown type word in a file leaves
    // it) answers nothing.
    ASSERT_NE(registry.GetKey("/a/empty", true), nullptr);
    EXPECT_FALSE(registry.Get("/a/empty", b));
}

class ReadOnlyNumber : public Norv::RegistryKeyProtectedInt {
public:
    Norv::Any GetData() const override { return 42; }
};

TEST(Registry, ProtectedKeysRefuseAndCallNoCallback)
{
    Registry registry;
    registry.GetNode("/machine", false, true)->keys["answer"] = std::make_unique<ReadOnlyNumber>();
    Recorder recorder;
    NORV_REGISTER_CALLBACK(&registry, "/machine", &Recorder::Note, &recorder);

    EXPECT_FALSE(registry.Set("/machine/answer", 1));
    EXPECT_FALSE(registry.Set("/machine/answer", "x"));
    int value = 0;
    EXPECT_TRUE(registry.Get("/machine/answer", value));
    EXPECT_EQ(value, 42);
    EXPECT_EQ(registry.GetKey("/machine/answer", false)->GetType(), RegistryKey::TypeInt);
    EXPECT_TRUE(recorder.calls.empty());

    EXPECT_TRUE(registry.Set("/machine/extra", 1));
    EXPECT_EQ(recorder.calls, std::vector<std::string>{"/machine/extra"});
}

TEST(Registry, CallbacksMatchPathPrefixesInRegistrationOrder)
{
    Registry registry;
    Recorder settings, exact, bc, other;
    NORV_REGISTER_CALLBACK(&registry, "/qrvl/settings", &Recorder::Note, &settings);
    NORV_REGISTER_CALLBACK(&registry, "/a/b", &Recorder::Note, &bc);
    NORV_REGISTER_CALLBACK(&registry, "/qrvl/settings/SfxVolume", &Recorder::Note, &exact);
    NORV_REGISTER_CALLBACK(&registry, "/other", &Recorder::Note, &other);
    EXPECT_NE(registry.GetCallbacks()[0].description.find("RegistryTest.cpp: "), NarrowString::npos);

    registry.Set("/qrvl/settings/SfxVolume", 5);
    registry.Set("/qrvl/settings/SfxVolume", 5); // the same value calls again
    registry.Set("/qrvl/settings/MusicVolume", 5);
    registry.Set("/a/bc/d", 1);
    registry.Set("/a/b/c", 1);
    EXPECT_EQ(settings.calls, (std::vector<std::string>{"/qrvl/settings/SfxVolume", "/qrvl/settings/SfxVolume",
                                                        "/qrvl/settings/MusicVolume"}));
    EXPECT_EQ(exact.calls.size(), 2u);
    EXPECT_EQ(bc.calls, (std::vector<std::string>{"/a/bc/d", "/a/b/c"}));
    EXPECT_TRUE(other.calls.empty());
}

TEST(Registry, DuplicateRecordsAndRemoval)
{
    Registry registry;
    std::vector<int> order;
    auto first = [](void* user, NarrowString const&, RegistryKey*) { static_cast<std::vector<int>*>(user)->push_back(1); };
    auto second = [](void* user, NarrowString const&, RegistryKey*) { static_cast<std::vector<int>*>(user)->push_back(2); };
    NORV_REGISTER_CALLBACK(&registry, "/x", first, &order);
    NORV_REGISTER_CALLBACK(&registry, "/x", second, &order);
    NORV_REGISTER_CALLBACK(&registry, "/x", first, &order);
    registry.Set("/x/k", 1);
    EXPECT_EQ(order, (std::vector<int>{1, 2, 1}));

    EXPECT_TRUE(registry.RemoveCallback("/x", first, &order));
    EXPECT_FALSE(registry.RemoveCallback("/x/", second, &order)); // the path must be equal
    EXPECT_FALSE(registry.RemoveCallback("/x", second, nullptr));
    order.clear();
    registry.Set("/x/k", 1);
    EXPECT_EQ(order, (std::vector<int>{2, 1}));
}

// A callback that changes the list it is called from, and sets keys.
struct Meddler {
    Registry* registry;
    Recorder* victim;
    Recorder added;
    int calls = 0;
    static void Call(void* user, NarrowString const& path, RegistryKey*)
    {
        auto* self = static_cast<Meddler*>(user);
        ++self->calls;
        if (path != "/m/k")
            return;
        self->registry->RemoveCallback("/m", &Meddler::Call, self);
        self->registry->RemoveCallback("/m", &Recorder::Note, self->victim);
        NORV_REGISTER_CALLBACK(self->registry, "/m", &Recorder::Note, &self->added);
        self->registry->Set("/m/nested", 1);
    }
};

TEST(Registry, CallbacksMayChangeTheListWhileRunning)
{
    Registry registry;
    Recorder before, victim;
    Meddler meddler{&registry, &victim, {}, 0};
    NORV_REGISTER_CALLBACK(&registry, "/m", &Recorder::Note, &before);
    NORV_REGISTER_CALLBACK(&registry, "/m", &Meddler::Call, &meddler);
    NORV_REGISTER_CALLBACK(&registry, "/m", &Recorder::Note, &victim);

    registry.Set("/m/k", 1);
    // The nested Set ran with the list as changed: the removed records were
    // skipped and the new one called.
    EXPECT_EQ(before.calls, (std::vector<std::string>{"/m/k", "/m/nested"}));
    EXPECT_TRUE(victim.calls.empty());
    EXPECT_EQ(meddler.added.calls, std::vector<std::string>{"/m/nested"});
    EXPECT_EQ(meddler.calls, 1);
    EXPECT_EQ(registry.GetCallbacks().size(), 2u);

    registry.Set("/m/k", 2);
    EXPECT_EQ(meddler.calls, 1);
    EXPECT_EQ(meddler.added.calls.size(), 2u);
}

} // namespace
