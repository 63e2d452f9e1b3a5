// The engine's Lua state: creation, script globals, loading and helpers.
#include "norv/base/Lua.h"

#include "norv/base/LuaHeap.h"
#include "norv/base/LuaKeyTable.h"
#include "norv/base/LuaWatchdog.h"
#include "norv/vfs/Vfs.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace Norv {

namespace {

// Scripts may print diagnostics through it; the game shows none.
int NorvMsg(lua_State*)
{
    return 0;
}

struct LibraryEntry {
    Lua::LuaLibrary bit;
    lua_CFunction open;
    char const* name;
};

LibraryEntry const libraryEntries[] = {
    {Lua::LibBase, luaopen_base, ""},
    {Lua::LibTable, luaopen_table, LUA_TABLIBNAME},
    {Lua::LibString, luaopen_string, LUA_STRLIBNAME},
    {Lua::LibDebug, luaopen_debug, LUA_DBLIBNAME},
    {Lua::LibMath, luaopen_math, LUA_MATHLIBNAME},
};

// An error outside any protected call ends the process; say why first.
int Panic(lua_State* state)
{
    char const* message = lua_isstring(state, -1) ? lua_tostring(state, -1) : "(not text)";
    std::fprintf(stderr, "Lua: unprotected error: %s\n", message);
    return 0;
}

// The engine's `require`: runs the named script file every time it is
// called; the file's own errors stay with it.
int Require(lua_State* state)
{
    NarrowString name = luaL_checkstring(state, 1);
    Lua(state).Load(name);
    return 0;
}

// Pushes the chunk of the script file, read from its precompiled twin when
// there is one, or an error message; answers Lua's status. The chunk is
// named after the script either way. Lua runs precompiled code without
// checking it, so it is taken only from the game's own archives.
int LoadChunk(lua_State* state, NarrowString const& name)
{
    SmartPtr<File> file(OpenArchivedFile((name + "c").c_str()));
    bool const precompiled = static_cast<bool>(file);
    if (!file)
        file = OpenFile(name.c_str());
    if (!file) {
        lua_pushfstring(state, "cannot open %s", name.c_str());
        return LUA_ERRFILE;
    }
    int length = std::max(file->GetLength(), 0);
    std::vector<char> text(length);
    if (length > 0 && file->Read(text.data(), length) != length) {
        lua_pushfstring(state, "cannot read %s", name.c_str());
        return LUA_ERRFILE;
    }
    if (!precompiled && length > 0 && text[0] == LUA_SIGNATURE[0]) {
        lua_pushfstring(state, "%s is precompiled, and only the game's archives hold precompiled scripts",
                        name.c_str());
        return LUA_ERRSYNTAX;
    }
    return luaL_loadbuffer(state, text.data(), text.size(), name.c_str());
}

// The base library's ways to compile text or read host files: scripts get
// their code through the engine's require, from the game's own files only.
char const* const unsafeBaseFunctions[] = {"dofile", "loadfile", "load", "loadstring"};

// What every state made by the engine gives its scripts.
int SetUpGlobals(lua_State* state)
{
    RegisterEnums(state);
    lua_register(state, "require", Require);
    lua_register(state, "NorvMsg", NorvMsg);
    return 0;
}

// Owners that never pop the messages of failed loads or calls fill the stack
// up to Lua's limit; from there on nothing more is pushed.
char const* const noStackRoomMessage = "no room left on the Lua stack";

} // namespace

std::set<Lua*> Lua::s_owned;

Lua::Lua(unsigned int heapSize, void* heapBlock)
{
    s_owned.insert(this);
    if (heapSize > 0)
        heap = new LuaHeap(heapSize, heapBlock, &state);
    else
        state = luaL_newstate();
    if (!state) {
        std::fprintf(stderr, "Lua: cannot create a state\n");
        return;
    }
    lua_atpanic(state, Panic);
    LuaWatchdog::Watch(state);
    // Protected, so that running out of memory here cannot end the process.
    if (lua_cpcall(state, SetUpGlobals, nullptr) != 0) {
        std::fprintf(stderr, "Lua: cannot set up the script globals: %s\n", ErrorMessage());
        lua_pop(state, 1);
    }
}

Lua::Lua(lua_State* state) : state(state), borrowed(true) {}

Lua::~Lua()
{
    s_owned.erase(this);
    if (state && !borrowed)
        lua_close(state);
}

