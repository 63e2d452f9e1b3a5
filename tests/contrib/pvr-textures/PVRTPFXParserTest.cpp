// The PFX effect parser: a full file, the texture options, render targets,
// semantics and defaults, and a table of malformed files.
#include "contrib/pvr/PVRTPFXParser.h"

#include "tests/support/TempFolder.h"
#include "norv/vfs/NativeMount.h"
#include "norv/vfs/Vfs.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kShaders = "[VERTEXSHADER]\n"
                             "NAME VS\n"
                             "[GLSL_CODE]\n"
                             "    attribute   vec4 inVertex;   // position\n"
                             "\tvoid main() { gl_Position = inVertex; }\n"
                             "[/GLSL_CODE]\n"
                             "[/VERTEXSHADER]\n"
                             "[FRAGMENTSHADER]\n"
                             "NAME FS\n"
                             "[GLSL_CODE]\n"
                             "void main() { gl_FragColor = vec4(1.0); }\n"
                             "[/GLSL_CODE]\n"
                             "[/FRAGMENTSHADER]\n";

std::string Effect(std::string const& body)
{
    return "[EFFECT]\nNAME Main\nVERTEXSHADER VS\nFRAGMENTSHADER FS\n" + body + "[/EFFECT]\n";
}

std::string WithTextures(std::string const& lines)
{
    return "[TEXTURES]\n" + lines + "[/TEXTURES]\n" + kShaders + Effect("");
}

class PVRTPFXParserTest : public ::testing::Test {
protected:
    EPVRTError Parse(std::string const& text) { return parser.ParseFromMemory(text.c_str(), &error); }
    std::string Error() const { return error.c_str(); }

    CPVRTPFXParser parser;
    CPVRTString error;
};

TEST_F(PVRTPFXParserTest, FullFileFillsTheRecords)
{
    const std::string text = "// An effect file\r\n"
                             "[HEADER]\n"
                             "VERSION 01.00.00.00\n"
                             "DESCRIPTION Two  words\n"
                             "[/HEADER]\n"
                             "[TEXTURES]\n"
                             "FILE base base.pvr LINEAR-LINEAR-LINEAR CLAMP-REPEAT\n"
                             "[/TEXTURES]\n"
                             + kShaders
                             + Effect("[ANNOTATION]\nA  plain   effect\n[/ANNOTATION]\n"
                                      "TEXTURE 3 base\n"
                                      "UNIFORM myWorld WORLDVIEWPROJECTION\n"
                                      "UNIFORM myLight LIGHTPOS2 vec3(1.0, 0.5, 0)\n"
                                      "ATTRIBUTE inVertex POSITION\n");
    ASSERT_EQ(Parse(text), PVR_SUCCESS) << Error();
    EXPECT_STREQ(parser.header.version.c_str(), "01.00.00.00");
    EXPECT_STREQ(parser.header.description.c_str(), "Two words");
    EXPECT_STREQ(parser.header.copyright.c_str(), "");

    ASSERT_EQ(parser.textureCount, 1u);
    SPVRTPFXParserTexture const& texture = parser.textures[0];
    EXPECT_STREQ(texture.name.c_str(), "base");
    EXPECT_STREQ(texture.fileName.c_str(), "base.pvr");
    EXPECT_FALSE(texture.renderToTexture);
    EXPECT_EQ(texture.width, 640u);
    EXPECT_EQ(texture.height, 480u);

    ASSERT_EQ(parser.vertexShaderCount, 1u);
    SPVRTPFXParserShader const& vs = parser.vertexShaders[0];
    EXPECT_STREQ(vs.name.c_str(), "VS");
    EXPECT_STREQ(vs.glslCode.c_str(), "attribute vec4 inVertex;\nvoid main() { gl_Position = inVertex; }\n");
    EXPECT_EQ(vs.firstLineNumber, 11u);
    EXPECT_FALSE(vs.useFile);

    ASSERT_EQ(parser.effectCount, 1u);
    SPVRTPFXParserEffect const& effect = parser.effects[0];
    EXPECT_STREQ(effect.name.c_str(), "Main");
    EXPECT_STREQ(effect.annotation.c_str(), "A plain effect\n");
    ASSERT_EQ(effect.textures.size(), 1u);
    EXPECT_EQ(effect.textures[0].unit, 3u);
    ASSERT_EQ(effect.uniforms.size(), 2u);
    EXPECT_STREQ(effect.uniforms[0].value.c_str(), "WORLDVIEWPROJECTION");
    EXPECT_EQ(effect.uniforms[0].index, 0u);
    EXPECT_EQ(effect.uniforms[0].defaultType, eDataTypeNone);
    SPVRTPFXParserSemantic const& light = effect.uniforms[1];
    EXPECT_STREQ(light.value.c_str(), "LIGHTPOS");
    EXPECT_EQ(light.index, 2u);
    EXPECT_EQ(light.defaultType, eDataTypeVec3);
    EXPECT_FLOAT_EQ(light.defaultValue.floats[0], 1.0f);
    EXPECT_FLOAT_EQ(light.defaultValue.floats[1], 0.5f);
    EXPECT_FLOAT_EQ(light.defaultValue.floats[2], 0.0f);
    ASSERT_EQ(effect.attributes.size(), 1u);
    EXPECT_STREQ(effect.attributes[0].name.c_str(), "inVertex");

    const std::string dump = parser.DebugDump().c_str();
    EXPECT_NE(dump.find("[HEADER]\nVERSION  01.00.00.00\nDESCRIPTION  Two words\nCOPYRIGHT  \n[/HEADER]\n\n"),
              std::string::npos);
    EXPECT_NE(dump.find("FILE  base  base.pvr\n"), std::string::npos);
    EXPECT_NE(dump.find("[GLSL_CODE]\nvoid main() { gl_FragColor = vec4(1.0); }\n[/GLSL_CODE]\n[/FRAGMENTSHADER]"),
              std::string::npos);
    EXPECT_NE(dump.find("[ANNOTATION]\nA plain effect\n[/ANNOTATION]\nFRAGMENTSHADER  FS\nVERTEXSHADER  VS\n"
                        "TEXTURE  3  base\nUNIFORM  myWorld  WORLDVIEWPROJECTION0\nUNIFORM  myLight  LIGHTPOS2\n"
                        "ATTRIBUTE  inVertex  POSITION0\n[/EFFECT]\n\n"),
              std::string::npos)
        << dump;
}

