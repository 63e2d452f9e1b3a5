// How the person at the computer drives the in-game mode: the HUD's
// buttons, the keyboard, a click on the popup screen and pausing.
#include "qrvl/original/game/ModeGame.h"

#include "qrvl/original/rules/Board.h"
#include "qrvl/original/rules/BoardPresenter.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"
#include "qrvl/original/phone/world/CSkipManager.h"
#include "qrvl/original/phone/world/WorldHooks.h"
#include "qrvl/original/game/GameScreens.h"
#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/game/Hud.h"
#include "qrvl/original/framework/HudMode.h"
#include "qrvl/original/framework/HudPages.h"
#include "qrvl/port/SoundManager.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/framework/QuorvelEngine.h"

#include "norv/base/KeyCode.h"
#include "norv/base/core/Pi.h"

#include <cmath>

namespace {
// Ticks during which a second fast-forward press is ignored.
constexpr int kFastForwardCooldownTicks = 5;
// A button the skip report does not answer to.
constexpr int kIgnoredBySkipReport = 400;
// A zoom key held for this long moves the camera as far as a wheel notch.
constexpr float kZoomNotchSeconds = 0.07f;
constexpr int kZoomNotch = 25;
// The wheel is grabbed within five eighths of half the window's height of
// the window's centre.
constexpr float kGrabRadiusEighths = 5.0f;
// A bar fully on screen.
constexpr int kHudSlideFull = 4096;
// The touch id of a pointer moving without a button, and those of the
// mouse wheel.
constexpr int kPointerOnly = -1;
constexpr int kWheelUp = 3;
constexpr int kWheelDown = 4;
// Pixels from a window edge within which the pointer pans.
constexpr int kEdgePixels = 10;
// A touch that moved at most this far (squared pixels) is a tap.
constexpr int kTapDistance = 99;
} // namespace

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
    if (state == SkipReport && id != kButtonPause) {
        if (id != kIgnoredBySkipReport)
            leaveSkipReport(id);
        return;
    }
    // While looking round, the bar that stands in for the HUD bar asks for
    // the wheel as the HUD bar's spin button does.
    if (state == FreeLook && id >= kButtonTapToPlay && id <= kButtonTapToPlayLast)
        id = kButtonSpin;
    switch (id) {
    case kButtonFastForward:
        if (computerToggleCooldown == 0) {
            fastForwardComputers = !fastForwardComputers;
            showCorrectAIOverlay();
            computerToggleCooldown = kFastForwardCooldownTicks;
        }
        break;
    case kButtonSpin:
        if (state == FreeLook) {
            wheelAsked = true;
            returnToWheelWhenArrived();
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
        // Nothing is drawn while skipping: the pause menu ends a skip.
        CSkipManager::GetSkipManager().SetSkipping(false);
        pausePending = true;
        engine->megaPause();
        waitTimer.pause();
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

void ModeGame::returnToWheelWhenArrived()
{
    if (state != FreeLook || !wheelAsked || !screens->presenter().destinationReached())
        return;
    wheelAsked = false;
    HudPages::Get().ShowZoomOverlay(false);
    if (spinningForFirst)
        announceCurrRoller();
    else
        announceCurrPlayer(false);
}

void ModeGame::keyPressed(int key)
{
    if (state == SkipReport) {
        CSkipManager::GetSkipManager().keyPressed(key);
        return;
    }
    if (state == Wheel && key == Norv::KEY_SPACE) {
        spinAtRandomWhenReady();
        return;
    }
    if (state == FreeLook) {
        // The arrows pan the camera over the board while they are held.
        switch (key) {
        case Norv::KEY_LEFT: panX = 1.0f; return;
        case Norv::KEY_RIGHT: panX = -1.0f; return;
        case Norv::KEY_UP: panZ = 1.0f; return;
        case Norv::KEY_DOWN: panZ = -1.0f; return;
        default: break;
        }
    }
    if (state == FreeLook && key == Norv::KEY_SELECT) {
        CGuiFrameTouchButton spin(kButtonSpin);
        engine->onButtonSelected(&spin);
        return;
    }
    if (state == Map && key == Norv::KEY_ESCAPE) {
        HudPages::Get().MapKeyPressed(key);
        return;
    }
    if (key == Norv::KEY_ESCAPE && engine->shouldRender()) {
        CGuiFrameTouchButton pauseButton(kButtonPause);
        engine->onButtonSelected(&pauseButton);
    }
}

void ModeGame::keyReleased(int)
{
    panX = panZ = 0.0f;
}

void ModeGame::drawSelf(Norv::Surface* surface)
{
    hud->drawSelf(surface);
    screens->presenter().drawSelf(surface);
    if (state == SkipReport)
        CSkipManager::GetSkipManager().drawSelf(surface);
}

float ModeGame::wheelAngle(int x, int y, float* distanceSquared, float* radius) const
{
    HudPages& pages = HudPages::Get();
    float const height = float(engine->getScreenHeight());
    float const dx = float(x) - float(engine->getScreenWidth()) / 2.0f;
    float dy = float(y) - height / 2.0f;
    float grab = height / 2.0f * kGrabRadiusEighths / 8.0f;
    // The HUD bar pushes the wheel up the window as it slides on.
    if (int const shown = pages.HudBarShown()) {
        float const element = float(pages.CurrentHudElementHeight());
        dy += element / 2.0f * float(shown) / float(kHudSlideFull);
        grab -= element / 6.0f;
    }
    if (distanceSquared)
        *distanceSquared = dx * dx + dy * dy;
    if (radius)
        *radius = grab;
    return -std::atan2(dx, dy);
}

void ModeGame::onTouchDown(int x, int y, int id)
{
    if (state == SkipReport) {
        CSkipManager::GetSkipManager().onTouchDown(x, y, id);
        return;
    }
    touchDownX = x;
    touchDownY = y;
    HudPages::Get().OnTouchDown(x, y, id);
    touchOnHud = true;
    if (HudPages::Get().Contains(x, y))
        return;
    Player* player = numPlayers > 0 ? spinningPlayer() : nullptr;
    if (!player || !player->isTapped())
        return;
    touchOnHud = false;
    if (state != Wheel) {
        lastTouchX = x;
        lastTouchY = y;
        return;
    }
    if (id != 0)
        return;
    float distanceSquared = 0.0f;
    float radius = 0.0f;
    float const angle = wheelAngle(x, y, &distanceSquared, &radius);
    if (distanceSquared < radius * radius) {
        wheelHeld = true;
        lastWheelAngle = angle;
        screens->presenter().holdWheel(true);
    }
}

void ModeGame::onTouchMove(int x, int y, int id)
{
    if (state == SkipReport) {
        CSkipManager::GetSkipManager().onTouchMove(x, y, id);
        return;
    }
    HudPages::Get().OnTouchMove(x, y, id);
    BoardPresenter& presenter = screens->presenter();
    if (state == FreeLook && id == kPointerOnly) {
        // The pointer near a window edge pans that way.
        int const width = engine->getScreenWidth();
        int const height = engine->getScreenHeight();
        panZ = y < kEdgePixels ? 1.0f : (y >= height - kEdgePixels ? -1.0f : 0.0f);
        panX = x < kEdgePixels ? 1.0f : (x >= width - kEdgePixels ? -1.0f : 0.0f);
    } else if (state == FreeLook && id == 0 && !touchOnHud) {
        presenter.panCamera(float(x - lastTouchX), float(y - lastTouchY));
    } else if (state == Wheel && id == 0 && wheelHeld) {
        wheelDragged = true;
        float const angle = wheelAngle(x, y);
        float turn = angle - lastWheelAngle;
        if (turn > Norv::kPiF)
            turn -= 2.0f * Norv::kPiF;
        else if (turn < -Norv::kPiF)
            turn += 2.0f * Norv::kPiF;
        presenter.turnWheel(turn);
        lastWheelAngle = angle;
    }
    if (id != kPointerOnly) {
        lastTouchX = x;
        lastTouchY = y;
    }
}

void ModeGame::onTouchUp(int x, int y, int id)
{
    if (state == SkipReport) {
        CSkipManager::GetSkipManager().onTouchUp(x, y, id);
        return;
    }
    hud->onTouchUp(x, y, id);
    bool const onHud = touchOnHud;
    if (touchOnHud) {
        HudPages::Get().OnTouchUp(x, y, id);
        if (HudPages::Get().Contains(x, y)) {
            touchOnHud = false;
            return;
        }
    }
    BoardPresenter& presenter = screens->presenter();
    if (state == Wheel) {
        if (onHud || !wheelHeld || id != 0)
            return;
        Player* player = numPlayers > 0 ? spinningPlayer() : nullptr;
        if (!wheelDragged && player && player->isTapped() && !presenter.isWheelSpinning()
            && presenter.destinationReached() && tickWaiting()) {
            spinAtRandom();
        } else {
            wheelDragged = false;
            bool const spins = presenter.flickWheel();
            if (spins)
                wheelTurning = true;
            else if (HudPages::Get().HudBarShown() && HudPages::Get().GetHudMode() == kHudOn)
                HudPages::Get().SetMessage(FGStringManager::getString("S_PLY_HARDER"));
        }
        wheelHeld = false;
        presenter.holdWheel(false);
        return;
    }
    if (state == FreeLook && (id == kWheelUp || id == kWheelDown)) {
        presenter.zoomCamera(id == kWheelUp ? kZoomNotch : -kZoomNotch);
        return;
    }
    int const dx = x - touchDownX;
    int const dy = y - touchDownY;
    // A tap on the map looks there instead of picking the board below it.
    if (id == 0 && state != Map && dx * dx + dy * dy <= kTapDistance)
        WorldHooks::Get().Touch(x, engine->getScreenHeight() - y);
    // A tap ends a message the board waits on, as the next-event button does.
    if (state == MoveDone && board)
        board->CancelDelay();
}

void ModeGame::panByKeys(int ms)
{
    if (panX != 0.0f || panZ != 0.0f)
        screens->presenter().panCamera(panX * float(ms), panZ * float(ms));
}

void ModeGame::pauseForScreen()
{
    pausePending = true;
    engine->megaPause();
    waitTimer.pause();
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

void ModeGame::Zoom(float step, int direction)
{
    screens->presenter().zoomCamera(static_cast<int>(direction * (step / kZoomNotchSeconds * kZoomNotch)));
}

void ModeGame::pause()
{
    CGuiFrameTouchButton pauseButton(kButtonPause);
    buttonSelected(&pauseButton);
}
