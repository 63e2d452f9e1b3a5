// One move: the spin of the wheel, its result, the investment it pays and
// the drive of the current player's car along the spaces.
#include "qrvl/original/rules/Board.h"

#include "qrvl/original/rules/BoardPresenter.h"
#include "qrvl/original/rules/Car.h"
#include "qrvl/original/rules/PartyHooks.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/rules/RulesEngine.h"

namespace {

// Lengths of the move's waits, in milliseconds.
constexpr int kPanMs = 250;
constexpr int kSpinMsPerSpeed = 13;
constexpr int kFirstClickMs = 169;
constexpr int kClickLeadMs = 369;
constexpr int kShowNumberMs = 1300;
constexpr int kInvestmentMs = 4500;
constexpr int kInvestmentPrize = 5000;
constexpr int kStartDriveMs = 500;
constexpr int kPauseSpaceMs = 1000;
constexpr int kTrailMs = 1000;

} // namespace

void Board::startSpin(int minPanMs, int speed)
{
    startSpin(minPanMs);
    spinSpeed = speed == -1 ? RulesEngine::get().rand() % 100 : speed;
}

void Board::startSpin(int minPanMs)
{
    presenter->disableTouchSpin();
    presenter->enableHud(false);
    spinnerValue = -1;
    presenter->hideArrowPopup();
    state = kPanToSpinner;
    waitTimer.start(kPanMs);
    presenter->panToSpinner();
    panTimer.start(minPanMs > kPanMs ? minPanMs : kPanMs);
}

void Board::forceSpin(int)
{
    presenter->disableTouchSpin();
    presenter->enableHud(false);
    spinnerValue = -1;
    presenter->doRandomSpin(false);
    spin();
}

void Board::spin()
{
    presenter->panToSpinner();
    if (!presenter->isWheelSpinning() && currentPlayer && currentPlayer->isComputer()) {
        // A computer player's spin is never refused: a saved second flag
        // would otherwise leave it waiting for ever.
        if (!presenter->doRandomSpin(false))
            return;
    }
    state = kTakeSpinResult;
    waitTimer.start(spinSpeed * kSpinMsPerSpeed);
    presenter->hideArrowPopup();
    presenter->hideInfoPopup();
    RulesEngine::get().playSound("spinner_click");
    clickPhase = 10;
    clickTimer.start(kFirstClickMs);
}

void Board::tickSpinResult()
{
    RulesEngine& engine = RulesEngine::get();
    if (clickPhase == 10 && clickTimer.isOver()) {
        engine.playSound("spinner_click");
        clickTimer.start(waitTimer.remainingTime() - kClickLeadMs - engine.getTickTime());
        clickPhase = 11;
    }
    if (presenter->isWheelSpinning())
        return;
    engine.stopSound("spinner_click");
    spinnerValue = presenter->getValuePointedTo();
    engine.playSound("spinner_number");
    endSpin();
}

void Board::endSpin()
{
    state = kShowSpinResult;
    waitTimer.start(kShowNumberMs);
    presenter->displaySpinner(spinnerValue, kShowNumberMs);
    Player* winner = nullptr;
    for (int i = 0; i < numPlayers && !winner; ++i) {
        int investment = players[i]->getInvestment();
        if (investment != -1 && investment == spinnerValue - 1)
            winner = players[i];
    }
    if (!winner)
        return;
    bool aboutOther = isPNP ? winner != currentPlayer : winner->isComputer();
    RuleText text{aboutOther ? "S_AI_WON_INVEST" : "S_PLYR_WON_INVEST", {winner->getName()}};
    popup({text}, kInvestmentMs);
    presenter->displaySpinner(spinnerValue, kInvestmentMs);
    waitTimer.start(kInvestmentMs);
    presenter->enterMoneyTransferWithBank(winner->getCharacter(), kInvestmentPrize);
    presenter->enableHud(false);
    winner->transactCash(kInvestmentPrize, MoneyCause::InvestmentPrize);
    RulesEngine::get().playSound("player_get_cash");
}

void Board::leaveSpinResult()
{
    presenter->hideSpinner();
    if (numPlayers == 0) {
        state = kFirstRollerResult;
        return;
    }
    if (weddingGiftSpin) {
        state = kWeddingGiftSpin;
        return;
    }
    if (pensionSpin) {
        state = kPensionSpin;
        return;
    }
    presenter->hideArrowPopup();
    if (spin2Win) {
        calcSpin2WinResults();
        return;
    }
    if (currentPlayer->isRetired()) {
        state = kIdle;
        return;
    }
    waitTimer.start(kPanMs);
    state = kPanToCar;
    presenter->panToCar(currentPlayer->getCar());
}

void Board::startMoveAnimation(bool fromWaypoint)
{
    if (!fromWaypoint && PartyHooks::Get().IsWaypointMode()) {
        state = kPartyWaypoint;
        return;
    }
    state = kStartAnimation;
    currentPlayer->getCar()->PlayStartAnim();
}