TEST_F(PVRTPFXParserTest, FilterAndWrapWords)
{
    struct Case {
        const char* options;
        unsigned int min, mag, mip, s, t, r;
    } const cases[] = {
        {"LINEAR-LINEAR-LINEAR CLAMP-REPEAT", 1, 1, 2, 0, 1, 1},
        {"LINEAR-LINEAR CLAMP-REPEAT", 1, 0, 0, 0, 1, 1},
        {"", 0, 0, 0, 1, 1, 1},
        {"NEAREST-NEAREST-NEAREST", 0, 0, 1, 1, 1, 1},
        {"REPEAT-CLAMP", 0, 0, 0, 1, 0, 1},
        {"NEAREST-LINEAR-NEAREST CLAMP-CLAMP-CLAMP", 0, 1, 1, 0, 0, 0},
    };
    for (Case const& c : cases) {
        ASSERT_EQ(Parse(WithTextures(std::string("FILE tex tex.pvr ") + c.options + "\n")), PVR_SUCCESS) << Error();
        SPVRTPFXParserTexture const& t = parser.textures[0];
        EXPECT_EQ(t.minFilter, c.min) << c.options;
        EXPECT_EQ(t.magFilter, c.mag) << c.options;
        EXPECT_EQ(t.mipFilter, c.mip) << c.options;
        EXPECT_EQ(t.wrapS, c.s) << c.options;
        EXPECT_EQ(t.wrapT, c.t) << c.options;
        EXPECT_EQ(t.wrapR, c.r) << c.options;
    }
}

