// The test scene and the scene comparison.
#include "PODFixture.h"

#include "contrib/pvr/PVRTMatrix.h"

#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

char* CText(char const* text)
{
    return CArray(std::vector<char>(text, text + strlen(text) + 1));
}

// The bytes of the floats.
unsigned char* FloatBytes(std::vector<float> const& values)
{
    unsigned char* bytes = static_cast<unsigned char*>(malloc(values.size() * 4));
    memcpy(bytes, values.data(), values.size() * 4);
    return bytes;
}

void SetStream(CPODData& data, EPVRTDataType type, unsigned int n, unsigned int stride, unsigned char* bytes)
{
    data.eType = type;
    data.n = n;
    data.nStride = stride;
    data.pData = bytes;
}

void BuildMeshes(CPVRTModelPOD& model)
{
    model.nNumMesh = 2;
    model.pMesh = static_cast<SPODMesh*>(calloc(2, sizeof(SPODMesh)));

    SPODMesh& quad = model.pMesh[0];
    quad.nNumVertex = 4;
    quad.nNumFaces = 2;
    quad.nNumUVW = 1;
    std::vector<uint16_t> const faces = {0, 1, 2, 2, 1, 3};
    unsigned char* faceBytes = static_cast<unsigned char*>(malloc(12));
    memcpy(faceBytes, faces.data(), 12);
    SetStream(quad.sFaces, EPODDataUnsignedShort, 1, 2, faceBytes);
    SetStream(quad.sVertex, EPODDataFloat, 3, 12, FloatBytes({0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 1, 0}));
    SetStream(quad.sNormals, EPODDataFloat, 3, 12, FloatBytes({0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1}));
    quad.psUVW = static_cast<CPODData*>(calloc(1, sizeof(CPODData)));
    SetStream(quad.psUVW[0], EPODDataFloat, 2, 8, FloatBytes({0, 0, 1, 0, 0, 1, 1, 1}));
    unsigned char* colours = static_cast<unsigned char*>(malloc(16));
    for (int i = 0; i < 16; ++i)
        colours[i] = static_cast<unsigned char>(i * 16);
    SetStream(quad.sVtxColours, EPODDataRGBA, 1, 4, colours);
    quad.sBoneBatches.nBatchBoneMax = 2;
    quad.sBoneBatches.nBatchCnt = 1;
    quad.sBoneBatches.pnBatches = new int[2] {4, 3};
    quad.sBoneBatches.pnBatchBoneCnt = new int[1] {2};
    quad.sBoneBatches.pnBatchOffset = new int[1] {0};
    PVRTMatrixScalingF(quad.mUnpackMatrix, 2.0f, 2.0f, 2.0f);

    // Positions and texture coordinates interleaved, 20 bytes a vertex,
    // drawn as one strip of one triangle.
    SPODMesh& strip = model.pMesh[1];
    strip.nNumVertex = 3;
    strip.nNumFaces = 1;
    strip.nNumUVW = 1;
    strip.nNumStrips = 1;
    strip.pnStripLength = CArray<unsigned int>({1});
    unsigned char* indices = static_cast<unsigned char*>(malloc(12));
    uint32_t const stripIndices[] = {2, 0, 1};
    memcpy(indices, stripIndices, 12);
    SetStream(strip.sFaces, EPODDataUnsignedInt, 1, 4, indices);
    strip.pInterleaved = FloatBytes({0, 0, 5, 0.0f, 0.5f, 1, 0, 5, 1.0f, 0.5f, 0, 1, 5, 0.5f, 1.0f});
    SetStream(strip.sVertex, EPODDataFloat, 3, 20, nullptr);
    strip.psUVW = static_cast<CPODData*>(calloc(1, sizeof(CPODData)));
    SetStream(strip.psUVW[0], EPODDataFloat, 2, 20, nullptr);
    strip.psUVW[0].SetOffset(12);
    PVRTMatrixIdentityF(strip.mUnpackMatrix);
}

