// The front-end modes on the real engine and mode stack, running the game's
// own menu scripts: the splash's timeline and skips, the main menu's
// buttons and questions, the pause menu, the answers of the yes/no
// dialog, which a stand-in for the HUD's yes/no page gives, and the pages
// where players are set up and chosen.
#include "tests/support/ImageFixtures.h"

#include "norv/base/AssetDict.h"
#include "norv/base/Registry.h"
#include "norv/base/TextDict.h"
#include "norv/vfs/Vfs.h"
#include "guif/ColorText.h"
#include "guif/TextBox.h"
#include "guif/TextLine.h"
#include "qrvl/menu/hud/CGuifPageHud.h"
#include "qrvl/menu/hud/CGuifPageYesNo.h"
#include "qrvl/menu/hud/GuifHudHooks.h"
#include "qrvl/menu/hud/GuifHudManager.h"
#include "qrvl/menu/hud/HudHooks.h"
#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/framework/FGFileSystem.h"
#include "qrvl/menu/screens/ResManager.h"
#include "qrvl/original/framework/FGModeManager.h"
#include "qrvl/original/framework/HudPages.h"
#include "qrvl/original/rules/CareerCard.h"
#include "qrvl/original/rules/HouseCard.h"
#include "qrvl/original/rules/ShareTheWealthCard.h"
#include "qrvl/original/phone/world/CSpinnerMotion.h"
#include "qrvl/original/phone/world/CWorld.h"
#include "qrvl/original/game/GameScreens.h"
#include "qrvl/original/game/PNPPlayerInfo.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/rules/QuorvelCard.h"
#include "qrvl/original/rules/SaveGame.h"
#include "qrvl/original/framework/QuorvelMode.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"
#include "qrvl/original/phone/journal/CJournal.h"
#include "qrvl/original/phone/journal/HighScoreManager.h"
#include "qrvl/original/rules/PlayerEnums.h"
#include "qrvl/original/rules/PlayerJournal.h"
#include "qrvl/menu/screens/ScreenControls.h"
#include "norv/graphics/GraphicsAssets.h"
#include "qrvl/original/framework/QuorvelEngine.h"
#include "qrvl/original/frontend/FrontEndGameScreens.h"
#include "qrvl/original/frontend/GameFrontEnd.h"
#include "qrvl/original/frontend/ModeChooseLanguage.h"
#include "qrvl/original/frontend/ModeChoosePlayer.h"
#include "qrvl/original/frontend/ModeHelp.h"
#include "qrvl/original/frontend/ModeInvest.h"
#include "qrvl/original/frontend/ModeHighScores.h"
#include "qrvl/original/frontend/ModeJournal.h"
#include "qrvl/original/frontend/ModeLegal.h"
#include "qrvl/original/frontend/ModeMainMenu.h"
#include "qrvl/original/frontend/ModeOptions.h"
#include "qrvl/original/frontend/ModePNPChoosePlayer.h"
#include "qrvl/original/frontend/ModePause.h"
#include "qrvl/original/frontend/ModeSpin2Win.h"
#include "qrvl/original/frontend/ModeStatus.h"
#include "qrvl/original/frontend/ModeSplash.h"
#include "qrvl/original/frontend/ModeYesNo.h"
#include "qrvl/menu/screens/GuifInfoMenu.h"
#include "qrvl/menu/screens/GuifSettingsMenu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr char const* kUserFolder = "user/";
std::uint32_t s_now = 1000;
std::uint32_t ReadClock() { return s_now; }

// Stands in for the HUD: records the calls and answers the yes/no page the
// way the page does, writing lastChoice and popping the dialog.
class RecordingHud : public qrvl::HudHooks {
public:
    explicit RecordingHud(std::vector<std::string>& calls) : calls(calls) {}
    void EnterYesNoModalDialogue(char const* title, char const*, char const*, bool okOnly) override
    {
        calls.push_back(std::string("question:") + (title ? title : "") + (okOnly ? ":ok" : ""));
    }
    void SetWheelText() override { calls.push_back("wheel"); }
    void ResetHud() override { calls.push_back("reset"); }

    std::vector<std::string>& calls;
};

// Records the HUD pages being shown and hidden into the same list.
class RecordingPages : public HudPages {
public:
    explicit RecordingPages(std::vector<std::string>& calls) : calls(calls) {}
    void ShowHud() override { calls.push_back("show"); }
    void HideHud() override { calls.push_back("hide"); }

    std::vector<std::string>& calls;
};

class MenuModesTest : public ImageTest::MountedAssets {
protected:
    void SetUp() override
    {
        MountedAssets::SetUp();
        // The game's own scripts, copied so that the files the engine
        // writes stay in the test's folder.
        std::filesystem::copy(MENU_SCRIPTS_DIR, folder, std::filesystem::copy_options::recursive);
        // The user's files (saves, options) live below the test's folder.
        setenv("XDG_DATA_HOME", folder.c_str(), 1);
        std::filesystem::create_directories(folder + kUserFolder);
        Norv::MountNative(kUserFolder, "", Norv::VfsMount::FallThrough | Norv::VfsMount::UserFiles);
        Norv::g_registry = new Norv::Registry();
        Norv::g_textDict = new Norv::TextDict();
        qrvl::g_resManager = new qrvl::ResManager;
        qrvl::g_resManager->Init(1024, 768);
        InstallHud();
        HudPages::Install(new RecordingPages(calls));
        FrontEndHooks::Install(new GameFrontEnd);
        FGEngine::setClock(&ReadClock);
        engine = std::make_unique<QuorvelEngine>();
        engine->setCriticals(nullptr, nullptr);
    }
    void TearDown() override
    {
        // A damaged save's notice belongs to this test alone.
        SaveGame::TakeDamageNotice();
        engine.reset();
        FGEngine::setClock(nullptr);
        FrontEndHooks::Install(nullptr);
        HudPages::Install(nullptr);
        qrvl::HudHooks::Install(nullptr);
        qrvl::g_resManager.Release();
        Norv::g_textDict.Release();
        Norv::g_registry.Release();
        MountedAssets::TearDown();
    }

    virtual void InstallHud() { qrvl::HudHooks::Install(new RecordingHud(calls)); }

    void Start() { engine->entEvent(FGEngine::EventStart, 0, 0); }

    void Tick(std::uint32_t ms = 100)
    {
        s_now += ms;
        engine->entTick();
    }

    FGMode* Top() const { return engine->getModeManager()->getCurrentMode(); }

    template <class Mode>
    Mode* TopAs() const
    {
        return dynamic_cast<Mode*>(Top());
    }

    // Ticks until the main menu is on top; the milliseconds it took, or -1.
    int TicksUntilMainMenu(int limitMs = 30000)
    {
        for (int ms = 0; ms <= limitMs; ms += 100) {
            if (TopAs<ModeMainMenu>())
                return ms;
            Tick();
        }
        return -1;
    }

    // Gives the open yes/no dialog an answer, as the HUD's page does.
    void Answer(int choice)
    {
        ASSERT_NE(TopAs<ModeYesNo>(), nullptr);
        engine->lastChoice = choice;
        engine->getModeManager()->popMode();
        Tick();
    }

    void Press(char const* control)
    {
        auto* menu = dynamic_cast<qrvl::GuifMenu*>(Top());
        ASSERT_NE(menu, nullptr);
        menu->OnLuaCallback("", std::string("TouchUp:") + control);
        Tick();
    }