TEST_F(PVRTPFXParserTest, RenderTargetsFollowTheViewport)
{
    struct Case {
        const char* options;
        unsigned int width, height;
    } const cases[] = {
        {"CAMERA=\"Eye\" FORMAT=RGB_565 RES=SRESPOTLSQ", 256, 256},
        {"CAMERA=\"Eye\" RES=SRESPOTHSQ", 512, 512},
        {"CAMERA=\"Eye\" RES=SRESPOTL", 512, 256},
        {"CAMERA=\"Eye\" RES=SRESPOTH2", 2048, 1024},
        {"CAMERA=\"Eye\" RES=SRESL", 320, 240},
        {"CAMERA=\"Eye\" RES=SRESL4", 160, 120},
        {"CAMERA=\"Eye\" RES=SRESH3", 1920, 1440},
        {"CAMERA=\"Eye\" RES=SCREENRES", 640, 480},
        {"CAMERA=\"Eye\" RES=100x50", 100, 50},
        {"CAMERA=\"Eye\"", 640, 480},
    };
    for (Case const& c : cases) {
        CPVRTPFXParser fresh;
        std::string text = WithTextures(std::string("RENDER target ") + c.options + "\n");
        ASSERT_EQ(fresh.ParseFromMemory(text.c_str(), &error), PVR_SUCCESS) << c.options << ": " << Error();
        EXPECT_EQ(fresh.textures[0].width, c.width) << c.options;
        EXPECT_EQ(fresh.textures[0].height, c.height) << c.options;
        EXPECT_TRUE(fresh.textures[0].renderToTexture);
        EXPECT_STREQ(fresh.textures[0].fileName.c_str(), "target");
        ASSERT_EQ(fresh.renderPassCount, 1u);
        EXPECT_EQ(fresh.renderPasses[0].viewType, eNodeView);
        EXPECT_STREQ(fresh.renderPasses[0].nodeName.c_str(), "Eye");
        EXPECT_EQ(fresh.renderPasses[0].passType, 2u);
    }

    CPVRTPFXParser positioned;
    ASSERT_TRUE(positioned.SetViewportSize(800, 600));
    EXPECT_FALSE(positioned.SetViewportSize(0, 600));
    std::string text = WithTextures("FILE a a.pvr\nRENDER target CAMERA=(1.5,-2,3) FORMAT=RGBA_8888 RES=SRESL\n");
    ASSERT_EQ(positioned.ParseFromMemory(text.c_str(), &error), PVR_SUCCESS) << Error();
    SPVRTPFXRenderPass const& pass = positioned.renderPasses[0];
    EXPECT_EQ(pass.viewType, ePositionView);
    EXPECT_EQ(pass.textureIndex, 1u);
    EXPECT_EQ(pass.format, 18u);
    EXPECT_FLOAT_EQ(pass.position[0], 1.5f);
    EXPECT_FLOAT_EQ(pass.position[1], -2.0f);
    EXPECT_FLOAT_EQ(pass.position[2], 3.0f);
    EXPECT_EQ(positioned.textures[1].width, 400u);
    EXPECT_EQ(positioned.textures[0].width, 800u);

    // The one render pass stays taken in a later parse.
    EXPECT_EQ(positioned.ParseFromMemory(text.c_str(), &error), PVR_FAIL);
    EXPECT_EQ(Error(), "Maximum number of render passes has been exceeded on line 3: RENDER\n");
}

