// The script class "TransformedSprite": its methods and their table.
#include "guif/TransformedSprite.h"

#include "guif/ItemValues.h"
#include "norv/base/Lua.h"
#include "norv/graphics/GraphicsAssets.h"

namespace Guif {

char const TransformedSprite::className[] = "TransformedSprite";

Norv::Lunar<TransformedSprite>::RegType TransformedSprite::methods[] = {
    {"SetAngle", &TransformedSprite::l_SetAngle},   {"GetAngle", &TransformedSprite::l_GetAngle},
    {"SetScale", &TransformedSprite::l_SetScale},   {"GetScale", &TransformedSprite::l_GetScale},
    {"SetPivot", &TransformedSprite::l_SetPivot},   {"GetPivot", &TransformedSprite::l_GetPivot},
    {"SetWidth", &TransformedSprite::l_SetWidth},   {"GetWidth", &TransformedSprite::l_GetWidth},
    {"SetHeight", &TransformedSprite::l_SetHeight}, {"GetHeight", &TransformedSprite::l_GetHeight},
    {"SetImage", &TransformedSprite::l_SetImage},   {nullptr, nullptr},
};

int TransformedSprite::l_SetAngle(lua_State* L)
{
    angle = static_cast<Norv::NorvFloat>(Norv::Lua(L).CheckNumber(1));
    return 0;
}

int TransformedSprite::l_GetAngle(lua_State* L)
{
    Norv::Lua(L).PushNumber(angle);
    return 1;
}

int TransformedSprite::l_SetScale(lua_State* L)
{
    scale = static_cast<Norv::NorvFloat>(Norv::Lua(L).CheckNumber(1));
    return 0;
}

int TransformedSprite::l_GetScale(lua_State* L)
{
    Norv::Lua(L).PushNumber(scale);
    return 1;
}

int TransformedSprite::l_SetPivot(lua_State* L)
{
    Norv::Lua lua(L);
    pivot = Norv::Point2<Norv::NorvFloat>(static_cast<Norv::NorvFloat>(lua.CheckNumber(1)),
                                          static_cast<Norv::NorvFloat>(lua.CheckNumber(2)));
    CalculateRenderPivot();
    return 0;
}

int TransformedSprite::l_GetPivot(lua_State* L)
{
    Norv::Lua lua(L);
    lua.PushNumber(pivot.x);
    lua.PushNumber(pivot.y);
    return 2;
}

int TransformedSprite::l_SetWidth(lua_State* L)
{
    SetWidth(static_cast<float>(Norv::Lua(L).CheckNumber(1)));
    return 0;
}

int TransformedSprite::l_GetWidth(lua_State* L)
{
    Norv::Lua(L).PushNumber(GetWidth());
    return 1;
}

int TransformedSprite::l_SetHeight(lua_State* L)
{
    SetHeight(static_cast<float>(Norv::Lua(L).CheckNumber(1)));
    return 0;
}

int TransformedSprite::l_GetHeight(lua_State* L)
{
    Norv::Lua(L).PushNumber(GetHeight());
    return 1;
}

int TransformedSprite::l_SetImage(lua_State* L)
{
    SetImage(Norv::Lua(L).CheckString(1));
    return 0;
}

} // namespace Guif
