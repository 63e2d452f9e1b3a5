// The question at a fork of the road, at the career-change space and at
// retirement: two framed ways side by side. Leaves 0 or 1 in the engine's
// lastChoice and writes the way taken into the player's journal.
#pragma once

#include "qrvl/menu/screens/TranslatableScreen.h"
#include "qrvl/original/framework/QuorvelMode.h"

#include "norv/base/Lunar.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/WeakRefCounter.h"

class Player;

namespace Branch {
enum BranchType { StartPath = 0, ChangeCareer = 1, FamilyPath = 2, RiskyPath = 3, RetirementHome = 4 };
}

class ModeBranch : public QuorvelMode, public Norv::WeakRefCounter {
public:
    static char const className[];
    static Norv::Lunar<ModeBranch>::RegType methods[];

    // The texts and pictures of one kind of fork, with what each way
    // brings when the board asks (null: none).
    struct Look {
        char const* leftHeader;
        char const* rightHeader;
        char const* leftImage;
        char const* rightImage;
        char const* leftDetails;
        char const* rightDetails;
    };
    // The look of a fork type; a type outside 0-4 has none.
    static Look const* LookOf(int type);
    // The answer for a pressed id: the id itself, inverted for the risky path.
    static int AnswerFor(int type, int id);
    // The journal event of the way taken, or null when it adds none.
    static char const* JournalEventFor(int type, int answer);
    static bool branchHasStop(int type) { return type != Branch::RetirementHome; }

    void tick() override;
    void drawSelf(Norv::Surface* surface) override;
    void activate() override;
    void deactivate() override;
    void keyPressed(int key) override;
    void buttonSelected(CGuiFrameTouchButton* button) override;
    void pause() override {}
    void resume() override { drawCovered = true; }
    void onTouchUp(int x, int y, int id) override;
    void onTouchDown(int x, int y, int id) override;

    // The details are text ids, null for none. A type outside 0-4 is
    // answered with the first way at the first tick.
    virtual void init(Branch::BranchType type, Player* player, char const* leftText, char const* rightText);
    using QuorvelMode::init;

    qrvl::TranslatableScreen* GetScreen() const { return screen.Get(); }

    // Script method: callback:PathChosen(n).
    int l_PathChosen(lua_State* L);

private:
    void ShowLook();
    void Press(int id);

    bool drawCovered = false;
    int type = 0;
    char const* leftText = nullptr;
    char const* rightText = nullptr;
    Player* player = nullptr;
    Norv::SmartPtr<qrvl::TranslatableScreen> screen;
};