TEST_F(PVRTPFXParserTest, DefaultValuesOfEveryKind)
{
    struct Case {
        const char* line;
        const char* error; // null: parses
    } const cases[] = {
        {"UNIFORM a B mat2(1, 2, 3, 4)", nullptr},
        {"UNIFORM a B ivec3(1, -2, 3)", nullptr},
        {"UNIFORM a B bvec2(true, false)", nullptr},
        {"UNIFORM a B int( 7 )", nullptr},
        {"UNIFORM a B vec3(1.0, 0.5", "vec3 missing arguments on line 20.\n"},
        {"UNIFORM a B vec3(1.0, 0.5)", "')' unexpected for vec3 on line 20.\n"},
        {"UNIFORM a B bool(maybe)", "'maybe)' unexpected for bool on line 20.\n"},
        {"UNIFORM a B vec2 1, 2)", "Missing '(' after vec2 on line 20.\n"},
        {"UNIFORM a B vec2(1, 2, 3)", "',' found when expecting ')' for vec2 on line 20.\n"},
        {"UNIFORM a B float(1) x", "' x ' unexpected after ')' on line 20.\n"},
        {"UNIFORM a B colour(1, 2)", "'colour(1, 2) ' unknown on line 20.\n"},
        {"UNIFORM a 42", "Semantic contains only numbers in [EFFECT] on line 20\n"},
        {"ATTRIBUTE a", "UNIFORM missing value in [EFFECT] on line 20\n"},
        {"ATTRIBUTE", "UNIFORM missing name in [EFFECT] on line 20\n"},
    };
    for (Case const& c : cases) {
        std::string text = WithTextures("") ;
        text.replace(text.find("[/EFFECT]"), 0, std::string(c.line) + "\n");
        EPVRTError result = Parse(text);
        if (!c.error) {
            EXPECT_EQ(result, PVR_SUCCESS) << c.line << ": " << Error();
        } else {
            EXPECT_EQ(result, PVR_FAIL) << c.line;
            EXPECT_EQ(Error(), c.error) << c.line;
        }
    }
    ASSERT_EQ(Parse(WithTextures("").replace(WithTextures("").find("[/EFFECT]"), 0,
                                             "UNIFORM m M mat2(1, 2, 3, 4)\nUNIFORM b B bvec2(true, false)\n")),
              PVR_SUCCESS);
    SPVRTPFXParserEffect const& effect = parser.effects[0];
    EXPECT_EQ(effect.uniforms[0].defaultType, eDataTypeMat2);
    EXPECT_FLOAT_EQ(effect.uniforms[0].defaultValue.floats[3], 4.0f);
    EXPECT_EQ(effect.uniforms[1].defaultType, eDataTypeBvec2);
    EXPECT_TRUE(effect.uniforms[1].defaultValue.bools[0]);
    EXPECT_FALSE(effect.uniforms[1].defaultValue.bools[1]);
}

