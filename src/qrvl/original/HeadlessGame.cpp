#include "qrvl/original/HeadlessGame.h"

#include "qrvl/original/BoardPresenter.h"
#include "qrvl/original/BoardSpace.h"
#include "qrvl/original/CardPile.h"
#include "qrvl/original/HouseCard.h"
#include "qrvl/original/InstantChoices.h"
#include "qrvl/original/ModeGame.h"
#include "qrvl/original/QuorvelCard.h"
#include "qrvl/original/RulesEngine.h"
#include "qrvl/original/SavedGameBody.h"
#include "qrvl/original/TurnRules.h"

#include <algorithm>

namespace {

// A spin of a person, of a computer player (-1: the wheel's random speed).
constexpr int kPersonSpinMs = 250;
constexpr int kComputerSpinMs = 2500;
constexpr int kRandomSpinSpeed = -1;
// More game time in one turn than any turn takes: an hour.
constexpr unsigned kMaxTurnMs = 3600000;

const char* const kNames[] = {"S_PLYR_BOB", "S_PLYR_RACHEL", "S_PLYR_JOHN", "S_PLYR_MARY", "S_PLYR_JOAN", "S_PLYR_ERNIE"};
const int kColours[] = {3, 2, 0, 1, 4, 5};

} // namespace

HeadlessGame::HeadlessGame(int numPlayers, unsigned seed, BoardPresenter& presenter, InstantChoices& screens,
                           int stepMs)
    : count(numPlayers)
    , shown(presenter)
    , answers(screens)
    , stepMs(stepMs)
{
    RulesEngine::get().srand(seed);
    careers.init();
    collegeCareers.init();
    tiles.init();
    shareTheWealth.init();
    std::fill(investmentOwners, investmentOwners + TurnRules::kInvestments, TurnRules::kNoOwner);
    for (int i = 0; i < Board::kMaxPlayers; ++i) {
        order[i] = &players[i];
        players[i].init(kColours[i], kNames[i], i % 2, true, false, &cars[i], i);
        players[i].setPassNPlayId(i);
        players[i].CreateJournal();
    }
    board = std::make_unique<Board>();
    if (!board->init(order, &tiles, &careers, &collegeCareers, &shareTheWealth, numPlayers, &presenter, &screens))
        fault("the board could not be read");
    board->setNumPlayers(numPlayers);
}

HeadlessGame::~HeadlessGame()
{
    board.reset();
}

void HeadlessGame::fault(std::string what)
{
    faultList.push_back(std::move(what));
}

void HeadlessGame::makeHuman(int seat)
{
    players[seat].setComputer(false);
    board->setHumanIndex(seat);
}

void HeadlessGame::putCar(int seat, int space)
{
    cars[seat].Place(board->getSpace(space));
}

bool HeadlessGame::isRequest(int state) const
{
    switch (state) {
    case Board::kIdle: case Board::kLostJob: case Board::kSpinToWinSpin: case Board::kFirstRollerResult:
    case Board::kSpinAgain: case Board::kWeddingGiftSpin: case Board::kPensionSpin:
        return true;
    default:
        return false;
    }
}

void HeadlessGame::step()
{
    RulesEngine& engine = RulesEngine::get();
    engine.advance(stepMs);
    turnMs += static_cast<unsigned>(stepMs);
    for (int i = 0; i < count; ++i)
        cars[i].Tick(stepMs);
    board->tick();
    if (answers.takePending())
        board->activate();
    int const state = board->getState();
    if (state != watchedState) {
        watchedState = state;
        stateSince = engine.timeMs();
    } else if (engine.timeMs() - stateSince > longestState) {
        longestState = engine.timeMs() - stateSince;
    }
}

int HeadlessGame::runBoard(int maxSteps)
{
    for (int i = 0; i < maxSteps && turnMs < kMaxTurnMs; ++i) {
        step();
        if (isRequest(board->getState()))
            return board->getState();
    }
    fault("the board never came to rest; state " + std::to_string(board->getState()));
    return -1;
}

void HeadlessGame::startSpin()
{
    Player* player = board->getCurrPlayer();
    if (player->isComputer())
        board->startSpin(kComputerSpinMs, kRandomSpinSpeed);
    else
        board->startSpin(kPersonSpinMs);
}

int HeadlessGame::spinAndRun(int seat, int steps)
{
    board->setCurrPlayer(seat);
    board->setForcedStepCount(steps);
    startSpin();
    int state = runBoard();
    board->setForcedStepCount(0);
    return state;
}

int HeadlessGame::retirementWorth(const Player* player) const
{
    return TurnRules::RetirementWorth(*player, true);
}

