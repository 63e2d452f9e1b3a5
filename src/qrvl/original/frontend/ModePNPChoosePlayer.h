// The pass-and-play set-up: how many people play, then one after the other
// each one's colour, character and name, written into the pass-and-play
// record. A colour or character taken by an earlier player is not offered;
// Back walks back through the earlier players' pages and frees what it passes.
#pragma once

#include "qrvl/original/frontend/ModeChoosePlayer.h"

struct PNPPlayerInfo;

class ModePNPChoosePlayer : public ModeChoosePlayer {
public:
    // What the pass-and-play mode reads when every player is set up.
    static constexpr int kPlayersChosen = 10;

    virtual void init(Player** players, Hud* hud, PNPPlayerInfo* info);
    using ModeChoosePlayer::init;

    void buttonSelected(CGuiFrameTouchButton* button) override;

    int GetPlayerIndex() const { return index; }

private:
    void ShowTitle(char const* textId);
    // Offers or withdraws a colour's or a character's control.
    void Offer(int screen, char const* prefix, int which, bool offered);
    // The name page for the player being set up, with the name in the record.
    void EnterName();

    PNPPlayerInfo* info = nullptr;
    int index = 0;
};
