// The PFX parser's texture block: file textures, render targets with their
// camera, format and resolution, filters and wrap modes.
#include "contrib/pvr/PVRTPFXParser.h"

#include "contrib/pvr/PVRTMisc.h"
#include "contrib/pvr/PVRTPFXParserText.h"
#include "contrib/pvr/PVRTStringUtils.h"
#include "contrib/pvr/PVRTTexture.h"

#include <cstdlib>
#include <cstring>

using PVRTPFXText::StartsWith;
using PVRTPFXText::ToInt;

namespace {

// The pass type of a render target drawn from a camera.
constexpr unsigned int kCameraRenderPass = 2;

struct FormatName {
    const char* name;
    unsigned int pixelType;
};

const FormatName kFormats[] = {
    {"RGBA_4444", OGL_RGBA_4444}, {"RGBA_5551", OGL_RGBA_5551}, {"RGBA_8888", OGL_RGBA_8888},
    {"RGB_565", OGL_RGB_565},     {"RGB_555", OGL_RGB_555},     {"RGB_888", OGL_RGB_888},
    {"I_8", OGL_I_8},             {"AI_88", OGL_AI_88},
};

// The value of NAME=value in the options; empty when absent. The "=" must
// come before the next blank after the name.
std::string Parameter(std::string const& options, const char* name)
{
    size_t at = options.find(name);
    if (at == std::string::npos)
        return "";
    size_t afterName = at + std::strlen(name);
    size_t equals = options.find('=', afterName);
    size_t blank = options.find(' ', afterName);
    if (equals == std::string::npos || (blank != std::string::npos && equals > blank))
        return "";
    size_t end = options.find(' ', equals + 1);
    return options.substr(equals + 1, end == std::string::npos ? std::string::npos : end - equals - 1);
}

// The number written from `position` on; fallback when the text is shorter.
int NumberFrom(std::string const& value, size_t position, int fallback)
{
    return value.size() < position + 1 ? fallback : ToInt(value.substr(position));
}

// Of the two words, which occurs first in the text; npos when neither does.
size_t FirstOf(std::string const& text, const char* a, const char* b, bool* isA)
{
    size_t atA = text.find(a), atB = text.find(b);
    *isA = atA != std::string::npos && (atB == std::string::npos || atA < atB);
    return std::min(atA, atB);
}

// The text after the first "-" at or after position; null when there is none.
const char* AfterDash(std::string const& text, size_t position)
{
    size_t dash = text.find('-', position);
    return dash == std::string::npos ? nullptr : text.c_str() + dash + 1;
}

void ParseFilters(std::string const& options, SPVRTPFXParserTexture& texture)
{
    bool linear;
    size_t start = FirstOf(options, "LINEAR-", "NEAREST-", &linear);
    if (start == std::string::npos) {
        texture.minFilter = texture.magFilter = texture.mipFilter = 0;
        return;
    }
    texture.minFilter = linear ? 1 : 0;
    const char* mag = AfterDash(options, start);
    texture.magFilter = mag && std::strncmp(mag, "LINEAR-", 7) == 0 ? 1 : 0;
    const char* mip = mag ? AfterDash(options, size_t(mag - options.c_str())) : nullptr;
    texture.mipFilter = !mip                   ? 0
        : std::strncmp(mip, "LINEAR", 6) == 0  ? 2
        : std::strncmp(mip, "NEAREST", 7) == 0 ? 1
                                               : 0;
}

void ParseWraps(std::string const& options, SPVRTPFXParserTexture& texture)
{
    constexpr unsigned int kClamp = 0, kRepeat = 1;
    bool clamp;
    size_t start = FirstOf(options, "CLAMP-", "REPEAT-", &clamp);
    texture.wrapS = texture.wrapT = texture.wrapR = kRepeat;
    if (start == std::string::npos)
        return;
    texture.wrapS = clamp ? kClamp : kRepeat;
    const char* t = AfterDash(options, start);
    texture.wrapT = t && std::strncmp(t, "CLAMP", 5) == 0 ? kClamp : kRepeat;
    const char* r = t ? AfterDash(options, size_t(t - options.c_str())) : nullptr;
    texture.wrapR = r && std::strncmp(r, "CLAMP", 5) == 0 ? kClamp : kRepeat;
}

} // namespace

bool CPVRTPFXParser::ParseTextures(int start, int end, CPVRTString* error)
{
    textureCount = 0;
    for (int i = start + 1; i < end; ++i)
        if (!context->lines[i].empty() && !ParseTexture(i, error))
            return false;
    return true;
}

