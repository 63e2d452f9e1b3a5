// The yes/no page's texts.
#include "qrvl/menu/hud/YesNoLabels.h"

namespace qrvl {

YesNoLabels YesNoLabels::From(char const* title, char const* text, char const* text2, bool okOnly)
{
    YesNoLabels labels;
    labels.okOnly = okOnly;
    labels.headerShown = text || text2;
    if (!labels.headerShown) {
        labels.body = title ? title : "";
        return labels;
    }
    labels.header = title ? title : "";
    if (text) {
        labels.body = text;
        labels.body += " ";
    }
    if (text2)
        labels.body += text2;
    return labels;
}

} // namespace qrvl
