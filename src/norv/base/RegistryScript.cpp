// The registry as scripts see it: the class "Registry" with "Set" and "Get".
#include "norv/base/Lua.h"
#include "norv/base/Registry.h"

#include <climits>
#include <cmath>
#include <type_traits>

namespace Norv {

char const Registry::className[] = "Registry";

Lunar<Registry>::RegType Registry::methods[] = {
    {"Set", &Registry::l_Set},
    {"Get", &Registry::l_Get},
    {nullptr, nullptr},
};

namespace {

// A script number as an int key's value: truncated toward zero, with NaN as
// 0 and values beyond the int range held at its ends.
int ClampToInt(double number)
{
    if (std::isnan(number))
        return 0;
    if (number >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (number <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(number);
}

// Stores the script value at stack index 2: a boolean as a bool, a number
// (or numeric string) as the int of an int key or else as a float, other
// text as a string. A string key keeps text as text, numeric or not.
bool SetFromScript(Registry& registry, Lua& lua, NarrowString const& path)
{
    int valueType = lua_type(lua.GetState(), 2);
    RegistryKey* key = registry.GetKey(path, false);
    int keyType = key ? key->GetType() : -1;
    if (valueType == LUA_TBOOLEAN)
        return registry.Set(path, lua.CheckBool(2));
    if (valueType == LUA_TSTRING && keyType == RegistryKey::TypeString)
        return registry.Set(path, lua.CheckString(2));
    if (lua.IsNumber(2)) {
        double number = lua.CheckNumber(2);
        if (keyType == RegistryKey::TypeInt)
            return registry.Set(path, ClampToInt(number));
        return registry.Set(path, static_cast<float>(number));
    }
    if (valueType == LUA_TSTRING)
        return registry.Set(path, lua.CheckString(2));
    return false;
}

// Pushes the key's value as its own type; false when it holds none.
template <class T>
bool PushValue(Registry& registry, Lua& lua, NarrowString const& path)
{
    T value{};
    if (!registry.Get(path, value))
        return false;
    if constexpr (std::is_same_v<T, bool>)
        lua.PushBool(value);
    else if constexpr (std::is_same_v<T, NarrowString>)
        lua_pushlstring(lua.GetState(), value.data(), value.size());
    else
        lua.PushNumber(value);
    return true;
}

bool PushKey(Registry& registry, Lua& lua, NarrowString const& path)
{
    RegistryKey* key = registry.GetKey(path, false);
    switch (key ? key->GetType() : -1) {
    case RegistryKey::TypeBool:
        return PushValue<bool>(registry, lua, path);
    case RegistryKey::TypeInt:
        return PushValue<int>(registry, lua, path);
    case RegistryKey::TypeFloat:
        return PushValue<float>(registry, lua, path);
    case RegistryKey::TypeString:
        return PushValue<NarrowString>(registry, lua, path);
    default:
        return false;
    }
}

} // namespace

int Registry::l_Set(lua_State* L)
{
    Lua lua(L);
    NarrowString path = lua.CheckString(1);
    lua.PushBool(SetFromScript(*this, lua, path));
    return 1;
}

int Registry::l_Get(lua_State* L)
{
    Lua lua(L);
    if (!PushKey(*this, lua, lua.CheckString(1)))
        lua.PushNil();
    return 1;
}

} // namespace Norv
