// The journal: entries of the journal events with their parameters, the
// texts and pictures of an entry, and the journal block of saved files.
#include "TextsFixture.h"

#include "qrvl/original/rules/CareerCard.h"
#include "qrvl/original/rules/Car.h"
#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/framework/FGDataReader.h"
#include "qrvl/original/framework/FGDataWriter.h"
#include "qrvl/original/rules/Player.h"
#include "tests/qrvl/support/FrameworkFixtures.h"

#include <memory>

namespace {

using JournalTest = TextsTest;

unsigned hashOf(const char* name)
{
    return PlayerJournal::hashName(name);
}

std::unique_ptr<FGData> dataOf(const std::string& bytes)
{
    auto data = std::make_unique<FGData>();
    data->duplicate(reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<int>(bytes.size()));
    return data;
}

} // namespace

TEST_F(JournalTest, ANewPlayersJournalWelcomesThePlayerByName)
{
    Car car;
    Player player;
    player.init(3, "Ann", 1, false, false, &car, 1);
    player.CreateJournal();
    auto* journal = dynamic_cast<CJournal*>(player.getJournal());
    ASSERT_NE(journal, nullptr);
    ASSERT_EQ(journal->getEntryCount(), 1);
    EXPECT_EQ(journal->getEntryId(0), hashOf("je_introduction"));
    EXPECT_EQ(journal->GetEntryDescription(0), "Welcome, Ann!");
    EXPECT_EQ(journal->GetEntryTitle(0), "");
    EXPECT_EQ(journal->GetEntryBorder(0), "menu/gfx/JNL_MONEY_BDR.png@linear");
}

TEST_F(JournalTest, EntriesTakeTheirParametersByKind)
{
    CJournal journal("Ann", 1, 3);
    journal.AddEntry(hashOf("je_earnings"), 4, 5, 1234567);
    journal.AddEntry(hashOf("je_career_start"), 11, 5, 99);
    journal.AddEntry(hashOf("je_college"), 11, 5, 99);
    journal.AddEntry(hashOf("je_starter_home"), 11, 2, 99);
    journal.AddEntry(hashOf("je_the_end"), 0, 0, 0);

    EXPECT_EQ(journal.GetEntryDescription(0), "Ann retired with $1,234,567.");
    EXPECT_EQ(journal.GetEntryDescription(1), "Ann became a doctor.");
    // A conversion other than %s stays as it stands and takes no argument.
    EXPECT_EQ(journal.GetEntryDescription(2), "Ann went to college with %d friends, .");
    EXPECT_EQ(journal.GetEntryDescription(4), "");

    EXPECT_EQ(journal.GetEntryPicture(1), "menu/gfx/JNL_doctor.png@linear");
    EXPECT_EQ(journal.GetEntryPicture(2), "menu/gfx/JNL_Off2College.png@linear");
    EXPECT_EQ(journal.GetEntryPicture(3), "menu/gfx/JNL_log_cabin.png@linear");
    EXPECT_EQ(journal.GetEntryPicture(4), "");
    EXPECT_EQ(journal.GetEntryTitle(4), "S_JNL_TITLE_THE_END");
}

TEST_F(JournalTest, EveryEventIsRegisteredAndTheEndComesLast)
{
    CJournal journal("Ann", 1, 3);
    journal.AddAllEntries();
    ASSERT_EQ(journal.getEntryCount(), 34);
    for (int i = 0; i < 34; ++i)
        EXPECT_NE(journal.GetEntryEvent(i), nullptr) << i;
    EXPECT_EQ(journal.getEntryId(33), hashOf("je_the_end"));
}

TEST_F(JournalTest, ASavedJournalLoadsTheSameAndUnknownEventsAsZeros)
{
    CJournal journal("Ann", 1, 3);
    journal.AddEntry(hashOf("je_introduction"), 0, 0, 0);
    journal.AddEntry(hashOf("je_earnings"), 0, 0, 777000);
    journal.AddEntry(hashOf("je_not_an_event"), 1, 2, 3);
    FGDataWriter writer;
    writer.init();
    journal.Save(&writer);
    std::unique_ptr<FGData> data = writer.getData();

    StreamBytes expected;
    expected.Int(3).Int(static_cast<int>(hashOf("je_introduction"))).Int(0).Int(0);
    expected.Int(static_cast<int>(hashOf("je_earnings"))).Int(0).Int(777000).Int(0).Int(0).Int(0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(data->getData()), data->getLength()), expected.bytes);

    CJournal loaded("Ann", 1, 3);
    FGDataReader reader;
    reader.init(data.get());
    ASSERT_TRUE(loaded.Load(&reader));
    ASSERT_EQ(loaded.getEntryCount(), 3);
    EXPECT_EQ(loaded.GetEntryDescription(1), "Ann retired with $777,000.");
    EXPECT_EQ(loaded.GetEntryEvent(2), nullptr);
    EXPECT_EQ(loaded.GetEntryTitle(2), "");
    EXPECT_EQ(loaded.GetEntryPicture(2), "");
}

TEST_F(JournalTest, MalformedJournalBlocksAreRefused)
{
    const int earnings = static_cast<int>(hashOf("je_earnings"));
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty", ""},
        {"negative count", StreamBytes().Int(-1).bytes},
        {"count beyond the bytes", StreamBytes().Int(1000000).Int(earnings).Int(0).Int(0).bytes},
        {"last entry cut short", StreamBytes().Int(2).Int(earnings).Int(0).Int(5).Int(earnings).Int(0).bytes},
    };
    for (const Case& test : cases) {
        std::unique_ptr<FGData> data = dataOf(test.bytes);
        FGDataReader reader;
        reader.init(data.get());
        CJournal journal("Ann", 1, 3);
        EXPECT_FALSE(journal.Load(&reader)) << test.what;
        EXPECT_EQ(journal.getEntryCount(), 0) << test.what;
    }
}