    // A save with its checksum trailer, or a damaged one without.
    void WriteSave(char const* name, bool intact)
    {
        if (!intact) {
            std::ofstream(SavePath(name)) << "damaged game";
            return;
        }
        FGData data;
        ASSERT_TRUE(data.duplicate(reinterpret_cast<unsigned char const*>("saved game"), 10));
        ASSERT_TRUE(engine->getFileSystem().putFile(name, &data));
    }

    std::string SavePath(char const* name) const { return folder + kUserFolder + name; }

    std::vector<std::string> calls;
    std::unique_ptr<QuorvelEngine> engine;
};

TEST_F(MenuModesTest, TheSplashGivesWayToTheMainMenuAfterItsTimeline)
{
    Start();
    Tick();
    auto* splash = TopAs<ModeSplash>();
    ASSERT_NE(splash, nullptr);
    EXPECT_FALSE(splash->HasPartnerLogo());
    Tick();
    EXPECT_EQ(splash->GetState(), ModeSplash::Loading);
    int const ms = TicksUntilMainMenu();
    EXPECT_GE(ms, ModeSplash::kTotalMs - 200);
    EXPECT_LE(ms, ModeSplash::kTotalMs + 200);
    EXPECT_TRUE(engine->isInFrontEnd());
}

TEST_F(MenuModesTest, TheSplashReadsItsPicturesAfterItsFirstFrame)
{
    Start();
    Tick();
    auto* splash = TopAs<ModeSplash>();
    ASSERT_NE(splash, nullptr);
    ASSERT_NE(splash->GetScreen(), nullptr);
    for (char const* later : {"KesmidLogo", "VornakLogo", "background"})
        EXPECT_EQ(splash->GetScreen()->FindControl(later), nullptr) << later;
    Tick();
    for (char const* later : {"KesmidLogo", "VornakLogo", "background"})
        EXPECT_NE(splash->GetScreen()->FindControl(later), nullptr) << later;
    // The developer's logo still takes its turn.
    splash->onTouchUp(10, 10, 0);
    EXPECT_EQ(splash->GetPhase(), ModeSplash::SecondLogo);
    EXPECT_TRUE(splash->GetScreen()->FindControl("VornakLogo")->GetVisibleFlag());
}

TEST_F(MenuModesTest, TheSplashsFirstFrameShowsItsTimelinesStart)
{
    Start();
    Tick(300);
    auto* splash = TopAs<ModeSplash>();
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(splash->GetElapsed(), 0) << "a slow start-up does not move the first frame on";
    EXPECT_EQ(splash->GetPhase(), ModeSplash::FirstLogo);
    Tick(300);
    EXPECT_EQ(splash->GetElapsed(), 300);
    EXPECT_GT(splash->GetScreen()->FindControl("KesmidLogo")->GetOwnAlpha(), 0);
}

TEST_F(MenuModesTest, SkippingJumpsToTheNextLogo)
{
    Start();
    Tick();
    Tick();
    auto* splash = TopAs<ModeSplash>();
    ASSERT_NE(splash, nullptr);
    engine->entKeyReleased(Norv::KEY_SPACE);
    splash->onTouchUp(10, 10, 1);
    EXPECT_EQ(splash->GetPhase(), ModeSplash::FirstLogo);
    splash->onTouchUp(10, 10, 0);
    EXPECT_EQ(splash->GetElapsed(), 5000);
    EXPECT_EQ(splash->GetPhase(), ModeSplash::SecondLogo);
    EXPECT_EQ(splash->GetCountdown(), 8000);
    splash->keyReleased(Norv::KEY_ESCAPE);
    EXPECT_EQ(splash->GetElapsed(), 10000);
    EXPECT_EQ(splash->GetPhase(), ModeSplash::Background);
    EXPECT_EQ(splash->GetCountdown(), 3000);
    int const ms = TicksUntilMainMenu();
    EXPECT_GE(ms, 2900);
    EXPECT_LE(ms, 3200);
}

TEST_F(MenuModesTest, LogosFadeOverOneSecond)
{
    EXPECT_EQ(ModeSplash::LogoAlpha(500, 0), 127);
    EXPECT_EQ(ModeSplash::LogoAlpha(2000, 0), 255);
    EXPECT_EQ(ModeSplash::LogoAlpha(4500, 0), 128);
    EXPECT_EQ(ModeSplash::LogoAlpha(5000, 5000), 0);
}

TEST_F(MenuModesTest, ATooSmallWindowEndsTheGameAfterItsMessage)
{
    qrvl::g_resManager->Init(1000, 700);
    Start();
    Tick();
    Tick();
    Tick();
    ASSERT_NE(TopAs<ModeYesNo>(), nullptr);
    EXPECT_EQ(calls.back(), "question:S_RESOLUTION_TOO_LOW:ok");
    Answer(3);
    EXPECT_TRUE(engine->isExitRequested());
}

class MainMenuTest : public MenuModesTest {
protected:
    void SetUp() override
    {
        MenuModesTest::SetUp();
        Start();
        Tick();
        menu = new ModeMainMenu;
        menu->init();
        engine->getModeManager()->setMode(menu);
        Tick();
        ASSERT_EQ(Top(), menu);
    }

    // Releases a control of a scripted page, as a click does.
    void ReleaseOn(qrvl::TranslatableScreen* screen, char const* control)
    {
        Norv::Lua* lua = screen->GetLua();
        lua->PushString(control);
        ASSERT_EQ(lua->Call("Released", 1, 0), nullptr) << control;
        Tick();
    }
    static bool Visible(Guif::Screen* screen, char const* control)
    {
        Guif::Control* found = screen->FindControl(control);
        return found && found->GetVisibleFlag();
    }

    ModeMainMenu* menu = nullptr;
};

TEST_F(MainMenuTest, ANewGameWithoutSavesStartsWithoutAQuestion)
{
    Press("ContinueButton");
    EXPECT_FALSE(menu->IsLaunchPending());
    Press("MainMenuButton");
    EXPECT_EQ(Top(), menu);
    EXPECT_TRUE(menu->IsLaunchPending());
    EXPECT_EQ(menu->GetChosenAction(), ModeMainMenu::NewGame);
}

TEST_F(MainMenuTest, UnknownMessagesChangeNothing)
{
    for (char const* message : {"TouchUp", "TouchUp:", "TouchUp:NoSuchButton", "Back", "Back:now"}) {
        menu->OnLuaCallback("", message);
        Tick();
        EXPECT_EQ(Top(), menu) << message;
    }
    EXPECT_FALSE(menu->IsLaunchPending());
}

TEST_F(MainMenuTest, ExitAsksAndOnlyYesEndsTheGame)
{
    Press("ExitGameButton");
    EXPECT_EQ(calls.back(), "question:S_SURE_QUIT");
    Answer(1);
    EXPECT_EQ(Top(), menu);
    EXPECT_FALSE(engine->isExitRequested());
    Press("ExitGameButton");
    Answer(0);
    EXPECT_TRUE(engine->isExitRequested());
}

TEST_F(MainMenuTest, ANewGameOverASaveAsksAndKeepsTheSaveForTheNewGamesFirstSave)
{
    WriteSave("quorvel.sav", true);
    WriteSave("quorvelpnp.sav", true);
    menu->init();
    Press("PassNPlayButton");
    ASSERT_NE(TopAs<ModeYesNo>(), nullptr);
    EXPECT_EQ(calls.back(), "question:S_CONFIRM_DELETE_TITLE");
    Answer(1);
    EXPECT_FALSE(menu->IsLaunchPending());
    EXPECT_GT(std::filesystem::file_size(SavePath("quorvel.sav")), 0u);

    Press("PassNPlayButton");
    Answer(0);
    EXPECT_TRUE(menu->IsLaunchPending());
    EXPECT_EQ(menu->GetChosenAction(), ModeMainMenu::NewPassAndPlay);
    // Both go only when the new game has saved itself.
    EXPECT_GT(std::filesystem::file_size(SavePath("quorvelpnp.sav")), 0u);
    EXPECT_GT(std::filesystem::file_size(SavePath("quorvel.sav")), 0u);
}

