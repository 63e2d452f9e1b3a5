// College or career, at a person's first turn: leaves the pressed id in
// lastChoice (0 college) and slides out before it pops.
#pragma once

#include "qrvl/original/frontend/ModeChoose.h"

#include "norv/base/Lunar.h"

class ModeChoosePath : public ModeChoose {
public:
    static char const className[];
    static Norv::Lunar<ModeChoosePath>::RegType methods[];
    static constexpr int kNoAnswer = -1;

    ModeChoosePath();
    ~ModeChoosePath() override;

    void init() override;
    using ModeChoose::init;
    void tick() override;
    void buttonSelected(CGuiFrameTouchButton* button) override;
    bool isActiveMode() override { return choice == kNoAnswer; }

    // Script method: callback:PathChosen(n).
    int l_PathChosen(lua_State* L);
};
