// The end of a game on the real engine and mode stack, running the game's
// own scripts: retirement's home, tile and statement, the ranking with its tiles,
// journal entries, high scores and emptied saves, and the journal viewer's
// pages and turns.
#include "tests/qrvl/menu/ScreenProbe.h"
#include "tests/qrvl/menu/ScriptedModesTest.h"
#include "tests/support/Environment.h"
#include "tests/support/TempFolder.h"

#include "guif/ColorText.h"
#include "guif/TextBox.h"
#include "guif/TextLine.h"
#include "qrvl/original/rules/Car.h"
#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/framework/FGFileSystem.h"
#include "qrvl/original/framework/FGModeManager.h"
#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/framework/GameFlowHooks.h"
#include "qrvl/original/rules/HouseCard.h"
#include "qrvl/original/game/InGameFlow.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/rules/PlayerJournal.h"
#include "qrvl/original/rules/QuorvelCard.h"
#include "qrvl/original/framework/QuorvelEngine.h"
#include "qrvl/original/frontend/ModeBranch.h"
#include "qrvl/original/frontend/ModeEndgame.h"
#include "qrvl/original/frontend/ModeJournal.h"
#include "qrvl/original/frontend/ModeRetire.h"
#include "qrvl/original/phone/journal/CJournal.h"
#include "qrvl/original/framework/GameUtil.h"
#include "qrvl/original/phone/journal/HighScoreManager.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using ScreenProbe::Script;
using ScreenProbe::Shown;
using ScreenProbe::Text;

class EndOfGameTest : public ScriptedModesTest {
protected:
    void SetUp() override
    {
        ScriptedModesTest::SetUp();
        HighScoreManager::GetHighScoreManager().SetDefaultData();
        for (int i = 0; i < ModeEndgame::kMaxPlayers; ++i) {
            players[i].init(i, names[i], 0, false, false, &cars[i], i);
            players[i].CreateJournal();
            seats[i] = &players[i];
        }
    }

    void InstallHooks() override
    {
        environment.Set("XDG_DATA_HOME", userData.path);
        GameFlowHooks::Install(new InGameFlow);
        GameFlowHooks::Get().InitJournalData();
    }
    void UninstallHooks() override { GameFlowHooks::Install(nullptr); }

    static std::string Money(int amount) { return GameUtil::getMoneyString(amount); }

    // Pushes the retirement of player 0 and answers the home question.
    ModeRetire* Retire(int home, QuorvelCard** tiles)
    {
        auto* retire = new ModeRetire;
        retire->init(&players[0], nullptr, tiles);
        Push(retire);
        Tick();
        auto* question = dynamic_cast<ModeBranch*>(Top());
        EXPECT_NE(question, nullptr) << "the home is asked first";
        if (question)
            Script(question->GetScreen(), "callback:PathChosen(" + std::to_string(home) + ")");
        Tick();
        EXPECT_EQ(Top(), retire);
        return retire;
    }

    std::vector<unsigned> JournalIds(PlayerJournal const* journal) const
    {
        std::vector<unsigned> ids;
        for (int i = 0; journal && i < journal->getEntryCount(); ++i)
            ids.push_back(journal->getEntryId(i));
        return ids;
    }

    NorvTest::Environment environment;
    TempFolder userData;
    char const* const names[ModeEndgame::kMaxPlayers] = {"Ann", "Ben", "Cat", "Dan", "Eve", "Fay"};
    Car cars[ModeEndgame::kMaxPlayers];
    Player players[ModeEndgame::kMaxPlayers];
    Player* seats[ModeEndgame::kMaxPlayers] = {};
};

TEST_F(EndOfGameTest, TheFirstHomeTakesTheFirstOfTheLargestTilesAndTheSecondHomeNone)
{
    struct Case {
        int home;
        bool tilesLeft;
        bool takes;
    };
    for (Case const c : {Case{0, true, true}, Case{1, true, false}, Case{0, false, false}}) {
        SCOPED_TRACE("home " + std::to_string(c.home) + (c.tilesLeft ? " with tiles" : " without tiles"));
        QuorvelCard first(50000), second(50000), small(10000);
        first.next = &second;
        second.next = &small;
        QuorvelCard* tiles = c.tilesLeft ? &first : nullptr;
        int const before = players[0].getNumQuorvelCards();
        ModeRetire* retire = Retire(c.home, &tiles);
        Run(1100);
        EXPECT_EQ(retire->GetHome(), c.home);
        EXPECT_EQ(retire->GaveTile(), c.takes);
        if (c.takes) {
            EXPECT_EQ(players[0].getQuorvelCards(), &first);
            EXPECT_EQ(tiles, &second);
            EXPECT_EQ(second.next, &small);
        } else {
            EXPECT_EQ(players[0].getNumQuorvelCards(), before);
            EXPECT_EQ(tiles, c.tilesLeft ? &first : nullptr);
        }
        // Tiles on the stack must not stay in the player's hands.
        while (players[0].takeQuorvelCard()) {
        }
        engine->getModeManager()->popMode();
        Tick();
    }
}