bool CPVRTPFXParser::ParseTexture(int line, CPVRTString* error)
{
    const std::string& text = context->lines[line];
    const int number = context->lineNumbers[line];
    const std::vector<std::string> words = PVRTPFXText::Words(text);
    const std::string& keyword = words[0];
    if (textureCount == kMaxTextures) {
        *error = PVRTStringFromFormattedStr("Too many textures in [TEXTURES] on line %d\n", number);
        return false;
    }
    if (keyword != "FILE" && keyword != "RENDER") {
        *error = PVRTStringFromFormattedStr("Unknown keyword '%s' in [TEXTURES] on line %d\n", keyword.c_str(), number);
        return false;
    }
    // The line's text shows as its first word in these messages.
    if (keyword == "RENDER" && renderPassCount == kMaxRenderPasses) {
        *error = PVRTStringFromFormattedStr("Maximum number of render passes has been exceeded on line %d: %s\n",
                                            number, keyword.c_str());
        return false;
    }
    if (words.size() < 2) {
        *error = PVRTStringFromFormattedStr("Texture name missing in [TEXTURES] on line %d: %s\n", number,
                                            keyword.c_str());
        return false;
    }
    if (words.size() < 3) {
        *error = PVRTStringFromFormattedStr("Incomplete definition in [TEXTURES] on line %d: %s\n", number,
                                            keyword.c_str());
        return false;
    }
    const std::string& name = words[1];
    const std::string options = PVRTPFXText::AfterFirstWord(PVRTPFXText::AfterFirstWord(text));

    SPVRTPFXParserTexture texture;
    texture.name = name.c_str();
    texture.width = viewportWidth;
    texture.height = viewportHeight;
    if (keyword == "FILE") {
        texture.fileName = words[2].c_str();
    } else {
        texture.fileName = name.c_str();
        texture.renderToTexture = true;
        if (!ParseRenderPass(number, keyword, name, options, texture, error))
            return false;
    }
    ParseFilters(options, texture);
    ParseWraps(options, texture);
    textures[textureCount++] = texture;
    return true;
}

bool CPVRTPFXParser::ParseRenderPass(int number, std::string const& keyword, std::string const& name,
                                     std::string const& options, SPVRTPFXParserTexture& texture, CPVRTString* error)
{
    auto fail = [&](const char* format) {
        *error = PVRTStringFromFormattedStr(format, number);
        return false;
    };
    if (options.find("CAMERA") == std::string::npos) {
        *error = PVRTStringFromFormattedStr("An unknown render pass type was specified in [TEXTURES] on line %d: %s\n",
                                            number, keyword.c_str());
        return false;
    }
    SPVRTPFXRenderPass pass;
    pass.targetName = name.c_str();
    pass.textureIndex = textureCount;
    pass.passType = kCameraRenderPass;

    const std::string camera = Parameter(options, "CAMERA");
    pass.viewType = eNodeView;
    if (!camera.empty() && camera[0] == '"') {
        size_t close = camera.find('"', 1);
        pass.nodeName = camera.substr(1, close == std::string::npos ? std::string::npos : close - 1).c_str();
    } else if (!camera.empty() && camera[0] == '(') {
        pass.viewType = ePositionView;
        const char* p = camera.c_str() + 1;
        for (int i = 0; i < 3 && *p && *p != ')'; ++i) {
            pass.position[i] = std::strtof(p, nullptr);
            p += std::strcspn(p, ",)");
            if (*p == ',')
                ++p;
        }
    } else if (!camera.empty()) {
        *error = PVRTStringFromFormattedStr("Unknown or incorrectly formatted parameter has been given after CAMERA in "
                                            "[TEXTURES] on line %d: %s\n",
                                            number, keyword.c_str());
        return false;
    }

    const std::string format = Parameter(options, "FORMAT");
    if (!format.empty()) {
        const FormatName* found = nullptr;
        for (FormatName const& f : kFormats)
            if (format == f.name)
                found = &f;
        if (!found)
            return fail("Unrecognised texture format in [TEXTURES] on line %d\n");
        pass.format = found->pixelType;
    }

    const std::string res = Parameter(options, "RES");
    const unsigned int w = viewportWidth, h = viewportHeight;
    if (!res.empty()) {
        auto has = [&](const char* word) { return res.find(word) != std::string::npos; };
        if (has("SCREENRES")) {
            texture.width = w;
            texture.height = h;
        } else if (has("SRESPOTLSQ") || has("SRESPOTHSQ")) {
            const bool lower = has("SRESPOTLSQ");
            const int n = NumberFrom(res, 10, 0);
            unsigned int side = lower ? std::min(GetPOTLower(w, n), GetPOTLower(h, n))
                                      : std::min(GetPOTHigher(w, n), GetPOTHigher(h, n));
            texture.width = texture.height = side;
        } else if (has("SRESPOTL") || has("SRESPOTH")) {
            const bool lower = has("SRESPOTL");
            const int n = NumberFrom(res, 8, 0);
            texture.width = lower ? GetPOTLower(w, n) : GetPOTHigher(w, n);
            texture.height = lower ? GetPOTLower(h, n) : GetPOTHigher(h, n);
        } else if (has("SRESL")) {
            const int divisor = NumberFrom(res, 5, 2);
            if (divisor <= 0)
                return fail("Invalid divide value has been provided after SRESL in [TEXTURES] on line %d\n");
            texture.width = w / unsigned(divisor);
            texture.height = h / unsigned(divisor);
        } else if (has("SRESH")) {
            const int factor = NumberFrom(res, 5, 2);
            if (factor <= 0)
                return fail("Invalid multiply value has been provided after SRESH in [TEXTURES] on line %d\n");
            texture.width = w * unsigned(factor);
            texture.height = h * unsigned(factor);
        } else if (has("x")) {
            const size_t x = res.find('x');
            const int width = ToInt(res.substr(0, x));
            const int height = ToInt(res.substr(x + 1));
            if (width <= 0 || height <= 0)
                return fail("Invalid explicit resolution specified in [TEXTURES] on line %d\n");
            texture.width = unsigned(width);
            texture.height = unsigned(height);
        } else {
            return fail("Unrecognised resolution in [TEXTURES] on line %d\n");
        }
    }
    renderPasses[renderPassCount++] = pass;
    return true;
}
