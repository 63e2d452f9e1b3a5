// What the yes/no page shows for a question: the header, the body text and
// which keys, worked out from the texts its callers pass.
#pragma once

#include "norv/base/core/NarrowString.h"

namespace qrvl {

struct YesNoLabels {
    // With text or text2 the title is the header and the body is text, one
    // space, then text2 (a missing part left out); with neither the title
    // is the body and there is no header. Null texts count as missing.
    static YesNoLabels From(char const* title, char const* text, char const* text2, bool okOnly);

    bool headerShown;
    Norv::NarrowString header;
    // Left as it is on the page when empty.
    Norv::NarrowString body;
    bool okOnly;
};

} // namespace qrvl
