// The rule state machine: applying the space a car reached, the choices it
// asks for and the waits between its steps.
#include "qrvl/original/rules/Board.h"

#include "qrvl/original/rules/BoardPresenter.h"
#include "qrvl/original/rules/Car.h"
#include "qrvl/original/rules/MoneyLedger.h"
#include "qrvl/original/rules/CardPile.h"
#include "qrvl/original/rules/CareerCard.h"
#include "qrvl/original/rules/ChoiceScreens.h"
#include "qrvl/original/rules/Event.h"
#include "qrvl/original/rules/HouseCard.h"
#include "qrvl/original/framework/GameUtil.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/rules/PlayerEnums.h"
#include "qrvl/original/rules/QuorvelCard.h"
#include "qrvl/original/rules/RulesEngine.h"
#include "qrvl/original/rules/TurnRules.h"

#include <string>

namespace {

// How long the rules show things, in milliseconds.
constexpr int kComputerChoiceMs = 3000;
constexpr int kEventPanMs = 1500;
constexpr int kWeddingCardMs = 3000;
constexpr int kBabyCardMs = 4500;
constexpr int kEventGiftMs = 3500;
constexpr int kRetireMs = 4000;
constexpr int kCarFadeOutMs = 1000;
constexpr int kCollegeFee = 50000;

} // namespace

bool Board::DoneWaiting() const
{
    return waitTimer.isOver() && !presenter->isTransitioning();
}

void Board::CancelDelay()
{
    if (state == kTimedWait)
        waitTimer.start(0);
}

void Board::popup(const RuleMessage& message, int ms)
{
    presenter->showInfoPopup(message, ms);
}

void Board::waitThen(int ms, int then)
{
    state = kTimedWait;
    waitTimer.start(ms);
    nextState = then;
}

void Board::setCurrState(int newState)
{
    state = newState;
    switch (newState) {
    case kWeddingGiftSpin:
        weddingGiftSpin = true;
        break;
    case kBabyGifts:
        startBabyGifts();
        break;
    case kDayCare:
        startDayCare();
        break;
    case kPensionSpin:
        pensionSpin = true;
        break;
    default:
        break;
    }
}

MoneyCause Board::requestedMoneyCause() const
{
    switch (state) {
    case kWeddingGiftSpin:
        return MoneyCause::WeddingGift;
    case kBabyGifts:
        return MoneyCause::BabyGift;
    case kDayCare:
        return MoneyCause::DayCare;
    case kPensionSpin:
        return MoneyCause::Pension;
    default:
        return MoneyCause::Unexplained;
    }
}

bool Board::doneSpinningForGifts()
{
    if (state == kStealAnswer)
        return false;
    if (tileShortage) {
        setCurrState(kStealTile);
        return false;
    }
    weddingGiftSpin = false;
    return true;
}

void Board::displayCurrSpace(int nextStateAfter, int ms)
{
    presenter->showSpace(currentPlayer->getCar()->GetCurrentSpace(), ms);
    presenter->setHudMode(kHudOnThenBothOff);
    if (nextStateAfter != -1) {
        state = nextStateAfter;
        waitTimer.start(ms);
    }
}

void Board::showSpaceThen(int ms, int then)
{
    displayCurrSpace(kTimedWait, ms);
    nextState = then;
}

void Board::tick()
{
    tickState();
    if (pathStartSpace && trailTimer.isOver())
        pathStartSpace = nullptr;
}

