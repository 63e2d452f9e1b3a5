// Reading and writing vertex attributes and indices of every element type
// as floats, and generating per-vertex tangent space for indexed meshes.
#pragma once

#include "contrib/pvr/PVRTDataType.h"
#include "contrib/pvr/PVRTMathTypes.h"

// One attribute of `count` elements (or, for the packed colour and normal
// types, `count` components of one element) into a vector that starts as
// (0, 0, 0, 1).
void PVRTVertexRead(PVRTVECTOR4f* out, void const* data, EPVRTDataType type, int count);
// One index of a 16-bit or 32-bit index type; other types leave out alone.
void PVRTVertexRead(unsigned int* out, void const* data, EPVRTDataType type);

// One attribute from floats; values beyond the type's range are clamped.
void PVRTVertexWrite(void* out, EPVRTDataType type, int count, PVRTVECTOR4f const* in);
void PVRTVertexWrite(void* out, EPVRTDataType type, unsigned int index);

// Tangent and bitangent at corner 0 of a triangle with positions p0-p2 and
// texture coordinates t0-t2 (two floats read from each).
void PVRTVertexTangentBitangent(PVRTVECTOR3f* tangent, PVRTVECTOR3f* bitangent, PVRTVECTOR3f const* normal,
                                float const* p0, float const* p1, float const* p2, float const* t0,
                                float const* t1, float const* t2);

// Writes per-vertex tangents and binormals, splitting a vertex whose
// corners' tangent spaces differ by more than splitDifference (a minimum
// dot product). Returns 0 with *verticesOut a new malloc'ed array of
// *vertexCountOut vertices and the indices rewritten to it; 1 on failure
// (a triangle repeating an index, an index beyond the vertices, a vertex
// in more than 31 triangles, or no memory), with indices untouched.
unsigned int PVRTVertexGenerateTangentSpace(unsigned int* vertexCountOut, char** verticesOut, unsigned int* indices,
                                            unsigned int vertexCount, char const* vertices, unsigned int stride,
                                            unsigned int positionOffset, EPVRTDataType positionType,
                                            unsigned int normalOffset, EPVRTDataType normalType,
                                            unsigned int uvOffset, EPVRTDataType uvType, unsigned int tangentOffset,
                                            EPVRTDataType tangentType, unsigned int binormalOffset,
                                            EPVRTDataType binormalType, unsigned int triangleCount,
                                            float splitDifference);
