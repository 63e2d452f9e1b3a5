// Offers a native class to Lua scripts: a global methods table named after
// the class, objects as userdata with colon-call methods, and construction
// from scripts.
//
// A bound class T derives from WeakRefCounter and provides
//   static char const className[];           the name scripts see
//   static Lunar<T>::RegType methods[];      ended by an entry with a null name
//   a default constructor                    used when a script makes a T
// Each method is `int T::Method(lua_State*)`, sees its arguments from stack
// index 1 (the object itself is removed) and returns how many values it
// pushed.
#pragma once

#include "norv/base/LuaWatchdog.h"
#include "norv/base/core/WeakPtr.h"

#include <lua.hpp>

#include <memory>
#include <new>
#include <type_traits>

namespace Norv {

template <class T>
class Lunar {
public:
    struct RegType {
        char const* name;
        int (T::*mfunc)(lua_State*);
    };

    // Makes the class known to the state; leaves the stack as it was.
    static void Register(lua_State* L)
    {
        // The userdata holds a weak reference, so a script can never reach
        // an object that native code has deleted.
        static_assert(std::is_base_of_v<WeakRefCounter, T>, "a bound class derives from WeakRefCounter");
        lua_newtable(L);
        int methods = lua_gettop(L);
        luaL_newmetatable(L, T::className);
        int metatable = lua_gettop(L);

        lua_pushvalue(L, methods);
        lua_setfield(L, LUA_GLOBALSINDEX, T::className);

        // Scripts asking for the metatable get the methods table instead.
        lua_pushvalue(L, methods);
        lua_setfield(L, metatable, "__metatable");
        lua_pushvalue(L, methods);
        lua_setfield(L, metatable, "__index");
        lua_pushcfunction(L, tostring_T);
        lua_setfield(L, metatable, "__tostring");
        lua_pushcfunction(L, gc_T);
        lua_setfield(L, metatable, "__gc");

        // Both T() and T:new() make an object.
        lua_newtable(L);
        lua_pushcfunction(L, new_T);
        lua_pushvalue(L, -1);
        lua_setfield(L, methods, "new");
        lua_setfield(L, -2, "__call");
        lua_setmetatable(L, methods);

        for (RegType* entry = T::methods; entry->name; ++entry) {
            lua_pushlightuserdata(L, entry);
            lua_pushcclosure(L, thunk, 1);
            lua_setfield(L, methods, entry->name);
        }
        lua_pop(L, 2);
    }

    // Pushes the userdata standing for `obj` (nil for null, answering 0) and
    // answers its stack index. While that userdata lives, pushing the same
    // object yields it again. With gc false the object stays native-owned;
    // with gc true Lua deletes it when the userdata is collected. Raises a Lua
    // error when the class is not registered in the state.
    static int push(lua_State* L, T* obj, bool gc)
    {
        if (!obj) {
            lua_pushnil(L);
            return 0;
        }
        luaL_getmetatable(L, T::className);
        if (lua_isnil(L, -1))
            luaL_error(L, "%s missing metatable", T::className);
        int metatable = lua_gettop(L);
        subtable(L, metatable, "userdata", "v");
        lua_pushlightuserdata(L, obj);
        lua_rawget(L, -2);
        // An entry whose object has died belongs to an earlier object that
        // lived at the same address: it is replaced.
        if (target(L, -1) != obj) {
            lua_pop(L, 1);
            new (lua_newuserdata(L, sizeof(WeakPtr<T>))) WeakPtr<T>(obj);
            lua_pushvalue(L, metatable);
            lua_setmetatable(L, -2);
            lua_pushlightuserdata(L, obj);
            lua_pushvalue(L, -2);
            lua_rawset(L, -4);
            if (!gc) {
                subtable(L, metatable, "do not trash", "k");
                lua_pushvalue(L, -2);
                lua_pushboolean(L, 1);
                lua_rawset(L, -3);
                lua_pop(L, 1);
            }
        }
        lua_replace(L, metatable);
        lua_settop(L, metatable);
        return metatable;
    }

