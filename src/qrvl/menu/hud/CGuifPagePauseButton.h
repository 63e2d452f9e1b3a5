// The pause button in the corner of the in-game screen.
#pragma once

#include "norv/base/Lunar.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/WeakRefCounter.h"
#include "qrvl/menu/hud/HudHitBox.h"
#include "qrvl/menu/screens/TranslatableScreen.h"

namespace qrvl {

// Weakly counted so that its script can hold it as "callback".
class CGuifPagePauseButton : public Norv::WeakRefCounter {
public:
    // The id a press sends to the game.
    static constexpr int kPauseButton = 1001;

    static char const className[];
    static Norv::Lunar<CGuifPagePauseButton>::RegType methods[];

    CGuifPagePauseButton();
    virtual ~CGuifPagePauseButton() = default;

    void drawSelf(Norv::Surface* surface);
    void onTouchUp(int x, int y, int id);
    bool Contains(int x, int y) const { return button.Contains(x, y); }

    int l_PauseButtonPressed(lua_State* L);

    bool visible = false;

private:
    Norv::SmartPtr<TranslatableScreen> screen;
    HudHitBox button;
};

} // namespace qrvl
