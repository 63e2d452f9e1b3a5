// Making the game modes and installing the rules' engine services.
#include "qrvl/original/game/InGameFlow.h"

#include "qrvl/original/game/ModeGame.h"
#include "qrvl/original/game/ModeParty.h"
#include "qrvl/original/game/ModePassNPlay.h"
#include "qrvl/original/phone/journal/CJournal.h"

#include <memory>

InGameFlow::InGameFlow()
{
    RulesEngine::install(&rules);
}

InGameFlow::~InGameFlow()
{
    RulesEngine::install(nullptr);
}

FGMode* InGameFlow::CreateGameMode(GameKind kind, bool loadSaved)
{
    if (kind == SingleGame) {
        auto game = std::make_unique<ModeGame>();
        return game->init(loadSaved, false) ? game.release() : nullptr;
    }
    if (kind == PassAndPlay) {
        auto game = std::make_unique<ModePassNPlay>();
        return game->init(loadSaved) ? game.release() : nullptr;
    }
    if (kind == Party) {
        auto game = std::make_unique<ModeParty>();
        return game->init(loadSaved) ? game.release() : nullptr;
    }
    return nullptr;
}

void InGameFlow::InitJournalData()
{
    CJournal::InitJournalData();
}
