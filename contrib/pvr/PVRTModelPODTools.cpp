// Mesh tools on loaded scenes: face order, interleaving, de-indexing,
// strips and material merging.
#include "contrib/pvr/PVRTModelPODTools.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

unsigned int ReadIndex(CPODData const& faces, size_t i)
{
    if (faces.eType == EPODDataUnsignedShort) {
        uint16_t index;
        memcpy(&index, faces.pData + i * 2, 2);
        return index;
    }
    uint32_t index;
    memcpy(&index, faces.pData + i * 4, 4);
    return index;
}

// Index data of `count` indices of the faces' type, from `indices`.
unsigned char* WriteIndices(EPVRTDataType type, std::vector<unsigned int> const& indices)
{
    size_t const size = type == EPODDataUnsignedShort ? 2 : 4;
    unsigned char* data = static_cast<unsigned char*>(malloc(std::max<size_t>(indices.size() * size, 1)));
    if (!data)
        return nullptr;
    for (size_t i = 0; i < indices.size(); ++i) {
        if (size == 2) {
            uint16_t const index = static_cast<uint16_t>(indices[i]);
            memcpy(data + i * 2, &index, 2);
        } else {
            uint32_t const index = indices[i];
            memcpy(data + i * 4, &index, 4);
        }
    }
    return data;
}

bool IsIndexType(EPVRTDataType type)
{
    return type == EPODDataUnsignedShort || type == EPODDataUnsignedInt;
}

// The streams that can be interleaved, in their placing order.
std::vector<CPODData*> PlacingOrder(SPODMesh& mesh)
{
    std::vector<CPODData*> streams
        = {&mesh.sVertex, &mesh.sNormals, &mesh.sTangents, &mesh.sBinormals, &mesh.sVtxColours};
    for (unsigned int i = 0; i < mesh.nNumUVW; ++i)
        streams.push_back(&mesh.psUVW[i]);
    streams.push_back(&mesh.sBoneIdx);
    streams.push_back(&mesh.sBoneWeight);
    return streams;
}

void Interleave(SPODMesh& mesh, unsigned int padding)
{
    std::vector<CPODData*> present;
    unsigned int stride = 0;
    std::vector<CPODData*> absent;
    for (CPODData* stream : PlacingOrder(mesh)) {
        if (stream->n && stream->pData && PVRTModelPODDataStride(*stream)) {
            present.push_back(stream);
            stride += PVRTModelPODDataStride(*stream);
        } else {
            absent.push_back(stream);
        }
    }
    if (padding >= 2)
        stride = (stride + padding - 1) / padding * padding;
    if (present.empty() || mesh.nNumVertex == 0)
        return;
    unsigned char* block = static_cast<unsigned char*>(calloc(mesh.nNumVertex, stride));
    if (!block)
        return;
    // In an interleaved mesh every data field is an offset.
    for (CPODData* stream : absent) {
        free(stream->pData);
        stream->pData = nullptr;
    }
    // Widest elements first, so each stays aligned to its size.
    unsigned int offset = 0;
    for (unsigned int size : {4u, 2u, 1u}) {
        for (CPODData* stream : present) {
            if (PVRTModelPODDataTypeSize(stream->eType) != size)
                continue;
            unsigned int const bytes = PVRTModelPODDataStride(*stream);
            for (unsigned int v = 0; v < mesh.nNumVertex; ++v)
                memcpy(block + static_cast<size_t>(v) * stride + offset,
                    stream->pData + static_cast<size_t>(v) * stream->nStride, bytes);
            free(stream->pData);
            stream->nStride = stride;
            stream->SetOffset(offset);
            offset += bytes;
        }
    }
    mesh.pInterleaved = block;
}

