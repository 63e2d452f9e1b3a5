// The PFX parser: line splitting, the block scan, the header, shader and
// effect blocks, and the dump.
#include "contrib/pvr/PVRTPFXParser.h"

#include "contrib/pvr/PVRTPFXParserText.h"
#include "contrib/pvr/PVRTResourceFile.h"
#include "contrib/pvr/PVRTStringUtils.h"

#include <cstring>

using PVRTPFXText::Words;

namespace {

// Characters kept of one line; the rest of a longer line is dropped.
constexpr size_t kMaxLineLength = 511;

// Comments cut, tabs and line feeds made blanks, blanks single and trimmed.
std::string ReduceLine(std::string line)
{
    size_t comment = line.find("//");
    if (comment != std::string::npos)
        line.erase(comment);
    std::string reduced;
    for (char c : line) {
        if (c == '\t' || c == '\n')
            c = ' ';
        if (c == ' ' && (reduced.empty() || reduced.back() == ' '))
            continue;
        reduced += c;
    }
    if (!reduced.empty() && reduced.back() == ' ')
        reduced.pop_back();
    return reduced;
}

CPVRTString Str(std::string const& s)
{
    return CPVRTString(s.c_str(), CPVRTString::size_type(s.size()));
}

} // namespace

CPVRTPFXParser::CPVRTPFXParser()
    : textures(new SPVRTPFXParserTexture[kMaxTextures]), fragmentShaders(new SPVRTPFXParserShader[kMaxShaders]),
      vertexShaders(new SPVRTPFXParserShader[kMaxShaders]), effects(new SPVRTPFXParserEffect[kMaxEffects]),
      renderPasses(new SPVRTPFXRenderPass[kMaxRenderPasses])
{
}

CPVRTPFXParser::~CPVRTPFXParser()
{
    delete[] textures;
    delete[] fragmentShaders;
    delete[] vertexShaders;
    delete[] effects;
    delete[] renderPasses;
}

bool CPVRTPFXParser::SetViewportSize(unsigned int width, unsigned int height)
{
    if (width == 0 || height == 0)
        return false;
    viewportWidth = width;
    viewportHeight = height;
    return true;
}

void CPVRTPFXParser::IgnoreWhitespace(char** text)
{
    while (**text == ' ' || **text == '\t' || **text == '\r' || **text == '\n')
        ++*text;
}

EPVRTError CPVRTPFXParser::ParseFromFile(const char* fileName, CPVRTString* error)
{
    CPVRTResourceFile file(fileName);
    if (!file.IsOpen()) {
        *error = CPVRTString("Unable to open file ") + fileName;
        return PVR_FAIL;
    }
    return ParseFromMemory(file.StringPtr(), error);
}

EPVRTError CPVRTPFXParser::ParseFromMemory(const char* text, CPVRTString* error)
{
    if (!text)
        return PVR_FAIL;
    CPVRTPFXParserReadContext readContext;
    int number = 1;
    for (const char* p = text;; ++number) {
        while (*p == '\r')
            ++p;
        const char* end = p + std::strcspn(p, "\n");
        std::string line(p, end);
        while (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() > kMaxLineLength)
            line.resize(kMaxLineLength);
        if (readContext.lines.size() == CPVRTPFXParserReadContext::kMaxLines) {
            *error = PVRTStringFromFormattedStr("Too many lines of text in file (maximum is %d)\n",
                                                int(CPVRTPFXParserReadContext::kMaxLines));
            return PVR_FAIL;
        }
        readContext.lines.push_back(ReduceLine(line));
        readContext.lineNumbers.push_back(number);
        if (*end == '\0')
            break;
        p = end + 1;
    }
    context = &readContext;
    bool parsed = Parse(error);
    context = nullptr;
    return parsed ? PVR_SUCCESS : PVR_FAIL;
}

// The first line after `from` equal to `tag`, or -1.
static int FindLine(CPVRTPFXParserReadContext const& context, int from, const char* tag)
{
    for (size_t i = size_t(from) + 1; i < context.lines.size(); ++i)
        if (context.lines[i] == tag)
            return int(i);
    return -1;
}

