// The fork question.
#include "qrvl/original/frontend/ModeBranch.h"

#include "qrvl/menu/screens/FrameTime.h"
#include "qrvl/menu/hud/GuifHudManager.h"
#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/menu/screens/ScreenControls.h"
#include "qrvl/original/framework/FGModeManager.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/rules/PlayerJournal.h"
#include "qrvl/original/frontend/ChoiceScreenScript.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"

#include <cstdio>

namespace {

constexpr char const* kScriptFile = "menu/pathChoice.lua";

// The retirement homes' details depend on the tiles left; their screen
// gives them.
constexpr ModeBranch::Look kLooks[] = {
    {"S53_LEFT", "BRANCH_CONTINUE", "menu/gfx/books.png@linear", "menu/gfx/truckIcon.png@linear", "S53_LEFT_TEXT",
     "S53_RIGHT_TEXT"},
    {"S68_LEFT", "S68_RIGHT", "menu/gfx/iconGrad.png@linear", "menu/gfx/plusMoneyBig.png@linear", "S68_LEFT_TEXT",
     "S68_RIGHT_TEXT"},
    {"S91_LEFT", "BRANCH_CONTINUE", "menu/gfx/iconBaby.png@linear", "menu/gfx/truckIcon.png@linear", "S91_LEFT_TEXT",
     "S91_RIGHT_TEXT"},
    {"S120_RIGHT", "S120_LEFT", "menu/gfx/smlSpinnerUI.png@linear", "menu/gfx/iconComp.png@linear", "S120_RIGHT_TEXT",
     "S120_LEFT_TEXT"},
    {"S_YOU_RETIRE_LEFT", "S_YOU_RETIRE_RIGHT", "menu/gfx/JNL_MillionaireMansion_Small.png@linear",
     "menu/gfx/JNL_CountryEstate_Small.png@linear", nullptr, nullptr},
};
constexpr int kTypeCount = sizeof kLooks / sizeof kLooks[0];

// The journal events of the way taken: for answer 0, then for any other.
struct JournalEvents {
    char const* firstWay;
    char const* otherWay;
};
constexpr JournalEvents kJournalEvents[kTypeCount] = {
    {"je_school_return", "je_path_of_quorvel"},
    {nullptr, nullptr},
    {"je_family_path", "je_path_of_quorvel_family"},
    {"je_safe_path", "je_risky_path"},
    {"je_millionaire_mansion", "je_country_estate"},
};

// A way's details wrap in the box under its picture.
void ShowDetails(Guif::Screen* screen, char const* name, char const* text)
{
    Guif::TextBox* details = qrvl::FindTextBox(screen, name);
    if (text && details)
        details->SetText(1, text);
    qrvl::ShowControl(screen, name, text != nullptr);
}

} // namespace

char const ModeBranch::className[] = "ModeBranch";

Norv::Lunar<ModeBranch>::RegType ModeBranch::methods[] = {
    {"PathChosen", &ModeBranch::l_PathChosen},
    {nullptr, nullptr},
};

ModeBranch::Look const* ModeBranch::LookOf(int type)
{
    return type >= 0 && type < kTypeCount ? &kLooks[type] : nullptr;
}

int ModeBranch::AnswerFor(int type, int id)
{
    if (type == Branch::RiskyPath)
        return id == 1 ? 0 : 1;
    return id;
}

char const* ModeBranch::JournalEventFor(int type, int answer)
{
    if (!LookOf(type) || type == Branch::ChangeCareer)
        return nullptr;
    return answer == 0 ? kJournalEvents[type].firstWay : kJournalEvents[type].otherWay;
}

void ModeBranch::init(Branch::BranchType branchType, Player* chooser, char const* left, char const* right)
{
    type = branchType;
    player = chooser;
    leftText = left;
    rightText = right;
    if (!LookOf(type)) {
        // A fork the screen cannot show still has to be answered, or the
        // game would wait for ever.
        std::fprintf(stderr, "Fork: unknown fork type %d, taking the first way\n", type);
        return;
    }
    if (!screen)
        screen = qrvl::MakeChoiceScreen(this, kScriptFile);
    screen->FadeIn();
}

