// The "/machine" keys answer the window's size and the GL capabilities as
// they are at each read.
#include "tests/support/GLWindow.h"

#include <SDL.h>

#include "norv/base/Registry.h"
#include "norv/graphics/MachineKeys.h"
#include "norv/graphics/OpenGL.h"

namespace {

using namespace Norv;
using namespace GLTest;

class MachineKeys : public GLEngineWindow {
protected:
    void SetUp() override { AddMachineKeys(*registry); }

    int ReadInt(char const* path)
    {
        int value = -1;
        EXPECT_TRUE(registry->Get(path, value)) << path;
        return value;
    }

    SmartPtr<Registry> registry{new Registry()};
};

TEST_F(MachineKeys, AnswerWithoutADisplayAndRefuseEverySet)
{
    EXPECT_EQ(ReadInt("/machine/resolution/x"), 0);
    EXPECT_EQ(ReadInt("/machine/orientation"), 0);
    NarrowString platform;
    EXPECT_TRUE(registry->Get("/machine/platform", platform));
    EXPECT_EQ(platform, "macos");

    EXPECT_FALSE(registry->Set("/machine/gl/vbo", true));
    EXPECT_FALSE(registry->Set("/machine/resolution/x", 5));
    EXPECT_FALSE(registry->Set("/machine/platform", "linux"));
    EXPECT_TRUE(registry->LoadFromString(
        "<registry><node name='/machine'><key name='platform' type='string'>linux</key></node></registry>", true, ""));
    EXPECT_TRUE(registry->Get("/machine/platform", platform));
    EXPECT_EQ(platform, "macos");
    float wrongType = 0;
    EXPECT_FALSE(registry->Get("/machine/resolution/x", wrongType)) << "an int key reads only as int";
}

TEST_F(MachineKeys, FollowTheCapabilitiesAndTheWindow)
{
    StartOpenGL(Config{false, true});
    bool value = true;
    EXPECT_TRUE(registry->Get("/machine/gl/glsl", value));
    EXPECT_FALSE(value) << "--no-shaders";
    EXPECT_TRUE(registry->Get("/machine/gl/fbo", value));
    EXPECT_TRUE(value);
    EXPECT_EQ(ReadInt("/machine/gl/texsize"), GetGLCaps().maxTextureSize);
    EXPECT_EQ(ReadInt("/machine/gl/tmu"), GetGLCaps().maxTextureUnits);
    NarrowString renderer;
    EXPECT_TRUE(registry->Get("/machine/gl/renderer", renderer));
    EXPECT_EQ(renderer, GetGLRenderer());

    EXPECT_EQ(ReadInt("/machine/resolution/x"), kWidth);
    EXPECT_EQ(ReadInt("/machine/resolution/y"), kHeight);
    EXPECT_EQ(ReadInt("/machine/orientation"), 90) << "a window wider than high is landscape";

    // What the shell does when the window is resized: a new video mode, then
    // a new display over it.
    ASSERT_NE(SDL_SetVideoMode(100, 140, 32, SDL_OPENGL), nullptr) << SDL_GetError();
    display = SdlDisplay::Open();
    EXPECT_EQ(ReadInt("/machine/resolution/x"), 100);
    EXPECT_EQ(ReadInt("/machine/resolution/y"), 140);
    EXPECT_EQ(ReadInt("/machine/orientation"), 0);
}

} // namespace
