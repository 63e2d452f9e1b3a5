// Building a game: new or continued, the players' set-up, the first Share
// the Wealth cards, the spin that decides who starts, the saved game's body
// and leaving the game.
#include "qrvl/original/game/ModeGame.h"

#include "qrvl/original/rules/Board.h"
#include "qrvl/original/rules/BoardPresenter.h"
#include "qrvl/original/rules/Car.h"
#include "qrvl/original/rules/CareerCardPile.h"
#include "qrvl/original/rules/CollegeCareerCardPile.h"
#include "qrvl/original/framework/FGDataReader.h"
#include "qrvl/original/framework/FGDataWriter.h"
#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/game/GameScreens.h"
#include "qrvl/original/game/Hud.h"
#include "qrvl/original/framework/HudPages.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/rules/PlayerEnums.h"
#include "qrvl/original/rules/QuorvelCardPile.h"
#include "qrvl/original/framework/QuorvelEngine.h"
#include "qrvl/original/rules/SaveGame.h"
#include "qrvl/original/game/SavedGameBody.h"
#include "qrvl/original/rules/ShareTheWealthCard.h"
#include "qrvl/original/rules/ShareTheWealthCardPile.h"
#include "qrvl/original/rules/TurnRules.h"
#include "qrvl/original/phone/world/CSkipManager.h"
#include "qrvl/original/phone/world/WorldHooks.h"
#include "qrvl/port/SoundManager.h"

#include <algorithm>
#include <cstring>

namespace {

struct DefaultPlayer {
    int colour;
    const char* name;
    int sex;
    int character;
};
const DefaultPlayer kDefaultPlayers[ModeGame::kMaxPlayers] = {
    {3, "S_PLYR_BOB", 0, 0},  {2, "S_PLYR_RACHEL", 1, 1}, {0, "S_PLYR_JOHN", 0, 2},
    {1, "S_PLYR_MARY", 1, 3}, {4, "S_PLYR_JOAN", 1, 4},   {5, "S_PLYR_ERNIE", 0, 5},
};
constexpr int kDefaultNumPlayers = 4;

constexpr int kColours = 6;
using PlayerEnums::kCharacters;
// The lowest spin for first, below every number of the wheel.
constexpr int kBelowEverySpin = -10;
constexpr int kLastState = ModeGame::TurnStart;
// The journal flag of a player who has made the first choice.
constexpr unsigned kJournalChosePath = 32;
// Told once when a save cannot be written, long enough to be read.
constexpr char const* kCannotSaveText = "S_CANNOT_SAVE";
constexpr int kCannotSavePopupMs = 4000;

bool isSavedState(int state)
{
    switch (state) {
    case ModeGame::NewGame: case ModeGame::SpinForFirst: case ModeGame::GameOver: case ModeGame::ShowEvents:
    case ModeGame::Quitting: case ModeGame::Resume: case ModeGame::FirstCareer: case ModeGame::PlayersChosen:
    case ModeGame::AfterCareer: case ModeGame::InitialShareCards: case ModeGame::ChooseShareCards:
        return false;
    default:
        return true;
    }
}

} // namespace

ModeGame::ModeGame()
    : engine(static_cast<QuorvelEngine*>(FGEngine::getEngine()))
    , screens(&GameScreens::Get())
{
    waitTimer.start(0);
}

ModeGame::~ModeGame()
{
    // The HUD outlives the game and goes on ticking its transfers.
    if (GameScreens::Get().presenter().forgetPlayers(players))
        HudPages::Get().SetCurrentPlayer(nullptr, false);
    WorldHooks::Get().Clear();
    board.reset();
    for (Player*& player : players) {
        delete player;
        player = nullptr;
    }
}

void ModeGame::setupSaveGame()
{
    saveGameFile = std::make_unique<SaveGame>();
    saveGameFile->init(SaveGame::kSingle);
}