void BuildNodes(CPVRTModelPOD& model)
{
    model.nNumNode = 5;
    model.nNumMeshNode = 2;
    model.pNode = static_cast<SPODNode*>(calloc(5, sizeof(SPODNode)));

    SPODNode& quad = model.pNode[0];
    quad.nIdx = 0;
    quad.pszName = CText("quad");
    quad.nIdxMaterial = 0;
    quad.nIdxParent = 4;
    quad.pfAnimPosition = CArray<float>({1, 2, 3});
    quad.pfAnimScale = CArray<float>({2, 2, 2, 0, 0, 0, 0});

    SPODNode& strip = model.pNode[1];
    strip.nIdx = 1;
    strip.pszName = CText("strip");
    strip.nIdxMaterial = 1;
    strip.nIdxParent = -1;
    strip.nAnimFlags = ePODHasMatrixAni;
    std::vector<float> matrices;
    for (int frame = 0; frame < 4; ++frame) {
        PVRTMATRIXf m;
        PVRTMatrixTranslationF(m, static_cast<float>(frame), 0.0f, 0.0f);
        matrices.insert(matrices.end(), m.f, m.f + 16);
    }
    strip.pfAnimMatrix = CArray(matrices);

    SPODNode& light = model.pNode[2];
    light.nIdx = 0;
    light.pszName = CText("lamp");
    light.nIdxMaterial = -1;
    light.nIdxParent = -1;
    light.pfAnimPosition = CArray<float>({0, 10, 0});
    light.pfAnimRotation = CArray<float>({0, 0, 0, 1});

    SPODNode& camera = model.pNode[3];
    camera.nIdx = 0;
    camera.pszName = CText("camera");
    camera.nIdxMaterial = -1;
    camera.nIdxParent = -1;
    camera.nAnimFlags = ePODHasPositionAni;
    camera.pfAnimPosition = CArray<float>({0, 0, 10, 0, 0, 20, 0, 0, 30, 0, 0, 40});

    // The bone turns about Y, its keys shared through an index array.
    SPODNode& bone = model.pNode[4];
    bone.nIdx = -1;
    bone.pszName = CText("bone");
    bone.nIdxMaterial = -1;
    bone.nIdxParent = -1;
    bone.nAnimFlags = ePODHasRotationAni;
    float const s = std::sin(0.5f), c = std::cos(0.5f);
    bone.pfAnimRotation = CArray<float>({0, 0, 0, 1, 0, s, 0, c});
    bone.pnAnimRotationIdx = CArray<unsigned int>({0, 4, 4, 0});
    bone.pfAnimPosition = CArray<float>({0, 1, 0});
}

void BuildRest(CPVRTModelPOD& model)
{
    model.nNumLight = 1;
    model.pLight = static_cast<SPODLight*>(calloc(1, sizeof(SPODLight)));
    SPODLight& light = model.pLight[0];
    light.nIdxTarget = -1;
    light.pfColour[0] = 1.0f;
    light.pfColour[1] = 0.5f;
    light.pfColour[2] = 0.25f;
    light.eType = ePODSpot;
    light.fConstantAttenuation = 1.0f;
    light.fLinearAttenuation = 0.1f;
    light.fQuadraticAttenuation = 0.01f;
    light.fFalloffAngle = 0.7f;
    light.fFalloffExponent = 2.0f;

    model.nNumCamera = 1;
    model.pCamera = static_cast<SPODCamera*>(calloc(1, sizeof(SPODCamera)));
    SPODCamera& camera = model.pCamera[0];
    camera.nIdxTarget = 1;
    camera.fFOV = 0.8f;
    camera.fFar = 1000.0f;
    camera.fNear = 1.0f;
    camera.pfAnimFOV = CArray<float>({0.5f, 0.6f, 0.7f, 0.8f});

    model.nNumTexture = 2;
    model.pTexture = static_cast<SPODTexture*>(calloc(2, sizeof(SPODTexture)));
    model.pTexture[0].pszName = CText("board.pvr");
    model.pTexture[1].pszName = CText("board_normal.pvr");

    model.nNumMaterial = 2;
    model.pMaterial = static_cast<SPODMaterial*>(calloc(2, sizeof(SPODMaterial)));
    for (unsigned int i = 0; i < 2; ++i) {
        SPODMaterial& material = model.pMaterial[i];
        material.pszName = CText(i ? "glass" : "wood");
        material.nIdxTexDiffuse = static_cast<int>(i);
        material.nIdxTexAmbient = material.nIdxTexSpecularColour = material.nIdxTexSpecularLevel = -1;
        material.nIdxTexEmissive = material.nIdxTexGlossiness = material.nIdxTexOpacity = -1;
        material.nIdxTexReflection = material.nIdxTexRefraction = -1;
        material.nIdxTexBump = i ? 1 : -1;
        material.fMatOpacity = i ? 0.5f : 1.0f;
        material.pfMatAmbient[0] = 0.1f;
        material.pfMatDiffuse[1] = 0.9f;
        material.pfMatSpecular[2] = 0.3f;
        material.fMatShininess = 12.0f;
        material.pszEffectFile = i ? CText("effects.pfx") : nullptr;
        material.pszEffectName = i ? CText("Glass") : nullptr;
        material.eBlendSrcRGB = material.eBlendSrcA = ePODBlendFunc_SRC_ALPHA;
        material.eBlendDstRGB = material.eBlendDstA = ePODBlendFunc_ONE_MINUS_SRC_ALPHA;
        material.eBlendOpRGB = ePODBlendOp_ADD;
        material.eBlendOpA = ePODBlendOp_MAX;
        material.pfBlendColour[3] = 1.0f;
        material.pfBlendFactor[0] = 0.25f;
        material.nFlags = 0x10 + i;
    }
}

