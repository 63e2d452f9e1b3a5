// Picking numbers of the wheel (1 to 10): at a Spin to Win space the person
// may first play a spin card for more numbers, then picks the numbers and a
// stake, stored in the player for the board to settle after the spin; from
// the status screen the person buys an investment number nobody owns for
// 10000. The spin cards are offered in the Share the Wealth carousel.
#pragma once

#include "norv/base/Lunar.h"
#include "norv/base/core/SmartPtr.h"
#include "qrvl/menu/screens/TranslatableScreen.h"
#include "qrvl/original/rules/ShareTheWealthCard.h"
#include "qrvl/original/frontend/ModeShowShareTheWealth.h"

#include <memory>
#include <vector>

class Hud;
class Player;

class ModeSpin2Win : public ModeShowShareTheWealth {
public:
    enum Page { NumberPage = 0, WagerPage = 1, CardPage = 2, InvestmentPage = 3 };
    // Ids 1 to 10 on a number page are the wheel's numbers.
    // On the card page id 1 plays the card in the middle.
    enum Button { WagerUp = 1, WagerDown = 2, Back = 11, OK = 12, PlayCard = 1 };
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
    using ModeShowShareTheWealth::init;

    void tick() override;
    void drawSelf(Norv::Surface* surface) override;
    void activate() override;
    void onTouchUp(int x, int y, int id) override;
    void onTouchDown(int x, int y, int id) override;
    void onTouchMove(int x, int y, int id) override;
    void keyPressed(int key) override;
    void buttonSelected(CGuiFrameTouchButton* button) override;

    // Whether the 0-based number is among the chosen ones.
    bool numberIsTaken(int n) const;
    // Asks whether to leave, with the text of `textId` (the Spin to Win one when null).
    void confirmQuit(char const* textId);

    int GetPage() const { return page; }
    int GetWager() const { return wager; }
    int GetChosenCount() const { return chosenCount; }
    int GetChosen(int i) const { return chosen[i]; }
    int GetAllowed() const { return allowed; }
    ShareTheWealthCard const* GetPlayedCard() const { return playedCard; }
    qrvl::TranslatableScreen* GetCurrentScreen() const;

    // Script methods of "callback".
    int l_BackKeyPressed(lua_State* L);
    int l_OKKeyPressed(lua_State* L);
    int l_WagerLeftArrowPressed(lua_State* L);
    int l_WagerRightArrowPressed(lua_State* L);
    int l_WagerButtonPressed(lua_State* L);
    int l_ConfirmKeyPressed(lua_State* L);

private:
    void SelectNumbers(bool first);
    void ShowWager();
    void Toggle(int number);
    void Finish();
    void ShowWagerArrows();
    // The spin cards the player holds and "no card", in the carousel.
    void ShowSpinCards();
    void addCarouselCard(int kind);

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
    ShareTheWealthCard const* playedCard = nullptr;
    std::vector<std::unique_ptr<ShareTheWealthCard>> carouselCards;
    Norv::SmartPtr<qrvl::TranslatableScreen> numberScreen;
    Norv::SmartPtr<qrvl::TranslatableScreen> wagerScreen;
};
