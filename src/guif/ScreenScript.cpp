// The script class "Screen" and how controls are handed to scripts.
#include "guif/LocalisedControl.h"
#include "guif/ScrollableTextLine.h"
#include "guif/TextBox.h"
#include "guif/Screen.h"
#include "guif/ItemValues.h"
#include "norv/base/TextDict.h"

namespace Guif {

char const Screen::className[] = "Screen";

Norv::Lunar<Screen>::RegType Screen::methods[] = {
    {"GetControl", &Screen::l_GetControl},
    {"GetText", &Screen::l_GetText},
    {"GetTouchableControl", &Screen::l_GetTouchableControl},
    {nullptr, nullptr},
};

Screen* Screen::OfScript(lua_State* L)
{
    lua_getglobal(L, "screen");
    Screen* screen = Norv::Lunar<Screen>::test(L, -1);
    lua_pop(L, 1);
    return screen && screen->root ? screen : nullptr;
}

void Screen::PushControl(lua_State* L, Control* control)
{
    switch (control ? control->GetType() : Control::TypeControl) {
    case Control::TypeTextBox:
        Norv::Lunar<TextBox>::push(L, static_cast<TextBox*>(control), false);
        break;
    case Control::TypeTextLine:
        Norv::Lunar<TextLine>::push(L, static_cast<TextLine*>(control), false);
        break;
    case Control::TypeLocalised:
        Norv::Lunar<LocalisedControl>::push(L, static_cast<LocalisedControl*>(control), false);
        break;
    case Control::TypeScrollableTextLine:
        Norv::Lunar<ScrollableTextLine>::push(L, static_cast<ScrollableTextLine*>(control), false);
        break;
    default:
        Norv::Lunar<Control>::push(L, control, false);
        break;
    }
}

int Screen::l_GetControl(lua_State* L)
{
    Control* control = FindControl(Norv::Lua(L).CheckString(1));
    if (!control)
        return 0;
    PushControl(L, control);
    return 1;
}

int Screen::l_GetText(lua_State* L)
{
    Norv::Lua lua(L);
    Norv::NarrowString const id = lua.CheckString(1);
    Norv::NarrowString const text = Norv::g_textDict ? Norv::NarrowString(Norv::g_textDict->GetText(id)) : id;
    lua.PushString(text.c_str());
    return 1;
}

// Whatever its type, the control comes as a plain "Control".
int Screen::l_GetTouchableControl(lua_State* L)
{
    Norv::Lua lua(L);
    Control* control = GetTouchableControl(TruncateToInt(lua.CheckNumber(1)), TruncateToInt(lua.CheckNumber(2)));
    if (!control)
        return 0;
    Norv::Lunar<Control>::push(L, control, false);
    return 1;
}

} // namespace Guif