void Separate(SPODMesh& mesh)
{
    std::vector<CPODData*> const streams = PlacingOrder(mesh);
    std::vector<unsigned char*> buffers(streams.size(), nullptr);
    for (size_t i = 0; i < streams.size(); ++i) {
        unsigned int const bytes = PVRTModelPODDataStride(*streams[i]);
        if (!streams[i]->n || !bytes)
            continue;
        buffers[i] = static_cast<unsigned char*>(calloc(mesh.nNumVertex ? mesh.nNumVertex : 1, bytes));
        if (!buffers[i]) {
            for (unsigned char* buffer : buffers)
                free(buffer);
            return;
        }
    }
    for (size_t i = 0; i < streams.size(); ++i) {
        CPODData& stream = *streams[i];
        unsigned int const bytes = PVRTModelPODDataStride(stream);
        if (buffers[i]) {
            for (unsigned int v = 0; v < mesh.nNumVertex; ++v)
                memcpy(buffers[i] + static_cast<size_t>(v) * bytes,
                    mesh.pInterleaved + stream.Offset() + static_cast<size_t>(v) * stream.nStride, bytes);
            stream.nStride = bytes;
        }
        stream.pData = buffers[i];
    }
    free(mesh.pInterleaved);
    mesh.pInterleaved = nullptr;
}

// The triangles of each bone batch (or of the whole mesh) as ranges.
std::vector<std::pair<unsigned int, unsigned int>> TriangleRanges(SPODMesh const& mesh, unsigned int triangles)
{
    CPVRTBoneBatches const& batches = mesh.sBoneBatches;
    std::vector<std::pair<unsigned int, unsigned int>> ranges;
    if (batches.nBatchCnt <= 0 || !batches.pnBatchOffset) {
        ranges.emplace_back(0u, triangles);
        return ranges;
    }
    for (int b = 0; b < batches.nBatchCnt; ++b) {
        unsigned int const first
            = std::min(static_cast<unsigned int>(std::max(batches.pnBatchOffset[b], 0)), triangles);
        unsigned int const end = b + 1 < batches.nBatchCnt
            ? std::min(static_cast<unsigned int>(std::max(batches.pnBatchOffset[b + 1], 0)), triangles)
            : triangles;
        ranges.emplace_back(first, std::max(first, end));
    }
    return ranges;
}

void ListToStrips(SPODMesh& mesh)
{
    std::vector<unsigned int> indices;
    std::vector<unsigned int> lengths;
    for (auto const& range : TriangleRanges(mesh, mesh.nNumFaces)) {
        unsigned int previous[3] = {0, 0, 0};
        bool open = false;
        for (unsigned int t = range.first; t < range.second; ++t) {
            unsigned int const a = ReadIndex(mesh.sFaces, t * 3u), b = ReadIndex(mesh.sFaces, t * 3u + 1),
                               c = ReadIndex(mesh.sFaces, t * 3u + 2);
            // A strip flips its winding on every other triangle.
            bool const odd = open && (lengths.back() % 2u) == 1u;
            bool const continues
                = open && (odd ? (a == previous[2] && b == previous[1]) : (a == previous[0] && b == previous[2]));
            if (continues) {
                indices.push_back(c);
                ++lengths.back();
            } else {
                indices.insert(indices.end(), {a, b, c});
                lengths.push_back(1);
                open = true;
            }
            previous[0] = a;
            previous[1] = b;
            previous[2] = c;
        }
    }
    unsigned char* data = WriteIndices(mesh.sFaces.eType, indices);
    unsigned int* stripLengths
        = static_cast<unsigned int*>(malloc(std::max<size_t>(lengths.size(), 1) * sizeof(unsigned int)));
    if (!data || !stripLengths) {
        free(data);
        free(stripLengths);
        return;
    }
    std::copy(lengths.begin(), lengths.end(), stripLengths);
    free(mesh.sFaces.pData);
    mesh.sFaces.pData = data;
    free(mesh.pnStripLength);
    mesh.pnStripLength = stripLengths;
    mesh.nNumStrips = static_cast<unsigned int>(lengths.size());
}

