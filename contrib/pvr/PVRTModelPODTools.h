// Tools on loaded POD scenes and meshes: the fixed-point switch, face
// order, interleaving, de-indexing, strips and material merging.
#pragma once

#include "contrib/pvr/PVRTModelPOD.h"

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
