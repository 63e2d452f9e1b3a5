// A fan of face-down career cards from which a person picks one, or two
// for the college careers. Leaves no answer: the caller draws the cards
// once the screen has gone.
#pragma once

#include "qrvl/menu/screens/CGuifPageChooseCard.h"
#include "qrvl/original/frontend/ModeChoose.h"

#include "norv/base/Lunar.h"

#include <memory>

class ModeChooseSmallCard : public ModeChoose {
public:
    static char const className[];
    static Norv::Lunar<ModeChooseSmallCard>::RegType methods[];
    // The career type whose player picks a single card.
    static constexpr int kPlainCareers = 1;

    ~ModeChooseSmallCard() override;

    // With no card to show the screen closes at once.
    virtual void init(int careerType, int count);
    using ModeChoose::init;
    void activate() override;
    void tick() override;

    // How many cards a player of that career type picks out of count.
    static int CardsToPick(int careerType, int count);

    // Script method: callback:CardSelected(n).
    int l_CardSelected(lua_State* L);

private:
    std::unique_ptr<qrvl::CGuifPageChooseCard> page;
    bool done = false;
};
