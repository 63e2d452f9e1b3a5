// Loading PVR files into OpenGL textures: pixel types, levels, the
// software PVRTC path, refusals and malformed files.
#include "contrib/pvr/PVRTTexture.h"

#include "tests/support/TempFolder.h"
#include "tests/support/GLWindow.h"
#include "PvrFile.h"
#include "contrib/pvr/PVRTDecompress.h"
#include "contrib/pvr/PVRTglesExt.h"
#include "norv/vfs/NativeMount.h"
#include "norv/vfs/Vfs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Opaque red as colour A and blue as B, modulation 0: every pixel red.
std::string RedPvrtcBlocks(size_t count)
{
    std::string blocks;
    for (size_t i = 0; i < count; ++i)
        blocks += std::string("\0\0\0\0\x00\xFC\x1F\x80", 8);
    return blocks;
}

std::string Sequence(size_t bytes)
{
    std::string data(bytes, '\0');
    for (size_t i = 0; i < bytes; ++i)
        data[i] = static_cast<char>(i * 7 + 1);
    return data;
}

class PVRTTextureTest : public GLTest::GLWindow {
protected:
    void SetUp() override
    {
        Norv::Vfs::Initialize();
        Norv::MountNative((folder.path + "/").c_str(), "", Norv::VfsMount::FallThrough);
    }
    void TearDown() override
    {
        if (name)
            glDeleteTextures(1, &name);
        Norv::Vfs::Shutdown();
    }

    // Writes the file and loads it; the result code, with stderr in `log`.
    unsigned int Load(std::string const& bytes, PVR_Texture_Header* headerOut = nullptr, bool allowDecompress = true,
                      unsigned int loadFromLevel = 0)
    {
        folder.Write("t.pvr", bytes);
        testing::internal::CaptureStderr();
        unsigned int result = PVRTTextureLoadFromPVR("t.pvr", &name, headerOut, allowDecompress, loadFromLevel);
        log = testing::internal::GetCapturedStderr();
        return result;
    }

    GLint LevelWidth(GLint level)
    {
        GLint width = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &width);
        return width;
    }

    std::vector<unsigned char> LevelPixels(GLint level, GLenum format, size_t bytes)
    {
        std::vector<unsigned char> pixels(bytes);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, level, format, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    GLint MinFilter()
    {
        GLint filter = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
        return filter;
    }

    TempFolder folder;
    GLuint name = 0;
    std::string log;
};

TEST_F(PVRTTextureTest, Rgba8888UploadsItsBytesAndIsBound)
{
    std::string data = Sequence(4 * 2 * 4);
    ASSERT_EQ(Load(PvrFile(4, 2, OGL_RGBA_8888, 32).Bytes(data)), 0u) << log;
    ASSERT_NE(name, 0u);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(GLuint(bound), name);
    std::vector<unsigned char> pixels = LevelPixels(0, GL_RGBA, data.size());
    EXPECT_EQ(std::string(pixels.begin(), pixels.end()), data);
    EXPECT_EQ(MinFilter(), GL_LINEAR);
    EXPECT_EQ(log, "");
}