void ModeBranch::activate()
{
    // The bars slide off, and come back with the road's next HUD mode.
    qrvl::GuifHudManager& hudManager = qrvl::GuifHudManager::GetHudManager();
    hudManager.HideHudOverlay();
    hudManager.SwitchToBranchSubPage(type, leftText, rightText);
    if (screen)
        ShowLook();
    QuorvelMode::activate();
}

void ModeBranch::deactivate()
{
    qrvl::GuifHudManager::GetHudManager().LeaveCurrentSubPage();
    QuorvelMode::deactivate();
}

void ModeBranch::ShowLook()
{
    Look const* look = LookOf(type);
    if (!look)
        return;
    Guif::Screen* shown = screen.Get();
    qrvl::ShowControl(shown, "StopSign", branchHasStop(type));
    qrvl::SetLineText(shown, "LeftFrameHeader", look->leftHeader, false);
    qrvl::SetLineText(shown, "RightFrameHeader", look->rightHeader, false);
    qrvl::ShowControl(shown, "LeftButtonImage", true);
    qrvl::ShowControl(shown, "RightButtonImage", true);
    qrvl::SetSpriteImage(shown, "LeftButtonImage", look->leftImage);
    qrvl::SetSpriteImage(shown, "RightButtonImage", look->rightImage);
    ShowDetails(shown, "LeftFrameDetails", leftText);
    ShowDetails(shown, "RightFrameDetails", rightText);
}

void ModeBranch::tick()
{
    if (!LookOf(type)) {
        Press(0);
        return;
    }
    if (screen)
        screen->Update(Norv::NorvFloat(qrvl::LastFrameMs() / 1000.0f));
}

void ModeBranch::drawSelf(Norv::Surface* surface)
{
    if (drawCovered) {
        QuorvelEngine* engine = qrvl::GetGameEngine();
        if (FGMode* below = engine ? engine->getModeManager()->getPreviousMode(1) : nullptr)
            below->drawSelf(surface);
        drawCovered = false;
    }
    if (screen)
        screen->Render(surface, 0.0f, 0.0f);
}

// Taps wait for this screen's own slide only: another screen's slide left
// counted (one covered before it ended) must not keep the question closed.
void ModeBranch::onTouchUp(int x, int y, int id)
{
    if (screen && screen->CanReceiveEvents())
        screen->OnTouchUp(x, y, id);
}

void ModeBranch::onTouchDown(int x, int y, int id)
{
    if (screen)
        screen->OnTouchDown(x, y, id);
}

void ModeBranch::keyPressed(int key)
{
    if (screen && screen->CanReceiveEvents())
        screen->OnKeyDown(static_cast<Norv::KeyCode>(key));
}

void ModeBranch::buttonSelected(CGuiFrameTouchButton* button)
{
    int const answer = AnswerFor(type, button->id);
    if (QuorvelEngine* engine = qrvl::GetGameEngine())
        engine->lastChoice = answer;
    qrvl::PopMode();
    if (!player)
        return;
    if (type == Branch::ChangeCareer) {
        if (answer == 0)
            player->setPendingJournalEvent(PlayerJournal::hashName("je_change_career"));
        return;
    }
    PlayerJournal* journal = player->getJournal();
    if (char const* event = JournalEventFor(type, answer); event && journal)
        journal->addEntry(PlayerJournal::hashName(event), player);
}

void ModeBranch::Press(int id)
{
    CGuiFrameTouchButton button(id);
    buttonSelected(&button);
}

int ModeBranch::l_PathChosen(lua_State* L)
{
    Press(static_cast<int>(luaL_checknumber(L, 1)));
    return 0;
}
