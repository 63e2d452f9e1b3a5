// The in-memory game of the rules tests.
#include "RulesFixture.h"

#include "qrvl/original/BoardSpace.h"
#include "qrvl/original/CardPile.h"
#include "qrvl/original/CareerCard.h"
#include "qrvl/original/HouseCard.h"
#include "qrvl/original/QuorvelCard.h"

#include "norv/vfs/Vfs.h"

#include <gtest/gtest.h>

namespace {
constexpr int kStepMs = 50;
}

TestEngine::TestEngine()
{
    Norv::Vfs::Initialize();
    Norv::MountNative(Norv::PosixPath(NORV_TEST_SOURCE_DIR "/../../../../data/board/"), "", 0);
    RulesEngine::install(this);
}

TestEngine::~TestEngine()
{
    RulesEngine::install(nullptr);
    Norv::Vfs::Shutdown();
}

bool RecordingPresenter::sawPopup(const std::string& id) const
{
    for (const std::string& seen : popups) {
        if (seen == id)
            return true;
    }
    return false;
}

int RecordingPresenter::getValuePointedTo()
{
    if (wheel.empty())
        return BoardPresenter::getValuePointedTo();
    int value = wheel.front();
    wheel.erase(wheel.begin());
    return value;
}

void ScriptedScreens::answer(int choice)
{
    RulesEngine::get().lastChoice = choice;
    pending = true;
}

void ScriptedScreens::pushBranch(int branchType, Player*)
{
    pushed.push_back("branch" + std::to_string(branchType));
    int choice = 1;
    if (!branchAnswers.empty()) {
        choice = branchAnswers.front();
        branchAnswers.erase(branchAnswers.begin());
    }
    answer(choice);
}

void ScriptedScreens::pushChooseHouse(Player* player, CardPile* pile, int timeoutMs, HouseCard*)
{
    pushed.push_back("house");
    // A person picks a house from the pile; a computer player's screen only shows its card.
    if (timeoutMs == -1) {
        HouseCard* card = static_cast<HouseCard*>(pile->drawOne(true));
        if (card)
            player->buyHouse(card);
    }
    answer(3);
}

void ScriptedScreens::pushYesNo(const RuleMessage& title, const RuleMessage&, const RuleMessage&)
{
    pushed.push_back(title.at(0).id);
    answer(yesNo);
}

void ScriptedScreens::pushChoosePlayer(Player**, int count, int currentPosition, int)
{
    pushed.push_back("player");
    int choice = playerChoice;
    if (choice == -2)
        choice = currentPosition == 0 && count > 1 ? 1 : 0;
    answer(choice);
}

void ScriptedScreens::pushRetire(Player* player, QuorvelCard**)
{
    pushed.push_back("retire");
    player->retire(1);
    answer(3);
}

void ScriptedScreens::pushSpin2Win(Player* player)
{
    pushed.push_back("spin2win");
    int numbers[] = {4};
    player->setSpin2Win(numbers, 1, 5000);
    answer(0);
}

RulesFixture::RulesFixture(int numPlayers, unsigned seed) : count(numPlayers)
{
    engine.srand(seed);
    careers.init();
    collegeCareers.init();
    tiles.init();
    shareTheWealth.init();
    static const char* const kNames[] = {"S_PLYR_BOB", "S_PLYR_RACHEL", "S_PLYR_JOHN", "S_PLYR_MARY", "S_PLYR_JOAN", "S_PLYR_ERNIE"};
    static const int kColours[] = {3, 2, 0, 1, 4, 5};
    for (int i = 0; i < Board::kMaxPlayers; ++i) {
        order[i] = &players[i];
        players[i].init(kColours[i], kNames[i], i % 2, true, false, &cars[i], i);
        players[i].setPassNPlayId(i);
        players[i].CreateJournal();
    }
    board = std::make_unique<Board>();
    bool ok = board->init(order, &tiles, &careers, &collegeCareers, &shareTheWealth, numPlayers, &presenter, &screens);
    EXPECT_TRUE(ok);
    board->setNumPlayers(numPlayers);
}

RulesFixture::~RulesFixture()
{
    board.reset();
}

void RulesFixture::makeHuman(int seat)
{
    players[seat].setComputer(false);
    board->setHumanIndex(seat);
}

void RulesFixture::putCar(int seat, int space)
{
    cars[seat].Place(board->getSpace(space));
}

