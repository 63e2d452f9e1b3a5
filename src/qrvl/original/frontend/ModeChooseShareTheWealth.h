// At the start of a game a person picks three Share the Wealth cards out
// of six face down. The screen gives the picked cards to the player and
// puts the others back on the pile itself; it writes no lastChoice.
#pragma once

#include "qrvl/menu/screens/CGuifPageChooseCard.h"
#include "qrvl/original/frontend/ModeChoose.h"

#include "norv/base/Lunar.h"

#include <memory>

class CardPile;
class Player;
struct ShareTheWealthCard;

class ModeChooseShareTheWealth : public ModeChoose {
public:
    static char const className[];
    static Norv::Lunar<ModeChooseShareTheWealth>::RegType methods[];
    static constexpr int kCardsDrawn = qrvl::CGuifPageChooseCard::kMaxCards;
    static constexpr int kCardsKept = 3;

    ~ModeChooseShareTheWealth() override;

    // Draws up to six cards; with fewer than three the player keeps all.
    virtual void init(CardPile* pile, Player* player);
    using ModeChoose::init;
    void tick() override;

    // The card of a slot until it has gone to the player or the pile.
    ShareTheWealthCard* GetCard(int slot) const { return slot >= 0 && slot < kCardsDrawn ? cards[slot] : nullptr; }

    // Script method: callback:CardSelected(n).
    int l_CardSelected(lua_State* L);

private:
    // Gives the picked cards to the player and returns the rest.
    void Deal(int const* selections);

    Player* player = nullptr;
    CardPile* pile = nullptr;
    ShareTheWealthCard* cards[kCardsDrawn] = {};
    std::unique_ptr<qrvl::CGuifPageChooseCard> page;
    bool done = false;
};
