// One Lua 5.1 interpreter state with the engine's script globals, script
// loading through the virtual file system and small value helpers.
#pragma once

#include "norv/base/core/NarrowString.h"
#include "norv/base/core/RefCounter.h"
#include "norv/base/core/SmartPtr.h"

#include <lua.hpp>

#include <cstddef>
#include <set>

namespace Norv {

class Lua : public RefCounter {
public:
    // The standard libraries an owner may open; io, os and package are
    // never offered to scripts, nor the base library's dofile, loadfile,
    // load and loadstring.
    enum LuaLibrary {
        LibBase = 1, // with the coroutine functions
        LibTable = 2,
        LibString = 4,
        LibDebug = 8,
        LibMath = 16,
    };

    class LuaHeap;

    // An owning wrapper. A heap size above 0 puts every allocation of the
    // state into a private heap of that many bytes, over `heapBlock` when
    // given, else over a block the heap allocates itself.
    explicit Lua(unsigned int heapSize = 0, void* heapBlock = nullptr);
    // A borrowed wrapper around a state made elsewhere, for native functions
    // that scripts call; it adds nothing to the state and never closes it.
    explicit Lua(lua_State* state);
    ~Lua() override;
    Lua(Lua const&) = delete;
    Lua& operator=(Lua const&) = delete;

    // Null only when a private heap is too small to hold a state.
    lua_State* GetState() const { return state; }
    // The bytes the scripts of every owned state hold now, for the
    // benchmarks' memory breakdown.
    static std::size_t BytesInUse();

    // Opens the library once; a value that names no library opens nothing.
    void RegisterLibrary(LuaLibrary lib);
    void RegisterFunction(char const* name, lua_CFunction fn);
    // Pops the value on the top of the stack into the global `name`.
    void RegisterGlobal(char const* name);
    void RegisterGlobalPointer(char const* name, void* p);
    // Pushes the global and answers its userdata pointer, or null.
    void* GetGlobalPointer(char const* name);

    // Runs the script file `name`, preferring its precompiled twin (the name
    // with "c" appended) from the pak archives, and keeps its results on the
    // stack. On failure the error message is left there, unless the stack is
    // already full. Every call into the scripts is watched (LuaWatchdog).
    void Load(NarrowString const& name);
    // Runs the text, keeping its results on the stack; an error is dropped.
    void Execute(char const* code);
    // Calls the global function with the top `argumentCount` values. Null on
    // success, with the results on the stack; else the error message, which
    // stays on the stack (on a full stack the arguments are dropped instead).
    char const* Call(char const* function, int argumentCount, int resultCount);

    void PushNumber(double value);
    void PushString(char const* value);
    void PushBool(bool value);
    void PushNil();
    void Pop(int n);

    // These two raise a Lua argument error for a value of the wrong kind.
    double CheckNumber(int index);
    NarrowString CheckString(int index);
    // False for nil and false, true for everything else.
    bool CheckBool(int index);
    bool IsNumber(int index);
    bool IsString(int index);
    bool IsBool(int index);

    // Memory the state uses, in kilobytes.
    int GetMemUsage();

private:
    // Whether one more value fits on the stack; logs when it does not.
    bool HasStackRoom(char const* purpose);
    // The error value on the top of the stack as text; a value that is not
    // text is replaced by a fixed message so that failure always has one.
    char const* ErrorMessage();

    // Released after the state is closed, so the state's memory outlives it.
    SmartPtr<LuaHeap> heap;
    lua_State* state = nullptr;
    bool borrowed = false;
    int libraries = 0;

    static std::set<Lua*> s_owned;
};

} // namespace Norv