template <typename T>
void ExpectArraysEqual(T const* actual, T const* expected, size_t count, char const* what)
{
    ASSERT_EQ(actual == nullptr, expected == nullptr) << what;
    if (expected) {
        EXPECT_EQ(memcmp(actual, expected, count * sizeof(T)), 0) << what;
    }
}

void ExpectTextsEqual(char const* actual, char const* expected, char const* what)
{
    ASSERT_EQ(actual == nullptr, expected == nullptr) << what;
    if (expected) {
        EXPECT_STREQ(actual, expected) << what;
    }
}

void ExpectDataEqual(CPODData const& actual, CPODData const& expected, size_t bytes, bool interleaved, char const* what)
{
    EXPECT_EQ(actual.eType, expected.eType) << what;
    EXPECT_EQ(actual.n, expected.n) << what;
    EXPECT_EQ(actual.nStride, expected.nStride) << what;
    if (interleaved)
        EXPECT_EQ(actual.Offset(), expected.Offset()) << what;
    else
        ExpectArraysEqual(actual.pData, expected.pData, bytes, what);
}

void ExpectMeshesEqual(SPODMesh const& actual, SPODMesh const& expected)
{
    EXPECT_EQ(actual.nNumVertex, expected.nNumVertex);
    EXPECT_EQ(actual.nNumFaces, expected.nNumFaces);
    ASSERT_EQ(actual.nNumUVW, expected.nNumUVW);
    ASSERT_EQ(actual.nNumStrips, expected.nNumStrips);
    ExpectArraysEqual(actual.pnStripLength, expected.pnStripLength, expected.nNumStrips, "strips");
    bool const interleaved = expected.pInterleaved != nullptr;
    ExpectArraysEqual(
        actual.pInterleaved, expected.pInterleaved, PVRTModelPODInterleavedBytes(expected), "interleaved");
    ExpectDataEqual(actual.sFaces, expected.sFaces,
        PVRTModelPODCountIndices(expected) * PVRTModelPODDataTypeSize(expected.sFaces.eType), false, "faces");
    size_t const vertices = expected.nNumVertex;
    ExpectDataEqual(actual.sVertex, expected.sVertex, vertices * expected.sVertex.nStride, interleaved, "positions");
    ExpectDataEqual(actual.sNormals, expected.sNormals, vertices * expected.sNormals.nStride, interleaved, "normals");
    ExpectDataEqual(actual.sTangents, expected.sTangents, 0, interleaved, "tangents");
    ExpectDataEqual(actual.sBinormals, expected.sBinormals, 0, interleaved, "binormals");
    ExpectDataEqual(
        actual.sVtxColours, expected.sVtxColours, vertices * expected.sVtxColours.nStride, interleaved, "colours");
    ExpectDataEqual(actual.sBoneIdx, expected.sBoneIdx, 0, interleaved, "bone indices");
    ExpectDataEqual(actual.sBoneWeight, expected.sBoneWeight, 0, interleaved, "bone weights");
    for (unsigned int i = 0; i < expected.nNumUVW; ++i)
        ExpectDataEqual(actual.psUVW[i], expected.psUVW[i], vertices * expected.psUVW[i].nStride, interleaved, "uvw");
    CPVRTBoneBatches const& a = actual.sBoneBatches;
    CPVRTBoneBatches const& e = expected.sBoneBatches;
    ASSERT_EQ(a.nBatchCnt, e.nBatchCnt);
    ASSERT_EQ(a.nBatchBoneMax, e.nBatchBoneMax);
    size_t const batches = static_cast<size_t>(e.nBatchCnt);
    ExpectArraysEqual(a.pnBatches, e.pnBatches, batches * static_cast<size_t>(e.nBatchBoneMax), "batch bones");
    ExpectArraysEqual(a.pnBatchBoneCnt, e.pnBatchBoneCnt, batches, "batch bone counts");
    ExpectArraysEqual(a.pnBatchOffset, e.pnBatchOffset, batches, "batch offsets");
    ExpectArraysEqual(actual.mUnpackMatrix.f, expected.mUnpackMatrix.f, 16, "unpack matrix");
}

