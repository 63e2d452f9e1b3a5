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
    // the rest of the block.
    template <typename T>
    bool ReadValues(T* values, unsigned int count, unsigned int length)
    {
        if (length < count * 4u)
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

bool PODReader::ReadCPODData(CPODData& data, unsigned int tag, bool ownData, unsigned int& bytes)
{
    // A stream given twice replaces the first.
    if (ownData)
        free(data.pData);
    data.pData = nullptr;
    bytes = 0;
    for (;;) {
        unsigned int blockTag, length;
        if (!m_source.ReadMarker(blockTag, length))
            return false;
        if (blockTag == End(tag))
            return true;
        bool ok;
        switch (blockTag) {
        case DataType: ok = ReadValues(&data.eType, 1, length); break;
        case DataN: ok = ReadValues(&data.n, 1, length); break;
        case DataStride: ok = ReadValues(&data.nStride, 1, length); break;
        case DataData:
            if (!ownData) {
                uint32_t offset = 0;
                ok = ReadValues(&offset, 1, length);
                data.SetOffset(offset);
                break;
            }
            free(data.pData);
            data.pData = nullptr;
            switch (PVRTModelPODDataTypeSize(data.eType)) {
            case 4: ok = m_source.ReadAfterAlloc32(data.pData, length); break;
            case 2: ok = m_source.ReadAfterAlloc16(data.pData, length); break;
            case 1: ok = m_source.ReadAfterAlloc(data.pData, length); break;
            // Data of a type without elements cannot be used: skipped.
            default: ok = m_source.Skip(length); length = 0; break;
            }
            bytes = length / std::max(1u, PVRTModelPODDataTypeSize(data.eType)) * PVRTModelPODDataTypeSize(data.eType);
            break;
        default: ok = m_source.Skip(length); break;
        }
        if (!ok)
            return false;
    }
}

bool PODReader::ReadCamera(SPODCamera& camera, unsigned int& fovFloats)
{
    for (;;) {
        unsigned int tag, length;
        if (!m_source.ReadMarker(tag, length))
            return false;
        bool ok;
        switch (tag) {
        case End(SceneCamera): return true;
        case CameraIdxTgt: ok = ReadValues(&camera.nIdxTarget, 1, length); break;
        case CameraFOV: ok = ReadValues(&camera.fFOV, 1, length); break;
        case CameraFar: ok = ReadValues(&camera.fFar, 1, length); break;
        case CameraNear: ok = ReadValues(&camera.fNear, 1, length); break;
        case CameraAnimFOV: ok = ReadArray32(camera.pfAnimFOV, length, fovFloats); break;
        default: ok = m_source.Skip(length); break;
        }
        if (!ok)
            return false;
    }
}

bool PODReader::ReadLight(SPODLight& light)
{
    for (;;) {
        unsigned int tag, length;
        if (!m_source.ReadMarker(tag, length))
            return false;
        bool ok;
        switch (tag) {
        case End(SceneLight): return true;
        case LightIdxTgt: ok = ReadValues(&light.nIdxTarget, 1, length); break;
        case LightColour: ok = ReadValues(light.pfColour, 3, length); break;
        case LightType: ok = ReadValues(&light.eType, 1, length); break;
        case LightConstantAttenuation: ok = ReadValues(&light.fConstantAttenuation, 1, length); break;
        case LightLinearAttenuation: ok = ReadValues(&light.fLinearAttenuation, 1, length); break;
        case LightQuadraticAttenuation: ok = ReadValues(&light.fQuadraticAttenuation, 1, length); break;
        case LightFalloffAngle: ok = ReadValues(&light.fFalloffAngle, 1, length); break;
        case LightFalloffExponent: ok = ReadValues(&light.fFalloffExponent, 1, length); break;
        default: ok = m_source.Skip(length); break;
        }
        if (!ok)
            return false;
    }
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

    for (;;) {
        unsigned int tag, length;
        if (!m_source.ReadMarker(tag, length))
            return false;
        bool ok;
        if (tag >= MaterialTexAmbient && tag <= MaterialTexRefraction) {
            ok = ReadValues(textureIndices[tag - MaterialTexAmbient], 1, length);
        } else {
            switch (tag) {
            case End(SceneMaterial): return true;
            case MaterialName: ok = ReadString(material.pszName, length); break;
            case MaterialTexDiffuse: ok = ReadValues(&material.nIdxTexDiffuse, 1, length); break;
            case MaterialOpacity: ok = ReadValues(&material.fMatOpacity, 1, length); break;
            case MaterialAmbient: ok = ReadValues(material.pfMatAmbient, 3, length); break;
            case MaterialDiffuse: ok = ReadValues(material.pfMatDiffuse, 3, length); break;
            case MaterialSpecular: ok = ReadValues(material.pfMatSpecular, 3, length); break;
            case MaterialShininess: ok = ReadValues(&material.fMatShininess, 1, length); break;
            case MaterialEffectFile: ok = ReadString(material.pszEffectFile, length); break;
            case MaterialEffectName: ok = ReadString(material.pszEffectName, length); break;
            case MaterialBlendSrcRGB: ok = ReadValues(&material.eBlendSrcRGB, 1, length); break;
            case MaterialBlendSrcA: ok = ReadValues(&material.eBlendSrcA, 1, length); break;
            case MaterialBlendDstRGB: ok = ReadValues(&material.eBlendDstRGB, 1, length); break;
            case MaterialBlendDstA: ok = ReadValues(&material.eBlendDstA, 1, length); break;
            case MaterialBlendOpRGB: ok = ReadValues(&material.eBlendOpRGB, 1, length); break;
            case MaterialBlendOpA: ok = ReadValues(&material.eBlendOpA, 1, length); break;
            case MaterialBlendColour: ok = ReadValues(material.pfBlendColour, 4, length); break;
            case MaterialBlendFactor: ok = ReadValues(material.pfBlendFactor, 4, length); break;
            case MaterialFlags: ok = ReadValues(&material.nFlags, 1, length); break;
            default: ok = m_source.Skip(length); break;
            }
        }
        if (!ok)
            return false;
    }
}

bool PODReader::ReadTexture(SPODTexture& texture)
{
    for (;;) {
        unsigned int tag, length;
        if (!m_source.ReadMarker(tag, length))
            return false;
        bool ok;
        switch (tag) {
        case End(SceneTexture): return true;
        case TextureFilename: ok = ReadString(texture.pszName, length); break;
        default: ok = m_source.Skip(length); break;
        }
        if (!ok)
            return false;
    }
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

    for (;;) {
        unsigned int tag, length;
        if (!m_source.ReadMarker(tag, length))
            return false;
        if (tag == End(SceneMesh)) {
            if (uvwRead != mesh.nNumUVW)
                return false;
            if (!PVRTPODCheckMesh(mesh, sizes))
                return false;
            PVRTFixInterleavedEndianness(mesh);
            return true;
        }
        bool const ownData = mesh.pInterleaved == nullptr;
        unsigned int const* const streamTag = std::find(std::begin(streamTags), std::end(streamTags), tag);
        bool ok;
        if (streamTag != std::end(streamTags)) {
            size_t const which = static_cast<size_t>(streamTag - streamTags);
            ok = ReadCPODData(*streams[which], tag, ownData, sizes.streamBytes[which]);
            ownStreams = ownStreams || ownData;
        } else {
        switch (tag) {
        case MeshNumVtx: ok = ReadValues(&mesh.nNumVertex, 1, length); break;
        case MeshNumFaces: ok = ReadValues(&mesh.nNumFaces, 1, length); break;
        case MeshNumUVW:
            ok = ReadCount(mesh.nNumUVW, mesh.psUVW, length);
            sizes.uvwBytes.assign(mesh.nNumUVW, 0u);
            break;
        case MeshFaces: ok = ReadCPODData(mesh.sFaces, tag, true, sizes.faceBytes); break;
        case MeshStripLength: ok = ReadArray32(mesh.pnStripLength, length, sizes.stripEntries); break;
        case MeshNumStrips: ok = ReadValues(&mesh.nNumStrips, 1, length); break;
        case MeshUVW:
            if (uvwRead >= mesh.nNumUVW)
                return false;
            ok = ReadCPODData(mesh.psUVW[uvwRead], tag, ownData, sizes.uvwBytes[uvwRead]);
            ownStreams = ownStreams || ownData;
            ++uvwRead;
            break;
        case MeshInterleaved:
            if (ownStreams) {
                // The streams before it already hold their own arrays.
                ok = m_source.Skip(length);
                break;
            }
            free(mesh.pInterleaved);
            mesh.pInterleaved = nullptr;
            sizes.interleavedBytes = length;
            ok = m_source.ReadAfterAlloc(mesh.pInterleaved, length);
            break;
        case MeshBoneBatches: ok = ReadBatchArray(mesh.sBoneBatches.pnBatches, length, sizes.batchEntries); break;
        case MeshBoneBatchBoneCounts:
            ok = ReadBatchArray(mesh.sBoneBatches.pnBatchBoneCnt, length, sizes.batchBoneCountEntries);
            break;
        case MeshBoneBatchOffsets:
            ok = ReadBatchArray(mesh.sBoneBatches.pnBatchOffset, length, sizes.batchOffsetEntries);
            break;
        case MeshBoneBatchBoneMax: ok = ReadValues(&mesh.sBoneBatches.nBatchBoneMax, 1, length); break;
        case MeshBoneBatchCount: ok = ReadValues(&mesh.sBoneBatches.nBatchCnt, 1, length); break;
        case MeshUnpackMatrix: ok = ReadValues(mesh.mUnpackMatrix.f, 16, length); break;
        default: ok = m_source.Skip(length); break;
        }
        }
        if (!ok)
            return false;
    }
}

bool PODReader::ReadNode(SPODNode& node, SPVRTPODNodeSizes& sizes)
{
    // Older files give one position, rotation and scale instead of keys.
    float position[3] = {0.0f, 0.0f, 0.0f};
    float rotation[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    float scale[7] = {1.0f, 1.0f, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f};
    bool olderFormat = false;

    for (;;) {
        unsigned int tag, length;
        if (!m_source.ReadMarker(tag, length))
            return false;
        bool ok;
        switch (tag) {
        case End(SceneNode):
            if (olderFormat) {
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
            }
            return true;
        case NodeIdx: ok = ReadValues(&node.nIdx, 1, length); break;
        case NodeName: ok = ReadString(node.pszName, length); break;
        case NodeIdxMaterial: ok = ReadValues(&node.nIdxMaterial, 1, length); break;
        case NodeIdxParent: ok = ReadValues(&node.nIdxParent, 1, length); break;
        case NodePos: ok = ReadValues(position, 3, length); olderFormat = true; break;
        case NodeRot: ok = ReadValues(rotation, 4, length); olderFormat = true; break;
        case NodeScale: ok = ReadValues(scale, 3, length); olderFormat = true; break;
        case NodeAnimPos: ok = ReadArray32(node.pfAnimPosition, length, sizes.keyFloats[0]); break;
        case NodeAnimRot: ok = ReadArray32(node.pfAnimRotation, length, sizes.keyFloats[1]); break;
        case NodeAnimScale: ok = ReadArray32(node.pfAnimScale, length, sizes.keyFloats[2]); break;
        case NodeAnimMatrix: ok = ReadArray32(node.pfAnimMatrix, length, sizes.keyFloats[3]); break;
        case NodeAnimFlags: ok = ReadValues(&node.nAnimFlags, 1, length); break;
        case NodeAnimPosIdx: ok = ReadArray32(node.pnAnimPositionIdx, length, sizes.indexEntries[0]); break;
        case NodeAnimRotIdx: ok = ReadArray32(node.pnAnimRotationIdx, length, sizes.indexEntries[1]); break;
        case NodeAnimScaleIdx: ok = ReadArray32(node.pnAnimScaleIdx, length, sizes.indexEntries[2]); break;
        case NodeAnimMatrixIdx: ok = ReadArray32(node.pnAnimMatrixIdx, length, sizes.indexEntries[3]); break;
        default: ok = m_source.Skip(length); break;
        }
        if (!ok)
            return false;
    }
}

bool PODReader::ReadScene(SPODScene& scene)
{
    scene.nFPS = 30;
    unsigned int cameras = 0, lights = 0, meshes = 0, nodes = 0, textures = 0, materials = 0;
    std::vector<SPVRTPODNodeSizes> nodeSizes;
    std::vector<unsigned int> cameraFovFloats;

    for (;;) {
        unsigned int tag, length;
        if (!m_source.ReadMarker(tag, length))
            return false;
        bool ok;
        switch (tag) {
        case End(Scene):
            if (cameras != scene.nNumCamera || lights != scene.nNumLight || materials != scene.nNumMaterial
                || meshes != scene.nNumMesh || textures != scene.nNumTexture || nodes != scene.nNumNode)
                return false;
            return PVRTPODCheckScene(scene, nodeSizes, cameraFovFloats);
        case SceneClearColour: ok = ReadValues(scene.pfColourBackground, 3, length); break;
        case SceneAmbientColour: ok = ReadValues(scene.pfColourAmbient, 3, length); break;
        case SceneNumCamera: ok = ReadCount(scene.nNumCamera, scene.pCamera, length); break;
        case SceneNumLight: ok = ReadCount(scene.nNumLight, scene.pLight, length); break;
        case SceneNumMesh: ok = ReadCount(scene.nNumMesh, scene.pMesh, length); break;
        case SceneNumNode: ok = ReadCount(scene.nNumNode, scene.pNode, length); break;
        case SceneNumMeshNode: ok = ReadValues(&scene.nNumMeshNode, 1, length); break;
        case SceneNumTexture: ok = ReadCount(scene.nNumTexture, scene.pTexture, length); break;
        case SceneNumMaterial: ok = ReadCount(scene.nNumMaterial, scene.pMaterial, length); break;
        case SceneNumFrame: ok = ReadValues(&scene.nNumFrame, 1, length); break;
        case SceneFlags: ok = ReadValues(&scene.nFlags, 1, length); break;
        case SceneFPS: ok = ReadValues(&scene.nFPS, 1, length); break;
        case SceneCamera:
            if (cameras >= scene.nNumCamera)
                return false;
            cameraFovFloats.resize(scene.nNumCamera);
            ok = ReadCamera(scene.pCamera[cameras], cameraFovFloats[cameras]);
            ++cameras;
            break;
        case SceneLight:
            if (lights >= scene.nNumLight)
                return false;
            ok = ReadLight(scene.pLight[lights++]);
            break;
        case SceneMesh:
            if (meshes >= scene.nNumMesh)
                return false;
            ok = ReadMesh(scene.pMesh[meshes++]);
            break;
        case SceneNode:
            if (nodes >= scene.nNumNode)
                return false;
            nodeSizes.resize(scene.nNumNode);
            ok = ReadNode(scene.pNode[nodes], nodeSizes[nodes]);
            ++nodes;
            break;
        case SceneTexture:
            if (textures >= scene.nNumTexture)
                return false;
            ok = ReadTexture(scene.pTexture[textures++]);
            break;
        case SceneMaterial:
            if (materials >= scene.nNumMaterial)
                return false;
            ok = ReadMaterial(scene.pMaterial[materials++]);
            break;
        default: ok = m_source.Skip(length); break;
        }
        if (!ok)
            return false;
    }
}

} // namespace

int CPVRTModelPOD::ReadFromFile(char const* fileName, char* exportOptions, unsigned long optionsSize, char* history,
    unsigned long historySize)
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

int CPVRTModelPOD::Read(CSource& source, char* exportOptions, unsigned long optionsSize, char* history,
    unsigned long historySize)
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
