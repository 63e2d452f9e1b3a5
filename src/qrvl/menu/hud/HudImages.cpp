// The HUD's pictures of a player.
#include "qrvl/menu/hud/HudImages.h"

#include "qrvl/original/rules/PlayerEnums.h"

namespace qrvl {

namespace {

template <int N>
char const* Pick(char const* const (&table)[N], int index)
{
    return table[index >= 0 && index < N ? index : 0];
}

} // namespace

char const* TabImageOf(int character) { return Pick(PlayerEnums::g_PlayerTabs, character); }
char const* PegImageOf(int character) { return Pick(PlayerEnums::g_PlayerPegs, character); }
char const* TabBackgroundOf(int colour) { return Pick(ColourEnums::g_ColourTabs, colour); }

} // namespace qrvl