void HeadlessGame::playTurn(int seat)
{
    board->setCurrPlayer(seat);
    Player* player = &players[seat];
    TurnRules::Memory memory;
    // After a payment the turn goes on as after a move that came to rest.
    auto spinAgainOrEnd = [&]() {
        if (!TurnRules::MovesAgain(*player))
            return false;
        startSpin();
        return true;
    };
    turnMs = 0;
    startSpin();
    while (turnMs < kMaxTurnMs) {
        int const state = runBoard();
        switch (TurnRules::AfterMove(state, *player, memory)) {
        case TurnRules::Step::EndTurn:
            return;
        case TurnRules::Step::SpinAgain:
        case TurnRules::Step::SpinToWin:
        case TurnRules::Step::WeddingSpin:
        case TurnRules::Step::PensionSpin:
            startSpin();
            break;
        case TurnRules::Step::LostJob:
            TurnRules::TakeNewCareer(*player, careers);
            player->loseJob(&careers, &collegeCareers);
            return;
        case TurnRules::Step::WeddingGifts:
            if (int gift = TurnRules::WeddingGift(board->getSpinnerValue()); gift > 0)
                shown.enterMoneyTransferWithAllPlayers(gift, false);
            while (!board->doneSpinningForGifts() && turnMs < kMaxTurnMs)
                runBoard();
            if (turnMs < kMaxTurnMs && !spinAgainOrEnd())
                return;
            break;
        case TurnRules::Step::Pension:
            player->transactCash(TurnRules::Pension(board->getSpinnerValue()));
            board->doneSpinningForPension();
            if (!spinAgainOrEnd())
                return;
            break;
        case TurnRules::Step::SpinForFirst:
        case TurnRules::Step::Wait:
            fault("unexpected board state " + std::to_string(state));
            return;
        }
    }
    fault("a turn that never ends");
}

void HeadlessGame::save(FGDataWriter* writer)
{
    // Saved as the in-game mode saves after a move: the next seat to play,
    // past the first round, with every car on its way.
    SavedTurn turn;
    int const played = board->getPlayerIndex(board->getCurrPlayer());
    turn.currentPlayer = played < 0 ? 0 : (played + 1) % count;
    turn.firstRound = false;
    std::copy(investmentOwners, investmentOwners + TurnRules::kInvestments, turn.investmentOwners);
    turn.numPlayers = count;
    turn.state = ModeGame::MoveDone;
    turn.roller = count;
    for (int i = 0; i < count; ++i)
        if (!players[i].isComputer())
            turn.humanIndex = i;
    SavedGameBody::WriteHead(writer, turn, savedPiles());
    for (int i = 0; i < count; ++i)
        players[i].save(writer);
    board->save(writer);
    SavedGameBody::WriteTail(writer, turn);
}

bool HeadlessGame::load(FGDataReader* reader)
{
    SavedTurn turn;
    if (!SavedGameBody::ReadHead(reader, turn, savedPiles(), Board::kMaxPlayers) || turn.numPlayers != count)
        return false;
    for (int i = 0; i < count; ++i)
        if (!players[i].load(reader, &cars[i]))
            return false;
    if (!board->load(reader) || !SavedGameBody::ReadTail(reader, turn, ModeGame::TurnStart))
        return false;
    std::copy(turn.investmentOwners, turn.investmentOwners + TurnRules::kInvestments, investmentOwners);
    firstSeat = turn.currentPlayer;
    pastFirstRound = true;
    if (!players[turn.humanIndex].isComputer())
        board->setHumanIndex(turn.humanIndex);
    return true;
}

SavedPiles HeadlessGame::savedPiles()
{
    return {&careers, &collegeCareers, &tiles, &shareTheWealth};
}

int HeadlessGame::playToEnd(int maxTurns)
{
    startGame();
    return playTurns(maxTurns);
}

void HeadlessGame::startGame()
{
    // Every other player takes college, the rest a career.
    for (int seat = 0; seat < count; ++seat) {
        board->setCurrPlayer(seat);
        bool college = seat % 2 == 0;
        if (!college)
            players[seat].takeJob(static_cast<CareerCard*>(careers.drawOne(true)), false);
        board->placeCarForStart(&cars[seat], college);
        runBoard();
    }
}

bool HeadlessGame::allRetired() const
{
    for (int i = 0; i < count; ++i)
        if (!players[i].isRetired())
            return false;
    return true;
}

int HeadlessGame::playTurns(int maxTurns)
{
    int turns = 0;
    for (; turns < maxTurns && faultList.empty(); ++turns) {
        if (allRetired())
            break;
        int seat = (firstSeat + turns) % count;
        Player& player = players[seat];
        // Past the first round a computer player may buy an investment as its turn comes.
        if ((turns >= count || pastFirstRound) && player.isComputer() && !player.isRetired() && player.willBuyInvestment())
            TurnRules::BuyComputerInvestment(player, investmentOwners);
        if (player.getLoseNextTurn()) {
            player.setLoseNextTurn(false);
            continue;
        }
        // A retired player still spins, for everyone's investments.
        playTurn(seat);
        if (afterTurn)
            afterTurn(*this, afterTurnUser);
    }
    return turns;
}