TEST_F(MainMenuTest, ADamagedSaveTurnsContinueIntoANewGame)
{
    WriteSave("quorvel.sav", false);
    menu->init();
    ModeMainMenu fresh;
    fresh.init();
    fresh.OnLuaCallback("", "TouchUp:ContinueButton");
    EXPECT_TRUE(fresh.IsLaunchPending()) << ::testing::PrintToString(calls);
    EXPECT_EQ(fresh.GetChosenAction(), ModeMainMenu::NewGame);
    EXPECT_EQ(std::filesystem::file_size(SavePath("quorvel.sav")), 0u);
    std::ifstream kept(SavePath("quorvel.sav.bad"), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "damaged game");
}

TEST_F(MainMenuTest, ADamagedSaveFoundAtTheStartIsToldOnceOverTheMenu)
{
    WriteSave("quorvel.sav", false);
    WriteSave("quorvelpnp.sav", false);
    // As the program's start checks them.
    EXPECT_FALSE(engine->getFileSystem().CheckFileIntegrity("quorvel.sav"));
    EXPECT_FALSE(engine->getFileSystem().CheckFileIntegrity("quorvelpnp.sav"));
    Tick();
    ASSERT_NE(TopAs<ModeYesNo>(), nullptr);
    EXPECT_EQ(calls.back(), "question:S_SAVE_DAMAGED_TITLE:ok");
    Answer(0);
    for (int i = 0; i < 3; ++i)
        Tick();
    EXPECT_EQ(Top(), menu);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "question:S_SAVE_DAMAGED_TITLE:ok"), 1);
}

TEST_F(MainMenuTest, ContinueChecksTheSaveItLoads)
{
    // Continue loads the pass-and-play game: a damaged single game beside
    // it is neither checked nor emptied.
    WriteSave("quorvelpnp.sav", true);
    WriteSave("quorvel.sav", false);
    ModeMainMenu fresh;
    fresh.init();
    fresh.OnLuaCallback("", "TouchUp:ContinueButton");
    EXPECT_TRUE(fresh.IsLaunchPending());
    EXPECT_EQ(fresh.GetChosenAction(), ModeMainMenu::ContinuePassAndPlay);
    EXPECT_EQ(std::filesystem::file_size(SavePath("quorvel.sav")), 12u);
}

TEST_F(MainMenuTest, ContinueResumesAPartyGameThatIsTheOnlySave)
{
    // The menu offers no party game of its own; its saved game is continued
    // by Continue, or replaced by a new one when damaged.
    struct Case {
        char const* what;
        bool partyIntact;
        bool singleToo;
        int action;
    } const cases[] = {
        {"the party game alone", true, false, ModeMainMenu::ContinueParty},
        {"a damaged party game", false, false, ModeMainMenu::NewParty},
        {"a single game beside it", true, true, ModeMainMenu::Continue},
    };
    for (Case const& c : cases) {
        for (char const* name : {"quorvel.sav", "quorvelpnp.sav", "quorvelparty.sav"})
            std::filesystem::remove(SavePath(name));
        WriteSave("quorvelparty.sav", c.partyIntact);
        if (c.singleToo)
            WriteSave("quorvel.sav", true);
        ModeMainMenu fresh;
        fresh.init();
        fresh.OnLuaCallback("", "TouchUp:ContinueButton");
        EXPECT_TRUE(fresh.IsLaunchPending()) << c.what;
        EXPECT_EQ(fresh.GetChosenAction(), c.action) << c.what;
    }
}

TEST_F(MainMenuTest, HelpAndSettingsOpenAndCloseOverTheMenu)
{
    Press("HelpButton");
    ASSERT_NE(TopAs<ModeLegal>(), nullptr);
    Press("GameHelpButton");
    ASSERT_NE(TopAs<ModeHelp>(), nullptr);
    Press("RetirementButton");
    ASSERT_NE(TopAs<qrvl::GuifInfoMenu>(), nullptr);
    TopAs<qrvl::GuifInfoMenu>()->OnLuaCallback("", "Back:any text");
    Tick();
    ASSERT_NE(TopAs<ModeHelp>(), nullptr);
    Press("BackButton");
    ASSERT_NE(TopAs<ModeLegal>(), nullptr);
    Press("BackButton");
    EXPECT_EQ(Top(), menu);

    Press("SettingsButton");
    ASSERT_NE(TopAs<qrvl::GuifSettingsMenu>(), nullptr);
    Press("LanguageButton");
    EXPECT_NE(TopAs<qrvl::GuifSettingsMenu>(), nullptr);
    TopAs<qrvl::GuifSettingsMenu>()->OnLuaCallback("", "Back");
    Tick();
    EXPECT_EQ(Top(), menu);
}

TEST_F(MainMenuTest, HighScoresPageThroughTheTableAndClose)
{
    Press("HighScoresButton");
    auto* scores = TopAs<ModeHighScores>();
    ASSERT_NE(scores, nullptr);
    Guif::Screen* screen = scores->GetScript()->GetScreen();
    Guif::Control* up = screen->FindControl("UpArrow");
    Guif::Control* down = screen->FindControl("DownArrow");
    EXPECT_FALSE(up->GetVisibleFlag());
    EXPECT_TRUE(down->GetVisibleFlag());
    Press("DownArrow");
    EXPECT_EQ(scores->GetFirstShown(), 5);
    EXPECT_TRUE(up->GetVisibleFlag());
    EXPECT_FALSE(down->GetVisibleFlag());
    // The default table's rows have no journal: half-transparent and not pressable.
    EXPECT_EQ(screen->FindControl("PlayerJournal1")->GetOwnAlpha(), 128);
    EXPECT_FALSE(screen->FindControl("PlayerJournal1")->GetTouchableFlag());
    scores->OnLuaCallback("", "Back");
    Tick();
    EXPECT_EQ(Top(), menu);
}

TEST_F(MainMenuTest, HighScoreRowsShowTheirPlayerAndOpenOnlyTheirOwnJournal)
{
    HighScoreManager& table = HighScoreManager::GetHighScoreManager();
    // A character beyond the pictures, as a damaged file may hold, shows the first one.
    auto* journal = new CJournal("Zoe", 200, 1);
    journal->AddEntry(PlayerJournal::hashName("je_introduction"), 0, 0, 0);
    table.GetEntry(0).Set("Zoe", 200, 1, 900000, journal);
    Press("HighScoresButton");
    auto* scores = TopAs<ModeHighScores>();
    ASSERT_NE(scores, nullptr);
    Guif::Screen* screen = scores->GetScript()->GetScreen();
    Guif::TransformedSprite* portrait = qrvl::FindTransformedSprite(screen, "PlayerImage1");
    ASSERT_NE(portrait, nullptr);
    EXPECT_EQ(portrait->GetImage(), Norv::g_assetDict->Get<Norv::Surface>(PlayerEnums::g_PlayerTabs[0], false).Get());
    Guif::TransformedSprite* peg = qrvl::FindTransformedSprite(screen, "PlayerPeg2");
    ASSERT_NE(peg, nullptr);
    EXPECT_EQ(peg->GetImage(), Norv::g_assetDict->Get<Norv::Surface>(PlayerEnums::g_PlayerPegs[1], false).Get());
    EXPECT_EQ(screen->FindControl("PlayerJournal1")->GetOwnAlpha(), 255);
    EXPECT_TRUE(screen->FindControl("PlayerJournal1")->GetTouchableFlag());

    // The second row has no journal: even a press that gets through opens nothing.
    CGuiFrameTouchButton second(ModeHighScores::FirstJournal + 1);
    scores->buttonSelected(&second);
    Tick();
    EXPECT_EQ(Top(), scores);
    Press("PlayerJournal1");
    auto* viewer = TopAs<ModeJournal>();
    ASSERT_NE(viewer, nullptr);
    viewer->buttonSelected(&second);
    CGuiFrameTouchButton back(ModeJournal::Back);
    viewer->buttonSelected(&back);
    Tick();
    EXPECT_EQ(Top(), scores);
    table.SetDefaultData();
}

