// The houses of a pile as a carousel of cards: a person scrolls and buys
// one, taking loans where the cash is short; a computer player's bought
// house is only shown. Writes no lastChoice: the screen buys the house.
#pragma once

#include "qrvl/menu/screens/CGuifFrameTouchCarousel.h"
#include "qrvl/original/frontend/ModeChoose.h"

#include "norv/base/Lunar.h"

#include <memory>
#include <vector>

class CardPile;
class Player;
struct Card;
struct HouseCard;

class ModeChooseHouse : public ModeChoose {
public:
    static char const className[];
    static Norv::Lunar<ModeChooseHouse>::RegType methods[];
    static constexpr int kLayoutFrames = 12;
    static constexpr int kBuy = -2;

    ~ModeChooseHouse() override;

    // An empty pile shows that no house is left; any touch closes it.
    virtual void init(CardPile* pile, Player* player, int timeoutMs);
    using ModeChoose::init;
    virtual void ShowHouse(Card* card);

    void tick() override;
    void keyPressed(int key) override;
    void buttonSelected(CGuiFrameTouchButton* button) override;
    void onTouchUp(int x, int y, int id) override;
    bool isActiveMode() override { return !showOnly; }

    qrvl::CGuifFrameTouchCarousel* GetCarousel() const { return carousel.get(); }
    bool IsShowOnly() const { return showOnly; }

    // Script methods of "callback".
    int l_BuyKeyPressed(lua_State* L);
    int l_LeftArrowPressed(lua_State* L);
    int l_RightArrowPressed(lua_State* L);

private:
    void setupGuif();
    void SetupUIPage(Player* buyer);
    void PopulateCardFrame(HouseCard const& card, int index, bool loanNeeded);
    void ShowNoHouseLeft();

    std::vector<HouseCard*> items;
    Player* player = nullptr;
    CardPile* pile = nullptr;
    bool showOnly = false;
    std::unique_ptr<qrvl::CGuifFrameTouchCarousel> carousel;
};