bool ModeGame::init(bool load, bool isPassAndPlay)
{
    hideArrowNextTick = fastForwardComputers = false;
    computerToggleCooldown = 0;
    turnMemory = {};
    passAndPlay = isPassAndPlay;
    engine->lastChoice = 0;
    setupSaveGame();
    for (auto& car : cars)
        car = std::make_unique<Car>();
    hud = std::make_unique<Hud>();
    hud->init();
    WorldHooks::Get().Init();
    CSkipManager::GetSkipManager().Clear();
    bool built = false;
    if (load) {
        built = ownsSavedGame = loadGame();
        if (!built) {
            // A saved game that cannot be read is gone; a new game starts instead.
            FGEngine::fatal("saved game unreadable: a new game starts");
            SaveGame::DeleteAll();
        }
    }
    if (!built) {
        justLoaded = ownsSavedGame = false;
        newGame();
        if (!board)
            return false;
        for (int i = 0; i < numPlayers; ++i)
            cars[i]->init(players[i]->getColor());
    }
    hud->setLeftPlayer(currentPlayerObject());
    SoundManager::GetInstance().PlaySound("fe_select");
    pausePending = false;
    return true;
}

void ModeGame::newGame()
{
    currentPlayer = 0;
    firstRound = true;
    for (int& owner : investmentOwners)
        owner = kNoOwner;
    careerPile = std::make_unique<CareerCardPile>();
    collegePile = std::make_unique<CollegeCareerCardPile>();
    tilePile = std::make_unique<QuorvelCardPile>();
    shareTheWealthPile = std::make_unique<ShareTheWealthCardPile>();
    careerPile->init();
    collegePile->init();
    tilePile->init();
    shareTheWealthPile->init();
    for (int seat = 0; seat < kMaxPlayers; ++seat) {
        const DefaultPlayer& row = kDefaultPlayers[seat];
        delete players[seat];
        players[seat] = new Player;
        players[seat]->init(row.colour, FGStringManager::getString(row.name), row.sex, true, false, cars[seat].get(),
                            row.character);
    }
    numPlayers = kDefaultNumPlayers;
    // Every seat may play until the set-up says how many do.
    board = std::make_unique<Board>();
    setTableFromGame();
    if (!board->init(players, tilePile.get(), careerPile.get(), collegePile.get(), shareTheWealthPile.get(),
                     kMaxPlayers, &screens->presenter(), screens)) {
        board.reset();
        return;
    }
    configureHudOverlay();
    state = NewGame;
    spinningForFirst = false;
}

bool ModeGame::loadGame()
{
    saveGameFile->readFromDisk();
    FGDataReader* reader = saveGameFile->getDataReader();
    if (!reader)
        return false;
    careerPile = std::make_unique<CareerCardPile>();
    collegePile = std::make_unique<CollegeCareerCardPile>();
    tilePile = std::make_unique<QuorvelCardPile>();
    shareTheWealthPile = std::make_unique<ShareTheWealthCardPile>();
    SavedTurn turn;
    if (!SavedGameBody::ReadHead(reader, turn, savedPiles(), kMaxPlayers))
        return false;
    currentPlayer = turn.currentPlayer;
    firstRound = turn.firstRound;
    std::copy(turn.investmentOwners, turn.investmentOwners + kInvestments, investmentOwners);
    numPlayers = turn.numPlayers;
    for (int i = 0; i < numPlayers; ++i) {
        players[i] = new Player;
        if (!players[i]->load(reader, cars[i].get()))
            return false;
        setCarAndPortrait(players[i], players[i]->getColor(), players[i]->getCharacter(), players[i]->getName());
    }
    board = std::make_unique<Board>();
    setTableFromGame();
    if (!board->init(players, tilePile.get(), careerPile.get(), collegePile.get(), shareTheWealthPile.get(),
                     numPlayers, &screens->presenter(), screens))
        return false;
    // The board places the cars of the players in play.
    board->setNumPlayers(numPlayers);
    if (!board->load(reader))
        return false;
    bool const tailRead = SavedGameBody::ReadTail(reader, turn, kLastState);
    loadSpecific(reader);
    if (!tailRead || reader->hasError())
        return false;
    state = turn.state;
    spinningForFirst = turn.spinningForFirst;
    if (spinningForFirst)
        board->setNumPlayers(0);
    roller = turn.roller;
    humanIndex = turn.humanIndex;
    board->setHumanIndex(humanIndex);
    justLoaded = true;
    board->setCurrPlayer(currentPlayer);
    if (state == MoveDone) {
        announceCurrPlayer(false);
    } else if (state == TurnStart) {
        announceCurrPlayer(false);
        setCurrState(TurnStart);
    } else if (state == Wheel && passAndPlay) {
        announceCurrPlayer(false);
    }
    configureHudOverlay();
    return true;
}

