// The college or career question.
#include "qrvl/original/frontend/ModeChoosePath.h"

#include "qrvl/menu/hud/GuifHudManager.h"
#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/original/frontend/ChoiceScreenScript.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"

char const ModeChoosePath::className[] = "ModeChoosePath";

Norv::Lunar<ModeChoosePath>::RegType ModeChoosePath::methods[] = {
    {"PathChosen", &ModeChoosePath::l_PathChosen},
    {nullptr, nullptr},
};

ModeChoosePath::~ModeChoosePath()
{
    CloseScreen();
}

ModeChoosePath::ModeChoosePath()
{
    screen = qrvl::MakeChoiceScreen(this, "menu/collegeOrCareer.lua");
}

void ModeChoosePath::init()
{
    choice = kNoAnswer;
    ModeChoose::init(kNoTimeout);
    screen->FadeIn();
    qrvl::GuifHudManager::GetHudManager().HideHud();
    qrvl::PlayMenuSound("menu_open");
}

void ModeChoosePath::tick()
{
    UpdateScreen();
    // Pops by its own rule: once answered and the slide-out is over.
    if (choice != kNoAnswer && !qrvl::GuifHudManager::GetHudManager().IsTransitioning())
        qrvl::PopMode();
}

void ModeChoosePath::buttonSelected(CGuiFrameTouchButton* button)
{
    qrvl::PlayMenuSound("menu_open");
    choice = button->id;
    if (QuorvelEngine* engine = qrvl::GetGameEngine())
        engine->lastChoice = choice;
    screen->FadeOut();
}

int ModeChoosePath::l_PathChosen(lua_State* L)
{
    Press(static_cast<int>(luaL_checknumber(L, 1)));
    return 0;
}
