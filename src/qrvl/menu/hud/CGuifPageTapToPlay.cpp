// The tap-to-play bar.
#include "qrvl/menu/hud/CGuifPageTapToPlay.h"

#include "qrvl/menu/hud/GuifHudManager.h"
#include "qrvl/menu/hud/HudImages.h"
#include "qrvl/menu/screens/HudPageScript.h"
#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/menu/screens/ScreenControls.h"
#include "qrvl/original/framework/FGModeManager.h"
#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/framework/QuorvelEngine.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"

#include <cmath>
#include <cstdio>

namespace qrvl {

namespace {

constexpr char const* kScriptFile = "menu/tapToPlay.lua";

} // namespace

char const CGuifPageTapToPlay::className[] = "CGuifPageTapToPlay";

Norv::Lunar<CGuifPageTapToPlay>::RegType CGuifPageTapToPlay::methods[] = {
    {"BarTapped", &CGuifPageTapToPlay::l_BarTapped},
    {nullptr, nullptr},
};

CGuifPageTapToPlay::CGuifPageTapToPlay() : screen(new TranslatableScreen(0, nullptr))
{
    RunHudPageScript(screen->GetLua(), kScriptFile, this);
    button = HudHitBox::Of(screen.Get(), "TapToPlayButton");
    if (button.IsEmpty() || !FindTextLine(screen.Get(), "TapMessage"))
        std::fprintf(stderr, "Tap-to-play bar: %s lacks some of its controls\n", kScriptFile);
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
    SetSpriteImage(screen.Get(), "PlayerImage", TabImageOf(player->getCharacter()));
    SetSpriteImage(screen.Get(), "SliderImage", PegImageOf(player->getCharacter()));
    SetSpriteImage(screen.Get(), "PlayerImageBkg", TabBackgroundOf(player->getColor()));
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
    return button.Contains(x, y);
}

} // namespace qrvl
