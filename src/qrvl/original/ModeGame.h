// The mode that runs a game from its set-up to its end: whose turn it is,
// the spin, the board's move and rules, the first-round college-or-career
// choice, lost jobs, wedding gifts and pensions, computer players'
// investments, ranking, saving after every turn and the end of the game.
// Pass-and-play and party games are subclasses.
#pragma once

#include "qrvl/original/FGTimer.h"
#include "qrvl/original/QuorvelMode.h"
#include "qrvl/original/TurnRules.h"

#include <memory>
#include <string>

class Board;
class Car;
class CareerCardPile;
class CollegeCareerCardPile;
class FGDataReader;
class FGDataWriter;
class GameScreens;
class Hud;
class Player;
class QuorvelCardPile;
class QuorvelEngine;
class SaveGame;
struct SavedPiles;
class ShareTheWealthCardPile;

class ModeGame : public QuorvelMode {
public:
    static constexpr int kMaxPlayers = 6;
    static constexpr int kInvestments = TurnRules::kInvestments;
    static constexpr int kNoOwner = TurnRules::kNoOwner;
    static constexpr int kNameBytes = 8;
    // How the status screen opens, and why an investment may not be bought.
    static constexpr int kStatusOnInvestment = 1;
    static constexpr int kStatusOnCards = 2;
    static constexpr int kInvestAllowed = 0;
    static constexpr int kInvestAfterTurnOrder = 1;
    static constexpr int kInvestOnOwnTurnOnly = 2;

    // Turn states; their numbers are written into saved games.
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

    // Buttons that reach the mode.
    enum Button {
        kButtonFastForward = 99,
        kButtonSpin = 200,
        kButtonMap = 201,
        kButtonMoney = 202,
        kButtonInvest = 203,
        kButtonInfo = 204,
        kButtonTapToPlay = 300,
        kButtonTapToPlayLast = 303,
        kButtonPause = 1001,
        kButtonBack = -1,
        kButtonNextEvent = -2,
    };

    ModeGame();
    ~ModeGame() override;
    ModeGame(const ModeGame&) = delete;
    ModeGame& operator=(const ModeGame&) = delete;

    // Builds a new game, or continues the saved one when `load` is set;
    // false when the board or the saved game cannot be read.
    virtual bool init(bool load, bool passAndPlay);

    // FGMode.
    void tick() override;
    void activate() override;
    void deactivate() override;
    void buttonSelected(CGuiFrameTouchButton* button) override;
    void keyPressed(int key) override;
    void drawSelf(Norv::Surface* surface) override;
    void keyReleased(int key) override;
    void onTouchDown(int x, int y, int id) override;
    void onTouchUp(int x, int y, int id) override;
    void onTouchMove(int x, int y, int id) override;
    void pause() override;
    float GetTimeDistortionFactor() const override;

    // The zoom keys: `step` seconds of zooming, in (+1) or out (-1).
    void Zoom(float step, int direction);

    // The turn.
    void setCurrState(int newState);
    int getCurrState() const { return state; }
    virtual void announceCurrPlayer(bool special, bool wedding, bool pension);
    virtual void announceCurrPlayer(bool special) { announceCurrPlayer(special, false, false); }
    void announceCurrPlayer(bool special, bool wedding) { announceCurrPlayer(special, wedding, false); }
    virtual void announceCurrRoller();
    // The status screen of the player whose turn it is (or who spins for first).
    void enterStatusScreen(int mode);
    void enterPlayerOverview();
    // The world and the sounds wait while a screen is looked at over the game.
    void pauseForScreen();
    virtual void nextPlayer();
    virtual void doNextPlayer();
    virtual void doLoseTurn();
    virtual void doSpinForFirstStuff();
    virtual void PNPNextPlayer() {}
    virtual void SetEmergencySpinnerTitle();
    void rankPlayers();
    void newCareer();
    void saveGame();
    void flushSave();
    // The piles in the saved game's order.
    SavedPiles savedPiles() const;
    // The pause button is offered unless a popup or the events wait.
    void setSoftkeys();

    // Access.
    virtual Player* getPlayerForStatus() const;
    Hud* getHud() const { return hud.get(); }
    Board* getBoard() const { return board.get(); }
    Player* getPlayer(int i) const { return i >= 0 && i < kMaxPlayers ? players[i] : nullptr; }
    int getNumPlayers() const { return numPlayers; }
    int getCurrentPlayerIndex() const { return currentPlayer; }
    bool isFirstRound() const { return firstRound; }
    bool isSpinningForFirst() const { return spinningForFirst; }
    int getInvestmentOwner(int index) const { return investmentOwners[index]; }
    int getHumanIndex() const { return humanIndex; }

protected:
    // Set-up and saved games of the variants.
    virtual void setupSaveGame();
    virtual void choosePlayers();
    virtual void setupPlayers(bool fromRecord);
    virtual void preparePlayers();
    virtual void loadSpecific(FGDataReader*) {}
    virtual void saveSpecific(FGDataWriter*) {}

