// Money text: digits grouped with the language's separator inside its
// currency pattern.
#include "qrvl/original/phone/text/CLocalise.h"
#include "qrvl/original/framework/GameUtil.h"

#include "tests/support/TempFolder.h"

#include "norv/base/TextDict.h"
#include "norv/vfs/Vfs.h"

#include <climits>

namespace {

// Texts with a dollar pattern and a comma separator, in a mounted folder.
class MoneyTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.Write("texts/english.xml", "<texts langID='en'>"
                                          "<string id='S_CURRENCY'>$\\0</string>"
                                          "<string id='S_1000_SEP'>,</string></texts>");
        folder.Write("texts/german.xml", "<texts langID='de'>"
                                         "<string id='S_CURRENCY'>\\0 \xE2\x82\xAC</string>"
                                         "<string id='S_1000_SEP'>.</string></texts>");
        Norv::Vfs::Initialize();
        Norv::MountNative((folder.path + "/").c_str(), "", Norv::VfsMount::FallThrough);
        Norv::g_textDict = new Norv::TextDict;
        ASSERT_TRUE(Norv::g_textDict->LoadStrings("texts/english.xml"));
        CLocalise::GetLocalise()->SetLanguage(CLocalise::kEnglishUS);
    }
    void TearDown() override
    {
        CLocalise::GetLocalise()->SetLanguage(CLocalise::kEnglishUS);
        Norv::g_textDict.Release();
        Norv::Vfs::Shutdown();
    }

    TempFolder folder;
};

} // namespace

TEST_F(MoneyTest, AmountsAreGroupedInThrees)
{
    struct Case {
        int amount;
        char const* text;
    } const cases[] = {
        {1234567, "$1,234,567"}, {1005, "$1,005"}, {1000, "$1,000"},       {250, "$250"},
        {100, "$100"},           {5, "$05"},       {0, "$0"},              {-20000, "-$20,000"},
        {999999, "$999,999"},    {-7, "-$07"},     {INT_MAX, "$2,147,483,647"}, {INT_MIN, "-$2,147,483,648"},
    };
    for (Case const& c : cases)
        EXPECT_EQ(GameUtil::getMoneyString(c.amount), c.text) << c.amount;
    EXPECT_EQ(GameUtil::getThousandSep(), ",");
}

TEST_F(MoneyTest, FrenchHasNoSeparatorWhateverTheTextsSay)
{
    CLocalise::GetLocalise()->SetLanguage(CLocalise::kFrench);
    EXPECT_EQ(GameUtil::getThousandSep(), "");
    EXPECT_EQ(GameUtil::getMoneyString(1234567), "$1234567");
}

TEST_F(MoneyTest, EachLanguageHasItsOwnPattern)
{
    ASSERT_TRUE(Norv::g_textDict->LoadStrings("texts/german.xml"));
    CLocalise::GetLocalise()->SetLanguage(CLocalise::kGerman);
    EXPECT_EQ(GameUtil::getMoneyString(-25000), "-25.000 \xE2\x82\xAC");
}

TEST_F(MoneyTest, TheBufferIsNeverOverrun)
{
    char buffer[8];
    EXPECT_TRUE(GameUtil::getMoneyString(20000, buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "$20,000");
    EXPECT_FALSE(GameUtil::getMoneyString(-20000, buffer, sizeof buffer));
    EXPECT_STREQ(buffer, "-$20,00");
    EXPECT_FALSE(GameUtil::getMoneyString(5, buffer, 0));
    EXPECT_FALSE(GameUtil::getMoneyString(5, buffer, -1));
}

TEST_F(MoneyTest, WithoutTextsTheIdsStandIn)
{
    Norv::g_textDict.Release();
    EXPECT_EQ(GameUtil::getMoneyString(1500), "S_CURRENCY");
}
