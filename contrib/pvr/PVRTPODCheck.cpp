// Consistency checks of a freshly read POD scene.
#include "contrib/pvr/PVRTPODCheck.h"

#include "contrib/pvr/PVRTModelPOD.h"

#include <algorithm>
#include <cstdint>

namespace {

// Whether every vertex of the stream lies inside `available` bytes: the
// stream's own array, or the interleaved block from the stream's offset.
// Whole vertices count, as vertex buffers are filled with vertex count
// times stride bytes.
bool StreamFits(CPODData const& data, unsigned int vertices, bool interleaved, uint64_t available)
{
    if (data.n == 0 || vertices == 0)
        return true;
    uint64_t const elementBytes = static_cast<uint64_t>(PVRTModelPODDataStride(data));
    if (elementBytes == 0 || data.nStride < elementBytes)
        return false;
    if (!interleaved && !data.pData)
        return false;
    uint64_t const start = interleaved ? data.Offset() : 0u;
    uint64_t const lastElementEnd = start + static_cast<uint64_t>(vertices - 1u) * data.nStride + elementBytes;
    uint64_t const wholeVertices = static_cast<uint64_t>(vertices) * data.nStride;
    return lastElementEnd <= available && wholeVertices <= available;
}

bool IndexInRange(int index, unsigned int count)
{
    return index >= -1 && (index < 0 || static_cast<unsigned int>(index) < count);
}

bool FacesFit(SPODMesh const& mesh, SPVRTPODMeshSizes const& sizes)
{
    if (mesh.nNumStrips && sizes.stripEntries < mesh.nNumStrips)
        return false;
    if (!mesh.sFaces.pData)
        return true;
    uint64_t indices = 0;
    if (mesh.nNumStrips) {
        for (unsigned int i = 0; i < mesh.nNumStrips; ++i)
            indices += mesh.pnStripLength[i] + 2u;
    } else {
        indices = static_cast<uint64_t>(mesh.nNumFaces) * 3u;
    }
    // The count must also fit the 32-bit index count the mesh reports.
    if (indices > UINT32_MAX)
        return false;
    unsigned int const size = PVRTModelPODDataTypeSize(mesh.sFaces.eType);
    if (mesh.sFaces.eType != EPODDataUnsignedShort && mesh.sFaces.eType != EPODDataUnsignedInt)
        return false;
    if (indices * size > sizes.faceBytes)
        return false;
    for (uint64_t i = 0; i < indices; ++i) {
        uint32_t index = 0;
        if (size == 2)
            index = reinterpret_cast<uint16_t const*>(mesh.sFaces.pData)[i];
        else
            index = reinterpret_cast<uint32_t const*>(mesh.sFaces.pData)[i];
        if (index >= mesh.nNumVertex)
            return false;
    }
    return true;
}

bool BatchesFit(CPVRTBoneBatches const& batches, SPVRTPODMeshSizes const& sizes)
{
    if (batches.nBatchCnt < 0 || batches.nBatchBoneMax < 0)
        return false;
    unsigned int const count = static_cast<unsigned int>(batches.nBatchCnt);
    if (count == 0)
        return true;
    if (static_cast<uint64_t>(batches.nBatchBoneMax) * count > sizes.batchEntries || count > sizes.batchBoneCountEntries
        || count > sizes.batchOffsetEntries)
        return false;
    for (unsigned int b = 0; b < count; ++b)
        if (batches.pnBatchBoneCnt[b] < 0 || batches.pnBatchBoneCnt[b] > batches.nBatchBoneMax)
            return false;
    return true;
}

// Keys of one kind: with its animation flag, one key per frame (by index
// or in a row); without, at least the first key.
bool KeysFit(unsigned int const* indices, unsigned int indexEntries, unsigned int keyFloats, unsigned int keySize,
    bool animated, unsigned int frames)
{
    if (keyFloats == 0)
        return true;
    if (!animated)
        return keyFloats >= keySize;
    if (!indices)
        return static_cast<uint64_t>(frames) * keySize <= keyFloats;
    if (indexEntries < frames)
        return false;
    for (unsigned int f = 0; f < frames; ++f)
        if (static_cast<uint64_t>(indices[f]) + keySize > keyFloats)
            return false;
    return true;
}

bool NodeFits(SPODScene const& scene, unsigned int i, SPVRTPODNodeSizes const& sizes)
{
    SPODNode const& node = scene.pNode[i];
    unsigned int const frames = std::max(scene.nNumFrame, 1u);
    unsigned int const* const indices[]
        = {node.pnAnimPositionIdx, node.pnAnimRotationIdx, node.pnAnimScaleIdx, node.pnAnimMatrixIdx};
    unsigned int const keySizes[] = {3, 4, 7, 16};
    for (int kind = 0; kind < 4; ++kind) {
        bool const animated = (node.nAnimFlags & (1u << kind)) != 0;
        if (!KeysFit(indices[kind], sizes.indexEntries[kind], sizes.keyFloats[kind], keySizes[kind], animated, frames))
            return false;
    }
    if (!IndexInRange(node.nIdxParent, scene.nNumNode) || !IndexInRange(node.nIdxMaterial, scene.nNumMaterial))
        return false;
    // The object a node places, by the node's position.
    unsigned int objects = 0;
    if (i < scene.nNumMeshNode)
        objects = scene.nNumMesh;
    else if (i < scene.nNumMeshNode + scene.nNumLight)
        objects = scene.nNumLight;
    else if (i < scene.nNumMeshNode + scene.nNumLight + scene.nNumCamera)
        objects = scene.nNumCamera;
    else
        return true;
    return node.nIdx >= 0 && static_cast<unsigned int>(node.nIdx) < objects;
}

// A parent chain longer than the node count goes round in a loop.
bool ParentsEndAtARoot(SPODScene const& scene)
{
    for (unsigned int i = 0; i < scene.nNumNode; ++i) {
        int parent = scene.pNode[i].nIdxParent;
        for (unsigned int steps = 0; parent >= 0; ++steps) {
            if (steps >= scene.nNumNode)
                return false;
            parent = scene.pNode[parent].nIdxParent;
        }
    }
    return true;
}

bool MaterialFits(SPODMaterial const& material, unsigned int textures)
{
    int const indices[] = {material.nIdxTexDiffuse, material.nIdxTexAmbient, material.nIdxTexSpecularColour,
        material.nIdxTexSpecularLevel, material.nIdxTexBump, material.nIdxTexEmissive, material.nIdxTexGlossiness,
        material.nIdxTexOpacity, material.nIdxTexReflection, material.nIdxTexRefraction};
    return std::all_of(std::begin(indices), std::end(indices), [textures](int i) { return IndexInRange(i, textures); });
}

} // namespace

