// An in-memory game for the rules tests: the rules engine with a hand-moved
// clock, a presenter that records what it is asked to show, and the
// headless game with its instant answers for the choice screens. A test
// fails when the game reports a fault.
#pragma once

#include "qrvl/original/rules/BoardPresenter.h"
#include "qrvl/original/game/HeadlessGame.h"
#include "qrvl/original/rules/InstantChoices.h"
#include "qrvl/original/rules/RulesEngine.h"

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
    void showInfoPopup(const RuleMessage& message, int) override
    {
        popups.push_back(message.at(0).id);
        lastPopup = message;
    }
    void addToReport(const RuleMessage& message) override { report.push_back(message); }
    bool sawPopup(const std::string& id) const;

    std::vector<std::string> popups;
    RuleMessage lastPopup;
    std::vector<RuleMessage> report;
    // Numbers the wheel stops on, in order; random once they run out.
    std::vector<int> wheel;
    int getValuePointedTo() override;
};

// The parts the game is built on, made before it.
struct RulesFixtureParts {
    TestEngine engine;
    RecordingPresenter presenter;
    InstantChoices screens;
};

class RulesFixture : public RulesFixtureParts, public HeadlessGame {
public:
    explicit RulesFixture(int numPlayers, unsigned seed = 1);
    ~RulesFixture();
};
