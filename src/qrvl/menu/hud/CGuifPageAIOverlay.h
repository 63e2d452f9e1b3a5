// The keys shown while a computer player takes its turn: skip the turn,
// or play the computers' turns faster.
#pragma once

#include "norv/base/Lunar.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/WeakRefCounter.h"
#include "qrvl/menu/screens/TranslatableScreen.h"

namespace qrvl {

// Weakly counted so that its script can hold it as "callback".
class CGuifPageAIOverlay : public Norv::WeakRefCounter {
public:
    // The skip key's id goes to the engine, which starts skipping; the
    // fast-forward key's goes straight to the mode stack.
    static constexpr int kSkipButton = 198;
    static constexpr int kFastForwardButton = 99;

    static char const className[];
    static Norv::Lunar<CGuifPageAIOverlay>::RegType methods[];

    CGuifPageAIOverlay();
    virtual ~CGuifPageAIOverlay() = default;

    // The fast-forward key offers to stop while the computers run fast.
    void setFFActive(bool on);
    void drawSelf(Norv::Surface* surface);
    void onTouchUp(int x, int y, int id);
    void onTouchMove(int x, int y, int id);

    int l_SkipKeyPressed(lua_State* L);
    int l_ForwardKeyPressed(lua_State* L);

    bool visible = false;

private:
    Norv::SmartPtr<TranslatableScreen> screen;
};

} // namespace qrvl
