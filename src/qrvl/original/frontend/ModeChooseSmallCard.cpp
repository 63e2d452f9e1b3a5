// The face-down career cards.
#include "qrvl/original/frontend/ModeChooseSmallCard.h"

#include "qrvl/menu/screens/FrameTime.h"
#include "qrvl/menu/hud/GuifHudManager.h"
#include "qrvl/original/frontend/ChoiceScreenScript.h"

#include <algorithm>

char const ModeChooseSmallCard::className[] = "ModeChooseSmallCard";

Norv::Lunar<ModeChooseSmallCard>::RegType ModeChooseSmallCard::methods[] = {
    {"CardSelected", &ModeChooseSmallCard::l_CardSelected},
    {nullptr, nullptr},
};

ModeChooseSmallCard::~ModeChooseSmallCard()
{
    CloseScreen();
}

int ModeChooseSmallCard::CardsToPick(int careerType, int count)
{
    if (count <= 0)
        return 0;
    return careerType != kPlainCareers && count > 1 ? 2 : 1;
}

void ModeChooseSmallCard::init(int careerType, int count)
{
    ModeChoose::init(kNoTimeout);
    itemCount = std::max(count, 0);
    done = false;
    if (itemCount == 0) {
        // Nothing to pick from: the caller goes on with what the piles hold.
        done = true;
        PopWhenReady();
        return;
    }
    if (!screen)
        screen = qrvl::MakeChoiceScreen(this, "menu/chooseSTW.lua", {{"cardsDisplayed", itemCount}});
    screen->FadeIn();
    page = std::make_unique<qrvl::CGuifPageChooseCard>(Norv::SmartPtr<Guif::Screen>(screen.Get()));
    int const toPick = CardsToPick(careerType, itemCount);
    page->SetHeaderLabel(toPick == 2 ? "S_CHOOSE_TWO_CAREERS" : "S_CHOOSE_ONE_CAREER");
    page->Setup(toPick, itemCount);
    qrvl::GuifHudManager::GetHudManager().SetHudMode(kHudBothOff);
}

void ModeChooseSmallCard::activate()
{
    qrvl::GuifHudManager::GetHudManager().HideHudOverlay();
    ModeChoose::activate();
}

void ModeChooseSmallCard::tick()
{
    UpdateScreen();
    if (page) {
        page->Update(qrvl::LastFrameMs());
        if (!done && page->GetSelections()) {
            done = true;
            screen->FadeOut();
            PopWhenReady();
        }
    }
    ModeChoose::tick();
}

int ModeChooseSmallCard::l_CardSelected(lua_State* L)
{
    if (page)
        page->HandleButtonSelected(static_cast<int>(luaL_checknumber(L, 1)));
    return 0;
}
