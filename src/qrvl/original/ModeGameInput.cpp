// How the person at the computer drives the in-game mode: the HUD's
// buttons, the keyboard, a click on the popup screen and pausing.
#include "qrvl/original/ModeGame.h"

#include "qrvl/original/Board.h"
#include "qrvl/original/BoardPresenter.h"
#include "qrvl/original/phone/CGuiFrameTouchButton.h"
#include "qrvl/original/phone/WorldHooks.h"
#include "qrvl/original/GameScreens.h"
#include "qrvl/original/Hud.h"
#include "qrvl/original/HudPages.h"
#include "qrvl/port/SoundManager.h"
#include "qrvl/original/Player.h"
#include "qrvl/original/QuorvelEngine.h"

#include "norv/base/KeyCode.h"

namespace {
// Ticks during which a second fast-forward press is ignored.
constexpr int kFastForwardCooldownTicks = 5;
}

void ModeGame::buttonSelected(CGuiFrameTouchButton* button)
{
    int id = button ? button->id : 0;
    // The HUD's buttons wait until the person lets go of the wheel.
    if (id >= kButtonSpin && id <= kButtonInfo && screens->presenter().isWheelHeld())
        return;
    if (id != kButtonPause && state >= Tutorial && state <= FirstActionTutorial) {
        if (!HudPages::Get().IsTransitioning())
            hidePopup();
        return;
    }
    switch (id) {
    case kButtonFastForward:
        if (computerToggleCooldown == 0) {
            fastForwardComputers = !fastForwardComputers;
            showCorrectAIOverlay();
            computerToggleCooldown = kFastForwardCooldownTicks;
        }
        break;
    case kButtonSpin:
        if (state == FreeLook && screens->presenter().destinationReached()) {
            if (spinningForFirst)
                announceCurrRoller();
            else
                announceCurrPlayer(false);
        }
        break;
    case kButtonMap:
        setCurrState(state == FreeLook ? Map : FreeLook);
        break;
    case kButtonMoney:
        enterStatusScreen(kStatusOnCards);
        break;
    case kButtonInvest:
        enterStatusScreen(kStatusOnInvestment);
        break;
    case kButtonInfo:
        enterPlayerOverview();
        break;
    case kButtonPause:
        pausePending = true;
        engine->megaPause();
        HudPages::Get().HideHud();
        screens->pushPause(getPlayerForStatus(), hud.get());
        engine->setRenderWorld(true);
        engine->setWorldPaused(true);
        break;
    case kButtonNextEvent:
        if (state == MoveDone) {
            HudPages::Get().EnableNextEventButton(false);
            board->CancelDelay();
        } else if (state == ShowEvents) {
            if (currentPlayerObject()->eventPending()) {
                PNPNextPlayer();
            } else {
                bool wasFirstRound = firstRound;
                PNPNextPlayer();
                if (!wasFirstRound)
                    announceCurrPlayer(false);
            }
        }
        break;
    case kButtonBack:
        if (state == Map) {
            HudPages::Get().SetHideAll(false);
            HudPages::Get().ShowMap(false);
            setCurrState(FreeLook);
        }
        break;
    default:
        if (id >= kButtonTapToPlay && id <= kButtonTapToPlayLast && state == TurnStart) {
            currentPlayerObject()->setTapped(true);
            setCurrState(ChooseRoute);
        }
        break;
    }
}

void ModeGame::keyPressed(int key)
{
    if (state == Wheel && key == Norv::KEY_SPACE) {
        if (screens->presenter().destinationReached() && tickWaiting())
            spinAtRandom();
        return;
    }
    if (state == FreeLook && key == Norv::KEY_SELECT) {
        CGuiFrameTouchButton spin(kButtonSpin);
        engine->onButtonSelected(&spin);
        return;
    }
    if (key == Norv::KEY_ESCAPE && engine->shouldRender()) {
        CGuiFrameTouchButton pauseButton(kButtonPause);
        engine->onButtonSelected(&pauseButton);
    }
}

void ModeGame::drawSelf(Norv::Surface* surface)
{
    hud->drawSelf(surface);
    screens->presenter().drawSelf(surface);
}

void ModeGame::onTouchDown(int x, int y, int)
{
    touchDownX = x;
    touchDownY = y;
}

void ModeGame::onTouchUp(int x, int y, int id)
{
    // A touch that moved at most this far (squared pixels) is a tap.
    int const kTapDistance = 99;
    int const dx = x - touchDownX;
    int const dy = y - touchDownY;
    if (dx * dx + dy * dy <= kTapDistance)
        WorldHooks::Get().Touch(x, engine->getScreenHeight() - y);
    hud->onTouchUp(x, y, id);
    HudPages::Get().OnTouchUp(x, y, id);
    // A tap ends a message the board waits on, as the next-event button does.
    if (state == MoveDone && board)
        board->CancelDelay();
}

void ModeGame::onTouchMove(int x, int y, int id)
{
    HudPages::Get().OnTouchMove(x, y, id);
}

void ModeGame::pauseForScreen()
{
    pausePending = true;
    engine->megaPause();
    HudPages::Get().HideHud();
    engine->setWorldPaused(true);
}

void ModeGame::enterStatusScreen(int mode)
{
    Player* player = spinningForFirst ? players[roller] : currentPlayerObject();
    if (!player)
        return;
    if (player->getInvestment() < 0)
        SoundManager::GetInstance().PlaySound("menu_open");
    int const refusal = spinningForFirst ? kInvestAfterTurnOrder : kInvestAllowed;
    if (screens->pushStatus(player, hud.get(), investmentOwners, refusal, mode))
        pauseForScreen();
}

void ModeGame::enterPlayerOverview()
{
    int refusal = kInvestOnOwnTurnOnly;
    if (spinningForFirst)
        refusal = kInvestAfterTurnOrder;
    else if (getPlayerForStatus() == currentPlayerObject())
        refusal = kInvestAllowed;
    if (screens->pushOverview(players, hud.get(), investmentOwners, refusal))
        pauseForScreen();
}

void ModeGame::pause()
{
    CGuiFrameTouchButton pauseButton(kButtonPause);
    buttonSelected(&pauseButton);
}
