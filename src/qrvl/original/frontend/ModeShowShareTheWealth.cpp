// The Share the Wealth card carousel.
#include "qrvl/original/frontend/ModeShowShareTheWealth.h"

#include "qrvl/menu/screens/FrameTime.h"
#include "qrvl/menu/hud/GuifHudManager.h"
#include "qrvl/menu/screens/ScreenControls.h"
#include "qrvl/original/framework/FGApp.h"
#include "qrvl/original/rules/ShareTheWealthCard.h"
#include "qrvl/original/frontend/ChoiceScreenScript.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"

#include "norv/base/Registry.h"

#include <cstring>
#include <string>

namespace {

// A card's picture by the money of the text language: dollars, pounds or euros.
struct MoneyPictures {
    char const* dollar;
    char const* pound;
    char const* euro;
};
constexpr MoneyPictures kSharePictures = {"menu/gfx/stwCardPay.png@linear", "menu/gfx/stwCardPound.png@linear",
                                          "menu/gfx/stwCardEuro.png@linear"};
constexpr MoneyPictures kExemptionPictures = {"menu/gfx/stwCardEx.png@linear", "menu/gfx/stwCardExPound.png@linear",
                                              "menu/gfx/stwCardExEuro.png@linear"};

char const* InMoneyOf(MoneyPictures const& pictures, char const* language)
{
    if (std::strcmp(language, "en_am") == 0)
        return pictures.dollar;
    return std::strcmp(language, "en") == 0 ? pictures.pound : pictures.euro;
}

std::string FrameControl(int n, char const* part)
{
    return "STW" + std::to_string(n) + part;
}

} // namespace

char const ModeShowShareTheWealth::className[] = "ModeShowShareTheWealth";

Norv::Lunar<ModeShowShareTheWealth>::RegType ModeShowShareTheWealth::methods[] = {
    {"ConfirmKeyPressed", &ModeShowShareTheWealth::l_ConfirmKeyPressed},
    {"LeftArrowPressed", &ModeShowShareTheWealth::l_LeftArrowPressed},
    {"RightArrowPressed", &ModeShowShareTheWealth::l_RightArrowPressed},
    {nullptr, nullptr},
};

ModeShowShareTheWealth::~ModeShowShareTheWealth()
{
    CloseScreen();
}

char const* ModeShowShareTheWealth::PictureOf(int kind, char const* language)
{
    switch (kind) {
    case ShareTheWealthCard::kShareCollect:
    case ShareTheWealthCard::kSharePay:
        return InMoneyOf(kSharePictures, language);
    case ShareTheWealthCard::kExemption:
        return InMoneyOf(kExemptionPictures, language);
    case ShareTheWealthCard::kSpinTwice:
    case ShareTheWealthCard::kSpinFour:
    case ShareTheWealthCard::kAnySpin:
        return "menu/gfx/stwCardSpin.png@linear";
    case ShareTheWealthCard::kNoCard:
        return "menu/gfx/stwCardExSpin.png@linear";
    default:
        return nullptr;
    }
}

void ModeShowShareTheWealth::init(ShareTheWealthCard* card, int timeoutMs)
{
    ModeChoose::init(timeoutMs);
    drawBackground(false);
    cards.assign(1, card);
    setupGuif();
    SetupUIPage();
}

void ModeShowShareTheWealth::init(ShareTheWealthCard* list)
{
    ModeChoose::init(kNoTimeout);
    cards.clear();
    for (Card* card = list; card; card = card->next)
        cards.push_back(static_cast<ShareTheWealthCard*>(card));
    setupGuif();
    SetupUIPage();
}

void ModeShowShareTheWealth::init(ShareTheWealthCard* list, bool titleBar, bool noLoop, bool background,
                                  bool withPrompt)
{
    init(list);
    drawTitleBar(titleBar);
    if (noLoop)
        dontLoop();
    drawBackground(background);
    prompt = withPrompt ? "S_STW_PROMPT" : nullptr;
    qrvl::SetLineText(screen.Get(), "Prompt", prompt ? prompt : "", prompt == nullptr);
}

void ModeShowShareTheWealth::setupGuif()
{
    if (!screen)
        screen = qrvl::MakeChoiceScreen(this, "menu/showSTW.lua");
    qrvl::ShowControl(screen.Get(), "BackButton", false);
    qrvl::GuifHudManager::GetHudManager().SwitchSubPage("ig_showsharethewealth");
    screen->FadeIn();
}

void ModeShowShareTheWealth::SetupUIPage()
{
    itemCount = static_cast<int>(cards.size());
    carousel = std::make_unique<qrvl::CGuifFrameTouchCarousel>();
    carousel->Init(*screen, "STW", kLayoutFrames, itemCount, true);
    carousel->SnapToFocus(0);
    for (int i = 0; i < itemCount; ++i)
        PopulateCardFrame(cards[i], i, screen.Get());
}

void ModeShowShareTheWealth::PopulateCardFrame(ShareTheWealthCard const* card, int i, Guif::Screen* screen)
{
    if (!card)
        return;
    Norv::NarrowString language;
    if (Norv::g_registry)
        Norv::g_registry->Get(FGApp::kLanguageKey, language);
    int const n = i + 1;
    qrvl::SetLineText(screen, FrameControl(n, "FrameHeader").c_str(), card->titleId, false);
    if (Guif::TextBox* description = qrvl::FindTextBox(screen, FrameControl(n, "CardDescription").c_str()))
        description->SetText(1, card->textId);
    if (char const* picture = PictureOf(card->id, language.c_str()))
        qrvl::SetSpriteImage(screen, FrameControl(n, "CardImage").c_str(), picture);
}

void ModeShowShareTheWealth::tick()
{
    UpdateScreen();
    if (carousel)
        carousel->Update(Norv::NorvFloat(qrvl::LastFrameMs() / 1000.0f));
    ModeChoose::tick();
}

void ModeShowShareTheWealth::buttonSelected(CGuiFrameTouchButton* button)
{
    if (button->id != kConfirm)
        return;
    screen->FadeOut();
    PopWhenReady();
}

int ModeShowShareTheWealth::l_ConfirmKeyPressed(lua_State*)
{
    Press(kConfirm);
    return 0;
}

int ModeShowShareTheWealth::l_LeftArrowPressed(lua_State*)
{
    if (carousel)
        carousel->ScrollToPrev();
    return 0;
}

int ModeShowShareTheWealth::l_RightArrowPressed(lua_State*)
{
    if (carousel)
        carousel->ScrollToNext();
    return 0;
}