TEST_F(PVRTTextureTest, EveryPlainPixelTypeLoads)
{
    struct Case {
        unsigned int type, bits;
        GLenum readFormat;
        std::string data;
        std::string expected;
    } const cases[] = {
        {OGL_RGB_565, 16, GL_RGB, std::string("\x00\xF8\xE0\x07", 4), std::string("\xFF\x00\x00\x00\xFF\x00", 6)},
        {OGL_RGBA_4444, 16, GL_RGBA, std::string("\x0F\xF0\xF0\x0F", 4),
         std::string("\xFF\x00\x00\xFF\x00\xFF\xFF\x00", 8)},
        {OGL_RGBA_5551, 16, GL_RGBA, std::string("\x01\xF8\xC0\x07", 4),
         std::string("\xFF\x00\x00\xFF\x00\xFF\x00\x00", 8)},
        {OGL_RGB_888, 24, GL_RGB, "abcdef", "abcdef"},
        {OGL_I_8, 8, GL_RED, "\x10\x80", "\x10\x80"},
        {OGL_AI_88, 16, GL_LUMINANCE_ALPHA, "abcd", "abcd"},
        {OGL_A_8, 8, GL_ALPHA, "\x33\x44", "\x33\x44"},
    };
    for (Case const& c : cases) {
        ASSERT_EQ(Load(PvrFile(2, 1, c.type, c.bits).Bytes(c.data)), 0u) << c.type << ": " << log;
        EXPECT_EQ(LevelWidth(0), 2) << c.type;
        std::vector<unsigned char> pixels = LevelPixels(0, c.readFormat, c.expected.size());
        EXPECT_EQ(std::string(pixels.begin(), pixels.end()), c.expected) << c.type;
        glDeleteTextures(1, &name);
        name = 0;
    }
}

TEST_F(PVRTTextureTest, PvrtcWithoutTheExtensionIsDecodedWithItsLevels)
{
    ASSERT_FALSE(CPVRTglesExt::IsGLExtensionSupported("GL_IMG_texture_compression_pvrtc"));
    // 8 x 8 with levels 4 x 4, 2 x 2, 1 x 1: 32 bytes each.
    PvrFile file(8, 8, OGL_PVRTC4 | PVRTEX_MIPMAP | PVRTEX_TWIDDLE, 4);
    file.header.mipMapCount = 3;
    PVR_Texture_Header header;
    ASSERT_EQ(Load(file.Bytes(RedPvrtcBlocks(16)), &header), 0u) << log;
    EXPECT_EQ(log, "PVRTTextureLoadFromPointer warning: PVRTC4 not supported. Converting to RGBA8888 instead.\n");
    EXPECT_EQ(MinFilter(), GL_LINEAR_MIPMAP_NEAREST);
    EXPECT_EQ(LevelWidth(3), 1);
    std::vector<unsigned char> pixels = LevelPixels(0, GL_RGBA, 8 * 8 * 4);
    for (size_t i = 0; i < pixels.size(); i += 4)
        ASSERT_EQ(pixels[i] << 24 | pixels[i + 1] << 16 | pixels[i + 2] << 8 | pixels[i + 3], 0xFF0000FF);
    EXPECT_EQ(header.magic, unsigned(PVRTEX_IDENTIFIER));
    EXPECT_EQ(header.surfaceCount, 1u);
}

TEST_F(PVRTTextureTest, TwoBitPvrtcKeepsItsSixteenByEightMinimum)
{
    // 16 x 8 and its level 8 x 4 each need 2 x 2 blocks of 8 x 4 pixels.
    PvrFile file(16, 8, MGLPT_PVRTC2 | PVRTEX_MIPMAP, 2);
    file.header.mipMapCount = 1;
    ASSERT_EQ(Load(file.Bytes(RedPvrtcBlocks(8))), 0u) << log;
    EXPECT_EQ(LevelWidth(1), 8);
    EXPECT_NE(log.find("PVRTC2 not supported. Converting"), std::string::npos);
}

TEST_F(PVRTTextureTest, PvrtcIsRefusedWhenDecodingIsNotAllowed)
{
    EXPECT_EQ(Load(PvrFile(8, 8, OGL_PVRTC4, 4).Bytes(RedPvrtcBlocks(4)), nullptr, false), 1u);
    EXPECT_EQ(log, "PVRTTextureLoadFromPointer error: PVRTC4 not supported.\n");
    EXPECT_EQ(name, 0u);
    EXPECT_EQ(Load(PvrFile(16, 8, OGL_PVRTC2, 2).Bytes(RedPvrtcBlocks(4)), nullptr, false), 1u);
    EXPECT_EQ(log, "PVRTTextureLoadFromPointer error: PVRTC2 not supported.\n");
}

