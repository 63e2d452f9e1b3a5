// The drawing tests' model and texture files.
#include "SceneFiles.h"

#include "contrib/pvr/PVRTMatrix.h"
#include "contrib/pvr/PVRTModelPOD.h"
#include "contrib/pvr/PVRTTexture.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <vector>

namespace {

template <typename T>
T* CArray(std::vector<T> const& values)
{
    T* array = static_cast<T*>(std::malloc(values.size() * sizeof(T)));
    std::memcpy(array, values.data(), values.size() * sizeof(T));
    return array;
}

char* CText(char const* text)
{
    return CArray(std::vector<char>(text, text + std::strlen(text) + 1));
}

void SetStream(CPODData& data, EPVRTDataType type, unsigned int n, unsigned int stride, uintptr_t offset)
{
    data.eType = type;
    data.n = n;
    data.nStride = stride;
    data.SetOffset(offset);
}

// Positions then texture coordinates, 20 bytes a vertex; two triangles.
void BuildQuadMesh(SPODMesh& quad)
{
    quad.nNumVertex = 4;
    quad.nNumFaces = 2;
    quad.nNumUVW = 1;
    std::vector<float> const vertices = {-1, -1, 0, 0, 1, 1, -1, 0, 1, 1, -1, 1, 0, 0, 0, 1, 1, 0, 1, 0};
    quad.pInterleaved = reinterpret_cast<unsigned char*>(CArray(vertices));
    SetStream(quad.sVertex, EPODDataFloat, 3, 20, 0);
    quad.psUVW = static_cast<CPODData*>(std::calloc(1, sizeof(CPODData)));
    SetStream(quad.psUVW[0], EPODDataFloat, 2, 20, 12);
    quad.sFaces.eType = EPODDataUnsignedShort;
    quad.sFaces.n = 1;
    quad.sFaces.nStride = 2;
    quad.sFaces.pData = reinterpret_cast<unsigned char*>(CArray<uint16_t>({0, 1, 2, 2, 1, 3}));
    PVRTMatrixIdentityF(quad.mUnpackMatrix);
}

// The material of both test models: white, with diffuse texture 0.
void BuildMaterial(CPVRTModelPOD& model, char const* textureName)
{
    model.nNumTexture = 1;
    model.pTexture = static_cast<SPODTexture*>(std::calloc(1, sizeof(SPODTexture)));
    model.pTexture[0].pszName = CText(textureName);
    model.nNumMaterial = 1;
    model.pMaterial = static_cast<SPODMaterial*>(std::calloc(1, sizeof(SPODMaterial)));
    SPODMaterial& material = model.pMaterial[0];
    material.pszName = CText("quad");
    material.nIdxTexDiffuse = 0;
    material.nIdxTexAmbient = material.nIdxTexSpecularColour = material.nIdxTexSpecularLevel = -1;
    material.nIdxTexBump = material.nIdxTexEmissive = material.nIdxTexGlossiness = -1;
    material.nIdxTexOpacity = material.nIdxTexReflection = material.nIdxTexRefraction = -1;
    material.fMatOpacity = 1.0f;
    for (int i = 0; i < 3; ++i)
        material.pfMatAmbient[i] = material.pfMatDiffuse[i] = 1.0f;
}

void SetStill(SPODNode& node, char const* name, int mesh)
{
    node.nIdx = mesh;
    node.pszName = CText(name);
    node.nIdxParent = -1;
    node.pfAnimPosition = CArray<float>({0, 0, 0});
    node.pfAnimRotation = CArray<float>({0, 0, 0, 1});
    node.pfAnimScale = CArray<float>({1, 1, 1, 0, 0, 0, 0});
}

// A quad from x0 to x1: position, texture coordinates, one bone index byte
// (padded to 4) and one float weight, 28 bytes a vertex.
void BuildSkinnedHalf(SPODMesh& half, float x0, float x1)
{
    half.nNumVertex = 4;
    half.nNumFaces = 2;
    half.nNumUVW = 1;
    struct Vertex {
        float position[3];
        float uv[2];
        uint8_t bone[4];
        float weight;
    };
    static_assert(sizeof(Vertex) == 28, "packed as the streams say");
    std::vector<Vertex> const vertices = {{{x0, -1, 0}, {0, 1}, {0}, 1.0f}, {{x1, -1, 0}, {1, 1}, {0}, 1.0f},
                                          {{x0, 1, 0}, {0, 0}, {0}, 1.0f}, {{x1, 1, 0}, {1, 0}, {0}, 1.0f}};
    half.pInterleaved = reinterpret_cast<unsigned char*>(CArray(vertices));
    SetStream(half.sVertex, EPODDataFloat, 3, 28, 0);
    half.psUVW = static_cast<CPODData*>(std::calloc(1, sizeof(CPODData)));
    SetStream(half.psUVW[0], EPODDataFloat, 2, 28, 12);
    SetStream(half.sBoneIdx, EPODDataUnsignedByte, 1, 28, 20);
    SetStream(half.sBoneWeight, EPODDataFloat, 1, 28, 24);
    half.sFaces.eType = EPODDataUnsignedShort;
    half.sFaces.n = 1;
    half.sFaces.nStride = 2;
    half.sFaces.pData = reinterpret_cast<unsigned char*>(CArray<uint16_t>({0, 1, 2, 2, 1, 3}));
    // One batch of the one bone, node 2.
    half.sBoneBatches.nBatchBoneMax = 1;
    half.sBoneBatches.nBatchCnt = 1;
    half.sBoneBatches.pnBatches = new int[1] {2};
    half.sBoneBatches.pnBatchBoneCnt = new int[1] {1};
    half.sBoneBatches.pnBatchOffset = new int[1] {0};
    PVRTMatrixIdentityF(half.mUnpackMatrix);
}

} // namespace

