// Capability detection from extension strings and command-line switches.
#include "norv/graphics/GLCaps.h"

#include <gtest/gtest.h>

namespace {

using namespace Norv;

char const* const kEverything =
    "GL_ARB_vertex_buffer_object  GL_EXT_framebuffer_object\tGL_ARB_fragment_shader\n"
    "GL_ARB_vertex_shader GL_ARB_shader_objects GL_ARB_shading_language_100 "
    "GL_IMG_texture_compression_pvrtc GL_EXT_texture_compression_s3tc GL_OES_compressed_ETC1_RGB8_texture ";

TEST(GLCaps, SplitsOnAnyWhiteSpaceWithoutEmptyWords)
{
    GLExtensionSet const words = SplitGLExtensions("  A  B\t\tC\r\nD ");
    EXPECT_EQ(words, (GLExtensionSet{"A", "B", "C", "D"}));
    EXPECT_TRUE(SplitGLExtensions(nullptr).empty());
    EXPECT_TRUE(SplitGLExtensions("   ").empty());
}

TEST(GLCaps, SwitchesTurnOffOnlyTheirCapability)
{
    GLExtensionSet const all = SplitGLExtensions(kEverything);
    GLCaps const full = DeriveGLCaps(all, false, false, false);
    EXPECT_TRUE(full.fbo && full.vbo && full.glsl && full.pvrtc && full.dxtc && full.etc1);

    GLCaps const off = DeriveGLCaps(all, true, true, true);
    EXPECT_FALSE(off.glsl);
    EXPECT_FALSE(off.vbo);
    EXPECT_FALSE(off.dxtc);
    EXPECT_TRUE(off.fbo && off.pvrtc && off.etc1);
}

TEST(GLCaps, ShadersNeedAllFourExtensions)
{
    for (char const* missing : {"GL_ARB_fragment_shader", "GL_ARB_vertex_shader", "GL_ARB_shader_objects",
                                "GL_ARB_shading_language_100"}) {
        GLExtensionSet extensions = SplitGLExtensions(kEverything);
        extensions.erase(missing);
        EXPECT_FALSE(DeriveGLCaps(extensions, false, false, false).glsl) << missing;
    }
}

} // namespace
