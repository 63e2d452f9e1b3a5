// A game of the board's rules played in memory with no screens: the cars,
// the board and the piles, driven turn by turn as the in-game mode drives
// them. The simulator and the rules tests play through it; the caller
// installs a RulesEngine whose clock the game moves on.
#pragma once

#include "qrvl/original/Board.h"
#include "qrvl/original/Car.h"
#include "qrvl/original/CareerCardPile.h"
#include "qrvl/original/CollegeCareerCardPile.h"
#include "qrvl/original/Player.h"
#include "qrvl/original/QuorvelCardPile.h"
#include "qrvl/original/ShareTheWealthCardPile.h"
#include "qrvl/original/TurnRules.h"

#include <memory>
#include <string>
#include <vector>

class BoardPresenter;
class FGDataReader;
class FGDataWriter;
class InstantChoices;
struct SavedPiles;

class HeadlessGame {
public:
    // The length of one tick of the game's clock, by default about the
    // in-game mode's frame; longer ticks play faster.
    static constexpr int kStepMs = 50;

    HeadlessGame(int numPlayers, unsigned seed, BoardPresenter& presenter, InstantChoices& screens,
                 int stepMs = kStepMs);
    ~HeadlessGame();
    HeadlessGame(const HeadlessGame&) = delete;
    HeadlessGame& operator=(const HeadlessGame&) = delete;

    // Seats of people rather than computer players.
    void makeHuman(int seat);
    // Places the player's car on a space without applying it.
    void putCar(int seat, int space);
    // Starts a spin of the current player and runs the board until it rests.
    int spinAndRun(int seat, int steps);
    // Ticks until the board is idle or asks the in-game mode for something;
    // -1 (and a fault) when it never comes to rest.
    int runBoard(int maxSteps = 20000);
    // One tick of the clock, the cars and the board.
    void step();
    // Places the cars on their starts and plays turns until every player
    // has retired; returns the turns played.
    int playToEnd(int maxTurns);
    // Places the cars on their starts: college for even seats, a career for odd.
    void startGame();
    // Plays turns in seat order until every player has retired; past the
    // first round a computer player may buy an investment as its turn comes.
    int playTurns(int maxTurns);
    // One player's turn, as the in-game mode plays it around the board's
    // moves (the same steps, without the screens and their waits).
    void playTurn(int seat);
    bool allRetired() const;
    // The game's saved form, the body the in-game mode writes after a
    // move; a loaded game plays on from the saved player's turn.
    void save(FGDataWriter* writer);
    bool load(FGDataReader* reader);
    int retirementWorth(const Player* player) const;

    // What went wrong, in order: a board that never rests, a turn that never ends.
    const std::vector<std::string>& faults() const { return faultList; }
    // The longest the board stayed in one state, in milliseconds of game time.
    unsigned longestStateMs() const { return longestState; }
    // Called after every turn; a simulator checks the game there.
    void setAfterTurn(void (*check)(HeadlessGame&, void*), void* user)
    {
        afterTurn = check;
        afterTurnUser = user;
    }

    std::unique_ptr<Board> board;
    Player players[Board::kMaxPlayers];
    Car cars[Board::kMaxPlayers];
    Player* order[Board::kMaxPlayers];
    CareerCardPile careers;
    CollegeCareerCardPile collegeCareers;
    QuorvelCardPile tiles;
    ShareTheWealthCardPile shareTheWealth;
    // Each investment number's owner by colour, or TurnRules::kNoOwner.
    int investmentOwners[TurnRules::kInvestments];
    int count;

private:
    SavedPiles savedPiles();
    void startSpin();
    bool isRequest(int state) const;
    void fault(std::string what);

    BoardPresenter& shown;
    InstantChoices& answers;
    std::vector<std::string> faultList;
    int stepMs;
    // Where playTurns starts: seat 0 of a new game, or a loaded game's next
    // seat past the first round.
    int firstSeat = 0;
    bool pastFirstRound = false;
    unsigned turnMs = 0;
    int watchedState = -1;
    unsigned stateSince = 0;
    unsigned longestState = 0;
    void (*afterTurn)(HeadlessGame&, void*) = nullptr;
    void* afterTurnUser = nullptr;
};
