// Sorting an indexed triangle list into blocks that fit a vertex cache.
#pragma once

// Flag bits of PVRTGeometrySort.
enum {
    PVRTGEOMETRY_SORT_VERTEXCACHE = 1 << 0, // reorder the triangles into blocks
    PVRTGEOMETRY_SORT_IGNOREVERTS = 1 << 1, // leave the vertex order alone
};

// Reorders the triangles (three indices each) in place so that they come in
// blocks of at most blockVertexLimit distinct vertices and
// blockTriangleLimit triangles, then, unless told not to, renumbers the
// vertices (vertexStride bytes each) in order of first use. Limits below 3
// vertices or 1 triangle, and indices beyond the vertices, are refused.
void PVRTGeometrySort(void* vertices, unsigned int* indices, int vertexStride, int vertexCount, int triangleCount,
                      int blockVertexLimit, int blockTriangleLimit, unsigned int flags);