void ExpectNodesEqual(SPODNode const& actual, SPODNode const& expected, unsigned int frames)
{
    EXPECT_EQ(actual.nIdx, expected.nIdx);
    ExpectTextsEqual(actual.pszName, expected.pszName, "node name");
    EXPECT_EQ(actual.nIdxMaterial, expected.nIdxMaterial);
    EXPECT_EQ(actual.nIdxParent, expected.nIdxParent);
    EXPECT_EQ(actual.nAnimFlags, expected.nAnimFlags);
    auto keys = [&](float const* a, float const* e, unsigned int const* indices, unsigned int flag, unsigned int size) {
        ExpectArraysEqual(
            a, e, (expected.nAnimFlags & flag) ? PVRTModelPODGetAnimArraySize(indices, frames, size) : size, "keys");
    };
    keys(actual.pfAnimPosition, expected.pfAnimPosition, expected.pnAnimPositionIdx, ePODHasPositionAni, 3);
    keys(actual.pfAnimRotation, expected.pfAnimRotation, expected.pnAnimRotationIdx, ePODHasRotationAni, 4);
    keys(actual.pfAnimScale, expected.pfAnimScale, expected.pnAnimScaleIdx, ePODHasScaleAni, 7);
    keys(actual.pfAnimMatrix, expected.pfAnimMatrix, expected.pnAnimMatrixIdx, ePODHasMatrixAni, 16);
    ExpectArraysEqual(actual.pnAnimPositionIdx, expected.pnAnimPositionIdx, frames, "position indices");
    ExpectArraysEqual(actual.pnAnimRotationIdx, expected.pnAnimRotationIdx, frames, "rotation indices");
    ExpectArraysEqual(actual.pnAnimScaleIdx, expected.pnAnimScaleIdx, frames, "scale indices");
    ExpectArraysEqual(actual.pnAnimMatrixIdx, expected.pnAnimMatrixIdx, frames, "matrix indices");
}

void ExpectMaterialsEqual(SPODMaterial const& actual, SPODMaterial const& expected)
{
    ExpectTextsEqual(actual.pszName, expected.pszName, "material name");
    ExpectTextsEqual(actual.pszEffectFile, expected.pszEffectFile, "effect file");
    ExpectTextsEqual(actual.pszEffectName, expected.pszEffectName, "effect name");
    int const at[] = {actual.nIdxTexDiffuse, actual.nIdxTexAmbient, actual.nIdxTexSpecularColour,
        actual.nIdxTexSpecularLevel, actual.nIdxTexBump, actual.nIdxTexEmissive, actual.nIdxTexGlossiness,
        actual.nIdxTexOpacity, actual.nIdxTexReflection, actual.nIdxTexRefraction};
    int const et[] = {expected.nIdxTexDiffuse, expected.nIdxTexAmbient, expected.nIdxTexSpecularColour,
        expected.nIdxTexSpecularLevel, expected.nIdxTexBump, expected.nIdxTexEmissive, expected.nIdxTexGlossiness,
        expected.nIdxTexOpacity, expected.nIdxTexReflection, expected.nIdxTexRefraction};
    ExpectArraysEqual(at, et, 10, "texture indices");
    EXPECT_EQ(actual.fMatOpacity, expected.fMatOpacity);
    ExpectArraysEqual(actual.pfMatAmbient, expected.pfMatAmbient, 3, "ambient");
    ExpectArraysEqual(actual.pfMatDiffuse, expected.pfMatDiffuse, 3, "diffuse");
    ExpectArraysEqual(actual.pfMatSpecular, expected.pfMatSpecular, 3, "specular");
    EXPECT_EQ(actual.fMatShininess, expected.fMatShininess);
    EXPECT_EQ(actual.eBlendSrcRGB, expected.eBlendSrcRGB);
    EXPECT_EQ(actual.eBlendSrcA, expected.eBlendSrcA);
    EXPECT_EQ(actual.eBlendDstRGB, expected.eBlendDstRGB);
    EXPECT_EQ(actual.eBlendDstA, expected.eBlendDstA);
    EXPECT_EQ(actual.eBlendOpRGB, expected.eBlendOpRGB);
    EXPECT_EQ(actual.eBlendOpA, expected.eBlendOpA);
    ExpectArraysEqual(actual.pfBlendColour, expected.pfBlendColour, 4, "blend colour");
    ExpectArraysEqual(actual.pfBlendFactor, expected.pfBlendFactor, 4, "blend factor");
    EXPECT_EQ(actual.nFlags, expected.nFlags);
}

} // namespace

