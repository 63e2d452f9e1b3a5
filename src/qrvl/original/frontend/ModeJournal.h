// A player's journal as a book: the intro page with the portrait and the
// date, one page per milestone and the closing page. Pages turn by
// themselves every 5 seconds or with Previous and Next; a turn folds the
// page away over the next one from a snapshot of the screen.
#pragma once

#include "norv/base/Lunar.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/WeakRefCounter.h"
#include "norv/graphics/Surface.h"
#include "qrvl/menu/screens/TranslatableScreen.h"
#include "qrvl/original/framework/QuorvelMode.h"

#include <vector>

class CJournal;
class Particles;

class ModeJournal : public QuorvelMode, public Norv::WeakRefCounter {
public:
    enum Direction { Next = 1, Previous = 2 };
    enum Button { Back = -1 };
    // How long a page stays before turning by itself, and how long a turn takes.
    static constexpr int kAutoTurnMs = 5000;
    static constexpr int kTurnMs = 1000;
    // How the turning page is drawn: the page with its shadow, or the sheen over it.
    enum DrawingMode { PageWithShadow = 0, Sheen = 1 };

    static char const className[];
    static Norv::Lunar<ModeJournal>::RegType methods[];

    ModeJournal();
    ~ModeJournal() override;

    // A null journal leaves the viewer as soon as it is shown.
    virtual void init(CJournal const* journal);
    using QuorvelMode::init;

    void tick() override;
    void drawSelf(Norv::Surface* target) override;
    void activate() override;
    void deactivate() override;
    void keyPressed(int key) override;
    void buttonSelected(CGuiFrameTouchButton* button) override;
    void onTouchDown(int x, int y, int id) override;
    void onTouchUp(int x, int y, int id) override;

    void DisplayCurrentPage(bool playSound);
    void RenderToTexture();
    // The render surface lives as long as the mode.
    void CreateRenderSurface() {}
    void DestroyRenderSurface() {}

    int GetPage() const { return page; }
    bool IsTurning() const { return turning; }
    int GetAutoTimer() const { return autoTimer; }
    qrvl::TranslatableScreen* GetScreen() const { return journalScreen.Get(); }
    qrvl::TranslatableScreen* GetBackgroundScreen() const { return backgroundScreen.Get(); }
    std::vector<Norv::SmartPtr<Particles>> const& GetParticles() const { return particles; }

    // Script methods of "callback".
    int l_BackKeyPressed(lua_State* L);
    int l_PreviousKeyPressed(lua_State* L);
    int l_NextKeyPressed(lua_State* L);

private:
    int LastPage() const;
    void ShowButtons(bool shown);
    void DrawParticles();
    void RenderShadow(Norv::Surface* shadowImage, Norv::Surface* target, float k);
    void RenderTurningSurface(Norv::Surface* source, Norv::Surface* target, float k, float u, float du);

    CJournal const* journal = nullptr;
    int page = 0;
    int direction = Next;
    bool turnRequested = false;
    bool turning = false;
    int autoTimer = kAutoTurnMs;
    int turnTimer = 0;
    int backTime = 0;
    std::vector<Norv::SmartPtr<Particles>> particles;
    Norv::SmartPtr<Norv::Surface> renderSurface;
    Norv::SmartPtr<Norv::Surface> sheen;
    Norv::SmartPtr<Norv::Surface> shadow;
    bool snapshotRequested = false;
    Norv::SmartPtr<qrvl::TranslatableScreen> journalScreen;
    Norv::SmartPtr<qrvl::TranslatableScreen> backgroundScreen;
    int width = 0;
    int height = 0;
};
