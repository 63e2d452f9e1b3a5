// Spin to Win and investment numbers.
#include "qrvl/original/frontend/ModeSpin2Win.h"

#include "qrvl/menu/screens/FrameTime.h"
#include "qrvl/menu/hud/GuifHudManager.h"
#include "qrvl/menu/screens/HudPageScript.h"
#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/menu/screens/ScreenControls.h"
#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/rules/PlayerEnums.h"
#include "qrvl/original/rules/ShareTheWealthCard.h"
#include "qrvl/original/frontend/ChoiceScreenScript.h"
#include "qrvl/original/frontend/ModeYesNo.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"
#include "qrvl/original/framework/GameUtil.h"

#include <cstdio>

namespace {

constexpr char const* kNumberScript = "menu/spinToWinSelect.lua";
constexpr char const* kWagerScript = "menu/spinToWinWager.lua";
constexpr char const* kCardsScript = "menu/showSTW.lua";
// How long the shown stake takes to roll to a new stake.
constexpr int kWagerRollMs = 1000;

char const* Text(char const* id) { return FGStringManager::getString(id); }

char const* WagerTab(int colour) { return PlayerEnums::PictureAt(ColourEnums::g_WagerTabs, colour); }

void SetHudOn() { qrvl::GuifHudManager::GetHudManager().SetHudMode(kHudOn); }

// How many numbers a spin card lets the player pick; "no card" one.
int NumbersAllowedBy(int kind)
{
    switch (kind) {
    case ShareTheWealthCard::kSpinFour:
        return 4;
    case ShareTheWealthCard::kSpinTwice:
        return 2;
    default:
        return 1;
    }
}

} // namespace

char const ModeSpin2Win::className[] = "ModeSpin2Win";

Norv::Lunar<ModeSpin2Win>::RegType ModeSpin2Win::methods[] = {
    {"BackKeyPressed", &ModeSpin2Win::l_BackKeyPressed},
    {"OKKeyPressed", &ModeSpin2Win::l_OKKeyPressed},
    {"WagerLeftArrowPressed", &ModeSpin2Win::l_WagerLeftArrowPressed},
    {"WagerRightArrowPressed", &ModeSpin2Win::l_WagerRightArrowPressed},
    {"WagerButtonPressed", &ModeSpin2Win::l_WagerButtonPressed},
    {"ConfirmKeyPressed", &ModeSpin2Win::l_ConfirmKeyPressed},
    {"LeftArrowPressed", &ModeShowShareTheWealth::l_LeftArrowPressed},
    {"RightArrowPressed", &ModeShowShareTheWealth::l_RightArrowPressed},
    {nullptr, nullptr},
};

ModeSpin2Win::~ModeSpin2Win()
{
    CloseScreen();
    numberScreen.Release();
    wagerScreen.Release();
}

void ModeSpin2Win::init(Hud* gameHud, Player* who)
{
    hud = gameHud;
    player = who;
    investment = false;
    allowed = 1;
    playedCard = nullptr;
    wager = shownWager = kMinWager;
    if (player && player->hasSTWCard(ShareTheWealthCard::kAnySpin))
        ShowSpinCards();
    else
        SelectNumbers(true);
}

void ModeSpin2Win::addCarouselCard(int kind)
{
    carouselCards.emplace_back(ShareTheWealthCard::create(kind));
    cards.push_back(carouselCards.back().get());
}

void ModeSpin2Win::ShowSpinCards()
{
    page = CardPage;
    if (carouselCards.empty()) {
        for (int kind : {ShareTheWealthCard::kSpinTwice, ShareTheWealthCard::kSpinFour}) {
            if (player->hasSTWCard(kind))
                addCarouselCard(kind);
        }
        addCarouselCard(ShareTheWealthCard::kNoCard);
    }
    if (!screen) {
        screen = qrvl::MakeChoiceScreen(this, kCardsScript);
        qrvl::SetLineText(screen.Get(), "ConfirmKeyLabel", Text("S_STW_USECARD"), true);
    }
    qrvl::GuifHudManager::GetHudManager().SetHudMode(kHudBothOff);
    SetupUIPage();
}

void ModeSpin2Win::init(Player* who, Hud* gameHud, int* numberOwners)
{
    hud = gameHud;
    player = who;
    owners = numberOwners;
    investment = true;
    allowed = 1;
    SelectNumbers(true);
}

qrvl::TranslatableScreen* ModeSpin2Win::GetCurrentScreen() const
{
    switch (page) {
    case WagerPage:
        return wagerScreen.Get();
    case CardPage:
        return screen.Get();
    default:
        return numberScreen.Get();
    }
}

bool ModeSpin2Win::numberIsTaken(int n) const
{
    for (int i = 0; i < chosenCount; ++i) {
        if (chosen[i] == n)
            return true;
    }
    return false;
}

