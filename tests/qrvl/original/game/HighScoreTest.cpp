// The high-score table: its default rows, where a result enters, the
// journal that moves into its row, and "highscore.sav" written, read back
// and refused when malformed.
#include "TextsFixture.h"

#include "qrvl/original/rules/Car.h"
#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/framework/FGFileSystem.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/phone/journal/HighScoreManager.h"
#include "tests/qrvl/support/FrameworkFixtures.h"

#include <ctime>
#include <memory>

namespace {

class HighScoreTest : public TextsTest {
protected:
    std::string FileBytes() const { return folder.Read(HighScoreManager::kFileName); }
    // Writes a body with a correct trailer, as the game's own writer does.
    void PutBody(const std::string& body)
    {
        FGData data;
        data.duplicate(reinterpret_cast<const unsigned char*>(body.data()), static_cast<int>(body.size()));
        ASSERT_TRUE(files.putFile(HighScoreManager::kFileName, &data));
    }
    std::vector<int> Scores(HighScoreManager& table)
    {
        std::vector<int> scores;
        for (int i = 0; i < HighScoreManager::kEntries; ++i)
            scores.push_back(table.GetEntry(i).GetScore());
        return scores;
    }

    FGFileSystem files;
};

const std::vector<int> kDefaultScores = {100000, 95000, 90000, 85000, 80000, 75000, 70000, 65000, 60000, 55000};

// A row as the file holds it.
std::string row(const std::string& name, int character, int colour, int score, bool journal)
{
    std::string bytes = name;
    bytes.resize(8, '\0');
    bytes += static_cast<char>(character);
    bytes += static_cast<char>(colour);
    return StreamBytes().Raw(bytes).Int(score).Raw(std::string("\x01\x00\x07\xE9", 4)).Bool(journal).bytes;
}

} // namespace

TEST_F(HighScoreTest, TheFirstStartWritesTheDefaultTable)
{
    HighScoreManager first;
    first.Init(&files);
    ASSERT_FALSE(FileBytes().empty());

    HighScoreManager table;
    table.Init(&files);
    EXPECT_EQ(Scores(table), kDefaultScores);
    const char* const names[] = {"Bob", "Rachel", "S_PLYR_", "S_PLYR_", "S_PLYR_",
                                 "S_PLYR_", "S_PLYR_", "S_PLYR_", "Charlot", "S_PLYR_"};
    for (int i = 0; i < HighScoreManager::kEntries; ++i) {
        const HighScoreEntry& entry = table.GetEntry(i);
        EXPECT_STREQ(entry.GetName(), names[i]) << i;
        EXPECT_EQ(entry.GetCharacter(), static_cast<unsigned>(i));
        EXPECT_EQ(entry.GetColour(), static_cast<unsigned>(i % 6));
        EXPECT_EQ(entry.GetDay() + entry.GetMonth() + entry.GetYear(), 0);
        EXPECT_EQ(entry.GetJournal(), nullptr);
    }
}

TEST_F(HighScoreTest, AResultEntersBelowTheRowsItDoesNotBeat)
{
    Car car;
    Player player;
    player.init(2, "Zed", 0, false, false, &car, 7);
    struct Case {
        int score;
        bool enters;
        int row;
    };
    for (Case test : {Case{55000, false, -1}, Case{55001, true, 9}, Case{90000, true, 3}, Case{100001, true, 0}}) {
        HighScoreManager table;
        table.SetDefaultData();
        EXPECT_EQ(table.CheckHighScore(test.score, &player), test.enters) << test.score;
        std::vector<int> expected = kDefaultScores;
        if (test.enters) {
            expected.insert(expected.begin() + test.row, test.score);
            expected.pop_back();
            EXPECT_STREQ(table.GetEntry(test.row).GetName(), "Zed");
            EXPECT_EQ(table.GetEntry(test.row).GetColour(), 2u);
            EXPECT_EQ(table.GetEntry(test.row).GetCharacter(), 7u);
        }
        EXPECT_EQ(Scores(table), expected) << test.score;
    }
}