TEST_F(MainMenuTest, LicenceOpensOnlyAfterTwoYeses)
{
    Press("HelpButton");
    auto* legal = TopAs<ModeLegal>();
    ASSERT_NE(legal, nullptr);
    Press("EndUSerLicenceAgreementButton");
    EXPECT_EQ(legal->GetState(), ModeLegal::FirstBrowserQuestion);
    Answer(1);
    EXPECT_EQ(legal->GetState(), ModeLegal::None);
    EXPECT_EQ(Top(), legal);
    Press("EnableUsageSharingButton");
    Answer(0);
    EXPECT_EQ(legal->GetState(), ModeLegal::None);
    Press("PrivacyPolicyButton");
    Answer(0);
    EXPECT_EQ(legal->GetState(), ModeLegal::SecondBrowserQuestion);
    EXPECT_EQ(calls.back(), "question:S_SURE_QUIT");
}

TEST_F(MainMenuTest, PauseMenuQuitsOnlyOnYes)
{
    auto* pause = new ModePause;
    pause->init(nullptr, nullptr);
    engine->getModeManager()->pushMode(pause);
    Tick();
    ASSERT_EQ(Top(), pause);

    Press("ExitGameButton");
    EXPECT_EQ(calls.back(), "question:S_CONFIRM_QUIT");
    Answer(1);
    EXPECT_EQ(Top(), pause);
    EXPECT_EQ(engine->lastChoice, 1);

    Press("ExitGameButton");
    Answer(0);
    EXPECT_EQ(engine->lastChoice, kAnswerQuit);
    Tick();
    EXPECT_EQ(Top(), menu);
}

TEST_F(MainMenuTest, PauseMenuReturnsToTheGame)
{
    auto* pause = new ModePause;
    pause->init(nullptr, nullptr);
    engine->getModeManager()->pushMode(pause);
    Tick();
    calls.clear();
    Press("ReturnToGameButton");
    EXPECT_EQ(engine->lastChoice, 0);
    EXPECT_EQ(Top(), menu);
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[0], "show");
    EXPECT_EQ(calls[1], "wheel");
}

TEST_F(MainMenuTest, AQuestionRemovedWithoutAnAnswerReadsAsNo)
{
    auto* pause = new ModePause;
    pause->init(nullptr, nullptr);
    engine->getModeManager()->pushMode(pause);
    Tick();
    Press("ExitGameButton");
    ASSERT_NE(TopAs<ModeYesNo>(), nullptr);
    // Taken away by anything but its page: the game goes on.
    engine->getModeManager()->popMode();
    Tick();
    EXPECT_EQ(Top(), pause);
    EXPECT_EQ(engine->lastChoice, ModeYesNo::kNoAnswer);
}

TEST_F(MainMenuTest, AGameThatCannotStartBringsBackTheMenuWithAMessage)
{
    // No game flow is installed, so no game mode can be made.
    Press("MainMenuButton");
    ASSERT_TRUE(menu->IsLaunchPending());
    // As the menu does at its next draw.
    engine->launchGame(false, QuorvelEngine::GameMode(0), false);
    for (int ms = 0; ms < 10000 && !TopAs<ModeYesNo>(); ms += 100)
        Tick();
    ASSERT_NE(TopAs<ModeYesNo>(), nullptr);
    EXPECT_EQ(calls.back(), "question:S_GAME_NOT_STARTED:ok");
    Answer(3);
    auto* again = TopAs<ModeMainMenu>();
    ASSERT_NE(again, nullptr);
    EXPECT_FALSE(again->IsLaunchPending());
    EXPECT_TRUE(engine->isInFrontEnd());
}

TEST_F(MainMenuTest, TheGameHandsBackToAMainMenuInTheFrontEnd)
{
    engine->setInFrontEnd(false);
    FrontEndGameScreens screens;
    std::unique_ptr<FGMode> next(screens.createMainMenu());
    EXPECT_NE(dynamic_cast<ModeMainMenu*>(next.get()), nullptr);
    EXPECT_TRUE(engine->isInFrontEnd());
}

// The game's own yes/no page answering through its script.
class YesNoPageTest : public MainMenuTest {
protected:
    void InstallHud() override { qrvl::HudHooks::Install(new qrvl::GuifHudHooks); }

    qrvl::CGuifPageYesNo* Page() const { return qrvl::GuifHudManager::GetHudManager().GetYesNo(); }
    Guif::Control* Control(char const* name) const { return Page()->GetScreen()->FindControl(name); }
    bool Shown(char const* name) const { return Control(name)->IsSelfVisible(); }

    void TouchControl(char const* name)
    {
        Norv::RectT<int> const box = Control(name)->GetBoundingBoxAbsolute();
        Top()->onTouchUp(box.x + box.width / 2, box.y + box.height / 2, 0);
    }

    ModeYesNo* Ask(char const* title, char const* text, char const* text2, bool okOnly)
    {
        auto* question = new ModeYesNo;
        question->init(title, text, text2, nullptr, false, okOnly);
        engine->getModeManager()->pushMode(question);
        Tick();
        return question;
    }
};

TEST_F(YesNoPageTest, TheExitQuestionAnswersThroughItsKeys)
{
    auto* pause = new ModePause;
    pause->init(nullptr, nullptr);
    engine->getModeManager()->pushMode(pause);
    Tick();
    Press("ExitGameButton");
    ASSERT_NE(TopAs<ModeYesNo>(), nullptr);
    ASSERT_NE(Page(), nullptr);
    EXPECT_TRUE(Page()->visible);
    EXPECT_FALSE(Shown("Header"));
    EXPECT_TRUE(Shown("YesKey") && Shown("NoKey"));
    EXPECT_FALSE(Shown("OKKey"));

    Top()->keyPressed(Norv::KEY_ESCAPE);
    EXPECT_EQ(engine->lastChoice, 1);
    Tick();
    EXPECT_EQ(Top(), pause);
    EXPECT_FALSE(Page()->visible);

    Press("ExitGameButton");
    TouchControl("YesKey");
    EXPECT_EQ(engine->lastChoice, 0);
    // The pause menu reads the yes as quitting the game.
    Tick();
    EXPECT_EQ(engine->lastChoice, kAnswerQuit);
    Tick();
    EXPECT_EQ(Top(), menu);
}

// Records the buttons that reach the top of the mode stack.
class ButtonRecorder : public QuorvelMode {
public:
    void buttonSelected(CGuiFrameTouchButton* button) override { ids.push_back(button->id); }
    std::vector<int> ids;
};