TEST_F(PVRTPFXParserTest, MalformedFilesFailWithTheirMessages)
{
    std::string manyTextures;
    for (int i = 0; i < 21; ++i)
        manyTextures += "FILE t" + std::to_string(i) + " t.pvr\n";
    std::string manyLines(5000, '\n');

    struct Case {
        const char* what;
        std::string text;
        const char* error;
    } const cases[] = {
        {"stray line", "hello\n", "'hello' unexpected on line 1\n"},
        {"second header", "[HEADER]\n[/HEADER]\n[HEADER]\n[/HEADER]\n", "[HEADER] redefined on line 3\n"},
        {"open header", "[HEADER]\nVERSION 1\n", "Missing [/HEADER] tag after [HEADER] on line 1\n"},
        {"header keyword", "[HEADER]\nAUTHOR me\n[/HEADER]\n", "Unknown keyword 'AUTHOR' in [HEADER] on line 2\n"},
        {"open effect", "[EFFECT]\nNAME x\n", "Missing [/EFFECT] tag after [EFFECT] on line 1\n"},
        {"no effect", kShaders, "No [EFFECT] found. PFX file must have at least one defined.\n"},
        {"no fragment shader", kShaders.substr(0, kShaders.find("[FRAGMENTSHADER]")) + Effect(""),
         "No [FRAGMENTSHADER] found. PFX file must have at least one defined.\n"},
        {"texture keyword", WithTextures("IMAGE a a.pvr\n"), "Unknown keyword 'IMAGE' in [TEXTURES] on line 2\n"},
        {"texture without name", WithTextures("FILE\n"), "Texture name missing in [TEXTURES] on line 2: FILE\n"},
        {"texture without file", WithTextures("FILE a\n"), "Incomplete definition in [TEXTURES] on line 2: FILE\n"},
        {"21 textures", WithTextures(manyTextures), "Too many textures in [TEXTURES] on line 22\n"},
        {"render without camera", WithTextures("RENDER a RES=SRESL\n"),
         "An unknown render pass type was specified in [TEXTURES] on line 2: RENDER\n"},
        {"bad camera", WithTextures("RENDER a CAMERA=eye\n"),
         "Unknown or incorrectly formatted parameter has been given after CAMERA in [TEXTURES] on line 2: RENDER\n"},
        {"bad format", WithTextures("RENDER a CAMERA=\"e\" FORMAT=DXT1\n"),
         "Unrecognised texture format in [TEXTURES] on line 2\n"},
        {"divide by 0", WithTextures("RENDER a CAMERA=\"e\" RES=SRESL0\n"),
         "Invalid divide value has been provided after SRESL in [TEXTURES] on line 2\n"},
        {"multiply by -1", WithTextures("RENDER a CAMERA=\"e\" RES=SRESH-1\n"),
         "Invalid multiply value has been provided after SRESH in [TEXTURES] on line 2\n"},
        {"zero height", WithTextures("RENDER a CAMERA=\"e\" RES=320x0\n"),
         "Invalid explicit resolution specified in [TEXTURES] on line 2\n"},
        {"odd resolution", WithTextures("RENDER a CAMERA=\"e\" RES=HUGE\n"),
         "Unrecognised resolution in [TEXTURES] on line 2\n"},
        {"second render", WithTextures("RENDER a CAMERA=\"e\"\nRENDER b CAMERA=\"e\"\n"),
         "Maximum number of render passes has been exceeded on line 3: RENDER\n"},
        {"shader file missing", "[VERTEXSHADER]\nFILE x.vsh\n[/VERTEXSHADER]\n",
         "Error loading file 'x.vsh' in [VERTEXSHADER] on line 2\n"},
        {"shader name twice", "[VERTEXSHADER]\nNAME a\nNAME b\n[/VERTEXSHADER]\n",
         "NAME redefined in [VERTEXSHADER] on line 3\n"},
        {"shader name empty", "[FRAGMENTSHADER]\nNAME\n[/FRAGMENTSHADER]\n",
         "NAME missing value in [FRAGMENTSHADER] on line 2\n"},
        {"shader extra word", "[VERTEXSHADER]\nNAME a b\n[/VERTEXSHADER]\n",
         "Unexpected data in [VERTEXSHADER] on line 2: 'b'\n"},
        {"shader keyword", "[VERTEXSHADER]\nSOURCE a\n[/VERTEXSHADER]\n",
         "Unknown keyword 'SOURCE' in [VERTEXSHADER] on line 2\n"},
        {"shader without code", "[VERTEXSHADER]\nNAME a\n[/VERTEXSHADER]\n",
         "No Shader File or Shader Code specified in [VERTEXSHADER] on line 1\n"},
        {"shader without name", "[VERTEXSHADER]\n[GLSL_CODE]\n[/GLSL_CODE]\n[/VERTEXSHADER]\n",
         "NAME not found in [VERTEXSHADER] on line 1.\n"},
        {"code twice", "[VERTEXSHADER]\n[GLSL_CODE]\n[/GLSL_CODE]\n[GLSL_CODE]\n[/GLSL_CODE]\n[/VERTEXSHADER]\n",
         "[GLSL_CODE] redefined in [VERTEXSHADER] on line 4\n"},
        {"file after code", "[VERTEXSHADER]\n[GLSL_CODE]\n[/GLSL_CODE]\nFILE s.vsh\n[/VERTEXSHADER]\n",
         "FILE not allowed with [GLSL_CODE] in [VERTEXSHADER] on line 4\n"},
        {"binary without name", "[VERTEXSHADER]\nBINARYFILE\n[/VERTEXSHADER]\n",
         "BINARYFILE missing value in [VERTEXSHADER] on line 2\n"},
        {"effect name twice", kShaders + "[EFFECT]\nNAME a\nNAME b\n[/EFFECT]\n",
         "NAME redefined in [EFFECT] on line 14\n"},
        {"effect without name", kShaders + "[EFFECT]\nVERTEXSHADER VS\n[/EFFECT]\n",
         "No 'NAME' found in [EFFECT] on line 14\n"},
        {"effect without fragment shader", kShaders + "[EFFECT]\nNAME e\nVERTEXSHADER VS\n[/EFFECT]\n",
         "No 'FRAGMENTSHADER' defined in [EFFECT] starting on line 14: \n"},
        {"effect vertex shader twice", kShaders + "[EFFECT]\nVERTEXSHADER a\nVERTEXSHADER b\n[/EFFECT]\n",
         "VERTEXSHADER redefined in [EFFECT] on line 16: \n"},
        {"effect texture short", WithTextures("").replace(WithTextures("").find("[/EFFECT]"), 0, "TEXTURE 0\n"),
         "TEXTURE missing value in [EFFECT] on line 20\n"},
        {"effect keyword", kShaders + "[EFFECT]\nSAMPLER a\n[/EFFECT]\n",
         "Unknown keyword 'SAMPLER' in [EFFECT] on line 15\n"},
        {"undefined texture", WithTextures("").replace(WithTextures("").find("[/EFFECT]"), 0, "TEXTURE 0 missing\n"),
         "Error: TEXTURE 'missing' is not defined in [TEXTURES].\n"},
        {"too many lines", manyLines, "Too many lines of text in file (maximum is 5000)\n"},
    };
    for (Case const& c : cases) {
        CPVRTPFXParser fresh;
        error = "";
        EXPECT_EQ(fresh.ParseFromMemory(c.text.c_str(), &error), PVR_FAIL) << c.what;
        EXPECT_EQ(Error(), c.error) << c.what;
    }

    // Unclosed code and annotations fail without a message.
    error = "untouched";
    EXPECT_EQ(Parse("[VERTEXSHADER]\nNAME a\n[GLSL_CODE]\n[/VERTEXSHADER]\n"), PVR_FAIL);
    EXPECT_EQ(Parse(kShaders + "[EFFECT]\n[ANNOTATION]\n[/EFFECT]\n"), PVR_FAIL);
    EXPECT_EQ(parser.ParseFromMemory(nullptr, &error), PVR_FAIL);
    EXPECT_EQ(Error(), "untouched");
}

