// The script class "Image": its methods and their table.
#include "guif/Image.h"

#include "norv/base/Lua.h"
#include "norv/graphics/GraphicsAssets.h"

namespace Guif {

char const Image::className[] = "Image";

Norv::Lunar<Image>::RegType Image::methods[] = {
    {"SetImage", &Image::l_SetImage},
    {nullptr, nullptr},
};

int Image::l_SetImage(lua_State* L)
{
    image = Norv::g_assetDict->Get<Norv::Surface>(Norv::Lua(L).CheckString(1), false);
    return 0;
}

} // namespace Guif