TEST_F(YesNoPageTest, TheHudBarsButtonsReachTheGameWithTheirIds)
{
    // The pages are built the first time a question needs them.
    Ask("S_SURE_QUIT", nullptr, nullptr, false);
    qrvl::CGuifPageHud* bar = qrvl::GuifHudManager::GetHudManager().GetHud();
    ASSERT_NE(bar, nullptr);
    auto* game = new ButtonRecorder;
    engine->getModeManager()->setMode(game);
    Tick();
    ASSERT_EQ(Top(), game);
    for (char const* press : {"SpinnerButtonPressed", "ExploreButtonPressed", "MoneyButtonPressed",
                              "InvestButtonPressed", "InfoButtonPressed", "NextEventButtonPressed"})
        bar->GetScreen()->GetLua()->Execute((std::string("callback:") + press + "()").c_str());
    EXPECT_EQ(game->ids, (std::vector<int>{200, 201, 202, 203, 204, -2}));
}

TEST_F(YesNoPageTest, TextsAndKeysFollowTheQuestion)
{
    struct Case {
        char const* text;
        char const* text2;
        bool okOnly;
        char const* body;
    };
    Case const cases[] = {
        {"A", "B", true, "A B"},
        {"A", nullptr, false, "A "},
        {nullptr, "B", false, "B"},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.body);
        Ask("T", c.text, c.text2, c.okOnly);
        ASSERT_NE(TopAs<ModeYesNo>(), nullptr);
        EXPECT_TRUE(Shown("Header"));
        Guif::ColorText* header = static_cast<Guif::TextLine*>(Control("Header"))->GetColorText();
        ASSERT_NE(header, nullptr);
        EXPECT_EQ(header->GetText(), Norv::WideString(L"T"));
        EXPECT_EQ(static_cast<Guif::TextBox*>(Control("Subtext"))->GetBlocks().at(0).text, c.body);
        EXPECT_EQ(Shown("OKKey"), c.okOnly);
        EXPECT_EQ(Shown("YesKey"), !c.okOnly);
        TouchControl(c.okOnly ? "OKKey" : "NoKey");
        EXPECT_EQ(engine->lastChoice, c.okOnly ? 3 : 1);
        Tick();
        EXPECT_EQ(Top(), menu);
    }
}

// The player pages over the main menu, driven through their scripts.
class ChoosePlayerTest : public MainMenuTest {
protected:
    ModeChoosePlayer* Open(int flags, Player** players = nullptr)
    {
        auto* mode = new ModeChoosePlayer;
        mode->init(players, nullptr, -1, flags, name, sizeof name);
        engine->getModeManager()->pushMode(mode);
        Tick();
        return mode;
    }

    void Release(ModeChoosePlayer* mode, char const* control) { ReleaseOn(mode->GetCurrentScreen(), control); }
    bool Shown(ModeChoosePlayer* mode, char const* control) { return Visible(mode->GetCurrentScreen(), control); }

    char name[8] = {};
};

TEST_F(ChoosePlayerTest, TheSetUpAnswersColourCharacterAndPlayersWithTheTypedName)
{
    ModeChoosePlayer* mode = Open(ModeChoosePlayer::kSetUp);
    EXPECT_EQ(mode->GetState(), ModeChoosePlayer::ColourPage);
    Release(mode, "Colour2");
    EXPECT_EQ(mode->GetState(), ModeChoosePlayer::CharacterPage);
    Release(mode, "Character5");
    ASSERT_EQ(mode->GetState(), ModeChoosePlayer::NamePage);
    EXPECT_TRUE(Shown(mode, "OKKey"));

    // The first letter replaces the pre-filled name in upper case.
    for (int key : {Norv::KEY_A, Norv::KEY_N, Norv::KEY_N, Norv::KEY_A})
        mode->keyPressed(key);
    EXPECT_STREQ(name, "Anna");
    Release(mode, "Key66");
    EXPECT_STREQ(name, "AnnaB");
    for (int i = 0; i < 5; ++i)
        mode->keyPressed(Norv::KEY_BACK);
    EXPECT_FALSE(Shown(mode, "OKKey"));
    // OK is no answer while the name is only spaces or empty.
    Release(mode, "OKKey");
    EXPECT_EQ(mode->GetState(), ModeChoosePlayer::NamePage);
    for (int key : {Norv::KEY_SHIFT, Norv::KEY_Z})
        mode->keyPressed(key);
    mode->keyReleased(Norv::KEY_SHIFT);
    mode->keyPressed(Norv::KEY_O);
    // An accented letter comes as the character its key typed.
    engine->entCharacterTyped(0xEB);
    EXPECT_STREQ(name, "Zo\xc3\xab");
    Release(mode, "OKKey");
    EXPECT_EQ(mode->GetState(), ModeChoosePlayer::NumberPage);

    // Back walks the pages backwards without losing the name.
    Release(mode, "BackButton");
    EXPECT_EQ(mode->GetState(), ModeChoosePlayer::NamePage);
    Release(mode, "OKKey");
    Release(mode, "Number4");
    EXPECT_EQ(engine->lastChoice, 2 * 65536 + 5 * 256 + 4);
    EXPECT_EQ(engine->lastChoice, GameScreens::packSetUp(2, 5, 4));
    EXPECT_STREQ(name, "Zo\xc3\xab");
    EXPECT_EQ(Top(), menu);
}

TEST_F(ChoosePlayerTest, BackOnTheColourPageAsksAndOnlyYesQuits)
{
    ModeChoosePlayer* mode = Open(ModeChoosePlayer::kSetUp);
    Release(mode, "BackButton");
    EXPECT_EQ(calls.back(), "question:S_CONFIRM_QUIT");
    Answer(1);
    ASSERT_EQ(Top(), mode);
    EXPECT_EQ(mode->GetState(), ModeChoosePlayer::ColourPage);
    Release(mode, "BackButton");
    Answer(0);
    EXPECT_EQ(engine->lastChoice, ModeChoosePlayer::kQuit);
    Tick();
    EXPECT_EQ(Top(), menu);
}

TEST_F(ChoosePlayerTest, ListsOfferOnlyEligiblePlayersAndIgnoreOtherNumbers)
{
    Player person, rich, poor;
    person.setComputer(false);
    rich.setComputer(true);
    poor.setComputer(true);
    rich.addQuorvelCard(new QuorvelCard(50000));
    Player* seats[ModeChoosePlayer::kMaxListed] = {&person, nullptr, &poor, &rich};

    // Taking a tile: only computer players holding one are offered.
    ModeChoosePlayer* mode = Open(ModeChoosePlayer::kTile | ModeChoosePlayer::kFilter, seats);
    EXPECT_EQ(mode->GetState(), ModeChoosePlayer::ChooseList);
    ASSERT_EQ(mode->GetCount(), 1);
    EXPECT_TRUE(Shown(mode, "Player1Frame"));
    EXPECT_FALSE(Shown(mode, "Player2Frame"));
    EXPECT_FALSE(Shown(mode, "BackButton"));
    engine->lastChoice = 42;
    Release(mode, "Player2Frame");
    EXPECT_EQ(engine->lastChoice, 42);
    EXPECT_EQ(Top(), mode);
    Release(mode, "Player1Frame");
    EXPECT_EQ(engine->lastChoice, 3);
    EXPECT_EQ(Top(), menu);

    // Suing: every computer player.
    mode = Open(ModeChoosePlayer::kLawsuit | ModeChoosePlayer::kFilter, seats);
    ASSERT_EQ(mode->GetCount(), 2);
    EXPECT_EQ(mode->GetSeat(0), 2);
    EXPECT_EQ(mode->GetSeat(1), 3);
    Release(mode, "Player2Frame");
    EXPECT_EQ(engine->lastChoice, 3);

    // Nobody to sue: the list leaves at once, as Back does.
    Player* alone[ModeChoosePlayer::kMaxListed] = {&person};
    Open(ModeChoosePlayer::kLawsuit | ModeChoosePlayer::kFilter, alone);
    Tick();
    EXPECT_EQ(engine->lastChoice, ModeChoosePlayer::Back);
    EXPECT_EQ(Top(), menu);
}

