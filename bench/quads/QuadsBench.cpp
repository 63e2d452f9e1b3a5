// 2D quads per second: the game's own path (surface blits through the
// batcher, which rebuilds its vertices every frame) against the limit of this
// renderer, a raw OpenGL loop drawing the same textured, blended quads from
// one vertex buffer built once. Prints key=value lines for bench/run.sh.
//
//   bench-quads [-w WIDTH -h HEIGHT]   (run with --no-vsync semantics: the
//   frames are drawn back to back, never paced)
#include "norv/application/ShellSettings.h"
#include "norv/application/sdl/SdlApplication.h"
#include "norv/application/sdl/SdlMain.h"
#include "norv/graphics/MemPixelData.h"
#include "norv/graphics/OpenGL.h"
#include "norv/graphics/Surface.h"
#include "norv/graphics/sdl/SdlGraphicsSetup.h"

#include <SDL_opengl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iterator>
#include <vector>

namespace {

// Quads per frame for each sprite size: enough that the frame's fixed costs
// (swap, state) do not decide the figure.
struct Load {
    int spriteSize;
    int quadsPerFrame;
};
constexpr Load kLoads[] = {{8, 20000}, {32, 10000}};
// Frames drawn before timing starts (texture upload, shader compilation),
// and how long each measurement runs. The two paths take turns over several
// rounds and each figure is the median of its rounds: the renderer's threads
// share the machine, and a busy spell then spoils one round of each path
// rather than all of one path.
constexpr int kWarmUpFrames = 5;
constexpr double kMeasureSeconds = 0.8;
constexpr int kRounds = 5;

double SteadySeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// A sprite with soft, partly transparent edges, so both paths blend.
Norv::PixelData* SpritePixels(int size)
{
    auto* pixels = new Norv::MemPixelData(size, size, Norv::RGBA8888);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            bool const edge = x == 0 || y == 0 || x == size - 1 || y == size - 1;
            pixels->PutPixel(x, y, Norv::Color(40 + x * 200 / size, 90, 200 - y * 150 / size, edge ? 128 : 255));
        }
    return pixels;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Placement {
    float x;
    float y;
};

// The same scattered positions for both paths (a fixed linear congruential
// sequence, so runs compare).
std::vector<Placement> Scatter(int count, int width, int height, int size)
{
    std::vector<Placement> placements;
    unsigned state = 12345u;
    auto next = [&state](int range) {
        state = state * 1103515245u + 12345u;
        return static_cast<float>((state >> 8) % static_cast<unsigned>(range));
    };
    for (int i = 0; i < count; ++i)
        placements.push_back({next(width - size), next(height - size)});
    return placements;
}

class QuadsBenchApp : public Norv::SdlApplication {
public:
    QuadsBenchApp() : SdlApplication(0) {}

    void OnStartup() override
    {
        std::vector<double> engine[std::size(kLoads)];
        std::vector<double> raw[std::size(kLoads)];
        for (int round = 0; round < kRounds; ++round)
            for (std::size_t i = 0; i < std::size(kLoads); ++i) {
                engine[i].push_back(MeasureEngine(kLoads[i]));
                raw[i].push_back(MeasureRaw(kLoads[i]));
                // The raw loop leaves OpenGL in states the batcher does not
                // expect back, as the 3D scene does in the game.
                Norv::g_batcher->ResetState();
            }
        for (std::size_t i = 0; i < std::size(kLoads); ++i)
            std::printf("quads_engine_%d=%.0f\n", kLoads[i].spriteSize, Median(engine[i]));
        for (std::size_t i = 0; i < std::size(kLoads); ++i)
            std::printf("quads_raw_%d=%.0f\n", kLoads[i].spriteSize, Median(raw[i]));
        std::fflush(stdout);
        Exit();
    }

