// The pass-and-play game's set-up, spin for first, hand-over and notices.
#include "qrvl/original/game/ModePassNPlay.h"

#include "qrvl/original/rules/Board.h"
#include "qrvl/original/rules/Event.h"
#include "qrvl/original/framework/FGDataReader.h"
#include "qrvl/original/framework/FGDataWriter.h"
#include "qrvl/original/framework/FGString.h"
#include "qrvl/original/game/GameScreens.h"
#include "qrvl/original/game/Hud.h"
#include "qrvl/original/framework/HudPages.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/rules/SaveGame.h"

namespace {
constexpr int kLoseTurnMs = 2500;
}

bool ModePassNPlay::init(bool load)
{
    if (!ModeGame::init(load, true))
        return false;
    passAndPlay = true;
    board->setIsPNP();
    for (int& step : firstSpinSteps)
        step = kCardShown;
    return true;
}

void ModePassNPlay::setupSaveGame()
{
    saveGameFile = std::make_unique<SaveGame>();
    saveGameFile->init(SaveGame::kPassAndPlay);
}

std::string ModePassNPlay::displayName(const Player* player)
{
    FGString name;
    player->makePassNPlayName(name, true, true, true);
    return name.getNativeString();
}

Player* ModePassNPlay::getPlayerForStatus() const
{
    return players[currentPlayer];
}

void ModePassNPlay::choosePlayers()
{
    screens->pushPassAndPlaySetUp(players, hud.get(), &info);
    setCurrState(SpinForFirst);
}

void ModePassNPlay::setupPlayers(bool fromRecord)
{
    if (!fromRecord)
        return;
    // A record that names more players than there are seats is kept within them.
    numPlayers = info.count < 1 ? 1 : (info.count > kMaxPlayers ? kMaxPlayers : info.count);
    for (int i = 0; i < numPlayers; ++i) {
        Player* player = players[i];
        info.name[i][PNPPlayerInfo::kNameBytes - 1] = '\0';
        setCarAndPortrait(player, info.colour[i], info.character[i], info.name[i]);
        player->setComputer(false);
        player->setPassNPlayId(i);
        player->setCharacter(info.character[i]);
        player->setColor(info.colour[i]);
        seats[i] = player;
    }
    for (int i = numPlayers; i < kMaxPlayers; ++i) {
        delete players[i];
        players[i] = nullptr;
    }
    for (int i = 0; i < kMaxPlayers; ++i) {
        spinForFirstValues[i] = -1;
        firstSpinSteps[i] = kSpun;
    }
    roller = spinForFirstCount = 0;
    spinningForFirst = true;
    handOverPending = false;
    configureHudOverlay();
}

void ModePassNPlay::announceCurrRoller()
{
    Player* player = players[roller];
    board->setCurrPlayer(roller);
    setHudMessage(displayName(player) + text("S_PLYR_FIRST"));
    centreOnSpinner();
    setCurrState(Wheel);
    hud->setLeftPlayer(player);
}

void ModePassNPlay::doSpinForFirstStuff()
{
    players[roller]->setTapped(false);
    spinForFirstValues[roller] = board->getSpinnerValue();
    switch (firstSpinSteps[roller]) {
    case kSpun:
        firstSpinSteps[roller] = kCardChosen;
        chooseInitialSTWCards();
        return;
    case kCardChosen:
        firstSpinSteps[roller] = kCardShown;
        showInitialSTWCards();
        return;
    default:
        break;
    }
    ++spinForFirstCount;
    if (++roller < numPlayers) {
        announceCurrRoller();
        return;
    }
    finishSpinForFirst();
}

void ModePassNPlay::preparePlayers()
{
    settlePlayers();
    board->setIsPNP();
    setCurrState(HandOver);
    announceHandOver();
    configureHudOverlay();
}

void ModePassNPlay::announceHandOver()
{
    Player* player = currentPlayerObject();
    setHudMessage(displayName(player) + text("S_IT_IS_NOW"));
    hud->setLeftPlayer(player);
    board->setCurrPlayer(currentPlayer);
}

void ModePassNPlay::nextPlayer()
{
    hud->hideInfoPopupText();
    passTurn();
    setCurrState(HandOver);
    announceHandOver();
    handOverPending = true;
    if (currentPlayerObject()->isRetired())
        centreOnSpinner();
    saveGame();
}

void ModePassNPlay::PNPNextPlayer()
{
    handOverPending = false;
    HudPages::Get().EnableNextEventButton(false);
    if (currentPlayerObject()->eventPending()) {
        processEvent();
        return;
    }
    announceCurrPlayer(false);
    startTurn();
}

void ModePassNPlay::processEvent()
{
    Player* player = currentPlayerObject();
    Event* event = player->getNextEvent();
    FGString message;
    event->toText(message, players, numPlayers);
    showInfo(message.getNativeString(), Hud::kUntimed);
    setCurrState(ShowEvents);
    delete event;
}

void ModePassNPlay::startTurn()
{
    hud->setLeftPlayer(currentPlayerObject());
    board->setCurrPlayer(currentPlayer);
    if (firstRound)
        setCurrState(TurnStart);
    saveGame();
}

void ModePassNPlay::announceCurrPlayer(bool special, bool wedding, bool pension)
{
    if (wedding || pension)
        ModeGame::announceCurrPlayer(special, wedding, pension);
    else
        announceCurrPlayer(special);
}

void ModePassNPlay::announceCurrPlayer(bool special)
{
    Player* player = currentPlayerObject();
    hud->setLeftPlayer(player);
    rankPlayers();
    if (player->isRetired() && !special) {
        ModeGame::announceCurrPlayer(false, false, false);
        return;
    }
    std::string message = displayName(player);
    bool loseTurn = player->getLoseNextTurn();
    if (special) {
        message += text("S_PLY_AGAIN");
        HudPages::Get().EnableHud(true);
    } else {
        message += text(loseTurn ? "S_PLY_LOSETURN" : "S_PLY_TRN");
    }
    setHudMessage(message);
    if (loseTurn) {
        showInfo(message, Hud::kUntimed);
        setCurrState(LoseTurn);
        waitTimer.start(kLoseTurnMs);
        return;
    }
    centreOnSpinner();
    setCurrState(Wheel);
}

void ModePassNPlay::doNextPlayer()
{
    saveGame();
    if (TurnRules::MovesAgain(*currentPlayerObject()))
        announceCurrPlayer(true);
    else
        nextPlayer();
}

void ModePassNPlay::doLoseTurn()
{
    nextPlayer();
}

void ModePassNPlay::SetEmergencySpinnerTitle()
{
    if (numPlayers < 1)
        return;
    setHudMessage(displayName(spinningPlayer()) + text("S_PLY_TRN"));
}

void ModePassNPlay::saveSpecific(FGDataWriter* writer)
{
    writer->writeBoolean(handOverPending);
}

void ModePassNPlay::loadSpecific(FGDataReader* reader)
{
    handOverPending = reader->readBoolean();
}
