// What the framework asks of the in-game flow: the game mode of the
// launched game type and the journal's tables. The defaults stand for a
// game without game modes.
#pragma once

#include "qrvl/original/framework/InstalledHooks.h"

class FGMode;

class GameFlowHooks : public InstalledHooks<GameFlowHooks> {
public:
    enum GameKind {
        SingleGame,
        PassAndPlay,
        Party,
        NetworkGame,
    };

    virtual ~GameFlowHooks() = default;

    // The game mode of that kind, made with new and initialised (continuing
    // the saved game when asked); null for none.
    virtual FGMode* CreateGameMode(GameKind, bool) { return nullptr; }
    virtual void InitJournalData() {}
};
