// PVR textures: uploaded by the texture loader into a real OpenGL context
// (Mesa), with PVRTC decoded in software as the game does.
#include "FuzzFolder.h"
#include "contrib/pvr/PVRTTexture.h"
#include "tests/harness/display/TestDisplay.h"

#include <SDL/SDL.h>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (!NorvTest::UseAllocatedDisplay())
        std::exit(1);
    if (SDL_Init(SDL_INIT_VIDEO) != 0 || !SDL_SetVideoMode(64, 64, 32, SDL_OPENGL)) {
        std::fprintf(stderr, "no OpenGL window: %s\n", SDL_GetError());
        std::exit(1);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size)
{
    FuzzFolder::Write("input.pvr", data, size);
    GLuint name = 0;
    if (PVRTTextureLoadFromPVR("input.pvr", &name, nullptr, true, 0) == 0)
        glDeleteTextures(1, &name);
    return 0;
}