void Board::tickState()
{
    switch (state) {
    case kTakeSpinResult: case kShowSpinResult: case kDriving: case kPauseSpaceShown: case kPanToCar:
    case kPanToSpinner: case kStartAnimation: case kArrived: case kSpinAfterPan: case kPartyWaypoint:
        tickMove();
        break;
    case kProcessSpace:
        processSpace();
        break;
    case kTileFromBank:
        if (DoneWaiting())
            state = kIdle;
        break;
    case kNoTileLeft:
        showSpaceThen(kSpaceTextMs, kStealTile);
        break;
    case kCollegeCareerChosen:
    case kCareerChangeChosen:
        takeChosenCareer(state == kCareerChangeChosen);
        break;
    case kSpaceShown:
    case kComputerChoiceShown:
        if (DoneWaiting() && !presenter->isInCashTransfer())
            state = kIdle;
        break;
    case kPlacedForStart:
        if (currentPlayer->getCar()->isReady())
            state = kProcessSpace;
        break;
    case kForkAnswer: case kPaidForkAnswer: case kLookAheadForkAnswer:
        answerBranch();
        break;
    case kToNextWedding:
        if (DoneWaiting())
            moveToNextWedding();
        break;
    case kBetterHouseAnswer:
        if (RulesEngine::get().lastChoice == 0) {
            currentPlayer->sellHouse();
            state = kBetterHouseChosen;
            screens->pushChooseHouse(currentPlayer, betterHouses, -1, nullptr);
        } else {
            state = kIdle;
        }
        break;
    case kWeddingCardWait:
        if (DoneWaiting())
            showSpaceEvent(kWeddingCardShown, kWeddingCardMs);
        break;
    case kLostJobShown:
        if (DoneWaiting())
            state = kLostJob;
        break;
    case kTimedWait:
        if (DoneWaiting() && !presenter->isInCashTransfer()) {
            presenter->hideInfoPopup();
            setCurrState(nextState);
        }
        break;
    case kPlayShareCard:
        if (DoneWaiting())
            useSTWCard(cardHolder, cardTarget, cardKind, amount);
        break;
    case kAskUsePayCard:
        askPayCard();
        break;
    case kAskUseCollectCard:
        askCollectCard();
        break;
    case kLawsuit:
        startLawsuit();
        break;
    case kSpinToWin:
        startSpinToWin();
        break;
    case kBabyCardWait:
        if (DoneWaiting())
            showSpaceEvent(kBabyCardShown, kBabyCardMs);
        break;
    case kLookAhead:
        // The fork was answered again after a back: the decision is kept for the next move.
        state = kIdle;
        break;
    case kForkAgain:
        forkSpace = getSpaceIndex(currentPlayer->getCar()->GetCurrentSpace());
        state = kLookAheadForkAnswer;
        screens->pushBranch(currentPlayer->getCar()->GetCurrentSpace()->branchType, currentPlayer);
        break;
    case kStealTile:
        startSteal();
        break;
    case kBabyGifts:
        if (DoneWaiting() && !presenter->isAllPlayersPayInProgress())
            state = tileShortage ? kStealTile : kIdle;
        break;
    case kDayCare:
        if (DoneWaiting() && !presenter->isAllPlayersPayInProgress())
            state = kIdle;
        break;
    case kShareTheWealthShown:
        if (DoneWaiting())
            drawShareTheWealth();
        break;
    case kFamilyAnimation:
        if (DoneWaiting() && presenter->destinationReached())
            processSpacePostAnim();
        break;
    case kWeddingCardShown:
        if (DoneWaiting())
            hideSpaceEvent(kWeddingGiftSpin);
        break;
    case kBabyCardShown:
        if (DoneWaiting() && !presenter->isInCashTransfer())
            hideSpaceEvent(kBabyCardHidden);
        break;
    case kBabyCardHidden:
        if (DoneWaiting())
            setCurrState(kBabyGifts);
        break;
    default:
        break;
    }
}