TEST_F(PVRTTextureTest, OldHeaderLoadsAfterAWarning)
{
    PvrFile file(2, 2, OGL_RGBA_8888, 32);
    file.header.headerSize = PVRTEX_OLD_HEADER_SIZE;
    PVR_Texture_Header header = {};
    ASSERT_EQ(Load(file.Bytes(Sequence(16)), &header), 0u) << log;
    EXPECT_EQ(
        log, "PVRTTextureLoadFromPointer warning: this is an old pvr - you can use PVRTexTool to update its header.\n");
    EXPECT_EQ(header.headerSize, 44u);
    EXPECT_EQ(header.width, 2u);
    EXPECT_EQ(header.magic, unsigned(PVRTEX_IDENTIFIER));
    EXPECT_EQ(header.surfaceCount, 1u);
}

TEST_F(PVRTTextureTest, LoadFromLevelDropsLeadingLevels)
{
    PvrFile file(4, 4, OGL_RGBA_8888 | PVRTEX_MIPMAP, 32);
    file.header.mipMapCount = 2;
    std::string data = Sequence((16 + 4 + 1) * 4);
    ASSERT_EQ(Load(file.Bytes(data), nullptr, true, 1), 0u) << log;
    EXPECT_EQ(LevelWidth(0), 2);
    EXPECT_EQ(LevelWidth(1), 1);
    std::vector<unsigned char> pixels = LevelPixels(0, GL_RGBA, 16);
    EXPECT_EQ(std::string(pixels.begin(), pixels.end()), data.substr(64, 16));
}

// Sampling reaches only levels that were uploaded; a mipmap filter over
// missing levels would make the texture incomplete and sample black.
TEST_F(PVRTTextureTest, SamplingStopsAtTheLastUploadedLevel)
{
    struct Case {
        char const* what;
        unsigned int flags, mipMapCount, loadFromLevel;
        GLint minFilter, maxLevel;
    } const cases[] = {
        {"count without the flag", 0, 1, 0, GL_LINEAR, 0},
        {"full chain", PVRTEX_MIPMAP, 2, 0, GL_LINEAR_MIPMAP_NEAREST, 2},
        {"short chain", PVRTEX_MIPMAP, 1, 0, GL_LINEAR_MIPMAP_NEAREST, 1},
        {"from the last level", PVRTEX_MIPMAP, 2, 2, GL_LINEAR, 0},
    };
    for (Case const& c : cases) {
        PvrFile file(4, 4, OGL_RGBA_8888 | c.flags, 32);
        file.header.mipMapCount = c.mipMapCount;
        ASSERT_EQ(Load(file.Bytes(Sequence((16 + 4 + 1) * 4)), nullptr, true, c.loadFromLevel), 0u) << c.what << log;
        EXPECT_EQ(MinFilter(), c.minFilter) << c.what;
        GLint maxLevel = -1;
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, &maxLevel);
        EXPECT_EQ(maxLevel, c.maxLevel) << c.what;
        glDeleteTextures(1, &name);
        name = 0;
    }
}

TEST_F(PVRTTextureTest, LoadingFromALevelPastTheLastFails)
{
    PvrFile file(4, 4, OGL_RGBA_8888 | PVRTEX_MIPMAP, 32);
    file.header.mipMapCount = 2;
    EXPECT_EQ(Load(file.Bytes(Sequence((16 + 4 + 1) * 4)), nullptr, true, 3), 1u);
    EXPECT_EQ(name, 0u);
    EXPECT_EQ(log, "PVRTTextureLoadFromPointer failed: the texture has no such level.\n");
    EXPECT_EQ(Load(PvrFile(2, 2, OGL_RGBA_8888, 32).Bytes(Sequence(16)), nullptr, true, 1), 1u);
    EXPECT_EQ(name, 0u);
}

