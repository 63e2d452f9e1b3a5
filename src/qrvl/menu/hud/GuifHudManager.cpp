// The HUD pages' owner, their HUD mode and their routing.
#include "qrvl/menu/hud/GuifHudManager.h"

#include "qrvl/menu/hud/CGuifMap.h"
#include "qrvl/menu/hud/CGuifPageAIOverlay.h"
#include "qrvl/menu/hud/CGuifPageHud.h"
#include "qrvl/menu/hud/CGuifPageHudOverlay.h"
#include "qrvl/menu/hud/CGuifPagePauseButton.h"
#include "qrvl/menu/hud/CGuifPageTapToPlay.h"
#include "qrvl/menu/hud/CGuifPageYesNo.h"
#include "qrvl/menu/hud/CGuifPageZoomOverlay.h"
#include "qrvl/menu/screens/HudTransitions.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/framework/PresentationHooks.h"

namespace qrvl {

GuifHudManager& GuifHudManager::GetHudManager()
{
    static GuifHudManager manager;
    return manager;
}

GuifHudManager::GuifHudManager() = default;
GuifHudManager::~GuifHudManager() = default;

void GuifHudManager::Setup()
{
    if (IsSetUp())
        return;
    yesNo = std::make_unique<CGuifPageYesNo>();
    map = std::make_unique<CGuifMap>();
    hud = std::make_unique<CGuifPageHud>();
    tapToPlay = std::make_unique<CGuifPageTapToPlay>();
    pauseButton = std::make_unique<CGuifPagePauseButton>();
    overlay = std::make_unique<CGuifPageHudOverlay>(*hud);
    aiOverlay = std::make_unique<CGuifPageAIOverlay>();
    zoomOverlay = std::make_unique<CGuifPageZoomOverlay>();
    yesNo->visible = aiOverlay->visible = zoomOverlay->visible = map->visible = false;
    hud->visible = tapToPlay->visible = pauseButton->visible = false;
    overlay->visible = false;
    hide = false;
}

void GuifHudManager::Update(unsigned ms)
{
    if (!hud)
        return;
    int const step = static_cast<int>(ms);
    // The rules wait for the transfers to end, so they run on while both
    // bars are hidden (a fork's question hides them); otherwise a payment
    // would freeze mid-flight and the game with it.
    overlay->Update(step);
    if (!hud->visible && !tapToPlay->visible)
        return;
    tapToPlay->Update(step);
    hud->Update(step);
    if (zoomOverlay->visible)
        zoomOverlay->Update(ms);
    switch (machine.Step(step, hud->GetSlide(), tapToPlay->GetSlide())) {
    case HudModeMachine::TapBarComingOn:
        tapToPlay->SetPlayerName(currentPlayer);
        break;
    case HudModeMachine::TapBarRemembersExplore:
        tapToPlay->modeOnTap = kHudOnThenTapToPlay;
        break;
    case HudModeMachine::Nothing:
        break;
    }
}

// The hide flag covers the bars while the game shows a popup or the map; a
// question asked over that popup (pausing and quitting, say) must still be
// seen and answered, so the yes/no page ignores it, and so does the map.
void GuifHudManager::drawSelf(Norv::Surface* surface)
{
    if (!yesNo)
        return;
    if (!hide && tapToPlay->visible)
        tapToPlay->drawSelf(surface);
    if (!hide && hud->visible)
        hud->drawSelf(surface);
    if (yesNo->visible)
        yesNo->drawSelf(surface);
    if (!hide && aiOverlay->visible)
        aiOverlay->drawSelf(surface);
    if (!hide && zoomOverlay->visible)
        zoomOverlay->drawSelf(surface);
    if (!hide && pauseButton->visible)
        pauseButton->drawSelf(surface);
    if (map->visible)
        map->drawSelf(surface);
}

void GuifHudManager::onTouchUp(int x, int y, int id)
{
    if (!yesNo)
        return;
    if (map->visible)
        map->onTouchUp(x, y, id);
    if (!hide && tapToPlay->visible)
        tapToPlay->onTouchUp(x, y, id);
    if (!hide && hud->visible)
        hud->onTouchUp(x, y, id);
    if (yesNo->visible)
        yesNo->onTouchUp(x, y, id);
    if (!hide && aiOverlay->visible)
        aiOverlay->onTouchUp(x, y, id);
    if (!hide && zoomOverlay->visible)
        zoomOverlay->onTouchUp(x, y, id);
    if (!hide && pauseButton->visible)
        pauseButton->onTouchUp(x, y, id);
}

void GuifHudManager::onTouchMove(int x, int y, int id)
{
    if (!yesNo)
        return;
    if (yesNo->visible)
        yesNo->onTouchMove(x, y, id);
    if (zoomOverlay->visible)
        zoomOverlay->onTouchMove(x, y, id);
    if (hud->visible)
        hud->onTouchMove(x, y, id);
    if (aiOverlay->visible)
        aiOverlay->onTouchMove(x, y, id);
}

void GuifHudManager::onTouchDown(int x, int y, int id)
{
    if (zoomOverlay && zoomOverlay->visible)
        zoomOverlay->onTouchDown(x, y, id);
}

void GuifHudManager::keyPressed(int key)
{
    if (yesNo && yesNo->visible)
        yesNo->keyPressed(key);
}

bool GuifHudManager::Contains(int x, int y) const
{
    if (!yesNo)
        return false;
    if (tapToPlay->GetSlide().IsOnScreen() && tapToPlay->Contains(x, y))
        return true;
    if (hud->GetSlide().IsOnScreen() && hud->Contains(x, y))
        return true;
    if (pauseButton->visible && pauseButton->Contains(x, y))
        return true;
    if (zoomOverlay->visible && zoomOverlay->Contains(x, y))
        return true;
    return map->visible || aiOverlay->visible;
}

int GuifHudManager::GetCurrentHudElementHeight() const
{
    if (!yesNo)
        return 0;
    if (tapToPlay->GetSlide().IsOnScreen())
        return tapToPlay->GetButtonHeight();
    return hud->GetSlide().IsOnScreen() ? hud->GetBarHeight() : 0;
}

void GuifHudManager::ShowHud()
{
    if (hud)
        hud->visible = tapToPlay->visible = true;
}

void GuifHudManager::HideHud()
{
    if (hud)
        hud->visible = tapToPlay->visible = false;
}

void GuifHudManager::HideHudOverlay()
{
    if (overlay)
        overlay->visible = false;
}

void GuifHudManager::SetCurrentPlayer(Player* player, bool resetButtons)
{
    currentPlayer = player;
    if (!hud || !player)
        return;
    overlay->SetCurrPlayer(player->getCharacter());
    tapToPlay->SetPlayerName(player);
    hud->SetPlayerDetails(player);
    if (resetButtons) {
        hud->EnableNextEventButton(false);
        hud->EnableHud(!player->isComputer());
    }
}

void GuifHudManager::ShowAIOverlay(bool fastForward)
{
    if (!aiOverlay)
        return;
    aiOverlay->visible = true;
    aiOverlay->setFFActive(fastForward);
}

void GuifHudManager::HideAIOverlay()
{
    if (aiOverlay)
        aiOverlay->visible = false;
}

void GuifHudManager::ShowZoomOverlay()
{
    if (zoomOverlay)
        zoomOverlay->visible = true;
}

void GuifHudManager::HideZoomOverlay()
{
    if (zoomOverlay)
        zoomOverlay->visible = false;
}

void GuifHudManager::EnterYesNoModalDialogue(char const* title, char const* text, char const* text2, bool okOnly)
{
    if (!yesNo)
        return;
    yesNo->setLabelText(title, text, text2, okOnly);
    yesNo->visible = true;
}

void GuifHudManager::ExitYesNoModalDialogue()
{
    if (yesNo)
        yesNo->visible = false;
}

bool GuifHudManager::IsTransitioning() const
{
    return HudTransitions::GetRunning() != 0 && !PresentationHooks::Get().IsSkipping();
}

} // namespace qrvl
