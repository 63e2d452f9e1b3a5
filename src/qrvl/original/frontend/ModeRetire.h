// A person reaching retirement: the choice of home (the first one brings the
// largest Quorvel tile left), the car making way for the home, and the
// retirement statement revealed line by line until OK.
#pragma once

#include "norv/base/Lunar.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/WeakRefCounter.h"
#include "qrvl/menu/screens/TranslatableScreen.h"
#include "qrvl/original/framework/FGTimer.h"
#include "qrvl/original/framework/QuorvelMode.h"

#include <string>

class Hud;
class Player;
struct QuorvelCard;

class ModeRetire : public QuorvelMode, public Norv::WeakRefCounter {
public:
    enum State {
        Start = 0,
        ChoosingHome = 1,
        CentringOnPeg = 2,
        PegJumping = 3,
        PauseBeforeStatement = 4,
        Statement = 5,
    };
    enum Home { FirstHome = 0, SecondHome = 1 };
    enum Button { OK = -2 };
    // The statement's lines, revealed one a second in this order after the header.
    enum Line { BankLine = 1, KidLine = 2, HouseLine = 3, LoanLine = 4, TotalLine = 5, TileLine = 6 };

    static char const className[];
    static Norv::Lunar<ModeRetire>::RegType methods[];

    ModeRetire();
    ~ModeRetire() override;

    // `remainingTiles` is the head of the board's list of tiles left.
    virtual void init(Player* player, Hud* hud, QuorvelCard** remainingTiles);
    using QuorvelMode::init;

    // What a player retires with (the end of the game counts the tiles).
    static int calcNetWorth(Player* player, bool withTiles);
    static int calcQuorvelCardWorth(Player* player);
    // How many tiles a player holds, as the statement and the ranking show it.
    static std::string tileCountText(Player const* player);
    // The tile of the highest value goes from the list to the player, shown
    // coming from the bank; an empty list gives nothing.
    static void takeLargestQuorvelToken(Player* player, QuorvelCard** list);

    void tick() override;
    void drawSelf(Norv::Surface* surface) override;
    void activate() override;
    void deactivate() override;
    void buttonSelected(CGuiFrameTouchButton* button) override;
    void onTouchDown(int x, int y, int id) override;
    void onTouchUp(int x, int y, int id) override;
    void keyPressed(int key) override;

    int GetState() const { return state; }
    int GetHome() const { return home; }
    bool GaveTile() const { return tileGiven; }
    int GetRevealed() const { return revealCounter; }
    qrvl::TranslatableScreen* GetScreen() const { return screen.Get(); }

    // Script method of "callback".
    int l_OKKeyPressed(lua_State* L);

private:
    void resetPlayer();
    void chooseHome();
    void centreOnPeg();
    void animToHome();
    void handleQuorvelToken();
    void showHome();
    void showStats();
    void fillStatement();

    int state = Start;
    int revealCounter = -1;
    Player* player = nullptr;
    Hud* hud = nullptr;
    int home = -1;
    bool tileGiven = false;
    bool carFaded = false;
    FGTimer timer;
    QuorvelCard** remainingTiles = nullptr;
    int children = -1;
    int worth = -1;
    Norv::SmartPtr<qrvl::TranslatableScreen> screen;
};