void ModeGame::saveGame()
{
    if (!isSavedState(state))
        return;
    SavedTurn turn;
    turn.currentPlayer = currentPlayer;
    turn.firstRound = firstRound;
    std::copy(investmentOwners, investmentOwners + kInvestments, turn.investmentOwners);
    turn.numPlayers = numPlayers;
    turn.state = state;
    turn.spinningForFirst = spinningForFirst;
    turn.roller = roller;
    turn.humanIndex = humanIndex;
    FGDataWriter* writer = saveGameFile->getDataWriter();
    SavedGameBody::WriteHead(writer, turn, savedPiles());
    for (int i = 0; i < numPlayers; ++i)
        players[i]->save(writer);
    board->save(writer);
    SavedGameBody::WriteTail(writer, turn);
    saveSpecific(writer);
    if (flushSave())
        ownsSavedGame = true;
}

SavedPiles ModeGame::savedPiles() const
{
    return {careerPile.get(), collegePile.get(), tilePile.get(), shareTheWealthPile.get()};
}

bool ModeGame::flushSave()
{
    // A failed save keeps the previous one on the disk; the player hears of
    // it once, not after every move.
    bool const saved = saveGameFile->flushToDisk();
    if (!saved && SaveGame::TakeFailureNotice())
        screens->presenter().showInfoPopup({{kCannotSaveText, {}}}, kCannotSavePopupMs);
    return saved;
}

void ModeGame::quit()
{
    bool const orderOfPlayUndecided = spinningForFirst || state == NewGame || state == SpinForFirst || state == GameOver
        || state == Quitting || state == PlayersChosen;
    if (!orderOfPlayUndecided)
        flushSave();
    else if (ownsSavedGame)
        SaveGame::DeleteAll();
    engine->getModeManager()->setMode(screens->createMainMenu());
    state = Quitting;
}

void ModeGame::setTableFromGame()
{
    Table played;
    played.board = board.get();
    for (int i = 0; i < kMaxPlayers; ++i)
        played.cars[i] = cars[i].get();
    played.careers = careerPile.get();
    played.collegeCareers = collegePile.get();
    played.screens = screens;
    played.presenter = &screens->presenter();
    setTable(played);
}

void ModeGame::configureHudOverlay()
{
    BoardPresenter& presenter = screens->presenter();
    presenter.setupPlayerOrder(players, numPlayers);
    presenter.setCurrentPlayer(numPlayers > 0 ? players[currentPlayer] : nullptr);
}

void ModeGame::setCarAndPortrait(Player* player, int colour, int character, const char* name)
{
    // The car appears on the board once, hidden until it is placed.
    Car* car = player->getCar();
    if (!car->HasMotion())
        car->init(colour, WorldHooks::Get().SpawnCar(colour));
    FGString playerName(name);
    player->setNameAndSex(playerName, character);
    player->spawnInitialPegs();
    player->setColor(colour);
    if (player->isRetired())
        player->getCar()->Fade(true, 0);
    player->CreateJournal();
}

void ModeGame::choosePlayers()
{
    screens->pushSetUp(players, hud.get(), nameBuffer, kNameBytes);
    setCurrState(PlayersChosen);
}

