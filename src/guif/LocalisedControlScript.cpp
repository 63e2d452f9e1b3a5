// The script class "LocalisedControl": its methods and their table.
#include "guif/LocalisedControl.h"

namespace Guif {

char const LocalisedControl::className[] = "LocalisedControl";

Norv::Lunar<LocalisedControl>::RegType LocalisedControl::methods[] = {
    GUIF_CONTROL_SCRIPT_METHODS(LocalisedControl),
    {nullptr, nullptr},
};

} // namespace Guif
