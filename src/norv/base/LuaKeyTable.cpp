// The key codes scripts can name, and the Lua text that publishes them.
#include "norv/base/LuaKeyTable.h"

#include "norv/base/KeyCode.h"
#include "norv/base/core/StdOStringStream.h"

#include <lua.hpp>

namespace Norv {

namespace {

struct NamedKey {
    char const* name;
    KeyCode code;
};

#define NORV_KEY(code) {#code, code}

// The codes that exist only for translating keyboard input (semicolon,
// comma, minus and the modifier keys) have no script name.
NamedKey const scriptKeys[] = {
    NORV_KEY(KEY_INVALID), NORV_KEY(KEY_LEFT), NORV_KEY(KEY_RIGHT), NORV_KEY(KEY_UP),
    NORV_KEY(KEY_DOWN), NORV_KEY(KEY_LSOFT), NORV_KEY(KEY_SELECT), NORV_KEY(KEY_RSOFT),
    NORV_KEY(KEY_ESCAPE), NORV_KEY(KEY_BACK), NORV_KEY(KEY_SHIFT), NORV_KEY(KEY_GAMING_A),
    NORV_KEY(KEY_GAMING_B), NORV_KEY(KEY_0), NORV_KEY(KEY_1), NORV_KEY(KEY_2),
    NORV_KEY(KEY_3), NORV_KEY(KEY_4), NORV_KEY(KEY_5), NORV_KEY(KEY_6),
    NORV_KEY(KEY_7), NORV_KEY(KEY_8), NORV_KEY(KEY_9), NORV_KEY(KEY_HASH),
    NORV_KEY(KEY_ASTERISK), NORV_KEY(KEY_VOLUME_UP), NORV_KEY(KEY_VOLUME_DOWN),
    NORV_KEY(KEY_SPACE), NORV_KEY(KEY_AT), NORV_KEY(KEY_APOSTROPHE), NORV_KEY(KEY_TILDE),
    NORV_KEY(KEY_QUOTE), NORV_KEY(KEY_SLASH), NORV_KEY(KEY_PERIOD), NORV_KEY(KEY_EQUALS),
    NORV_KEY(KEY_LEFT_BRACKET), NORV_KEY(KEY_RIGHT_BRACKET),
    NORV_KEY(KEY_A), NORV_KEY(KEY_B), NORV_KEY(KEY_C), NORV_KEY(KEY_D), NORV_KEY(KEY_E),
    NORV_KEY(KEY_F), NORV_KEY(KEY_G), NORV_KEY(KEY_H), NORV_KEY(KEY_I), NORV_KEY(KEY_J),
    NORV_KEY(KEY_K), NORV_KEY(KEY_L), NORV_KEY(KEY_M), NORV_KEY(KEY_N), NORV_KEY(KEY_O),
    NORV_KEY(KEY_P), NORV_KEY(KEY_Q), NORV_KEY(KEY_R), NORV_KEY(KEY_S), NORV_KEY(KEY_T),
    NORV_KEY(KEY_U), NORV_KEY(KEY_V), NORV_KEY(KEY_W), NORV_KEY(KEY_X), NORV_KEY(KEY_Y),
    NORV_KEY(KEY_Z),
    NORV_KEY(KEY_PSP_TRIANGLE), NORV_KEY(KEY_PSP_CIRCLE), NORV_KEY(KEY_PSP_CROSS),
    NORV_KEY(KEY_PSP_SQUARE), NORV_KEY(KEY_PSP_L), NORV_KEY(KEY_PSP_R),
    NORV_KEY(KEY_PSP_START), NORV_KEY(KEY_PSP_SELECT), NORV_KEY(KEY_MENU),
};

#undef NORV_KEY

void CreateEnumTable(StdOStringStream& text, char const* tableName)
{
    text += tableName;
    text += "={";
}

void AddEnum(StdOStringStream& text, char const* name, int value)
{
    text += name;
    text << '=' << value << ',';
}

void RegisterEnumTable(lua_State* state, StdOStringStream& text)
{
    text << '}';
    int top = lua_gettop(state);
    if (luaL_loadbuffer(state, text.data(), text.size(), "enum table") == 0)
        lua_pcall(state, 0, 0, 0);
    lua_settop(state, top);
}

} // namespace

void RegisterEnums(lua_State* state)
{
    StdOStringStream text;
    CreateEnumTable(text, "keys");
    for (NamedKey const& key : scriptKeys)
        AddEnum(text, key.name, key.code);
    RegisterEnumTable(state, text);
}

} // namespace Norv