// The lines between two others, each ended by a line feed.
static std::string JoinLines(CPVRTPFXParserReadContext const& context, int after, int before)
{
    std::string joined;
    for (int j = after + 1; j < before; ++j)
        joined += context.lines[j] + "\n";
    return joined;
}

// Calls visit(i, number, words) for each non-empty line of a block's body;
// visit may move i past lines it took, and returns false to stop the parse.
template <class Visit>
static bool EachBodyLine(CPVRTPFXParserReadContext const& context, int start, int end, Visit visit)
{
    for (int i = start + 1; i < end; ++i)
        if (!context.lines[i].empty() && !visit(i, context.lineNumbers[i], Words(context.lines[i])))
            return false;
    return true;
}

static bool UnknownKeyword(CPVRTString* error, std::string const& keyword, const char* block, int number)
{
    *error = PVRTStringFromFormattedStr("Unknown keyword '%s' in [%s] on line %d\n", keyword.c_str(), block, number);
    return false;
}

bool CPVRTPFXParser::Parse(CPVRTString* error)
{
    vertexShaderCount = fragmentShaderCount = effectCount = 0;
    bool headerRead = false, texturesRead = false;
    const std::vector<std::string>& lines = context->lines;
    for (int i = 0; i < int(lines.size()); ++i) {
        const std::string& line = lines[i];
        const int number = context->lineNumbers[i];
        if (line.empty())
            continue;
        if (line == "[HEADER]" || line == "[TEXTURES]") {
            const bool header = line == "[HEADER]";
            bool& read = header ? headerRead : texturesRead;
            if (read) {
                *error = PVRTStringFromFormattedStr("%s redefined on line %d\n", line.c_str(), number);
                return false;
            }
            int end = FindLine(*context, i, header ? "[/HEADER]" : "[/TEXTURES]");
            if (end < 0) {
                *error = PVRTStringFromFormattedStr("Missing [/%s] tag after %s on line %d\n",
                                                    header ? "HEADER" : "TEXTURES", line.c_str(), number);
                return false;
            }
            if (!(header ? ParseHeader(i, end, error) : ParseTextures(i, end, error)))
                return false;
            read = true;
            i = end;
        } else if (line == "[VERTEXSHADER]" || line == "[FRAGMENTSHADER]" || line == "[EFFECT]") {
            const std::string block = line.substr(1, line.size() - 2);
            int end = FindLine(*context, i, ("[/" + block + "]").c_str());
            if (end < 0) {
                *error = PVRTStringFromFormattedStr("Missing [/%s] tag after %s on line %d\n", block.c_str(),
                                                    line.c_str(), number);
                return false;
            }
            bool parsed;
            if (block == "EFFECT") {
                if (effectCount == kMaxEffects) {
                    *error = PVRTStringFromFormattedStr("%d effects read, can't store any more, on line %d\n",
                                                        int(effectCount), number);
                    return false;
                }
                parsed = ParseEffect(i, end, effects[effectCount], error);
                if (!parsed)
                    effects[effectCount] = SPVRTPFXParserEffect();
                else
                    ++effectCount;
            } else {
                const bool vertex = block == "VERTEXSHADER";
                unsigned int& count = vertex ? vertexShaderCount : fragmentShaderCount;
                if (count == kMaxShaders) {
                    *error = PVRTStringFromFormattedStr("%d %s shaders read, can't store any more, on line %d\n",
                                                        int(count), vertex ? "vertex" : "fragment", number);
                    return false;
                }
                SPVRTPFXParserShader& shader = (vertex ? vertexShaders : fragmentShaders)[count];
                parsed = ParseShader(i, end, shader, block.c_str(), error);
                if (!parsed)
                    shader = SPVRTPFXParserShader();
                else
                    ++count;
            }
            if (!parsed)
                return false;
            i = end;
        } else {
            *error = PVRTStringFromFormattedStr("'%s' unexpected on line %d\n", line.c_str(), number);
            return false;
        }
    }

    if (effectCount == 0) {
        *error = "No [EFFECT] found. PFX file must have at least one defined.\n";
        return false;
    }
    if (fragmentShaderCount == 0) {
        *error = "No [FRAGMENTSHADER] found. PFX file must have at least one defined.\n";
        return false;
    }
    if (vertexShaderCount == 0) {
        *error = "No [VERTEXSHADER] found. PFX file must have at least one defined.\n";
        return false;
    }
    return CheckEffectTextures(error);
}

