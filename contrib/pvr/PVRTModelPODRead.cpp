// Reading a POD file into a model's scene.
#include "contrib/pvr/PVRTModelPOD.h"

#include "contrib/pvr/PVRTError.h"
#include "contrib/pvr/PVRTMatrix.h"
#include "contrib/pvr/PVRTModelPODTools.h"
#include "contrib/pvr/PVRTPODCheck.h"
#include "contrib/pvr/PVRTPODSource.h"
#include "contrib/pvr/PVRTPODTags.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

using namespace PVRTPODTag;

// Every record a count tag announces arrives as a container of at least a
// start and an end marker; a larger count cannot be true.
constexpr unsigned int kSmallestContainerBytes = 16;

class PODReader {
public:
    explicit PODReader(CSource& source) : m_source(source) {}

    bool ReadScene(SPODScene& scene);

private:
    // Reads count 32-bit values from a block of `length` bytes and skips
    // the rest of the block. A block running past the end of the data is
    // refused before any value is stored, so no count outlives its failure.
    template <typename T>
    bool ReadValues(T* values, unsigned int count, unsigned int length)
    {
        if (length < count * 4u || length > m_source.BytesLeft())
            return false;
        for (unsigned int i = 0; i < count; ++i)
            if (!m_source.Read32(values[i]))
                return false;
        return m_source.Skip(length - count * 4u);
    }

    // A zero-terminated copy of the block, replacing the old text.
    bool ReadString(char*& text, unsigned int length);
    // A float or u32 array replacing the old one; `entries` gets its size.
    template <typename T>
    bool ReadArray32(T*& array, unsigned int length, unsigned int& entries)
    {
        free(array);
        array = nullptr;
        entries = length / 4u;
        return m_source.ReadAfterAlloc32(array, length);
    }
    // An int array from array new, as the bone batches keep theirs.
    bool ReadBatchArray(int*& array, unsigned int length, unsigned int& entries);

    template <typename T>
    bool ReadCount(unsigned int& count, T*& records, unsigned int length);
    // Hands each block up to the end tag to handle(tag, length), which
    // reads or skips it and answers false on failure.
    template <typename Handler>
    bool ReadContainer(unsigned int endTag, Handler handle);

    bool ReadCamera(SPODCamera& camera, unsigned int& fovFloats);
    bool ReadLight(SPODLight& light);
    bool ReadMaterial(SPODMaterial& material);
    bool ReadTexture(SPODTexture& texture);
    bool ReadMesh(SPODMesh& mesh);
    bool ReadNode(SPODNode& node, SPVRTPODNodeSizes& sizes);
    bool ReadCPODData(CPODData& data, unsigned int tag, bool ownData, unsigned int& bytes);

    CSource& m_source;
};

bool PODReader::ReadString(char*& text, unsigned int length)
{
    free(text);
    text = nullptr;
    if (length > m_source.BytesLeft())
        return false;
    text = static_cast<char*>(calloc(length + 1u, 1));
    return text && m_source.Read(text, length);
}

bool PODReader::ReadBatchArray(int*& array, unsigned int length, unsigned int& entries)
{
    int* read = nullptr;
    unsigned int count = 0;
    if (!ReadArray32(read, length, count))
        return false;
    delete[] array;
    array = nullptr;
    if (count) {
        array = new int[count];
        std::memcpy(array, read, count * sizeof(int));
    }
    free(read);
    entries = count;
    return true;
}

template <typename T>
bool PODReader::ReadCount(unsigned int& count, T*& records, unsigned int length)
{
    // A second count of a kind would orphan the records of the first.
    if (records || !ReadValues(&count, 1, length))
        return false;
    if (count == 0)
        return true;
    if (count <= m_source.BytesLeft() / kSmallestContainerBytes)
        records = static_cast<T*>(calloc(count, sizeof(T)));
    if (!records)
        count = 0; // the scene never announces records it does not hold
    return records != nullptr;
}

