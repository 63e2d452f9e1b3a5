// The mode that runs a game from its set-up to its end: the turn machine
// (whose turn it is, the spin, the board's move and rules, the first-round
// college-or-career choice, lost jobs, wedding gifts and pensions, computer
// players' investments, ranking) shown on the HUD and the 3D board, with the
// set-up, the spin for first, the tutorials, looking round, saving after
// every turn and the end of the game around it. Pass-and-play and party
// games are subclasses.
#pragma once

#include "qrvl/original/framework/QuorvelMode.h"
#include "qrvl/original/game/TurnMachine.h"

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

class ModeGame : public QuorvelMode, public TurnMachine {
public:
    static constexpr int kNameBytes = 8;
    // How the status screen opens, and why an investment may not be bought.
    static constexpr int kStatusOnInvestment = 1;
    static constexpr int kStatusOnCards = 2;
    static constexpr int kInvestAllowed = 0;
    static constexpr int kInvestAfterTurnOrder = 1;
    static constexpr int kInvestOnOwnTurnOnly = 2;

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

    // The spin for first and what the HUD shows of it.
    virtual void announceCurrRoller();
    // The status screen of the player whose turn it is (or who spins for first).
    void enterStatusScreen(int mode);
    void enterPlayerOverview();
    // The world and the sounds wait while a screen is looked at over the game.
    void pauseForScreen();
    void doSpinForFirstStuff() override;
    virtual void SetEmergencySpinnerTitle();
    void saveGame() override;
    bool flushSave();
    // The piles in the saved game's order.
    SavedPiles savedPiles() const;
    // The pause button is offered unless a popup or the events wait.
    void setSoftkeys();

    // Access.
    virtual Player* getPlayerForStatus() const;
    Hud* getHud() const { return hud.get(); }
    Board* getBoard() const { return board.get(); }
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
    // The machine's table: the board, the cars, the career piles, the screens.
    void setTableFromGame();

    // Popups and texts.
    void showPopup(const char* textId);
    void hidePopup();

    // The turn shown on the HUD, the 3D board and the skip report.
    BoardPresenter& presenter() override;
    std::string text(const char* id, const char* arg0 = nullptr, const char* arg1 = nullptr) const override;
    std::string moneyText(int amount) const override;
    void showInfo(const std::string& message, int ms) override;
    void setHudMessage(const std::string& message) override;
    void hideShown(unsigned parts) override;
    void showTurnOf(Player* player) override;
    void showRouteChosen(Player* player) override;
    void showCorrectAIOverlay() override;
    void enableHudBar() override;
    void hudBarsOff() override;
    void stateEntered(int newState) override;
    bool shownSettled() override;
    void tickShown(int ms) override;
    void askRoute(Player* player) override;
    bool skipReportWaits() override;
    void endSkipping() override;
    void gameEnded() override;
    // The mode's own states: set-up, tutorials, looking round and the map.
    void runStep() override;
    void activateState(int choice) override;

    QuorvelEngine* engine = nullptr;
    GameScreens* screens = nullptr;
    std::unique_ptr<Car> cars[kMaxPlayers];
    std::unique_ptr<Board> board;
    std::unique_ptr<Hud> hud;
    Player* seats[kMaxPlayers] = {};
    std::unique_ptr<CareerCardPile> careerPile;
    std::unique_ptr<CollegeCareerCardPile> collegePile;
    std::unique_ptr<QuorvelCardPile> tilePile;
    std::unique_ptr<ShareTheWealthCardPile> shareTheWealthPile;
    int humanIndex = 0;
    int humanColour = 0;
    int spinForFirstValues[kMaxPlayers] = {};
    int spinForFirstCount = 0;
    bool pausePending = false;
    bool fastForwardComputers = false;
    std::unique_ptr<SaveGame> saveGameFile;
    // Whether the saved game on the disk is this game's: a new game leaves
    // the save it replaces until its own first save.
    bool ownsSavedGame = false;
    bool justLoaded = false;
    bool hideArrowNextTick = false;
    int computerToggleCooldown = 0;
    bool popupActive = false;
    char nameBuffer[kNameBytes] = {};

private:
    void afterSetUp();
    // The report of the computers' skipped turns, when one waits; the
    // person's turn follows it.
    void enterSkipReport();
    void leaveSkipReport(int button);
    void startPersonsTurn();
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