void ModeSpin2Win::SelectNumbers(bool first)
{
    page = investment ? InvestmentPage : NumberPage;
    if (first) {
        chosenCount = 0;
        for (int& n : chosen)
            n = -1;
    }
    if (!numberScreen) {
        numberScreen = new qrvl::TranslatableScreen(0, nullptr);
        qrvl::RunHudPageScript(numberScreen->GetLua(), kNumberScript, this);
    }
    qrvl::GuifHudManager::GetHudManager().SetHudMode(kHudBothOff);
    Guif::Screen* screen = numberScreen.Get();
    qrvl::SetLineText(screen, "FrameHeader", Text(investment ? "LTI_TITLE" : "S_SPN2"), true);
    if (Guif::TextBox* description = qrvl::FindTextBox(screen, "SpinDescription"))
        description->SetText(1, Text(investment ? "LTI_PROMPT" : "S_STW_SELNUMBER"));
    int const colour = player ? player->getColor() : 0;
    qrvl::SetSpriteImage(screen, "WagerTab", WagerTab(colour));
    char text[32];
    std::snprintf(text, sizeof text, "x%d", allowed - chosenCount);
    qrvl::SetLineText(screen, "WagerTabLabel", text, true);
    for (int n = 0; n < kNumbers; ++n) {
        std::snprintf(text, sizeof text, "Number%dWager", n + 1);
        int owner = kNoOwner;
        if (numberIsTaken(n))
            owner = colour;
        else if (investment && owners)
            owner = owners[n];
        bool const marked = owner >= 0 && owner < ColourEnums::kColours;
        qrvl::ShowControl(screen, text, marked);
        if (marked)
            qrvl::SetSpriteImage(screen, text, WagerTab(owner));
    }
    qrvl::ShowControl(screen, "OKKey", chosenCount == allowed);
}

void ModeSpin2Win::ShowWagerArrows()
{
    qrvl::ShowControl(wagerScreen.Get(), "WagerLeftArrow", wager > kMinWager);
    qrvl::ShowControl(wagerScreen.Get(), "WagerRightArrow", wager < kMaxWager);
}

void ModeSpin2Win::ShowWager()
{
    page = WagerPage;
    if (!wagerScreen) {
        wagerScreen = new qrvl::TranslatableScreen(0, nullptr);
        qrvl::RunHudPageScript(wagerScreen->GetLua(), kWagerScript, this);
    }
    qrvl::SetLineText(wagerScreen.Get(), "FrameHeader", Text("S_SPN2"), true);
    qrvl::SetLineText(wagerScreen.Get(), "TitleTextLine", Text("S_CHS_AMT"), true);
    qrvl::SetLineText(wagerScreen.Get(), "WagerLabel", GameUtil::getMoneyString(shownWager), true);
    ShowWagerArrows();
}

void ModeSpin2Win::confirmQuit(char const* textId)
{
    ModeYesNo* question = new ModeYesNo;
    question->init(Text(textId ? textId : "S_QUIT_S2W"), nullptr, nullptr, hud, false, false);
    qrvl::PushMode(question);
    qrvl::PlayMenuSound("frontend_back");
    quitAsked = true;
}

void ModeSpin2Win::activate()
{
    QuorvelMode::activate();
    qrvl::HideSoftkeys();
    if (!quitAsked)
        return;
    quitAsked = false;
    QuorvelEngine* engine = qrvl::GetGameEngine();
    if (engine && engine->lastChoice == 0) {
        engine->lastChoice = -1;
        SetHudOn();
        qrvl::PopMode();
    }
}

void ModeSpin2Win::Finish()
{
    SetHudOn();
    qrvl::PopMode();
}

void ModeSpin2Win::Toggle(int number)
{
    int const n = number - 1;
    if (numberIsTaken(n)) {
        int at = 0;
        while (chosen[at] != n)
            ++at;
        for (; at + 1 < chosenCount; ++at)
            chosen[at] = chosen[at + 1];
        chosen[--chosenCount] = -1;
        qrvl::PlayMenuSound("frontend_back");
    } else if (chosenCount < allowed && !(investment && owners && owners[n] != kNoOwner)) {
        chosen[chosenCount++] = n;
        qrvl::PlayMenuSound("fe_select");
    }
    SelectNumbers(false);
}

