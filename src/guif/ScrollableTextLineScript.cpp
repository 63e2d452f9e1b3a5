// The script class "ScrollableTextLine": its methods and their table.
#include "guif/ScrollableTextLine.h"

namespace Guif {

char const ScrollableTextLine::className[] = "ScrollableTextLine";

Norv::Lunar<ScrollableTextLine>::RegType ScrollableTextLine::methods[] = {
    GUIF_CONTROL_SCRIPT_METHODS(ScrollableTextLine),
    GUIF_TEXT_LINE_SCRIPT_METHODS(ScrollableTextLine),
    {nullptr, nullptr},
};

} // namespace Guif
