// Number and colour reading shared by controls and graphic items.
#include "guif/ItemValues.h"

#include "guif/Screen.h"
#include "norv/base/Lua.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>

namespace Guif {

namespace {

// Runs "return (text)" in the screen's script; false when it fails or gives
// no number. The script's stack is left as it was.
bool Evaluate(Norv::Lua& lua, char const* text, double& result)
{
    lua_State* L = lua.GetState();
    int const top = lua_gettop(L);
    Norv::NarrowString const chunk = Norv::NarrowString("return (") + text + ")";
    lua.Execute(chunk.c_str());
    bool const ok = lua_gettop(L) > top && lua_isnumber(L, top + 1);
    if (ok)
        result = lua_tonumber(L, top + 1);
    lua_settop(L, top);
    if (!ok)
        std::fprintf(stderr, "Guif: '%s' gives no number\n", text);
    return ok;
}

bool EvaluateWithScreen(Norv::XmlIt const& element, Screen* screen, double& result)
{
    char const* text = element.GetContent();
    return text && Evaluate(*screen->GetLua(), text, result);
}

bool HasScript(Screen* screen)
{
    return screen && screen->GetLua() && screen->GetLua()->GetState();
}

// Plain parsing without a script, else the script's number converted.
template <class T, class Conversion>
bool ReadNumberAs(Norv::XmlIt const& element, Screen* screen, T& value, Conversion convert)
{
    if (!element)
        return false;
    if (!HasScript(screen))
        return element.GetContent(value);
    double result = 0;
    if (!EvaluateWithScreen(element, screen, result))
        return false;
    value = convert(result);
    return true;
}

} // namespace

bool ReadNumber(Norv::XmlIt const& element, Screen* screen, Norv::NorvFloat& value)
{
    return ReadNumberAs(element, screen, value, [](double result) { return static_cast<Norv::NorvFloat>(result); });
}

bool ReadNumber(Norv::XmlIt const& element, Screen* screen, int& value)
{
    return ReadNumberAs(element, screen, value, TruncateToInt);
}

bool ReadColor(Norv::XmlIt const& element, Norv::Color& value)
{
    if (!element)
        return false;
    struct Component {
        char const* name;
        std::uint8_t* byte;
    };
    Component const components[] = {
        {"r", &value.red}, {"g", &value.green}, {"b", &value.blue}, {"a", &value.alpha}};
    for (Component const& component : components) {
        int level = 0;
        if (Norv::XmlIt(element, component.name).GetContent(level))
            *component.byte = static_cast<std::uint8_t>(std::clamp(level, 0, 255));
    }
    return true;
}

int TruncateToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    return static_cast<int>(value);
}

unsigned char AlphaByte(int alpha)
{
    return static_cast<unsigned char>(std::clamp(alpha, 0, 255));
}

} // namespace Guif
