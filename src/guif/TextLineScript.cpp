// The script class "TextLine": its methods and their table.
#include "guif/TextLine.h"

#include "guif/ColorText.h"
#include "guif/ItemValues.h"
#include "norv/base/Lua.h"

namespace Guif {

char const TextLine::className[] = "TextLine";

Norv::Lunar<TextLine>::RegType TextLine::methods[] = {
    GUIF_CONTROL_SCRIPT_METHODS(TextLine),
    GUIF_TEXT_LINE_SCRIPT_METHODS(TextLine),
    {nullptr, nullptr},
};

int TextLine::l_SetText(lua_State* L)
{
    SetText(Norv::Lua(L).CheckString(1), false);
    return 0;
}

int TextLine::l_SetTextRaw(lua_State* L)
{
    SetText(Norv::Lua(L).CheckString(1), true);
    return 0;
}

// Components keep their low eight bits.
int TextLine::l_SetColor(lua_State* L)
{
    Norv::Lua lua(L);
    auto const component = [&lua](int index) {
        return static_cast<std::uint8_t>(static_cast<unsigned>(TruncateToInt(lua.CheckNumber(index))) & 0xFFu);
    };
    Norv::Color const colour(component(1), component(2), component(3), 255);
    if (ColorText* colorText = GetColorText())
        colorText->SetColor(colour);
    return 0;
}

int TextLine::l_GetTextWidth(lua_State* L)
{
    Norv::Lua(L).PushNumber(GetTextWidth());
    return 1;
}

} // namespace Guif
