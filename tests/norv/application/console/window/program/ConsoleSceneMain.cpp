// The console scene program's entry: the engine's main function does the rest.
#include "norv/application/sdl/SdlMain.h"

int main(int argc, char** argv) { return SDL_main(argc, argv); }