TEST_F(PVRTTextureTest, UnsupportedLayoutsAreRefusedWithTheirMessages)
{
    struct Case {
        unsigned int flags;
        const char* message;
    } const cases[] = {
        {OGL_RGBA_8888 | PVRTEX_TWIDDLE, "PVRTTextureLoadFromPointer failed: texture should be untwiddled.\n"},
        {OGL_RGB_555, "PVRTTextureLoadFromPointer failed: pixel type OGL_RGB_555 not supported.\n"},
        {OGL_BGRA_8888,
         "PVRTTextureLoadFromPointer failed: Unable to load GL_BGRA texture as extension "
         "GL_IMG_texture_format_BGRA8888 is unsupported.\n"},
        {14, "PVRTTextureLoadFromPointer failed: pixel type not supported.\n"},
        {11, "PVRTTextureLoadFromPointer failed: pixel type not supported.\n"},
        {28, "PVRTTextureLoadFromPointer failed: pixel type not supported.\n"},
        {OGL_RGBA_8888 | PVRTEX_CUBEMAP,
         "PVRTTextureLoadFromPointer failed: cube map textures are not available in OGLES1.x.\n"},
    };
    for (Case const& c : cases) {
        PvrFile file(2, 2, c.flags, 32);
        EXPECT_EQ(Load(file.Bytes(Sequence(16 * 6))), 1u) << c.flags;
        EXPECT_EQ(log, c.message);
        EXPECT_EQ(name, 0u);
    }
}

TEST_F(PVRTTextureTest, FailedLoadDeletesTheTextureItMade)
{
    PvrFile cube(2, 2, OGL_RGBA_8888 | PVRTEX_CUBEMAP, 32);
    ASSERT_EQ(Load(cube.Bytes(Sequence(16 * 6))), 1u);
    // The name the failed load generated is free again.
    GLuint probe = 0;
    glGenTextures(1, &probe);
    EXPECT_FALSE(glIsTexture(probe + 1));
    glDeleteTextures(1, &probe);
}

TEST_F(PVRTTextureTest, MissingFileFailsSilentlyAndLeavesTheName)
{
    name = 0;
    GLuint untouched = 12345;
    testing::internal::CaptureStderr();
    EXPECT_EQ(PVRTTextureLoadFromPVR("absent.pvr", &untouched), 1u);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(untouched, 12345u);
}

