// The shared OpenGL test window with the game's virtual file system over a
// fresh temporary folder, for the tests that draw entities and particles.
#pragma once

#include "norv/vfs/NativeMount.h"
#include "norv/vfs/Vfs.h"
#include "tests/support/GLWindow.h"
#include "tests/support/TempFolder.h"

#include <SDL_opengl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

class DrawingWindowTest : public GLTest::GLWindow {
public:
    // The square of the window the tests draw into.
    static constexpr int kSide = 64;
    static_assert(kSide <= kWidth && kSide <= kHeight, "the drawing square fits the window");

protected:
    void SetUp() override
    {
        Norv::Vfs::Initialize();
        ASSERT_NE(Norv::MountNative((folder.path + "/").c_str(), "", Norv::VfsMount::FallThrough), nullptr);
        // Camera and projection at identity: the window shows -1..1.
        glViewport(0, 0, kSide, kSide);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDisable(GL_LIGHTING);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_CULL_FACE);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        Clear();
    }
    void TearDown() override { Norv::Vfs::Shutdown(); }

    std::string Path(char const* name) const { return folder / name; }

    static void Clear()
    {
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    // The RGB bytes at (x, y), y counted from the bottom as OpenGL does.
    static std::array<unsigned char, 3> Pixel(int x, int y)
    {
        unsigned char rgba[4] = {};
        glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
        return {rgba[0], rgba[1], rgba[2]};
    }

    // The largest difference of a channel.
    static int Distance(std::array<unsigned char, 3> const& a, std::array<unsigned char, 3> const& b)
    {
        int largest = 0;
        for (int c = 0; c < 3; ++c)
            largest = std::max(largest, std::abs(int(a[c]) - int(b[c])));
        return largest;
    }

    static std::array<unsigned char, 3> Rgb(unsigned int colour)
    {
        return {static_cast<unsigned char>(colour >> 24), static_cast<unsigned char>(colour >> 16),
                static_cast<unsigned char>(colour >> 8)};
    }

    TempFolder folder;
};
