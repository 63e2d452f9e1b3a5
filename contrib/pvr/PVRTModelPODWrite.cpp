// Writing a model's scene as a POD file: little-endian blocks, each closed
// by its end marker.
#include "contrib/pvr/PVRTModelPOD.h"

#include "contrib/pvr/PVRTPODTags.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

using namespace PVRTPODTag;

class PODWriter {
public:
    explicit PODWriter(FILE* file) : m_file(file) {}

    bool Ok() const { return m_ok; }

    void U32(uint32_t value)
    {
        unsigned char const bytes[4] = {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
            static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
        Bytes(bytes, 4);
    }
    void U16(uint16_t value)
    {
        unsigned char const bytes[2] = {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8)};
        Bytes(bytes, 2);
    }
    void Bytes(void const* data, size_t n)
    {
        if (m_ok && n && fwrite(data, 1, n, m_file) != n)
            m_ok = false;
    }
    void Zeros(size_t n)
    {
        for (size_t i = 0; i < n; ++i)
            Bytes("", 1);
    }
    void Marker(unsigned int tag, uint32_t length)
    {
        U32(tag);
        U32(length);
    }
    void Open(unsigned int tag) { Marker(tag, 0); }
    void Close(unsigned int tag) { Marker(End(tag), 0); }

    // A block of 32-bit values (integers, floats or enumerations); left
    // out when there are none.
    template <typename T>
    void Values(unsigned int tag, T const* values, size_t count)
    {
        static_assert(sizeof(T) == 4, "32-bit values only");
        if (!values)
            return;
        Marker(tag, static_cast<uint32_t>(count * 4));
        for (size_t i = 0; i < count; ++i) {
            uint32_t word;
            memcpy(&word, &values[i], 4);
            U32(word);
        }
        Close(tag);
    }
    template <typename T>
    void Value(unsigned int tag, T const& value)
    {
        Values(tag, &value, 1);
    }
    // A zero-terminated text; left out when null.
    void Text(unsigned int tag, char const* text)
    {
        if (!text)
            return;
        size_t const length = strlen(text) + 1;
        Marker(tag, static_cast<uint32_t>(length));
        Bytes(text, length);
        Close(tag);
    }

    // A vertex-data container: an offset into the interleaved block, or
    // `bytes` of the stream's own array in its element size.
    void Data(unsigned int tag, CPODData const& data, bool interleaved, size_t bytes)
    {
        Open(tag);
        Value(DataType, data.eType);
        Value(DataN, data.n);
        Value(DataStride, data.nStride);
        if (interleaved) {
            uint32_t const offset = static_cast<uint32_t>(data.Offset());
            Value(DataData, offset);
        } else if (data.pData) {
            unsigned int const size = PVRTModelPODDataTypeSize(data.eType);
            Marker(DataData, static_cast<uint32_t>(bytes));
            Elements(data.pData, bytes, size);
            Close(DataData);
        }
        Close(tag);
    }

    // Host-order elements of `size` bytes written little-endian.
    void Elements(unsigned char const* data, size_t bytes, unsigned int size)
    {
        for (size_t at = 0; at + size <= bytes && size > 1; at += size) {
            if (size == 4) {
                uint32_t word;
                memcpy(&word, data + at, 4);
                U32(word);
            } else {
                uint16_t half;
                memcpy(&half, data + at, 2);
                U16(half);
            }
        }
        if (size <= 1)
            Bytes(data, bytes);
    }

private:
    FILE* m_file;
    bool m_ok = true;
};

std::vector<CPODData const*> MeshStreams(SPODMesh const& mesh)
{
    std::vector<CPODData const*> streams = {&mesh.sVertex, &mesh.sNormals, &mesh.sTangents, &mesh.sBinormals,
        &mesh.sVtxColours, &mesh.sBoneIdx, &mesh.sBoneWeight};
    for (unsigned int i = 0; i < mesh.nNumUVW; ++i)
        streams.push_back(&mesh.psUVW[i]);
    return streams;
}

// The interleaved block rebuilt from its streams: each stream's elements
// at the stream's offset, zeros in the gaps and up to the stride.
void WriteInterleaved(PODWriter& out, SPODMesh const& mesh)
{
    std::vector<CPODData const*> streams;
    unsigned int stride = 0;
    for (CPODData const* stream : MeshStreams(mesh)) {
        if (stream->n == 0)
            continue;
        streams.push_back(stream);
        stride = std::max(stride, stream->nStride);
    }
    std::stable_sort(
        streams.begin(), streams.end(), [](CPODData const* a, CPODData const* b) { return a->Offset() < b->Offset(); });
    out.Marker(MeshInterleaved, mesh.nNumVertex * stride);
    for (unsigned int v = 0; v < mesh.nNumVertex; ++v) {
        size_t written = 0;
        for (CPODData const* stream : streams) {
            size_t const offset = stream->Offset();
            size_t const bytes = PVRTModelPODDataStride(*stream);
            if (offset < written || offset + bytes > stride)
                continue; // overlapping streams are written once
            out.Zeros(offset - written);
            out.Elements(mesh.pInterleaved + offset + static_cast<size_t>(v) * stream->nStride, bytes,
                PVRTModelPODDataTypeSize(stream->eType));
            written = offset + bytes;
        }
        out.Zeros(stride - written);
    }
    out.Close(MeshInterleaved);
}

