#include "qrvl/original/game/HeadlessGame.h"

#include "qrvl/original/rules/BoardPresenter.h"
#include "qrvl/original/rules/BoardSpace.h"
#include "qrvl/original/rules/CardPile.h"
#include "qrvl/original/rules/HouseCard.h"
#include "qrvl/original/rules/InstantChoices.h"
#include "qrvl/original/rules/QuorvelCard.h"
#include "qrvl/original/rules/RulesEngine.h"
#include "qrvl/original/game/SavedGameBody.h"
#include "qrvl/original/rules/ShareTheWealthCard.h"
#include "qrvl/original/game/TurnMachine.h"
#include "qrvl/original/rules/TurnRules.h"

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

// The in-game mode's turn machine with nothing shown: a person's choice of
// college or a career is answered at once, and what the machine finds
// impossible is a fault of the game.
class HeadlessGame::Machine : public TurnMachine {
public:
    Machine(HeadlessGame& game, int count)
        : game(game)
    {
        numPlayers = count;
    }

protected:
    void askRoute(Player* player) override { game.answers.pushChoosePath(player); }
    void reportFatal(const char* message) override
    {
        TurnMachine::reportFatal(message);
        game.fault(message);
    }

private:
    HeadlessGame& game;
};

HeadlessGame::HeadlessGame(int numPlayers, unsigned seed, BoardPresenter& presenter, InstantChoices& screens,
                           int stepMs)
    : machine(std::make_unique<Machine>(*this, numPlayers))
    , order(machine->playerOrder())
    , investmentOwners(machine->investmentOwnerTable())
    , count(numPlayers)
    , shown(presenter)
    , answers(screens)
    , stepMs(stepMs)
{
    RulesEngine::get().srand(seed);
    careers.init();
    collegeCareers.init();
    tiles.init();
    shareTheWealth.init();
    TurnMachine::Table table;
    for (int i = 0; i < Board::kMaxPlayers; ++i) {
        order[i] = &players[i];
        table.cars[i] = &cars[i];
        players[i].init(kColours[i], kNames[i], i % 2, true, false, &cars[i], i);
        players[i].setPassNPlayId(i);
        players[i].CreateJournal();
    }
    board = std::make_unique<Board>();
    if (!board->init(order, &tiles, &careers, &collegeCareers, &shareTheWealth, numPlayers, &presenter, &screens))
        fault("the board could not be read");
    board->setNumPlayers(numPlayers);
    table.board = board.get();
    table.careers = &careers;
    table.collegeCareers = &collegeCareers;
    table.screens = &screens;
    table.presenter = &presenter;
    machine->setTable(table);
}

HeadlessGame::~HeadlessGame()
{
    board.reset();
}

TurnMachine& HeadlessGame::turn()
{
    return *machine;
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
    if (machine->getCurrState() == TurnMachine::NewGame) {
        machine->tickTable(stepMs);
    } else {
        machine->tickTurn(stepMs);
        Player* player = machine->getPlayer(machine->getCurrentPlayerIndex());
        if (machine->getCurrState() == TurnMachine::Wheel && player && !player->isComputer())
            machine->spinAtRandomWhenReady();
    }
    // A screen answers before the game ticks again, and an answer may bring
    // the next screen at once, as on the in-game mode's stack.
    while (answers.takePending())
        machine->screenAnswered(engine.lastChoice);
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
    if (machine->getCurrState() == TurnMachine::NewGame || machine->getCurrentPlayerIndex() != seat)
        machine->startTurnOf(seat, !cars[seat].isPlaced());
    int const passed = machine->getTurnsPassed();
    turnMs = 0;
    while (machine->getTurnsPassed() == passed && machine->getCurrState() != TurnMachine::GameOver) {
        if (turnMs >= kMaxTurnMs || !faultList.empty()) {
            if (faultList.empty())
                fault("a turn that never ends; state " + std::to_string(machine->getCurrState()));
            return;
        }
        step();
    }
}

void HeadlessGame::save(FGDataWriter* writer)
{
    // Saved as the in-game mode saves when the turn passes: the seat to play
    // next, which in the first round still chooses college or a career.
    SavedTurn turn;
    turn.currentPlayer = machine->getCurrentPlayerIndex();
    turn.firstRound = machine->isFirstRound();
    std::copy(investmentOwners, investmentOwners + TurnRules::kInvestments, turn.investmentOwners);
    turn.numPlayers = count;
    bool const choosesRoute = turn.firstRound && !cars[turn.currentPlayer].isPlaced();
    turn.state = choosesRoute ? TurnMachine::ChooseRoute : TurnMachine::MoveDone;
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
    if (!board->load(reader) || !SavedGameBody::ReadTail(reader, turn, TurnMachine::TurnStart))
        return false;
    std::copy(turn.investmentOwners, turn.investmentOwners + TurnRules::kInvestments, investmentOwners);
    if (!players[turn.humanIndex].isComputer())
        board->setHumanIndex(turn.humanIndex);
    // A player whose car is not yet on the road still chooses college or a career.
    machine->startTurnOf(turn.currentPlayer, turn.firstRound && !cars[turn.currentPlayer].isPlaced());
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
    // The computers' cards come first, as the in-game set-up deals them
    // before a person picks one (the default pick: the top card).
    for (int seat = 0; seat < count; ++seat) {
        if (players[seat].isComputer())
            TurnRules::DealComputerShareCards(players[seat], shareTheWealth);
    }
    for (int seat = 0; seat < count; ++seat) {
        if (players[seat].isComputer())
            continue;
        if (auto* card = static_cast<ShareTheWealthCard*>(shareTheWealth.drawOne(true)))
            players[seat].addShareTheWealth(card);
    }
    machine->startTurnOf(0, true);
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
        playTurn(machine->getCurrentPlayerIndex());
        if (afterTurn)
            afterTurn(*this, afterTurnUser);
    }
    return turns;
}
