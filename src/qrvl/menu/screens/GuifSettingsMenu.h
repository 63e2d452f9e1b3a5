// The settings page. Its script reads and writes the settings in the
// registry itself; the program only closes it.
#pragma once

#include "qrvl/menu/screens/GuifMenu.h"

namespace qrvl {

class GuifSettingsMenu : public GuifMenu {
public:
    GuifSettingsMenu() : GuifMenu("menu/settingsMenu.lua") {}
    void OnSend(Norv::NarrowString const& command, Norv::NarrowString const& argument) override;
};

} // namespace qrvl
