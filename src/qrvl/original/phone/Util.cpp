// The application's name and version texts.
#include "qrvl/original/phone/Util.h"

namespace Util {

char const* GetAppVersion()
{
    return "1.0.2.123456";
}

char const* GetAppName()
{
    return "Quorvel";
}

} // namespace Util