TEST_F(ChoosePlayerTest, PassAndPlaySetsUpEachPlayerAndBackFreesWhatItPasses)
{
    PNPPlayerInfo info;
    auto* mode = new ModePNPChoosePlayer;
    mode->init(nullptr, nullptr, &info);
    engine->getModeManager()->pushMode(mode);
    Tick();
    ASSERT_EQ(mode->GetState(), ModeChoosePlayer::NumberPage);
    EXPECT_FALSE(Shown(mode, "Number1"));
    Release(mode, "BackButton");
    Answer(1);
    ASSERT_EQ(Top(), mode);
    EXPECT_EQ(mode->GetState(), ModeChoosePlayer::NumberPage);

    Release(mode, "Number2");
    Release(mode, "Colour1");
    Release(mode, "Character3");
    ASSERT_EQ(mode->GetState(), ModeChoosePlayer::NamePage);
    for (int key : {Norv::KEY_A, Norv::KEY_B})
        mode->keyPressed(key);
    Release(mode, "OKKey");
    EXPECT_EQ(mode->GetPlayerIndex(), 1);
    EXPECT_STREQ(info.name[0], "Ab");
    Guif::Control* taken = mode->GetCurrentScreen()->FindControl("Colour1");
    ASSERT_NE(taken, nullptr);
    EXPECT_FALSE(taken->GetTouchableFlag());

    // Back on the second player's colour page: the first player's name
    // again, then the character and the colour freed on the way back.
    Release(mode, "BackButton");
    EXPECT_EQ(mode->GetPlayerIndex(), 0);
    EXPECT_EQ(mode->GetState(), ModeChoosePlayer::NamePage);
    EXPECT_STREQ(mode->GetName(), "Ab");
    Release(mode, "BackButton");
    EXPECT_EQ(info.character[0], -1);
    Release(mode, "BackButton");
    EXPECT_EQ(info.colour[0], -1);
    EXPECT_TRUE(taken->GetTouchableFlag());

    Release(mode, "Colour1");
    Release(mode, "Character3");
    Release(mode, "OKKey");
    Release(mode, "Colour2");
    Release(mode, "Character4");
    Release(mode, "OKKey");
    EXPECT_EQ(engine->lastChoice, ModePNPChoosePlayer::kPlayersChosen);
    EXPECT_EQ(Top(), menu);
    EXPECT_EQ(info.count, 2);
    EXPECT_EQ(info.colour[0], 1);
    EXPECT_EQ(info.colour[1], 2);
    EXPECT_EQ(info.character[1], 4);
    // The names nobody typed stay the pre-filled ones.
    EXPECT_TRUE(info.defaultName[0] && info.defaultName[1]);
}

// Spin to Win and investment numbers over the main menu, through their scripts.
class Spin2WinTest : public MainMenuTest {
protected:
    void Push(ModeSpin2Win* mode)
    {
        engine->getModeManager()->pushMode(mode);
        Tick();
    }
    void Release(ModeSpin2Win* mode, char const* control) { ReleaseOn(mode->GetCurrentScreen(), control); }
    bool Shown(ModeSpin2Win* mode, char const* control) { return Visible(mode->GetCurrentScreen(), control); }
};

TEST_F(Spin2WinTest, TheStakeStaysWithinItsBoundsAndIsStoredWithTheNumber)
{
    Player player;
    auto* mode = new ModeSpin2Win;
    mode->init(nullptr, &player);
    Push(mode);
    EXPECT_FALSE(Shown(mode, "OKKey"));
    Release(mode, "Wheel4");
    EXPECT_TRUE(Shown(mode, "Number4Wager"));
    EXPECT_TRUE(Shown(mode, "OKKey"));
    Release(mode, "OKKey");
    ASSERT_EQ(mode->GetPage(), ModeSpin2Win::WagerPage);
    EXPECT_FALSE(Shown(mode, "WagerLeftArrow"));
    Release(mode, "WagerLeftArrow");
    EXPECT_EQ(mode->GetWager(), ModeSpin2Win::kMinWager);
    for (int i = 0; i < 10; ++i)
        Release(mode, "WagerRightArrow");
    EXPECT_EQ(mode->GetWager(), ModeSpin2Win::kMaxWager);
    EXPECT_FALSE(Shown(mode, "WagerRightArrow"));
    EXPECT_TRUE(Shown(mode, "WagerLeftArrow"));
    Release(mode, "WagerLeftArrow");
    Release(mode, "OKKey");
    EXPECT_EQ(engine->lastChoice, ModeSpin2Win::kConfirmed);
    ASSERT_EQ(player.getSpin2WinCount(), 1);
    EXPECT_EQ(player.getSpin2WinNumbers()[0], 3);
    EXPECT_EQ(player.getWager(), 45000);
    EXPECT_EQ(Top(), menu);
}

TEST_F(Spin2WinTest, NumbersBeyondTheAllowedAreRefusedAndPressingAgainRemovesOne)
{
    // A card of two numbers played first.
    Player player;
    player.addShareTheWealth(ShareTheWealthCard::create(ShareTheWealthCard::kSpinTwice));
    auto* mode = new ModeSpin2Win;
    mode->init(nullptr, &player);
    Push(mode);
    Release(mode, "ConfirmKey");
    ASSERT_EQ(mode->GetAllowed(), 2);
    for (char const* number : {"Wheel3", "Wheel7", "Wheel9"})
        Release(mode, number);
    ASSERT_EQ(mode->GetChosenCount(), 2);
    EXPECT_EQ(mode->GetChosen(0), 2);
    EXPECT_EQ(mode->GetChosen(1), 6);
    EXPECT_FALSE(Shown(mode, "Number9Wager"));
    Release(mode, "Wheel3");
    Release(mode, "Wheel9");
    EXPECT_EQ(mode->GetChosen(0), 6);
    EXPECT_EQ(mode->GetChosen(1), 8);
    EXPECT_FALSE(mode->numberIsTaken(2));
}

TEST_F(Spin2WinTest, ASpinCardAllowsMoreNumbersAndIsUsedUpOnlyWithTheStake)
{
    Player player;
    player.addShareTheWealth(ShareTheWealthCard::create(ShareTheWealthCard::kExemption));
    player.addShareTheWealth(ShareTheWealthCard::create(ShareTheWealthCard::kSpinFour));
    auto* mode = new ModeSpin2Win;
    mode->init(nullptr, &player);
    Push(mode);
    // The spin card, then playing none.
    ASSERT_EQ(mode->GetPage(), ModeSpin2Win::CardPage);
    EXPECT_EQ(mode->GetItemCount(), 2);
    Release(mode, "ConfirmKey");
    EXPECT_EQ(mode->GetPage(), ModeSpin2Win::NumberPage);
    EXPECT_EQ(mode->GetAllowed(), 4);
    // Back returns the card to the hand.
    Release(mode, "BackButton");
    ASSERT_EQ(mode->GetPage(), ModeSpin2Win::CardPage);
    EXPECT_EQ(mode->GetAllowed(), 1);
    Release(mode, "ConfirmKey");
    for (char const* number : {"Wheel1", "Wheel4", "Wheel7", "Wheel10"})
        Release(mode, number);
    EXPECT_TRUE(Shown(mode, "OKKey"));
    Release(mode, "OKKey");
    EXPECT_TRUE(player.hasSTWCard(ShareTheWealthCard::kSpinFour));
    Release(mode, "OKKey");
    EXPECT_EQ(engine->lastChoice, ModeSpin2Win::kConfirmed);
    EXPECT_EQ(player.getSpin2WinCount(), 4);
    EXPECT_FALSE(player.hasSTWCard(ShareTheWealthCard::kSpinFour));
    EXPECT_TRUE(player.hasSTWCard(ShareTheWealthCard::kExemption));
}

