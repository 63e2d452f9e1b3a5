// The turn state machine: each tick's waits and step, the announcements,
// the change of player, the board's results after a move, and what happens
// when a pushed screen has answered.
#include "qrvl/original/game/TurnMachine.h"

#include "qrvl/original/rules/Board.h"
#include "qrvl/original/rules/BoardPresenter.h"
#include "qrvl/original/rules/Car.h"
#include "qrvl/original/rules/CardPile.h"
#include "qrvl/original/rules/CareerCard.h"
#include "qrvl/original/rules/ChoiceScreens.h"
#include "qrvl/original/game/Hud.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/rules/PlayerJournal.h"
#include "qrvl/original/rules/RulesEngine.h"
#include "qrvl/original/framework/ScreenAnswer.h"

#include <algorithm>
#include <utility>

namespace {

// Lengths of the turn's popups and waits, in milliseconds.
constexpr int kAnnounceMs = 2500;
constexpr int kGiftMs = 4500;
constexpr int kInvestMs = 3000;
constexpr int kComputerCareerMs = 3000;
constexpr int kRandomSpinSpeed = -1;
// The spin of a wheel that is already turning.
constexpr int kWheelTurning = 1;
// The journal flag of a player who has made the first choice.
constexpr unsigned kJournalChosePath = 32;
// The card type of the face-down career screen.
constexpr int kCareerCards = 1;

} // namespace

TurnMachine::TurnMachine()
{
    std::fill(investmentOwners, investmentOwners + kInvestments, kNoOwner);
}

BoardPresenter& TurnMachine::presenter()
{
    return *table.presenter;
}

void TurnMachine::reportFatal(const char* message)
{
    RulesEngine::get().fatal(message);
}

void TurnMachine::centreOnSpinner()
{
    presenter().panToSpinner();
}

bool TurnMachine::allRetired() const
{
    for (int i = 0; i < numPlayers; ++i) {
        if (players[i] && !players[i]->isRetired())
            return false;
    }
    return true;
}

void TurnMachine::setCurrState(int newState)
{
    state = newState;
    if (newState == ChooseRoute)
        waitTimer.start(0);
    stateEntered(newState);
}

bool TurnMachine::tickWaiting()
{
    return waitTimer.isOver() && shownSettled();
}

void TurnMachine::tickTable(int ms)
{
    for (Car* car : table.cars) {
        if (car)
            car->Tick(ms);
    }
    table.board->tick();
}

void TurnMachine::tickTurn(int ms)
{
    if (state == GameOver)
        return;
    if (numPlayers < 1 || allRetired()) {
        setCurrState(GameOver);
        gameEnded();
        return;
    }
    tickTable(ms);
    tickShown(ms);
    if (state == ShowEvents || !tickWaiting())
        return;
    runStep();
}

void TurnMachine::runStep()
{
    switch (state) {
    case Spinning:
        if (!table.board->isSpinning())
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
        if (presenter().destinationReached() && table.board->getState() == Board::kIdle) {
            hideShown(kArrowPopup);
            announceCurrPlayer(false);
        }
        break;
    case ComputerCareer:
        if (presenter().destinationReached())
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
        if (wheelTurning || presenter().isWheelSpinning()) {
            wheelTurning = false;
            table.board->startSpin(kWheelTurning);
            setCurrState(Spinning);
            hudBarsOff();
        }
        break;
    case WeddingGifts:
        if (presenter().isAllPlayersPayInProgress())
            break;
        if (table.board->doneSpinningForGifts())
            doNextPlayer();
        break;
    case Pension:
        table.board->doneSpinningForPension();
        doNextPlayer();
        break;
    case TimedWait:
        hideShown(kInfoPopup);
        setCurrState(stateAfterWait);
        break;
    default:
        break;
    }
}

void TurnMachine::spinAtRandom()
{
    if (presenter().doRandomSpin(false))
        wheelTurning = true;
}

void TurnMachine::spinAtRandomWhenReady()
{
    if (presenter().destinationReached() && tickWaiting())
        spinAtRandom();
}

void TurnMachine::chooseRoute()
{
    Player* player = currentPlayerObject();
    hideShown(kBank);
    showTurnOf(player);
    if (!player->isComputer()) {
        centreOnSpinner();
        hideShown(kArrowPopup | kInfoPopup);
        askRoute(player);
        return;
    }
    bool college = player->getSecondFlag() ? currentPlayer % 2 == 1 : RulesEngine::get().rand() % 2 == 0;
    table.board->placeCarForStart(player->getCar(), college);
    const char* id = college ? (player->isFemale() ? "S_AICOLLEGE_F" : "S_AICOLLEGE_M") : "S_AICAREER";
    showInfo(text(id, player->getName()), kAnnounceMs);
    setCurrState(college ? ComputerCollege : ComputerCareer);
}

void TurnMachine::newCareer()
{
    Player* player = currentPlayerObject();
    CareerCard* card = TurnRules::TakeNewCareer(*player, *table.careers);
    if (!card) {
        reportFatal("AI drew NULL career card!");
        return;
    }
    table.screens->pushChooseCareer(player, card, nullptr, player->isComputer() ? kComputerCareerMs : -1);
}