bool RulesFixture::isRequest(int state) const
{
    switch (state) {
    case Board::kIdle: case Board::kLostJob: case Board::kSpinToWinSpin: case Board::kFirstRollerResult:
    case Board::kSpinAgain: case Board::kWeddingGiftSpin: case Board::kPensionSpin:
        return true;
    default:
        return false;
    }
}

void RulesFixture::step()
{
    engine.advance(kStepMs);
    for (int i = 0; i < count; ++i)
        cars[i].Tick(kStepMs);
    board->tick();
    if (screens.takePending())
        board->activate();
}

int RulesFixture::runBoard(int maxSteps)
{
    for (int i = 0; i < maxSteps; ++i) {
        step();
        if (isRequest(board->getState()))
            return board->getState();
    }
    ADD_FAILURE() << "the board never came to rest; state " << board->getState();
    return -1;
}

void RulesFixture::startSpin()
{
    Player* player = board->getCurrPlayer();
    if (player->isComputer())
        board->startSpin(2500, -1);
    else
        board->startSpin(250);
}

int RulesFixture::spinAndRun(int seat, int steps)
{
    board->setCurrPlayer(seat);
    board->setForcedStepCount(steps);
    startSpin();
    int state = runBoard();
    board->setForcedStepCount(0);
    return state;
}

int RulesFixture::retirementWorth(const Player* player) const
{
    int worth = player->getCash() + 10000 * player->getNumChildren() - 25000 * player->getLoans();
    if (player->getHouse())
        worth += player->getHouse()->price;
    for (Card* tile = player->getQuorvelCards(); tile; tile = tile->next)
        worth += static_cast<QuorvelCard*>(tile)->value;
    return worth;
}

// One turn as the in-game mode runs it around the board's move.
void RulesFixture::playTurn(int seat)
{
    board->setCurrPlayer(seat);
    Player* player = &players[seat];
    bool weddingSpun = false;
    bool pensionSpun = false;
    // After a move: a stop space other than retirement gives another spin.
    auto spinsAgain = [&]() {
        BoardSpace* space = cars[seat].GetCurrentSpace();
        return !player->isRetired() && space->IsStopSpace() && space->type != BoardSpace::RT;
    };
    startSpin();
    for (int guard = 0; guard < 1000; ++guard) {
        int state = runBoard();
        switch (state) {
        case Board::kIdle:
            if (!spinsAgain())
                return;
            startSpin();
            break;
        case Board::kLostJob: {
            CareerCard* card = static_cast<CareerCard*>(careers.drawOne(true));
            player->takeJob(card ? card : player->getCareer(), false);
            player->loseJob(&careers, &collegeCareers);
            return;
        }
        case Board::kSpinToWinSpin:
        case Board::kSpinAgain:
            startSpin();
            break;
        case Board::kWeddingGiftSpin:
            if (!weddingSpun) {
                weddingSpun = true;
                startSpin();
                break;
            }
            {
                int value = board->getSpinnerValue();
                int gift = value >= 8 ? 10000 : (value >= 5 ? 5000 : 0);
                if (gift > 0)
                    presenter.enterMoneyTransferWithAllPlayers(gift, false);
                while (!board->doneSpinningForGifts())
                    runBoard();
            }
            if (!spinsAgain())
                return;
            weddingSpun = false;
            startSpin();
            break;
        case Board::kPensionSpin:
            if (!pensionSpun) {
                pensionSpun = true;
                startSpin();
                break;
            }
            player->transactCash(board->getSpinnerValue() * 10000);
            board->doneSpinningForPension();
            return;
        default:
            ADD_FAILURE() << "unexpected board state " << state;
            return;
        }
    }
    ADD_FAILURE() << "a turn that never ends";
}

int RulesFixture::playToEnd(int maxTurns)
{
    startGame();
    return playTurns(maxTurns);
}

void RulesFixture::startGame()
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

int RulesFixture::playTurns(int maxTurns)
{
    int turns = 0;
    for (; turns < maxTurns; ++turns) {
        int seat = turns % count;
        bool allRetired = true;
        for (int i = 0; i < count; ++i)
            allRetired = allRetired && players[i].isRetired();
        if (allRetired)
            break;
        Player& player = players[seat];
        if (player.isRetired())
            continue;
        if (player.getLoseNextTurn()) {
            player.setLoseNextTurn(false);
            continue;
        }
        playTurn(seat);
    }
    return turns;
}