template <typename Handler>
bool PODReader::ReadContainer(unsigned int endTag, Handler handle)
{
    for (;;) {
        unsigned int tag, length;
        if (!m_source.ReadMarker(tag, length))
            return false;
        if (tag == endTag)
            return true;
        if (!handle(tag, length))
            return false;
    }
}

bool PODReader::ReadCPODData(CPODData& data, unsigned int tag, bool ownData, unsigned int& bytes)
{
    // A stream given twice replaces the first.
    if (ownData)
        free(data.pData);
    data.pData = nullptr;
    bytes = 0;
    return ReadContainer(End(tag), [&](unsigned int blockTag, unsigned int length) {
        switch (blockTag) {
        case DataType: return ReadValues(&data.eType, 1, length);
        case DataN: return ReadValues(&data.n, 1, length);
        case DataStride: return ReadValues(&data.nStride, 1, length);
        case DataData: break;
        default: return m_source.Skip(length);
        }
        if (!ownData) {
            uint32_t offset = 0;
            bool const ok = ReadValues(&offset, 1, length);
            data.SetOffset(offset);
            return ok;
        }
        free(data.pData);
        data.pData = nullptr;
        unsigned int const size = PVRTModelPODDataTypeSize(data.eType);
        bytes = size ? length / size * size : 0;
        switch (size) {
        case 4: return m_source.ReadAfterAlloc32(data.pData, length);
        case 2: return m_source.ReadAfterAlloc16(data.pData, length);
        case 1: return m_source.ReadAfterAlloc(data.pData, length);
        // Data of a type without elements cannot be used: skipped.
        default: return m_source.Skip(length);
        }
    });
}

bool PODReader::ReadCamera(SPODCamera& camera, unsigned int& fovFloats)
{
    return ReadContainer(End(SceneCamera), [&](unsigned int tag, unsigned int length) {
        switch (tag) {
        case CameraIdxTgt: return ReadValues(&camera.nIdxTarget, 1, length);
        case CameraFOV: return ReadValues(&camera.fFOV, 1, length);
        case CameraFar: return ReadValues(&camera.fFar, 1, length);
        case CameraNear: return ReadValues(&camera.fNear, 1, length);
        case CameraAnimFOV: return ReadArray32(camera.pfAnimFOV, length, fovFloats);
        default: return m_source.Skip(length);
        }
    });
}

bool PODReader::ReadLight(SPODLight& light)
{
    return ReadContainer(End(SceneLight), [&](unsigned int tag, unsigned int length) {
        switch (tag) {
        case LightIdxTgt: return ReadValues(&light.nIdxTarget, 1, length);
        case LightColour: return ReadValues(light.pfColour, 3, length);
        case LightType: return ReadValues(&light.eType, 1, length);
        case LightConstantAttenuation: return ReadValues(&light.fConstantAttenuation, 1, length);
        case LightLinearAttenuation: return ReadValues(&light.fLinearAttenuation, 1, length);
        case LightQuadraticAttenuation: return ReadValues(&light.fQuadraticAttenuation, 1, length);
        case LightFalloffAngle: return ReadValues(&light.fFalloffAngle, 1, length);
        case LightFalloffExponent: return ReadValues(&light.fFalloffExponent, 1, length);
        default: return m_source.Skip(length);
        }
    });
}

