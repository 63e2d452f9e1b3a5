// Vertex data conversions: element types, component picks, packed
// positions and transformed vertices.
#include "contrib/pvr/PVRTModelPODTools.h"

#include "contrib/pvr/PVRTBoundingBox.h"
#include "contrib/pvr/PVRTMatrix.h"
#include "contrib/pvr/PVRTVertex.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

// The value range of each type when positions are packed into it.
bool PackingRange(EPVRTDataType type, float& low, float& high)
{
    switch (type) {
    case EPODDataInt: low = -1073741824.0f; high = 1073741824.0f; return true;
    case EPODDataUnsignedShort: low = 0.0f; high = 65535.0f; return true;
    case EPODDataRGBA:
    case EPODDataARGB:
    case EPODDataD3DCOLOR: low = 0.0f; high = 1.0f; return true;
    case EPODDataUBYTE4:
    case EPODDataUnsignedByte: low = 0.0f; high = 255.0f; return true;
    case EPODDataDEC3N: low = -511.0f; high = 511.0f; return true;
    case EPODDataFixed16_16:
    case EPODDataShort: low = -32767.0f; high = 32767.0f; return true;
    case EPODDataShortNorm:
    case EPODDataByteNorm:
    case EPODDataUnsignedByteNorm:
    case EPODDataUnsignedShortNorm: low = -1.0f; high = 1.0f; return true;
    case EPODDataByte: low = -127.0f; high = 127.0f; return true;
    case EPODDataUnsignedInt: low = 0.0f; high = 1073741824.0f; return true;
    default: return false;
    }
}

bool IsPackedType(EPVRTDataType type)
{
    return type >= EPODDataRGBA && type <= EPODDataDEC3N;
}

} // namespace

void PVRTModelPODDataConvert(CPODData& data, unsigned int count, EPVRTDataType newType)
{
    if (!data.pData || data.eType == newType)
        return;
    CPODData const old = data;
    unsigned int components = old.n;
    if (PVRTModelPODDataTypeComponentCount(newType) == 1)
        components = old.n * PVRTModelPODDataTypeComponentCount(old.eType);
    else if (IsPackedType(newType))
        components = 1;
    unsigned int const stride = components * PVRTModelPODDataTypeSize(newType);
    unsigned char* target = old.pData;
    if (stride != old.nStride) {
        target = static_cast<unsigned char*>(calloc(count ? count : 1u, stride ? stride : 1u));
        if (!target)
            return;
    }
    int const written = static_cast<int>(PVRTModelPODDataTypeComponentCount(newType) * components);
    for (unsigned int i = 0; i < count; ++i) {
        PVRTVECTOR4f element;
        PVRTVertexRead(&element, old.pData + static_cast<size_t>(i) * old.nStride, old.eType, static_cast<int>(old.n));
        PVRTVertexWrite(target + static_cast<size_t>(i) * stride, newType, written, &element);
    }
    if (target != old.pData)
        free(old.pData);
    data.eType = newType;
    data.n = components;
    data.nStride = stride;
    data.pData = target;
}

void PVRTModelPODDataShred(CPODData& data, unsigned int count, int const* channels)
{
    if (!data.pData || !channels)
        return;
    // At most four codes: 'x', 'y', 'z' or 'w', negative to negate.
    constexpr int kMostChannels = 4;
    int picks[kMostChannels];
    float signs[kMostChannels];
    unsigned int picked = 0;
    for (; picked < kMostChannels && channels[picked]; ++picked) {
        int const code = std::abs(channels[picked]);
        picks[picked] = code == 'w' ? 3 : code - 'x';
        signs[picked] = channels[picked] < 0 ? -1.0f : 1.0f;
    }
    picked = std::min(picked, data.n);
    unsigned int const stride = picked * PVRTModelPODDataTypeSize(data.eType);
    unsigned char* target = static_cast<unsigned char*>(calloc(count ? count : 1u, stride ? stride : 1u));
    if (!target)
        return;
    for (unsigned int i = 0; i < count; ++i) {
        PVRTVECTOR4f element;
        PVRTVertexRead(&element, data.pData + static_cast<size_t>(i) * data.nStride, data.eType, static_cast<int>(data.n));
        float const in[4] = {element.x, element.y, element.z, element.w};
        float out[4] = {0, 0, 0, 0};
        for (unsigned int k = 0; k < picked; ++k)
            out[k] = (picks[k] >= 0 && picks[k] < 4) ? signs[k] * in[picks[k]] : 0.0f;
        PVRTVECTOR4f const shredded = {out[0], out[1], out[2], out[3]};
        PVRTVertexWrite(target + static_cast<size_t>(i) * stride, data.eType, static_cast<int>(picked), &shredded);
    }
    free(data.pData);
    data.pData = target;
    data.n = picked;
    data.nStride = stride;
}

