// The turn state machine of a game: whose turn it is, the announcement and
// the spin, the board's move and what follows it (another spin, Spin to
// Win, a lost job, wedding gifts, a pension), the first round's choice of
// college or a career, computer players' investments, the ranking and the
// passing of the turn. The in-game mode runs it with its HUD, screens, camera
// and skip report around it; a game without screens (the simulator, the
// rules tests) runs the same machine with the in-memory presenter and the
// choice screens that answer at once. What the machine shows goes through the
// presentation's hooks below, whose defaults show nothing and take no time.
#pragma once

#include "qrvl/original/rules/RuleTimer.h"
#include "qrvl/original/rules/TurnRules.h"

#include <string>

class Board;
class BoardPresenter;
class Car;
class CardPile;
class ChoiceScreens;
class Player;

class TurnMachine {
public:
    static constexpr int kMaxPlayers = 6;
    static constexpr int kInvestments = TurnRules::kInvestments;
    static constexpr int kNoOwner = TurnRules::kNoOwner;

    // Turn states; their numbers are written into saved games. The in-game
    // mode adds the steps of its own states (set-up, tutorials, looking
    // round, the map) to the machine's.
    enum State {
        FreeLook = 0,
        Spinning = 1,
        ChooseRoute = 2,
        DrawCareer = 3,
        NewGame = 4,
        MoveDone = 5,
        LostJob = 6,
        ComputerSpin = 7,
        ComputerCollege = 8,
        ComputerCareer = 9,
        ComputerInvest = 11,
        SpinForFirst = 12,
        GameOver = 13,
        LoseTurn = 14,
        HandOver = 15,
        ShowEvents = 16,
        Quitting = 17,
        ChoiceCancelled = 18,
        Resume = 19,
        Wheel = 20,
        FirstCareer = 21,
        PlayersChosen = 22,
        AfterCareer = 23,
        InitialShareCards = 24,
        CollegeRoute = 25,
        WeddingGifts = 26,
        Pension = 27,
        Map = 28,
        TimedWait = 29,
        Tutorial = 30,
        ShareTutorial = 31,
        FirstSpinTutorial = 32,
        FirstActionTutorial = 33,
        SkipReport = 34,
        ChooseShareCards = 35,
        TurnStart = 36,
    };

    // What the turn is played on, owned by whoever drives the machine: the
    // board, the cars of the six seats, the career piles, the screens that
    // answer the board's and the turn's questions, and the presenter.
    struct Table {
        Board* board = nullptr;
        Car* cars[kMaxPlayers] = {};
        CardPile* careers = nullptr;
        CardPile* collegeCareers = nullptr;
        ChoiceScreens* screens = nullptr;
        BoardPresenter* presenter = nullptr;
    };

    TurnMachine();
    virtual ~TurnMachine() = default;
    TurnMachine(const TurnMachine&) = delete;
    TurnMachine& operator=(const TurnMachine&) = delete;

    void setTable(const Table& played) { table = played; }

    // One tick of `ms`: every player retired ends the game; otherwise the
    // cars and the board move on, the presentation ticks, and once nothing
    // the turn waits for runs any more, the state takes its step.
    void tickTurn(int ms);
    // The cars and the board alone move on by `ms`, the turn standing still.
    void tickTable(int ms);
    // A screen the turn or the board pushed has left `choice`: the state
    // goes on from the answer, then the board reads it.
    void screenAnswered(int choice);
    // The turn comes to the player at `seat`: in the first round the choice
    // of college or a career, else the announcement of the turn.
    void startTurnOf(int seat, bool inFirstRound);
    // The person at the wheel spins it at random, as the space bar does:
    // once the camera has arrived and the turn waits for nothing.
    void spinAtRandomWhenReady();

    // The turn.
    void setCurrState(int newState);
    int getCurrState() const { return state; }
    virtual void announceCurrPlayer(bool special, bool wedding, bool pension);
    virtual void announceCurrPlayer(bool special) { announceCurrPlayer(special, false, false); }
    void announceCurrPlayer(bool special, bool wedding) { announceCurrPlayer(special, wedding, false); }
    virtual void nextPlayer();
    virtual void doNextPlayer();
    virtual void doLoseTurn();
    // The spin for first has its number (the in-game mode's set-up).
    virtual void doSpinForFirstStuff() {}
    // Pass-and-play hands the computer over between turns.
    virtual void PNPNextPlayer() {}
    void rankPlayers();
    void newCareer();
    // The game is kept where it stands: after every finished move, every
    // change of player, another spin and the first career.
    virtual void saveGame() {}

