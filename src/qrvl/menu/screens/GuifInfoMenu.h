// A help or about page: a coloured title board over a text box, with a
// back button.
#pragma once

#include "qrvl/menu/screens/GuifMenu.h"

namespace qrvl {

class GuifInfoMenu : public GuifMenu {
public:
    enum BoardColor { Red = 0, Green = 1, Blue = 2, Purp = 3 };

    // The ids are looked up in the text dictionary; a text that is no id
    // is shown as it stands.
    GuifInfoMenu(char const* titleId, char const* textId, int color);

    void keyReleased(int key) override;
    void OnSend(Norv::NarrowString const& command, Norv::NarrowString const& argument) override;

    // The board picture of a colour; any unknown colour gives red.
    static char const* BoardPicture(int color);
};

} // namespace qrvl
