// The script class "Control": the methods every control class offers.
#include "guif/Control.h"

#include "guif/Image.h"
#include "guif/ItemValues.h"
#include "guif/Screen.h"
#include "guif/Sprite.h"
#include "guif/TransformedSprite.h"

namespace Guif {

char const Control::className[] = "Control";

Norv::Lunar<Control>::RegType Control::methods[] = {
    GUIF_CONTROL_SCRIPT_METHODS(Control),
    {nullptr, nullptr},
};

namespace {

// Methods that hang controls into a tree need the control to have a place
// in one; a control a script made itself has none.
Node<Control>* RequireNode(lua_State* L, Control* control)
{
    if (!control->GetNode())
        luaL_error(L, "the control is not part of a screen's tree");
    return control->GetNode();
}

} // namespace

int Control::l_GetName(lua_State* L)
{
    Norv::Lua(L).PushString(node ? node->GetName().c_str() : "");
    return 1;
}

int Control::l_GetVisibility(lua_State* L)
{
    Norv::Lua(L).PushBool(IsVisible());
    return 1;
}

int Control::l_SetVisibility(lua_State* L)
{
    bool const value = Norv::Lua(L).CheckBool(1);
    if (hasVisibility)
        visible = value;
    return 0;
}

int Control::l_SetVisibilityExists(lua_State* L)
{
    hasVisibility = Norv::Lua(L).CheckBool(1);
    return 0;
}

int Control::l_GetX(lua_State* L)
{
    Norv::Lua(L).PushNumber(x);
    return 1;
}

int Control::l_GetAbsX(lua_State* L)
{
    Norv::Lua(L).PushNumber(CalculateX());
    return 1;
}

int Control::l_SetX(lua_State* L)
{
    x = static_cast<float>(Norv::Lua(L).CheckNumber(1));
    return 0;
}

int Control::l_GetY(lua_State* L)
{
    Norv::Lua(L).PushNumber(y);
    return 1;
}

int Control::l_GetAbsY(lua_State* L)
{
    Norv::Lua(L).PushNumber(CalculateY());
    return 1;
}

int Control::l_SetY(lua_State* L)
{
    y = static_cast<float>(Norv::Lua(L).CheckNumber(1));
    return 0;
}

int Control::l_GetAlpha(lua_State* L)
{
    Norv::Lua(L).PushNumber(GetAlpha());
    return 1;
}

int Control::l_SetAlpha(lua_State* L)
{
    int const value = TruncateToInt(Norv::Lua(L).CheckNumber(1));
    if (hasAlpha)
        alpha = value;
    return 0;
}

int Control::l_ShiftPos(lua_State* L)
{
    Norv::Lua lua(L);
    x += static_cast<float>(TruncateToInt(lua.CheckNumber(1)));
    y += static_cast<float>(TruncateToInt(lua.CheckNumber(2)));
    return 0;
}

int Control::l_GetSize(lua_State* L)
{
    Norv::RectT<int> const box = GetBoundingBox();
    Norv::Lua lua(L);
    lua.PushNumber(box.width);
    lua.PushNumber(box.height);
    return 2;
}

int Control::l_GetWidth(lua_State* L)
{
    Norv::Lua(L).PushNumber(GetBoundingBox().width);
    return 1;
}

int Control::l_GetHeight(lua_State* L)
{
    Norv::Lua(L).PushNumber(GetBoundingBox().height);
    return 1;
}

int Control::l_SetRepresentation(lua_State* L)
{
    SetRepresentationName(Norv::Lua(L).CheckString(1));
    return 0;
}

int Control::l_GetRepresentation(lua_State* L)
{
    Norv::Lua(L).PushString(currentName.c_str());
    return 1;
}

int Control::l_SetTouchable(lua_State* L)
{
    bool const value = Norv::Lua(L).CheckBool(1);
    if (hasTouchable)
        touchable = value;
    return 0;
}

int Control::l_GetTouchable(lua_State* L)
{
    Norv::Lua(L).PushBool(touchable && hasTouchable);
    return 1;
}

int Control::l_GetControl(lua_State* L)
{
    Norv::NarrowString const name = Norv::Lua(L).CheckString(1);
    for (Node<Graphic>::iterator walk(current.Get()); walk; ++walk) {
        if (walk->GetName() != name)
            continue;
        Graphic* item = walk->GetItem();
        switch (item->GetType()) {
        case Graphic::TypeImage:
            Norv::Lunar<Image>::push(L, static_cast<Image*>(item), false);
            return 1;
        case Graphic::TypeSprite:
            Norv::Lunar<Sprite>::push(L, static_cast<Sprite*>(item), false);
            return 1;
        case Graphic::TypeTransformedSprite:
            Norv::Lunar<TransformedSprite>::push(L, static_cast<TransformedSprite*>(item), false);
            return 1;
        default:
            lua_pushnil(L);
            return 1;
        }
    }
    lua_pushnil(L);
    return 1;
}

int Control::l_SetRelative(lua_State* L)
{
    relative = Norv::Lua(L).CheckBool(1);
    return 0;
}

int Control::l_InsertFromXml(lua_State* L)
{
    Norv::NarrowString const file = Norv::Lua(L).CheckString(1);
    RequireNode(L, this);
    InsertFromXml(file, Screen::OfScript(L));
    return 0;
}

int Control::l_InsertControl(lua_State* L)
{
    Node<Control>* parent = RequireNode(L, this);
    int const nameType = lua_type(L, 1);
    Norv::NarrowString const name =
        nameType == LUA_TSTRING || nameType == LUA_TNUMBER ? Norv::NarrowString(lua_tostring(L, 1)) : "";
    auto* control = new Control();
    parent->AppendChild(new Node<Control>(name, control));
    if (Screen* screen = Screen::OfScript(L))
        screen->ControlAdded(control);
    Norv::Lunar<Control>::push(L, control, false);
    return 1;
}

// A control still hanging elsewhere is moved; one that would hang below
// itself is refused, since the tree would become a loop, and so is a
// parentless control that its screen does not hold as detached (a root).
int Control::l_Attach(lua_State* L)
{
    Control* other = Norv::Lunar<Control>::check(L, 1);
    Node<Control>* parent = RequireNode(L, this);
    Node<Control>* child = RequireNode(L, other);
    if (child->Contains(parent))
        return luaL_error(L, "a control cannot be attached below itself");
    if (child->GetParent()) {
        child->GetParent()->RemoveChild(child);
    } else {
        Screen* screen = Screen::OfScript(L);
        if (!screen || !screen->ReleaseDetached(child))
            return luaL_error(L, "only a detached control can be attached");
    }
    parent->AppendChild(child);
    return 0;
}

// The screen holds the detached control until it is attached again, so
// that it is not lost when the screen ends.
int Control::l_Detach(lua_State* L)
{
    Screen* screen = Screen::OfScript(L);
    if (!node || !node->GetParent() || !screen)
        return 0;
    node->GetParent()->RemoveChild(node);
    screen->KeepDetached(node);
    return 0;
}

int Control::l_AddRepresentation(lua_State* L)
{
    Norv::Lua lua(L);
    AddRepresentation(lua.CheckString(1), lua.CheckString(2));
    return 0;
}

} // namespace Guif
