// Shader loading from files and memory, and program linking, with Mesa's
// GLSL compiler.
#include "contrib/pvr/PVRTShader.h"

#include "tests/support/TempFolder.h"
#include "tests/support/GLWindow.h"
#include "norv/vfs/NativeMount.h"
#include "norv/vfs/Vfs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char* const kVertexSource = "attribute vec4 inVertex;\n"
                                  "attribute vec2 inTexCoord;\n"
                                  "varying vec2 texCoord;\n"
                                  "void main() { texCoord = inTexCoord; gl_Position = inVertex * SCALE; }\n";
const char* const kFragmentSource = "varying vec2 texCoord;\n"
                                    "void main() { gl_FragColor = vec4(texCoord, 0.0, 1.0); }\n";

class PVRTShaderTest : public GLTest::GLWindow {
protected:
    void SetUp() override
    {
        folder.Write("plain.vsh", std::string("#define SCALE 1.0\n") + kVertexSource);
        folder.Write("scaled.vsh", kVertexSource);
        folder.Write("plain.fsh", kFragmentSource);
        folder.Write("broken.fsh", "void main() { gl_FragColor = undefinedThing; }\n");
        folder.Write("unfed.fsh",
                     "varying vec3 neverWritten;\nvoid main() { gl_FragColor = vec4(neverWritten, 1.0); }\n");
        folder.Write("shader.bin", "binary");
        Norv::Vfs::Initialize();
        Norv::MountNative((folder.path + "/").c_str(), "", Norv::VfsMount::FallThrough);
    }
    void TearDown() override
    {
        glUseProgram(0);
        Norv::Vfs::Shutdown();
    }

    std::string Source(GLuint shader)
    {
        GLint length = 0;
        glGetShaderiv(shader, GL_SHADER_SOURCE_LENGTH, &length);
        std::vector<char> text(size_t(length) + 1, '\0');
        glGetShaderSource(shader, length, nullptr, text.data());
        return text.data();
    }

    TempFolder folder;
    CPVRTString error;
};

TEST_F(PVRTShaderTest, FilesCompileAndLinkWithAttributesInOrder)
{
    GLuint vertex = 0, fragment = 0, program = 0;
    ASSERT_EQ(PVRTShaderLoadFromFile("plain.vbin", "plain.vsh", GL_VERTEX_SHADER, 0, &vertex, &error), PVR_SUCCESS)
        << error.c_str();
    EXPECT_STREQ(error.c_str(), "") << "a binary format of 0 skips the binary";
    ASSERT_EQ(PVRTShaderLoadFromFile(nullptr, "plain.fsh", GL_FRAGMENT_SHADER, 0, &fragment, &error), PVR_SUCCESS);
    const char* attributes[] = {"inTexCoord", "inVertex"};
    ASSERT_EQ(PVRTCreateProgram(&program, vertex, fragment, attributes, 2, &error), PVR_SUCCESS) << error.c_str();
    EXPECT_EQ(glGetAttribLocation(program, "inTexCoord"), 0);
    EXPECT_EQ(glGetAttribLocation(program, "inVertex"), 1);
    GLint current = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    EXPECT_EQ(GLuint(current), program);

    GLuint bare = 0;
    ASSERT_EQ(PVRTCreateProgram(&bare, vertex, fragment, attributes, 0, &error), PVR_SUCCESS);
    glDeleteProgram(bare);
    glDeleteProgram(program);
    glDeleteShader(vertex);
    glDeleteShader(fragment);
}

TEST_F(PVRTShaderTest, DefinitionsComeFirstEachOnItsOwnLine)
{
    GLuint shader = 0;
    const char* defines[] = {"SCALE 2.0", "LIGHTING"};
    ASSERT_EQ(PVRTShaderLoadFromFile("shader.bin", "scaled.vsh", GL_VERTEX_SHADER, 1, &shader, &error, nullptr,
                                     defines, 2),
              PVR_SUCCESS)
        << error.c_str();
    EXPECT_STREQ(error.c_str(), "") << "with definitions the binary is not offered";
    EXPECT_EQ(Source(shader), std::string("#define SCALE 2.0\n#define LIGHTING\n") + kVertexSource);
    glDeleteShader(shader);
}

TEST_F(PVRTShaderTest, FailuresReportThroughTheErrorText)
{
    GLuint shader = 0;
    // A binary is refused even when it opens; the source still loads.
    EXPECT_EQ(PVRTShaderLoadFromFile("shader.bin", "plain.vsh", GL_VERTEX_SHADER, 1, &shader, &error), PVR_SUCCESS);
    EXPECT_STREQ(error.c_str(), "Failed to open shader shader.bin\n");
    glDeleteShader(shader);

    // Compiling replaces the binary's line.
    EXPECT_EQ(PVRTShaderLoadFromFile("shader.bin", "broken.fsh", GL_FRAGMENT_SHADER, 1, &shader, &error),
              PVR_FAIL);
    std::string text = error.c_str();
    EXPECT_EQ(text.rfind("Failed to compile shader: ", 0), 0u) << text;
    EXPECT_GT(text.size(), std::string("Failed to compile shader: \n").size());
    EXPECT_EQ(text.back(), '\n');
    EXPECT_FALSE(glIsShader(shader));

    EXPECT_EQ(PVRTShaderLoadFromFile("missing.bin", "missing.fsh", GL_FRAGMENT_SHADER, 1, &shader, &error), PVR_FAIL);
    EXPECT_STREQ(error.c_str(), "Failed to open shader missing.bin\nFailed to open shader missing.fsh\n");

    EXPECT_EQ(PVRTShaderLoadBinaryFromMemory("x", 1, GL_VERTEX_SHADER, 1, &shader, &error), PVR_FAIL);
}

TEST_F(PVRTShaderTest, LinkFailureKeepsTheProgram)
{
    GLuint vertex = 0, fragment = 0, program = 0;
    ASSERT_EQ(PVRTShaderLoadFromFile(nullptr, "plain.vsh", GL_VERTEX_SHADER, 0, &vertex, &error), PVR_SUCCESS);
    ASSERT_EQ(PVRTShaderLoadFromFile(nullptr, "unfed.fsh", GL_FRAGMENT_SHADER, 0, &fragment, &error), PVR_SUCCESS)
        << error.c_str();
    EXPECT_EQ(PVRTCreateProgram(&program, vertex, fragment, nullptr, 0, &error), PVR_FAIL);
    EXPECT_EQ(std::string(error.c_str()).rfind("Failed to link: ", 0), 0u) << error.c_str();
    EXPECT_TRUE(glIsProgram(program));
    glDeleteProgram(program);
    glDeleteShader(vertex);
    glDeleteShader(fragment);
}

} // namespace