void StripsToList(SPODMesh& mesh)
{
    std::vector<unsigned int> indices;
    size_t at = 0;
    for (unsigned int s = 0; s < mesh.nNumStrips; ++s) {
        unsigned int const triangles = mesh.pnStripLength[s];
        for (unsigned int k = 0; k < triangles; ++k) {
            unsigned int const i0 = ReadIndex(mesh.sFaces, at + k), i1 = ReadIndex(mesh.sFaces, at + k + 1),
                               i2 = ReadIndex(mesh.sFaces, at + k + 2);
            // Odd triangles of a strip are wound the other way round.
            if (k % 2u)
                indices.insert(indices.end(), {i1, i0, i2});
            else
                indices.insert(indices.end(), {i0, i1, i2});
        }
        at += triangles + 2u;
    }
    unsigned char* data = WriteIndices(mesh.sFaces.eType, indices);
    if (!data)
        return;
    free(mesh.sFaces.pData);
    mesh.sFaces.pData = data;
    free(mesh.pnStripLength);
    mesh.pnStripLength = nullptr;
    mesh.nNumStrips = 0;
    mesh.nNumFaces = static_cast<unsigned int>(indices.size() / 3u);
}

char* CopyText(char const* text)
{
    size_t const bytes = strlen(text) + 1;
    char* copy = static_cast<char*>(malloc(bytes));
    if (copy)
        memcpy(copy, text, bytes);
    return copy;
}

// Whether an output texture name gives way to the input's: the names may
// differ only after a '.' that the walk reached with no difference.
bool InputNameReplaces(char const* input, char const* output)
{
    bool differed = false, allowed = false;
    for (size_t k = 0; input[k] && output[k]; ++k) {
        if (input[k] == '.')
            allowed = !differed;
        if (input[k] != output[k]) {
            if (!allowed)
                return false;
            differed = true;
        }
    }
    return true;
}

// Appends a texture of that name to the scene; its index, or -1.
int AppendTexture(SPODScene& scene, char const* name)
{
    SPODTexture* grown
        = static_cast<SPODTexture*>(realloc(scene.pTexture, (scene.nNumTexture + 1u) * sizeof(SPODTexture)));
    if (!grown)
        return -1;
    scene.pTexture = grown;
    grown[scene.nNumTexture].pszName = CopyText(name ? name : "");
    if (!grown[scene.nNumTexture].pszName)
        return -1;
    return static_cast<int>(scene.nNumTexture++);
}

bool MergeTexture(CPVRTModelPOD const& in, int inIndex, CPVRTModelPOD& out, int& outIndex)
{
    if (inIndex < 0 || static_cast<unsigned int>(inIndex) >= in.nNumTexture)
        return true;
    char const* inName = in.pTexture[inIndex].pszName ? in.pTexture[inIndex].pszName : "";
    if (outIndex < 0 || static_cast<unsigned int>(outIndex) >= out.nNumTexture) {
        outIndex = AppendTexture(out, inName);
        return outIndex >= 0;
    }
    char*& outName = out.pTexture[outIndex].pszName;
    if (outName && (strcmp(inName, outName) == 0 || !InputNameReplaces(inName, outName)))
        return true;
    char* replacement = CopyText(inName);
    if (!replacement)
        return false;
    free(outName);
    outName = replacement;
    return true;
}

bool ReplaceText(char*& text, char const* with)
{
    if (!with)
        return true;
    char* copy = CopyText(with);
    if (!copy)
        return false;
    free(text);
    text = copy;
    return true;
}

} // namespace

void PVRTModelPODReorderFaces(SPODMesh& mesh, int i0, int i1, int i2)
{
    int const order[3] = {i0, i1, i2};
    if (!mesh.sFaces.pData || !IsIndexType(mesh.sFaces.eType) || mesh.nNumStrips
        || std::any_of(order, order + 3, [](int i) { return i < 0 || i > 2; }))
        return;
    std::vector<unsigned int> indices(static_cast<size_t>(mesh.nNumFaces) * 3u);
    for (size_t face = 0; face < mesh.nNumFaces; ++face)
        for (int corner = 0; corner < 3; ++corner)
            indices[face * 3 + static_cast<size_t>(corner)]
                = ReadIndex(mesh.sFaces, face * 3 + static_cast<size_t>(order[corner]));
    unsigned char* data = WriteIndices(mesh.sFaces.eType, indices);
    if (!data)
        return;
    free(mesh.sFaces.pData);
    mesh.sFaces.pData = data;
}