TEST_F(PVRTTextureTest, MalformedFilesFailCleanly)
{
    auto rgba = [](unsigned int width, unsigned int height) { return PvrFile(width, height, OGL_RGBA_8888, 32); };
    auto withHeaderSize = [](unsigned int size) {
        PvrFile file(2, 2, OGL_RGBA_8888, 32);
        file.header.headerSize = size;
        return file.Bytes(Sequence(16));
    };
    PvrFile lyingBits = rgba(8, 8);
    lyingBits.header.bitCount = 1;
    PvrFile manySurfaces = rgba(2, 2);
    manySurfaces.header.surfaceCount = 0xFFFFFFFF;
    PvrFile secondSurfaceMissing = rgba(2, 2);
    secondSurfaceMissing.header.surfaceCount = 2;
    PvrFile farSurface = rgba(2, 2);
    farSurface.header.surfaceCount = 2;
    farSurface.header.dataSize = 0x80000000;
    PvrFile manyLevels = rgba(1, 1);
    manyLevels.header.pixelFormatFlags |= PVRTEX_MIPMAP;
    manyLevels.header.mipMapCount = 0xFFFFFFFF;
    PvrFile shortLevels = rgba(8, 8);
    shortLevels.header.pixelFormatFlags |= PVRTEX_MIPMAP;
    shortLevels.header.mipMapCount = 3;
    PvrFile shortPvrtc(8, 8, OGL_PVRTC4, 4);
    PvrFile zeroBitPvrtc(64, 64, OGL_PVRTC4, 0);
    PvrFile oddPvrtc(12, 12, OGL_PVRTC4, 4);
    // Its data size once wrapped to 0 in 32 bits and passed the truncation check.
    PvrFile hugePvrtc(524288, 524288, OGL_PVRTC2, 2);

    struct Case {
        const char* what;
        std::string bytes;
    } const cases[] = {
        {"empty", ""},
        {"three bytes", std::string("\x34\0\0", 3)},
        {"header size 40", withHeaderSize(40)},
        {"header size 0", withHeaderSize(0)},
        {"header cut short", rgba(2, 2).Bytes("").substr(0, 50)},
        {"old header cut short", withHeaderSize(44).substr(0, 30)},
        {"data cut short", rgba(8, 8).Bytes(Sequence(100))},
        {"bit count lies", lyingBits.Bytes(Sequence(8))},
        {"huge width", rgba(0xFFFFFFFF, 1).Bytes(Sequence(16))},
        {"huge height", rgba(4, 0x40000000).Bytes(Sequence(64))},
        {"surface count huge", manySurfaces.Bytes(Sequence(16))},
        {"second surface missing", secondSurfaceMissing.Bytes(Sequence(16))},
        {"second surface far away", farSurface.Bytes(Sequence(16))},
        {"mip-map count huge", manyLevels.Bytes(Sequence(4))},
        {"levels missing", shortLevels.Bytes(Sequence(8 * 8 * 4))},
        {"pvrtc cut short", shortPvrtc.Bytes(RedPvrtcBlocks(2))},
        {"pvrtc bit count 0", zeroBitPvrtc.Bytes(RedPvrtcBlocks(2))},
        {"pvrtc not a power of two", oddPvrtc.Bytes(RedPvrtcBlocks(16))},
        {"pvrtc of 524288 x 524288", hugePvrtc.Bytes("")},
        {"side above 16384", rgba(16385, 1).Bytes(Sequence(16385 * 4))},
    };
    for (Case const& c : cases) {
        EXPECT_EQ(Load(c.bytes), 1u) << c.what;
        EXPECT_NE(log.find("failed"), std::string::npos) << c.what << ": " << log;
        EXPECT_EQ(name, 0u) << c.what;
    }
}

TEST_F(PVRTTextureTest, LoadFromPointerTakesSeparateData)
{
    PvrFile file(2, 1, OGL_RGBA_8888, 32);
    std::string data = Sequence(8);
    ASSERT_EQ(PVRTTextureLoadFromPointer(&file.header, &name, nullptr, true, 0, data.data()), 0u);
    std::vector<unsigned char> pixels = LevelPixels(0, GL_RGBA, 8);
    EXPECT_EQ(std::string(pixels.begin(), pixels.end()), data);
}

TEST_F(PVRTTextureTest, ExtensionNamesMatchOnlyWhole)
{
    std::string extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    ASSERT_NE(extensions.find("GL_EXT_texture_compression_s3tc"), std::string::npos);
    EXPECT_TRUE(CPVRTglesExt::IsGLExtensionSupported("GL_EXT_texture_compression_s3tc"));
    EXPECT_FALSE(CPVRTglesExt::IsGLExtensionSupported("GL_EXT_texture_compression"));
    EXPECT_FALSE(CPVRTglesExt::IsGLExtensionSupported("texture_compression_s3tc"));
    EXPECT_FALSE(CPVRTglesExt::IsGLExtensionSupported(""));
    EXPECT_FALSE(CPVRTglesExt::IsGLExtensionSupported("GL_EXT_texture_compression_s3tc GL_ARB_multitexture"));

    CPVRTglesExt table;
    table.entryPoints[3] = reinterpret_cast<CPVRTglesExt::EntryPoint>(&glFlush);
    table.LoadExtensions();
    for (CPVRTglesExt::EntryPoint entry : table.entryPoints)
        EXPECT_EQ(entry, nullptr);
}

} // namespace
