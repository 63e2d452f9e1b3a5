// A game of the board's rules played in memory with no screens: the cars,
// the board and the piles, with the in-game mode's own turn machine
// (TurnMachine) taking the turns. The game ticks the clock, answers the
// board's and the turn's questions at once through its instant choices and
// spins for a person at the wheel; everything else is the machine's. The
// simulator and the rules tests play through it; the caller installs a
// RulesEngine whose clock the game moves on.
#pragma once

#include "qrvl/original/rules/Board.h"
#include "qrvl/original/rules/Car.h"
#include "qrvl/original/rules/CareerCardPile.h"
#include "qrvl/original/rules/CollegeCareerCardPile.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/rules/QuorvelCardPile.h"
#include "qrvl/original/rules/ShareTheWealthCardPile.h"
#include "qrvl/original/rules/TurnRules.h"

#include <memory>
#include <string>
#include <vector>

class BoardPresenter;
class FGDataReader;
class FGDataWriter;
class InstantChoices;
struct SavedPiles;
class TurnMachine;

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
    // Starts a spin of the player and runs the board alone until it rests,
    // the turn standing still.
    int spinAndRun(int seat, int steps);
    // Ticks until the board is idle or asks the in-game mode for something;
    // -1 (and a fault) when it never comes to rest.
    int runBoard(int maxSteps = 20000);
    // One tick of the clock and the game: the cars and the board move on,
    // the turn takes its step once the turn has started (startGame, load or
    // playTurn), a person at the wheel spins it, and the screens that
    // answered are read, as the in-game mode reads them when they leave.
    void step();
    // Deals the cards of the set-up and plays turns until every player has
    // retired; returns the turns played.
    int playToEnd(int maxTurns);
    // The set-up the game gives its players: three Share the Wealth cards
    // to each computer player and one to each person; then the first round
    // begins at the first seat, each player's first turn choosing college
    // or a career.
    void startGame();
    // Plays turns until every player has retired or `maxTurns` have been
    // played, calling the after-turn check after each.
    int playTurns(int maxTurns);
    // The turn of the player at `seat`, played by the machine until it
    // passes on to the next player; a turn that is not at that seat is
    // handed to it first. A retired player still spins, for everyone's
    // investments.
    void playTurn(int seat);
    bool allRetired() const;
    // The game's saved form, the body the in-game mode writes after a
    // move; a loaded game plays on from the saved player's turn.
    void save(FGDataWriter* writer);
    // After loading, the turn goes on at the first seat whose car is not on
    // the board (the first round goes on), or at the first seat.
    bool load(FGDataReader* reader);
    int retirementWorth(const Player* player) const;

    // What went wrong, in order: a board that never rests, a turn that
    // never ends, an impossible condition the machine reported.
    const std::vector<std::string>& faults() const { return faultList; }
    // The longest the board stayed in one state, in milliseconds of game time.
    unsigned longestStateMs() const { return longestState; }
    // Called after every turn; a simulator checks the game there.
    void setAfterTurn(void (*check)(HeadlessGame&, void*), void* user)
    {
        afterTurn = check;
        afterTurnUser = user;
    }
    // The turn machine the game runs: its state, whose turn it is.
    TurnMachine& turn();

private:
    class Machine;
    std::unique_ptr<Machine> machine;

public:
    std::unique_ptr<Board> board;
    Player players[Board::kMaxPlayers];
    Car cars[Board::kMaxPlayers];
    // The players in turn order: the machine's, as the board reads them.
    Player* (&order)[Board::kMaxPlayers];
    CareerCardPile careers;
    CollegeCareerCardPile collegeCareers;
    QuorvelCardPile tiles;
    ShareTheWealthCardPile shareTheWealth;
    // Each investment number's owner by colour, or TurnRules::kNoOwner: the machine's.
    int (&investmentOwners)[TurnRules::kInvestments];
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
    unsigned turnMs = 0;
    int watchedState = -1;
    unsigned stateSince = 0;
    unsigned longestState = 0;
    void (*afterTurn)(HeadlessGame&, void*) = nullptr;
    void* afterTurnUser = nullptr;
};
