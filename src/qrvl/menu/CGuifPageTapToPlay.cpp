// The tap-to-play bar.
#include "qrvl/menu/CGuifPageTapToPlay.h"

#include "guif/TransformedSprite.h"
#include "qrvl/menu/GuifHudManager.h"
#include "qrvl/menu/LuaHelper.h"
#include "qrvl/menu/MenuSupport.h"
#include "qrvl/menu/ResManager.h"
#include "qrvl/menu/ScreenControls.h"
#include "qrvl/original/FGModeManager.h"
#include "qrvl/original/FGStringManager.h"
#include "qrvl/original/Player.h"
#include "qrvl/original/PlayerEnums.h"
#include "qrvl/original/QuorvelEngine.h"
#include "qrvl/original/phone/CGuiFrameTouchButton.h"

#include <cmath>
#include <cstdio>

namespace qrvl {

namespace {

constexpr char const* kScriptFile = "menu/tapToPlay.lua";

template <class Table, int N>
char const* Pick(Table const (&table)[N], int index)
{
    return table[index >= 0 && index < N ? index : 0];
}

} // namespace

char const CGuifPageTapToPlay::className[] = "CGuifPageTapToPlay";

Norv::Lunar<CGuifPageTapToPlay>::RegType CGuifPageTapToPlay::methods[] = {
    {"BarTapped", &CGuifPageTapToPlay::l_BarTapped},
    {nullptr, nullptr},
};

CGuifPageTapToPlay::CGuifPageTapToPlay() : screen(new TranslatableScreen(0, nullptr))
{
    LuaHelper::runScreenScript(screen->GetLua(), kScriptFile, [this](Norv::Lua* lua) {
        Norv::Lunar<CGuifPageTapToPlay>::Register(lua->GetState());
        Norv::Lunar<CGuifPageTapToPlay>::push(lua->GetState(), this, false);
        lua->RegisterGlobal("callback");
        LuaHelper::setupLuaGlobals(lua);
    });
    Guif::Control* button = screen->FindControl("TapToPlayButton");
    Guif::TransformedSprite* sprite = FindTransformedSprite(screen.Get(), "TapToPlayButton");
    if (!button || !sprite || !FindTextLine(screen.Get(), "TapMessage")) {
        std::fprintf(stderr, "Tap-to-play bar: %s lacks some of its controls\n", kScriptFile);
        return;
    }
    ResManager const* layout = ResManager::GetInstance();
    buttonX = static_cast<int>(button->CalculateX()) + (layout ? layout->GetOffsetX() : 0);
    buttonY = static_cast<int>(button->CalculateY()) + (layout ? layout->GetOffsetY() : 0);
    buttonWidth = static_cast<int>(sprite->GetWidth());
    buttonHeight = static_cast<int>(sprite->GetHeight());
}

std::string CGuifPageTapToPlay::TapMessage(char const* pattern, char const* name)
{
    std::string message = pattern ? pattern : "";
    std::string::size_type const at = message.find("%s");
    if (at != std::string::npos)
        message.replace(at, 2, name ? name : "");
    return message;
}

void CGuifPageTapToPlay::SetPlayerName(Player* player)
{
    if (!player)
        return;
    char const* id = (player->getJournalFlags() & kTapOrSpinFlag) ? "S_TAP_OR_SPIN" : "S_PLAYER_TAP_TO_PLAY";
    SetLineText(screen.Get(), "TapMessage", TapMessage(FGStringManager::getString(id), player->getName()), true);
    SetSpriteImage(screen.Get(), "PlayerImage", Pick(PlayerEnums::g_PlayerTabs, player->getCharacter()));
    SetSpriteImage(screen.Get(), "SliderImage", Pick(PlayerEnums::g_PlayerPegs, player->getCharacter()));
    SetSpriteImage(screen.Get(), "PlayerImageBkg", Pick(ColourEnums::g_ColourTabs, player->getColor()));
}

void CGuifPageTapToPlay::OnBarPressed()
{
    CGuiFrameTouchButton button(kTapToPlayButton);
    if (QuorvelEngine* engine = GetGameEngine())
        engine->getModeManager()->buttonSelected(&button);
    GuifHudManager& manager = GuifHudManager::GetHudManager();
    manager.SetHudMode(modeOnTap);
    if (Player* player = manager.GetCurrentPlayer())
        player->setTapped(true);
}

int CGuifPageTapToPlay::l_BarTapped(lua_State*)
{
    OnBarPressed();
    return 0;
}

void CGuifPageTapToPlay::Update(int ms) { slide.Update(ms); }

void CGuifPageTapToPlay::drawSelf(Norv::Surface* surface)
{
    if (slide.GetPosition() == 0)
        return;
    screen->Render(surface, 0.0f, static_cast<float>(slide.Drop(surface ? surface->GetHeight() : 0)));
}

void CGuifPageTapToPlay::onTouchUp(int x, int y, int id)
{
    if (slide.IsOnScreen())
        screen->OnTouchUp(x, y, id);
}

bool CGuifPageTapToPlay::Contains(int x, int y) const
{
    return buttonX <= x && x <= buttonX + buttonWidth && buttonY <= y && y <= buttonY + buttonHeight;
}

} // namespace qrvl
