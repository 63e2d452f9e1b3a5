// The house carousel.
#include "qrvl/original/frontend/ModeChooseHouse.h"

#include "qrvl/menu/screens/FrameTime.h"
#include "qrvl/menu/hud/GuifHudManager.h"
#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/menu/screens/ScreenControls.h"
#include "qrvl/original/rules/CardPile.h"
#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/rules/HouseCard.h"
#include "qrvl/original/game/Hud.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/frontend/ChoiceScreenScript.h"
#include "qrvl/original/frontend/LabelledText.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"

#include <cstdio>
#include <string>

namespace {

std::string FrameControl(int n, char const* part)
{
    return "House" + std::to_string(n) + part;
}

char const* BuyHeader(Player const* player)
{
    return player->getHouse() ? "S_BTRHM" : "S_BUY_STRTR";
}

} // namespace

char const ModeChooseHouse::className[] = "ModeChooseHouse";

Norv::Lunar<ModeChooseHouse>::RegType ModeChooseHouse::methods[] = {
    {"BuyKeyPressed", &ModeChooseHouse::l_BuyKeyPressed},
    {"LeftArrowPressed", &ModeChooseHouse::l_LeftArrowPressed},
    {"RightArrowPressed", &ModeChooseHouse::l_RightArrowPressed},
    {nullptr, nullptr},
};

ModeChooseHouse::~ModeChooseHouse()
{
    CloseScreen();
}

void ModeChooseHouse::init(CardPile* housePile, Player* buyer, int timeoutMs)
{
    choice = 0;
    setTitle(FGStringManager::getString(BuyHeader(buyer)));
    ModeChoose::init(timeoutMs);
    drawBackground(false);
    showOnly = false;
    player = buyer;
    pile = housePile;
    items.clear();
    for (Card* card = pile->getCards(); card; card = card->next)
        items.push_back(static_cast<HouseCard*>(card));
    itemCount = static_cast<int>(items.size());
    setupGuif();
    if (itemCount > 0)
        SetupUIPage(buyer);
    else
        ShowNoHouseLeft();
}

void ModeChooseHouse::ShowNoHouseLeft()
{
    std::fprintf(stderr, "Houses: the pile is empty, nothing to buy\n");
    showOnly = true;
    carousel.reset();
    Guif::Screen* shown = screen.Get();
    qrvl::SetLineText(shown, "BuyHouseHeader", "S_NO_HOUSE_LEFT", false);
    qrvl::ShowControl(shown, "BuyButton", false);
    qrvl::SetLineText(shown, "BuyHouseMoney", "", true);
    for (int n = 1; n <= kLayoutFrames; ++n)
        qrvl::ShowControl(shown, ("House" + std::to_string(n)).c_str(), false);
    qrvl::ShowControl(shown, "LeftArrow", false);
    qrvl::ShowControl(shown, "RightArrow", false);
    qrvl::ShowControl(shown, "NoHouseLeft", true);
}

void ModeChooseHouse::ShowHouse(Card* card)
{
    items.assign(1, static_cast<HouseCard*>(card));
    itemCount = 1;
    showOnly = true;
    if (!HasTitleBar())
        setTitle(FGStringManager::getString("S_HOU"));
    setupGuif();
    SetupUIPage(nullptr);
}

void ModeChooseHouse::setupGuif()
{
    if (!screen)
        screen = qrvl::MakeChoiceScreen(this, "menu/buyHouse.lua");
    screen->FadeIn();
    qrvl::GuifHudManager::GetHudManager().HideHud();
}

void ModeChooseHouse::SetupUIPage(Player* buyer)
{
    Guif::Screen* shown = screen.Get();
    carousel = std::make_unique<qrvl::CGuifFrameTouchCarousel>();
    carousel->Init(*shown, "House", kLayoutFrames, itemCount, true);
    qrvl::ShowControl(shown, "NoHouseLeft", false);
    qrvl::SetLineText(shown, "BuyHouseHeader", buyer ? BuyHeader(buyer) : "S_HOU", false);
    for (int i = 0; i < itemCount; ++i) {
        if (items[i])
            PopulateCardFrame(*items[i], i, buyer && items[i]->price > buyer->getCash());
    }
    bool const person = buyer && !buyer->isComputer();
    qrvl::ShowControl(shown, "BuyButton", person);
    qrvl::SetLineText(shown, "BuyHouseMoney", person ? Hud::moneyText(buyer->getCash()) : "", true);
    carousel->SnapToFocus(0);
}

void ModeChooseHouse::PopulateCardFrame(HouseCard const& card, int index, bool loanNeeded)
{
    Guif::Screen* shown = screen.Get();
    int const n = index + 1;
    qrvl::SetLineText(shown, FrameControl(n, "FrameHeader").c_str(), card.textId, false);
    std::string const priceName = FrameControl(n, "Price");
    std::string const saleName = FrameControl(n, "SellPrice");
    Guif::Control* price = shown->FindControl(priceName.c_str());
    Guif::Control* sale = shown->FindControl(saleName.c_str());
    if (price && sale) {
        if (card.saleValue == -1) {
            // One price only: centred where the two lines would stand.
            price->SetY((price->GetY() + sale->GetY()) / 2);
            qrvl::ShowControl(shown, saleName.c_str(), false);
        } else {
            qrvl::SetLineText(shown, saleName.c_str(), qrvl::LabelledText("S_SL4", Hud::moneyText(card.saleValue)),
                              true);
        }
        qrvl::SetLineText(shown, priceName.c_str(), Hud::moneyText(card.price), true);
    }
    qrvl::ShowControl(shown, FrameControl(n, "LoanNeeded").c_str(), loanNeeded);
    qrvl::SetSpriteImage(shown, FrameControl(n, "CardImage").c_str(), card.journalPicture);
}

void ModeChooseHouse::tick()
{
    UpdateScreen();
    if (carousel)
        carousel->Update(Norv::NorvFloat(qrvl::LastFrameMs() / 1000.0f));
    ModeChoose::tick();
}

void ModeChooseHouse::onTouchUp(int x, int y, int id)
{
    if (qrvl::GuifHudManager::GetHudManager().IsTransitioning())
        return;
    if (showOnly)
        Press(kBuy);
    else
        ModeChoose::onTouchUp(x, y, id);
}

void ModeChooseHouse::keyPressed(int key)
{
    if (showOnly)
        Press(kBuy);
    else
        ModeChoose::keyPressed(key);
}

void ModeChooseHouse::buttonSelected(CGuiFrameTouchButton*)
{
    if (showOnly) {
        qrvl::PopMode();
        return;
    }
    if (!carousel || carousel->IsMoving())
        return;
    choice = carousel->GetCurrentFocus();
    if (choice >= 0 && choice < itemCount) {
        if (auto* card = static_cast<HouseCard*>(pile->drawThisCard(items[choice])))
            player->buyHouse(card);
    }
    qrvl::PopMode();
}

int ModeChooseHouse::l_BuyKeyPressed(lua_State*)
{
    Press(kBuy);
    return 0;
}

int ModeChooseHouse::l_LeftArrowPressed(lua_State*)
{
    if (carousel)
        carousel->ScrollToPrev();
    return 0;
}

int ModeChooseHouse::l_RightArrowPressed(lua_State*)
{
    if (carousel)
        carousel->ScrollToNext();
    return 0;
}
