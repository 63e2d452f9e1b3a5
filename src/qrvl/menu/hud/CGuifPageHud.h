// The bar at the bottom of the in-game screen: the current player's tab,
// money and tiles, a message box in four colours, the turn's buttons, and
// the notes or tile that fly when money or a tile changes hands.
#pragma once

#include "norv/base/Lunar.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/WeakRefCounter.h"
#include "qrvl/menu/hud/HudHitBox.h"
#include "qrvl/menu/hud/HudSlide.h"
#include "qrvl/menu/hud/TransferDisplay.h"
#include "qrvl/menu/hud/TransferFlight.h"
#include "qrvl/menu/screens/TranslatableScreen.h"

class Player;

namespace Guif {
class Control;
class TransformedSprite;
} // namespace Guif

namespace qrvl {

// Weakly counted so that its script can hold it as "callback".
class CGuifPageHud : public Norv::WeakRefCounter, public TransferDisplay {
public:
    // The ids the bar's buttons send to the game.
    enum Button {
        SpinButton = 200,
        ExploreButton = 201,
        MoneyButton = 202,
        InvestButton = 203,
        InfoButton = 204,
        NextEventButton = -2,
    };
    // Message box colours; any other style is the plain box.
    enum MessageStyle { Plain = 1, Green = 2, Orange = 3, Blue = 4 };
    // The transfer tab rises and falls by this much per second, to 1024.
    static constexpr int kTabRisePerSecond = 5000;
    static constexpr int kTabRiseTop = 1024;

    static char const className[];
    static Norv::Lunar<CGuifPageHud>::RegType methods[];

    CGuifPageHud();
    virtual ~CGuifPageHud() = default;

    virtual void Update(int ms);
    virtual void keyPressed(int key);
    void drawSelf(Norv::Surface* surface);
    void onTouchUp(int x, int y, int id);
    void onTouchMove(int x, int y, int id);
    // On the bar's background, edges included; anywhere while the
    // next-event button waits.
    bool Contains(int x, int y) const;

    void SetPlayerDetails(Player* player);
    void SetPlayerMoney(int amount) override;
    void SetPlayerQuorvelCardCount(int count) override;
    void SetMessage(char const* text, unsigned style);
    void SetMessageLocalised(char const* id, unsigned style);
    void StartExploreMode();
    void StartWheelMode();
    void SetExploreText();
    void SetWheelText();
    void EnableHud(bool on);
    void EnableNextEventButton(bool on);
    void ResetHud();

    void StartScrollOn();
    void StartScrollOff();
    void ForceOffScreen();
    HudSlide& GetSlide() { return slide; }
    int GetScrollPosition() const { return slide.GetPosition(); }
    int GetBarHeight() const { return bar.height; }

    // The transfer animation, driven by the transfer overlay.
    void StartTransfer(int mode, int amount) override;
    void ShowTransferElements(int colour, int character) override;
    void HideTransferElements() override;
    int GetTransferTimeLeft() const { return transferTime; }

    TranslatableScreen* GetScreen() const { return screen.Get(); }

    // Script methods of "callback".
    int l_SpinnerButtonPressed(lua_State* L);
    int l_ExploreButtonPressed(lua_State* L);
    int l_MoneyButtonPressed(lua_State* L);
    int l_InvestButtonPressed(lua_State* L);
    int l_InfoButtonPressed(lua_State* L);
    int l_NextEventButtonPressed(lua_State* L);
    int l_DoSpinButtonPressed(lua_State* L);

    bool visible = false;

private:
    void Press(int id);
    void UpdateTransferTab(int ms);
    void PlaceFlyingItems();

    Norv::SmartPtr<TranslatableScreen> screen;
    HudSlide slide;
    bool exploreMode = false;
    bool nextEventShown = false;
    bool direction = false;
    bool cashAnimation = false;
    int transferTime = 0;
    int tabRise = 0;
    bool tabShown = false;
    bool buttonsEnabled = true;
    HudHitBox bar;
};

} // namespace qrvl
