// The HUD state's popups, spinner number and timers, and money as text.
#include "qrvl/original/game/Hud.h"

#include "qrvl/original/framework/CGuiFrameTouchButton.h"
#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/framework/HudPages.h"
#include "qrvl/original/framework/QuorvelEngine.h"
#include "qrvl/original/framework/GameUtil.h"

#include <cstring>

namespace {
// The button a click on the popup screen sends: the next-event button.
constexpr int kNextEventButton = -2;
// The HUD mode in which both bars are off.
}

void Hud::init()
{
    leftPlayer = rightPlayer = nullptr;
    infoShown = popupScreenShown = infoTimed = false;
    arrowShown = false;
    spinnerShown = spinnerTimed = false;
    tutorialShown = false;
    active = false;
}

void Hud::setLeftPlayer(Player* player)
{
    leftPlayer = player;
    HudPages::Get().SetCurrentPlayer(player, false);
}

void Hud::setRightPlayer(Player* player)
{
    rightPlayer = player;
    bankShown = false;
}

void Hud::displayInfoPopupText(const std::string& text, int ms)
{
    infoText = text;
    infoTimed = ms != kUntimed;
    if (infoTimed)
        infoTimer.start(ms);
    infoShown = true;
    HudPages& pages = HudPages::Get();
    pages.SetMessage(text.c_str());
    pages.EnableNextEventButton(!infoTimed);
    pages.EnableHud(false);
}

void Hud::hideInfoPopupText()
{
    infoShown = popupScreenShown = false;
    infoTimed = false;
}

void Hud::showPopupText(const char* textId, int ms)
{
    infoText = FGStringManager::getString(textId);
    infoTimed = ms != kUntimed;
    if (infoTimed)
        infoTimer.start(ms);
    popupScreenShown = infoShown = true;
}

void Hud::showTutorial()
{
    showPopupText("S_GAME_START_I3D", kUntimed);
    HudPages::Get().SetHudMode(kHudBothOff);
    tutorialShown = true;
}

void Hud::hideTutorial()
{
    hideInfoPopupText();
    tutorialShown = false;
}

void Hud::displayArrowPopupText(const std::string& text, int ms)
{
    arrowText = text;
    arrowTimer.start(ms);
    arrowShown = true;
}

void Hud::displaySpinner(int value, int ms)
{
    spinnerValue = value;
    spinnerTimed = ms != kUntimed;
    if (spinnerTimed)
        spinnerTimer.start(ms);
    spinnerShown = true;
}

void Hud::drawSelf(Norv::Surface* surface)
{
    if (popupScreenShown)
        HudPages::Get().DrawPopup(surface, infoText);
    else
        HudPages::Get().DrawSelf(surface);
}

void Hud::onTouchUp(int, int, int)
{
    if (!popupScreenShown)
        return;
    auto* engine = static_cast<QuorvelEngine*>(FGEngine::getEngine());
    CGuiFrameTouchButton next(kNextEventButton);
    if (engine && engine->getModeManager())
        engine->getModeManager()->buttonSelected(&next);
}

bool Hud::isHudOverlayReqd() const
{
    return leftPlayer || rightPlayer || HudPages::Get().IsOverlayInTransfer();
}

void Hud::tick()
{
    HudPages& pages = HudPages::Get();
    if (pages.IsTransitioning())
        return;
    if (arrowShown && arrowTimer.isOver())
        arrowShown = false;
    if (infoShown && infoTimed && infoTimer.isOver())
        infoShown = popupScreenShown = infoTimed = false;
    if (spinnerShown && spinnerTimed && spinnerTimer.isOver())
        spinnerShown = false;
    bool required = isHudOverlayReqd();
    if (active && pages.IsOverlayVisible() != required) {
        pages.SetOverlayVisible(required);
        if (required)
            pages.ShowHud();
        else
            pages.HideHud();
    }
}

void Hud::drawMoney(int amount, char* buffer, int size)
{
    if (!buffer || size <= 0)
        return;
    std::memset(buffer, 0, static_cast<size_t>(size));
    GameUtil::getMoneyString(amount, buffer, size);
}

std::string Hud::moneyText(int amount)
{
    char buffer[kMoneyTextBytes];
    drawMoney(amount, buffer, kMoneyTextBytes);
    return buffer;
}
