// The application's version text.
#pragma once

namespace Util {

char const* GetAppVersion();

} // namespace Util