bool CPVRTPFXParser::CheckEffectTextures(CPVRTString* error) const
{
    for (unsigned int e = 0; e < effectCount; ++e) {
        for (SPVRTPFXParserEffectTexture const& used : effects[e].textures) {
            bool defined = false;
            for (unsigned int t = 0; t < textureCount && !defined; ++t)
                defined = textures[t].name == used.name;
            if (!defined) {
                *error = PVRTStringFromFormattedStr("Error: TEXTURE '%s' is not defined in [TEXTURES].\n",
                                                    used.name.c_str());
                return false;
            }
        }
    }
    return true;
}

bool CPVRTPFXParser::ParseHeader(int start, int end, CPVRTString* error)
{
    bool givenVersion = false, givenDescription = false, givenCopyright = false;
    auto visit = [&](int& i, int number, std::vector<std::string> const& words) {
        const std::string& keyword = words[0];
        const CPVRTString value = Str(PVRTPFXText::AfterFirstWord(context->lines[i]));
        if (keyword == "VERSION") {
            header.version = value;
            givenVersion = true;
        } else if (keyword == "DESCRIPTION") {
            header.description = value;
            givenDescription = true;
        } else if (keyword == "COPYRIGHT") {
            header.copyright = value;
            givenCopyright = true;
        } else {
            return UnknownKeyword(error, keyword, "HEADER", number);
        }
        return true;
    };
    if (!EachBodyLine(*context, start, end, visit))
        return false;
    if (!givenVersion)
        header.version = "";
    if (!givenDescription)
        header.description = "";
    if (!givenCopyright)
        header.copyright = "";
    return true;
}

bool CPVRTPFXParser::ParseShader(int start, int end, SPVRTPFXParserShader& shader, const char* blockName,
                                 CPVRTString* error)
{
    shader = SPVRTPFXParserShader();
    bool hasName = false, hasFile = false, hasSourceFile = false, hasCode = false;
    auto visit = [&](int& i, int number, std::vector<std::string> const& words) {
        const std::string& keyword = words[0];
        auto fail = [&](const char* format) {
            *error = PVRTStringFromFormattedStr(format, blockName, number);
            return false;
        };

        if (keyword == "[GLSL_CODE]") {
            if (hasCode)
                return fail("[GLSL_CODE] redefined in [%s] on line %d\n");
            if (hasSourceFile)
                return fail("[GLSL_CODE] not allowed with FILE in [%s] on line %d\n");
            int close = FindLine(*context, i, "[/GLSL_CODE]");
            if (close < 0)
                return false;
            shader.firstLineNumber = unsigned(number);
            shader.glslCode = Str(JoinLines(*context, i, close));
            shader.useFile = false;
            hasCode = true;
            i = close;
            return true;
        }
        if (keyword != "NAME" && keyword != "FILE" && keyword != "BINARYFILE")
            return UnknownKeyword(error, keyword, blockName, number);
        if (keyword == "NAME" && hasName)
            return fail("NAME redefined in [%s] on line %d\n");
        if (keyword == "FILE" && hasFile)
            return fail("FILE redefined in [%s] on line %d\n");
        if (keyword == "FILE" && hasCode)
            return fail("FILE not allowed with [GLSL_CODE] in [%s] on line %d\n");
        if (words.size() < 2) {
            *error = PVRTStringFromFormattedStr("%s missing value in [%s] on line %d\n", keyword.c_str(),
                                                blockName, number);
            return false;
        }
        if (words.size() > 2) {
            *error = PVRTStringFromFormattedStr("Unexpected data in [%s] on line %d: '%s'\n", blockName, number,
                                                words[2].c_str());
            return false;
        }
        const std::string& value = words[1];
        if (keyword == "NAME") {
            shader.name = Str(value);
            hasName = true;
            return true;
        }
        CPVRTResourceFile file(value.c_str());
        if (!file.IsOpen()) {
            *error = PVRTStringFromFormattedStr("Error loading file '%s' in [%s] on line %d\n", value.c_str(),
                                                blockName, number);
            return false;
        }
        if (keyword == "FILE") {
            shader.glslFile = Str(value);
            shader.glslCode = CPVRTString(file.StringPtr(), CPVRTString::size_type(file.Size()));
            hasSourceFile = true;
        } else {
            shader.binaryFile = Str(value);
            const char* bytes = file.StringPtr();
            shader.binary.assign(bytes, bytes + file.Size());
            shader.binarySize = unsigned(file.Size());
        }
        shader.useFile = true;
        hasFile = true;
        return true;
    };
    if (!EachBodyLine(*context, start, end, visit))
        return false;
    const int opening = context->lineNumbers[start];
    if (!hasName) {
        *error = PVRTStringFromFormattedStr("NAME not found in [%s] on line %d.\n", blockName, opening);
        return false;
    }
    if (!hasFile && !hasCode) {
        *error = PVRTStringFromFormattedStr("No Shader File or Shader Code specified in [%s] on line %d\n", blockName,
                                            opening);
        return false;
    }
    return true;
}

