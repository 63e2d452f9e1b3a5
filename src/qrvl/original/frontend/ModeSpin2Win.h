// Picking numbers of the wheel (1 to 10): at a Spin to Win space the person
// picks the numbers and a stake, stored in the player for the board to
// settle after the spin; from the status screen the person buys an
// investment number nobody owns for 10000.
#pragma once

#include "norv/base/Lunar.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/WeakRefCounter.h"
#include "qrvl/menu/TranslatableScreen.h"
#include "qrvl/original/QuorvelMode.h"

class Hud;
class Player;

class ModeSpin2Win : public QuorvelMode, public Norv::WeakRefCounter {
public:
    enum Page { NumberPage = 0, WagerPage = 1, CardPage = 2, InvestmentPage = 3 };
    // Ids 1 to 10 on a number page are the wheel's numbers.
    enum Button { WagerUp = 1, WagerDown = 2, Back = 11, OK = 12 };
    static constexpr int kNumbers = 10;
    static constexpr int kMaxChosen = 4;
    static constexpr int kMinWager = 5000;
    static constexpr int kMaxWager = 50000;
    static constexpr int kWagerStep = 5000;
    static constexpr int kInvestmentPrice = 10000;
    // The owner of a number nobody owns.
    static constexpr int kNoOwner = 6;
    // What the board reads once the numbers and the stake are stored.
    static constexpr int kConfirmed = -2;

    static char const className[];
    static Norv::Lunar<ModeSpin2Win>::RegType methods[];

    ~ModeSpin2Win() override;

    // Spin to Win for the player.
    virtual void init(Hud* hud, Player* player);
    // An investment number for the player; `owners` holds each number's
    // owner's colour.
    virtual void init(Player* player, Hud* hud, int* owners);
    using QuorvelMode::init;

    void tick() override;
    void drawSelf(Norv::Surface* surface) override;
    void activate() override;
    void onTouchUp(int x, int y, int id) override;
    void onTouchDown(int x, int y, int id) override;
    void keyPressed(int key) override;
    void buttonSelected(CGuiFrameTouchButton* button) override;

    // Whether the 0-based number is among the chosen ones.
    bool numberIsTaken(int n) const;
    // Asks whether to leave, with the text of `textId` (the Spin to Win one when null).
    void confirmQuit(char const* textId);

    // How many numbers may be picked, once a spin card allowing more is played.
    void SetAllowed(int count) { allowed = count < 1 ? 1 : (count > kMaxChosen ? kMaxChosen : count); }

    int GetPage() const { return page; }
    int GetWager() const { return wager; }
    int GetChosenCount() const { return chosenCount; }
    int GetChosen(int i) const { return chosen[i]; }
    qrvl::TranslatableScreen* GetCurrentScreen() const;

    // Script methods of "callback".
    int l_BackKeyPressed(lua_State* L);
    int l_OKKeyPressed(lua_State* L);
    int l_WagerLeftArrowPressed(lua_State* L);
    int l_WagerRightArrowPressed(lua_State* L);
    int l_WagerButtonPressed(lua_State* L);

private:
    void Press(int id);
    void SelectNumbers(bool first);
    void ShowWager();
    void Toggle(int number);
    void Finish();
    void ShowWagerArrows();

    Hud* hud = nullptr;
    Player* player = nullptr;
    int* owners = nullptr;
    bool investment = false;
    int page = NumberPage;
    int allowed = 1;
    int chosen[kMaxChosen] = {-1, -1, -1, -1};
    int chosenCount = 0;
    int wager = kMinWager;
    int shownWager = kMinWager;
    int wagerTimerMs = 0;
    bool quitAsked = false;
    Norv::SmartPtr<qrvl::TranslatableScreen> numberScreen;
    Norv::SmartPtr<qrvl::TranslatableScreen> wagerScreen;
};
