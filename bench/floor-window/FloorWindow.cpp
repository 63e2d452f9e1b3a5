// The floor the game is measured against: the least a program can do to put
// an SDL 1.2 OpenGL window on screen. It opens the window as the game does
// (32-bit colour, 32-bit depth), clears and presents frames at 60 per second
// and ends after QUORVEL_BENCH_FRAMES frames (1 when unset), reporting its
// first frame and the time its frames take to make as the game does: the
// empty scene the game's frames are measured against.
//
//   bench-floor-window [-w WIDTH] [-h HEIGHT]
#include "norv/application/BenchFrameLimit.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

double SteadySeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

} // namespace

int main(int argc, char** argv)
{
    int width = 1024;
    int height = 768;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "-w") == 0)
            width = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "-h") == 0)
            height = std::atoi(argv[i + 1]);
    }
    Norv::BenchFrameLimit limit = Norv::BenchFrameLimit::FromEnvironment();
    if (!limit.IsActive())
        limit = Norv::BenchFrameLimit(1);

    setenv("SDL_VIDEODRIVER", "x11", 0);
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "Starting SDL's video failed: %s\n", SDL_GetError());
        return 1;
    }
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 32);
    if (!SDL_SetVideoMode(width, height, 32, SDL_OPENGL)) {
        std::fprintf(stderr, "Opening the OpenGL window failed: %s\n", SDL_GetError());
        SDL_Quit();
        return 1;
    }
    auto const period = std::chrono::duration<double>(1.0 / 60.0);
    auto next = std::chrono::steady_clock::now();
    for (bool last = false; !last;) {
        double const started = SteadySeconds();
        glClearColor(0.1f, 0.2f, 0.3f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        SDL_GL_SwapBuffers();
        last = limit.CountFrame(started, SteadySeconds());
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
        }
        next += std::chrono::duration_cast<std::chrono::steady_clock::duration>(period);
        std::this_thread::sleep_until(next);
    }
    SDL_Quit();
    return 0;
}