TEST_F(EndOfGameTest, TheRetirementWorthCountsCashChildrenTheHousePriceAndLoans)
{
    Player& player = players[0];
    player.transactCash(120000 - player.getCash());
    player.addSpouse();
    player.addChild(0);
    player.addChild(1);
    // The player owns the house from now on.
    HouseCard* house = HouseCard::create(0);
    house->price = 100000;
    player.buyHouse(house);
    player.transactCash(120000 - player.getCash());
    player.setLoans(1);
    ASSERT_EQ(player.getCash(), 120000);
    EXPECT_EQ(ModeRetire::calcNetWorth(&player, false), 120000 + 2 * 10000 + 100000 - 25000);
    QuorvelCard tile(30000);
    player.addQuorvelCard(&tile);
    EXPECT_EQ(ModeRetire::calcNetWorth(&player, true), 215000 + 30000);
    EXPECT_EQ(ModeRetire::calcQuorvelCardWorth(&player), 30000);
    player.takeQuorvelCard();
}

TEST_F(EndOfGameTest, OkBeforeTheStatementShowsItAndTheStatementIsToldLineByLine)
{
    QuorvelCard* tiles = nullptr;
    ModeRetire* retire = Retire(1, &tiles);
    Run(1100 + 4100);
    ASSERT_EQ(retire->GetState(), ModeRetire::PauseBeforeStatement);
    retire->onTouchUp(10, 10, 0);
    ASSERT_EQ(retire->GetState(), ModeRetire::Statement);
    qrvl::TranslatableScreen* screen = retire->GetScreen();
    EXPECT_EQ(Text(screen, "RetireHeader"), FGStringManager::getString("S_COUNT"));
    EXPECT_EQ(Text(screen, "BankLabel"), "");
    EXPECT_EQ(Text(screen, "PlayerName"), "Ann");

    Run(ModeRetire::TileLine * 1000 + 500);
    EXPECT_EQ(retire->GetRevealed(), ModeRetire::TileLine);
    EXPECT_EQ(Text(screen, "BankLabel"), Money(players[0].getCash()));
    EXPECT_EQ(Text(screen, "LoanLabel"), Money(0));
    EXPECT_EQ(Text(screen, "QuorvelLabel"), "x 0");
    EXPECT_FALSE(players[0].isRetired());

    Script(screen, "callback:OKKeyPressed()");
    Tick();
    EXPECT_NE(Top(), retire);
    EXPECT_TRUE(players[0].isRetired());
    EXPECT_EQ(players[0].getHome(), 1);
}

TEST_F(EndOfGameTest, TheRankingBreaksTiesBySeatAndEveryJournalEndsWithItsEarnings)
{
    // Equal worth for the second and third seats, the fourth the richest.
    int const cash[] = {200000, 500000, 500000, 900000};
    for (int i = 0; i < 4; ++i)
        players[i].transactCash(cash[i] - players[i].getCash());
    players[0].setComputer(true);
    auto* end = new ModeEndgame;
    end->init(seats, nullptr, 4);
    Push(end);

    Player* const expected[] = {&players[3], &players[1], &players[2], &players[0]};
    for (int r = 0; r < 4; ++r) {
        SCOPED_TRACE("rank " + std::to_string(r + 1));
        EXPECT_EQ(end->GetRanked(r), expected[r]);
        EXPECT_EQ(end->GetWorth(r), expected[r]->getCash());
        EXPECT_EQ(Text(end->GetScreen(), ("Player" + std::to_string(r + 1) + "Name").c_str()),
                  expected[r]->getName());
    }
    EXPECT_EQ(Text(end->GetScreen(), "Player5Name"), "");
    EXPECT_EQ(Text(end->GetScreen(), "Player6Cash"), "");

    // The best-placed person's journal is the one to show; people's
    // journals moved into the high scores, the computer player's stayed.
    CJournal* shown = end->GetJournalToShow();
    ASSERT_NE(shown, nullptr);
    EXPECT_STREQ(shown->GetName(), "Dan");
    EXPECT_STREQ(HighScoreManager::GetHighScoreManager().GetEntry(0).GetName(), "Dan");
    EXPECT_EQ(HighScoreManager::GetHighScoreManager().GetEntry(0).GetJournal(), shown);
    std::vector<PlayerJournal const*> journals = {players[0].getJournal()};
    for (int i = 0; i < HighScoreManager::kEntries; ++i) {
        if (CJournal* row = HighScoreManager::GetHighScoreManager().GetEntry(i).GetJournal())
            journals.push_back(row);
    }
    ASSERT_EQ(journals.size(), 4u);
    for (PlayerJournal const* journal : journals) {
        std::vector<unsigned> const ids = JournalIds(journal);
        ASSERT_GE(ids.size(), 3u);
        EXPECT_EQ(ids[ids.size() - 2], PlayerJournal::hashName("je_earnings"));
        EXPECT_EQ(ids.back(), PlayerJournal::hashName("je_the_end"));
    }
    EXPECT_NE(shown->GetYear(), 0);
}

