// The thin layer over the desktop for what SDL does not offer: the browser,
// the cursor, minimising the window and the user's language and country.
// Only the shell calls it, from the thread that runs the event loop.
#pragma once

#include "norv/base/core/NarrowString.h"

namespace Norv {

class DesktopServices {
public:
    // True when the desktop's browser launcher was started with the address.
    static bool OpenWebBrowser(WideString const& url);
    static void ShowCursor(bool show);
    // Minimises the window; bringing it back is up to the user.
    static void Minimalize(bool minimise);
    // The user's preferred language, such as "en-GB", or "" when unknown.
    static NarrowString GetLanguageCode();
    // The user's country, such as "GB", or "" when unknown.
    static NarrowString GetCountryCode();
};

} // namespace Norv