bool PODReader::ReadMaterial(SPODMaterial& material)
{
    int* const textureIndices[] = {&material.nIdxTexAmbient, &material.nIdxTexSpecularColour,
        &material.nIdxTexSpecularLevel, &material.nIdxTexBump, &material.nIdxTexEmissive, &material.nIdxTexGlossiness,
        &material.nIdxTexOpacity, &material.nIdxTexReflection, &material.nIdxTexRefraction};
    material.nIdxTexDiffuse = -1;
    for (int* index : textureIndices)
        *index = -1;
    material.eBlendSrcRGB = material.eBlendSrcA = ePODBlendFunc_ONE;
    material.eBlendDstRGB = material.eBlendDstA = ePODBlendFunc_ZERO;
    material.eBlendOpRGB = material.eBlendOpA = ePODBlendOp_ADD;

    return ReadContainer(End(SceneMaterial), [&](unsigned int tag, unsigned int length) {
        if (tag >= MaterialTexAmbient && tag <= MaterialTexRefraction)
            return ReadValues(textureIndices[tag - MaterialTexAmbient], 1, length);
        switch (tag) {
        case MaterialName: return ReadString(material.pszName, length);
        case MaterialTexDiffuse: return ReadValues(&material.nIdxTexDiffuse, 1, length);
        case MaterialOpacity: return ReadValues(&material.fMatOpacity, 1, length);
        case MaterialAmbient: return ReadValues(material.pfMatAmbient, 3, length);
        case MaterialDiffuse: return ReadValues(material.pfMatDiffuse, 3, length);
        case MaterialSpecular: return ReadValues(material.pfMatSpecular, 3, length);
        case MaterialShininess: return ReadValues(&material.fMatShininess, 1, length);
        case MaterialEffectFile: return ReadString(material.pszEffectFile, length);
        case MaterialEffectName: return ReadString(material.pszEffectName, length);
        case MaterialBlendSrcRGB: return ReadValues(&material.eBlendSrcRGB, 1, length);
        case MaterialBlendSrcA: return ReadValues(&material.eBlendSrcA, 1, length);
        case MaterialBlendDstRGB: return ReadValues(&material.eBlendDstRGB, 1, length);
        case MaterialBlendDstA: return ReadValues(&material.eBlendDstA, 1, length);
        case MaterialBlendOpRGB: return ReadValues(&material.eBlendOpRGB, 1, length);
        case MaterialBlendOpA: return ReadValues(&material.eBlendOpA, 1, length);
        case MaterialBlendColour: return ReadValues(material.pfBlendColour, 4, length);
        case MaterialBlendFactor: return ReadValues(material.pfBlendFactor, 4, length);
        case MaterialFlags: return ReadValues(&material.nFlags, 1, length);
        default: return m_source.Skip(length);
        }
    });
}

bool PODReader::ReadTexture(SPODTexture& texture)
{
    return ReadContainer(End(SceneTexture), [&](unsigned int tag, unsigned int length) {
        return tag == TextureFilename ? ReadString(texture.pszName, length) : m_source.Skip(length);
    });
}

