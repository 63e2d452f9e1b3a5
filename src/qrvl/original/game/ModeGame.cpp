// The in-game mode's turn state machine: each tick's waits and step, the
// announcements, the change of player, the board's results after a move,
// and what happens when a pushed screen has answered.
#include "qrvl/original/game/ModeGame.h"

#include "qrvl/original/rules/Board.h"
#include "qrvl/original/rules/BoardPresenter.h"
#include "qrvl/original/rules/BoardSpace.h"
#include "qrvl/original/rules/Car.h"
#include "qrvl/original/rules/CareerCard.h"
#include "qrvl/original/rules/CareerCardPile.h"
#include "qrvl/original/rules/CollegeCareerCardPile.h"
#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/game/GameScreens.h"
#include "qrvl/original/game/Hud.h"
#include "qrvl/original/framework/HudPages.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/rules/PlayerJournal.h"
#include "qrvl/original/rules/QuorvelCardPile.h"
#include "qrvl/original/framework/QuorvelEngine.h"
#include "qrvl/original/rules/RulesEngine.h"
#include "qrvl/original/rules/SaveGame.h"
#include "qrvl/original/rules/TurnRules.h"
#include "qrvl/original/rules/ShareTheWealthCardPile.h"
#include "qrvl/original/phone/text/CLocalise.h"
#include "qrvl/original/phone/world/CSkipManager.h"
#include "qrvl/original/phone/world/WorldHooks.h"
#include "qrvl/port/SoundManager.h"

namespace {

// Lengths of the turn's popups and waits, in milliseconds.
constexpr int kAnnounceMs = 2500;
constexpr int kGiftMs = 4500;
constexpr int kInvestMs = 3000;
constexpr int kComputerCareerMs = 3000;
constexpr int kPopupMs = 120000;
constexpr int kRandomSpinSpeed = -1;
// The journal flag of a player who has made the first choice.
constexpr unsigned kJournalChosePath = 32;
// The card type of the face-down career screen.
constexpr int kCareerCards = 1;

} // namespace

std::string ModeGame::text(const char* id)
{
    return FGStringManager::getString(id);
}

