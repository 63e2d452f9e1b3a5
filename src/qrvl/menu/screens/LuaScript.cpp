// The message-style owner of a scripted screen.
#include "qrvl/menu/screens/LuaScript.h"

#include "qrvl/menu/screens/LuaHelper.h"

#include <cstdio>

namespace Lua {

char const Script::className[] = "Script";

Norv::Lunar<Script>::RegType Script::methods[] = {
    {"Send", &Script::l_Send},
    {nullptr, nullptr},
};

Script::Script(Norv::NarrowString const& fileName, Client* client)
    : screen(new qrvl::TranslatableScreen(0, nullptr)), client(client)
{
    InitLua(fileName);
    call = new LuaCall(screen.Get());
}

void Script::InitLua(Norv::NarrowString const& fileName)
{
    qrvl::LuaHelper::runScreenScript(screen->GetLua(), fileName, [this](Norv::Lua* lua) {
        Norv::Lunar<Script>::Register(lua->GetState());
        Norv::Lunar<Script>::push(lua->GetState(), this, false);
        lua->RegisterGlobal("callback");
        if (client)
            client->OnLuaInit(this);
    });
}

int Script::l_Send(lua_State* L)
{
    Norv::NarrowString const message = luaL_checkstring(L, 1);
    if (client)
        client->OnLuaCallback(name, message);
    return 0;
}

void Script::Update(Norv::NorvFloat const& seconds)
{
    if (screen)
        screen->Update(seconds);
}

void Script::Render(Norv::Surface* surface)
{
    if (screen)
        screen->Render(surface, 0.0f, 0.0f);
}

void Script::OnKeyDown(Norv::KeyCode key)
{
    if (screen)
        screen->OnKeyDown(key);
}

void Script::OnKeyUp(Norv::KeyCode key)
{
    if (screen)
        screen->OnKeyUp(key);
}

void Script::OnTouchDown(int x, int y, int id)
{
    if (screen)
        screen->OnTouchDown(x, y, id);
}

void Script::OnTouchUp(int x, int y, int id)
{
    if (screen)
        screen->OnTouchUp(x, y, id);
}

void Script::OnTouchMove(int x, int y, int id)
{
    if (screen)
        screen->OnTouchMove(x, y, id);
}

void Script::CallFunction(char const* functionName, Arguments const& args)
{
    if (call)
        call->Call(functionName, args);
}

void Script::LuaCall::PushScreen(lua_State* L)
{
    if (screenPushed)
        return;
    Norv::Lunar<Guif::Screen>::push(L, screen, false);
    screenPushed = true;
}

void Script::LuaCall::PushArgument(lua_State* L, Arguments::Argument const& argument)
{
    switch (argument.type) {
    case Arguments::Bool:
        lua_pushboolean(L, *argument.value.Cast<bool>() ? 1 : 0);
        break;
    case Arguments::Int:
        lua_pushnumber(L, *argument.value.Cast<int>());
        break;
    case Arguments::String:
        lua_pushstring(L, argument.value.Cast<Norv::NarrowString>()->c_str());
        break;
    }
    ++pushedCount;
}

void Script::LuaCall::Call(char const* functionName, Arguments const& args)
{
    Norv::Lua* lua = screen ? screen->GetLua() : nullptr;
    lua_State* L = lua ? lua->GetState() : nullptr;
    if (!L)
        return;
    int const top = lua_gettop(L);
    // The object, each argument and a little room for the call itself.
    if (!lua_checkstack(L, static_cast<int>(args.GetArguments().size()) + LUA_MINSTACK))
        return;
    PushScreen(L);
    for (Arguments::Argument const& argument : args.GetArguments())
        PushArgument(L, argument);
    int const count = pushedCount;
    screenPushed = false;
    pushedCount = 0;
    if (Norv::Lunar<Guif::Screen>::call(L, functionName, count, 0, 0) < 0)
        std::fprintf(stderr, "Lua::Script: %s\n", lua_tostring(L, -1));
    lua_settop(L, top);
}

} // namespace Lua
