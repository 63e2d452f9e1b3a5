// The framework's text service: key = value files and localised texts from
// the engine's text dictionary.
#include "tests/qrvl/support/FrameworkFixtures.h"

#include "norv/base/TextDict.h"
#include "qrvl/original/framework/FGFileSystem.h"
#include "qrvl/original/framework/FGStringManager.h"

#include <string>

namespace {

class StringManagerTest : public MountedFolderTest {
protected:
    void TearDown() override
    {
        Norv::g_textDict.Release();
        MountedFolderTest::TearDown();
    }

    FGFileSystem files;
    FGStringManager manager;
};

} // namespace

TEST_F(StringManagerTest, KeyValueLinesFillTheTable)
{
    folder.Write("space_text_e.txt", "// a comment = not an entry\n"
                                     "A = 1\n"
                                     "B=two\\nlines\n");
    ASSERT_TRUE(manager.init(files, "space_text_e.txt"));
    ASSERT_EQ(manager.getCount(), 2);
    EXPECT_STREQ(manager.getKey(0).getNativeString(), "A");
    EXPECT_STREQ(manager.getValue(0).getNativeString(), "1");
    EXPECT_STREQ(manager.getValue(1).getNativeString(), "two\nlines");
    EXPECT_EQ(manager.getStrIdx("B"), 1);
    EXPECT_EQ(manager.getStrIdx("C"), -1);
    EXPECT_TRUE(manager.stringExists("A"));
    EXPECT_FALSE(manager.stringExists("a"));
    EXPECT_STREQ(manager.getValue(2).getNativeString(), "");
}

TEST_F(StringManagerTest, LineEndsMarksAndLongLines)
{
    std::string const longValue(600, 'v');
    folder.Write("texts.txt", "\xEF\xBB\xBF"
                              "caf\xC3\xA9 = cr\xC3\xA8me\r\n"
                              "no equals sign\r\n"
                              "  spaced key\t=  = value with = signs  \r"
                              "long = " + longValue + "\n"
                              "BA = same hash as AB\n"
                              "AB = found by its text\n"
                              "last=line without an end");
    ASSERT_TRUE(manager.init(files, "texts.txt"));
    ASSERT_EQ(manager.getCount(), 6);
    EXPECT_STREQ(manager.getKey(0).getNativeString(), "caf\xE9");
    EXPECT_STREQ(manager.getValue(0).getNativeString(), "cr\xE8me");
    EXPECT_EQ(manager.getStrIdx("spaced key"), 1);
    EXPECT_STREQ(manager.getValue(1).getNativeString(), "= value with = signs");
    EXPECT_EQ(manager.getValue(2).getNativeString(), longValue); // never cut or split
    EXPECT_EQ(manager.getStrIdx("AB"), 4);
    EXPECT_STREQ(manager.getValue(5).getNativeString(), "line without an end");

    EXPECT_FALSE(manager.init(files, "missing.txt"));
    EXPECT_EQ(manager.getCount(), 0);
}

TEST_F(StringManagerTest, TextsComeFromTheDictionaryAndStayValid)
{
    EXPECT_STREQ(FGStringManager::getString("S_CURRENCY"), "S_CURRENCY"); // no dictionary yet
    folder.Write("texts/english.xml", "<texts langID='en'><string id='S_YES'>Yes</string></texts>");
    folder.Write("texts/french.xml", "<texts langID='fr'><string id='S_YES'>Oui</string></texts>");
    Norv::g_textDict = new Norv::TextDict;
    ASSERT_TRUE(Norv::g_textDict->LoadStrings("texts/english.xml"));
    char const* yes = FGStringManager::getString("S_YES");
    EXPECT_STREQ(yes, "Yes");
    EXPECT_STREQ(FGStringManager::getString("S_MISSING"), "S_MISSING");
    EXPECT_STREQ(FGStringManager::getFGString("S_YES").getNativeString(), "Yes");

    ASSERT_TRUE(Norv::g_textDict->LoadStrings("texts/french.xml"));
    EXPECT_STREQ(FGStringManager::getString("S_YES"), "Oui");
    EXPECT_STREQ(yes, "Yes"); // a text handed out earlier is still there
    EXPECT_STREQ(FGStringManager::getString(nullptr), "");
    EXPECT_STREQ(FGStringManager::getStringHashed(42), "HASH");
}
