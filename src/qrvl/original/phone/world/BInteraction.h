// The board's table of interactive scenery: which model answers a tap with
// which alternative model, sound and reaction. The game carries it as data
// only; the touchable entities react by themselves.
#pragma once

#include <array>

// One row: the optional group, the model, its alternative, the tap sound,
// the names of the reactions on set-up and on a tap, the kind of item and
// whether it reacts as a whole.
struct BInteractionRow {
    char const* group;
    char const* model;
    char const* alternative;
    char const* sound;
    char const* initHook;
    char const* tappedHook;
    int type;
    int flag;
};

constexpr int kBoardInteractions = 22;
extern BInteractionRow const board_interactions[kBoardInteractions];

// The selection over the table, made when a game starts.
class BInteractionTouch {
public:
    virtual ~BInteractionTouch() = default;

    int count = kBoardInteractions;
    int selected = -1;
    std::array<int, kBoardInteractions> entries {};
};
