// The owner of a message-style scripted screen: it makes the screen, runs
// the script with itself as "callback", hands the script's messages to its
// client, forwards input and calls the script's screen methods.
#pragma once

#include "qrvl/menu/screens/LuaArguments.h"
#include "qrvl/menu/screens/LuaClient.h"
#include "qrvl/menu/screens/TranslatableScreen.h"

#include "norv/base/Lunar.h"
#include "norv/base/core/SmartPtr.h"
#include "norv/base/core/WeakRefCounter.h"

namespace Lua {

class Script : public Norv::RefCounter, public Norv::WeakRefCounter {
public:
    static char const className[];
    static Norv::Lunar<Script>::RegType methods[];

    // What a script's own Script() makes: no screen and no client.
    Script() = default;
    Script(Norv::NarrowString const& fileName, Client* client);

    void Update(Norv::NorvFloat const& seconds);
    void Render(Norv::Surface* surface);
    void OnKeyDown(Norv::KeyCode key);
    void OnKeyUp(Norv::KeyCode key);
    void OnTouchDown(int x, int y, int id);
    void OnTouchUp(int x, int y, int id);
    void OnTouchMove(int x, int y, int id);

    // Calls the script's method `name` of its screen object; a missing
    // method or a failing one is logged and otherwise ignored.
    void CallFunction(char const* name, Arguments const& args);

    qrvl::TranslatableScreen* GetScreen() const { return screen.Get(); }

    // Script method: callback:Send(message).
    int l_Send(lua_State* L);

private:
    // Pushes the screen object and the arguments of one call, then calls.
    class LuaCall : public Norv::RefCounter {
    public:
        explicit LuaCall(Guif::Screen* screen) : screen(screen) {}
        void Call(char const* name, Arguments const& args);

    private:
        void PushScreen(lua_State* L);
        void PushArgument(lua_State* L, Arguments::Argument const& argument);

        Guif::Screen* screen;
        bool screenPushed = false;
        int pushedCount = 0;
    };

    void InitLua(Norv::NarrowString const& fileName);

    Norv::SmartPtr<qrvl::TranslatableScreen> screen;
    Client* client = nullptr;
    Norv::NarrowString name;
    Norv::SmartPtr<LuaCall> call;
};

} // namespace Lua
