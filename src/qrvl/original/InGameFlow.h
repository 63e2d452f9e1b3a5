// The in-game flow as the framework meets it: the game modes of the
// launched game types, the journal's tables, and the rules' engine services
// taken from the running engine object while it is installed.
#pragma once

#include "qrvl/original/EngineRules.h"
#include "qrvl/original/GameFlowHooks.h"

class InGameFlow : public GameFlowHooks {
public:
    InGameFlow();
    ~InGameFlow() override;

    // A single or pass-and-play game; null for the kinds the game does not
    // offer (party, network) and when the board cannot be read.
    FGMode* CreateGameMode(GameKind kind, bool loadSaved) override;
    void InitJournalData() override;

private:
    EngineRules rules;
};
