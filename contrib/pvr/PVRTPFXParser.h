// The PFX effect file parser: textures (from files or rendered from a
// camera), GLSL vertex and fragment shaders and the effects that tie them
// to texture units, uniforms and attributes, read into plain records.
#pragma once

#include "contrib/pvr/PVRTGlobal.h"
#include "contrib/pvr/PVRTPFXParserRecords.h"
#include "contrib/pvr/PVRTString.h"

#include <string>

class CPVRTPFXParserReadContext;

class CPVRTPFXParser {
public:
    CPVRTPFXParser();
    ~CPVRTPFXParser();
    CPVRTPFXParser(CPVRTPFXParser const&) = delete;
    CPVRTPFXParser& operator=(CPVRTPFXParser const&) = delete;

    // The viewport that render targets and texture sizes follow (640 x 480
    // until set); false, changing nothing, when a side is 0.
    bool SetViewportSize(unsigned int width, unsigned int height);

    // Parses the file read through the file system; the error text tells
    // why when the result is PVR_FAIL.
    EPVRTError ParseFromFile(const char* fileName, CPVRTString* error);
    // Parses a text; a null text fails at once, leaving the error text.
    EPVRTError ParseFromMemory(const char* text, CPVRTString* error);

    // The parsed content written back as PFX-like text; needs at least one
    // vertex and one fragment shader, as a successful parse leaves.
    CPVRTString DebugDump() const;

    // Parses a default value such as "(1.0, 0.5, 0)" for the given type.
    static bool GetSemanticDataFromString(SPVRTSemanticDefaultData* data, const char* text,
                                          ESemanticDefaultDataType type, CPVRTString* error);
    // Moves the pointer past blanks, tabs, carriage returns and line feeds.
    static void IgnoreWhitespace(char** text);

    // Most records of each kind one parser keeps.
    static constexpr unsigned int kMaxTextures = 20;
    static constexpr unsigned int kMaxShaders = 20;
    static constexpr unsigned int kMaxEffects = 20;
    static constexpr unsigned int kMaxRenderPasses = 1;
    // Most textures, uniforms and attributes of one effect.
    static constexpr unsigned int kMaxEffectItems = 100;

    SPVRTPFXParserHeader header;
    SPVRTPFXParserTexture* textures;
    unsigned int textureCount = 0;
    SPVRTPFXParserShader* fragmentShaders;
    unsigned int fragmentShaderCount = 0;
    SPVRTPFXParserShader* vertexShaders;
    unsigned int vertexShaderCount = 0;
    SPVRTPFXParserEffect* effects;
    unsigned int effectCount = 0;
    SPVRTPFXRenderPass* renderPasses;
    unsigned int renderPassCount = 0;
    unsigned int viewportWidth = 640;
    unsigned int viewportHeight = 480;

private:
    bool Parse(CPVRTString* error);
    bool ParseHeader(int start, int end, CPVRTString* error);
    bool ParseTextures(int start, int end, CPVRTString* error);
    bool ParseTexture(int line, CPVRTString* error);
    bool ParseRenderPass(int number, std::string const& keyword, std::string const& name, std::string const& options,
                         SPVRTPFXParserTexture& texture, CPVRTString* error);
    bool ParseShader(int start, int end, SPVRTPFXParserShader& shader, const char* blockName, CPVRTString* error);
    bool ParseEffect(int start, int end, SPVRTPFXParserEffect& effect, CPVRTString* error);
    bool ParseSemantic(int line, SPVRTPFXParserSemantic& semantic, CPVRTString* error);
    bool CheckEffectTextures(CPVRTString* error) const;

    CPVRTPFXParserReadContext* context = nullptr; // the parse under way
};