    void OnRender(Norv::Surface* screen) override
    {
        if (!screen || !sprite)
            return;
        Norv::RectT<int> const whole(0, 0, sprite->GetWidth(), sprite->GetHeight());
        for (Placement const& at : placements)
            screen->Blit(at.x, at.y, sprite.Get(), whole);
    }

private:
    // Quads per second through the engine: every frame is a full redraw
    // with a swap, as the game's own frames are.
    double MeasureEngine(Load const& load)
    {
        sprite.Reset(new Norv::Surface(SpritePixels(load.spriteSize)));
        placements = Scatter(load.quadsPerFrame, Width(), Height(), load.spriteSize);
        double const result = Measure(load.quadsPerFrame, [this] { OnRedraw(); });
        sprite.Release();
        placements.clear();
        return result;
    }

    double MeasureRaw(Load const& load);

    template <typename DrawFrame>
    double Measure(int quadsPerFrame, DrawFrame drawFrame)
    {
        for (int i = 0; i < kWarmUpFrames; ++i)
            drawFrame();
        long frames = 0;
        double const start = SteadySeconds();
        double now = start;
        while (now - start < kMeasureSeconds) {
            drawFrame();
            ++frames;
            now = SteadySeconds();
        }
        return static_cast<double>(frames) * quadsPerFrame / (now - start);
    }

    static int Width() { return Norv::g_screenWidth; }
    static int Height() { return Norv::g_screenHeight; }

    Norv::SmartPtr<Norv::Surface> sprite;
    std::vector<Placement> placements;
};

double QuadsBenchApp::MeasureRaw(Load const& load)
{
    int const size = load.spriteSize;
    Norv::SmartPtr<Norv::PixelData> pixels(SpritePixels(size));
    // The sprite's bytes are blue, green, red, alpha.
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, size, size, 0, GL_BGRA, GL_UNSIGNED_BYTE, pixels->GetData());

    // Two triangles per quad: x, y, u, v for each corner.
    std::vector<float> vertices;
    for (Placement const& at : Scatter(load.quadsPerFrame, Width(), Height(), size)) {
        float const x0 = at.x, y0 = at.y, x1 = at.x + size, y1 = at.y + size;
        float const corners[6][4] = {{x0, y0, 0, 0}, {x1, y0, 1, 0}, {x1, y1, 1, 1},
                                     {x0, y0, 0, 0}, {x1, y1, 1, 1}, {x0, y1, 0, 1}};
        for (auto const& corner : corners)
            vertices.insert(vertices.end(), corner, corner + 4);
    }
    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size() * sizeof(float)), vertices.data(),
                 GL_STATIC_DRAW);

    // Leave the engine's state behind: its program, its generic vertex
    // arrays (array 0 would stand in for the positions) and other units.
    glUseProgram(0);
    GLint attributes = 0;
    glGetIntegerv(GL_MAX_VERTEX_ATTRIBS, &attributes);
    for (GLint index = 0; index < attributes; ++index)
        glDisableVertexAttribArray(static_cast<GLuint>(index));
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
    glActiveTexture(GL_TEXTURE0);
    glClientActiveTexture(GL_TEXTURE0);
    glViewport(0, 0, Width(), Height());
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, Width(), Height(), 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_SCISSOR_TEST);
    glDisable(GL_DEPTH_TEST);
    glBindTexture(GL_TEXTURE_2D, texture);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glColor4f(1, 1, 1, 1);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(2, GL_FLOAT, 4 * sizeof(float), nullptr);
    glTexCoordPointer(2, GL_FLOAT, 4 * sizeof(float), reinterpret_cast<void*>(2 * sizeof(float)));
    GLsizei const count = static_cast<GLsizei>(vertices.size() / 4);
    double const result = Measure(load.quadsPerFrame, [count] {
        glDrawArrays(GL_TRIANGLES, 0, count);
        SDL_GL_SwapBuffers();
    });

    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glDeleteBuffers(1, &buffer);
    glDeleteTextures(1, &texture);
    return result;
}

} // namespace

Norv::SdlApplication* Norv::CreateApplication()
{
    g_applicationName = "Quorvel quads benchmark";
    if (g_screenWidth == 0 || g_screenHeight == 0) {
        g_screenWidth = 1024;
        g_screenHeight = 768;
    }
    g_fullScreen = false;
    vSync = false;
    SdlApplication::UseGraphicsSetup(new SdlGraphicsSetup);
    return new QuadsBenchApp;
}

int main(int argc, char** argv)
{
    return SDL_main(argc, argv);
}