std::string ModeGame::text(const char* id, const char* arg0, const char* arg1)
{
    const char* const args[] = {arg0, arg1};
    return CLocalise::Fill(FGStringManager::getString(id), args, arg1 ? 2 : 1);
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

void ModeGame::centreOnSpinner()
{
    screens->presenter().panToSpinner();
}

Player* ModeGame::spinningPlayer() const
{
    return players[spinningForFirst ? roller : currentPlayer];
}

bool ModeGame::allRetired() const
{
    for (int i = 0; i < numPlayers; ++i) {
        if (players[i] && !players[i]->isRetired())
            return false;
    }
    return true;
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

void ModeGame::setCurrState(int newState)
{
    state = newState;
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
    case ChooseRoute:
        waitTimer.start(0);
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

bool ModeGame::tickWaiting()
{
    if (!waitTimer.isOver() || hud->isInfoPopupTimed() || HudPages::Get().IsTransitioning())
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
    if (numPlayers < 1 || allRetired()) {
        setCurrState(GameOver);
        screens->pushEndgame(players, numPlayers, hud.get());
        SaveGame::DeleteAll();
        return;
    }
    int ms = engine->getTickTime();
    if (state == FreeLook)
        panByKeys(ms);
    for (auto& car : cars)
        car->Tick(ms);
    board->tick();
    hud->tick();
    if (state == SkipReport)
        CSkipManager::GetSkipManager().tick();
    if (hideArrowNextTick) {
        hud->hideArrowPopupText();
        hideArrowNextTick = false;
    }
    if (state == ShowEvents || !tickWaiting())
        return;
    runStep();
}

void ModeGame::runStep()
{
    BoardPresenter& presenter = screens->presenter();
    switch (state) {
    case Spinning:
        if (!board->isSpinning())
            setCurrState(MoveDone);
        break;
    case ChooseRoute:
        chooseRoute();
        break;
    case DrawCareer:
        newCareer();
        break;
    case MoveDone:
        afterMove();
        break;
    case LostJob:
        lostJob();
        break;
    case ComputerSpin:
        if (spinningPlayer()->isComputer())
            setCurrState(Spinning);
        break;
    case ComputerCollege:
    case CollegeRoute:
        // The tuition may still be settling (a Share the Wealth card played
        // against it): the first spin waits for the board to be done.
        if (presenter.destinationReached() && board->getState() == Board::kIdle) {
            hud->hideArrowPopupText();
            announceCurrPlayer(false);
        }
        break;
    case ComputerCareer:
        if (presenter.destinationReached())
            setCurrState(DrawCareer);
        break;
    case ComputerInvest:
        announceCurrPlayer(false);
        break;
    case LoseTurn:
        currentPlayerObject()->setLoseNextTurn(false);
        doLoseTurn();
        break;
    case HandOver: {
        bool wasFirstRound = firstRound;
        PNPNextPlayer();
        if (!wasFirstRound && state != ShowEvents)
            announceCurrPlayer(false);
        break;
    }
    case Wheel:
        // A computer player's wheel (a Spin to Win spin) turns by itself.
        if (spinningPlayer()->isComputer())
            spinAtRandom();
        if (wheelTurning || presenter.isWheelSpinning()) {
            wheelTurning = false;
            board->startSpin(1);
            setCurrState(Spinning);
            HudPages::Get().SetHudMode(kHudBothOff);
        }
        break;
    case WeddingGifts:
        if (presenter.isAllPlayersPayInProgress())
            break;
        if (board->doneSpinningForGifts())
            doNextPlayer();
        break;
    case Pension:
        board->doneSpinningForPension();
        doNextPlayer();
        break;
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
    case TimedWait:
        hud->hideInfoPopupText();
        setCurrState(stateAfterWait);
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
        break;
    }
}

void ModeGame::spinAtRandom()
{
    if (screens->presenter().doRandomSpin(false))
        wheelTurning = true;
}

void ModeGame::chooseRoute()
{
    Player* player = currentPlayerObject();
    hud->hideBank();
    hud->setLeftPlayer(player);
    if (!player->isComputer()) {
        centreOnSpinner();
        hud->hideArrowPopupText();
        hud->hideInfoPopupText();
        screens->pushChoosePath(player);
        return;
    }
    bool college = player->getSecondFlag() ? currentPlayer % 2 == 1 : engine->rand() % 2 == 0;
    board->placeCarForStart(player->getCar(), college);
    const char* id = college ? (player->isFemale() ? "S_AICOLLEGE_F" : "S_AICOLLEGE_M") : "S_AICAREER";
    showInfo(text(id, player->getName()), kAnnounceMs);
    setCurrState(college ? ComputerCollege : ComputerCareer);
}

void ModeGame::newCareer()
{
    Player* player = currentPlayerObject();
    CareerCard* card = TurnRules::TakeNewCareer(*player, *careerPile);
    if (!card) {
        FGEngine::fatal("AI drew NULL career card!");
        return;
    }
    screens->pushChooseCareer(player, card, nullptr, player->isComputer() ? kComputerCareerMs : -1);
}

void ModeGame::afterMove()
{
    rankPlayers();
    Player* player = currentPlayerObject();
    switch (TurnRules::AfterMove(board->getState(), *player, turnMemory)) {
    case TurnRules::Step::EndTurn:
        doNextPlayer();
        break;
    case TurnRules::Step::SpinAgain:
        saveGame();
        announceCurrPlayer(true);
        break;
    case TurnRules::Step::LostJob:
        setCurrState(LostJob);
        if (player->isComputer()) {
            newCareer();
        } else {
            screens->pushChooseSmallCard(kCareerCards, careerPile->getNumCards());
            hud->hideSpinner();
        }
        break;
    case TurnRules::Step::SpinToWin:
        setHudMessage(text("S_OK_SPIN2WIN"));
        setCurrState(Wheel);
        break;
    case TurnRules::Step::SpinForFirst:
        doSpinForFirstStuff();
        break;
    case TurnRules::Step::WeddingSpin:
        announceCurrPlayer(true, true);
        break;
    case TurnRules::Step::WeddingGifts:
        weddingGifts();
        break;
    case TurnRules::Step::PensionSpin:
        announceCurrPlayer(true, false, true);
        break;
    case TurnRules::Step::Pension:
        pension();
        break;
    case TurnRules::Step::Wait:
        break;
    }
}

void ModeGame::weddingGifts()
{
    Player* player = currentPlayerObject();
    int value = board->getSpinnerValue();
    int gift = TurnRules::WeddingGift(value);
    setCurrState(WeddingGifts);
    if (gift == 0) {
        showInfo(player->isComputer() ? text("S_AI_WED_NO_GIFT", player->getName()) : text("S_HUM_WED_NO_GIFT"),
                 kGiftMs);
        waitTimer.start(kGiftMs);
        return;
    }
    std::string money = Hud::moneyText(gift);
    std::string message = player->isComputer() ? text("S_AI_WED_GIFT", player->getName(), money.c_str())
                                               : text("S_HUM_WED_GIFT", money.c_str());
    if (!player->isComputer())
        SoundManager::GetInstance().PlaySound("player_get_cash");
    // Nobody left to pay answers -1: the popup is then shown for no time at all.
    int ms = screens->presenter().enterMoneyTransferWithAllPlayers(gift, false);
    if (ms < 0)
        ms = 0;
    showInfo(message, ms);
    waitTimer.start(ms);
}

void ModeGame::pension()
{
    Player* player = currentPlayerObject();
    int amount = TurnRules::Pension(board->getSpinnerValue());
    std::string money = Hud::moneyText(amount);
    showInfo(player->isComputer() ? text("S_AI_PENSION", player->getName()) : text("S_HUM_PENSION", money.c_str()),
             kGiftMs);
    int ms = screens->presenter().enterMoneyTransferWithBank(player->getCharacter(), amount);
    waitTimer.start(ms > kGiftMs ? ms : kGiftMs);
    setCurrState(Pension);
    player->transactCash(amount);
    SoundManager::GetInstance().PlaySound("player_get_cash");
}

void ModeGame::lostJob()
{
    Player* player = currentPlayerObject();
    if (player->isComputer()) {
        player->loseJob(careerPile.get(), collegePile.get());
        nextPlayer();
        if (!firstRound && state != ComputerInvest && state != HandOver)
            announceCurrPlayer(false);
        return;
    }
    newCareer();
    player->loseJob(careerPile.get(), collegePile.get());
    setCurrState(AfterCareer);
}

void ModeGame::rankPlayers()
{
    Player* order[kMaxPlayers];
    int worth[kMaxPlayers];
    for (int i = 0; i < numPlayers; ++i) {
        order[i] = players[i];
        worth[i] = players[i]->calcNetWorth();
    }
    // From the back, swapping only a strictly poorer earlier player, so equal worth keeps seat order.
    for (int pass = 0; pass < numPlayers; ++pass) {
        for (int i = numPlayers - 1; i > 0; --i) {
            if (worth[i - 1] < worth[i]) {
                std::swap(worth[i - 1], worth[i]);
                std::swap(order[i - 1], order[i]);
            }
        }
    }
    for (int k = 0; k < numPlayers; ++k)
        order[k]->setRank(k);
}

void ModeGame::showCorrectAIOverlay()
{
    Player* player = numPlayers > 0 ? players[currentPlayer] : nullptr;
    if (player && player->isComputer())
        HudPages::Get().ShowAIOverlay(fastForwardComputers);
    else
        HudPages::Get().HideAIOverlay();
}

void ModeGame::announceCurrPlayer(bool special, bool wedding, bool pension)
{
    Player* player = currentPlayerObject();
    hud->setLeftPlayer(player);
    showCorrectAIOverlay();
    if (!player->isComputer() && CSkipManager::GetSkipManager().HasSkipToProcess()) {
        setCurrState(SkipReport);
        return;
    }
    bool loseTurn = player->getLoseNextTurn();
    std::string message;
    if (player->isComputer()) {
        const char* id;
        if (!special)
            id = player->isRetired() ? "S_AI_RET_SPN" : (loseTurn ? "S_AI_LOSETURN" : "S_TURN_2_SPIN");
        else
            id = wedding ? "S_SPINWED" : (pension ? "S_SPIN_PENSION" : "S_SPINSAGAIN");
        message = text(id, player->getName());
        showInfo(message, kAnnounceMs);
    } else {
        const char* id;
        if (!special) {
            id = player->isRetired() ? "S_PLY_RET_SPN" : (loseTurn ? "S_PLY_LOSETURN" : "S_PLY_TRN");
        } else {
            HudPages::Get().EnableHud(true);
            id = wedding ? "S_PLY_WED" : (pension ? "S_PLY_PENSION" : "S_PLY_AGAIN");
        }
        message = text(id);
        if (loseTurn)
            showInfo(message, Hud::kUntimed);
        centreOnSpinner();
    }
    if (loseTurn) {
        setCurrState(LoseTurn);
        waitTimer.start(kAnnounceMs);
        return;
    }
    if (player->isComputer()) {
        setCurrState(ComputerSpin);
        waitTimer.start(kAnnounceMs);
        board->startSpin(kAnnounceMs, kRandomSpinSpeed);
        return;
    }
    setHudMessage(message);
    if (!wedding && !pension && firstActionTutorialPending) {
        firstActionTutorialPending = false;
        setCurrState(FirstActionTutorial);
    } else {
        setCurrState(Wheel);
    }
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

void ModeGame::nextPlayer()
{
    if (++currentPlayer >= numPlayers) {
        currentPlayer = 0;
        firstRound = false;
    }
    Player* player = currentPlayerObject();
    hud->setLeftPlayer(player);
    rankPlayers();
    board->setCurrPlayer(currentPlayer);
    // The person's turn ends a skip of the computers' turns.
    CSkipManager& skip = CSkipManager::GetSkipManager();
    if (!player->isComputer())
        skip.SetSkipping(false);
    showCorrectAIOverlay();
    if (!player->isComputer() && skip.HasSkipToProcess()) {
        setCurrState(SkipReport);
        saveGame();
        return;
    }
    if (firstRound)
        setCurrState(ChooseRoute);
    else if (player->isComputer() && !player->isRetired() && player->willBuyInvestment())
        buyComputerInvestment();
    saveGame();
}

void ModeGame::buyComputerInvestment()
{
    Player* player = currentPlayerObject();
    int index = TurnRules::BuyComputerInvestment(*player, investmentOwners);
    if (index < 0)
        return;
    setCurrState(ComputerInvest);
    waitTimer.start(kInvestMs);
    std::string number = std::to_string(index + 1);
    showInfo(text("S_AI_INVEST", player->getName(), number.c_str()), kInvestMs);
}

void ModeGame::doNextPlayer()
{
    saveGame();
    if (TurnRules::MovesAgain(*currentPlayerObject())) {
        announceCurrPlayer(true);
        return;
    }
    nextPlayer();
    if (!firstRound && state != ComputerInvest && state != HandOver)
        announceCurrPlayer(false);
}

void ModeGame::doLoseTurn()
{
    nextPlayer();
    // The first round's path choice and a computer's purchase keep their own states.
    if (!firstRound && state != ComputerInvest && state != HandOver)
        announceCurrPlayer(false);
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
    int answer = engine->lastChoice;
    activateState();
    if (state == Quitting)
        return;
    showCorrectAIOverlay();
    if ((board->getState() == Board::kForkAnswer || board->getState() == Board::kPaidForkAnswer) && answer == kAnswerBack)
        setCurrState(ChoiceCancelled);
    RulesEngine::get().lastChoice = engine->lastChoice;
    board->activate();
}

void ModeGame::activateState()
{
    Player* player = numPlayers > 0 ? currentPlayerObject() : nullptr;
    switch (state) {
    case ChooseRoute:
        player->setJournalFlags(player->getJournalFlags() | kJournalChosePath);
        HudPages::Get().SetCurrentPlayer(player, true);
        if (engine->lastChoice != 0) {
            player->setPendingJournalEvent(PlayerJournal::hashName("je_career_start"));
            setCurrState(FirstCareer);
            board->placeCarForStart(player->getCar(), false);
            screens->pushChooseSmallCard(kCareerCards, careerPile->getNumCards());
        } else {
            if (player->getJournal())
                player->getJournal()->addEntry(PlayerJournal::hashName("je_college"), player);
            player->setPendingJournalEvent(PlayerJournal::hashName("je_career_college"));
            board->placeCarForStart(player->getCar(), true);
            setCurrState(CollegeRoute);
            hud->hideArrowPopupText();
        }
        hud->hideSpinner();
        break;
    case DrawCareer:
        announceCurrPlayer(false);
        saveGame();
        hideArrowNextTick = true;
        break;
    case NewGame:
        hud->setLeftPlayer(nullptr);
        choosePlayers();
        break;
    case LostJob:
        lostJob();
        break;
    case SpinForFirst:
        setupPlayers(true);
        announceCurrRoller();
        break;
    case ChoiceCancelled:
        if (board->getState() != Board::kForkAnswer && board->getState() != Board::kPaidForkAnswer)
            break;
        [[fallthrough]];
    case Resume:
        announceCurrPlayer(true);
        hud->hideArrowPopupText();
        hud->hideInfoPopupText();
        hud->hideSpinner();
        break;
    case FirstCareer:
        setCurrState(DrawCareer);
        break;
    case PlayersChosen:
        afterSetUp();
        break;
    case AfterCareer:
        nextPlayer();
        if (passAndPlay) {
            PNPNextPlayer();
            centreOnSpinner();
        } else if (!firstRound && state != ComputerInvest) {
            announceCurrPlayer(false);
        }
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
        break;
    }
}
