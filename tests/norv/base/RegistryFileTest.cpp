// registry.xml: writing a subtree, reading it back and saving safely.
#include "norv/base/Registry.h"

#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempFolder.h"
#include "norv/vfs/NativeMount.h"
#include "norv/vfs/Vfs.h"

#include <gtest/gtest.h>


namespace {

using Norv::NarrowString;
using Norv::Registry;
using Norv::RegistryKey;

std::string ReadFixture(char const* name)
{
    std::ifstream in(std::string(NORV_TEST_SOURCE_DIR) + "/data/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The user's data folder in a fresh temporary folder, mounted as the game
// mounts it.
class RegistryFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("XDG_DATA_HOME", folder.path.c_str(), 1);
        Norv::Vfs::Initialize();
        Norv::MountNative("Quorvel/", "", Norv::VfsMount::FallThrough | Norv::VfsMount::UserFiles);
    }
    void TearDown() override
    {
        Norv::Vfs::Shutdown();
        unsetenv("XDG_DATA_HOME");
    }

    static void FillSettings(Registry& registry)
    {
        registry.Set("/qrvl/settings/SfxVolume", -80);
        registry.Set("/qrvl/settings/OsLanguage", "fr");
        registry.Set("/qrvl/settings/MusicVolume", 65);
        registry.Set("/qrvl/settings/Language", "en-GB");
        registry.Set("/qrvl/settings/Escaped", "a<b & \"c\"\r");
        registry.Set("/qrvl/settings/Huge", 1e30f);
        registry.Set("/qrvl/settings/flags/Windowed", false);
        registry.Set("/qrvl/settings/flags/Fullscreen", true);
        registry.Set("/qrvl/settings/audio/Negative", -0.0625f);
        registry.Set("/qrvl/settings/audio/Mix", 0.5f);
        registry.GetNode("/qrvl/settings/nothing", false, true);
        registry.Set("/qrvl/other/NotSaved", 1);
    }

    TempFolder folder;
};

TEST_F(RegistryFile, SaveMatchesTheGoldenFileAndReadsBack)
{
    Registry registry;
    FillSettings(registry);
    ASSERT_TRUE(registry.Save("registry.xml", "/qrvl/settings"));
    std::string const golden = ReadFixture("registry-settings.xml");
    EXPECT_EQ(folder.Read("Quorvel/registry.xml"), golden);

    Registry loaded;
    ASSERT_TRUE(loaded.Load("registry.xml", false, ""));
    NarrowString s;
    int i = 0;
    float f = 0;
    bool b = true;
    EXPECT_TRUE(loaded.Get("/qrvl/settings/Escaped", s));
    EXPECT_EQ(s, "a<b & \"c\"\r");
    EXPECT_TRUE(loaded.Get("/qrvl/settings/SfxVolume", i));
    EXPECT_EQ(i, -80);
    EXPECT_TRUE(loaded.Get("/qrvl/settings/audio/Negative", f));
    EXPECT_EQ(f, -0.0625f);
    EXPECT_TRUE(loaded.Get("/qrvl/settings/Huge", f));
    EXPECT_EQ(f, 1e30f);
    EXPECT_TRUE(loaded.Get("/qrvl/settings/flags/Windowed", b));
    EXPECT_FALSE(b);
    EXPECT_FALSE(loaded.Get("/qrvl/other/NotSaved", i));
    EXPECT_EQ(loaded.Save("/qrvl/settings"), golden);

    Registry elsewhere;
    ASSERT_TRUE(elsewhere.Load("registry.xml", false, "/copy"));
    EXPECT_TRUE(elsewhere.Get("/copy/audio/Mix", f));
    EXPECT_EQ(f, 0.5f);
    EXPECT_FALSE(elsewhere.Get("/qrvl/settings/SfxVolume", i));
}

TEST_F(RegistryFile, SavingAMissingNodeMakesNoFile)
{
    Registry registry;
    folder.Write("Quorvel/registry.xml", "older");
    EXPECT_FALSE(registry.Save("registry.xml", "/qrvl/settings"));
    EXPECT_FALSE(registry.Save("registry.xml", ""));
    EXPECT_EQ(folder.Read("Quorvel/registry.xml"), "older");
    EXPECT_EQ(registry.Save("/qrvl/settings"), "");
    EXPECT_EQ(registry.GetNode("/qrvl", false, false), nullptr);
}

TEST_F(RegistryFile, AFailedWriteLeavesThePreviousFileWhole)
{
    Registry registry;
    FillSettings(registry);
    ASSERT_TRUE(registry.Save("registry.xml", "/qrvl/settings"));
    std::string const previous = folder.Read("Quorvel/registry.xml");

    // One write that fails part way, and one that fails only when the
    // buffered bytes are flushed as the file closes.
    for (size_t length : {size_t(200000), size_t(1500)}) {
        registry.Set("/qrvl/settings/Long", NarrowString(length, 'x'));
        {
            FileSizeLimit const limit(1000);
            EXPECT_FALSE(registry.Save("registry.xml", "/qrvl/settings")) << length;
        }
        EXPECT_EQ(folder.Read("Quorvel/registry.xml"), previous) << length;
    }
    ASSERT_TRUE(registry.Save("registry.xml", "/qrvl/settings"));
    EXPECT_NE(folder.Read("Quorvel/registry.xml"), previous);
}

TEST_F(RegistryFile, LoadingWithCallbacksAndRetyping)
{
    folder.Write("Quorvel/registry.xml", ReadFixture("registry-settings.xml"));
    Registry registry;
    registry.Set("/qrvl/settings/SfxVolume", "loud");
    registry.Set("/qrvl/settings/Kept", 3);
    std::vector<std::string> calls;
    auto note = [](void* user, NarrowString const& path, RegistryKey*) {
        static_cast<std::vector<std::string>*>(user)->push_back(path);
    };
    NORV_REGISTER_CALLBACK(&registry, "/qrvl/settings", note, &calls);
    calls.clear();

    ASSERT_TRUE(registry.Load("registry.xml", true, ""));
    EXPECT_EQ(calls.size(), 10u);
    EXPECT_EQ(calls.front(), "/qrvl/settings/Escaped");
    EXPECT_EQ(calls.back(), "/qrvl/settings/flags/Windowed");
    EXPECT_EQ(registry.GetKey("/qrvl/settings/SfxVolume", false)->GetType(), RegistryKey::TypeInt);
    int i = 0;
    EXPECT_TRUE(registry.Get("/qrvl/settings/Kept", i));
    EXPECT_EQ(i, 3);
}

TEST_F(RegistryFile, MalformedFilesFailAndChangeNothing)
{
    struct Case {
        char const* text;
        bool loads;
    };
    Case const cases[] = {
        {"", false},
        {"<registry>", false},
        {"<settings><node name='/a'/></settings>", false},
        {"<registry><key name='k' type='int'>1</key></registry>", false},
        {"<registry><node name='relative'/></registry>", false},
        {"<registry><node/></registry>", false},
        {"<registry><node name='/a'><key type='int'>1</key><key name='n'>1</key>"
         "<key name='s/lash' type='int'>1</key><node><key name='x' type='int'>1</key></node></node></registry>",
         true},
        {"<registry><node name='/a'><key name='bad' type='int'>one</key><key name='odd' type='colour'>red</key>"
         "<key name='no' type='bool'>yes</key><key name='f' type='float'>x</key></node></registry>",
         true},
    };
    for (Case const& c : cases) {
        folder.Write("Quorvel/registry.xml", c.text);
        Registry registry;
        registry.Set("/a/bad", 5);
        EXPECT_EQ(registry.Load("registry.xml", false, ""), c.loads) << c.text;
        int i = 0;
        EXPECT_TRUE(registry.Get("/a/bad", i)) << c.text;
        EXPECT_EQ(i, 5) << c.text;
        EXPECT_EQ(registry.GetKey("/a/n", false), nullptr) << c.text;
        EXPECT_EQ(registry.GetKey("/a/x", false), nullptr) << c.text;
        bool b;
        EXPECT_FALSE(registry.Get("/a/no", b));
        EXPECT_FALSE(registry.Get("/a/odd", b));
    }
    Registry registry;
    EXPECT_FALSE(registry.Load("missing.xml", false, ""));
}

TEST_F(RegistryFile, DeeplyNestedFilesAreReadToALimit)
{
    auto nested = [](int levels) {
        std::string text = "<registry><node name='/deep'>";
        for (int i = 0; i < levels; ++i)
            text += "<node name='n'><key name='k' type='int'>1</key>";
        for (int i = 0; i < levels; ++i)
            text += "</node>";
        return text + "</node></registry>";
    };
    // Deeper than the registry's paths, within what the XML reader takes.
    folder.Write("Quorvel/registry.xml", nested(200));
    Registry registry;
    EXPECT_TRUE(registry.Load("registry.xml", false, ""));
    EXPECT_NE(registry.Save("/deep"), "");
    // Deeper than that, the file is refused whole.
    folder.Write("Quorvel/registry.xml", nested(5000));
    Registry refused;
    EXPECT_FALSE(refused.Load("registry.xml", false, ""));
}

} // namespace