TEST_F(HighScoreTest, TheWinnersJournalMovesIntoTheTableAndIsSavedWithIt)
{
    Car car;
    Player player;
    player.init(4, "Ann", 1, false, false, &car, 1);
    player.CreateJournal();
    player.getJournal()->addEntry(PlayerJournal::hashName("je_earnings"), &player);

    HighScoreManager table;
    table.Init(&files);
    ASSERT_TRUE(table.CheckHighScore(250000, &player));
    EXPECT_EQ(player.getJournal(), nullptr);
    std::time_t now = std::time(nullptr);
    std::tm today {};
    localtime_r(&now, &today);
    const HighScoreEntry& best = table.GetEntry(0);
    EXPECT_EQ(best.GetMonth(), today.tm_mon);
    EXPECT_EQ(best.GetYear(), today.tm_year + 1900);
    ASSERT_NE(best.GetJournal(), nullptr);
    EXPECT_EQ(best.GetJournal()->GetMonth(), today.tm_mon);
    ASSERT_TRUE(table.Save());

    HighScoreManager again;
    again.Init(&files);
    EXPECT_EQ(again.GetEntry(0).GetScore(), 250000);
    EXPECT_STREQ(again.GetEntry(0).GetName(), "Ann");
    const CJournal* journal = again.GetEntry(0).GetJournal();
    ASSERT_NE(journal, nullptr);
    ASSERT_EQ(journal->getEntryCount(), 2);
    EXPECT_EQ(journal->GetEntryDescription(0), "Welcome, Ann!");
    EXPECT_EQ(journal->GetDay(), best.GetDay());
    EXPECT_EQ(again.GetEntry(1).GetScore(), 100000);
    EXPECT_EQ(again.GetEntry(1).GetJournal(), nullptr);
}

TEST_F(HighScoreTest, MalformedFilesGiveTheDefaultTableWrittenAgain)
{
    std::string goodRows;
    for (int i = 0; i < HighScoreManager::kEntries; ++i)
        goodRows += row("Pat", 1, 1, 300000 - i, false);
    const std::string good = StreamBytes().Int(2).Raw(goodRows).bytes;
    struct Case {
        const char* what;
        std::string body;
        bool trailer;
    };
    const Case cases[] = {
        {"empty file", "", false},
        {"no trailer", good, false},
        {"another version", StreamBytes().Int(3).Raw(goodRows).bytes, true},
        {"rows cut short", good.substr(0, good.size() - 7), true},
        {"version only", StreamBytes().Int(2).bytes, true},
        {"journal count beyond the file", StreamBytes().Int(2).Raw(row("Pat", 1, 1, 5, true)).Int(1000000).bytes,
         true},
        {"journal cut short", StreamBytes().Int(2).Raw(row("Pat", 1, 1, 5, true)).Int(1).Int(7).bytes, true},
    };
    for (const Case& test : cases) {
        if (test.trailer)
            PutBody(test.body);
        else
            folder.Write(HighScoreManager::kFileName, test.body);
        HighScoreManager table;
        table.Init(&files);
        EXPECT_EQ(Scores(table), kDefaultScores) << test.what;
        HighScoreManager reread;
        EXPECT_TRUE((reread.Init(&files), Scores(reread) == kDefaultScores)) << test.what;
    }

    // A flipped byte in a good file is found by its trailer.
    PutBody(good);
    HighScoreManager table;
    table.Init(&files);
    EXPECT_EQ(table.GetEntry(0).GetScore(), 300000);
    std::string file = FileBytes();
    file[20] ^= 0x40;
    folder.Write(HighScoreManager::kFileName, file);
    HighScoreManager flipped;
    flipped.Init(&files);
    EXPECT_EQ(Scores(flipped), kDefaultScores);
}
