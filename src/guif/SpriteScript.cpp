// The script class "Sprite": its methods and their table.
#include "guif/Sprite.h"

#include "guif/ItemValues.h"
#include "norv/base/Lua.h"
#include "norv/graphics/AnimatedSurface.h"

namespace Guif {

char const Sprite::className[] = "Sprite";

Norv::Lunar<Sprite>::RegType Sprite::methods[] = {
    {"SetClipRect", &Sprite::l_SetClipRect},
    {"SetFrame", &Sprite::l_SetFrame},
    {nullptr, nullptr},
};

int Sprite::l_SetClipRect(lua_State* L)
{
    Norv::Lua lua(L);
    clip = Norv::RectT<int>(TruncateToInt(lua.CheckNumber(1)), TruncateToInt(lua.CheckNumber(2)),
                            TruncateToInt(lua.CheckNumber(3)), TruncateToInt(lua.CheckNumber(4)));
    return 0;
}

// Only an animated image has frames; on a still one the call does nothing.
int Sprite::l_SetFrame(lua_State* L)
{
    double const frame = Norv::Lua(L).CheckNumber(1);
    auto* animated = dynamic_cast<Norv::AnimatedSurface*>(image.Get());
    if (animated && frame >= 0)
        animated->SetFrame(static_cast<unsigned int>(TruncateToInt(frame)));
    return 0;
}

} // namespace Guif