int PVRTModelPODScaleAndConvertVtxData(SPODMesh& mesh, EPVRTDataType newType)
{
    PVRTMatrixIdentityF(mesh.mUnpackMatrix);
    if (mesh.nNumVertex == 0)
        return 0;
    float low, high;
    // Positions are packed from three floats of their own array.
    CPODData& positions = mesh.sVertex;
    if (mesh.pInterleaved || positions.eType != EPODDataFloat || positions.n < 3 || !positions.pData
        || newType == EPODDataFloat || !PackingRange(newType, low, high))
        return 1;
    PVRTBOUNDINGBOX box;
    PVRTBoundingBoxComputeInterleaved(&box, positions.pData, static_cast<int>(mesh.nNumVertex), 0,
        static_cast<int>(positions.nStride));
    float const minimum[3] = {box.Point[0].x, box.Point[0].y, box.Point[0].z};
    float const maximum[3] = {box.Point[7].x, box.Point[7].y, box.Point[7].z};
    float scale[3];
    for (int axis = 0; axis < 3; ++axis) {
        float const extent = maximum[axis] - minimum[axis];
        // A flat axis has nothing to stretch: it keeps its scale.
        scale[axis] = extent > 0.0f ? (high - low) / extent : 1.0f;
    }
    for (unsigned int v = 0; v < mesh.nNumVertex; ++v) {
        float p[3];
        unsigned char* at = positions.pData + static_cast<size_t>(v) * positions.nStride;
        memcpy(p, at, sizeof p);
        for (int axis = 0; axis < 3; ++axis)
            p[axis] = (p[axis] - minimum[axis]) * scale[axis] + low;
        memcpy(at, p, sizeof p);
    }
    PVRTMATRIXf toRange, unscale, toBox;
    PVRTMatrixTranslationF(toRange, -low, -low, -low);
    PVRTMatrixScalingF(unscale, 1.0f / scale[0], 1.0f / scale[1], 1.0f / scale[2]);
    PVRTMatrixTranslationF(toBox, minimum[0], minimum[1], minimum[2]);
    PVRTMatrixMultiplyF(mesh.mUnpackMatrix, toRange, unscale);
    PVRTMatrixMultiplyF(mesh.mUnpackMatrix, mesh.mUnpackMatrix, toBox);
    PVRTModelPODDataConvert(positions, mesh.nNumVertex, newType);
    return 0;
}

void TransformCPODData(CPODData& in, CPODData& out, int vertex, PVRTMATRIXf* matrices, float* boneIndices,
    float* boneWeights, int boneCount, bool normalise)
{
    if (in.n == 0)
        return;
    PVRTVECTOR4f v;
    PVRTVertexRead(&v, in.pData + static_cast<size_t>(vertex) * in.nStride, in.eType, static_cast<int>(in.n));
    auto apply = [&v](PVRTMATRIXf const& m) {
        float const* f = m.f;
        return PVRTVECTOR4f{f[0] * v.x + f[4] * v.y + f[8] * v.z + f[12] * v.w,
            f[1] * v.x + f[5] * v.y + f[9] * v.z + f[13] * v.w, f[2] * v.x + f[6] * v.y + f[10] * v.z + f[14] * v.w,
            f[3] * v.x + f[7] * v.y + f[11] * v.z + f[15] * v.w};
    };
    PVRTVECTOR4f result = {0, 0, 0, 0};
    if (boneCount > 0) {
        for (int b = 0; b < boneCount; ++b) {
            PVRTVECTOR4f const part = apply(matrices[static_cast<int>(boneIndices[b])]);
            result = {result.x + part.x * boneWeights[b], result.y + part.y * boneWeights[b],
                result.z + part.z * boneWeights[b], result.w + part.w * boneWeights[b]};
        }
    } else {
        result = apply(matrices[0]);
    }
    if (normalise) {
        float const length = std::sqrt(result.x * result.x + result.y * result.y + result.z * result.z);
        if (length > 0.0f)
            result = {result.x / length, result.y / length, result.z / length, result.w};
    }
    PVRTVertexWrite(out.pData + static_cast<size_t>(vertex) * out.nStride, out.eType, static_cast<int>(in.n), &result);
}
