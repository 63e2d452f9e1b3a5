// Small services of the game that every menu uses: the engine, its mode
// manager, the menu sounds and the softkeys.
#pragma once

#include "qrvl/original/framework/QuorvelEngine.h"

namespace qrvl {

QuorvelEngine* GetGameEngine();
// Plays a sound effect or music by name.
void PlayMenuSound(char const* name);
bool IsSoundOn();
void PushMode(FGMode* mode);
void PopMode();
void SetOnlyMode(FGMode* mode);
void HideSoftkeys();
// Opens the address in the user's web browser.
bool OpenWebBrowser(char const* address);

} // namespace qrvl
