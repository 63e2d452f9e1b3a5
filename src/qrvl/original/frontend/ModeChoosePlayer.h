// Every question about players: a single game's set-up (colour, character,
// name, number of players), the list of the opponents, and choosing another
// player to sue, to take a Quorvel tile from or to play a Share the Wealth
// card against. Five scripted screens, one shown at a time; the answer goes
// into the engine's lastChoice.
#pragma once

#include "norv/base/Lunar.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/WeakRefCounter.h"
#include "qrvl/menu/screens/TranslatableScreen.h"
#include "qrvl/original/framework/QuorvelMode.h"
#include "qrvl/original/frontend/NameEntry.h"

#include <string>

class Hud;
class Player;

namespace Guif {
class Control;
}

class ModeChoosePlayer : public QuorvelMode, public Norv::WeakRefCounter {
public:
    enum Flags {
        kOpponents = 1,
        kSetUp = 2,
        kLawsuit = 4,
        kTile = 8,
        kShareCard = 32,
        kFilter = 64,
        kPassAndPlay = 128,
    };
    enum State {
        ColourPage = 0,
        CharacterPage = 1,
        NumberPage = 2,
        OpponentsList = 3,
        ChooseList = 4,
        OverviewList = 5,
        ShareCardList = 6,
        NamePage = 7,
    };
    enum Button { Back = -1, OK = -2 };
    static constexpr int kMaxListed = 6;
    static constexpr int kQuit = -3;

    static char const className[];
    static Norv::Lunar<ModeChoosePlayer>::RegType methods[];

    ~ModeChoosePlayer() override;

    // `name` receives the typed name, within `nameBytes`; null when no name is asked.
    virtual void init(Player** players, Hud* hud, int currentIndex, int flags, char* name, int nameBytes);
    using QuorvelMode::init;

    void tick() override;
    void drawSelf(Norv::Surface* surface) override;
    void activate() override;
    void deactivate() override;
    void keyPressed(int key) override;
    void keyReleased(int key) override;
    void characterTyped(unsigned int typed) override;
    void buttonSelected(CGuiFrameTouchButton* button) override;
    void onTouchUp(int x, int y, int id) override;
    // A press shows on the key held down until it is released.
    void onTouchDown(int x, int y, int id) override;

    // What the status screens opened from the overview hand on: each
    // number's owner and why an investment may not be bought.
    void setInvestInfo(int* owners, int refusal)
    {
        investOwners = owners;
        investRefusal = refusal;
    }

    int GetState() const { return state; }
    int GetCount() const { return count; }
    int GetSeat(int listed) const { return seats[listed]; }
    char const* GetName() const { return name.Text(); }
    qrvl::TranslatableScreen* GetCurrentScreen() const;

    // Script methods of "callback".
    int l_BackKeyPressed(lua_State* L);
    int l_OKKeyPressed(lua_State* L);
    int l_ColorSelected(lua_State* L);
    int l_PlayerSelected(lua_State* L);
    int l_NumPlayersSelected(lua_State* L);

protected:
    void initCommon();
    void initLuaScreens();
    void selectAScreen();
    void Press(int id);
    void AskToQuit();
    // The name page, the character page's colours and the players list.
    void UpdatePortraitName();
    void ShowNameEntryPortrait(int character, int colour);
    void SetPortraitColours(int colour);
    void FillPlayersList(char const* header, bool hideBack, bool hideOK);
    bool HasFlag(int flag) const { return (flags & flag) != 0; }

    Player* listed[kMaxListed] = {};
    int seats[kMaxListed] = {};
    int count = 0;
    Hud* hud = nullptr;
    int flags = 0;
    int state = ColourPage;
    int colour = 0;
    int character = 0;
    int currentIndex = -1;
    bool quitAsked = false;
    bool abortAsked = false;
    bool shift = false;
    bool cursorShown = true;
    int cursorTimer = 0;
    qrvl::NameEntry name;
    Norv::SmartPtr<qrvl::TranslatableScreen> screens[5];
    Guif::Control* cursor = nullptr;
    float cursorCentreX = 0.0f;
    int* investOwners = nullptr;
    int investRefusal = 0;
};
