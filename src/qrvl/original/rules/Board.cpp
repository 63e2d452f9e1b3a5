// The board object: reading the board file, setting up a game, access for
// the in-game mode and the board's part of a saved game.
#include "qrvl/original/rules/Board.h"

#include "qrvl/boardfile/BoardFile.h"
#include "qrvl/original/rules/BetterHouseCardPile.h"
#include "qrvl/original/rules/BoardPresenter.h"
#include "qrvl/original/rules/Car.h"
#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/framework/FGDataReader.h"
#include "qrvl/original/framework/FGDataWriter.h"
#include "qrvl/original/framework/FGFileSystem.h"
#include "qrvl/original/rules/HouseCard.h"
#include "qrvl/original/framework/LinkedList.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/rules/QuorvelCard.h"
#include "qrvl/original/rules/QuorvelCardPile.h"
#include "qrvl/original/rules/RulesEngine.h"
#include "qrvl/original/rules/StarterHouseCardPile.h"

#include <cstdlib>
#include <memory>

namespace {

// Per thread, as the installed rules engine is: a simulator plays games side by side.
thread_local Board* theBoard = nullptr;

// Tiles put aside from a full pile for players retiring to the millionaire home.
constexpr int kReserveTileCount = 3;

} // namespace

Board::Board()
{
    theBoard = this;
}

Board::~Board()
{
    if (theBoard == this)
        theBoard = nullptr;
    delete starterHouses;
    delete betterHouses;
    deleteLinkedList(reserveTiles);
}

Board* Board::GetBoard()
{
    return theBoard;
}

bool Board::readBoardFile(FGData* file, const SkidPositions* skidPositions)
{
    BoardFile records;
    std::string error;
    if (!ReadBoardFile(file->getData(), static_cast<size_t>(file->getLength()), skidPositions, records, error)) {
        RulesEngine::get().fatal(("board file: " + error).c_str());
        return false;
    }
    spinnerX = records.spinnerX;
    spinnerY = records.spinnerY;
    for (int i = 0; i < kNumSpaces; ++i)
        static_cast<BoardRecord&>(spaces[i]) = records.spaces[i];
    return true;
}

bool Board::init(Player** gamePlayers, CardPile* quorvelTiles, CardPile* careers, CardPile* collegeCareers,
                 CardPile* shareTheWealth, int numGamePlayers, BoardPresenter* boardPresenter,
                 ChoiceScreens* choiceScreens, const SkidPositions* skidPositions)
{
    std::unique_ptr<FGData> file = RulesEngine::get().getFileSystem().getFile(kBoardFileName);
    if (!file) {
        RulesEngine::get().fatal("board file missing");
        return false;
    }
    if (!readBoardFile(file.get(), skidPositions))
        return false;
    ParseBoardSplines();

    state = kIdle;
    players = gamePlayers;
    tilePile = quorvelTiles;
    careerPile = careers;
    collegeCareerPile = collegeCareers;
    shareTheWealthPile = shareTheWealth;
    maxPlayers = numGamePlayers < kMaxPlayers ? numGamePlayers : kMaxPlayers;
    numPlayers = 0;
    presenter = boardPresenter;
    screens = choiceScreens;
    delete starterHouses;
    delete betterHouses;
    starterHouses = new StarterHouseCardPile;
    starterHouses->init();
    betterHouses = new BetterHouseCardPile;
    betterHouses->init();
    deleteLinkedList(reserveTiles);
    if (tilePile && tilePile->getNumCards() == QuorvelCardPile::kFullCount) {
        for (int i = 0; i < kReserveTileCount; ++i) {
            Card* tile = tilePile->drawOne(true);
            tile->next = reserveTiles;
            reserveTiles = static_cast<QuorvelCard*>(tile);
        }
    }
    spinnerValue = -1;
    return true;
}

int Board::getSpaceIndex(const BoardSpace* space) const
{
    if (!space || space < spaces || space >= spaces + kNumSpaces)
        return -1;
    return static_cast<int>(space - spaces);
}

Player* Board::GetPlayer(int n) const
{
    return n >= 0 && n < numPlayers ? players[n] : nullptr;
}

int Board::getPlayerIndex(const Player* player) const
{
    for (int i = 0; i < numPlayers; ++i) {
        if (players[i] == player)
            return i;
    }
    return -1;
}

void Board::setNumPlayers(int n)
{
    // Never more players than the game handed over.
    numPlayers = n < 0 ? 0 : (n > maxPlayers ? maxPlayers : n);
    if (presenter)
        presenter->setupPlayerOrder(players, numPlayers);
}

void Board::setCurrPlayer(int n)
{
    // The rollers for first place are current before the player count is set.
    if (n < 0 || n >= maxPlayers)
        return;
    currentPlayerIndex = n;
    currentPlayer = players[n];
    presenter->setCurrentPlayer(currentPlayer);
    presenter->panToCar(currentPlayer->getCar());
}

int Board::placeCarForStart(Car* car, bool atFirstSpace)
{
    // The college route starts on the first space, the career route here.
    static constexpr int kCareerStartSpace = 12;
    int index = atFirstSpace ? 0 : kCareerStartSpace;
    car->Place(&spaces[index]);
    state = kPlacedForStart;
    return index;
}

void Board::save(FGDataWriter* writer)
{
    int count = 0;
    for (Card* tile = reserveTiles; tile; tile = tile->next)
        ++count;
    writer->writeInt(count);
    for (Card* tile = reserveTiles; tile; tile = tile->next)
        writer->writeInt(static_cast<QuorvelCard*>(tile)->value);
    writer->writeBoolean(forkStored);
    writer->writeInt(forkIndex);
}

bool Board::load(FGDataReader* reader)
{
    deleteLinkedList(reserveTiles);
    int count = reader->readInt();
    if (count < 0 || count > kReserveTileCount) {
        RulesEngine::get().fatal("saved board: impossible reserve tile count");
        return false;
    }
    QuorvelCard** tail = &reserveTiles;
    for (int i = 0; i < count; ++i) {
        *tail = new QuorvelCard(reader->readInt());
        tail = reinterpret_cast<QuorvelCard**>(&(*tail)->next);
    }
    forkStored = reader->readBoolean();
    forkIndex = reader->readInt();
    if (reader->hasError()) {
        RulesEngine::get().fatal("saved board: cut short");
        deleteLinkedList(reserveTiles);
        forkStored = false;
        forkIndex = -1;
        return false;
    }
    if (forkStored && (forkIndex < 0 || forkIndex >= kNumSpaces)) {
        RulesEngine::get().fatal("saved board: fork decision off the board");
        forkStored = false;
        forkIndex = -1;
        return false;
    }
    for (int i = 0; i < numPlayers; ++i) {
        Player* player = players[i];
        if (player->getCar() && player->getBoardSpaceIdx() >= 0)
            player->getCar()->Place(&spaces[player->getBoardSpaceIdx()]);
    }
    if (forkStored && currentPlayer && currentPlayer->getCar())
        forkSpace = getSpaceIndex(currentPlayer->getCar()->GetCurrentSpace());
    // A house a player owns is no longer on offer.
    for (int i = numPlayers - 1; i >= 0; --i) {
        HouseCard* house = players[i]->getHouse();
        if (!house)
            continue;
        CardPile* pile = house->id < HouseCard::kFirstBetterId ? starterHouses : betterHouses;
        delete pile->drawThisCard(house->id);
    }
    return true;
}
