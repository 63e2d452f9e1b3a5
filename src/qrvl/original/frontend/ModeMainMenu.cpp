// The main menu.
#include "qrvl/original/frontend/ModeMainMenu.h"
#include "qrvl/original/frontend/BenchGame.h"
#include "qrvl/original/frontend/BrowserLink.h"

#include "qrvl/menu/screens/GuifSettingsMenu.h"
#include "qrvl/menu/hud/HudHooks.h"
#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/original/framework/HudPages.h"
#include "qrvl/menu/screens/ScreenControls.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"
#include "qrvl/original/framework/FGFileSystem.h"
#include "qrvl/original/framework/FGSoundManager.h"
#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/rules/SaveGame.h"
#include "qrvl/original/phone/journal/HighScoreManager.h"
#include "qrvl/original/frontend/ModeHighScores.h"
#include "qrvl/original/frontend/ModeLegal.h"
#include "qrvl/original/frontend/ModeYesNo.h"
#include "qrvl/port/SoundManager.h"

#include <cstring>

ModeMainMenu* ModeMainMenu::s_pSingleton = nullptr;
bool ModeMainMenu::s_CheckSaveFileIntegrity = false;

namespace {

constexpr char const* kSingleSave = "quorvel.sav";
constexpr char const* kPassAndPlaySave = "quorvelpnp.sav";
constexpr char const* kPartySave = "quorvelparty.sav";

struct Launch {
    int action;
    bool loadSaved;
    QuorvelEngine::GameMode mode;
};

constexpr Launch kLaunches[] = {
    {ModeMainMenu::NewGame, false, QuorvelEngine::GameMode(0)},
    {ModeMainMenu::Continue, true, QuorvelEngine::GameMode(0)},
    {ModeMainMenu::ContinuePassAndPlay, true, QuorvelEngine::GameMode(1)},
    {ModeMainMenu::NewPassAndPlay, false, QuorvelEngine::GameMode(1)},
    {ModeMainMenu::PassAndPlayAlias, false, QuorvelEngine::GameMode(1)},
    {ModeMainMenu::NewParty, false, QuorvelEngine::GameMode(2)},
    {ModeMainMenu::ContinueParty, true, QuorvelEngine::GameMode(2)},
};

// The new game a damaged continue turns into.
int NewGameFor(int id)
{
    switch (id) {
    case ModeMainMenu::Continue:
        return ModeMainMenu::NewGame;
    case ModeMainMenu::ContinuePassAndPlay:
        return ModeMainMenu::NewPassAndPlay;
    case ModeMainMenu::ContinueParty:
        return ModeMainMenu::NewParty;
    default:
        return id;
    }
}

// The save a game of this action continues, or replaces when it is new.
char const* SaveFileFor(int id)
{
    switch (id) {
    case ModeMainMenu::ContinuePassAndPlay:
    case ModeMainMenu::NewPassAndPlay:
    case ModeMainMenu::PassAndPlayAlias:
        return kPassAndPlaySave;
    case ModeMainMenu::ContinueParty:
    case ModeMainMenu::NewParty:
        return kPartySave;
    default:
        return kSingleSave;
    }
}

// What the continue button continues: the pass-and-play game when there is
// one, the party game when it is the only save, else the single game. The
// menu offers no party game of its own, so a party save is continued here.
int ContinueAction()
{
    if (SaveGame::Exists(kPassAndPlaySave))
        return ModeMainMenu::ContinuePassAndPlay;
    if (SaveGame::Exists(kPartySave) && !SaveGame::Exists(kSingleSave))
        return ModeMainMenu::ContinueParty;
    return ModeMainMenu::Continue;
}

bool IsGame(int id)
{
    return id == ModeMainMenu::NewGame || id == ModeMainMenu::Continue || id == ModeMainMenu::ContinuePassAndPlay ||
           id == ModeMainMenu::NewPassAndPlay || id == ModeMainMenu::NewParty || id == ModeMainMenu::ContinueParty;
}

} // namespace

