// The in-game mode of several people taking turns at one computer: every
// player is a person set up on the pass-and-play set-up screen; each spins
// for first and takes a Share the Wealth card at once; between turns the
// machine is handed over and the next player sees the notices of what
// happened to them during the other turns.
#pragma once

#include "qrvl/original/game/ModeGame.h"
#include "qrvl/original/game/PNPPlayerInfo.h"

class FGString;

class ModePassNPlay : public ModeGame {
public:
    using ModeGame::init;
    bool init(bool load);
    bool isHandOverPending() const { return handOverPending; }

    using ModeGame::announceCurrPlayer;
    void announceCurrPlayer(bool special, bool wedding, bool pension) override;
    void announceCurrPlayer(bool special) override;
    void announceCurrRoller() override;
    void nextPlayer() override;
    void doNextPlayer() override;
    void doLoseTurn() override;
    void doSpinForFirstStuff() override;
    void PNPNextPlayer() override;
    void SetEmergencySpinnerTitle() override;
    Player* getPlayerForStatus() const override;

protected:
    void setupSaveGame() override;
    void choosePlayers() override;
    void setupPlayers(bool fromRecord) override;
    void preparePlayers() override;
    void loadSpecific(FGDataReader* reader) override;
    void saveSpecific(FGDataWriter* writer) override;

private:
    // A seat's progress through the spin for first.
    enum FirstSpinStep { kSpun = 0, kCardChosen = 1, kCardShown = 2 };

    void startTurn();
    void processEvent();
    // The player's name as the hand-over and the announcements show it.
    static std::string displayName(const Player* player);
    void announceHandOver();

    PNPPlayerInfo info;
    bool handOverPending = false;
    int firstSpinSteps[kMaxPlayers] = {kCardShown, kCardShown, kCardShown, kCardShown, kCardShown, kCardShown};
};
