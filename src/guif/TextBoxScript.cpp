// The script class "TextBox": its methods and their table.
#include "guif/TextBox.h"

#include "guif/ItemValues.h"
#include "norv/base/Lua.h"

#include <algorithm>

namespace Guif {

namespace {

// Sizes from scripts; a negative one means nothing.
unsigned int Size(double value)
{
    return static_cast<unsigned int>(std::max(TruncateToInt(value), 0));
}

} // namespace

int TextBox::l_GetHeight(lua_State* L)
{
    Norv::Lua(L).PushNumber(height);
    return 1;
}

int TextBox::l_GetTextHeight(lua_State* L)
{
    Norv::Lua(L).PushNumber(textHeight);
    return 1;
}

int TextBox::l_SetPosition(lua_State* L)
{
    scrollPosition = TruncateToInt(Norv::Lua(L).CheckNumber(1));
    return 0;
}

int TextBox::l_GetTextPosition(lua_State* L)
{
    Norv::Lua(L).PushNumber(scrollPosition);
    return 1;
}

int TextBox::l_SetText(lua_State* L)
{
    Norv::Lua lua(L);
    double const index = lua.CheckNumber(1);
    Norv::NarrowString const key = lua.CheckString(2);
    SetText(index >= 1 ? Size(index) : 0, key);
    return 0;
}

int TextBox::l_SetWidth(lua_State* L)
{
    SetWidth(Size(Norv::Lua(L).CheckNumber(1)));
    return 0;
}

int TextBox::l_SetHeight(lua_State* L)
{
    SetHeight(Size(Norv::Lua(L).CheckNumber(1)));
    return 0;
}

int TextBox::l_SetSize(lua_State* L)
{
    Norv::Lua lua(L);
    SetSize(Size(lua.CheckNumber(1)), Size(lua.CheckNumber(2)));
    return 0;
}

char const TextBox::className[] = "TextBox";

Norv::Lunar<TextBox>::RegType TextBox::methods[] = {
    GUIF_CONTROL_SCRIPT_METHODS(TextBox),
    {"GetHeight", &TextBox::l_GetHeight},
    {"GetTextHeight", &TextBox::l_GetTextHeight},
    {"SetPosition", &TextBox::l_SetPosition},
    {"SetText", &TextBox::l_SetText},
    {"SetWidth", &TextBox::l_SetWidth},
    {"SetHeight", &TextBox::l_SetHeight},
    {"SetSize", &TextBox::l_SetSize},
    {"SetTextPosition", &TextBox::l_SetPosition},
    {"GetTextPosition", &TextBox::l_GetTextPosition},
    {nullptr, nullptr},
};

} // namespace Guif