std::size_t Lua::BytesInUse()
{
    std::size_t bytes = 0;
    for (Lua const* lua : s_owned)
        if (lua->state)
            bytes += static_cast<std::size_t>(lua_gc(lua->state, LUA_GCCOUNT, 0)) * 1024u
                     + static_cast<std::size_t>(lua_gc(lua->state, LUA_GCCOUNTB, 0));
    return bytes;
}

void Lua::RegisterLibrary(LuaLibrary lib)
{
    if (libraries & lib)
        return;
    for (LibraryEntry const& entry : libraryEntries) {
        if (entry.bit != lib)
            continue;
        libraries |= lib;
        lua_pushcfunction(state, entry.open);
        lua_pushstring(state, entry.name);
        if (lua_pcall(state, 1, 0, 0) != 0) {
            std::fprintf(stderr, "Lua: cannot open a library: %s\n", ErrorMessage());
            lua_pop(state, 1);
        }
    }
    if (lib == LibBase)
        for (char const* name : unsafeBaseFunctions) {
            lua_pushnil(state);
            lua_setglobal(state, name);
        }
}

void Lua::RegisterFunction(char const* name, lua_CFunction fn)
{
    lua_register(state, name, fn);
}

void Lua::RegisterGlobal(char const* name)
{
    lua_setglobal(state, name);
}

void Lua::RegisterGlobalPointer(char const* name, void* p)
{
    lua_pushlightuserdata(state, p);
    lua_setglobal(state, name);
}

void* Lua::GetGlobalPointer(char const* name)
{
    lua_getglobal(state, name);
    return lua_touserdata(state, -1);
}

void Lua::Load(NarrowString const& name)
{
    if (!HasStackRoom(name.c_str()))
        return;
    LuaWatchdog::Entry running;
    if (LoadChunk(state, name) == 0 && lua_pcall(state, 0, LUA_MULTRET, 0) == 0)
        return;
    std::fprintf(stderr, "Fatal error reading file %s\n%s\n", name.c_str(), ErrorMessage());
}

void Lua::Execute(char const* code)
{
    LuaWatchdog::Entry running;
    if (luaL_loadstring(state, code) != 0 || lua_pcall(state, 0, LUA_MULTRET, 0) != 0)
        lua_pop(state, 1);
}

char const* Lua::Call(char const* function, int argumentCount, int resultCount)
{
    if (!HasStackRoom(function)) {
        lua_pop(state, argumentCount);
        return noStackRoomMessage;
    }
    lua_getglobal(state, function);
    lua_insert(state, -(argumentCount + 1));
    LuaWatchdog::Entry running;
    if (lua_pcall(state, argumentCount, resultCount, 0) != 0)
        return ErrorMessage();
    return nullptr;
}

bool Lua::HasStackRoom(char const* purpose)
{
    if (lua_checkstack(state, 1))
        return true;
    std::fprintf(stderr, "Lua: %s for %s\n", noStackRoomMessage, purpose);
    return false;
}

char const* Lua::ErrorMessage()
{
    if (!lua_isstring(state, -1)) {
        lua_pop(state, 1);
        lua_pushliteral(state, "(error object is not a string)");
    }
    return lua_tostring(state, -1);
}

void Lua::PushNumber(double value)
{
    lua_pushnumber(state, value);
}

void Lua::PushString(char const* value)
{
    lua_pushstring(state, value);
}

void Lua::PushBool(bool value)
{
    lua_pushboolean(state, value);
}

void Lua::PushNil()
{
    lua_pushnil(state);
}

void Lua::Pop(int n)
{
    lua_pop(state, n);
}

double Lua::CheckNumber(int index)
{
    return luaL_checknumber(state, index);
}

NarrowString Lua::CheckString(int index)
{
    size_t length = 0;
    char const* text = luaL_checklstring(state, index, &length);
    return NarrowString(text, length);
}

bool Lua::CheckBool(int index)
{
    return lua_toboolean(state, index) != 0;
}

bool Lua::IsNumber(int index)
{
    return lua_isnumber(state, index) != 0;
}

bool Lua::IsString(int index)
{
    return lua_isstring(state, index) != 0;
}

bool Lua::IsBool(int index)
{
    return lua_isboolean(state, index);
}

int Lua::GetMemUsage()
{
    return lua_gc(state, LUA_GCCOUNT, 0);
}

} // namespace Norv
