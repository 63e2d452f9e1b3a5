// The board: its 153 spaces, the move of the current player's car after a
// spin, and the rule state machine that applies the space reached. One
// board exists at a time; the in-game mode creates it for a game.
#pragma once

#include "qrvl/boardfile/BoardFile.h"
#include "qrvl/original/rules/BoardSpace.h"
#include "qrvl/original/rules/RuleText.h"
#include "qrvl/original/rules/RuleTimer.h"

class BoardPresenter;
enum class MoneyCause;
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
    static constexpr int kNumSpaces = BoardFile::kNumSpaces;
    static constexpr int kMaxPlayers = 6;
    static constexpr const char* kBoardFileName = "quorvelBoard.txt";

    // The rule states. Their values are saved with a game and the in-game
    // mode reads the request states: never renumber them.
    enum State {
        kIdle = 0,  // the move is over
        kTakeSpinResult = 1,
        kShowSpinResult = 2,
        kDriving = 3,
        kProcessSpace = 4,
        kPauseSpaceShown = 5,
        kTileFromBank = 6,
        kNoTileLeft = 7,
        kCollegeCareerChosen = 8,
        kSpaceShown = 9,
        kPlacedForStart = 10,
        kForkAnswer = 11,
        kToNextWedding = 12,
        kStarterHouseAnswer = 13,
        kBetterHouseAnswer = 14,
        kBetterHouseChosen = 15,
        kWeddingCardWait = 16,
        kRetireAnswer = 17,
        kPanToCar = 19,
        kPanToSpinner = 20,
        kLostJobShown = 21,
        kLostJob = 22,  // the in-game mode takes over
        kCareerChangeAnswer = 23,
        kCareerChangeChosen = 24,
        kPaidForkAnswer = 25,
        kComputerChoiceShown = 26,
        kStartAnimation = 27,
        kArrived = 28,
        kTimedWait = 29,  // waits, then goes to nextState
        kUsePayCardAnswer = 30,
        kExemptionAnswer = 31,
        kPayCardTargetAnswer = 32,
        kUseCollectCardAnswer = 33,
        kPlayShareCard = 34,
        kAskUsePayCard = 35,
        kAskUseCollectCard = 36,
        kSpinAfterPan = 37,
        kLawsuit = 38,
        kSpinToWin = 39,
        kSpinToWinSpin = 40,  // the in-game mode takes over
        kFirstRollerResult = 41,  // the in-game mode takes over
        kBabyCardWait = 42,
        kLookAhead = 44,  // answered again after a back: the decision is kept
        kLookAheadForkAnswer = 45,
        kForkAgain = 46,
        kLookAheadFork = 47,
        kCareerChangeCardAnswer = 48,
        kCollegeCareerAnswer = 49,
        kSpinAgain = 50,  // the in-game mode takes over
        kStealAnswer = 51,
        kStealTile = 52,
        kWeddingGiftSpin = 53,  // the in-game mode takes over
        kBabyGifts = 54,
        kDayCare = 55,
        kPensionSpin = 56,  // the in-game mode takes over
        kShareTheWealthShown = 57,
        kShareTheWealthAnswer = 58,
        kSuedExemptionAnswer = 59,
        kFamilyAnimation = 60,
        kWeddingCardShown = 61,
        kBabyCardShown = 62,
        kBabyCardHidden = 63,
        kPartyWaypoint = 64,
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
    // The cause of money the in-game flow moves while the board waits on
    // it: the gifts, day care and pension of the request states.
    MoneyCause requestedMoneyCause() const;
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
    bool isSpinning() const { return state >= kTakeSpinResult && state <= kDriving; }
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
    // In a party game's waypoint step the car waits for it first.
    void startMoveAnimation(bool fromWaypoint);
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
    void moveBetween(Player* payer, Player* payee, int amount, MoneyCause cause);
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