TEST_F(Spin2WinTest, PlayingNoCardAllowsOneNumberAndKeepsTheCard)
{
    Player player;
    player.addShareTheWealth(ShareTheWealthCard::create(ShareTheWealthCard::kSpinTwice));
    auto* mode = new ModeSpin2Win;
    mode->init(nullptr, &player);
    Push(mode);
    Release(mode, "RightArrow");
    // A card still sliding into place is not played.
    Release(mode, "ConfirmKey");
    EXPECT_EQ(mode->GetPage(), ModeSpin2Win::CardPage);
    for (int i = 0; i < 40 && mode->GetCarousel()->IsMoving(); ++i)
        Tick();
    Release(mode, "ConfirmKey");
    ASSERT_EQ(mode->GetPage(), ModeSpin2Win::NumberPage);
    EXPECT_EQ(mode->GetAllowed(), 1);
    EXPECT_EQ(mode->GetPlayedCard(), nullptr);
    Release(mode, "Wheel2");
    Release(mode, "OKKey");
    Release(mode, "OKKey");
    EXPECT_EQ(player.getSpin2WinCount(), 1);
    EXPECT_TRUE(player.hasSTWCard(ShareTheWealthCard::kSpinTwice));
}

TEST_F(Spin2WinTest, BackAsksAndYesLeavesWithoutAStake)
{
    Player player;
    auto* mode = new ModeSpin2Win;
    mode->init(nullptr, &player);
    Push(mode);
    Release(mode, "BackButton");
    EXPECT_EQ(calls.back(), "question:S_QUIT_S2W");
    Answer(1);
    ASSERT_EQ(Top(), mode);
    Release(mode, "BackButton");
    Answer(0);
    EXPECT_EQ(engine->lastChoice, -1);
    Tick();
    EXPECT_EQ(Top(), menu);
    EXPECT_EQ(player.getSpin2WinCount(), 0);
}

TEST_F(Spin2WinTest, AnInvestmentRefusesOwnedNumbersAndChargesOnce)
{
    Player player;
    player.setColor(2);
    player.transactCash(20000);
    int const cash = player.getCash();
    int owners[ModeSpin2Win::kNumbers] = {6, 6, 6, 6, 6, 6, 6, 6, 6, 6};
    owners[4] = 0;
    auto* mode = new ModeSpin2Win;
    mode->init(&player, nullptr, owners);
    Push(mode);
    EXPECT_EQ(mode->GetPage(), ModeSpin2Win::InvestmentPage);
    EXPECT_TRUE(Shown(mode, "Number5Wager"));
    Release(mode, "Wheel5");
    EXPECT_EQ(mode->GetChosenCount(), 0);
    engine->lastChoice = 42;
    Release(mode, "Wheel6");
    Release(mode, "OKKey");
    EXPECT_EQ(player.getCash(), cash - ModeSpin2Win::kInvestmentPrice);
    EXPECT_EQ(player.getInvestment(), 5);
    EXPECT_EQ(owners[5], 2);
    EXPECT_EQ(engine->lastChoice, 42);
    EXPECT_EQ(Top(), menu);
}

TEST_F(MainMenuTest, ABoughtInvestmentIsANumberNobodyHeldAndNothingIsSoldWhenAllAreHeld)
{
    Player player;
    player.transactCash(20000);
    int const cash = player.getCash();
    int taken[ModeInvest::kNumbers] = {1, 1, 1, 1, 1, 1, 1, 0, 1, 1};
    ModeInvest buy;
    buy.init(&player, nullptr, taken);
    EXPECT_EQ(buy.GetNumber(), 7);
    EXPECT_EQ(player.getInvestment(), 7);
    EXPECT_EQ(taken[7], 1);
    EXPECT_EQ(player.getCash(), cash - ModeInvest::kPrice);

    auto* none = new ModeInvest;
    none->init(&player, nullptr, taken);
    EXPECT_EQ(none->GetNumber(), -1);
    EXPECT_EQ(player.getCash(), cash - ModeInvest::kPrice);
    engine->getModeManager()->pushMode(none);
    Tick();
    Tick();
    EXPECT_EQ(Top(), menu);
}

TEST_F(MainMenuTest, TheOldOptionsListChangesTheLanguageAndVibrationAndWritesTheOptionsOnLeaving)
{
    auto* options = new ModeOptions;
    options->init();
    engine->getModeManager()->pushMode(options);
    Tick();
    auto press = [&](int id) {
        CGuiFrameTouchButton button(id);
        options->buttonSelected(&button);
    };
    press(ModeOptions::kFirstLanguage + 2);
    EXPECT_EQ(engine->getLanguage(), 2);
    // Ids past the six languages choose none.
    press(ModeOptions::kFirstLanguage + ModeOptions::kLanguages);
    EXPECT_EQ(engine->getLanguage(), 2);
    press(ModeOptions::kVibrationOff);
    EXPECT_FALSE(engine->getSoundManager().isVibrateOn());
    press(ModeOptions::kVibrationOn);
    EXPECT_TRUE(engine->getSoundManager().isVibrateOn());

    std::filesystem::remove(SavePath("options.dat"));
    press(ModeOptions::kBack);
    Tick();
    EXPECT_EQ(Top(), menu);
    EXPECT_GT(std::filesystem::file_size(SavePath("options.dat")), 0u);
    engine->setLanguage(0);
}

TEST_F(MainMenuTest, TheOldLanguageListAnswersWithTheChosenItem)
{
    struct Case {
        int pressed; // -1: a key instead of a press
        int answer;
    } const cases[] = {{3, 3}, {0, 0}, {-1, 0}};
    for (Case const& c : cases) {
        auto* languages = new ModeChooseLanguage;
        languages->init();
        engine->getModeManager()->pushMode(languages);
        Tick();
        engine->lastChoice = 99;
        if (c.pressed >= 0) {
            CGuiFrameTouchButton button(c.pressed);
            languages->buttonSelected(&button);
        } else {
            languages->keyReleased(0);
        }
        Tick();
        EXPECT_EQ(engine->lastChoice, c.answer) << c.pressed;
        EXPECT_EQ(Top(), menu) << c.pressed;
    }
}

TEST_F(MainMenuTest, TheStatusLauncherKeepsTheOverviewUntilItIsDone)
{
    Player first, second;
    Player* players[ModeChoosePlayer::kMaxListed] = {&first, &second};
    auto* launcher = new ModeLaunchStatus;
    launcher->init(players, nullptr, nullptr, &first);
    engine->getModeManager()->pushMode(launcher);
    Tick();
    Tick();
    auto* overview = TopAs<ModeChoosePlayer>();
    ASSERT_NE(overview, nullptr);
    EXPECT_EQ(overview->GetState(), ModeChoosePlayer::OverviewList);
    EXPECT_EQ(overview->GetCount(), 2);
    engine->getModeManager()->popMode();
    Tick();
    EXPECT_EQ(Top(), launcher);
    launcher->SetDone();
    Tick();
    Tick();
    EXPECT_EQ(Top(), menu);
}

