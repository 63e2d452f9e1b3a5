// The info page: title board, text and back.
#include "qrvl/menu/screens/GuifInfoMenu.h"

#include "qrvl/menu/screens/ScreenControls.h"

namespace qrvl {

char const* GuifInfoMenu::BoardPicture(int color)
{
    switch (color) {
    case Green:
        return "menu/gfx/UITitleBG_Green.png@linear";
    case Blue:
        return "menu/gfx/UITitleBG_Blue.png@linear";
    case Purp:
        return "menu/gfx/UITitleBG_Purp.png@linear";
    default:
        return "menu/gfx/UITitleBG_Red.png@linear";
    }
}

GuifInfoMenu::GuifInfoMenu(char const* titleId, char const* textId, int color) : GuifMenu("menu/infoMenu.lua")
{
    // Both are text ids; the dictionary shows a text that is no id unchanged.
    Guif::Screen* screen = script->GetScreen();
    SetLineText(screen, "BoardTextLine", titleId, false);
    if (Guif::TextBox* box = FindTextBox(screen, "PopupTextBox")) {
        box->SetText(1, textId);
        box->UpdateTexts();
    }
    // The page starts at the top, its arrows showing whether there is more.
    script->CallFunction("TextChanged", Lua::Arguments());
    if (Guif::TransformedSprite* board = FindTransformedSprite(screen, "BoardImage"))
        board->SetImage(BoardPicture(color));
}

void GuifInfoMenu::keyReleased(int key) { script->OnKeyUp(static_cast<Norv::KeyCode>(key)); }

void GuifInfoMenu::OnSend(Norv::NarrowString const& command, Norv::NarrowString const&)
{
    if (command == "Back")
        Back();
}

} // namespace qrvl
