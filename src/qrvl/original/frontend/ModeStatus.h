// One player's situation on five tabs (the player, the investment number,
// the Share the Wealth cards, the home, the career), stepped through with
// the up and down arrows; the investment tab leads to buying a number and
// the cards tab to the player's cards in a carousel.
#pragma once

#include "norv/base/Lunar.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/WeakRefCounter.h"
#include "qrvl/menu/screens/CGuifFrameTouchCarousel.h"
#include "qrvl/menu/screens/TranslatableScreen.h"
#include "qrvl/original/framework/QuorvelMode.h"

#include <memory>

class Hud;
class Player;

class ModeStatus : public QuorvelMode, public Norv::WeakRefCounter {
public:
    enum StatusMode { OnTabs = 0, OnInvestment = 1, OnCards = 2 };
    enum Tab { PlayerTab = 0, InvestmentTab = 1, CardsTab = 2, HouseTab = 3, CareerTab = 4 };
    static constexpr int kTabs = 5;
    enum Button { Back = -1, Cards = 1, Invest = 2 };
    // What is open: the tabs, or the cards' carousel.
    enum SubScreen { TabsOpen = 0, CardsOpen = 1 };
    static constexpr int kCardFrames = 12;
    // Why a number may not be bought now.
    enum Refusal { InvestAllowed = 0, RefusedTurnOrder = 1, RefusedNotYourTurn = 2 };
    static constexpr int kLoanAmount = 20000;

    static char const className[];
    static Norv::Lunar<ModeStatus>::RegType methods[];

    ModeStatus();
    ~ModeStatus() override;

    // `current`: the shown player is the one whose turn it is.
    virtual void init(Hud* hud, Player* player, bool current, int* owners, int refusal, StatusMode mode);
    using QuorvelMode::init;

    void tick() override;
    void drawSelf(Norv::Surface* surface) override;
    void activate() override;
    void deactivate() override;
    void onTouchUp(int x, int y, int id) override;
    void onTouchDown(int x, int y, int id) override;
    void onTouchMove(int x, int y, int id) override;
    void keyPressed(int key) override;
    void buttonSelected(CGuiFrameTouchButton* button) override;

    bool IsValidPage(int page) const;
    void SetCurrentPage(int page);
    int GetCurrentPage() const { return page; }
    int GetSubScreen() const { return subScreen; }
    qrvl::TranslatableScreen* GetScreen() const { return screen.Get(); }
    qrvl::TranslatableScreen* GetCardsScreen() const { return cardsScreen.Get(); }
    qrvl::TranslatableScreen* GetCurrentScreen() const;
    qrvl::CGuifFrameTouchCarousel* GetCarousel() const { return carousel.get(); }

    // Script methods of "callback".
    int l_BackKeyPressed(lua_State* L);
    int l_InvestButtonPressed(lua_State* L);
    int l_STWButtonPressed(lua_State* L);
    int l_UpArrowPressed(lua_State* L);
    int l_DownArrowPressed(lua_State* L);
    int l_LeftArrowPressed(lua_State* L);
    int l_RightArrowPressed(lua_State* L);

private:
    void Press(int id);
    void Step(int direction);
    void PopulateScreens();
    void RedrawStatusScreen();
    void EnterInvestScreen();
    void EnterShareTheWealthScreen();
    void FillStatusSTWCarousel();
    void Message(char const* textId);
    // The person's own texts for the player whose turn it is, else the others'.
    char const* Said(char const* own, char const* others) const;

    Hud* hud = nullptr;
    Player* player = nullptr;
    bool current = false;
    int* owners = nullptr;
    int refusal = InvestAllowed;
    StatusMode mode = OnTabs;
    int page = PlayerTab;
    bool closing = false;
    int subScreen = TabsOpen;
    Norv::SmartPtr<qrvl::TranslatableScreen> screen;
    Norv::SmartPtr<qrvl::TranslatableScreen> cardsScreen;
    std::unique_ptr<qrvl::CGuifFrameTouchCarousel> carousel;
};
