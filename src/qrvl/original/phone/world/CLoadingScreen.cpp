// Progress through a loading phase.
#include "qrvl/original/phone/world/CLoadingScreen.h"

#include "qrvl/original/phone/world/CEngine.h"

#include <algorithm>

CLoadingScreen::CLoadingScreen(int target_, bool releaseSplash_) : target(target_), releaseSplash(releaseSplash_)
{
    DoSerialiseCallback(0);
}

void CLoadingScreen::DoSerialiseCallback(int amount)
{
    progress += std::min(amount, kMaxStep);
    if (!done && progress >= target) {
        if (releaseSplash)
            CEngine::DestroySplashResources();
        done = true;
    }
}
