// Deep copies of POD records and of a whole scene.
#include "contrib/pvr/PVRTModelPOD.h"

#include <cstdlib>
#include <cstring>

namespace {

char* CopyText(char const* text)
{
    if (!text)
        return nullptr;
    size_t const bytes = strlen(text) + 1;
    char* copy = static_cast<char*>(malloc(bytes));
    if (copy)
        memcpy(copy, text, bytes);
    return copy;
}

template <typename T>
T* CopyArray(T const* array, size_t count)
{
    if (!array || count == 0)
        return nullptr;
    T* copy = static_cast<T*>(malloc(count * sizeof(T)));
    if (copy)
        memcpy(copy, array, count * sizeof(T));
    return copy;
}

int* CopyBatchArray(int const* array, size_t count)
{
    if (!array || count == 0)
        return nullptr;
    int* copy = new int[count];
    memcpy(copy, array, count * sizeof(int));
    return copy;
}

// One key array of a node: every key when animated, else the first.
float* CopyKeys(
    float const* keys, unsigned int const* indices, bool animated, unsigned int frames, unsigned int keySize)
{
    return CopyArray(keys, animated ? PVRTModelPODGetAnimArraySize(indices, frames, keySize) : keySize);
}

// Records come zeroed from calloc and are filled one by one.
template <typename T, typename Copy>
bool CopyRecords(T*& out, T const* in, unsigned int count, Copy copy)
{
    out = nullptr;
    if (count == 0 || !in)
        return true;
    out = static_cast<T*>(calloc(count, sizeof(T)));
    if (!out)
        return false;
    for (unsigned int i = 0; i < count; ++i)
        copy(in[i], out[i]);
    return true;
}

} // namespace

void PVRTModelPODCopyCPODData(CPODData const& in, CPODData& out, unsigned int count, bool interleaved)
{
    if (!interleaved)
        free(out.pData);
    out.eType = in.eType;
    out.n = in.n;
    out.nStride = in.nStride;
    if (interleaved)
        out.pData = in.pData;
    else
        out.pData = CopyArray(in.pData, static_cast<size_t>(count) * in.nStride);
}

void PVRTModelPODCopyNode(SPODNode const& in, SPODNode& out, unsigned int frames)
{
    out.nIdx = in.nIdx;
    out.nIdxMaterial = in.nIdxMaterial;
    out.nIdxParent = in.nIdxParent;
    out.nAnimFlags = in.nAnimFlags;
    out.pszName = CopyText(in.pszName);
    out.pnAnimPositionIdx = CopyArray(in.pnAnimPositionIdx, frames);
    out.pnAnimRotationIdx = CopyArray(in.pnAnimRotationIdx, frames);
    out.pnAnimScaleIdx = CopyArray(in.pnAnimScaleIdx, frames);
    out.pnAnimMatrixIdx = CopyArray(in.pnAnimMatrixIdx, frames);
    out.pfAnimPosition
        = CopyKeys(in.pfAnimPosition, in.pnAnimPositionIdx, in.nAnimFlags & ePODHasPositionAni, frames, 3);
    out.pfAnimRotation
        = CopyKeys(in.pfAnimRotation, in.pnAnimRotationIdx, in.nAnimFlags & ePODHasRotationAni, frames, 4);
    out.pfAnimScale = CopyKeys(in.pfAnimScale, in.pnAnimScaleIdx, in.nAnimFlags & ePODHasScaleAni, frames, 7);
    out.pfAnimMatrix = CopyKeys(in.pfAnimMatrix, in.pnAnimMatrixIdx, in.nAnimFlags & ePODHasMatrixAni, frames, 16);
}