TEST_F(PVRTPFXParserTest, LinesAndFiles)
{
    // A last line without a line feed is read; very long lines are cut.
    std::string text = WithTextures("FILE a a.pvr " + std::string(600, 'x') + "\n");
    text.pop_back();
    ASSERT_EQ(Parse(text), PVR_SUCCESS) << Error();
    EXPECT_EQ(Parse(text + "\n// comment with [TEXTURES] inside"), PVR_SUCCESS);

    TempFolder folder;
    folder.Write("fx/shader.vsh", "void main() {}\n");
    folder.Write("fx/shader.bin", std::string("\x01\x00\x02", 3));
    folder.Write("fx/effect.pfx", "[VERTEXSHADER]\nNAME V\nFILE fx/shader.vsh\n[/VERTEXSHADER]\n"
                                  "[FRAGMENTSHADER]\nNAME F\nBINARYFILE fx/shader.bin\n[/FRAGMENTSHADER]\n"
                                  + Effect(""));
    Norv::Vfs::Initialize();
    Norv::MountNative((folder.path + "/").c_str(), "", Norv::VfsMount::FallThrough);
    ASSERT_EQ(parser.ParseFromFile("fx/effect.pfx", &error), PVR_SUCCESS) << Error();
    EXPECT_STREQ(parser.vertexShaders[0].glslCode.c_str(), "void main() {}\n");
    EXPECT_STREQ(parser.vertexShaders[0].glslFile.c_str(), "fx/shader.vsh");
    EXPECT_TRUE(parser.vertexShaders[0].useFile);
    EXPECT_EQ(parser.fragmentShaders[0].binarySize, 3u);
    EXPECT_EQ(parser.fragmentShaders[0].binary[2], 2);
    const std::string codeAfterFile
        = "[VERTEXSHADER]\nFILE fx/shader.vsh\n[GLSL_CODE]\n[/GLSL_CODE]\n[/VERTEXSHADER]\n";
    EXPECT_EQ(Parse(codeAfterFile), PVR_FAIL);
    EXPECT_EQ(Error(), "[GLSL_CODE] not allowed with FILE in [VERTEXSHADER] on line 3\n");
    EXPECT_EQ(parser.ParseFromFile("fx/none.pfx", &error), PVR_FAIL);
    EXPECT_EQ(Error(), "Unable to open file fx/none.pfx");
    Norv::Vfs::Shutdown();
}

} // namespace