    // Access.
    Player* getPlayer(int i) const { return i >= 0 && i < kMaxPlayers ? players[i] : nullptr; }
    int getNumPlayers() const { return numPlayers; }
    int getCurrentPlayerIndex() const { return currentPlayer; }
    bool isFirstRound() const { return firstRound; }
    bool isSpinningForFirst() const { return spinningForFirst; }
    int getInvestmentOwner(int index) const { return investmentOwners[index]; }
    // Each investment number's owner by colour, or kNoOwner.
    using InvestmentOwners = int[kInvestments];
    InvestmentOwners& investmentOwnerTable() { return investmentOwners; }
    // The players in turn order, as the board reads them.
    using PlayerOrder = Player* [kMaxPlayers];
    PlayerOrder& playerOrder() { return players; }
    // How many times the turn has passed on to the next player.
    int getTurnsPassed() const { return turnsPassed; }
    bool allRetired() const;

protected:
    // The presentation around the turn. The in-game mode shows the turn on
    // its HUD, pushes its own screens and answers to its skip report; the
    // defaults show nothing and take no time.
    virtual BoardPresenter& presenter();
    // A text by string id with up to two values filled in, and money as the
    // language writes it; nothing when there is nobody to read them.
    virtual std::string text(const char*, const char* = nullptr, const char* = nullptr) const { return {}; }
    virtual std::string moneyText(int) const { return {}; }
    // An info popup for `ms` (Hud::kUntimed: until the next-event button),
    // and the HUD bar's message.
    virtual void showInfo(const std::string&, int) {}
    virtual void setHudMessage(const std::string&) {}
    // The HUD's parts the turn takes down, from the flags below.
    enum Shown : unsigned {
        kArrowPopup = 1,
        kInfoPopup = 2,
        kSpinner = 4,
        kBank = 8,
        // The arrow popup at the next tick.
        kArrowPopupNextTick = 16,
    };
    virtual void hideShown(unsigned) {}
    // The player whose turn the HUD shows, and the player who has just
    // chosen college or a career.
    virtual void showTurnOf(Player*) {}
    virtual void showRouteChosen(Player*) {}
    virtual void showCorrectAIOverlay() {}
    // The HUD bar comes back for another spin; it goes off as the wheel turns.
    virtual void enableHudBar() {}
    virtual void hudBarsOff() {}
    // The entry into a state, for what it shows.
    virtual void stateEntered(int) {}
    // Nothing shown holds the turn's step: no timed popup, no slide.
    virtual bool shownSettled() { return true; }
    // What is shown ticks, after the cars and the board.
    virtual void tickShown(int) {}
    // A person chooses college (answer 0) or a career (1).
    virtual void askRoute(Player*) {}
    // The skip of computers' turns: a report waiting for the person, and
    // the person's turn ending the skip.
    virtual bool skipReportWaits() { return false; }
    virtual void endSkipping() {}
    // Every player has retired.
    virtual void gameEnded() {}
    // An impossible condition: the rules engine's fatal report.
    virtual void reportFatal(const char* message);

    // The state's step, and what a state does with a screen's answer; the
    // in-game mode adds its own states to both.
    virtual void runStep();
    virtual void activateState(int choice);

    bool tickWaiting();
    void afterMove();
    void weddingGifts();
    void pension();
    void lostJob();
    void chooseRoute();
    void buyComputerInvestment();
    void spinAtRandom();
    void centreOnSpinner();
    // The turn passes to the next seat; past the last the first round is over.
    void passTurn();
    Player* currentPlayerObject() const { return players[currentPlayer]; }
    // The roller while spinning for first, else the current player.
    Player* spinningPlayer() const { return players[spinningForFirst ? roller : currentPlayer]; }

    Table table;
    Player* players[kMaxPlayers] = {};
    int numPlayers = 0;
    int state = NewGame;
    int currentPlayer = 0;
    bool firstRound = true;
    int investmentOwners[kInvestments] = {};
    int roller = 0;
    bool spinningForFirst = false;
    // A pass-and-play or party game: every player is a person at one computer.
    bool passAndPlay = false;
    RuleTimer waitTimer;
    TurnRules::Memory turnMemory;
    int stateAfterWait = FreeLook;
    bool firstActionTutorialPending = false;
    // The person's flick has set the wheel turning.
    bool wheelTurning = false;
    int turnsPassed = 0;
};
