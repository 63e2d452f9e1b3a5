// The start of the game's Share the Wealth choice.
#include "qrvl/original/frontend/ModeChooseShareTheWealth.h"

#include "qrvl/menu/screens/FrameTime.h"
#include "qrvl/menu/hud/GuifHudManager.h"
#include "qrvl/original/rules/CardPile.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/rules/ShareTheWealthCard.h"
#include "qrvl/original/frontend/ChoiceScreenScript.h"

#include <algorithm>

char const ModeChooseShareTheWealth::className[] = "ModeChooseShareTheWealth";

Norv::Lunar<ModeChooseShareTheWealth>::RegType ModeChooseShareTheWealth::methods[] = {
    {"CardSelected", &ModeChooseShareTheWealth::l_CardSelected},
    {nullptr, nullptr},
};

ModeChooseShareTheWealth::~ModeChooseShareTheWealth()
{
    // A screen closed before the picks were made loses no card.
    for (ShareTheWealthCard*& card : cards) {
        if (card && pile)
            pile->putBack(card);
        card = nullptr;
    }
    CloseScreen();
}

void ModeChooseShareTheWealth::init(CardPile* cardPile, Player* chooser)
{
    ModeChoose::init(kNoTimeout);
    player = chooser;
    pile = cardPile;
    itemCount = 0;
    while (itemCount < kCardsDrawn) {
        auto* card = static_cast<ShareTheWealthCard*>(pile->drawOne(true));
        if (!card)
            break;
        cards[itemCount++] = card;
    }
    if (!screen)
        screen = qrvl::MakeChoiceScreen(this, "menu/chooseSTW.lua", {{"cardsDisplayed", kCardsDrawn}});
    screen->FadeIn();
    page = std::make_unique<qrvl::CGuifPageChooseCard>(Norv::SmartPtr<Guif::Screen>(screen.Get()));
    page->SetHeaderLabel("S_CHOOSE_SHARE_THE_WEALTH");
    page->Setup(std::min(kCardsKept, itemCount), itemCount);
    done = false;
    qrvl::GuifHudManager::GetHudManager().SwitchSubPage("ig_choosestw");
    qrvl::GuifHudManager::GetHudManager().HideHud();
    if (itemCount == 0) {
        done = true;
        PopWhenReady();
    }
}

void ModeChooseShareTheWealth::tick()
{
    UpdateScreen();
    if (page)
        page->Update(qrvl::LastFrameMs());
    if (!done && page) {
        if (int const* selections = page->GetSelections()) {
            Deal(selections);
            done = true;
            screen->FadeOut();
            PopWhenReady();
        }
    }
    ModeChoose::tick();
}

void ModeChooseShareTheWealth::Deal(int const* selections)
{
    for (int i = 0; i < kCardsDrawn && selections[i] != -1; ++i) {
        int const slot = selections[i];
        if (slot >= 0 && slot < kCardsDrawn && cards[slot]) {
            player->addShareTheWealth(cards[slot]);
            cards[slot] = nullptr;
        }
    }
    for (ShareTheWealthCard*& card : cards) {
        if (card)
            pile->putBack(card);
        card = nullptr;
    }
}

int ModeChooseShareTheWealth::l_CardSelected(lua_State* L)
{
    if (page && !done)
        page->HandleButtonSelected(static_cast<int>(luaL_checknumber(L, 1)));
    return 0;
}