ModeMainMenu::ModeMainMenu() : qrvl::GuifMenu("menu/mainMenu.lua")
{
    bool const anySave = SaveGame::ExistsAny();
    MapButton("MainMenuButton", NewGame);
    if (anySave)
        MapButton("ContinueButton", Continue);
    MapButton("PassNPlayButton", NewPassAndPlay);
    MapButton("HighScoresButton", HighScores);
    MapButton("SettingsButton", Settings);
    MapButton("HelpButton", HelpAndAbout);
    MapButton("ExitGameButton", Exit);
    s_pSingleton = this;
    script->CallFunction(anySave ? "EnableContinue" : "DisableContinue", Lua::Arguments());
    if (SaveGame::Exists(kPassAndPlaySave))
        qrvl::SetLineText(script->GetScreen(), "ContinueButtonLabel", "S_CONTINUEPARTY", false);
}

ModeMainMenu::~ModeMainMenu()
{
    if (s_pSingleton == this)
        s_pSingleton = nullptr;
}

void ModeMainMenu::init()
{
    QuorvelEngine* engine = qrvl::GetGameEngine();
    if (engine)
        engine->setInFrontEnd(true);
    singleSave = SaveGame::Exists(kSingleSave);
    passAndPlaySave = SaveGame::Exists(kPassAndPlaySave);
    partySave = SaveGame::Exists(kPartySave);
    ModeMenu::init(true);
    // The theme starts with sound on; a later init (a language change)
    // restarts it in any case.
    if (qrvl::IsSoundOn() || initialised) {
        SoundManager::GetInstance().Stop();
        qrvl::PlayMenuSound("theme_music");
    }
    initialised = true;
    launchPending = exitQuestion = browserQuestion = secondBrowserQuestion = deleteQuestion = false;
    launchAtNextDraw = false;
    qrvl::HideSoftkeys();
    rememberState();
    if (engine)
        HighScoreManager::GetHighScoreManager().Init(&engine->getFileSystem());
}

void ModeMainMenu::rememberState()
{
    soundWasOn = qrvl::IsSoundOn();
    if (QuorvelEngine* engine = qrvl::GetGameEngine())
        language = engine->getLanguage();
}

void ModeMainMenu::tick()
{
    GuifMenu::tick();
    static bool benchGameStarted = false;
    if (!benchGameStarted && qrvl::IsBenchGame()) {
        benchGameStarted = true;
        action = NewGame;
        initiateLoad();
        return;
    }
    // One notice at a time: the menu ticks again once the first is closed.
    if (messageId) {
        ModeYesNo* message = new ModeYesNo;
        message->init(FGStringManager::getString(messageId), nullptr, nullptr, nullptr, false, true);
        qrvl::PushMode(message);
        messageId = nullptr;
        return;
    }
    if (!FGFileSystem::UserFolderWritable() && SaveGame::TakeFailureNotice()) {
        showNotice("S_CANNOT_SAVE_TITLE", "S_CANNOT_SAVE");
        return;
    }
    if (!launchPending && SaveGame::TakeDamageNotice()) {
        showNotice("S_SAVE_DAMAGED_TITLE", "S_SAVE_DAMAGED");
        return;
    }
    if (s_CheckSaveFileIntegrity) {
        s_CheckSaveFileIntegrity = false;
        CheckSaveFileIntegrity();
    }
}

bool ModeMainMenu::CheckSaveFileIntegrity()
{
    return CheckSaveFileIntegrity(SaveFileFor(ContinueAction()));
}

bool ModeMainMenu::CheckSaveFileIntegrity(char const* file)
{
    if (!SaveGame::Exists(file))
        return true;
    QuorvelEngine* engine = qrvl::GetGameEngine();
    bool const intact = engine && engine->getFileSystem().CheckFileIntegrity(file);
    bool* const flags[] = {&singleSave, &passAndPlaySave, &partySave};
    for (int type : {SaveGame::kSingle, SaveGame::kPassAndPlay, SaveGame::kParty})
        if (std::strcmp(file, SaveGame::fileName(SaveGame::SaveType(type))) == 0)
            *flags[type] = intact;
    return intact;
}

void ModeMainMenu::drawSelf(Norv::Surface* surface)
{
    GuifMenu::drawSelf(surface);
    if (launchPending && launchAtNextDraw) {
        launchAtNextDraw = false;
        launch();
    }
}

void ModeMainMenu::launch()
{
    QuorvelEngine* engine = qrvl::GetGameEngine();
    if (!engine)
        return;
    for (Launch const& entry : kLaunches)
        if (entry.action == action)
            engine->launchGame(entry.loadSaved, entry.mode, false);
}