void ModeGame::setupPlayers(bool fromRecord)
{
    if (fromRecord)
        return;
    int answer = engine->lastChoice;
    if (answer == kAnswerQuit) {
        quit();
        return;
    }
    // An answer outside the table of colours, characters or seats is kept within it.
    int count = answer & 0xFF;
    int character = (answer >> 8) & 0xFF;
    int colour = (answer >> 16) & 0xFF;
    numPlayers = count < 1 ? 1 : (count > kMaxPlayers ? kMaxPlayers : count);
    character %= kCharacters;
    colour %= kColours;
    humanIndex = 0;
    humanColour = colour;
    roller = spinForFirstCount = 0;
    spinningForFirst = true;

    Player* person = players[0];
    person->setCharacter(character);
    person->setComputer(false);
    person->setColor(colour);
    nameBuffer[kNameBytes - 1] = '\0';
    setCarAndPortrait(person, colour, character, nameBuffer);
    seats[0] = person;
    players[0] = nullptr;

    bool colourTaken[kColours] = {};
    bool characterTaken[kCharacters] = {};
    colourTaken[colour] = characterTaken[character] = true;
    for (int seat = 1; seat < kMaxPlayers; ++seat) {
        Player* opponent = players[seat];
        if (!opponent)
            continue;
        int c = engine->rand() % kColours;
        while (colourTaken[c])
            c = (c + 1) % kColours;
        colourTaken[c] = true;
        int ch = engine->rand() % kCharacters;
        while (characterTaken[ch])
            ch = (ch + 1) % kCharacters;
        characterTaken[ch] = true;
        setCarAndPortrait(opponent, c, ch, FGStringManager::getString(PlayerEnums::kCharacterNames[ch]));
        opponent->setCharacter(ch);
    }
    for (int seat = 1; seat < numPlayers; ++seat) {
        int r;
        do
            r = engine->rand() % kMaxPlayers;
        while (!players[r]);
        seats[seat] = players[r];
        players[r] = nullptr;
    }
    for (Player*& left : players) {
        delete left;
        left = nullptr;
    }
    for (int& value : spinForFirstValues)
        value = -1;
    for (int i = 0; i < numPlayers; ++i) {
        players[i] = seats[i];
        players[i]->setPassNPlayId(i);
        if (!players[i]->isComputer())
            humanIndex = i;
    }
    configureHudOverlay();
}

void ModeGame::afterSetUp()
{
    if (engine->lastChoice == kAnswerQuit) {
        quit();
        return;
    }
    Player* person = players[0];
    person->setTapped(true);
    person->setJournalFlags(person->getJournalFlags() | kJournalChosePath);
    setupPlayers(false);
    for (int i = 0; i < numPlayers; ++i) {
        if (players[i]->isComputer())
            TurnRules::DealComputerShareCards(*players[i], *shareTheWealthPile);
    }
    bool tutorial = engine->isFirstRun() && !engine->isTutorialDone() && !passAndPlay;
    setCurrState(tutorial ? Tutorial : ChooseShareCards);
    screens->pushOpponents(players, numPlayers, humanIndex);
}

void ModeGame::chooseInitialSTWCards()
{
    Player* player = players[passAndPlay ? roller : currentPlayer];
    screens->pushChooseShareTheWealth(shareTheWealthPile.get(), player);
    centreOnSpinner();
    setCurrState(InitialShareCards);
}

void ModeGame::showInitialSTWCards()
{
    Player* player = players[passAndPlay ? roller : currentPlayer];
    screens->pushShowShareTheWealthCards(player->getShareTheWealthCards());
    centreOnSpinner();
    if (passAndPlay)
        setCurrState(InitialShareCards);
    else
        setCurrState(engine->isTutorialDone() ? FirstSpinTutorial : SpinForFirst);
}

void ModeGame::doSpinForFirstStuff()
{
    spinForFirstValues[roller] = board->getSpinnerValue();
    ++spinForFirstCount;
    if (++roller < numPlayers) {
        announceCurrRoller();
        return;
    }
    finishSpinForFirst();
}

void ModeGame::finishSpinForFirst()
{
    // The highest number plays first; on a tie the earlier seat.
    for (int k = 0; k < numPlayers; ++k) {
        int best = -1;
        int bestValue = kBelowEverySpin;
        for (int seat = 0; seat < numPlayers; ++seat) {
            if (seats[seat] && spinForFirstValues[seat] > bestValue) {
                best = seat;
                bestValue = spinForFirstValues[seat];
            }
        }
        players[k] = seats[best];
        seats[best] = nullptr;
        spinForFirstValues[best] = -1;
    }
    spinningForFirst = false;
    board->setNumPlayers(numPlayers);
    preparePlayers();
    saveGame();
}

void ModeGame::settlePlayers()
{
    centreOnSpinner();
    currentPlayer = 0;
    for (int i = 0; i < numPlayers; ++i) {
        players[i]->setPrepared(true);
        players[i]->setRank(i);
    }
    for (int i = numPlayers; i < kMaxPlayers; ++i) {
        delete players[i];
        players[i] = nullptr;
    }
}

void ModeGame::preparePlayers()
{
    settlePlayers();
    for (int i = 0; i < numPlayers; ++i) {
        if (!players[i]->isComputer())
            humanIndex = i;
    }
    board->setHumanIndex(humanIndex);
    configureHudOverlay();
    startTurnOf(0, true);
}
