// The scripted dialogue box behind every yes/no and OK question: filled by
// the HUD manager, it writes the pressed answer (0 yes, 1 no, 3 OK) into
// the engine's lastChoice and pops the question's mode.
#pragma once

#include "norv/base/Lunar.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/WeakRefCounter.h"
#include "qrvl/menu/screens/TranslatableScreen.h"

class CGuiFrameTouchButton;

namespace Guif {
class Control;
class TextBox;
class TextLine;
} // namespace Guif

namespace qrvl {

// Weakly counted so that its script can hold it as "callback".
class CGuifPageYesNo : public Norv::WeakRefCounter {
public:
    enum Answer { Yes = 0, No = 1, OK = 3 };

    static char const className[];
    static Norv::Lunar<CGuifPageYesNo>::RegType methods[];

    CGuifPageYesNo();
    virtual ~CGuifPageYesNo() = default;

    // Texts already looked up; null for the ones not given.
    void setLabelText(char const* title, char const* text, char const* text2, bool okOnly);
    void buttonSelected(CGuiFrameTouchButton* button);

    virtual void keyPressed(int key);
    void drawSelf(Norv::Surface* surface);
    void onTouchUp(int x, int y, int id);
    void onTouchMove(int x, int y, int id);

    TranslatableScreen* GetScreen() const { return screen.Get(); }

    // Script methods of "callback".
    int l_YesKeyPressed(lua_State* L);
    int l_NoKeyPressed(lua_State* L);
    int l_OKKeyPressed(lua_State* L);

    bool visible = false;

private:
    void Press(Answer answer);

    Guif::TextLine* header = nullptr;
    Guif::Control* ribbon = nullptr;
    Guif::TextBox* subtext = nullptr;
    Guif::Control* yesKey = nullptr;
    Guif::Control* noKey = nullptr;
    Guif::Control* okKey = nullptr;
    Norv::SmartPtr<TranslatableScreen> screen;
};

} // namespace qrvl