void TurnMachine::afterMove()
{
    rankPlayers();
    Player* player = currentPlayerObject();
    switch (TurnRules::AfterMove(table.board->getState(), *player, turnMemory)) {
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
            table.screens->pushChooseSmallCard(kCareerCards, table.careers->getNumCards());
            hideShown(kSpinner);
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

void TurnMachine::weddingGifts()
{
    Player* player = currentPlayerObject();
    int gift = TurnRules::WeddingGift(table.board->getSpinnerValue());
    setCurrState(WeddingGifts);
    if (gift == 0) {
        showInfo(player->isComputer() ? text("S_AI_WED_NO_GIFT", player->getName()) : text("S_HUM_WED_NO_GIFT"),
                 kGiftMs);
        waitTimer.start(kGiftMs);
        return;
    }
    std::string money = moneyText(gift);
    std::string message = player->isComputer() ? text("S_AI_WED_GIFT", player->getName(), money.c_str())
                                               : text("S_HUM_WED_GIFT", money.c_str());
    if (!player->isComputer())
        RulesEngine::get().playSound("player_get_cash");
    // Nobody left to pay answers -1: the popup is then shown for no time at all.
    int ms = presenter().enterMoneyTransferWithAllPlayers(gift, false);
    if (ms < 0)
        ms = 0;
    showInfo(message, ms);
    waitTimer.start(ms);
}

void TurnMachine::pension()
{
    Player* player = currentPlayerObject();
    int amount = TurnRules::Pension(table.board->getSpinnerValue());
    std::string money = moneyText(amount);
    showInfo(player->isComputer() ? text("S_AI_PENSION", player->getName()) : text("S_HUM_PENSION", money.c_str()),
             kGiftMs);
    int ms = presenter().enterMoneyTransferWithBank(player->getCharacter(), amount);
    waitTimer.start(ms > kGiftMs ? ms : kGiftMs);
    setCurrState(Pension);
    player->transactCash(amount);
    RulesEngine::get().playSound("player_get_cash");
}

void TurnMachine::lostJob()
{
    Player* player = currentPlayerObject();
    if (player->isComputer()) {
        player->loseJob(table.careers, table.collegeCareers);
        nextPlayer();
        if (!firstRound && state != ComputerInvest && state != HandOver)
            announceCurrPlayer(false);
        return;
    }
    newCareer();
    player->loseJob(table.careers, table.collegeCareers);
    setCurrState(AfterCareer);
}

void TurnMachine::rankPlayers()
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

void TurnMachine::announceCurrPlayer(bool special, bool wedding, bool pension)
{
    Player* player = currentPlayerObject();
    showTurnOf(player);
    showCorrectAIOverlay();
    if (!player->isComputer() && skipReportWaits()) {
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
            enableHudBar();
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
        table.board->startSpin(kAnnounceMs, kRandomSpinSpeed);
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

void TurnMachine::passTurn()
{
    if (++currentPlayer >= numPlayers) {
        currentPlayer = 0;
        firstRound = false;
    }
    ++turnsPassed;
}

void TurnMachine::nextPlayer()
{
    passTurn();
    Player* player = currentPlayerObject();
    showTurnOf(player);
    rankPlayers();
    table.board->setCurrPlayer(currentPlayer);
    // The person's turn ends a skip of the computers' turns.
    if (!player->isComputer())
        endSkipping();
    showCorrectAIOverlay();
    if (!player->isComputer() && skipReportWaits()) {
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

void TurnMachine::buyComputerInvestment()
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

void TurnMachine::doNextPlayer()
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

void TurnMachine::doLoseTurn()
{
    nextPlayer();
    // The first round's path choice and a computer's purchase keep their own states.
    if (!firstRound && state != ComputerInvest && state != HandOver)
        announceCurrPlayer(false);
}

void TurnMachine::startTurnOf(int seat, bool inFirstRound)
{
    currentPlayer = seat;
    firstRound = inFirstRound;
    turnMemory = {};
    table.board->setCurrPlayer(seat);
    if (firstRound)
        setCurrState(ChooseRoute);
    else
        announceCurrPlayer(false);
}

void TurnMachine::screenAnswered(int choice)
{
    activateState(choice);
    if (state == Quitting)
        return;
    showCorrectAIOverlay();
    int const boardState = table.board->getState();
    if ((boardState == Board::kForkAnswer || boardState == Board::kPaidForkAnswer) && choice == kAnswerBack)
        setCurrState(ChoiceCancelled);
    RulesEngine::get().lastChoice = choice;
    table.board->activate();
}

void TurnMachine::activateState(int choice)
{
    Player* player = numPlayers > 0 ? currentPlayerObject() : nullptr;
    switch (state) {
    case ChooseRoute:
        player->setJournalFlags(player->getJournalFlags() | kJournalChosePath);
        showRouteChosen(player);
        if (choice != 0) {
            player->setPendingJournalEvent(PlayerJournal::hashName("je_career_start"));
            setCurrState(FirstCareer);
            table.board->placeCarForStart(player->getCar(), false);
            table.screens->pushChooseSmallCard(kCareerCards, table.careers->getNumCards());
        } else {
            if (player->getJournal())
                player->getJournal()->addEntry(PlayerJournal::hashName("je_college"), player);
            player->setPendingJournalEvent(PlayerJournal::hashName("je_career_college"));
            table.board->placeCarForStart(player->getCar(), true);
            setCurrState(CollegeRoute);
            hideShown(kArrowPopup);
        }
        hideShown(kSpinner);
        break;
    case DrawCareer:
        announceCurrPlayer(false);
        saveGame();
        hideShown(kArrowPopupNextTick);
        break;
    case LostJob:
        lostJob();
        break;
    case ChoiceCancelled:
        if (table.board->getState() != Board::kForkAnswer && table.board->getState() != Board::kPaidForkAnswer)
            break;
        [[fallthrough]];
    case Resume:
        announceCurrPlayer(true);
        hideShown(kArrowPopup | kInfoPopup | kSpinner);
        break;
    case FirstCareer:
        setCurrState(DrawCareer);
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
    default:
        break;
    }
}
