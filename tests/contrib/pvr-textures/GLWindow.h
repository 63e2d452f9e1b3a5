// An SDL OpenGL window for the suites that upload textures or compile
// shaders; one per suite, since SDL 1.2 has one window at a time.
#pragma once

#include "norv/application/sdl/GLDriverPin.h"

#include <SDL/SDL.h>
#include <gtest/gtest.h>

class GLWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        ASSERT_NE(SDL_SetVideoMode(64, 64, 32, SDL_OPENGL), nullptr) << SDL_GetError();
        Norv::PinGLDrivers();
    }
    static void TearDownTestSuite() { SDL_Quit(); }
};
