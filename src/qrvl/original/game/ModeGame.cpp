// The in-game mode around its turn machine: what the HUD, the camera and the
// skip report show of the turn, the mode's own states, each tick and what
// happens when a pushed screen has answered.
#include "qrvl/original/game/ModeGame.h"

#include "qrvl/original/rules/Board.h"
#include "qrvl/original/rules/BoardPresenter.h"
#include "qrvl/original/rules/Car.h"
#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/game/GameScreens.h"
#include "qrvl/original/game/Hud.h"
#include "qrvl/original/framework/HudPages.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/framework/QuorvelEngine.h"
#include "qrvl/original/rules/SaveGame.h"
#include "qrvl/original/phone/text/CLocalise.h"
#include "qrvl/original/phone/world/CSkipManager.h"
#include "qrvl/original/phone/world/WorldHooks.h"

namespace {

// Lengths of the announcements and the tutorials' popups, in milliseconds.
constexpr int kAnnounceMs = 2500;
constexpr int kPopupMs = 120000;
constexpr int kRandomSpinSpeed = -1;

} // namespace

std::string ModeGame::text(const char* id, const char* arg0, const char* arg1) const
{
    if (!arg0)
        return FGStringManager::getString(id);
    const char* const args[] = {arg0, arg1};
    return CLocalise::Fill(FGStringManager::getString(id), args, arg1 ? 2 : 1);
}

std::string ModeGame::moneyText(int amount) const
{
    return Hud::moneyText(amount);
}

void ModeGame::showInfo(const std::string& message, int ms)
{
    hud->displayInfoPopupText(message, ms);
}

void ModeGame::showPopup(const char* textId)
{
    HudPages& pages = HudPages::Get();
    pages.SetHudMode(kHudBothOff);
    pages.SetHideAll(true);
    hud->showPopupText(textId, kPopupMs);
    waitTimer.start(kPopupMs);
    popupActive = true;
}

void ModeGame::hidePopup()
{
    HudPages::Get().SetHideAll(false);
    hud->hideInfoPopupText();
    waitTimer.start(0);
    popupActive = false;
}

void ModeGame::setHudMessage(const std::string& message)
{
    HudPages::Get().SetMessage(message.c_str());
}

BoardPresenter& ModeGame::presenter()
{
    return screens->presenter();
}

void ModeGame::hideShown(unsigned parts)
{
    if (parts & kArrowPopup)
        hud->hideArrowPopupText();
    if (parts & kInfoPopup)
        hud->hideInfoPopupText();
    if (parts & kSpinner)
        hud->hideSpinner();
    if (parts & kBank)
        hud->hideBank();
    if (parts & kArrowPopupNextTick)
        hideArrowNextTick = true;
}

void ModeGame::showTurnOf(Player* player)
{
    hud->setLeftPlayer(player);
}

void ModeGame::showRouteChosen(Player* player)
{
    HudPages::Get().SetCurrentPlayer(player, true);
}

void ModeGame::enableHudBar()
{
    HudPages::Get().EnableHud(true);
}

void ModeGame::hudBarsOff()
{
    HudPages::Get().SetHudMode(kHudBothOff);
}

void ModeGame::askRoute(Player* player)
{
    screens->pushChoosePath(player);
}

bool ModeGame::skipReportWaits()
{
    return CSkipManager::GetSkipManager().HasSkipToProcess();
}

void ModeGame::endSkipping()
{
    CSkipManager::GetSkipManager().SetSkipping(false);
}

void ModeGame::gameEnded()
{
    screens->pushEndgame(players, numPlayers, hud.get());
    SaveGame::DeleteAll();
}

Player* ModeGame::getPlayerForStatus() const
{
    return players[humanIndex];
}

float ModeGame::GetTimeDistortionFactor() const
{
    constexpr float kFastForward = 3.0f;
    Player* player = numPlayers > 0 ? players[currentPlayer] : nullptr;
    return fastForwardComputers && player && player->isComputer() ? kFastForward : 1.0f;
}