void ModeSpin2Win::buttonSelected(CGuiFrameTouchButton* button)
{
    int const id = button->id;
    switch (page) {
    case CardPage:
        if (id == PlayCard && carousel && !carousel->IsMoving() && !cards.empty()) {
            ShareTheWealthCard const* card = cards[static_cast<size_t>(carousel->GetCurrentFocus())];
            allowed = NumbersAllowedBy(card->id);
            playedCard = card->id == ShareTheWealthCard::kNoCard ? nullptr : card;
            SelectNumbers(true);
        } else if (id == Back) {
            confirmQuit(nullptr);
        }
        break;
    case NumberPage:
    case InvestmentPage:
        if (id == Back && !investment && player && player->hasSTWCard(ShareTheWealthCard::kAnySpin)) {
            qrvl::PlayMenuSound("frontend_back");
            allowed = 1;
            playedCard = nullptr;
            ShowSpinCards();
        } else if (id == Back) {
            confirmQuit(investment ? "S_QUIT_LTI" : nullptr);
        } else if (id == OK) {
            if (chosenCount != allowed)
                break;
            qrvl::PlayMenuSound("fe_select");
            if (!investment) {
                ShowWager();
                break;
            }
            // Charged once: the mode is gone after this.
            player->transactCash(-kInvestmentPrice, MoneyCause::InvestmentPurchase);
            player->setInvestment(chosen[0]);
            if (owners)
                owners[chosen[0]] = player->getColor();
            qrvl::GuifHudManager::GetHudManager().SwitchSubPage("ig_empty");
            Finish();
        } else if (id >= 1 && id <= kNumbers) {
            Toggle(id);
        }
        break;
    case WagerPage:
        if (id == WagerUp || id == WagerDown) {
            wager += id == WagerUp ? kWagerStep : -kWagerStep;
            wager = wager < kMinWager ? kMinWager : (wager > kMaxWager ? kMaxWager : wager);
            qrvl::PlayMenuSound(id == WagerUp ? "fe_select" : "frontend_back");
            wagerTimerMs = kWagerRollMs;
            ShowWagerArrows();
        } else if (id == Back) {
            qrvl::PlayMenuSound("frontend_back");
            SelectNumbers(false);
        } else if (id == OK) {
            qrvl::PlayMenuSound("fe_select");
            if (playedCard)
                player->useSTWCard(playedCard->id);
            player->setSpin2Win(chosen, allowed, wager);
            if (QuorvelEngine* engine = qrvl::GetGameEngine())
                engine->lastChoice = kConfirmed;
            Finish();
        }
        break;
    default:
        if (id != Back)
            Finish();
        break;
    }
}

void ModeSpin2Win::tick()
{
    int const ms = qrvl::LastFrameMs();
    if (qrvl::TranslatableScreen* shown = GetCurrentScreen())
        shown->Update(ms * 0.001);
    if (carousel)
        carousel->Update(ms * 0.001);
    if (page != WagerPage || shownWager == wager)
        return;
    wagerTimerMs -= ms;
    if (wagerTimerMs <= 0 || ms <= 0)
        shownWager = wager;
    else
        shownWager += (wager - shownWager) * ms / (wagerTimerMs + ms);
    qrvl::SetLineText(wagerScreen.Get(), "WagerLabel", GameUtil::getMoneyString(shownWager), true);
}

void ModeSpin2Win::drawSelf(Norv::Surface* surface)
{
    if (qrvl::TranslatableScreen* shown = GetCurrentScreen())
        shown->Render(surface, 0, 0);
}

void ModeSpin2Win::onTouchUp(int x, int y, int id)
{
    if (qrvl::TranslatableScreen* shown = GetCurrentScreen())
        shown->OnTouchUp(x, y, id);
}

void ModeSpin2Win::onTouchDown(int x, int y, int id)
{
    if (qrvl::TranslatableScreen* shown = GetCurrentScreen())
        shown->OnTouchDown(x, y, id);
}

void ModeSpin2Win::onTouchMove(int x, int y, int id)
{
    if (qrvl::TranslatableScreen* shown = GetCurrentScreen())
        shown->OnTouchMove(x, y, id);
}

void ModeSpin2Win::keyPressed(int key)
{
    if (qrvl::TranslatableScreen* shown = GetCurrentScreen())
        shown->OnKeyDown(static_cast<Norv::KeyCode>(key));
}

int ModeSpin2Win::l_BackKeyPressed(lua_State*)
{
    Press(Back);
    return 0;
}

int ModeSpin2Win::l_OKKeyPressed(lua_State*)
{
    Press(OK);
    return 0;
}

int ModeSpin2Win::l_WagerLeftArrowPressed(lua_State*)
{
    Press(WagerDown);
    return 0;
}

int ModeSpin2Win::l_WagerRightArrowPressed(lua_State*)
{
    Press(WagerUp);
    return 0;
}

int ModeSpin2Win::l_WagerButtonPressed(lua_State* L)
{
    Press(static_cast<int>(Norv::Lua(L).CheckNumber(1)));
    return 0;
}

int ModeSpin2Win::l_ConfirmKeyPressed(lua_State*)
{
    Press(PlayCard);
    return 0;
}