bool CPVRTPFXParser::ParseEffect(int start, int end, SPVRTPFXParserEffect& effect, CPVRTString* error)
{
    effect = SPVRTPFXParserEffect();
    effect.uniforms.reserve(kMaxEffectItems);
    effect.attributes.reserve(kMaxEffectItems);
    effect.textures.reserve(kMaxEffectItems);
    const int opening = context->lineNumbers[start];
    bool hasName = false, hasAnnotation = false, hasVertexShader = false, hasFragmentShader = false;
    auto visit = [&](int& i, int number, std::vector<std::string> const& words) {
        const std::string& keyword = words[0];
        auto fail = [&](const char* format, int lineNumber) {
            *error = PVRTStringFromFormattedStr(format, lineNumber);
            return false;
        };

        if (keyword == "NAME") {
            if (hasName)
                return fail("NAME redefined in [EFFECT] on line %d\n", opening);
            if (words.size() < 2)
                return fail("NAME missing value in [EFFECT] on line %d\n", opening);
            effect.name = Str(words[1]);
            hasName = true;
        } else if (keyword == "[ANNOTATION]") {
            if (hasAnnotation)
                return fail("ANNOTATION redefined in [EFFECT] on line %d: \n", number);
            int close = FindLine(*context, i, "[/ANNOTATION]");
            if (close < 0)
                return false;
            effect.annotation = Str(JoinLines(*context, i, close));
            hasAnnotation = true;
            i = close;
        } else if (keyword == "VERTEXSHADER" || keyword == "FRAGMENTSHADER") {
            const bool vertex = keyword == "VERTEXSHADER";
            if (vertex ? hasVertexShader : hasFragmentShader)
                return fail(vertex ? "VERTEXSHADER redefined in [EFFECT] on line %d: \n"
                                   : "FRAGMENTSHADER redefined in [EFFECT] on line %d: \n",
                            number);
            if (words.size() < 2)
                return fail(vertex ? "VERTEXSHADER missing value in [EFFECT] on line %d\n"
                                   : "FRAGMENTSHADER missing value in [EFFECT] on line %d\n",
                            number);
            (vertex ? effect.vertexShaderName : effect.fragmentShaderName) = Str(words[1]);
            (vertex ? hasVertexShader : hasFragmentShader) = true;
        } else if (keyword == "TEXTURE") {
            if (effect.textures.size() == kMaxEffectItems)
                return fail("Too many textures in [EFFECT] on line %d\n", number);
            if (words.size() < 3)
                return fail("TEXTURE missing value in [EFFECT] on line %d\n", number);
            SPVRTPFXParserEffectTexture texture;
            texture.unit = unsigned(std::max(0, PVRTPFXText::ToInt(words[1])));
            texture.name = Str(words[2]);
            effect.textures.push_back(texture);
        } else if (keyword == "UNIFORM" || keyword == "ATTRIBUTE") {
            const bool uniform = keyword == "UNIFORM";
            std::vector<SPVRTPFXParserSemantic>& list = uniform ? effect.uniforms : effect.attributes;
            if (list.size() == kMaxEffectItems)
                return fail(uniform ? "Too many uniforms in [EFFECT] on line %d\n"
                                    : "Too many attributes in [EFFECT] on line %d\n",
                            number);
            SPVRTPFXParserSemantic semantic;
            if (!ParseSemantic(i, semantic, error))
                return false;
            list.push_back(semantic);
        } else {
            return UnknownKeyword(error, keyword, "EFFECT", number);
        }
        return true;
    };
    if (!EachBodyLine(*context, start, end, visit))
        return false;
    if (!hasName) {
        *error = PVRTStringFromFormattedStr("No 'NAME' found in [EFFECT] on line %d\n", opening);
        return false;
    }
    if (!hasVertexShader) {
        *error = PVRTStringFromFormattedStr("No 'VERTEXSHADER' defined in [EFFECT] starting on line %d: \n", opening);
        return false;
    }
    if (!hasFragmentShader) {
        *error = PVRTStringFromFormattedStr("No 'FRAGMENTSHADER' defined in [EFFECT] starting on line %d: \n", opening);
        return false;
    }
    return true;
}