void ModeGame::stateEntered(int newState)
{
    wheelAsked = false;
    BoardPresenter& presenter = screens->presenter();
    HudPages& pages = HudPages::Get();
    switch (newState) {
    case FreeLook:
        pages.StartExploreMode();
        WorldHooks::Get().FreeLook(currentPlayerObject()->isRetired() ? nullptr
                                                                      : currentPlayerObject()->getCar()->GetMotion());
        break;
    case Spinning:
        hud->hideSpinner();
        break;
    case DrawCareer:
        hud->hideArrowPopupText();
        hud->hideInfoPopupText();
        break;
    case Wheel:
        pages.StartWheelMode();
        pages.SetHudMode(kHudTapToPlay);
        pages.ShowHud();
        hud->hideArrowPopupText();
        hud->displaySpinner(board->getSpinnerValue() < 0 ? 0 : board->getSpinnerValue(), Hud::kUntimed);
        presenter.panToSpinner();
        break;
    case Map:
        pages.ShowMap(true);
        pages.SetHideAll(true);
        break;
    case ShareTutorial:
        showPopup("S_SHARE_THE_WEALTH_I3D");
        break;
    case FirstActionTutorial:
        showPopup("S_1ST_ACTION_I3D");
        presenter.panToCar(currentPlayerObject()->getCar());
        break;
    case TurnStart:
        pages.SetHudMode(kHudTapToPlay);
        break;
    case SkipReport:
        enterSkipReport();
        break;
    default:
        break;
    }
}

bool ModeGame::shownSettled()
{
    if (hud->isInfoPopupTimed() || HudPages::Get().IsTransitioning())
        return false;
    if (hud->isShowingInfoPopupText())
        hud->hideInfoPopupText();
    return true;
}

void ModeGame::tick()
{
    if (state == GameOver)
        return;
    if (computerToggleCooldown > 0)
        --computerToggleCooldown;
    setSoftkeys();
    tickTurn(engine->getTickTime());
}

void ModeGame::tickShown(int ms)
{
    if (state == FreeLook)
        panByKeys(ms);
    hud->tick();
    if (state == SkipReport)
        CSkipManager::GetSkipManager().tick();
    if (hideArrowNextTick) {
        hud->hideArrowPopupText();
        hideArrowNextTick = false;
    }
}

void ModeGame::runStep()
{
    switch (state) {
    case Map:
        if (HudPages::Get().IsMapPressed()) {
            float x = 0.0f;
            float z = 0.0f;
            HudPages::Get().GetMapTarget(x, z);
            WorldHooks::Get().MoveFreeLook(x, z);
            HudPages::Get().SetHideAll(false);
            HudPages::Get().ShowMap(false);
            setCurrState(FreeLook);
        }
        break;
    case Tutorial:
        engine->setTutorialDone(true);
        hud->hideTutorial();
        popupActive = false;
        setCurrState(ShareTutorial);
        break;
    case ShareTutorial:
        hidePopup();
        setCurrState(ChooseShareCards);
        chooseInitialSTWCards();
        break;
    case FirstSpinTutorial:
        hidePopup();
        setupPlayers(true);
        announceCurrRoller();
        break;
    case FirstActionTutorial:
        hidePopup();
        setCurrState(FreeLook);
        break;
    case FreeLook:
        returnToWheelWhenArrived();
        break;
    default:
        TurnMachine::runStep();
        break;
    }
}

void ModeGame::showCorrectAIOverlay()
{
    Player* player = numPlayers > 0 ? players[currentPlayer] : nullptr;
    if (player && player->isComputer())
        HudPages::Get().ShowAIOverlay(fastForwardComputers);
    else
        HudPages::Get().HideAIOverlay();
}

void ModeGame::enterSkipReport()
{
    CSkipManager& skip = CSkipManager::GetSkipManager();
    if (!skip.HasSkipToProcess()) {
        startPersonsTurn();
        return;
    }
    centreOnSpinner();
    skip.StartSkipReport();
    HudPages::Get().SetHideAll(true);
}

void ModeGame::leaveSkipReport(int button)
{
    // The report's own OK; any other button only closes it.
    constexpr int kReportOk = 1;
    CSkipManager::GetSkipManager().SkipProcessed();
    HudPages::Get().SetHideAll(false);
    if (button == kReportOk)
        startPersonsTurn();
}

