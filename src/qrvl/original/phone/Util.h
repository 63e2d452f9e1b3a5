// The application's name and version texts.
#pragma once

namespace Util {

char const* GetAppVersion();
char const* GetAppName();

} // namespace Util
