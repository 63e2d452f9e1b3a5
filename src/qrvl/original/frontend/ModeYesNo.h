// The modal question or message: the HUD's yes/no page over the frozen
// picture of the mode below. The page writes the answer (0 yes, 1 no,
// 3 OK) into the engine's lastChoice and pops this mode.
#pragma once

#include "qrvl/original/framework/QuorvelMode.h"

class Hud;

class ModeYesNo : public QuorvelMode {
public:
    // What the mode below reads when the dialog goes without an answer.
    static constexpr int kNoAnswer = 1;

    void tick() override;
    void drawSelf(Norv::Surface* surface) override;
    void onTouchUp(int x, int y, int id) override;
    void onTouchMove(int x, int y, int id) override;
    void keyPressed(int key) override;
    void activate() override;
    void deactivate() override;

    // The texts are already looked up; null for the ones not shown.
    virtual void init(char const* title, char const* text, char const* text2, Hud* hud, bool hudFlag,
                      bool okOnly);
    using QuorvelMode::init;

private:
    Hud* hud = nullptr;
    bool wasSkipping = false;
};
