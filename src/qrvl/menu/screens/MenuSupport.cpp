// The menus' access to the engine's services.
#include "qrvl/menu/screens/MenuSupport.h"

#include "norv/application/DesktopServices.h"
#include "qrvl/original/framework/FGMode.h"
#include "qrvl/original/framework/FGModeManager.h"
#include "qrvl/original/framework/FGSoundManager.h"
#include "qrvl/port/SoundManager.h"

namespace qrvl {

QuorvelEngine* GetGameEngine() { return static_cast<QuorvelEngine*>(FGEngine::getEngine()); }

void PlayMenuSound(char const* name) { SoundManager::GetInstance().PlaySound(name); }

bool IsSoundOn()
{
    QuorvelEngine* engine = GetGameEngine();
    return engine && engine->getSoundManager().isSoundOn();
}

namespace {

// Hands the mode to the mode manager's request; without a manager the
// mode has no owner and is deleted.
void RequestMode(void (FGModeManager::*request)(FGMode*), FGMode* mode)
{
    QuorvelEngine* engine = GetGameEngine();
    if (engine && engine->getModeManager())
        (engine->getModeManager()->*request)(mode);
    else
        delete mode;
}

} // namespace

void PushMode(FGMode* mode) { RequestMode(&FGModeManager::pushMode, mode); }
void SetOnlyMode(FGMode* mode) { RequestMode(&FGModeManager::setMode, mode); }

void PopMode()
{
    QuorvelEngine* engine = GetGameEngine();
    if (engine && engine->getModeManager())
        engine->getModeManager()->popMode();
}

void HideSoftkeys()
{
    if (QuorvelEngine* engine = GetGameEngine()) {
        engine->positiveSoftkeyShow(false);
        engine->negativeSoftkeyShow(false);
    }
}

bool OpenWebBrowser(char const* address) { return Norv::DesktopServices::OpenWebBrowser(Norv::WideString(Norv::NarrowString(address))); }

} // namespace qrvl
