// The HUD bar: its script, figures, messages, buttons, slide and transfer.
#include "qrvl/menu/hud/CGuifPageHud.h"

#include "guif/TransformedSprite.h"
#include "norv/application/Time.h"
#include "qrvl/menu/hud/GuifHudManager.h"
#include "qrvl/menu/hud/HudHitBox.h"
#include "qrvl/menu/hud/HudImages.h"
#include "qrvl/menu/screens/HudPageScript.h"
#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/menu/screens/ResManager.h"
#include "qrvl/menu/screens/ScreenControls.h"
#include "qrvl/original/rules/BoardPresenter.h"
#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/game/GameScreens.h"
#include "qrvl/original/game/Hud.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/framework/PresentationHooks.h"
#include "qrvl/original/framework/QuorvelEngine.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace qrvl {

namespace {

constexpr char const* kScriptFile = "menu/hud.lua";
constexpr char const* kBankTab = "menu/gfx/bankTab.png@linear";
constexpr int kDimmedAlpha = 128;
constexpr int kFullAlpha = 255;
// The wheel button's glow while the map is up: a slow pulse round 50.
constexpr float kGlowDepth = 31.0f;
constexpr int kGlowMiddle = 50;

constexpr char const* kMoneyItems[TransferFlight::kMoneyItems] = {
    "AnimableObject1", "AnimableObject2", "AnimableObject3", "AnimableObject4", "AnimableObject5"};
constexpr char const* kTileItem = "QuorvelTransferIcon";

struct MessageBox {
    char const* left;
    char const* middle;
    char const* right;
};

MessageBox MessageBoxOf(unsigned style)
{
    switch (style) {
    case CGuifPageHud::Green:
        return {"menu/gfx/UImessageBoxLeft_Green.png@linear", "menu/gfx/UImessageBoxMid_Green.png@linear",
                "menu/gfx/UImessageBoxRight_Green.png@linear"};
    case CGuifPageHud::Orange:
        return {"menu/gfx/UImessageBoxLeft_Oran.png@linear", "menu/gfx/UImessageBoxMid_Oran.png@linear",
                "menu/gfx/UImessageBoxRight_Oran.png@linear"};
    case CGuifPageHud::Blue:
        return {"menu/gfx/UImessageBoxLeft_Blue.png@linear", "menu/gfx/UImessageBoxMid_Blue.png@linear",
                "menu/gfx/UImessageBoxRight_Blue.png@linear"};
    default:
        return {"menu/gfx/UImessageBoxLeft.png@linear", "menu/gfx/UImessageBoxMid.png@linear",
                "menu/gfx/UImessageBoxRight.png@linear"};
    }
}

bool Skipping() { return PresentationHooks::Get().IsSkipping(); }

} // namespace

char const CGuifPageHud::className[] = "CGuifPageHud";

Norv::Lunar<CGuifPageHud>::RegType CGuifPageHud::methods[] = {
    {"SpinnerButtonPressed", &CGuifPageHud::l_SpinnerButtonPressed},
    {"ExploreButtonPressed", &CGuifPageHud::l_ExploreButtonPressed},
    {"MoneyButtonPressed", &CGuifPageHud::l_MoneyButtonPressed},
    {"InvestButtonPressed", &CGuifPageHud::l_InvestButtonPressed},
    {"InfoButtonPressed", &CGuifPageHud::l_InfoButtonPressed},
    {"NextEventButtonPressed", &CGuifPageHud::l_NextEventButtonPressed},
    {"DoSpinButtonPressed", &CGuifPageHud::l_DoSpinButtonPressed},
    {nullptr, nullptr},
};

CGuifPageHud::CGuifPageHud() : screen(new TranslatableScreen(0, nullptr))
{
    RunHudPageScript(screen->GetLua(), kScriptFile, this);
    bar = HudHitBox::Of(screen.Get(), "HUDMidBkg");
    if (bar.IsEmpty() || !screen->FindControl("NextEventButton"))
        std::fprintf(stderr, "HUD bar: %s lacks some of its controls\n", kScriptFile);
    ShowControl(screen.Get(), "TransferImage", false);
    for (char const* item : kMoneyItems)
        ShowControl(screen.Get(), item, false);
    ShowControl(screen.Get(), kTileItem, false);
}

void CGuifPageHud::Press(int id)
{
    CGuiFrameTouchButton button(id);
    if (QuorvelEngine* engine = GetGameEngine())
        engine->onButtonSelected(&button);
}

int CGuifPageHud::l_SpinnerButtonPressed(lua_State*)
{
    Press(SpinButton);
    return 0;
}

int CGuifPageHud::l_ExploreButtonPressed(lua_State*)
{
    Press(ExploreButton);
    return 0;
}

int CGuifPageHud::l_MoneyButtonPressed(lua_State*)
{
    Press(MoneyButton);
    return 0;
}

int CGuifPageHud::l_InvestButtonPressed(lua_State*)
{
    Press(InvestButton);
    return 0;
}

int CGuifPageHud::l_InfoButtonPressed(lua_State*)
{
    Press(InfoButton);
    return 0;
}