void WriteMesh(PODWriter& out, SPODMesh const& mesh)
{
    bool const interleaved = mesh.pInterleaved != nullptr;
    out.Open(SceneMesh);
    out.Value(MeshNumVtx, mesh.nNumVertex);
    out.Value(MeshNumFaces, mesh.nNumFaces);
    out.Value(MeshNumUVW, mesh.nNumUVW);
    out.Values(MeshStripLength, mesh.pnStripLength, mesh.nNumStrips);
    out.Value(MeshNumStrips, mesh.nNumStrips);
    if (interleaved)
        WriteInterleaved(out, mesh);
    CPVRTBoneBatches const& batches = mesh.sBoneBatches;
    size_t const batchCount = batches.nBatchCnt > 0 ? static_cast<size_t>(batches.nBatchCnt) : 0;
    size_t const boneMax = batches.nBatchBoneMax > 0 ? static_cast<size_t>(batches.nBatchBoneMax) : 0;
    out.Value(MeshBoneBatchBoneMax, batches.nBatchBoneMax);
    out.Value(MeshBoneBatchCount, batches.nBatchCnt);
    out.Values(MeshBoneBatches, batches.pnBatches, boneMax * batchCount);
    out.Values(MeshBoneBatchBoneCounts, batches.pnBatchBoneCnt, batchCount);
    out.Values(MeshBoneBatchOffsets, batches.pnBatchOffset, batchCount);
    out.Values(MeshUnpackMatrix, mesh.mUnpackMatrix.f, 16);

    // The index data holds what the mesh draws: fewer than three a face
    // when stripped.
    out.Data(MeshFaces, mesh.sFaces, false,
        static_cast<size_t>(PVRTModelPODCountIndices(mesh)) * PVRTModelPODDataTypeSize(mesh.sFaces.eType));
    size_t const vertices = mesh.nNumVertex;
    std::pair<unsigned int, CPODData const*> const streams[] = {
        {MeshVtx, &mesh.sVertex}, {MeshNor, &mesh.sNormals}, {MeshTan, &mesh.sTangents}, {MeshBin, &mesh.sBinormals}};
    for (auto const& stream : streams)
        out.Data(stream.first, *stream.second, interleaved, vertices * stream.second->nStride);
    for (unsigned int i = 0; i < mesh.nNumUVW; ++i)
        out.Data(MeshUVW, mesh.psUVW[i], interleaved, vertices * mesh.psUVW[i].nStride);
    out.Data(MeshVtxCol, mesh.sVtxColours, interleaved, vertices * mesh.sVtxColours.nStride);
    out.Data(MeshBoneIdx, mesh.sBoneIdx, interleaved, vertices * mesh.sBoneIdx.nStride);
    out.Data(MeshBoneWeight, mesh.sBoneWeight, interleaved, vertices * mesh.sBoneWeight.nStride);
    out.Close(SceneMesh);
}

void WriteNode(PODWriter& out, SPODNode const& node, unsigned int frames)
{
    out.Open(SceneNode);
    out.Value(NodeIdx, node.nIdx);
    out.Text(NodeName, node.pszName);
    out.Value(NodeIdxMaterial, node.nIdxMaterial);
    out.Value(NodeIdxParent, node.nIdxParent);
    out.Value(NodeAnimFlags, node.nAnimFlags);
    struct Kind {
        unsigned int indexTag, keyTag, flag, keySize;
        unsigned int const* indices;
        float const* keys;
    };
    Kind const kinds[] = {
        {NodeAnimPosIdx, NodeAnimPos, ePODHasPositionAni, 3, node.pnAnimPositionIdx, node.pfAnimPosition},
        {NodeAnimRotIdx, NodeAnimRot, ePODHasRotationAni, 4, node.pnAnimRotationIdx, node.pfAnimRotation},
        {NodeAnimScaleIdx, NodeAnimScale, ePODHasScaleAni, 7, node.pnAnimScaleIdx, node.pfAnimScale},
        {NodeAnimMatrixIdx, NodeAnimMatrix, ePODHasMatrixAni, 16, node.pnAnimMatrixIdx, node.pfAnimMatrix},
    };
    for (Kind const& kind : kinds) {
        out.Values(kind.indexTag, kind.indices, frames);
        bool const animated = (node.nAnimFlags & kind.flag) != 0;
        out.Values(kind.keyTag, kind.keys,
            animated ? PVRTModelPODGetAnimArraySize(kind.indices, frames, kind.keySize) : kind.keySize);
    }
    out.Close(SceneNode);
}

