// The body of a saved game as the in-game mode writes it after every turn
// and reads it to continue: where the turn stands and the piles, then the
// players and the board, then the in-game mode's own state. The headless
// game writes and reads the same body, so that a game a simulator saves
// continues in the game.
#pragma once

#include "qrvl/original/rules/TurnRules.h"

class CardPile;
class FGDataReader;
class FGDataWriter;

struct SavedTurn {
    int currentPlayer = 0;
    bool firstRound = true;
    // Each investment number's owner by colour, or TurnRules::kNoOwner.
    int investmentOwners[TurnRules::kInvestments];
    int numPlayers = 0;
    // The in-game mode's state (ModeGame::State).
    int state = 0;
    bool spinningForFirst = false;
    int roller = 0;
    int humanIndex = 0;
};

// The four piles, in their saved order.
struct SavedPiles {
    CardPile* careers;
    CardPile* collegeCareers;
    CardPile* tiles;
    CardPile* shareTheWealth;
};

namespace SavedGameBody {

// What comes before the players: the turn, the investment owners, the
// piles and the number of players.
void WriteHead(FGDataWriter* writer, const SavedTurn& turn, const SavedPiles& piles);
// False when a pile cannot be read or the number of players is not 1 to maxPlayers.
bool ReadHead(FGDataReader* reader, SavedTurn& turn, const SavedPiles& piles, int maxPlayers);
// What comes after the board: the in-game mode's state.
void WriteTail(FGDataWriter* writer, const SavedTurn& turn);
// False when the body was cut short or names a state above lastState or a
// seat outside the players.
bool ReadTail(FGDataReader* reader, SavedTurn& turn, int lastState);

} // namespace SavedGameBody