int CGuifPageHud::l_NextEventButtonPressed(lua_State*)
{
    Press(NextEventButton);
    return 0;
}

int CGuifPageHud::l_DoSpinButtonPressed(lua_State*)
{
    GameScreens::Get().presenter().doRandomSpin(false);
    return 0;
}

void CGuifPageHud::SetPlayerDetails(Player* player)
{
    if (!player)
        return;
    SetLineText(screen.Get(), "NameLabel", player->getName(), true);
    SetPlayerMoney(player->getCash());
    SetPlayerQuorvelCardCount(player->getNumQuorvelCards());
    SetSpriteImage(screen.Get(), "PlayerImage", TabImageOf(player->getCharacter()));
    SetSpriteImage(screen.Get(), "SliderImage", PegImageOf(player->getCharacter()));
    SetSpriteImage(screen.Get(), "PlayerImageBkg", TabBackgroundOf(player->getColor()));
}

void CGuifPageHud::SetPlayerMoney(int amount)
{
    char money[Hud::kMoneyTextBytes];
    Hud::drawMoney(amount, money, sizeof money);
    SetLineText(screen.Get(), "MoneyLabel", money, true);
}

void CGuifPageHud::SetPlayerQuorvelCardCount(int count)
{
    SetLineText(screen.Get(), "QuorvelLabel", "x " + std::to_string(count), true);
}

void CGuifPageHud::SetMessage(char const* text, unsigned style)
{
    MessageBox const box = MessageBoxOf(style);
    SetSpriteImage(screen.Get(), "NotificationLeftBkg", box.left);
    SetSpriteImage(screen.Get(), "NotificationMidBkg", box.middle);
    SetSpriteImage(screen.Get(), "NotificationRightBkg", box.right);
    SetLineText(screen.Get(), "NotificationMessage", text ? text : "", true);
    GuifHudManager& manager = GuifHudManager::GetHudManager();
    manager.SetHudMode(kHudOn);
    manager.ResetHudAutoHideTimer();
}

void CGuifPageHud::SetMessageLocalised(char const* id, unsigned style)
{
    SetMessage(FGStringManager::getString(id), style);
}

void CGuifPageHud::StartExploreMode()
{
    SetExploreText();
    exploreMode = true;
    GuifHudManager& manager = GuifHudManager::GetHudManager();
    manager.SetHudMode(kHudOnThenTapToPlay);
    // A bar already up stays its full while: its spin button is the way
    // back to the wheel.
    manager.ResetHudAutoHideTimer();
    manager.ShowZoomOverlay();
}

void CGuifPageHud::StartWheelMode()
{
    SetWheelText();
    exploreMode = false;
}

void CGuifPageHud::SetExploreText() { SetLineText(screen.Get(), "ExploreLabel", "S_MAP", false); }
void CGuifPageHud::SetWheelText() { SetLineText(screen.Get(), "ExploreLabel", "S_I3D_EXPLORE", false); }

void CGuifPageHud::EnableHud(bool on)
{
    buttonsEnabled = on;
    Player* player = GuifHudManager::GetHudManager().GetCurrentPlayer();
    bool const shares = on && player && player->getShareTheWealthCards();
    bool const invest = on && player && player->isPrepared();
    for (char const* button : {"WheelButton", "ExploreButton", "InfoButton"})
        SetControlActive(screen.Get(), button, on);
    SetControlActive(screen.Get(), "MoneyButton", shares);
    SetControlActive(screen.Get(), "InvestButton", invest);
    for (char const* shown : {"ExploreLabel", "InfoImage", "ExploreButton", "WheelButton"})
        SetControlAlpha(screen.Get(), shown, on ? kFullAlpha : kDimmedAlpha);
    SetControlAlpha(screen.Get(), "InvestLabel", invest ? kFullAlpha : kDimmedAlpha);
    SetControlAlpha(screen.Get(), "MoneyButtonImage", shares ? kFullAlpha : kDimmedAlpha);
}

void CGuifPageHud::EnableNextEventButton(bool on)
{
    if (on) {
        EnableHud(false);
    } else {
        Player* player = GuifHudManager::GetHudManager().GetCurrentPlayer();
        EnableHud(player && !player->isComputer());
    }
    SetControlActive(screen.Get(), "NextEventButton", on);
    ShowControl(screen.Get(), "NextEventButton", on);
    nextEventShown = on;
}

void CGuifPageHud::ResetHud()
{
    ShowControl(screen.Get(), "TransferImage", false);
    transferTime = 0;
    tabRise = 0;
    tabShown = false;
    slide.ForceOffScreen();
    buttonsEnabled = true;
    nextEventShown = false;
    SetControlActive(screen.Get(), "NextEventButton", false);
    ShowControl(screen.Get(), "NextEventButton", false);
    StartWheelMode();
}

void CGuifPageHud::StartScrollOn()
{
    if (slide.IsOnScreen())
        return;
    slide.StartScrollOn();
    screen->OnKeyDown(static_cast<Norv::KeyCode>(0));
}

void CGuifPageHud::StartScrollOff() { slide.StartScrollOff(); }
void CGuifPageHud::ForceOffScreen() { slide.ForceOffScreen(); }

