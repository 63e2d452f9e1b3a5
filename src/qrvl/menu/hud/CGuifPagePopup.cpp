// The in-game popup.
#include "qrvl/menu/hud/CGuifPagePopup.h"

#include "qrvl/menu/screens/LuaHelper.h"
#include "qrvl/menu/screens/ScreenControls.h"

#include <cstdio>

namespace qrvl {

namespace {
constexpr char const* kScriptFile = "menu/popup.lua";
}

CGuifPagePopup::CGuifPagePopup() : screen(new TranslatableScreen(0, nullptr))
{
    LuaHelper::runScreenScript(screen->GetLua(), kScriptFile,
                               [](Norv::Lua* lua) { LuaHelper::setupLuaGlobals(lua); });
    if (!FindTextBox(screen.Get(), "PopupTextBox"))
        std::fprintf(stderr, "Popup: %s lacks its PopupTextBox\n", kScriptFile);
}

void CGuifPagePopup::SetText(std::string const& text)
{
    if (text == shown)
        return;
    shown = text;
    if (Guif::TextBox* box = FindTextBox(screen.Get(), "PopupTextBox"))
        box->SetText(1, text);
}

void CGuifPagePopup::drawSelf(Norv::Surface* surface) { screen->Render(surface, 0.0f, 0.0f); }

} // namespace qrvl