void PVRTModelPODToggleInterleaved(SPODMesh& mesh, unsigned int padding)
{
    if (mesh.pInterleaved)
        Separate(mesh);
    else
        Interleave(mesh, padding);
}

void PVRTModelPODDeIndex(SPODMesh& mesh)
{
    if (!mesh.pInterleaved || !mesh.nNumVertex || !mesh.sFaces.pData || !IsIndexType(mesh.sFaces.eType))
        return;
    unsigned int stride = 0;
    for (CPODData* stream : PlacingOrder(mesh))
        if (stream->n)
            stride = std::max(stride, stream->nStride);
    unsigned int const count = PVRTModelPODCountIndices(mesh);
    unsigned char* block = static_cast<unsigned char*>(calloc(count ? count : 1u, stride ? stride : 1u));
    if (!block)
        return;
    for (unsigned int i = 0; i < count; ++i) {
        unsigned int const vertex = ReadIndex(mesh.sFaces, i);
        if (vertex < mesh.nNumVertex)
            memcpy(block + static_cast<size_t>(i) * stride, mesh.pInterleaved + static_cast<size_t>(vertex) * stride,
                stride);
    }
    free(mesh.pInterleaved);
    mesh.pInterleaved = block;
    free(mesh.sFaces.pData);
    mesh.sFaces.pData = nullptr;
    mesh.sFaces.n = 0;
    mesh.sFaces.nStride = 0;
    mesh.nNumVertex = count;
}

void PVRTModelPODToggleStrips(SPODMesh& mesh)
{
    if (!mesh.sFaces.pData || !IsIndexType(mesh.sFaces.eType))
        return;
    if (mesh.nNumStrips)
        StripsToList(mesh);
    else
        ListToStrips(mesh);
}

int PVRTModelPODMergeMaterials(CPVRTModelPOD const& in, CPVRTModelPOD& out)
{
    std::vector<bool> matched(out.nNumMaterial, false);
    for (unsigned int i = 0; i < in.nNumMaterial; ++i) {
        SPODMaterial const& from = in.pMaterial[i];
        unsigned int j = 0;
        for (; j < out.nNumMaterial; ++j)
            if (!matched[j] && from.pszName && out.pMaterial[j].pszName
                && strcmp(from.pszName, out.pMaterial[j].pszName) == 0)
                break;
        if (j == out.nNumMaterial)
            continue;
        matched[j] = true;
        SPODMaterial& to = out.pMaterial[j];
        std::pair<int, int*> const textures[] = {{from.nIdxTexDiffuse, &to.nIdxTexDiffuse},
            {from.nIdxTexAmbient, &to.nIdxTexAmbient}, {from.nIdxTexSpecularColour, &to.nIdxTexSpecularColour},
            {from.nIdxTexSpecularLevel, &to.nIdxTexSpecularLevel}, {from.nIdxTexBump, &to.nIdxTexBump},
            {from.nIdxTexEmissive, &to.nIdxTexEmissive}, {from.nIdxTexGlossiness, &to.nIdxTexGlossiness},
            {from.nIdxTexOpacity, &to.nIdxTexOpacity}, {from.nIdxTexReflection, &to.nIdxTexReflection},
            {from.nIdxTexRefraction, &to.nIdxTexRefraction}};
        for (auto const& texture : textures)
            if (!MergeTexture(in, texture.first, out, *texture.second))
                return 1;
        to.eBlendSrcRGB = from.eBlendSrcRGB;
        to.eBlendSrcA = from.eBlendSrcA;
        to.eBlendDstRGB = from.eBlendDstRGB;
        to.eBlendDstA = from.eBlendDstA;
        to.eBlendOpRGB = from.eBlendOpRGB;
        to.eBlendOpA = from.eBlendOpA;
        memcpy(to.pfBlendColour, from.pfBlendColour, sizeof to.pfBlendColour);
        memcpy(to.pfBlendFactor, from.pfBlendFactor, sizeof to.pfBlendFactor);
        to.nFlags = from.nFlags;
        if (!ReplaceText(to.pszEffectFile, from.pszEffectFile) || !ReplaceText(to.pszEffectName, from.pszEffectName))
            return 1;
    }
    return 0;
}
