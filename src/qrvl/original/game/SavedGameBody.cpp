// The saved game's body around the players and the board.
#include "qrvl/original/game/SavedGameBody.h"

#include "qrvl/original/rules/CardPile.h"
#include "qrvl/original/framework/FGDataReader.h"
#include "qrvl/original/framework/FGDataWriter.h"

namespace SavedGameBody {

void WriteHead(FGDataWriter* writer, const SavedTurn& turn, const SavedPiles& piles)
{
    writer->writeInt(turn.currentPlayer);
    writer->writeBoolean(turn.firstRound);
    for (int owner : turn.investmentOwners)
        writer->writeInt(owner);
    piles.careers->save(writer);
    piles.collegeCareers->save(writer);
    piles.tiles->save(writer);
    piles.shareTheWealth->save(writer);
    writer->writeInt(turn.numPlayers);
}

bool ReadHead(FGDataReader* reader, SavedTurn& turn, const SavedPiles& piles, int maxPlayers)
{
    turn.currentPlayer = reader->readInt();
    turn.firstRound = reader->readBoolean();
    for (int& owner : turn.investmentOwners)
        owner = reader->readInt();
    if (!piles.careers->load(reader) || !piles.collegeCareers->load(reader) || !piles.tiles->load(reader)
        || !piles.shareTheWealth->load(reader))
        return false;
    turn.numPlayers = reader->readInt();
    return turn.numPlayers >= 1 && turn.numPlayers <= maxPlayers;
}

void WriteTail(FGDataWriter* writer, const SavedTurn& turn)
{
    writer->writeInt(turn.state);
    writer->writeBoolean(turn.spinningForFirst);
    writer->writeInt(turn.roller);
    writer->writeInt(turn.humanIndex);
}

bool ReadTail(FGDataReader* reader, SavedTurn& turn, int lastState)
{
    turn.state = reader->readInt();
    turn.spinningForFirst = reader->readBoolean();
    turn.roller = reader->readInt();
    turn.humanIndex = reader->readInt();
    // The roller stands one past the last seat once the order of play is decided.
    return !reader->hasError() && turn.state >= 0 && turn.state <= lastState && turn.currentPlayer >= 0
           && turn.currentPlayer < turn.numPlayers && turn.roller >= 0 && turn.roller <= turn.numPlayers
           && turn.humanIndex >= 0 && turn.humanIndex < turn.numPlayers;
}

} // namespace SavedGameBody
