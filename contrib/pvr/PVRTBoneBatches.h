// The bone batches of a skinned mesh: ranges of triangles that each use a
// palette of at most a given number of bones.
#pragma once

#include "contrib/pvr/PVRTDataType.h"

class CPVRTBoneBatches {
public:
    // Splits a skinned mesh into batches; 0 on success, 1 on failure.
    int Create(int* vertexCountOut, char** verticesOut, unsigned int* indices, int vertexCount, char const* vertices,
        int stride, int weightOffset, EPVRTDataType weightType, int indexOffset, EPVRTDataType indexType,
        int triangleCount, int mostBones, int bonesPerVertex);

    // Frees the three arrays and empties the batch list (the palette size
    // stays).
    void Release()
    {
        delete[] pnBatches;
        delete[] pnBatchBoneCnt;
        delete[] pnBatchOffset;
        pnBatches = nullptr;
        pnBatchBoneCnt = nullptr;
        pnBatchOffset = nullptr;
        nBatchCnt = 0;
    }

    // Batch b's palette is at b * nBatchBoneMax: bone node indices.
    int* pnBatches;
    // Bones used by each batch.
    int* pnBatchBoneCnt;
    // First triangle of each batch.
    int* pnBatchOffset;
    // The palette size: most bones in any batch.
    int nBatchBoneMax;
    int nBatchCnt;
};