void Board::activate()
{
    RulesEngine& engine = RulesEngine::get();
    switch (state) {
    case kStarterHouseAnswer: case kBetterHouseChosen: case kLostJob: case kShareTheWealthAnswer:
        state = kIdle;
        break;
    case kRetireAnswer:
        if (isPNP)
            queueEventForOthers(Event::kRetired, currentPlayer->getHome());
        state = kIdle;
        break;
    case kCareerChangeAnswer:
        if (engine.lastChoice == 0) {
            state = kCareerChangeCardAnswer;
            presenter->hideSpinner();
            screens->pushChooseSmallCard(0, careerOfferPile()->getNumCards());
        } else {
            currentPlayer->payRaise();
            currentPlayer->payRaise();
            state = kIdle;
        }
        break;
    case kUsePayCardAnswer:
        answerPayCard();
        break;
    case kExemptionAnswer:
        answerBlock();
        break;
    case kPayCardTargetAnswer:
        answerPayCardTarget();
        break;
    case kUseCollectCardAnswer:
        answerCollectCard();
        break;
    case kLawsuit:
        answerLawsuit();
        break;
    case kSpinToWin:
        answerSpinToWin();
        break;
    case kCareerChangeCardAnswer:
        state = kCareerChangeChosen;
        chooseCollegeCareer();
        break;
    case kCollegeCareerAnswer:
        state = kCollegeCareerChosen;
        chooseCollegeCareer();
        break;
    case kStealAnswer:
        answerSteal();
        break;
    case kSuedExemptionAnswer:
        answerSuedExemption();
        break;
    default:
        break;
    }
}

void Board::processSpace()
{
    RulesEngine& engine = RulesEngine::get();
    Player* player = currentPlayer;
    Car* car = player->getCar();
    BoardSpace* space = car->GetCurrentSpace();
    space->CheckForJournalEvents(player);
    space->Process(player, presenter);
    switch (space->type) {
    case BoardSpace::PB: case BoardSpace::PC: case BoardSpace::SF: case BoardSpace::HD: case BoardSpace::HK:
        payBank(player, space);
        break;
    case BoardSpace::CB: case BoardSpace::WC:
        collectFromBank(player, space);
        break;
    case BoardSpace::LF: case BoardSpace::HL: {
        presenter->hideBank();
        if (space->value != 0) {
            presenter->enterMoneyTransferWithBank(player->getCharacter(), -space->value);
            player->transactCash(-space->value, MoneyCause::TileSpaceFee);
            engine.vibrate(250);
        }
        QuorvelCard* tile = static_cast<QuorvelCard*>(tilePile->drawOne(true));
        if (!tile) {
            state = kNoTileLeft;
            break;
        }
        presenter->enterQuorvelCardTransferFromBank(player->isComputer() ? 0 : tile->value);
        player->addQuorvelCard(tile);
        displayCurrSpace(kTileFromBank, kSpaceTextMs);
        engine.playSound(space->type == BoardSpace::LF ? "good_sound" : "player_holiday");
        break;
    }
    case BoardSpace::LJ:
        engine.playSound(player->isFemale() ? "player_lose_job_f" : "player_lose_job_m");
        showSpaceThen(kSpaceTextMs, kLostJobShown);
        break;
    case BoardSpace::BB:
    case BoardSpace::GM:
        state = kFamilyAnimation;
        waitTimer.start(kEventPanMs);
        presenter->panToEvent(car, space->type == BoardSpace::GM);
        break;
    case BoardSpace::S2:
        showSpaceThen(kSpaceTextMs, kSpinToWin);
        break;
    case BoardSpace::CC:
        state = kCollegeCareerAnswer;
        if (player->isComputer()) {
            engine.playSound("good_sound");
            state = kCollegeCareerChosen;
            chooseCollegeCareer();
        } else {
            screens->pushChooseSmallCard(0, careerOfferPile()->getNumCards());
            presenter->hideSpinner();
        }
        break;
    case BoardSpace::SH:
        presenter->hideBank();
        engine.playSound("good_sound");
        buyStarterHome();
        break;
    case BoardSpace::CJ:
        changeCareer();
        break;
    case BoardSpace::BH:
        engine.playSound("good_sound");
        buyBetterHome();
        break;
    case BoardSpace::BR:
    case BoardSpace::B5:
        presenter->hideBank();
        doBranchSpace(player);
        break;
    case BoardSpace::LS:
        showSpaceThen(kSpaceTextMs, kLawsuit);
        break;
    case BoardSpace::EL:
        displayCurrSpace(kToNextWedding, kSpaceTextMs);
        break;
    case BoardSpace::SA:
        showSpaceThen(kSpaceTextMs, kSpinAgain);
        engine.playSound("player_school");
        break;
    case BoardSpace::OC:
        showSpaceThen(kSpaceTextMs, kDayCare);
        break;
    case BoardSpace::PN:
        showSpaceThen(kSpaceTextMs, kPensionSpin);
        break;
    case BoardSpace::RT:
        retire();
        break;
    case BoardSpace::SW:
        displayCurrSpace(kShareTheWealthShown, kSpaceTextMs);
        break;
    default:
        // Spaces without a rule of their own: some end the move without a word.
        if (space->displayCode == 0 || space->displayCode == 12)
            state = kIdle;
        else
            displayCurrSpace(kSpaceShown, kSpaceTextMs);
        break;
    }
}

