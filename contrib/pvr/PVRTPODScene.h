// The records of a POD scene in memory: vertex streams, meshes, nodes,
// cameras, lights, textures, materials and the scene that holds them.
// Arrays are owned by the scene and come from the C allocator (the bone
// batch arrays from array new).
#pragma once

#include "contrib/pvr/PVRTBoneBatches.h"
#include "contrib/pvr/PVRTDataType.h"
#include "contrib/pvr/PVRTMathTypes.h"

#include <cstdint>

enum EPODLight : int { ePODPoint = 0, ePODDirectional, ePODSpot };

// The OpenGL blend factors. Enumerations read from files have int as their
// underlying type, so any value read is a valid one.
enum EPODBlendFunc : int {
    ePODBlendFunc_ZERO = 0,
    ePODBlendFunc_ONE,
    ePODBlendFunc_BLEND_FACTOR,
    ePODBlendFunc_ONE_MINUS_BLEND_FACTOR,
    ePODBlendFunc_SRC_COLOR = 0x0300,
    ePODBlendFunc_ONE_MINUS_SRC_COLOR,
    ePODBlendFunc_SRC_ALPHA,
    ePODBlendFunc_ONE_MINUS_SRC_ALPHA,
    ePODBlendFunc_DST_ALPHA,
    ePODBlendFunc_ONE_MINUS_DST_ALPHA,
    ePODBlendFunc_DST_COLOR,
    ePODBlendFunc_ONE_MINUS_DST_COLOR,
    ePODBlendFunc_SRC_ALPHA_SATURATE,
    ePODBlendFunc_CONSTANT_COLOR = 0x8001,
    ePODBlendFunc_ONE_MINUS_CONSTANT_COLOR,
    ePODBlendFunc_CONSTANT_ALPHA,
    ePODBlendFunc_ONE_MINUS_CONSTANT_ALPHA
};

// The OpenGL blend equations.
enum EPODBlendOp : int {
    ePODBlendOp_ADD = 0x8006,
    ePODBlendOp_MIN,
    ePODBlendOp_MAX,
    ePODBlendOp_SUBTRACT = 0x800A,
    ePODBlendOp_REVERSE_SUBTRACT
};

// Scene flag bit 0: the numbers are 16.16 fixed point.
constexpr unsigned int PVRTMODELPODSF_FIXED = 0x00000001;

// Node animation flag bits: which kinds of keys change per frame.
constexpr unsigned int ePODHasPositionAni = 0x1;
constexpr unsigned int ePODHasRotationAni = 0x2;
constexpr unsigned int ePODHasScaleAni = 0x4;
constexpr unsigned int ePODHasMatrixAni = 0x8;

// One vertex stream. For an interleaved mesh pData holds the stream's byte
// offset into the interleaved block (as uintptr_t); otherwise it points
// to the stream's own array.
class CPODData {
public:
    // Type float, no components, no stride, and the data freed.
    void Reset();

    uintptr_t Offset() const { return reinterpret_cast<uintptr_t>(pData); }
    void SetOffset(uintptr_t offset) { pData = reinterpret_cast<unsigned char*>(offset); }

    EPVRTDataType eType;
    unsigned int n;
    unsigned int nStride;
    unsigned char* pData;
};

struct SPODCamera {
    int nIdxTarget;
    float fFOV;
    float fFar;
    float fNear;
    // One field of view per frame, or null.
    float* pfAnimFOV;
};

struct SPODLight {
    int nIdxTarget;
    float pfColour[3];
    EPODLight eType;
    float fConstantAttenuation;
    float fLinearAttenuation;
    float fQuadraticAttenuation;
    float fFalloffAngle;
    float fFalloffExponent;
};

struct SPODMesh {
    unsigned int nNumVertex;
    unsigned int nNumFaces;
    unsigned int nNumUVW;
    CPODData sFaces;
    unsigned int* pnStripLength;
    unsigned int nNumStrips;
    CPODData sVertex;
    CPODData sNormals;
    CPODData sTangents;
    CPODData sBinormals;
    CPODData* psUVW;
    CPODData sVtxColours;
    CPODData sBoneIdx;
    CPODData sBoneWeight;
    unsigned char* pInterleaved;
    CPVRTBoneBatches sBoneBatches;
    // Left 0 by the reader; carried over by scene copies.
    unsigned int ePrimitiveType;
    PVRTMATRIXf mUnpackMatrix;
};

struct SPODNode {
    // The mesh, light or camera placed, by the node's position.
    int nIdx;
    char* pszName;
    int nIdxMaterial;
    int nIdxParent;
    unsigned int nAnimFlags;
    // Per frame, the offset in floats of that frame's key; or null.
    unsigned int* pnAnimPositionIdx;
    float* pfAnimPosition;
    unsigned int* pnAnimRotationIdx;
    float* pfAnimRotation;
    unsigned int* pnAnimScaleIdx;
    float* pfAnimScale;
    unsigned int* pnAnimMatrixIdx;
    float* pfAnimMatrix;
};

struct SPODTexture {
    char* pszName;
};

struct SPODMaterial {
    char* pszName;
    int nIdxTexDiffuse;
    int nIdxTexAmbient;
    int nIdxTexSpecularColour;
    int nIdxTexSpecularLevel;
    int nIdxTexBump;
    int nIdxTexEmissive;
    int nIdxTexGlossiness;
    int nIdxTexOpacity;
    int nIdxTexReflection;
    int nIdxTexRefraction;
    float fMatOpacity;
    float pfMatAmbient[3];
    float pfMatDiffuse[3];
    float pfMatSpecular[3];
    float fMatShininess;
    char* pszEffectFile;
    char* pszEffectName;
    EPODBlendFunc eBlendSrcRGB;
    EPODBlendFunc eBlendSrcA;
    EPODBlendFunc eBlendDstRGB;
    EPODBlendFunc eBlendDstA;
    EPODBlendOp eBlendOpRGB;
    EPODBlendOp eBlendOpA;
    float pfBlendColour[4];
    float pfBlendFactor[4];
    unsigned int nFlags;
};

// Nodes 0 .. nNumMeshNode - 1 place meshes, the next nNumLight nodes the
// lights and the next nNumCamera nodes the cameras.
struct SPODScene {
    float pfColourBackground[3];
    float pfColourAmbient[3];
    unsigned int nNumCamera;
    SPODCamera* pCamera;
    unsigned int nNumLight;
    SPODLight* pLight;
    unsigned int nNumMesh;
    SPODMesh* pMesh;
    unsigned int nNumNode;
    unsigned int nNumMeshNode;
    SPODNode* pNode;
    unsigned int nNumTexture;
    SPODTexture* pTexture;
    unsigned int nNumMaterial;
    SPODMaterial* pMaterial;
    unsigned int nNumFrame;
    unsigned int nFPS;
    unsigned int nFlags;
};
