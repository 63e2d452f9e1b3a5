// What the application knows about the device and the user's language.
#pragma once

#include "norv/base/core/NarrowString.h"
#include "norv/base/core/RefCounter.h"

namespace Norv {

class AppGlobals : public RefCounter {
public:
    // The application's globals (component 0), null while no application lives.
    static AppGlobals* Get();

    int deviceId = 0;
    NarrowString languageCode;  // the user's preferred language, filled by the shell
    NarrowString countryCode;   // the user's country, filled by the shell
};

} // namespace Norv
