// The base of the card and path choice screens: a timeout after which the
// screen closes by itself, and a pop that waits for the HUD's slides to end
// so a screen sliding out is never cut off. Subclasses own a scripted
// screen whose script calls their methods through "callback".
#pragma once

#include "qrvl/menu/screens/TranslatableScreen.h"
#include "qrvl/original/framework/FGString.h"
#include "qrvl/original/framework/FGTimer.h"
#include "qrvl/original/framework/QuorvelMode.h"

#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/WeakRefCounter.h"

class ModeChoose : public QuorvelMode, public Norv::WeakRefCounter {
public:
    static constexpr int kNoTimeout = -1;

    void tick() override;
    void resume() override { resumed = true; }
    void pause() override {}
    // The screen, when a subclass has made one, draws and takes the input.
    void drawSelf(Norv::Surface* surface) override;
    void onTouchUp(int x, int y, int id) override;
    void onTouchDown(int x, int y, int id) override;
    void onTouchMove(int x, int y, int id) override;
    void keyPressed(int key) override;
    void keyReleased(int) override {}

    virtual void init(int timeoutMs);
    using QuorvelMode::init;
    virtual void drawTitleBar(bool on) { titleBar = on; }
    virtual void dontLoop() { noLoop = true; }
    virtual void drawBackground(bool on) { background = on; }
    virtual void setTitle(FGString const& text) { title = text; }

    // Pops at the first tick in which no HUD slide runs.
    void PopWhenReady() { popRequested = true; }

    int GetChoice() const { return choice; }
    int GetItemCount() const { return itemCount; }
    FGString const& GetTitle() const { return title; }
    bool HasTitleBar() const { return titleBar; }
    bool IsNoLoop() const { return noLoop; }
    bool DrawsBackground() const { return background; }
    qrvl::TranslatableScreen* GetScreen() const { return screen.Get(); }

protected:
    // Every scripted subclass calls this in its destructor: the script's
    // last hold of "callback" must go while the object is still whole.
    void CloseScreen() { screen.Release(); }
    // Advances the screen by the last frame's time.
    void UpdateScreen();
    // Hands an id to buttonSelected as a pressed button would.
    void Press(int id);

    int itemCount = 0;
    int choice = 0;
    FGString title;
    Norv::SmartPtr<qrvl::TranslatableScreen> screen;

private:
    int timeout = kNoTimeout;
    FGTimer timeoutTimer;
    bool titleBar = false;
    bool noLoop = false;
    bool background = true;
    bool popRequested = false;
    bool resumed = false;
};