    // The players in play from the first seat, each started and ranked by seat; the rest deleted.
    void settlePlayers();
    void newGame();
    bool loadGame();
    void quit();
    // Orders the players by their spins for first and starts the first round.
    void finishSpinForFirst();
    void chooseInitialSTWCards();
    void showInitialSTWCards();
    void setCarAndPortrait(Player* player, int colour, int character, const char* name);
    void configureHudOverlay();
    void centreOnSpinner();
    Player* currentPlayerObject() const { return players[currentPlayer]; }
    Player* spinningPlayer() const;
    bool allRetired() const;

    // Popups and texts.
    void showInfo(const std::string& text, int ms);
    void showPopup(const char* textId);
    void hidePopup();
    void setHudMessage(const std::string& text);
    static std::string text(const char* id);
    static std::string text(const char* id, const char* arg0, const char* arg1 = nullptr);

    QuorvelEngine* engine = nullptr;
    GameScreens* screens = nullptr;
    std::unique_ptr<Car> cars[kMaxPlayers];
    std::unique_ptr<Board> board;
    std::unique_ptr<Hud> hud;
    Player* players[kMaxPlayers] = {};
    Player* seats[kMaxPlayers] = {};
    int numPlayers = 0;
    std::unique_ptr<CareerCardPile> careerPile;
    std::unique_ptr<CollegeCareerCardPile> collegePile;
    std::unique_ptr<QuorvelCardPile> tilePile;
    std::unique_ptr<ShareTheWealthCardPile> shareTheWealthPile;
    int state = NewGame;
    int currentPlayer = 0;
    bool firstRound = true;
    int investmentOwners[kInvestments] = {};
    int humanIndex = 0;
    int humanColour = 0;
    int spinForFirstValues[kMaxPlayers] = {};
    int roller = 0;
    int spinForFirstCount = 0;
    bool spinningForFirst = false;
    bool pausePending = false;
    bool fastForwardComputers = false;
    FGTimer waitTimer;
    std::unique_ptr<SaveGame> saveGameFile;
    bool justLoaded = false;
    bool passAndPlay = false;
    bool hideArrowNextTick = false;
    TurnRules::Memory turnMemory;
    int stateAfterWait = FreeLook;
    bool firstActionTutorialPending = false;
    int computerToggleCooldown = 0;
    bool popupActive = false;
    bool wheelTurning = false;
    char nameBuffer[kNameBytes] = {};

private:
    // One state's step, run once the waits are over.
    void runStep();
    bool tickWaiting();
    void afterMove();
    void weddingGifts();
    void pension();
    void lostJob();
    void chooseRoute();
    void activateState();
    void afterSetUp();
    void buyComputerInvestment();
    void showCorrectAIOverlay();
    // The report of the computers' skipped turns, when one waits; the
    // person's turn follows it.
    void enterSkipReport();
    void leaveSkipReport(int button);
    void startPersonsTurn();
    void spinAtRandom();
    // Leaves looking round for the wheel once the camera has arrived where
    // it was going, when the person asked for the wheel.
    void returnToWheelWhenArrived();
    // The wheel's centre-relative angle of a window point, the way the
    // finger sees it over the HUD bar.
    float wheelAngle(int x, int y, float* distanceSquared = nullptr, float* radius = nullptr) const;
    // Free look pans while an arrow is held or the pointer rests at a
    // window edge.
    void panByKeys(int ms);
    // Where the finger went down: a touch that stays put picks on the board.
    int touchDownX = 0;
    int touchDownY = 0;
    int lastTouchX = 0;
    int lastTouchY = 0;
    float lastWheelAngle = 0.0f;
    // The last press belongs to the HUD, not to the board.
    bool touchOnHud = false;
    bool wheelHeld = false;
    bool wheelDragged = false;
    // The person asked for the wheel while looking round: a camera still on
    // its way to free look takes the request once it arrives.
    bool wheelAsked = false;
    // Free look's pan direction from the arrow keys or the window's edges:
    // -1, 0 or 1.
    float panX = 0.0f;
    float panZ = 0.0f;
};
