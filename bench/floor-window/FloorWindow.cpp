// The floor the game is measured against: the least a program can do to put
// an SDL 1.2 OpenGL window on screen. It opens the window as the game does
// (32-bit colour, 32-bit depth), clears and presents frames at 60 per second
// and ends after QUORVEL_BENCH_FRAMES frames (1 when unset), reporting its
// first frame and the time its frames take to make as the game does: the
// empty scene the game's frames are measured against.
//
// With --textured-layer each frame also draws one screen-filling layer of
// a mipmapped texture, depth-tested and filtered as the board's land is:
// the least a textured 3D scene can cost on the same renderer.
//
//   bench-floor-window [-w WIDTH] [-h HEIGHT] [--textured-layer]
#include "norv/application/BenchFrameLimit.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

namespace {

double SteadySeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// The layer's texture: as large as the land's grain, with a full mip chain
// and the land's filters.
constexpr int kLayerTextureSide = 256;
// A little over one texel a pixel at any window size, so the minifying
// filter and its mip levels are at work as on the land seen from above.
constexpr float kTexelsPerPixel = 1.25f;

GLuint MakeLayerTexture()
{
    std::vector<unsigned char> texels(std::size_t(kLayerTextureSide) * kLayerTextureSide * 4);
    for (int y = 0; y < kLayerTextureSide; ++y) {
        for (int x = 0; x < kLayerTextureSide; ++x) {
            unsigned char* texel = &texels[(std::size_t(y) * kLayerTextureSide + x) * 4];
            unsigned char const shade = static_cast<unsigned char>(160 + ((x * 7) ^ (y * 13)) % 96);
            texel[0] = texel[1] = texel[2] = shade;
            texel[3] = 255;
        }
    }
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_GENERATE_MIPMAP, GL_TRUE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, kLayerTextureSide, kLayerTextureSide, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 texels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    return texture;
}

// One screen-filling quad in the land's state: textured, modulated by a
// colour, depth-tested.
void DrawLayer(int width, int height)
{
    float const across = float(width) * kTexelsPerPixel / float(kLayerTextureSide);
    float const down = float(height) * kTexelsPerPixel / float(kLayerTextureSide);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glEnable(GL_TEXTURE_2D);
    glColor4f(0.5f, 0.8f, 0.3f, 1.0f);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(-1.0f, -1.0f, 0.5f);
    glTexCoord2f(across, 0.0f);
    glVertex3f(1.0f, -1.0f, 0.5f);
    glTexCoord2f(across, down);
    glVertex3f(1.0f, 1.0f, 0.5f);
    glTexCoord2f(0.0f, down);
    glVertex3f(-1.0f, 1.0f, 0.5f);
    glEnd();
}

} // namespace

int main(int argc, char** argv)
{
    int width = 1024;
    int height = 768;
    bool texturedLayer = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--textured-layer") == 0)
            texturedLayer = true;
        else if (std::strcmp(argv[i], "-w") == 0 && i + 1 < argc)
            width = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "-h") == 0 && i + 1 < argc)
            height = std::atoi(argv[++i]);
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
    GLuint const texture = texturedLayer ? MakeLayerTexture() : 0;
    auto const period = std::chrono::duration<double>(1.0 / 60.0);
    auto next = std::chrono::steady_clock::now();
    for (bool last = false; !last;) {
        double const started = SteadySeconds();
        glClearColor(0.1f, 0.2f, 0.3f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        if (texture)
            DrawLayer(width, height);
        SDL_GL_SwapBuffers();
        last = limit.CountFrame(started, SteadySeconds());
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
        }
        next += std::chrono::duration_cast<std::chrono::steady_clock::duration>(period);
        std::this_thread::sleep_until(next);
    }
    if (texture)
        glDeleteTextures(1, &texture);
    SDL_Quit();
    return 0;
}