void PVRTModelPODCopyMesh(SPODMesh const& in, SPODMesh& out)
{
    bool const interleaved = in.pInterleaved != nullptr;
    out.nNumVertex = in.nNumVertex;
    out.nNumFaces = in.nNumFaces;
    out.nNumUVW = in.nNumUVW;
    out.nNumStrips = in.nNumStrips;
    // The index data holds what the mesh draws, fewer than three a face
    // when it is stripped.
    unsigned int const indexBytes = PVRTModelPODCountIndices(in) * PVRTModelPODDataTypeSize(in.sFaces.eType);
    out.sFaces = in.sFaces;
    out.sFaces.pData = CopyArray(in.sFaces.pData, indexBytes);
    CPODData const* const inStreams[]
        = {&in.sVertex, &in.sNormals, &in.sTangents, &in.sBinormals, &in.sVtxColours, &in.sBoneIdx, &in.sBoneWeight};
    CPODData* const outStreams[] = {&out.sVertex, &out.sNormals, &out.sTangents, &out.sBinormals, &out.sVtxColours,
        &out.sBoneIdx, &out.sBoneWeight};
    for (size_t i = 0; i < 7; ++i)
        PVRTModelPODCopyCPODData(*inStreams[i], *outStreams[i], in.nNumVertex, interleaved);
    CopyRecords(out.psUVW, in.psUVW, in.nNumUVW,
        [&](CPODData const& from, CPODData& to) { PVRTModelPODCopyCPODData(from, to, in.nNumVertex, interleaved); });
    if (interleaved)
        out.pInterleaved = CopyArray(in.pInterleaved, PVRTModelPODInterleavedBytes(in));
    out.pnStripLength = CopyArray(in.pnStripLength, in.nNumStrips);
    CPVRTBoneBatches const& batches = in.sBoneBatches;
    size_t const batchCount = batches.nBatchCnt > 0 ? static_cast<size_t>(batches.nBatchCnt) : 0;
    size_t const boneMax = batches.nBatchBoneMax > 0 ? static_cast<size_t>(batches.nBatchBoneMax) : 0;
    out.sBoneBatches.pnBatches = CopyBatchArray(batches.pnBatches, boneMax * batchCount);
    out.sBoneBatches.pnBatchBoneCnt = CopyBatchArray(batches.pnBatchBoneCnt, batchCount);
    out.sBoneBatches.pnBatchOffset = CopyBatchArray(batches.pnBatchOffset, batchCount);
    out.sBoneBatches.nBatchBoneMax = batches.nBatchBoneMax;
    out.sBoneBatches.nBatchCnt = batches.nBatchCnt;
    out.ePrimitiveType = in.ePrimitiveType;
    out.mUnpackMatrix = in.mUnpackMatrix;
}

void PVRTModelPODCopyCamera(SPODCamera const& in, SPODCamera& out, unsigned int frames)
{
    out = in;
    out.pfAnimFOV = CopyArray(in.pfAnimFOV, frames);
}

void PVRTModelPODCopyLight(SPODLight const& in, SPODLight& out)
{
    out = in;
}

void PVRTModelPODCopyTexture(SPODTexture const& in, SPODTexture& out)
{
    out.pszName = CopyText(in.pszName);
}

void PVRTModelPODCopyMaterial(SPODMaterial const& in, SPODMaterial& out)
{
    out = in;
    out.pszName = CopyText(in.pszName);
    out.pszEffectFile = CopyText(in.pszEffectFile);
    out.pszEffectName = CopyText(in.pszEffectName);
}

int CPVRTModelPOD::CopyFromMemory(SPODScene const& scene)
{
    if (&scene == this)
        return 0; // a copy of itself is what it holds
    Destroy();
    unsigned int const frames = scene.nNumFrame;
    nNumFrame = scene.nNumFrame;
    nFPS = scene.nFPS;
    nFlags = scene.nFlags;
    memcpy(pfColourBackground, scene.pfColourBackground, sizeof pfColourBackground);
    memcpy(pfColourAmbient, scene.pfColourAmbient, sizeof pfColourAmbient);
    nNumMeshNode = scene.nNumMeshNode;

    bool ok = CopyRecords(pNode, scene.pNode, scene.nNumNode,
        [frames](SPODNode const& in, SPODNode& out) { PVRTModelPODCopyNode(in, out, frames); });
    nNumNode = pNode ? scene.nNumNode : 0;
    ok = CopyRecords(pMesh, scene.pMesh, scene.nNumMesh, PVRTModelPODCopyMesh) && ok;
    nNumMesh = pMesh ? scene.nNumMesh : 0;
    ok = CopyRecords(pCamera, scene.pCamera, scene.nNumCamera, [frames](SPODCamera const& in, SPODCamera& out) {
        PVRTModelPODCopyCamera(in, out, frames);
    }) && ok;
    nNumCamera = pCamera ? scene.nNumCamera : 0;
    ok = CopyRecords(pLight, scene.pLight, scene.nNumLight, PVRTModelPODCopyLight) && ok;
    nNumLight = pLight ? scene.nNumLight : 0;
    ok = CopyRecords(pTexture, scene.pTexture, scene.nNumTexture, PVRTModelPODCopyTexture) && ok;
    nNumTexture = pTexture ? scene.nNumTexture : 0;
    ok = CopyRecords(pMaterial, scene.pMaterial, scene.nNumMaterial, PVRTModelPODCopyMaterial) && ok;
    nNumMaterial = pMaterial ? scene.nNumMaterial : 0;

    if (!ok || InitImpl() != 0) {
        Destroy();
        return 1;
    }
    return 0;
}
