// Facts about vertex data: element sizes, components, strides, index
// counts, key array sizes and the byte order of interleaved data.
#include "contrib/pvr/PVRTModelPOD.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

void CPODData::Reset()
{
    eType = EPODDataFloat;
    n = 0;
    nStride = 0;
    free(pData);
    pData = nullptr;
}

unsigned int PVRTModelPODDataTypeSize(EPVRTDataType type)
{
    switch (type) {
    case EPODDataFloat:
    case EPODDataInt:
    case EPODDataFixed16_16:
    case EPODDataUnsignedInt:
    case EPODDataRGBA:
    case EPODDataARGB:
    case EPODDataD3DCOLOR:
    case EPODDataUBYTE4:
    case EPODDataDEC3N: return 4;
    case EPODDataUnsignedShort:
    case EPODDataShort:
    case EPODDataShortNorm:
    case EPODDataUnsignedShortNorm: return 2;
    case EPODDataUnsignedByte:
    case EPODDataByte:
    case EPODDataByteNorm:
    case EPODDataUnsignedByteNorm: return 1;
    default: return 0;
    }
}

unsigned int PVRTModelPODDataTypeComponentCount(EPVRTDataType type)
{
    switch (type) {
    case EPODDataRGBA:
    case EPODDataARGB:
    case EPODDataD3DCOLOR:
    case EPODDataUBYTE4: return 4;
    case EPODDataDEC3N: return 3;
    default: return PVRTModelPODDataTypeSize(type) ? 1 : 0;
    }
}

unsigned int PVRTModelPODDataStride(CPODData const& data)
{
    return PVRTModelPODDataTypeSize(data.eType) * data.n;
}

unsigned int PVRTModelPODCountIndices(SPODMesh const& mesh)
{
    if (!mesh.nNumStrips)
        return mesh.nNumFaces * 3u;
    unsigned int count = 0;
    for (unsigned int i = 0; i < mesh.nNumStrips; ++i)
        count += mesh.pnStripLength[i] + 2u;
    return count;
}

unsigned int PVRTModelPODGetAnimArraySize(unsigned int const* indices, unsigned int frames, unsigned int floatsPerKey)
{
    if (!indices)
        return frames * floatsPerKey;
    unsigned int largest = 0;
    for (unsigned int i = 0; i < frames; ++i)
        largest = std::max(largest, indices[i]);
    return largest + floatsPerKey;
}

size_t PVRTModelPODInterleavedBytes(SPODMesh const& mesh)
{
    if (mesh.nNumVertex == 0)
        return 0;
    std::vector<CPODData const*> streams = {&mesh.sVertex, &mesh.sNormals, &mesh.sTangents, &mesh.sBinormals,
        &mesh.sVtxColours, &mesh.sBoneIdx, &mesh.sBoneWeight};
    for (unsigned int i = 0; i < mesh.nNumUVW; ++i)
        streams.push_back(&mesh.psUVW[i]);
    size_t bytes = 0;
    for (CPODData const* stream : streams) {
        if (stream->n == 0)
            continue;
        size_t const end = stream->Offset() + static_cast<size_t>(mesh.nNumVertex - 1u) * stream->nStride
            + PVRTModelPODDataStride(*stream);
        bytes = std::max({bytes, end, static_cast<size_t>(mesh.nNumVertex) * stream->nStride});
    }
    return bytes;
}

void PVRTFixInterleavedEndianness(SPODMesh& mesh)
{
    uint16_t const probe = 1;
    unsigned char firstByte;
    std::memcpy(&firstByte, &probe, 1);
    if (firstByte == 1 || !mesh.pInterleaved)
        return; // little-endian host: the file's order already
    std::vector<CPODData*> streams = {&mesh.sVertex, &mesh.sNormals, &mesh.sTangents, &mesh.sBinormals,
        &mesh.sVtxColours, &mesh.sBoneIdx, &mesh.sBoneWeight};
    for (unsigned int i = 0; i < mesh.nNumUVW; ++i)
        streams.push_back(&mesh.psUVW[i]);
    for (CPODData* stream : streams) {
        unsigned int const size = PVRTModelPODDataTypeSize(stream->eType);
        if (size < 2)
            continue;
        for (unsigned int v = 0; v < mesh.nNumVertex; ++v) {
            for (unsigned int c = 0; c < stream->n; ++c) {
                unsigned char* element = mesh.pInterleaved + stream->Offset() + v * stream->nStride + c * size;
                std::reverse(element, element + size);
            }
        }
    }
}