CPVRTString CPVRTPFXParser::DebugDump() const
{
    CPVRTString out;
    out += "[HEADER]\n";
    out += PVRTStringFromFormattedStr("VERSION  %s\n", header.version.c_str());
    out += PVRTStringFromFormattedStr("DESCRIPTION  %s\n", header.description.c_str());
    out += PVRTStringFromFormattedStr("COPYRIGHT  %s\n", header.copyright.c_str());
    out += "[/HEADER]\n\n";
    out += "[TEXTURES]\n";
    for (unsigned int i = 0; i < textureCount; ++i)
        out += PVRTStringFromFormattedStr("FILE  %s  %s\n", textures[i].name.c_str(), textures[i].fileName.c_str());
    out += "[/TEXTURES]\n\n";
    const char* const blocks[2] = {"VERTEXSHADER", "FRAGMENTSHADER"};
    const SPVRTPFXParserShader* const firsts[2] = {vertexShaders, fragmentShaders};
    for (int s = 0; s < 2; ++s) {
        out += PVRTStringFromFormattedStr("[%s]\n", blocks[s]);
        out += PVRTStringFromFormattedStr("NAME  %s\n", firsts[s]->name.c_str());
        out += PVRTStringFromFormattedStr("GLSLFILE  %s\n", firsts[s]->glslFile.c_str());
        out += "[GLSL_CODE]\n";
        out += firsts[s]->glslCode;
        out += "[/GLSL_CODE]\n";
        out += PVRTStringFromFormattedStr("[/%s]\n\n", blocks[s]);
    }
    for (unsigned int e = 0; e < effectCount; ++e) {
        SPVRTPFXParserEffect const& effect = effects[e];
        out += "[EFFECT]\n";
        out += PVRTStringFromFormattedStr("NAME  %s\n", effect.name.c_str());
        out += "[ANNOTATION]\n";
        out += effect.annotation;
        out += "[/ANNOTATION]\n";
        out += PVRTStringFromFormattedStr("FRAGMENTSHADER  %s\n", effect.fragmentShaderName.c_str());
        out += PVRTStringFromFormattedStr("VERTEXSHADER  %s\n", effect.vertexShaderName.c_str());
        for (SPVRTPFXParserEffectTexture const& texture : effect.textures)
            out += PVRTStringFromFormattedStr("TEXTURE  %d  %s\n", int(texture.unit), texture.name.c_str());
        for (SPVRTPFXParserSemantic const& uniform : effect.uniforms)
            out += PVRTStringFromFormattedStr("UNIFORM  %s  %s%d\n", uniform.name.c_str(), uniform.value.c_str(),
                                              int(uniform.index));
        for (SPVRTPFXParserSemantic const& attribute : effect.attributes)
            out += PVRTStringFromFormattedStr("ATTRIBUTE  %s  %s%d\n", attribute.name.c_str(),
                                              attribute.value.c_str(), int(attribute.index));
        out += "[/EFFECT]\n\n";
    }
    return out;
}