bool PODReader::ReadMesh(SPODMesh& mesh)
{
    PVRTMatrixIdentityF(mesh.mUnpackMatrix);
    SPVRTPODMeshSizes sizes;
    unsigned int uvwRead = 0;
    // Streams read so far with their own arrays: a later interleaved block
    // could not own them.
    bool ownStreams = false;
    CPODData* const streams[] = {&mesh.sVertex, &mesh.sNormals, &mesh.sTangents, &mesh.sBinormals, &mesh.sVtxColours,
        &mesh.sBoneIdx, &mesh.sBoneWeight};
    unsigned int const streamTags[] = {MeshVtx, MeshNor, MeshTan, MeshBin, MeshVtxCol, MeshBoneIdx, MeshBoneWeight};
    CPVRTBoneBatches& batches = mesh.sBoneBatches;

    bool const read = ReadContainer(End(SceneMesh), [&](unsigned int tag, unsigned int length) {
        bool const ownData = mesh.pInterleaved == nullptr;
        unsigned int const* const streamTag = std::find(std::begin(streamTags), std::end(streamTags), tag);
        if (streamTag != std::end(streamTags)) {
            size_t const which = static_cast<size_t>(streamTag - streamTags);
            ownStreams = ownStreams || ownData;
            return ReadCPODData(*streams[which], tag, ownData, sizes.streamBytes[which]);
        }
        switch (tag) {
        case MeshNumVtx: return ReadValues(&mesh.nNumVertex, 1, length);
        case MeshNumFaces: return ReadValues(&mesh.nNumFaces, 1, length);
        case MeshNumUVW:
            if (!ReadCount(mesh.nNumUVW, mesh.psUVW, length))
                return false;
            sizes.uvwBytes.assign(mesh.nNumUVW, 0u);
            return true;
        case MeshFaces: return ReadCPODData(mesh.sFaces, tag, true, sizes.faceBytes);
        case MeshStripLength: return ReadArray32(mesh.pnStripLength, length, sizes.stripEntries);
        case MeshNumStrips: return ReadValues(&mesh.nNumStrips, 1, length);
        case MeshUVW: {
            if (uvwRead >= mesh.nNumUVW)
                return false;
            ownStreams = ownStreams || ownData;
            unsigned int const which = uvwRead++;
            return ReadCPODData(mesh.psUVW[which], tag, ownData, sizes.uvwBytes[which]);
        }
        case MeshInterleaved:
            // Streams before it already hold their own arrays: passed over.
            if (ownStreams)
                return m_source.Skip(length);
            free(mesh.pInterleaved);
            mesh.pInterleaved = nullptr;
            sizes.interleavedBytes = length;
            return m_source.ReadAfterAlloc(mesh.pInterleaved, length);
        case MeshBoneBatches: return ReadBatchArray(batches.pnBatches, length, sizes.batchEntries);
        case MeshBoneBatchBoneCounts:
            return ReadBatchArray(batches.pnBatchBoneCnt, length, sizes.batchBoneCountEntries);
        case MeshBoneBatchOffsets: return ReadBatchArray(batches.pnBatchOffset, length, sizes.batchOffsetEntries);
        case MeshBoneBatchBoneMax: return ReadValues(&batches.nBatchBoneMax, 1, length);
        case MeshBoneBatchCount: return ReadValues(&batches.nBatchCnt, 1, length);
        case MeshUnpackMatrix: return ReadValues(mesh.mUnpackMatrix.f, 16, length);
        default: return m_source.Skip(length);
        }
    });
    if (!read || uvwRead != mesh.nNumUVW || !PVRTPODCheckMesh(mesh, sizes))
        return false;
    PVRTFixInterleavedEndianness(mesh);
    return true;
}

