// The end of the game: the players ranked by what they retired with, the
// last pages of every journal, the people's results offered to the
// high-score table, and, after OK, the journal of the best-placed person;
// when that closes, the game is over and its saved files are emptied.
#pragma once

#include "norv/base/Lunar.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/WeakRefCounter.h"
#include "qrvl/menu/screens/TranslatableScreen.h"
#include "qrvl/original/framework/QuorvelMode.h"

#include <string>

class CJournal;
class Hud;
class Player;

class ModeEndgame : public QuorvelMode, public Norv::WeakRefCounter {
public:
    static constexpr int kMaxPlayers = 6;
    enum Button { OK = -2 };

    static char const className[];
    static Norv::Lunar<ModeEndgame>::RegType methods[];

    ~ModeEndgame() override;

    virtual void init(Player** players, Hud* hud, int numPlayers);
    using QuorvelMode::init;

    void tick() override;
    void drawSelf(Norv::Surface* surface) override;
    void activate() override;
    void deactivate() override;
    void buttonSelected(CGuiFrameTouchButton* button) override;
    void onTouchDown(int x, int y, int id) override;
    void onTouchUp(int x, int y, int id) override;
    void keyPressed(int key) override;

    Player* GetRanked(int rank) const { return ranked[rank]; }
    int GetWorth(int rank) const { return worths[rank]; }
    CJournal* GetJournalToShow() const { return journal; }
    std::string const& GetHeader() const { return header; }
    qrvl::TranslatableScreen* GetScreen() const { return screen.Get(); }

    // Script method of "callback".
    int l_OKKeyPressed(lua_State* L);

private:
    void rank();
    void clearHud();
    void fillRows();

    int numPlayers = 0;
    Player** players = nullptr;
    Hud* hud = nullptr;
    std::string title;
    std::string header;
    Player* ranked[kMaxPlayers] = {};
    int worths[kMaxPlayers] = {};
    CJournal* journal = nullptr;
    bool journalShown = false;
    Norv::SmartPtr<qrvl::TranslatableScreen> screen;
};