void WriteMaterial(PODWriter& out, SPODMaterial const& material)
{
    out.Open(SceneMaterial);
    out.Value(MaterialFlags, material.nFlags);
    out.Text(MaterialName, material.pszName);
    out.Value(MaterialTexDiffuse, material.nIdxTexDiffuse);
    int const textures[] = {material.nIdxTexAmbient, material.nIdxTexSpecularColour, material.nIdxTexSpecularLevel,
        material.nIdxTexBump, material.nIdxTexEmissive, material.nIdxTexGlossiness, material.nIdxTexOpacity,
        material.nIdxTexReflection, material.nIdxTexRefraction};
    for (unsigned int i = 0; i < 9; ++i)
        out.Value(MaterialTexAmbient + i, textures[i]);
    out.Value(MaterialOpacity, material.fMatOpacity);
    out.Values(MaterialAmbient, material.pfMatAmbient, 3);
    out.Values(MaterialDiffuse, material.pfMatDiffuse, 3);
    out.Values(MaterialSpecular, material.pfMatSpecular, 3);
    out.Value(MaterialShininess, material.fMatShininess);
    out.Text(MaterialEffectFile, material.pszEffectFile);
    out.Text(MaterialEffectName, material.pszEffectName);
    out.Value(MaterialBlendSrcRGB, material.eBlendSrcRGB);
    out.Value(MaterialBlendSrcA, material.eBlendSrcA);
    out.Value(MaterialBlendDstRGB, material.eBlendDstRGB);
    out.Value(MaterialBlendDstA, material.eBlendDstA);
    out.Value(MaterialBlendOpRGB, material.eBlendOpRGB);
    out.Value(MaterialBlendOpA, material.eBlendOpA);
    out.Values(MaterialBlendColour, material.pfBlendColour, 4);
    out.Values(MaterialBlendFactor, material.pfBlendFactor, 4);
    out.Close(SceneMaterial);
}

} // namespace

int CPVRTModelPOD::SavePOD(char const* fileName, char const* exportOptions, char const* history)
{
    FILE* file = fopen(fileName, "wb+");
    if (!file)
        return 1;
    PODWriter out(file);
    out.Marker(Version, kVersionLength);
    out.Bytes(kVersion, kVersionLength);
    out.Close(Version);
    if (exportOptions && *exportOptions)
        out.Text(ExportOptions, exportOptions);
    if (history && *history)
        out.Text(History, history);

    out.Open(Scene);
    out.Values(SceneClearColour, pfColourBackground, 3);
    out.Values(SceneAmbientColour, pfColourAmbient, 3);
    out.Value(SceneNumCamera, nNumCamera);
    out.Value(SceneNumLight, nNumLight);
    out.Value(SceneNumMesh, nNumMesh);
    out.Value(SceneNumNode, nNumNode);
    out.Value(SceneNumMeshNode, nNumMeshNode);
    out.Value(SceneNumTexture, nNumTexture);
    out.Value(SceneNumMaterial, nNumMaterial);
    out.Value(SceneNumFrame, nNumFrame);
    out.Value(SceneFPS, nFPS);
    out.Value(SceneFlags, nFlags);

    for (unsigned int i = 0; i < nNumCamera; ++i) {
        SPODCamera const& camera = pCamera[i];
        out.Open(SceneCamera);
        out.Value(CameraIdxTgt, camera.nIdxTarget);
        out.Value(CameraFOV, camera.fFOV);
        out.Value(CameraFar, camera.fFar);
        out.Value(CameraNear, camera.fNear);
        out.Values(CameraAnimFOV, camera.pfAnimFOV, nNumFrame);
        out.Close(SceneCamera);
    }
    for (unsigned int i = 0; i < nNumLight; ++i) {
        SPODLight const& light = pLight[i];
        out.Open(SceneLight);
        out.Value(LightIdxTgt, light.nIdxTarget);
        out.Values(LightColour, light.pfColour, 3);
        out.Value(LightType, light.eType);
        out.Value(LightConstantAttenuation, light.fConstantAttenuation);
        out.Value(LightLinearAttenuation, light.fLinearAttenuation);
        out.Value(LightQuadraticAttenuation, light.fQuadraticAttenuation);
        out.Value(LightFalloffAngle, light.fFalloffAngle);
        out.Value(LightFalloffExponent, light.fFalloffExponent);
        out.Close(SceneLight);
    }
    for (unsigned int i = 0; i < nNumMaterial; ++i)
        WriteMaterial(out, pMaterial[i]);
    for (unsigned int i = 0; i < nNumMesh; ++i)
        WriteMesh(out, pMesh[i]);
    for (unsigned int i = 0; i < nNumNode; ++i)
        WriteNode(out, pNode[i], nNumFrame);
    for (unsigned int i = 0; i < nNumTexture; ++i) {
        out.Open(SceneTexture);
        out.Text(TextureFilename, pTexture[i].pszName);
        out.Close(SceneTexture);
    }
    out.Close(Scene);

    bool const written = out.Ok();
    return (fclose(file) == 0 && written) ? 0 : 1;
}
