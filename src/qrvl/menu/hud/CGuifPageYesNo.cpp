// The yes/no page: its script, its texts and its answer.
#include "qrvl/menu/hud/CGuifPageYesNo.h"

#include "guif/TextBox.h"
#include "guif/TextLine.h"
#include "qrvl/menu/screens/HudPageScript.h"
#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/menu/hud/YesNoLabels.h"
#include "qrvl/original/framework/QuorvelEngine.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"

#include <cstdio>

namespace qrvl {

namespace {

constexpr char const* kScriptFile = "menu/yesNo.lua";

void Show(Guif::Control* control, bool shown)
{
    if (!control)
        return;
    control->SetVisibilityExists(true);
    control->SetVisibleFlag(shown);
}

} // namespace

char const CGuifPageYesNo::className[] = "CGuifPageYesNo";

Norv::Lunar<CGuifPageYesNo>::RegType CGuifPageYesNo::methods[] = {
    {"YesKeyPressed", &CGuifPageYesNo::l_YesKeyPressed},
    {"NoKeyPressed", &CGuifPageYesNo::l_NoKeyPressed},
    {"OKKeyPressed", &CGuifPageYesNo::l_OKKeyPressed},
    {nullptr, nullptr},
};

CGuifPageYesNo::CGuifPageYesNo() : screen(new TranslatableScreen(0, nullptr))
{
    RunHudPageScript(screen->GetLua(), kScriptFile, this);
    header = dynamic_cast<Guif::TextLine*>(screen->FindControl("Header"));
    ribbon = screen->FindControl("BoardImage");
    subtext = dynamic_cast<Guif::TextBox*>(screen->FindControl("Subtext"));
    yesKey = screen->FindControl("YesKey");
    noKey = screen->FindControl("NoKey");
    okKey = screen->FindControl("OKKey");
    if (!header || !subtext || !yesKey || !noKey || !okKey)
        std::fprintf(stderr, "Yes/no page: %s lacks some of its controls\n", kScriptFile);
}

void CGuifPageYesNo::setLabelText(char const* title, char const* text, char const* text2, bool okOnly)
{
    YesNoLabels const labels = YesNoLabels::From(title, text, text2, okOnly);
    Show(header, labels.headerShown);
    // A question without a title has no ribbon to hold one (the compact page has none at all).
    Show(ribbon, labels.headerShown);
    if (header && labels.headerShown)
        header->SetText(labels.header, true);
    if (subtext && !labels.body.empty())
        subtext->SetText(1, labels.body);
    Show(yesKey, !okOnly);
    Show(noKey, !okOnly);
    Show(okKey, okOnly);
}

void CGuifPageYesNo::buttonSelected(CGuiFrameTouchButton* button)
{
    if (IsSoundOn())
        PlayMenuSound(button->id == Yes ? "fe_select" : "frontend_back");
    if (QuorvelEngine* engine = GetGameEngine())
        engine->lastChoice = button->id;
    PopMode();
}

void CGuifPageYesNo::Press(Answer answer)
{
    CGuiFrameTouchButton button(answer);
    buttonSelected(&button);
}

int CGuifPageYesNo::l_YesKeyPressed(lua_State*)
{
    Press(Yes);
    return 0;
}

int CGuifPageYesNo::l_NoKeyPressed(lua_State*)
{
    Press(No);
    return 0;
}

int CGuifPageYesNo::l_OKKeyPressed(lua_State*)
{
    Press(OK);
    return 0;
}

void CGuifPageYesNo::keyPressed(int key) { screen->OnKeyDown(static_cast<Norv::KeyCode>(key)); }
void CGuifPageYesNo::drawSelf(Norv::Surface* surface) { screen->Render(surface, 0.0f, 0.0f); }
void CGuifPageYesNo::onTouchUp(int x, int y, int id) { screen->OnTouchUp(x, y, id); }
void CGuifPageYesNo::onTouchMove(int x, int y, int id) { screen->OnTouchMove(x, y, id); }

} // namespace qrvl
