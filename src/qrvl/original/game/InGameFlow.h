// The in-game flow as the framework meets it: the game modes of the
// launched game types, the journal's tables, and the rules' engine services
// taken from the running engine object while it is installed.
#pragma once

#include "qrvl/original/rules/EngineRules.h"
#include "qrvl/original/framework/GameFlowHooks.h"

class InGameFlow : public GameFlowHooks {
public:
    InGameFlow();
    ~InGameFlow() override;

    // A single, pass-and-play or party game; null for a network game, which
    // needs a service this program does not have, and when the board or the
    // saved game cannot be read.
    FGMode* CreateGameMode(GameKind kind, bool loadSaved) override;
    void InitJournalData() override;

private:
    EngineRules rules;
};
