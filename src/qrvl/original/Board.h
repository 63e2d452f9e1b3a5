// The board: its 153 spaces, the move of the current player's car after a
// spin, and the rule state machine that applies the space reached. One
// board exists at a time; the in-game mode creates it for a game.
#pragma once

#include "qrvl/original/BoardSpace.h"
#include "qrvl/original/RuleText.h"
#include "qrvl/original/RuleTimer.h"

class BoardPresenter;
class Car;
class CardPile;
class ChoiceScreens;
class FGData;
class FGDataReader;
class FGDataWriter;
class Player;
class SkidPositions;
struct CareerCard;
struct QuorvelCard;

class Board {
public:
    static constexpr int kNumSpaces = 153;
    static constexpr int kMaxPlayers = 6;
    static constexpr const char* kBoardFileName = "quorvelBoard.txt";

    // States the in-game mode reads; the others are the board's own steps.
    enum RequestState {
        kIdle = 0,
        kLostJob = 22,
        kSpinToWinSpin = 40,
        kFirstRollerResult = 41,
        kSpinAgain = 50,
        kWeddingGiftSpin = 53,
        kPensionSpin = 56,
    };

    Board();
    virtual ~Board();
    Board(const Board&) = delete;
    Board& operator=(const Board&) = delete;

    static Board* GetBoard();

    // Reads the board file through the engine and sets the board up for a
    // game; false when the board file is missing or malformed.
    bool init(Player** players, CardPile* quorvelTiles, CardPile* careers, CardPile* collegeCareers,
              CardPile* shareTheWealth, int numPlayers, BoardPresenter* presenter, ChoiceScreens* screens,
              const SkidPositions* skidPositions = nullptr);
    // Parses the spinner position and the 153 records of a board file.
    bool readBoardFile(FGData* file, const SkidPositions* skidPositions);
    // Gives the spaces their 3D points and lays them on the car paths of
    // "splines.bin"; without the file they keep no point and no path.
    void ParseBoardSplines();

    // Access.
    BoardSpace* getSpace(int index) { return index >= 0 && index < kNumSpaces ? &spaces[index] : nullptr; }
    int getSpaceIndex(const BoardSpace* space) const;
    Player* GetPlayer(int n) const;
    int getPlayerIndex(const Player* player) const;
    Player* getCurrPlayer() const { return currentPlayer; }
    void setNumPlayers(int n);
    int getNumPlayers() const { return numPlayers; }
    void setHumanIndex(int index) { humanIndex = index; }
    void setIsPNP() { isPNP = true; }
    int getState() const { return state; }
    void setCurrState(int newState);
    int getSpinnerValue() const { return spinnerValue; }
    void setForcedStepCount(int steps) { forcedStepCount = steps; }
    CardPile* getShareTheWealthPile() const { return shareTheWealthPile; }
    CardPile* getStarterHousePile() const { return starterHouses; }
    CardPile* getBetterHousePile() const { return betterHouses; }
    QuorvelCard* getReserveTiles() const { return reserveTiles; }
    int getSpinnerX() const { return spinnerX; }
    int getSpinnerY() const { return spinnerY; }
    bool hasStoredForkDecision() const { return forkStored; }
    int getStoredForkIndex() const { return forkIndex; }

    // Spin and move.
    void setCurrPlayer(int n);
    void startSpin(int minPanMs, int speed);
    void startSpin(int minPanMs);
    void forceSpin(int);
    void spin();
    bool isSpinning() const { return state >= 1 && state <= 3; }
    void prepareToMove(int count);
    BoardSpace* getNextSpace(BoardSpace* from, int choice);
    bool spaceEmpty(const BoardSpace* space) const;
    Car* getCarInSpace(const BoardSpace* space, bool excludeCurrent) const;
    void doCarCalcs(BoardSpace* from);
    void StoreBranchStatus();
    void RestoreBranchStatus();
    int placeCarForStart(Car* car, bool atFirstSpace);

    // The rule state machine.
    void tick();
    void activate();
    bool DoneWaiting() const;
    void CancelDelay();
    bool doneSpinningForGifts();
    void doneSpinningForPension() { pensionSpin = false; }

    // Money and tiles between players.
    Player* playerWithMostCash(int exclude) const;
    Player* playerToStealQuorvelTokenFrom(int exclude) const;

    void save(FGDataWriter* writer);
    // False when the saved part cannot be the board's (an impossible count,
    // a fork off the board, or data cut short).
    bool load(FGDataReader* reader);

private:
    // The move.
    void endSpin();
    void leaveSpinResult();
    void startMoveAnimation();
    void tickMove();
    void tickSpinResult();