bool PVRTPODCheckMesh(SPODMesh const& mesh, SPVRTPODMeshSizes const& sizes)
{
    bool const interleaved = mesh.pInterleaved != nullptr;
    CPODData const* const streams[] = {&mesh.sVertex, &mesh.sNormals, &mesh.sTangents, &mesh.sBinormals,
        &mesh.sVtxColours, &mesh.sBoneIdx, &mesh.sBoneWeight};
    for (size_t i = 0; i < 7; ++i)
        if (!StreamFits(
                *streams[i], mesh.nNumVertex, interleaved, interleaved ? sizes.interleavedBytes : sizes.streamBytes[i]))
            return false;
    for (unsigned int i = 0; i < mesh.nNumUVW; ++i)
        if (!StreamFits(
                mesh.psUVW[i], mesh.nNumVertex, interleaved, interleaved ? sizes.interleavedBytes : sizes.uvwBytes[i]))
            return false;
    return FacesFit(mesh, sizes) && BatchesFit(mesh.sBoneBatches, sizes);
}

bool PVRTPODCheckScene(SPODScene const& scene, std::vector<SPVRTPODNodeSizes> const& nodeSizes,
    std::vector<unsigned int> const& cameraFovFloats)
{
    if (static_cast<uint64_t>(scene.nNumMeshNode) + scene.nNumLight + scene.nNumCamera > scene.nNumNode)
        return false;
    for (unsigned int i = 0; i < scene.nNumNode; ++i)
        if (!NodeFits(scene, i, nodeSizes[i]))
            return false;
    if (!ParentsEndAtARoot(scene))
        return false;
    for (unsigned int i = 0; i < scene.nNumCamera; ++i) {
        SPODCamera const& camera = scene.pCamera[i];
        if (!IndexInRange(camera.nIdxTarget, scene.nNumNode))
            return false;
        if (camera.pfAnimFOV && cameraFovFloats[i] < std::max(scene.nNumFrame, 1u))
            return false;
    }
    for (unsigned int i = 0; i < scene.nNumLight; ++i)
        if (!IndexInRange(scene.pLight[i].nIdxTarget, scene.nNumNode))
            return false;
    for (unsigned int i = 0; i < scene.nNumMaterial; ++i)
        if (!MaterialFits(scene.pMaterial[i], scene.nNumTexture))
            return false;
    return true;
}