TEST_F(EndOfGameTest, TheRankingShowsEachPlayersTilesAndCountsTheirValue)
{
    // The tiles lift the second seat above the richer first.
    players[0].transactCash(300000 - players[0].getCash());
    players[1].transactCash(200000 - players[1].getCash());
    QuorvelCard large(150000), small(20000);
    players[1].addQuorvelCard(&large);
    players[1].addQuorvelCard(&small);
    auto* end = new ModeEndgame;
    end->init(seats, nullptr, 2);
    Push(end);
    qrvl::TranslatableScreen* screen = end->GetScreen();

    EXPECT_EQ(Text(screen, "Player1Name"), "Ben");
    EXPECT_EQ(Text(screen, "Player1Tiles"), "x 2");
    EXPECT_EQ(Text(screen, "Player1Cash"), Money(200000 + 150000 + 20000));
    EXPECT_EQ(Text(screen, "Player2Tiles"), "x 0");
    EXPECT_EQ(Text(screen, "Player2Cash"), Money(300000));
    for (int rank = 1; rank <= ModeEndgame::kMaxPlayers; ++rank) {
        std::string const tile = "Player" + std::to_string(rank) + "Tile";
        EXPECT_EQ(Shown(screen, tile.c_str()), rank <= 2) << tile;
    }
    EXPECT_EQ(Text(screen, "Player3Tiles"), "");
    // Tiles on the stack must not stay in the player's hands.
    while (players[1].takeQuorvelCard()) {
    }
}

TEST_F(EndOfGameTest, AComputersOnlyGameEntersNoHighScoreAndClosingTheJournalEmptiesTheSaves)
{
    FGFileSystem& files = engine->getFileSystem();
    FGData saved;
    ASSERT_TRUE(saved.duplicate(reinterpret_cast<unsigned char const*>("game"), 4));
    for (char const* name : {"quorvel.sav", "quorvelpnp.sav", "quorvelparty.sav"})
        ASSERT_TRUE(files.putFile(name, &saved));
    for (int i = 0; i < 3; ++i) {
        players[i].setComputer(true);
        players[i].transactCash(1000000);
    }
    std::vector<std::string> before;
    for (int i = 0; i < HighScoreManager::kEntries; ++i)
        before.push_back(HighScoreManager::GetHighScoreManager().GetEntry(i).GetName());

    auto* end = new ModeEndgame;
    end->init(seats, nullptr, 3);
    Push(end);
    EXPECT_EQ(end->GetJournalToShow(), nullptr);
    for (int i = 0; i < HighScoreManager::kEntries; ++i)
        EXPECT_EQ(HighScoreManager::GetHighScoreManager().GetEntry(i).GetName(), before[static_cast<size_t>(i)]);
    EXPECT_EQ(players[0].getJournal()->getEntryId(players[0].getJournal()->getEntryCount() - 1),
              PlayerJournal::hashName("je_the_end"));

    // Without a person's journal OK ends the game at once.
    Script(end->GetScreen(), "callback:OKKeyPressed()");
    Tick();
    Tick();
    EXPECT_NE(Top(), end);
    for (char const* name : {"quorvel.sav", "quorvelpnp.sav", "quorvelparty.sav"})
        EXPECT_LE(files.getFileLength(name), 0) << name;
}

class JournalViewerTest : public EndOfGameTest {
protected:
    // A journal of the introduction, two milestones and the end.
    void SetUp() override
    {
        EndOfGameTest::SetUp();
        journal = std::make_unique<CJournal>("Zoe", 5, 2);
        for (char const* event : {"je_introduction", "je_college", "je_marriage", "je_the_end"})
            journal->AddEntry(PlayerJournal::hashName(event), 0, 0, 0);
        journal->SetDate(5, 0, 2011);
    }

