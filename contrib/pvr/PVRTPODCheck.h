// Consistency checks of a freshly read POD scene: every count, size, offset
// and index against what the file really held, so that no query or draw
// reads outside an array.
#pragma once

#include "contrib/pvr/PVRTPODScene.h"

#include <vector>

// Bytes and entries of a mesh's arrays as read from the file.
struct SPVRTPODMeshSizes {
    unsigned int interleavedBytes = 0;
    unsigned int faceBytes = 0;
    unsigned int stripEntries = 0;
    unsigned int batchEntries = 0;
    unsigned int batchBoneCountEntries = 0;
    unsigned int batchOffsetEntries = 0;
    // Own-data bytes of the vertex streams, in the order positions,
    // normals, tangents, binormals, colours, bone indices, bone weights.
    unsigned int streamBytes[7] = {};
    std::vector<unsigned int> uvwBytes;
};

// Floats of a node's key arrays and entries of its index arrays, in the
// order position, rotation, scale, matrix.
struct SPVRTPODNodeSizes {
    unsigned int keyFloats[4] = {};
    unsigned int indexEntries[4] = {};
};

bool PVRTPODCheckMesh(SPODMesh const& mesh, SPVRTPODMeshSizes const& sizes);
bool PVRTPODCheckScene(SPODScene const& scene, std::vector<SPVRTPODNodeSizes> const& nodeSizes,
    std::vector<unsigned int> const& cameraFovFloats);
