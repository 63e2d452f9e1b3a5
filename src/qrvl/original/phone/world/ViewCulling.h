// Leaving out whole meshes that lie outside the camera's view: the software
// renderer would transform every one of their vertices before clipping
// them all away.
#pragma once

#include "contrib/pvr/PVRTMat4.h"
#include "contrib/pvr/PVRTModelPOD.h"
#include "contrib/pvr/PVRTVec3.h"

namespace ViewCulling {

// A sphere round every vertex of a mesh, in the mesh's own space. A
// negative radius stands for a mesh whose positions could not be read: it
// is never left out.
struct Sphere {
    PVRTVec3 centre;
    float radius = -1.0f;
};

// The sphere round the interleaved float positions of `mesh`.
Sphere Around(SPODMesh const& mesh);

// True when the sphere lies wholly beyond one of the six planes of the
// view that `clipFromMesh` (projection, camera and placement) maps it into.
bool OutsideView(PVRTMat4 const& clipFromMesh, Sphere const& sphere);

// The projection times the modelview matrix that OpenGL holds now.
PVRTMat4 CurrentClipFromModel();

} // namespace ViewCulling