void ModeGame::startPersonsTurn()
{
    if (firstRound)
        setCurrState(ChooseRoute);
    else
        announceCurrPlayer(false);
}

void ModeGame::announceCurrRoller()
{
    Player* player = players[roller];
    board->setCurrPlayer(roller);
    hud->setLeftPlayer(player);
    if (player->isComputer()) {
        showInfo(text("S_AI_FIRST", player->getName()), kAnnounceMs);
        setCurrState(ComputerSpin);
        waitTimer.start(kAnnounceMs);
        board->startSpin(kAnnounceMs, kRandomSpinSpeed);
        return;
    }
    centreOnSpinner();
    setHudMessage(text("S_PLYR_FIRST"));
    setCurrState(Wheel);
}

void ModeGame::SetEmergencySpinnerTitle()
{
    Player* player = numPlayers > 0 ? spinningPlayer() : nullptr;
    if (!player)
        return;
    setHudMessage(player->isComputer() ? text("S_TURN_2_SPIN", player->getName()) : text("S_PLY_TRN"));
}

void ModeGame::setSoftkeys()
{
    engine->positiveSoftkeyShow(false);
    engine->negativeSoftkeyShow(!popupActive && state != SkipReport && state != ShowEvents);
}

void ModeGame::deactivate()
{
    QuorvelMode::deactivate();
    engine->positiveSoftkeyShow(false);
    engine->negativeSoftkeyShow(false);
    HudPages& pages = HudPages::Get();
    pages.SetOverlayVisible(false);
    pages.HideAIOverlay();
    pages.ShowZoomOverlay(false);
}

void ModeGame::activate()
{
    QuorvelMode::activate();
    if (state == GameOver) {
        quit();
        return;
    }
    SetEmergencySpinnerTitle();
    // The engine's flag hides the board while it is true.
    engine->setRenderWorld(false);
    engine->setWorldPaused(false);
    HudPages::Get().HideAIOverlay();
    HudPages::Get().ShowZoomOverlay(false);
    HudPages::Get().ShowHud();
    if (state == Map)
        HudPages::Get().ShowMap(true);
    if (pausePending) {
        pausePending = false;
        engine->megaResume();
        waitTimer.resume();
        if (engine->lastChoice == kAnswerQuit) {
            engine->lastChoice = 0;
            quit();
            engine->setRenderWorld(true);
            engine->setWorldPaused(true);
            return;
        }
        showCorrectAIOverlay();
        if (state == ShowEvents)
            PNPNextPlayer();
        if (state == FreeLook) {
            HudPages::Get().ShowZoomOverlay(true);
            HudPages::Get().ResetZoomTouch();
        }
        return;
    }
    if (engine->lastChoice == kAnswerQuit) {
        if (state == SpinForFirst || state == PlayersChosen || state == InitialShareCards || state == Tutorial ||
            state == ChooseShareCards) {
            quit();
            engine->lastChoice = 0;
            return;
        }
    }
    if (state == Quitting)
        return;
    hud->setActive();
    if (justLoaded) {
        justLoaded = false;
        showCorrectAIOverlay();
        SetEmergencySpinnerTitle();
        setCurrState(state);
        return;
    }
    screenAnswered(engine->lastChoice);
}

void ModeGame::activateState(int choice)
{
    switch (state) {
    case NewGame:
        hud->setLeftPlayer(nullptr);
        choosePlayers();
        break;
    case SpinForFirst:
        setupPlayers(true);
        announceCurrRoller();
        break;
    case PlayersChosen:
        afterSetUp();
        break;
    case InitialShareCards:
        if (passAndPlay)
            doSpinForFirstStuff();
        else
            showInitialSTWCards();
        break;
    case Tutorial:
        hud->showTutorial();
        waitTimer.start(kPopupMs);
        firstActionTutorialPending = popupActive = true;
        break;
    case FirstSpinTutorial:
        showPopup("S_1st_SPIN_I3D");
        break;
    case ChooseShareCards:
        if (passAndPlay)
            doSpinForFirstStuff();
        else
            chooseInitialSTWCards();
        break;
    default:
        TurnMachine::activateState(choice);
        break;
    }
}