void CGuifPageHud::Update(int ms)
{
    if (Skipping()) {
        ShowControl(screen.Get(), "TransferImage", false);
        transferTime = 0;
        tabRise = 0;
        tabShown = false;
    }
    if (!visible)
        return;
    screen->Update(static_cast<float>(ms) / 1000.0f);
    slide.Update(ms);
    int glow = 0;
    if (buttonsEnabled && exploreMode) {
        float const now = static_cast<float>(3LL * static_cast<long long>(Norv::Time::GetTimeMs()));
        glow = static_cast<int>(std::trunc(std::sin(now / 1000.0f) * kGlowDepth)) + kGlowMiddle;
    }
    SetControlAlpha(screen.Get(), "WheelButtonOverlay", glow);
    UpdateTransferTab(ms);
    transferTime = std::max(0, transferTime - ms);
}

void CGuifPageHud::UpdateTransferTab(int ms)
{
    Guif::Control* tab = screen->FindControl("TransferImage");
    if (!tab || !tab->GetVisibleFlag())
        return;
    int const step = ms * kTabRisePerSecond / 1000;
    tabRise = tabShown ? std::min(kTabRiseTop, tabRise + step) : std::max(0, tabRise - step);
    if (tabRise == 0 && !tabShown)
        tab->SetVisibleFlag(false);
    ResManager const* layout = ResManager::GetInstance();
    float const baseHeight = static_cast<float>(layout ? layout->GetBaseHeight() : bar.y + bar.height);
    tab->SetY(baseHeight + static_cast<float>(bar.height) * std::sin(-static_cast<float>(tabRise) / kTabRiseTop));
}

void CGuifPageHud::StartTransfer(int mode, int amount)
{
    constexpr int kNoTransfer = 7;
    if (mode == kNoTransfer || Skipping()) {
        transferTime = 0;
        return;
    }
    GuifHudManager::GetHudManager().SetHudMode(kHudOn);
    direction = amount > 0;
    // Modes 3 and 4 move a tile; the others move money.
    cashAnimation = mode != 3 && mode != 4;
    transferTime = TransferFlight::kFlightMs;
}

void CGuifPageHud::ShowTransferElements(int colour, int character)
{
    ShowControl(screen.Get(), "TransferImage", true);
    tabShown = true;
    tabRise = 0;
    bool const bank = colour < 0;
    ShowControl(screen.Get(), "TransferPlayerImage", !bank);
    SetSpriteImage(screen.Get(), "TransferImage", bank ? kBankTab : TabBackgroundOf(colour));
    if (!bank)
        SetSpriteImage(screen.Get(), "TransferPlayerImage", TabImageOf(character));
}

void CGuifPageHud::HideTransferElements() { tabShown = false; }

void CGuifPageHud::PlaceFlyingItems()
{
    TransferFlight::Item items[TransferFlight::kMoneyItems];
    Guif::Control* player = screen->FindControl("PlayerImage");
    Guif::Control* tab = screen->FindControl("TransferImage");
    Guif::TransformedSprite* playerSprite = FindTransformedSprite(screen.Get(), "PlayerImage");
    Guif::TransformedSprite* tabSprite = FindTransformedSprite(screen.Get(), "TransferImage");
    if (transferTime > 0 && player && tab && playerSprite && tabSprite) {
        TransferFlight::Point const own{player->CalculateX() - 0.25f * playerSprite->GetWidth(),
                                        player->CalculateY() + 0.5f * playerSprite->GetHeight()};
        TransferFlight::Point const other{tab->CalculateX() - 0.5f * tabSprite->GetWidth(),
                                          tab->CalculateY() - 0.7f * tabSprite->GetHeight()};
        TransferFlight::Place(own, other, direction, cashAnimation, transferTime, items);
    } else {
        for (TransferFlight::Item& item : items)
            item.shown = false;
    }
    for (int k = 0; k < TransferFlight::kMoneyItems; ++k)
        PlaceControl(screen.Get(), kMoneyItems[k], items[k].at.x, items[k].at.y, cashAnimation && items[k].shown);
    PlaceControl(screen.Get(), kTileItem, items[0].at.x, items[0].at.y, !cashAnimation && items[0].shown);
}

void CGuifPageHud::drawSelf(Norv::Surface* surface)
{
    if (slide.GetPosition() == 0)
        return;
    PlaceFlyingItems();
    screen->Render(surface, 0.0f, static_cast<float>(slide.Drop(surface ? surface->GetHeight() : 0)));
}

bool CGuifPageHud::Contains(int x, int y) const
{
    if (nextEventShown)
        return true;
    return bar.Contains(x, y);
}

void CGuifPageHud::onTouchUp(int x, int y, int id)
{
    if (slide.IsOnScreen())
        screen->OnTouchUp(x, y, id);
}

void CGuifPageHud::onTouchMove(int x, int y, int id)
{
    if (slide.IsOnScreen())
        screen->OnTouchMove(x, y, id);
}

void CGuifPageHud::keyPressed(int key) { screen->OnKeyDown(static_cast<Norv::KeyCode>(key)); }

} // namespace qrvl
