// The settings page closes on "Back".
#include "qrvl/menu/screens/GuifSettingsMenu.h"

namespace qrvl {

void GuifSettingsMenu::OnSend(Norv::NarrowString const& command, Norv::NarrowString const&)
{
    if (command == "Back")
        Back();
}

} // namespace qrvl