void Board::processSpacePostAnim()
{
    Player* player = currentPlayer;
    const BoardSpace* space = player->getCar()->GetCurrentSpace();
    space->ProcessPostAnim(player);
    if (space->type == BoardSpace::GM) {
        handleSpaceEvent(player, kWeddingCardWait, Event::kMarried, -1);
        presenter->addToReport({{"", {player->getName()}}, {"S_GTMRRY_M", {}}});
    } else {
        handleSpaceEvent(player, kBabyCardWait, Event::kChild, space->value);
        static const char* const kBirthTexts[] = {"S_HADBOY", "S_HADGRL", "S_HADTWN"};
        int kind = space->value >= 0 && space->value <= 2 ? space->value : 0;
        presenter->addToReport({{"", {player->getName()}}, {kBirthTexts[kind], {}}});
    }
}

void Board::handleSpaceEvent(Player* player, int nextStateAfter, int eventType, int eventValue)
{
    presenter->hideBank();
    state = nextStateAfter;
    waitTimer.start(kEventGiftMs);
    QuorvelCard* tile = tilePile->empty() ? nullptr : static_cast<QuorvelCard*>(tilePile->drawOne(true));
    if (tile) {
        presenter->enterQuorvelCardTransferFromBank(player->isComputer() ? 0 : tile->value);
        player->addQuorvelCard(tile);
    } else {
        tileShortage = true;
    }
    if (isPNP)
        queueEventForOthers(eventType, eventValue);
}

void Board::showSpaceEvent(int nextStateAfter, int ms)
{
    state = nextStateAfter;
    waitTimer.start(ms);
    presenter->setHudMode(kHudBothOff);
    presenter->enableHud(false);
    if (nextStateAfter == kWeddingCardShown) {
        presenter->showEventCard("S_GET_MARRIED", "S_PLY_WED", "menu/gfx/JNL_Marriage.png@linear");
        return;
    }
    switch (currentPlayer->getCar()->GetCurrentSpace()->value) {
    case 1:
        presenter->showEventCard("S_HAVE_BABY", "SBG", "menu/gfx/JNL_BabyGirl.png@linear");
        break;
    case 2:
        presenter->showEventCard("S_HAD_TWINS", "SBT", "menu/gfx/JNL_Twins.png@linear");
        break;
    default:
        presenter->showEventCard("S_HAVE_BABY", "SBB", "menu/gfx/JNL_BabyBoy.png@linear");
        break;
    }
}

void Board::hideSpaceEvent(int nextStateAfter)
{
    presenter->hideEventCard();
    setCurrState(nextStateAfter);
}

void Board::doBranchSpace(Player* player)
{
    const BoardSpace* space = player->getCar()->GetCurrentSpace();
    if (!player->isComputer())
        screens->pushBranch(space->branchType, player);
    state = space->type == BoardSpace::B5 ? kPaidForkAnswer : kForkAnswer;
}

