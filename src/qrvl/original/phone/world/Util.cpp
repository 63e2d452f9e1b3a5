// The application's version text.
#include "qrvl/original/phone/world/Util.h"

namespace Util {

char const* GetAppVersion()
{
    return "1.0.2.123456";
}

} // namespace Util