bool PODReader::ReadNode(SPODNode& node, SPVRTPODNodeSizes& sizes)
{
    // Older files give one position, rotation and scale instead of keys.
    float position[3] = {0.0f, 0.0f, 0.0f};
    float rotation[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    float scale[7] = {1.0f, 1.0f, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f};
    bool olderFormat = false;

    bool const read = ReadContainer(End(SceneNode), [&](unsigned int tag, unsigned int length) {
        switch (tag) {
        case NodeIdx: return ReadValues(&node.nIdx, 1, length);
        case NodeName: return ReadString(node.pszName, length);
        case NodeIdxMaterial: return ReadValues(&node.nIdxMaterial, 1, length);
        case NodeIdxParent: return ReadValues(&node.nIdxParent, 1, length);
        case NodePos: olderFormat = true; return ReadValues(position, 3, length);
        case NodeRot: olderFormat = true; return ReadValues(rotation, 4, length);
        case NodeScale: olderFormat = true; return ReadValues(scale, 3, length);
        case NodeAnimPos: return ReadArray32(node.pfAnimPosition, length, sizes.keyFloats[0]);
        case NodeAnimRot: return ReadArray32(node.pfAnimRotation, length, sizes.keyFloats[1]);
        case NodeAnimScale: return ReadArray32(node.pfAnimScale, length, sizes.keyFloats[2]);
        case NodeAnimMatrix: return ReadArray32(node.pfAnimMatrix, length, sizes.keyFloats[3]);
        case NodeAnimFlags: return ReadValues(&node.nAnimFlags, 1, length);
        case NodeAnimPosIdx: return ReadArray32(node.pnAnimPositionIdx, length, sizes.indexEntries[0]);
        case NodeAnimRotIdx: return ReadArray32(node.pnAnimRotationIdx, length, sizes.indexEntries[1]);
        case NodeAnimScaleIdx: return ReadArray32(node.pnAnimScaleIdx, length, sizes.indexEntries[2]);
        case NodeAnimMatrixIdx: return ReadArray32(node.pnAnimMatrixIdx, length, sizes.indexEntries[3]);
        default: return m_source.Skip(length);
        }
    });
    if (!read || !olderFormat)
        return read;

    float** const keys[] = {&node.pfAnimPosition, &node.pfAnimRotation, &node.pfAnimScale};
    float const* const defaults[] = {position, rotation, scale};
    unsigned int const keySizes[] = {3, 4, 7};
    unsigned int const flags[] = {ePODHasPositionAni, ePODHasRotationAni, ePODHasScaleAni};
    for (int kind = 0; kind < 3; ++kind) {
        if (*keys[kind]) {
            node.nAnimFlags |= flags[kind];
            continue;
        }
        *keys[kind] = static_cast<float*>(malloc(keySizes[kind] * sizeof(float)));
        if (!*keys[kind])
            return false;
        std::memcpy(*keys[kind], defaults[kind], keySizes[kind] * sizeof(float));
        sizes.keyFloats[kind] = keySizes[kind];
    }
    return true;
}

// The next record of a kind, or null when the scene declared fewer.
template <typename T>
T* Next(T* records, unsigned int count, unsigned int& read)
{
    return read < count ? &records[read++] : nullptr;
}

bool PODReader::ReadScene(SPODScene& scene)
{
    scene.nFPS = 30;
    unsigned int cameras = 0, lights = 0, meshes = 0, nodes = 0, textures = 0, materials = 0;
    std::vector<SPVRTPODNodeSizes> nodeSizes;
    std::vector<unsigned int> cameraFovFloats;

    bool const read = ReadContainer(End(Scene), [&](unsigned int tag, unsigned int length) {
        switch (tag) {
        case SceneClearColour: return ReadValues(scene.pfColourBackground, 3, length);
        case SceneAmbientColour: return ReadValues(scene.pfColourAmbient, 3, length);
        case SceneNumCamera: return ReadCount(scene.nNumCamera, scene.pCamera, length);
        case SceneNumLight: return ReadCount(scene.nNumLight, scene.pLight, length);
        case SceneNumMesh: return ReadCount(scene.nNumMesh, scene.pMesh, length);
        case SceneNumNode: return ReadCount(scene.nNumNode, scene.pNode, length);
        case SceneNumMeshNode: return ReadValues(&scene.nNumMeshNode, 1, length);
        case SceneNumTexture: return ReadCount(scene.nNumTexture, scene.pTexture, length);
        case SceneNumMaterial: return ReadCount(scene.nNumMaterial, scene.pMaterial, length);
        case SceneNumFrame: return ReadValues(&scene.nNumFrame, 1, length);
        case SceneFlags: return ReadValues(&scene.nFlags, 1, length);
        case SceneFPS: return ReadValues(&scene.nFPS, 1, length);
        case SceneCamera: {
            cameraFovFloats.resize(scene.nNumCamera);
            unsigned int const which = cameras;
            SPODCamera* camera = Next(scene.pCamera, scene.nNumCamera, cameras);
            return camera && ReadCamera(*camera, cameraFovFloats[which]);
        }
        case SceneLight: {
            SPODLight* light = Next(scene.pLight, scene.nNumLight, lights);
            return light && ReadLight(*light);
        }
        case SceneMesh: {
            SPODMesh* mesh = Next(scene.pMesh, scene.nNumMesh, meshes);
            return mesh && ReadMesh(*mesh);
        }
        case SceneNode: {
            nodeSizes.resize(scene.nNumNode);
            unsigned int const which = nodes;
            SPODNode* node = Next(scene.pNode, scene.nNumNode, nodes);
            return node && ReadNode(*node, nodeSizes[which]);
        }
        case SceneTexture: {
            SPODTexture* texture = Next(scene.pTexture, scene.nNumTexture, textures);
            return texture && ReadTexture(*texture);
        }
        case SceneMaterial: {
            SPODMaterial* material = Next(scene.pMaterial, scene.nNumMaterial, materials);
            return material && ReadMaterial(*material);
        }
        default: return m_source.Skip(length);
        }
    });
    return read && cameras == scene.nNumCamera && lights == scene.nNumLight && materials == scene.nNumMaterial
        && meshes == scene.nNumMesh && textures == scene.nNumTexture && nodes == scene.nNumNode
        && PVRTPODCheckScene(scene, nodeSizes, cameraFovFloats);
}

} // namespace

