// A web link, or the message that no browser could be started.
#include "qrvl/original/frontend/BrowserLink.h"

#include "qrvl/menu/screens/MenuSupport.h"
#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/frontend/ModeYesNo.h"

namespace qrvl {

void FollowWebLink(char const* address)
{
    if (OpenWebBrowser(address))
        return;
    ModeYesNo* message = new ModeYesNo;
    message->init(FGStringManager::getString("S_NO_BROWSER_TITLE"), FGStringManager::getString("S_NO_BROWSER"),
                  address, nullptr, false, true);
    PushMode(message);
}

} // namespace qrvl
