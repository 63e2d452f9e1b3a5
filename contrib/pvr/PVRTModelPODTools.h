// Tools on loaded POD scenes and meshes: the fixed-point switch, face
// order, interleaving, de-indexing, strips and material merging.
#pragma once

#include "contrib/pvr/PVRTModelPOD.h"

// Converts count elements to another type; the components follow the
// type (one element holds all of a packed type's).
void PVRTModelPODDataConvert(CPODData& data, unsigned int count, EPVRTDataType newType);
// Packs the positions (three floats of their own array) into a smaller
// type, stretched over its range, and sets the unpack matrix that undoes
// it; 0, or 1 for interleaved or non-float positions or a float target.
int PVRTModelPODScaleAndConvertVtxData(SPODMesh& mesh, EPVRTDataType newType);
// Keeps and reorders components by up to four codes 'x', 'y', 'z', 'w'
// (negative to negate), ended by 0.
void PVRTModelPODDataShred(CPODData& data, unsigned int count, int const* channels);
// A copy of the scene at its current frame with every mesh node's mesh in
// world space and no animation; 0, or 1 (output empty) for interleaved
// meshes, stripped skinned meshes or a failed allocation.
int PVRTModelPODFlattenToWorldSpace(CPVRTModelPOD& in, CPVRTModelPOD& out);
// Converts every fixed-point scene value to float (flag bit 0 set) or back
// (clear), then flips the flag. Vertex data is not touched.
void PVRTModelPODToggleFixedPoint(SPODScene& scene);
// Rewrites every face as its indices i0, i1, i2.
void PVRTModelPODReorderFaces(SPODMesh& mesh, int i0, int i1, int i2);
// Interleaves separate streams (stride rounded up to `padding` when it is
// 2 or more) or separates interleaved ones.
void PVRTModelPODToggleInterleaved(SPODMesh& mesh, unsigned int padding = 0);
// One vertex per index, for an interleaved mesh.
void PVRTModelPODDeIndex(SPODMesh& mesh);
// A triangle list to strips, or strips to a list.
void PVRTModelPODToggleStrips(SPODMesh& mesh);
// Material settings and texture names of `in` into the materials of the
// same name in `out`; 0, or 1 when an allocation fails.
int PVRTModelPODMergeMaterials(CPVRTModelPOD const& in, CPVRTModelPOD& out);
