// The PFX parser's uniforms and attributes: semantics with their index and
// optional typed default values.
#include "contrib/pvr/PVRTPFXParser.h"

#include "contrib/pvr/PVRTPFXParserText.h"
#include "contrib/pvr/PVRTStringUtils.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

const SSemanticDefaultDataTypeInfo c_psSemanticDefaultDataTypeInfo[eNumDefaultDataTypes] = {
    {eDataTypeMat2, "mat2", 4, eFloating},    {eDataTypeMat3, "mat3", 9, eFloating},
    {eDataTypeMat4, "mat4", 16, eFloating},   {eDataTypeVec2, "vec2", 2, eFloating},
    {eDataTypeVec3, "vec3", 3, eFloating},    {eDataTypeVec4, "vec4", 4, eFloating},
    {eDataTypeIvec2, "ivec2", 2, eInteger},   {eDataTypeIvec3, "ivec3", 3, eInteger},
    {eDataTypeIvec4, "ivec4", 4, eInteger},   {eDataTypeBvec2, "bvec2", 2, eBoolean},
    {eDataTypeBvec3, "bvec3", 3, eBoolean},   {eDataTypeBvec4, "bvec4", 4, eBoolean},
    {eDataTypeFloat, "float", 1, eFloating},  {eDataTypeInt, "int", 1, eInteger},
    {eDataTypeBool, "bool", 1, eBoolean},
};

namespace {

bool IsWhitespace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The text from p up to the first of the stop characters.
CPVRTString Until(const char* p, const char* stops)
{
    return CPVRTString(p, CPVRTString::size_type(std::strcspn(p, stops)));
}

// Reads one component at p; false when nothing of the type stands there.
bool ReadValue(const char** p, EDefaultDataInternalType base, unsigned int i, SPVRTSemanticDefaultData* data)
{
    char* end = nullptr;
    switch (base) {
    case eFloating:
        data->floats[i] = std::strtof(*p, &end);
        break;
    case eInteger: {
        errno = 0;
        long value = std::strtol(*p, &end, 10);
        data->integers[i] = int(value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : value);
        break;
    }
    case eBoolean:
        if (std::strncmp(*p, "true", 4) == 0) {
            data->bools[i] = true;
            end = const_cast<char*>(*p + 4);
        } else if (std::strncmp(*p, "false", 5) == 0) {
            data->bools[i] = false;
            end = const_cast<char*>(*p + 5);
        }
        break;
    }
    if (!end || end == *p)
        return false;
    *p = end;
    return true;
}

} // namespace

bool CPVRTPFXParser::GetSemanticDataFromString(SPVRTSemanticDefaultData* data, const char* text,
                                               ESemanticDefaultDataType type, CPVRTString* error)
{
    SSemanticDefaultDataTypeInfo const& info = c_psSemanticDefaultDataTypeInfo[type];
    const CPVRTString typeName = info.name;
    char* p = const_cast<char*>(text);
    IgnoreWhitespace(&p);
    if (*p != '(') {
        *error = "Missing '(' after " + typeName;
        return false;
    }
    ++p;
    for (unsigned int i = 0; i < info.components; ++i) {
        IgnoreWhitespace(&p);
        if (*p == '\0') {
            *error = typeName + " missing arguments";
            return false;
        }
        const char* value = p;
        if (!ReadValue(&value, info.baseType, i, data)) {
            *error = "'" + Until(p, ", \t") + "' unexpected for " + typeName;
            return false;
        }
        p = const_cast<char*>(value);
        if (i + 1 == info.components)
            break;
        IgnoreWhitespace(&p);
        if (*p == '\0') {
            *error = typeName + " missing arguments";
            return false;
        }
        if (*p != ',') {
            *error = "'" + Until(p, ", \t") + "' unexpected for " + typeName;
            return false;
        }
        ++p;
    }
    IgnoreWhitespace(&p);
    if (*p != ')') {
        *error = "'" + Until(p, "\t )") + "' found when expecting ')' for " + typeName;
        return false;
    }
    ++p;
    for (const char* rest = p; *rest; ++rest) {
        if (!IsWhitespace(*rest)) {
            *error = "'" + CPVRTString(p) + "' unexpected after ')'";
            return false;
        }
    }
    return true;
}

bool CPVRTPFXParser::ParseSemantic(int line, SPVRTPFXParserSemantic& semantic, CPVRTString* error)
{
    const int number = context->lineNumbers[line];
    const std::vector<std::string> words = PVRTPFXText::Words(context->lines[line]);
    if (words.size() < 2) {
        *error = PVRTStringFromFormattedStr("UNIFORM missing name in [EFFECT] on line %d\n", number);
        return false;
    }
    if (words.size() < 3) {
        *error = PVRTStringFromFormattedStr("UNIFORM missing value in [EFFECT] on line %d\n", number);
        return false;
    }
    const std::string& word = words[2];
    size_t digits = word.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(word[digits - 1])))
        --digits;
    if (digits == 0) {
        *error = PVRTStringFromFormattedStr("Semantic contains only numbers in [EFFECT] on line %d\n", number);
        return false;
    }
    semantic.name = words[1].c_str();
    semantic.value = word.substr(0, digits).c_str();
    errno = 0;
    unsigned long index = std::strtoul(word.c_str() + digits, nullptr, 10);
    semantic.index = digits == word.size() ? 0 : unsigned(index > UINT_MAX || errno == ERANGE ? UINT_MAX : index);
    semantic.defaultType = eDataTypeNone;
    if (words.size() == 3)
        return true;

    std::string defaultText;
    for (size_t i = 3; i < words.size(); ++i)
        defaultText += words[i] + " ";
    for (SSemanticDefaultDataTypeInfo const& info : c_psSemanticDefaultDataTypeInfo) {
        if (!PVRTPFXText::StartsWith(defaultText, info.name))
            continue;
        CPVRTString problem;
        if (!GetSemanticDataFromString(&semantic.defaultValue, defaultText.c_str() + std::strlen(info.name), info.type,
                                       &problem)) {
            *error = problem + PVRTStringFromFormattedStr(" on line %d.\n", number);
            return false;
        }
        semantic.defaultType = info.type;
        return true;
    }
    *error = PVRTStringFromFormattedStr("'%s' unknown on line %d.\n", defaultText.c_str(), number);
    return false;
}