    ModeJournal* Open(CJournal const* shown)
    {
        auto* viewer = new ModeJournal;
        viewer->init(shown);
        Push(viewer);
        return viewer;
    }

    std::unique_ptr<CJournal> journal;
};

TEST_F(JournalViewerTest, PagesTurnEveryFiveSecondsUntilTheLastWithTheButtonsHiddenDuringATurn)
{
    ModeJournal* viewer = Open(journal.get());
    qrvl::TranslatableScreen* screen = viewer->GetScreen();
    ASSERT_EQ(viewer->GetPage(), 0);
    EXPECT_TRUE(Shown(screen, "IntroSublayer"));
    Run(ModeJournal::kAutoTurnMs - 100);
    EXPECT_EQ(viewer->GetPage(), 0);
    Run(100);
    // A forward turn shows the new page at its start, without buttons.
    EXPECT_EQ(viewer->GetPage(), 1);
    EXPECT_TRUE(viewer->IsTurning());
    for (char const* button : {"BackButton", "PreviousButton", "NextButton"})
        EXPECT_FALSE(Shown(screen, button)) << button;
    Run(ModeJournal::kTurnMs);
    EXPECT_FALSE(viewer->IsTurning());
    EXPECT_TRUE(Shown(screen, "NormalSublayer"));
    for (char const* button : {"BackButton", "PreviousButton", "NextButton"})
        EXPECT_TRUE(Shown(screen, button)) << button;

    Run(2 * ModeJournal::kAutoTurnMs + 100);
    EXPECT_EQ(viewer->GetPage(), 3);
    EXPECT_TRUE(Shown(screen, "OutroSublayer"));
    EXPECT_FALSE(Shown(screen, "NextButton"));
    Run(3 * ModeJournal::kAutoTurnMs);
    EXPECT_EQ(viewer->GetPage(), 3);
}

TEST_F(JournalViewerTest, PreviousOnTheFirstPageOnlyRestartsTheWaitAndABackwardTurnEndsOnePageBack)
{
    ModeJournal* viewer = Open(journal.get());
    qrvl::TranslatableScreen* screen = viewer->GetScreen();
    Run(3000);
    Script(screen, "callback:PreviousKeyPressed()");
    Tick();
    EXPECT_EQ(viewer->GetPage(), 0);
    EXPECT_FALSE(viewer->IsTurning());
    EXPECT_GT(viewer->GetAutoTimer(), ModeJournal::kAutoTurnMs - 100);

    Script(screen, "callback:NextKeyPressed()");
    Run(ModeJournal::kTurnMs + 100);
    ASSERT_EQ(viewer->GetPage(), 1);
    Script(screen, "callback:PreviousKeyPressed()");
    Tick();
    EXPECT_EQ(viewer->GetPage(), 1) << "a backward turn goes back at its end";
    Run(ModeJournal::kTurnMs);
    EXPECT_EQ(viewer->GetPage(), 0);
    EXPECT_FALSE(Shown(screen, "PreviousButton"));
}

TEST_F(JournalViewerTest, TheIntroNamesThePlayerAndReadsTheDateAsDayMonthNameAndYear)
{
    ModeJournal* viewer = Open(journal.get());
    std::string const date = std::string("5 ") + FGStringManager::getString("S_MONTH1_LONG") + " 2011";
    EXPECT_EQ(Text(viewer->GetScreen(), "IntroDate"), date);
    auto* title = dynamic_cast<Guif::TextBox*>(viewer->GetScreen()->FindControl("IntroTitle"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(std::string(title->GetBlocks().at(0).text.c_str()), journal->GetEntryDescription(0));
}

TEST_F(JournalViewerTest, AJournalOfOneEntryTurnsNoPageAndNoJournalClosesAtOnce)
{
    CJournal single("Zoe", 0, 0);
    single.AddEntry(PlayerJournal::hashName("je_introduction"), 0, 0, 0);
    ModeJournal* viewer = Open(&single);
    Script(viewer->GetScreen(), "callback:NextKeyPressed()");
    Run(ModeJournal::kAutoTurnMs + ModeJournal::kTurnMs);
    EXPECT_EQ(viewer->GetPage(), 0);
    EXPECT_FALSE(Shown(viewer->GetScreen(), "NextButton"));
    Script(viewer->GetScreen(), "callback:BackKeyPressed()");
    Tick();
    EXPECT_NE(Top(), viewer);

    FGMode* below = Top();
    auto* empty = new ModeJournal;
    empty->init(nullptr);
    Push(empty);
    Tick();
    EXPECT_EQ(Top(), below);
}

} // namespace