void Board::answerBranch()
{
    RulesEngine& engine = RulesEngine::get();
    Player* player = currentPlayer;
    Car* car = player->getCar();
    BoardSpace* fork = car->GetCurrentSpace();
    int choice;
    if (player->isComputer()) {
        choice = engine.rand() % 2;
    } else {
        choice = engine.lastChoice;
        if (choice == kAnswerBack) {
            state = kForkAgain;
            return;
        }
    }
    car->CheckNextBranchSpaceIsOccupied(choice);
    forkStored = true;
    forkIndex = choice == 1 ? fork->next : fork->value;
    forkSpace = getSpaceIndex(fork);
    if (fork->type == BoardSpace::B5 && choice != 1) {
        int ms = presenter->enterMoneyTransferWithBank(player->getCharacter(), -kCollegeFee);
        player->transactCash(-kCollegeFee, MoneyCause::CollegeFee);
        engine.vibrate(250);
        if (!player->isComputer())
            engine.playSound("lost_money");
        waitThen(ms, kIdle);
        return;
    }
    state = kIdle;
}

CardPile* Board::careerOfferPile() const
{
    // Once the college careers are all taken, the others are offered, so a
    // student never leaves the choice without a career.
    return collegeCareerPile->getNumCards() > 0 ? collegeCareerPile : careerPile;
}

void Board::chooseCollegeCareer()
{
    Player* player = currentPlayer;
    offeredCareers[0] = offeredCareers[1] = nullptr;
    offerPile = careerOfferPile();
    int left = offerPile->getNumCards();
    singleCareer = left <= 1;
    if (left > 1) {
        Card* first;
        Card* second;
        offerPile->drawTwo(&first, &second);
        offeredCareers[0] = static_cast<CareerCard*>(first);
        offeredCareers[1] = static_cast<CareerCard*>(second);
    } else if (left == 1) {
        offeredCareers[0] = static_cast<CareerCard*>(offerPile->getCards());
    } else {
        offeredCareers[0] = player->getCareer();
    }
    if (!offeredCareers[0]) {
        // No card in either pile and no career to keep: nothing can be offered.
        RulesEngine::get().fatal("no career to offer");
        state = kIdle;
        return;
    }
    if (player->isComputer()) {
        state = kComputerChoiceShown;
        CareerCard* card = offeredCareers[0];
        if (offeredCareers[1] && offeredCareers[1]->salary > card->salary)
            card = offeredCareers[1];
        player->loseJob(careerPile, collegeCareerPile);
        takeOfferedCareer(card);
        screens->pushChooseCareer(player, player->getCareer(), nullptr, kComputerChoiceMs);
        return;
    }
    if (!offeredCareers[1])
        RulesEngine::get().lastChoice = 0;
    screens->pushChooseCareer(player, offeredCareers[0], offeredCareers[1], -1);
}

void Board::takeOfferedCareer(CareerCard* card)
{
    Player* player = currentPlayer;
    if (!card)
        return;
    if (offerPile && offerPile->drawThisCard(card))
        player->takeJob(card, offerPile == collegeCareerPile); // the pile it goes back to
    else if (player->getCareer())
        player->takeJob(player->getCareer(), player->isCollege()); // both piles were empty: it stays
}

void Board::takeChosenCareer(bool loseJobFirst)
{
    Player* player = currentPlayer;
    int choice = RulesEngine::get().lastChoice;
    CareerCard* card = (choice == 1 && offeredCareers[1]) ? offeredCareers[1] : offeredCareers[0];
    if (loseJobFirst)
        player->loseJob(careerPile, collegeCareerPile);
    takeOfferedCareer(card);
    if (!player->isComputer())
        RulesEngine::get().playSound("menu_open");
    offeredCareers[0] = offeredCareers[1] = nullptr;
    state = kIdle;
}

void Board::changeCareer()
{
    Player* player = currentPlayer;
    if (!player->isComputer()) {
        screens->pushBranch(player->getCar()->GetCurrentSpace()->branchType, player);
        state = kCareerChangeAnswer;
        return;
    }
    if (RulesEngine::get().rand() % 2 == 0) {
        state = kCareerChangeChosen;
        chooseCollegeCareer();
        return;
    }
    player->payRaise();
    player->payRaise();
    state = kComputerChoiceShown;
    popup({{"", {player->getName()}}, {"S_20K", {}}}, kComputerChoiceMs);
    waitTimer.start(kComputerChoiceMs);
}

