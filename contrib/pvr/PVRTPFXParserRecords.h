// The plain records a PFX effect file is parsed into.
#pragma once

#include "contrib/pvr/PVRTString.h"

#include <vector>

struct SPVRTPFXParserHeader {
    CPVRTString version;
    CPVRTString description;
    CPVRTString copyright;
};

// Filter codes: min and mag 0 nearest, 1 linear; mip 0 none, 1 nearest,
// 2 linear. Wrap codes: 0 clamp, 1 repeat.
struct SPVRTPFXParserTexture {
    CPVRTString name;
    CPVRTString fileName;
    bool renderToTexture = false;
    unsigned int minFilter = 0, magFilter = 0, mipFilter = 0;
    unsigned int wrapS = 0, wrapT = 0, wrapR = 0;
    unsigned int width = 0, height = 0;
    unsigned int flags = 0;
};

struct SPVRTPFXParserShader {
    CPVRTString name;
    bool useFile = false; // the code came from a file
    CPVRTString glslFile;
    CPVRTString binaryFile;
    CPVRTString glslCode;
    std::vector<char> binary;
    unsigned int binarySize = 0;
    unsigned int firstLineNumber = 0; // the "[GLSL_CODE]" line
};

// Types of uniform and attribute default values; eDataTypeNone when no
// default is given.
enum ESemanticDefaultDataType {
    eDataTypeMat2,
    eDataTypeMat3,
    eDataTypeMat4,
    eDataTypeVec2,
    eDataTypeVec3,
    eDataTypeVec4,
    eDataTypeIvec2,
    eDataTypeIvec3,
    eDataTypeIvec4,
    eDataTypeBvec2,
    eDataTypeBvec3,
    eDataTypeBvec4,
    eDataTypeFloat,
    eDataTypeInt,
    eDataTypeBool,
    eNumDefaultDataTypes,
    eDataTypeNone = 16,
};

enum EDefaultDataInternalType {
    eFloating,
    eInteger,
    eBoolean,
};

struct SSemanticDefaultDataTypeInfo {
    ESemanticDefaultDataType type;
    const char* name;
    unsigned int components;
    EDefaultDataInternalType baseType;
};

// Each type's name, component count and base type, in search order.
extern const SSemanticDefaultDataTypeInfo c_psSemanticDefaultDataTypeInfo[eNumDefaultDataTypes];

// Component i of a float type goes to floats[i], of an integer type to
// integers[i], of a boolean type to bools[i].
struct SPVRTSemanticDefaultData {
    float floats[16] = {};
    int integers[4] = {};
    bool bools[4] = {};
};

struct SPVRTPFXParserSemantic {
    CPVRTString name;  // the shader variable
    CPVRTString value; // the semantic without its trailing digits
    unsigned int index = 0;
    SPVRTSemanticDefaultData defaultValue;
    ESemanticDefaultDataType defaultType = eDataTypeNone;
};

struct SPVRTPFXParserEffectTexture {
    unsigned int unit = 0;
    CPVRTString name;
    unsigned int type = 0; // not set by the parser
};

struct SPVRTPFXParserEffect {
    CPVRTString name;
    CPVRTString annotation;
    CPVRTString vertexShaderName;
    CPVRTString fragmentShaderName;
    std::vector<SPVRTPFXParserSemantic> uniforms;
    std::vector<SPVRTPFXParserSemantic> attributes;
    std::vector<SPVRTPFXParserEffectTexture> textures;
};

// How a render pass views the scene.
enum EPVRTPFXViewType {
    eNullView = 0,
    eNodeView = 1,
    ePositionView = 2,
};

// A pass rendering the scene into one of the RENDER textures.
struct SPVRTPFXRenderPass {
    unsigned int textureIndex = 0;
    unsigned int passType = 0; // 2: camera render
    EPVRTPFXViewType viewType = eNullView;
    CPVRTString targetName;
    unsigned int format = 0; // a PVR pixel type code
    float position[3] = {};
    CPVRTString nodeName;
};
