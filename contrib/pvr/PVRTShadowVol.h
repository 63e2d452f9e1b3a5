// Stencil shadow volumes: a shadow mesh of shared vertices, edges and face
// normals built once from a triangle mesh; per light, the index list of the
// silhouette's extruded quads and optional caps; and whether the volume of
// a bounding box can be seen and needs capping.
#pragma once

#include "contrib/pvr/PVRTBoundingBox.h"
#include "contrib/pvr/PVRTContext.h"
#include "contrib/pvr/PVRTMathTypes.h"
#include "contrib/pvr/PVRTVec3.h"

struct PVRTShadowVolMEdge {
    unsigned short first, second; // vertex indices
    unsigned int flags;           // used while building a volume
};

struct PVRTShadowVolMTriangle {
    unsigned short vertices[3];
    unsigned int edges[3];
    PVRTVECTOR3f normal; // not normalised
    unsigned int winding; // bit k: edge k runs the triangle's way
};

struct PVRTShadowVolShadowMesh {
    PVRTVECTOR3f* vertices;
    PVRTShadowVolMEdge* edges;
    PVRTShadowVolMTriangle* triangles;
    unsigned int vertexCount;
    unsigned int edgeCount;
    unsigned int triangleCount;
    void* drawBuffer; // both copies of the vertices, see PVRTShadowVolMeshInitMesh
};

struct PVRTShadowVolShadowVol {
    unsigned short* indices;
    unsigned int indexCount;
    unsigned int indexCapacity;
};

// Flags of a volume build and of the visibility test.
enum {
    PVRTSHADOWVOLUME_VISIBLE = 1,
    PVRTSHADOWVOLUME_NEED_CAP_FRONT = 2,
    PVRTSHADOWVOLUME_NEED_CAP_BACK = 4,
    PVRTSHADOWVOLUME_NEED_ZFAIL = 8,
};

// The marker of the vertex copy to extrude in the drawing buffer: the
// bytes 1, 2, 3, 4.
constexpr unsigned int PVRTSHADOWVOLUME_EXTRUDE_MARK = 0x04030201;

// Builds the mesh from triangleCount triangles of 16-bit indices into
// vertexCount points of three floats. A mesh whose vertices do not fit the
// 16-bit indices of its volumes, or an index beyond the points, leaves the
// mesh empty.
void PVRTShadowVolMeshCreateMesh(PVRTShadowVolShadowMesh* mesh, float const* vertices, unsigned int vertexCount,
                                 unsigned short const* indices, unsigned int triangleCount);
// The drawing buffer: each vertex twice as x, y, z, marker, w = 1, the
// second copy marked for extrusion.
bool PVRTShadowVolMeshInitMesh(PVRTShadowVolShadowMesh* mesh, SPVRTContext const* context);
// Room for the largest index list a build of this mesh can make.
bool PVRTShadowVolMeshInitVol(PVRTShadowVolShadowVol* volume, PVRTShadowVolShadowMesh const* mesh,
                              SPVRTContext const* context);
void PVRTShadowVolMeshDestroyMesh(PVRTShadowVolShadowMesh* mesh);
void PVRTShadowVolMeshReleaseMesh(PVRTShadowVolShadowMesh* mesh);
void PVRTShadowVolMeshReleaseVol(PVRTShadowVolShadowVol* volume);

// The silhouette's quads for a point light position or a light direction,
// with the caps flags asks for (PVRTSHADOWVOLUME_NEED_CAP_FRONT, _BACK).
void PVRTShadowVolSilhouetteProjectedBuild(PVRTShadowVolShadowVol* volume, unsigned int flags,
                                           PVRTShadowVolShadowMesh const* mesh, PVRTVECTOR3f const* light,
                                           bool isPointLight);
void PVRTShadowVolSilhouetteProjectedBuild(PVRTShadowVolShadowVol* volume, unsigned int flags,
                                           PVRTShadowVolShadowMesh const* mesh, PVRTVec3 const* light,
                                           bool isPointLight);
// Drawing is left to the caller on this platform: returns 0.
int PVRTShadowVolSilhouetteProjectedRender(PVRTShadowVolShadowMesh const* mesh, PVRTShadowVolShadowVol const* volume,
                                           SPVRTContext const* context);

// The box's corners pushed away from the light.
void PVRTShadowVolBoundingBoxExtrude(PVRTVECTOR3f* out, PVRTBOUNDINGBOX const* box, PVRTVECTOR3f const* light,
                                     bool isPointLight, float extrude);
// Sets the PVRTSHADOWVOLUME_ flags of the box's shadow volume: 0 when it
// cannot be seen, 1 when visible, 9 plus the caps needed when the near
// plane cuts it.
void PVRTShadowVolBoundingBoxIsVisible(unsigned int* visibility, bool, bool, PVRTBOUNDINGBOX const* box,
                                       PVRTMATRIXf const* viewProjection, PVRTVECTOR3f const* light,
                                       bool isPointLight, float nearDistance, float extrude);