void Board::buyStarterHome()
{
    Player* player = currentPlayer;
    if (!player->isComputer()) {
        state = kStarterHouseAnswer;
        screens->pushChooseHouse(player, starterHouses, -1, nullptr);
        return;
    }
    HouseCard* card = static_cast<HouseCard*>(starterHouses->drawOne(true));
    if (card)
        player->buyHouse(card);
    state = kComputerChoiceShown;
    screens->pushChooseHouse(player, starterHouses, kComputerChoiceMs, card);
}

void Board::buyBetterHome()
{
    Player* player = currentPlayer;
    if (!player->isComputer()) {
        state = kBetterHouseAnswer;
        presenter->setHudMode(kHudBothOff);
        HouseCard* house = player->getHouse();
        RuleMessage text2{{"S_BTRHM2", {GameUtil::getMoneyString(house ? house->price : 0), GameUtil::getMoneyString(house ? house->saleValue : 0)}}};
        screens->pushYesNo({{"S_BTRHM", {}}}, {{"S_BTRHM1", {}}}, text2);
        return;
    }
    // Without a better house left to buy, the player keeps its own.
    if (RulesEngine::get().rand() % 2 == 0 || betterHouses->empty()) {
        state = kComputerChoiceShown;
        waitTimer.start(kComputerChoiceMs);
        popup({{"", {player->getName()}}, {"S_AI_NOSELL", {}}}, kComputerChoiceMs);
        return;
    }
    HouseCard* card = static_cast<HouseCard*>(betterHouses->drawOne(true));
    player->sellHouse();
    player->buyHouse(card);
    state = kComputerChoiceShown;
    screens->pushChooseHouse(player, betterHouses, kComputerChoiceMs, card);
}

void Board::retire()
{
    Player* player = currentPlayer;
    RulesEngine& engine = RulesEngine::get();
    if (!player->isComputer()) {
        screens->pushRetire(player, &reserveTiles);
        state = kRetireAnswer;
        engine.playSound("player_retire");
        return;
    }
    int home = 1;
    const char* word = "S_COUNT";
    if (reserveTiles && engine.rand() % 2 == 0) {
        TurnRules::TakeLargestTile(*player, &reserveTiles);
        presenter->enterQuorvelCardTransferFromBank(0);
        home = 0;
        word = "S_MILLION";
    }
    RuleMessage text{{"S_AI_RETIRE_MILL",
                      {player->getName(), word, GameUtil::getMoneyString(TurnRules::RetirementWorth(*player, false)),
                       std::to_string(player->getNumQuorvelCards())}}};
    presenter->addToReport(text);
    popup(text, kRetireMs);
    player->retire(home);
    waitThen(kRetireMs, kIdle);
    player->getCar()->Fade(true, kCarFadeOutMs);
}

void Board::moveToNextWedding()
{
    BoardSpace* space = currentPlayer->getCar()->GetCurrentSpace();
    int count = 0;
    // Never walk further than the board is long, whatever the links say.
    for (int steps = 0; space && steps < kNumSpaces; ++steps) {
        space = getSpace(space->next);
        ++count;
        if (space && space->type == BoardSpace::GM) {
            prepareToMove(count);
            return;
        }
    }
    state = kIdle; // no wedding ahead
}

void Board::queueEvent(Player* player, int type, int subject, int eventAmount, int flag)
{
    player->addEvent(new Event(type, subject, eventAmount, flag));
}

void Board::queueEventForOthers(int type, int eventAmount)
{
    for (int i = 0; i < numPlayers; ++i) {
        if (players[i] != currentPlayer)
            queueEvent(players[i], type, currentPlayer->getPassNPlayId(), eventAmount);
    }
}