int CPVRTModelPOD::ReadFromFile(
    char const* fileName, char* exportOptions, unsigned long optionsSize, char* history, unsigned long historySize)
{
    Destroy();
    CSourceStream source;
    if (!source.Init(fileName))
        return 1;
    return Read(source, exportOptions, optionsSize, history, historySize);
}

int CPVRTModelPOD::ReadFromMemory(char const* data, unsigned long size, char* exportOptions, unsigned long optionsSize,
    char* history, unsigned long historySize)
{
    Destroy();
    CSourceStream source;
    if (!source.Init(data, size))
        return 1;
    return Read(source, exportOptions, optionsSize, history, historySize);
}

int CPVRTModelPOD::Read(
    CSource& source, char* exportOptions, unsigned long optionsSize, char* history, unsigned long historySize)
{
    bool const requested = exportOptions || history;
    bool wantOptions = exportOptions != nullptr;
    bool wantHistory = history != nullptr;
    bool versionRead = false, sceneRead = false;
    bool failed = false;

    for (;;) {
        unsigned int tag, length;
        if (!source.ReadMarker(tag, length))
            break;
        if (tag == Version) {
            char version[kVersionLength];
            if (length != kVersionLength || !source.Read(version, length)
                || std::memcmp(version, kVersion, kVersionLength) != 0) {
                failed = true;
                break;
            }
            versionRead = true;
            continue;
        }
        if (tag == Scene) {
            if (requested)
                continue;
            if (sceneRead || !PODReader(source).ReadScene(*this)) {
                failed = true;
                break;
            }
            sceneRead = true;
            continue;
        }
        if (tag == kSwappedVersion) {
            PVRTErrorOutputDebug("Error: Endianness mismatch between the .pod file and the platform.\n");
            failed = true;
            break;
        }
        if (tag == End(Scene))
            break;

        char* text = nullptr;
        unsigned long textSize = 0;
        if (tag == ExportOptions && wantOptions) {
            text = exportOptions;
            textSize = optionsSize;
            wantOptions = false;
        } else if (tag == History && wantHistory) {
            text = history;
            textSize = historySize;
            wantHistory = false;
        }
        unsigned int const copied = static_cast<unsigned int>(std::min<unsigned long>(length, textSize));
        if ((text && !source.Read(text, copied)) || !source.Skip(length - (text ? copied : 0u))) {
            failed = true;
            break;
        }
        if (requested && !wantOptions && !wantHistory)
            break;
    }

    if (!requested && !failed) {
        if (nFlags & PVRTMODELPODSF_FIXED)
            PVRTModelPODToggleFixedPoint(*this);
        failed = !versionRead || !sceneRead;
    }
    if (failed || InitImpl() != 0) {
        // Nothing of a failed read stays behind.
        Destroy();
        return 1;
    }
    return 0;
}