    // Calls the script method `method` of the object whose userdata sits
    // below the top `argumentCount` values. Answers the number of results
    // left where the userdata was, or -1 with one error message there.
    static int call(lua_State* L, char const* method, int argumentCount, int resultCount,
        int errorHandler)
    {
        int base = lua_gettop(L) - argumentCount;
        luaL_checkudata(L, base, T::className);
        lua_getfield(L, base, method);
        if (lua_isnil(L, -1)) {
            lua_settop(L, base - 1);
            lua_pushfstring(L, "%s missing method '%s'", T::className, method);
            return -1;
        }
        lua_insert(L, base);
        LuaWatchdog::Entry running;
        int status = lua_pcall(L, argumentCount + 1, resultCount, errorHandler);
        if (status != 0) {
            char const* message = lua_tostring(L, -1);
            if (!message)
                message = "(error with no message)";
            lua_pushfstring(L, "%s:%s status = %d\n%s", T::className, method, status, message);
            lua_remove(L, base);
            return -1;
        }
        return lua_gettop(L) - base + 1;
    }

    // The object of argument `index`, which must be a live object of the class.
    static T* check(lua_State* L, int index)
    {
        luaL_checkudata(L, index, T::className);
        T* obj = target(L, index);
        if (!obj)
            luaL_error(L, "%s object no longer exists", T::className);
        return obj;
    }

    // The live object of the class at `index`, or null for any other value.
    static T* test(lua_State* L, int index)
    {
        if (!lua_getmetatable(L, index))
            return nullptr;
        luaL_getmetatable(L, T::className);
        bool const ofClass = lua_rawequal(L, -1, -2) != 0;
        lua_pop(L, 2);
        return ofClass ? target(L, index) : nullptr;
    }

private:
    // The object of the userdata at `index`; null for any other value and for
    // an object that has been deleted.
    static T* target(lua_State* L, int index)
    {
        void* memory = lua_touserdata(L, index);
        return memory ? static_cast<WeakPtr<T>*>(memory)->Get() : nullptr;
    }

    static int new_T(lua_State* L)
    {
        lua_remove(L, 1);
        // Held until the userdata owns it, so a failed push frees it.
        std::unique_ptr<T> obj(new T());
        push(L, obj.get(), true);
        obj.release();
        return 1;
    }

    static int thunk(lua_State* L)
    {
        T* obj = check(L, 1);
        lua_remove(L, 1);
        RegType* entry = static_cast<RegType*>(lua_touserdata(L, lua_upvalueindex(1)));
        return (obj->*(entry->mfunc))(L);
    }

    static int gc_T(lua_State* L)
    {
        auto* ref = static_cast<WeakPtr<T>*>(luaL_checkudata(L, 1, T::className));
        T* obj = ref->Get();
        ref->~WeakPtr<T>();
        if (!obj)
            return 0;
        luaL_getmetatable(L, T::className);
        subtable(L, lua_gettop(L), "do not trash", "k");
        lua_pushvalue(L, 1);
        lua_rawget(L, -2);
        if (lua_isnil(L, -1))
            delete obj;
        return 0;
    }

    static int tostring_T(lua_State* L)
    {
        luaL_checkudata(L, 1, T::className);
        lua_pushfstring(L, "%s (%p)", T::className, static_cast<void*>(target(L, 1)));
        return 1;
    }

    // Pushes field `name` of the table at `tableIndex`, first making it a
    // weak table of the given mode when it is missing.
    static void subtable(lua_State* L, int tableIndex, char const* name, char const* mode)
    {
        lua_getfield(L, tableIndex, name);
        if (lua_isnil(L, -1)) {
            lua_pop(L, 1);
            weaktable(L, mode);
            lua_pushvalue(L, -1);
            lua_setfield(L, tableIndex, name);
        }
    }

    // Pushes a new table that is its own metatable with the given weak mode.
    static void weaktable(lua_State* L, char const* mode)
    {
        lua_newtable(L);
        lua_pushvalue(L, -1);
        lua_setmetatable(L, -2);
        lua_pushstring(L, mode);
        lua_setfield(L, -2, "__mode");
    }
};

} // namespace Norv