    // Applying the space.
    void processSpace();
    void processSpacePostAnim();
    void displayCurrSpace(int nextStateAfter, int ms);
    void showSpaceThen(int ms, int then);
    void showSpaceEvent(int nextStateAfter, int ms);
    void hideSpaceEvent(int nextStateAfter);
    void handleSpaceEvent(Player* player, int nextStateAfter, int eventType, int eventValue);
    void doBranchSpace(Player* player);
    void answerBranch();
    void chooseCollegeCareer();
    void takeChosenCareer(bool loseJobFirst);
    // Takes a career on offer from its pile, or keeps the present one.
    void takeOfferedCareer(CareerCard* card);
    CardPile* careerOfferPile() const;
    void buyStarterHome();
    void buyBetterHome();
    void changeCareer();
    void retire();
    void moveToNextWedding();
    void waitThen(int ms, int then);
    void tickState();

    // Between players.
    void payBank(Player* player, const BoardSpace* space);
    void collectFromBank(Player* lander, const BoardSpace* space);
    void askPayCard();
    void answerPayCard();
    void answerPayCardTarget();
    void askCollectCard();
    void answerCollectCard();
    void useSTWCard(Player* holder, Player* target, int kind, int amount);
    void doHumanUseSTW(Player* holder, Player* target, int amount, bool targetBlocks);
    void doAIvsHumanUseSTW(Player* holder, Player* target, int amount, int kind, bool targetBlocks);
    void answerBlock();
    void startLawsuit();
    void answerLawsuit();
    void suePlayer(Player* suer, Player* sued);
    void answerSuedExemption();
    void payLawsuit(const char* sound, int minimumWaitMs);
    void startSteal();
    void answerSteal();
    void stealFrom(Player* victim);
    void startBabyGifts();
    void startDayCare();
    void startSpinToWin();
    void answerSpinToWin();
    void calcSpin2WinResults();
    void drawShareTheWealth();
    void moveBetween(Player* payer, Player* payee, int amount);
    int transferBetween(Player* from, Player* to, int amount, int kind);
    Player* askedHuman() const;
    void queueEvent(Player* player, int type, int subject, int amount, int flag = 0);
    void queueEventForOthers(int type, int amount);
    void popup(const RuleMessage& message, int ms);

    // How long a space's text is shown when the rules pause on it.
    static constexpr int kSpaceTextMs = 4500;

    BoardSpace spaces[kNumSpaces];
    int spinnerX = 0;
    int spinnerY = 0;

    int state = kIdle;
    int nextState = kIdle;
    Player** players = nullptr;
    int numPlayers = 0;
    int maxPlayers = 0;
    Player* currentPlayer = nullptr;
    int currentPlayerIndex = 0;
    CardPile* tilePile = nullptr;
    CardPile* careerPile = nullptr;
    CardPile* collegeCareerPile = nullptr;
    CardPile* shareTheWealthPile = nullptr;
    CardPile* starterHouses = nullptr;
    CardPile* betterHouses = nullptr;
    BoardPresenter* presenter = nullptr;
    ChoiceScreens* screens = nullptr;

    int spinnerValue = -1;
    int spinSpeed = 0;
    int stepCount = 0;
    int forcedStepCount = 0;
    bool forkStored = false;
    int forkIndex = -1;
    int forkSpace = -1;
    bool savedForkStored = false;
    int savedForkIndex = -1;
    RuleTimer waitTimer;
    RuleTimer displayTimer;
    RuleTimer panTimer;
    RuleTimer clickTimer;
    RuleTimer trailTimer;
    int clickPhase = 0;
    BoardSpace* pathStartSpace = nullptr;
    bool spin2Win = false;
    bool weddingGiftSpin = false;
    bool pensionSpin = false;

    CareerCard* offeredCareers[2] = {nullptr, nullptr};
    // The pile the careers on offer come from.
    CardPile* offerPile = nullptr;
    bool singleCareer = false;
    QuorvelCard* reserveTiles = nullptr;
    bool tileShortage = false;
    bool isPNP = false;
    int humanIndex = -1;

    Player* cardHolder = nullptr;
    Player* cardTarget = nullptr;
    Player* lander = nullptr;
    Player* suer = nullptr;
    Player* sued = nullptr;
    int amount = 0;
    int cardKind = 0;
    Player* stealCandidates[kMaxPlayers] = {};
    int stealCandidateCount = 0;
};