bool WriteSkinnedPod(std::string const& path, char const* textureName, float rise)
{
    CPVRTModelPOD model;
    model.nNumFrame = 2;
    model.nFPS = 30;
    model.nNumMesh = 2;
    model.pMesh = static_cast<SPODMesh*>(std::calloc(2, sizeof(SPODMesh)));
    BuildSkinnedHalf(model.pMesh[0], -1.0f, 0.0f);
    BuildSkinnedHalf(model.pMesh[1], 0.0f, 1.0f);
    model.nNumNode = 3;
    model.nNumMeshNode = 2;
    model.pNode = static_cast<SPODNode*>(std::calloc(3, sizeof(SPODNode)));
    SetStill(model.pNode[0], "left", 0);
    SetStill(model.pNode[1], "right", 1);
    SPODNode& bone = model.pNode[2];
    SetStill(bone, "bone", -1);
    bone.nIdxMaterial = -1;
    bone.nAnimFlags = ePODHasPositionAni;
    std::free(bone.pfAnimPosition);
    bone.pfAnimPosition = CArray<float>({0, 0, 0, 0, rise, 0});
    BuildMaterial(model, textureName);
    return model.SavePOD(path.c_str()) == 0;
}

bool WriteQuadPod(std::string const& path, char const* textureName, char const* nodeName, float shiftAtFrameOne)
{
    CPVRTModelPOD model;
    model.nNumFrame = 2;
    model.nFPS = 30;
    model.nNumMesh = 1;
    model.pMesh = static_cast<SPODMesh*>(std::calloc(1, sizeof(SPODMesh)));
    BuildQuadMesh(model.pMesh[0]);

    model.nNumNode = model.nNumMeshNode = 1;
    model.pNode = static_cast<SPODNode*>(std::calloc(1, sizeof(SPODNode)));
    SPODNode& node = model.pNode[0];
    node.pszName = CText(nodeName);
    node.nIdxParent = -1;
    node.nAnimFlags = ePODHasPositionAni;
    node.pfAnimPosition = CArray<float>({0, 0, 0, shiftAtFrameOne, 0, 0});
    node.pfAnimRotation = CArray<float>({0, 0, 0, 1});
    node.pfAnimScale = CArray<float>({1, 1, 1, 0, 0, 0, 0});

    BuildMaterial(model, textureName);
    return model.SavePOD(path.c_str()) == 0;
}

bool WriteTwoColourPvr(std::string const& path, unsigned int left, unsigned int right)
{
    PVR_Texture_Header* texture = PVRTTextureCreate(2, 2, 1, 1, 32, false);
    if (!texture)
        return false;
    texture->pixelFormatFlags = OGL_RGBA_8888;
    texture->magic = PVRTEX_IDENTIFIER;
    unsigned char* pixels = reinterpret_cast<unsigned char*>(texture) + texture->headerSize;
    for (int i = 0; i < 4; ++i) {
        unsigned int const colour = i % 2 ? right : left;
        for (int c = 0; c < 4; ++c)
            pixels[i * 4 + c] = static_cast<unsigned char>(colour >> (24 - 8 * c));
    }
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<char const*>(texture), std::streamsize(texture->headerSize + texture->dataSize));
    std::free(texture);
    return bool(out);
}