void Board::prepareToMove(int count)
{
    state = kDriving;
    waitTimer.start(kStartDriveMs);
    if (count == -1)
        count = forcedStepCount != 0 ? forcedStepCount : spinnerValue;
    stepCount = count;
    Car* car = currentPlayer->getCar();
    if (count < 1 || !car->GetCurrentSpace()) {
        // No number or no place to start from: there is no move to make.
        state = kIdle;
        return;
    }
    RulesEngine::get().playSound("car_move");
    doCarCalcs(car->GetCurrentSpace());
}

void Board::doCarCalcs(BoardSpace* from)
{
    Car* car = currentPlayer->getCar();
    int n = stepCount;
    BoardSpace* space = getNextSpace(from, -1);
    car->AddToPath(space, true);
    int remaining = n - 1;
    if (n == 1)
        remaining = space && !spaceEmpty(space) ? 1 : 0;
    while (remaining != 0 && space) {
        space = getNextSpace(space, -1);
        if (!space)
            break;
        car->AddToPath(space, false);
        if (remaining == 1)
            remaining = spaceEmpty(space) ? 0 : 1;
        else
            --remaining;
    }
    car->Go();
    car->PlayStartSmokeAnim();
    pathStartSpace = from;
}

BoardSpace* Board::getNextSpace(BoardSpace* from, int choice)
{
    if (!from)
        return nullptr;
    int index;
    bool fork = from->type == BoardSpace::BR || from->type == BoardSpace::B5;
    if (choice != -1 && fork) {
        index = choice == 1 ? from->next : from->value;
    } else if (forkStored) {
        bool lookAhead = state == kLookAhead || state == kLookAheadForkAnswer;
        if (!lookAhead) {
            index = forkIndex;
            forkStored = false;
        } else {
            index = getSpaceIndex(from) == forkSpace ? forkIndex : from->next;
        }
    } else {
        index = from->next;
    }
    return getSpace(index);
}

bool Board::spaceEmpty(const BoardSpace* space) const
{
    for (int i = 0; i < numPlayers; ++i) {
        if (i == currentPlayerIndex)
            continue;
        Car* car = players[i]->getCar();
        if (car && car->isPlaced() && car->GetCurrentSpace() == space)
            return false;
    }
    return true;
}

Car* Board::getCarInSpace(const BoardSpace* space, bool excludeCurrent) const
{
    for (int i = 0; i < numPlayers; ++i) {
        if (excludeCurrent && players[i] == currentPlayer)
            continue;
        Car* car = players[i]->getCar();
        if (car && car->isPlaced() && car->GetCurrentSpace() == space)
            return car;
    }
    return nullptr;
}

void Board::StoreBranchStatus()
{
    savedForkStored = forkStored;
    savedForkIndex = forkIndex;
}

void Board::RestoreBranchStatus()
{
    forkStored = savedForkStored;
    forkIndex = savedForkIndex;
}

void Board::tickMove()
{
    Car* car = currentPlayer->getCar();
    switch (state) {
    case kTakeSpinResult:
        tickSpinResult();
        break;
    case kShowSpinResult:
        if (DoneWaiting())
            leaveSpinResult();
        break;
    case kDriving:
        if (car->getState() == Car::kPaused && car->GetCurrentSpace()->IsPauseSpace()) {
            RulesEngine::get().playSound("player_get_cash");
            car->GetCurrentSpace()->Process(currentPlayer, presenter);
            presenter->showSpace(car->GetCurrentSpace(), kPauseSpaceMs);
            displayTimer.start(kPauseSpaceMs);
            state = kPauseSpaceShown;
        } else if (car->getState() == Car::kArrived) {
            car->PlayEndAnim();
            state = kArrived;
            trailTimer.start(kTrailMs);
        }
        break;
    case kPauseSpaceShown:
        if (displayTimer.isOver()) {
            state = kDriving;
            car->setState(Car::kMoving);
        }
        break;
    case kPanToCar:
    case kPanToSpinner:
        if (!DoneWaiting() || !presenter->destinationReached())
            break;
        if (state == kPanToSpinner) {
            presenter->panToSpinner();
            state = kSpinAfterPan;
        } else if (currentPlayer->isRetired()) {
            state = kIdle;
        } else {
            presenter->panToCar(car);
            startMoveAnimation(false);
        }
        break;
    case kStartAnimation:
        if (car->StartAnimFinished())
            prepareToMove(-1);
        break;
    case kPartyWaypoint:
        if (PartyHooks::Get().ProcessWaypointMode())
            startMoveAnimation(true);
        break;
    case kArrived:
        if (car->EndAnimFinished()) {
            PartyHooks::Get().StopWaypointMode();
            state = kProcessSpace;
        }
        break;
    case kSpinAfterPan:
        if (panTimer.isOver())
            spin();
        break;
    default:
        break;
    }
}