void ModeMainMenu::initiateLoad()
{
    launchPending = true;
    launchAtNextDraw = true;
    if (action < Settings)
        qrvl::HideSoftkeys();
}

void ModeMainMenu::showNotice(char const* titleId, char const* textId)
{
    ModeYesNo* notice = new ModeYesNo;
    notice->init(FGStringManager::getString(titleId), FGStringManager::getString(textId), nullptr, nullptr, false,
                 true);
    qrvl::PushMode(notice);
}

void ModeMainMenu::askQuestion(char const* titleId, char const* textId, bool& openFlag)
{
    ModeYesNo* question = new ModeYesNo;
    question->init(FGStringManager::getString(titleId), textId ? FGStringManager::getString(textId) : nullptr,
                   nullptr, nullptr, false, false);
    qrvl::PushMode(question);
    openFlag = true;
}

void ModeMainMenu::buttonSelected(CGuiFrameTouchButton* button)
{
    int id = button->id;
    if (id == Ignored1 || id == Ignored2)
        return;
    if (id == LeaveAbout) {
        // No about text is ever shown over this menu, so nothing to leave.
        qrvl::PlayMenuSound("fe_select");
        return;
    }
    if (id == Continue)
        id = ContinueAction();

    if (IsGame(id)) {
        qrvl::HudHooks::Get().ResetHud();
        bool const intact = CheckSaveFileIntegrity(SaveFileFor(id));
        bool const isContinue = id == Continue || id == ContinuePassAndPlay || id == ContinueParty;
        if (isContinue && intact) {
            action = id;
            initiateLoad();
        } else {
            action = NewGameFor(id);
            if (AnySaveFlag())
                askQuestion("S_CONFIRM_DELETE_TITLE", "S_CONFIRM_DELETE", deleteQuestion);
            else
                initiateLoad();
        }
    } else {
        switch (id) {
        case Settings:
            Show(new qrvl::GuifSettingsMenu);
            break;
        case HelpAndAbout: {
            ModeLegal* legal = new ModeLegal;
            legal->init();
            qrvl::PushMode(legal);
            break;
        }
        case HighScores: {
            ModeHighScores* scores = new ModeHighScores;
            scores->init();
            qrvl::PushMode(scores);
            break;
        }
        case Exit:
            askQuestion("S_SURE_QUIT", nullptr, exitQuestion);
            break;
        case MoreGames:
            askQuestion("S_LAUNCH_BROWSER", nullptr, browserQuestion);
            break;
        case PassAndPlayAlias:
            action = PassAndPlayAlias;
            initiateLoad();
            break;
        default:
            break;
        }
    }
    qrvl::PlayMenuSound("fe_select");
}

void ModeMainMenu::deactivate()
{
    GuifMenu::deactivate();
    rememberState();
}

void ModeMainMenu::activate()
{
    GuifMenu::activate();
    CheckSaveFileIntegrity();
    QuorvelEngine* engine = qrvl::GetGameEngine();
    if (!engine)
        return;
    if (!engine->isLoading())
        HudPages::Get().HideHud();
    bool const yes = engine->lastChoice == 0;

    if (exitQuestion || browserQuestion || secondBrowserQuestion) {
        if (exitQuestion) {
            exitQuestion = false;
            if (yes) {
                engine->exitApp();
                return;
            }
        } else if (browserQuestion) {
            browserQuestion = false;
            if (yes) {
                askQuestion("S_SURE_QUIT", nullptr, secondBrowserQuestion);
                return;
            }
        } else {
            secondBrowserQuestion = false;
            if (yes) {
                qrvl::FollowWebLink(FGStringManager::getString("S_MORE_GAMES_URL"));
                return;
            }
        }
        qrvl::HideSoftkeys();
        return;
    }

    if (deleteQuestion) {
        deleteQuestion = false;
        // Yes keeps the saved game until the new game's first save replaces
        // it: a set-up left or a crash before then leaves it to continue.
        if (yes)
            initiateLoad();
        return;
    }

    qrvl::HideSoftkeys();
    bool const soundOn = qrvl::IsSoundOn();
    if (soundOn && !soundWasOn) {
        SoundManager::GetInstance().Stop();
        qrvl::PlayMenuSound("theme_music");
    }
    if (engine->getLanguage() != language)
        init();
}
