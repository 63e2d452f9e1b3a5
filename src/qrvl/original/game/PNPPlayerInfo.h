// The pass-and-play set-up record: how many people play and each one's
// colour, character and name, filled by the set-up screen.
#pragma once

struct PNPPlayerInfo {
    static constexpr int kMaxPlayers = 6;
    static constexpr int kNameBytes = 8;

    int count = 0;
    int colour[kMaxPlayers] = {-1, -1, -1, -1, -1, -1};
    int character[kMaxPlayers] = {-1, -1, -1, -1, -1, -1};
    char name[kMaxPlayers][kNameBytes] = {};
    bool defaultName[kMaxPlayers] = {};
};
