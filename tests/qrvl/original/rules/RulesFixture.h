// An in-memory game for the rules tests: the rules engine with a hand-moved
// clock, a presenter that records what it is asked to show, scripted answers
// for the choice screens, and a small driver that plays the in-game mode's
// part of a turn (spins, spin-again, lost job, wedding gifts, pensions).
#pragma once

#include "qrvl/original/Board.h"
#include "qrvl/original/BoardPresenter.h"
#include "qrvl/original/Car.h"
#include "qrvl/original/CareerCardPile.h"
#include "qrvl/original/ChoiceScreens.h"
#include "qrvl/original/CollegeCareerCardPile.h"
#include "qrvl/original/Player.h"
#include "qrvl/original/QuorvelCardPile.h"
#include "qrvl/original/RulesEngine.h"
#include "qrvl/original/ShareTheWealthCardPile.h"

#include <memory>
#include <string>
#include <vector>

// Reads game files from the data folder of the source tree through the VFS.
class TestEngine : public RulesEngine {
public:
    TestEngine();
    ~TestEngine() override;
    void playSound(const char* name) override { sounds.push_back(name); }

    std::vector<std::string> sounds;
};

class RecordingPresenter : public BoardPresenter {
public:
    void showInfoPopup(const RuleMessage& message, int) override { popups.push_back(message.at(0).id); }
    void addToReport(const RuleMessage& message) override { report.push_back(message); }
    bool sawPopup(const std::string& id) const;

    std::vector<std::string> popups;
    std::vector<RuleMessage> report;
    // Numbers the wheel stops on, in order; random once they run out.
    std::vector<int> wheel;
    int getValuePointedTo() override;
};

// Answers every screen at once as a player would, by the settings below.
class ScriptedScreens : public ChoiceScreens {
public:
    void pushBranch(int branchType, Player*) override;
    void pushChooseSmallCard(int, int) override { answer(0); }
    void pushChooseCareer(Player*, CareerCard*, CareerCard*, int) override { answer(careerChoice); }
    void pushChooseHouse(Player* player, CardPile* pile, int timeoutMs, HouseCard* shown) override;
    void pushYesNo(const RuleMessage& title, const RuleMessage&, const RuleMessage&) override;
    void pushChoosePlayer(Player** candidates, int count, int currentPosition, int) override;
    void pushRetire(Player* player, QuorvelCard**) override;
    void pushSpin2Win(Player* player) override;
    void pushShowShareTheWealth(ShareTheWealthCard*) override { answer(3); }

    bool takePending() { bool was = pending; pending = false; return was; }

    std::vector<int> branchAnswers;     // taken in order; 1 once they run out
    int yesNo = 0;
    int careerChoice = 0;
    int playerChoice = -2;              // -2: the first other player
    std::vector<std::string> pushed;    // what was pushed, by kind or title

private:
    void answer(int choice);
    bool pending = false;
};

class RulesFixture {
public:
    explicit RulesFixture(int numPlayers, unsigned seed = 1);
    ~RulesFixture();

    // Seats of people rather than computer players.
    void makeHuman(int seat);
    // Places the player's car on a space without applying it.
    void putCar(int seat, int space);
    // Starts a spin of the current player and runs the board until it rests.
    int spinAndRun(int seat, int steps);
    // Ticks until the board is idle or asks the in-game mode for something.
    int runBoard(int maxSteps = 20000);
    // One tick of the clock, the cars and the board.
    void step();
    // Plays a whole game of turns until every player has retired.
    int playToEnd(int maxTurns);
    // Places the cars on their starts: college for even seats, a career for odd.
    void startGame();
    // Plays turns in seat order until every player has retired.
    int playTurns(int maxTurns);
    int retirementWorth(const Player* player) const;

    TestEngine engine;
    RecordingPresenter presenter;
    ScriptedScreens screens;
    std::unique_ptr<Board> board;
    Player players[Board::kMaxPlayers];
    Car cars[Board::kMaxPlayers];
    Player* order[Board::kMaxPlayers];
    CareerCardPile careers;
    CollegeCareerCardPile collegeCareers;
    QuorvelCardPile tiles;
    ShareTheWealthCardPile shareTheWealth;
    int count;

private:
    void startSpin();
    void playTurn(int seat);
    bool isRequest(int state) const;
};
