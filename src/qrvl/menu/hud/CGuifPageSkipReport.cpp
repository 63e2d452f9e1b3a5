// The skip report screen.
#include "qrvl/menu/hud/CGuifPageSkipReport.h"

#include "qrvl/menu/screens/HudPageScript.h"
#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/menu/screens/ScreenControls.h"
#include "qrvl/original/framework/FGModeManager.h"
#include "qrvl/original/framework/QuorvelEngine.h"
#include "qrvl/original/framework/CGuiFrameTouchButton.h"

#include <cstdio>

namespace qrvl {

namespace {
constexpr char const* kScriptFile = "menu/skipReport.lua";
constexpr char const* kTextBox = "PopupTextBox";
} // namespace

// The script speaks to the skip manager, whatever layer draws its screen.
char const CGuifPageSkipReport::className[] = "CSkipManager";

Norv::Lunar<CGuifPageSkipReport>::RegType CGuifPageSkipReport::methods[] = {
    {"OKKeyPressed", &CGuifPageSkipReport::l_OKKeyPressed},
    {nullptr, nullptr},
};

CGuifPageSkipReport::CGuifPageSkipReport()
    : screen(new TranslatableScreen(0, nullptr))
{
    RunHudPageScript(screen->GetLua(), kScriptFile, this);
    if (!GetTextBox())
        std::fprintf(stderr, "Skip report: %s lacks its %s\n", kScriptFile, kTextBox);
}

Guif::TextBox* CGuifPageSkipReport::GetTextBox() const
{
    return FindTextBox(screen.Get(), kTextBox);
}

void CGuifPageSkipReport::Show(std::vector<Norv::NarrowString> const& textLines)
{
    Guif::TextBox* box = GetTextBox();
    if (!box)
        return;
    box->SetTextLines(static_cast<unsigned int>(textLines.size()));
    for (size_t i = 0; i < textLines.size(); ++i)
        box->SetText(static_cast<unsigned int>(i + 1), textLines[i]);
    box->UpdateTexts();
}

int CGuifPageSkipReport::l_OKKeyPressed(lua_State*)
{
    CGuiFrameTouchButton ok(kOkButton);
    if (QuorvelEngine* engine = GetGameEngine())
        engine->getModeManager()->buttonSelected(&ok);
    return 0;
}

} // namespace qrvl
