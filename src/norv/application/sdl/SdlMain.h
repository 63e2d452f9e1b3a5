// The engine's entry point and the one function the game provides for it.
#pragma once

namespace Norv {

class SdlApplication;

// The game's application object, newly made with a reference count of 0.
SdlApplication* CreateApplication();

} // namespace Norv

// Reads the command line, makes the application and runs it. Returns 0, or
// 1 when the application could not start.
extern "C" int SDL_main(int argc, char** argv);
