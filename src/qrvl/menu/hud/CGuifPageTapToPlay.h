// The bar that slides up when a person's turn starts: the player's tab and
// a tap-to-play message. Tapping it hands the turn to the player.
#pragma once

#include "norv/base/Lunar.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/WeakRefCounter.h"
#include "qrvl/menu/hud/HudHitBox.h"
#include "qrvl/menu/hud/HudModeMachine.h"
#include "qrvl/menu/hud/HudSlide.h"
#include "qrvl/menu/screens/TranslatableScreen.h"

#include <string>

class Player;

namespace qrvl {

// Weakly counted so that its script can hold it as "callback".
class CGuifPageTapToPlay : public Norv::WeakRefCounter {
public:
    // The id a tap sends to the mode stack.
    static constexpr int kTapToPlayButton = 300;
    // The player flag that asks for "tap or spin" rather than "tap to play".
    static constexpr unsigned kTapOrSpinFlag = 32;

    static char const className[];
    static Norv::Lunar<CGuifPageTapToPlay>::RegType methods[];

    CGuifPageTapToPlay();
    virtual ~CGuifPageTapToPlay() = default;

    // The message with the player's name in its first "%s" only: a
    // translation is never used as a format.
    static std::string TapMessage(char const* pattern, char const* name);

    void SetPlayerName(Player* player);
    void OnBarPressed();
    virtual void Update(int ms);
    void drawSelf(Norv::Surface* surface);
    void onTouchUp(int x, int y, int id);
    bool Contains(int x, int y) const;
    int GetButtonHeight() const { return button.height; }
    HudSlide& GetSlide() { return slide; }

    int l_BarTapped(lua_State* L);

    bool visible = false;
    // The HUD mode a tap sets.
    HudMode modeOnTap = kHudOn;

private:
    Norv::SmartPtr<TranslatableScreen> screen;
    HudSlide slide;
    HudHitBox button;
};

} // namespace qrvl