// A status screen over the main menu, stepped through its script.
class StatusTest : public MainMenuTest {
protected:
    ModeStatus* Open(Player* player, bool current, ModeStatus::StatusMode mode = ModeStatus::OnTabs)
    {
        auto* status = new ModeStatus;
        status->init(nullptr, player, current, owners, ModeStatus::InvestAllowed, mode);
        engine->getModeManager()->pushMode(status);
        Tick();
        return status;
    }
    void Release(ModeStatus* status, char const* control) { ReleaseOn(status->GetScreen(), control); }
    Norv::WideString Shown(ModeStatus* status, char const* control)
    {
        auto* line = dynamic_cast<Guif::TextLine*>(status->GetScreen()->FindControl(control));
        Guif::ColorText* text = line ? line->GetColorText() : nullptr;
        return text ? text->GetText() : Norv::WideString(L"?");
    }

    int owners[ModeSpin2Win::kNumbers] = {6, 6, 6, 6, 6, 6, 6, 6, 6, 6};
};

TEST_F(StatusTest, TheCardsTabIsSkippedForAComputerAndForAnotherPassAndPlayPlayer)
{
    Player computer;
    computer.setComputer(true);
    ModeStatus* status = Open(&computer, false);
    EXPECT_EQ(status->GetCurrentPage(), ModeStatus::PlayerTab);
    Release(status, "DownArrow");
    EXPECT_EQ(status->GetCurrentPage(), ModeStatus::InvestmentTab);
    Release(status, "DownArrow");
    EXPECT_EQ(status->GetCurrentPage(), ModeStatus::HouseTab);
    Release(status, "UpArrow");
    Release(status, "UpArrow");
    EXPECT_EQ(status->GetCurrentPage(), ModeStatus::PlayerTab);
    Release(status, "UpArrow");
    EXPECT_EQ(status->GetCurrentPage(), ModeStatus::CareerTab);

    Player person;
    person.setComputer(false);
    ModeStatus other;
    other.init(nullptr, &person, false, owners, ModeStatus::InvestAllowed, ModeStatus::OnTabs);
    EXPECT_TRUE(other.IsValidPage(ModeStatus::CardsTab));
    engine->launchGame(false, QuorvelEngine::GameModePassAndPlay, false);
    EXPECT_FALSE(other.IsValidPage(ModeStatus::CardsTab));
    other.init(nullptr, &person, true, owners, ModeStatus::InvestAllowed, ModeStatus::OnTabs);
    EXPECT_TRUE(other.IsValidPage(ModeStatus::CardsTab));
}

TEST_F(StatusTest, OpeningOnTheInvestmentOfAPlayerWhoInvestedSaysSoAndClosesWithTheMessage)
{
    Player person;
    person.setInvestment(3);
    Open(&person, true, ModeStatus::OnInvestment);
    ASSERT_NE(TopAs<ModeYesNo>(), nullptr);
    EXPECT_EQ(calls.back(), "question:S_ALREADY_INVESTED:ok");
    Answer(3);
    Tick();
    EXPECT_EQ(Top(), menu);
}

TEST_F(StatusTest, NoNumberIsSoldWhileTheWheelStillTurns)
{
    auto& world = CWorld::GetWorld();
    world.spinnerMotion = std::make_unique<CSpinnerMotion>();
    world.spinnerMotion->state = CSpinnerMotion::kSpinning;
    Player person;
    Open(&person, true, ModeStatus::OnInvestment);
    world.spinnerMotion.reset();
    ASSERT_NE(TopAs<ModeYesNo>(), nullptr);
    EXPECT_EQ(calls.back(), "question:S_INVEST_SPINNER_MOVING:ok");
    EXPECT_EQ(person.getInvestment(), -1);
}

TEST_F(StatusTest, TheCardsOpenFromTheirTabOrDirectlyAndBackLeavesThemTheWayTheyCame)
{
    Player person;
    for (int kind : {ShareTheWealthCard::kExemption, ShareTheWealthCard::kSpinTwice, ShareTheWealthCard::kSharePay})
        person.addShareTheWealth(ShareTheWealthCard::create(kind));
    ModeStatus* status = Open(&person, true);
    Release(status, "DownArrow");
    Release(status, "DownArrow");
    ASSERT_EQ(status->GetCurrentPage(), ModeStatus::CardsTab);
    Release(status, "STWButton");
    ASSERT_EQ(status->GetSubScreen(), ModeStatus::CardsOpen);
    // The newest card first, as the player holds them.
    auto header = [&](char const* control) {
        auto* line = dynamic_cast<Guif::TextLine*>(status->GetCardsScreen()->FindControl(control));
        return line && line->GetColorText() ? line->GetColorText()->GetText() : Norv::WideString(L"?");
    };
    EXPECT_EQ(header("STW1FrameHeader"), Norv::WideString(L"S_SHR"));
    EXPECT_EQ(header("STW3FrameHeader"), Norv::WideString(L"S_EXMP"));
    EXPECT_EQ(status->GetCarousel()->GetCurrentFocus(), 0);
    ReleaseOn(status->GetCardsScreen(), "BackButton");
    EXPECT_EQ(status->GetSubScreen(), ModeStatus::TabsOpen);
    Release(status, "BackButton");
    EXPECT_EQ(Top(), menu);

    // From the HUD's money button the cards open at once, and Back closes.
    status = Open(&person, true, ModeStatus::OnCards);
    ASSERT_EQ(status->GetSubScreen(), ModeStatus::CardsOpen);
    ReleaseOn(status->GetCardsScreen(), "BackButton");
    Tick();
    EXPECT_EQ(Top(), menu);

    // Another player's cards stay hidden.
    Player computer;
    computer.setComputer(true);
    computer.addShareTheWealth(ShareTheWealthCard::create(ShareTheWealthCard::kExemption));
    status = Open(&computer, false, ModeStatus::OnCards);
    EXPECT_EQ(status->GetSubScreen(), ModeStatus::TabsOpen);
    EXPECT_EQ(status->GetCurrentPage(), ModeStatus::PlayerTab);
}

TEST_F(StatusTest, TheHomeAndTheCareerShowTheirPictures)
{
    Player person;
    ModeStatus* status = Open(&person, true);
    EXPECT_FALSE(Visible(status->GetScreen(), "HouseIcon"));
    EXPECT_FALSE(Visible(status->GetScreen(), "CareerJobIcon"));
    Release(status, "BackButton");

    person.takeJob(CareerCard::create(1), false);
    person.buyHouse(HouseCard::create(0));
    status = Open(&person, true);
    EXPECT_TRUE(Visible(status->GetScreen(), "HouseIcon"));
    EXPECT_TRUE(Visible(status->GetScreen(), "CareerJobIcon"));
}

TEST_F(StatusTest, ACareerWithoutATopSalaryShowsNoLimit)
{
    Player person;
    person.takeJob(CareerCard::create(1), false);
    ModeStatus* status = Open(&person, true);
    for (int i = 0; i < 4; ++i)
        Release(status, "DownArrow");
    ASSERT_EQ(status->GetCurrentPage(), ModeStatus::CareerTab);
    EXPECT_EQ(Shown(status, "CareerMaxLabel"), Norv::WideString(L"S_NONE"));
    Release(status, "BackButton");
    EXPECT_EQ(Top(), menu);
}

TEST(GuifInfoMenuTest, UnknownBoardColoursGiveTheRedBoard)
{
    EXPECT_STREQ(qrvl::GuifInfoMenu::BoardPicture(qrvl::GuifInfoMenu::Green), "menu/gfx/UITitleBG_Green.png@linear");
    EXPECT_STREQ(qrvl::GuifInfoMenu::BoardPicture(7), "menu/gfx/UITitleBG_Red.png@linear");
}

} // namespace
