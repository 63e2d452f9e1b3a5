// The career card screen.
#include "qrvl/original/frontend/ModeChooseCareer.h"

#include "qrvl/menu/hud/GuifHudManager.h"
#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/menu/screens/ScreenControls.h"
#include "qrvl/original/rules/CareerCard.h"
#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/game/Hud.h"
#include "qrvl/original/frontend/ChoiceScreenScript.h"
#include "qrvl/original/frontend/LabelledText.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"

#include <string>

char const ModeChooseCareer::className[] = "ModeChooseCareer";

Norv::Lunar<ModeChooseCareer>::RegType ModeChooseCareer::methods[] = {
    {"CareerSelected", &ModeChooseCareer::l_CareerSelected},
    {nullptr, nullptr},
};

ModeChooseCareer::~ModeChooseCareer()
{
    CloseScreen();
}

void ModeChooseCareer::init(int timeoutMs)
{
    choice = 0;
    itemCount = 2;
    cards[0] = cards[1] = nullptr;
    ModeChoose::init(timeoutMs);
    drawBackground(false);
    setTitle(FGStringManager::getString("S_CHS_CLG"));
    qrvl::PlayMenuSound("menu_open");
}

void ModeChooseCareer::SetCards(CareerCard* left, CareerCard* right)
{
    cards[0] = left;
    cards[1] = right;
    InitGuif(2);
    qrvl::GuifHudManager::GetHudManager().HideHud();
    PopulateCardFrame(left, "Left");
    PopulateCardFrame(right, "Right");
}

void ModeChooseCareer::ShowJob(CareerCard* card)
{
    cards[0] = card;
    itemCount = 1;
    setTitle(FGStringManager::getString("S_CAR_SAL"));
    InitGuif(1);
    qrvl::GuifHudManager::GetHudManager().HideHud();
    PopulateCardFrame(card, "Left");
}

void ModeChooseCareer::InitGuif(int numCareers)
{
    if (!screen)
        screen = qrvl::MakeChoiceScreen(this, "menu/chooseCareerCards.lua", {{"numCareers", numCareers}});
    screen->FadeIn();
}

std::string ModeChooseCareer::MaxSalaryText(CareerCard const& card)
{
    std::string const amount =
        card.maxSalary == -1 ? FGStringManager::getString("S_NONE") : Hud::moneyText(card.maxSalary);
    return qrvl::LabelledText("S_MAX", amount);
}

void ModeChooseCareer::PopulateCardFrame(CareerCard const* card, char const* side)
{
    Guif::Screen* shown = screen.Get();
    std::string const prefix = side;
    qrvl::ShowControl(shown, (prefix + "Card").c_str(), card != nullptr);
    if (!card)
        return;
    qrvl::SetSpriteImage(shown, (prefix + "CareerImage").c_str(), card->journalPicture);
    qrvl::SetLineText(shown, (prefix + "CareerName").c_str(), card->textId, false);
    qrvl::SetLineText(shown, (prefix + "CareerSalary").c_str(), Hud::moneyText(card->salary), true);
    qrvl::SetLineText(shown, (prefix + "CareerMaxSalary").c_str(), MaxSalaryText(*card), true);
    qrvl::SetLineText(shown, (prefix + "CareerTaxes").c_str(), qrvl::LabelledText("S_TAX", Hud::moneyText(card->tax)),
                      true);
}

void ModeChooseCareer::tick()
{
    UpdateScreen();
    ModeChoose::tick();
}

void ModeChooseCareer::buttonSelected(CGuiFrameTouchButton* button)
{
    choice = button->id;
    if (QuorvelEngine* engine = qrvl::GetGameEngine())
        engine->lastChoice = choice;
    qrvl::PopMode();
}

int ModeChooseCareer::l_CareerSelected(lua_State* L)
{
    int const id = static_cast<int>(luaL_checknumber(L, 1));
    Press(itemCount == 1 ? kConfirmed : id);
    return 0;
}