void BuildFixtureScene(CPVRTModelPOD& model)
{
    model.Destroy();
    model.pfColourBackground[0] = 0.2f;
    model.pfColourAmbient[2] = 0.4f;
    model.nNumFrame = 4;
    model.nFPS = 25;
    BuildMeshes(model);
    BuildNodes(model);
    BuildRest(model);
    ASSERT_EQ(model.InitImpl(), 0);
}

void ExpectScenesEqual(SPODScene const& actual, SPODScene const& expected)
{
    ExpectArraysEqual(actual.pfColourBackground, expected.pfColourBackground, 3, "clear colour");
    ExpectArraysEqual(actual.pfColourAmbient, expected.pfColourAmbient, 3, "ambient colour");
    EXPECT_EQ(actual.nNumFrame, expected.nNumFrame);
    EXPECT_EQ(actual.nFPS, expected.nFPS);
    EXPECT_EQ(actual.nFlags, expected.nFlags);
    ASSERT_EQ(actual.nNumCamera, expected.nNumCamera);
    ASSERT_EQ(actual.nNumLight, expected.nNumLight);
    ASSERT_EQ(actual.nNumMesh, expected.nNumMesh);
    ASSERT_EQ(actual.nNumNode, expected.nNumNode);
    ASSERT_EQ(actual.nNumMeshNode, expected.nNumMeshNode);
    ASSERT_EQ(actual.nNumTexture, expected.nNumTexture);
    ASSERT_EQ(actual.nNumMaterial, expected.nNumMaterial);
    for (unsigned int i = 0; i < expected.nNumCamera; ++i) {
        SPODCamera const& a = actual.pCamera[i];
        SPODCamera const& e = expected.pCamera[i];
        EXPECT_EQ(a.nIdxTarget, e.nIdxTarget);
        EXPECT_EQ(a.fFOV, e.fFOV);
        EXPECT_EQ(a.fFar, e.fFar);
        EXPECT_EQ(a.fNear, e.fNear);
        ExpectArraysEqual(a.pfAnimFOV, e.pfAnimFOV, expected.nNumFrame, "field-of-view keys");
    }
    for (unsigned int i = 0; i < expected.nNumLight; ++i)
        EXPECT_EQ(memcmp(&actual.pLight[i], &expected.pLight[i], sizeof(SPODLight)), 0) << "light " << i;
    for (unsigned int i = 0; i < expected.nNumMesh; ++i)
        ExpectMeshesEqual(actual.pMesh[i], expected.pMesh[i]);
    for (unsigned int i = 0; i < expected.nNumNode; ++i)
        ExpectNodesEqual(actual.pNode[i], expected.pNode[i], expected.nNumFrame);
    for (unsigned int i = 0; i < expected.nNumTexture; ++i)
        ExpectTextsEqual(actual.pTexture[i].pszName, expected.pTexture[i].pszName, "texture");
    for (unsigned int i = 0; i < expected.nNumMaterial; ++i)
        ExpectMaterialsEqual(actual.pMaterial[i], expected.pMaterial[i]);
}

std::string SavedBytes(CPVRTModelPOD& model)
{
    char path[] = "/tmp/pvrt-pod-XXXXXX";
    int const fd = mkstemp(path);
    EXPECT_GE(fd, 0);
    close(fd);
    EXPECT_EQ(model.SavePOD(path), 0);
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    unlink(path);
    return bytes;
}
