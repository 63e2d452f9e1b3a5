// Whether the shadow volume of a bounding box can be seen, and whether the
// near plane cuts it so that it must be capped and drawn with depth-fail.
#include "contrib/pvr/PVRTShadowVol.h"

#include "contrib/pvr/PVRTTrans.h"
#include "contrib/pvr/PVRTVec3.h"

namespace {

constexpr int kBoxCorners = 8;
constexpr int kShapePoints = 16; // the corners and their extruded copies
constexpr int kBoxEdges = 12;
constexpr int kShapeEdges = 32;

// The box's edges, the same for the extruded copy (points 8-15), and the
// edges joining each corner to its copy.
const unsigned short c_pwLinesHyperCube[kShapeEdges][2] = {
    {0, 1}, {2, 3}, {0, 2}, {1, 3}, {4, 5}, {6, 7}, {4, 6}, {5, 7}, {0, 4}, {1, 5}, {2, 6}, {3, 7},
    {8, 9}, {10, 11}, {8, 10}, {9, 11}, {12, 13}, {14, 15}, {12, 14}, {13, 15}, {8, 12}, {9, 13}, {10, 14}, {11, 15},
    {0, 8}, {1, 9}, {2, 10}, {3, 11}, {4, 12}, {5, 13}, {6, 14}, {7, 15}};

// The directions of the view rectangle's corners.
const PVRTVECTOR3f c_pvRect[4] = {{-1, -1, 1}, {-1, 1, 1}, {1, 1, 1}, {1, -1, 1}};

enum ClipBits { kLeftOfRight = 1, kRightOfLeft = 2, kBelowTop = 4, kAboveBottom = 8, kInFront = 16, kAll = 31 };

int ClipBitsOf(PVRTVECTOR4f const& p)
{
    return (p.x < p.w ? kLeftOfRight : 0) | (p.x > -p.w ? kRightOfLeft : 0) | (p.y < p.w ? kBelowTop : 0)
           | (p.y > -p.w ? kAboveBottom : 0) | (p.z > 0 ? kInFront : 0);
}

bool SeesAllSides(PVRTVECTOR4f const* points, int count)
{
    int bits = 0;
    for (int i = 0; i < count; ++i)
        bits |= ClipBitsOf(points[i]);
    return bits == kAll;
}

// True when the plane through the eye and one of the edges has the whole
// view rectangle on one side and every other point on the other side or on
// it: then nothing of the shape is in view.
bool SeparatedFromView(PVRTVECTOR4f const* points, int pointCount, int edgeCount)
{
    for (int e = 0; e < edgeCount; ++e) {
        const int a = c_pwLinesHyperCube[e][0], b = c_pwLinesHyperCube[e][1];
        const PVRTVec3 normal = PVRTVec3(points[a].x, points[a].y, points[a].z)
                                    .cross(PVRTVec3(points[b].x, points[b].y, points[b].z));
        int positive = 0, negative = 0;
        for (PVRTVECTOR3f const& corner : c_pvRect) {
            float d = normal.dot(PVRTVec3(corner));
            positive += d > 0;
            negative += d < 0;
        }
        if (positive != 4 && negative != 4)
            continue;
        const float side = positive == 4 ? 1.0f : -1.0f;
        bool separated = true;
        for (int i = 0; i < pointCount && separated; ++i)
            if (i != a && i != b)
                separated = normal.dot(PVRTVec3(points[i].x, points[i].y, points[i].z)) * side <= 0;
        if (separated)
            return true;
    }
    return false;
}

// Whether the points where the shape's edges cross z = 0 reach every side
// of the view.
bool IsFrontClipInVolume(PVRTVECTOR4f const* points)
{
    int bits = 0;
    for (auto const& edge : c_pwLinesHyperCube) {
        PVRTVECTOR4f const& a = points[edge[0]];
        PVRTVECTOR4f const& b = points[edge[1]];
        if ((a.z > 0) == (b.z > 0) || a.z == 0 || b.z == 0)
            continue;
        const float t = a.z / (a.z - b.z);
        const float x = a.x + (b.x - a.x) * t, y = a.y + (b.y - a.y) * t, w = a.w + (b.w - a.w) * t;
        bits |= (x > -w ? 1 : 0) | (x < w ? 2 : 0) | (y > -w ? 4 : 0) | (y < w ? 8 : 0);
    }
    return bits == 15;
}

bool IsBoundingBoxVisibleEx(PVRTVECTOR4f const* points, float nearDistance)
{
    if (!SeesAllSides(points, kBoxCorners))
        return false;
    PVRTVECTOR4f lowered[kBoxCorners];
    for (int i = 0; i < kBoxCorners; ++i) {
        lowered[i] = points[i];
        lowered[i].z -= nearDistance;
    }
    return !SeparatedFromView(lowered, kBoxCorners, kBoxEdges);
}

} // namespace

void PVRTShadowVolBoundingBoxExtrude(PVRTVECTOR3f* out, PVRTBOUNDINGBOX const* box, PVRTVECTOR3f const* light,
                                     bool isPointLight, float extrude)
{
    const PVRTVec3 l(*light);
    for (int i = 0; i < kBoxCorners; ++i) {
        const PVRTVec3 corner(box->Point[i]);
        out[i] = isPointLight ? corner + (corner - l) * extrude : corner + l * extrude;
    }
}

void PVRTShadowVolBoundingBoxIsVisible(unsigned int* visibility, bool, bool, PVRTBOUNDINGBOX const* box,
                                       PVRTMATRIXf const* viewProjection, PVRTVECTOR3f const* light,
                                       bool isPointLight, float nearDistance, float extrude)
{
    *visibility = 0;
    const float* m = viewProjection->f;
    const float lightZ = m[2] * light->x + m[6] * light->y + m[10] * light->z + m[14];

    PVRTVECTOR3f extruded[kBoxCorners];
    PVRTShadowVolBoundingBoxExtrude(extruded, box, light, isPointLight, extrude);
    PVRTVECTOR4f points[kShapePoints];
    int behind = 0, beyond = 0;
    for (int i = 0; i < kShapePoints; ++i) {
        PVRTVECTOR3f const& p = i < kBoxCorners ? box->Point[i] : extruded[i - kBoxCorners];
        const PVRTVECTOR4f in = {p.x, p.y, p.z, 1.0f};
        PVRTTransform(&points[i], &in, viewProjection);
        if (i < kBoxCorners) {
            behind += points[i].z <= 0;
            beyond += points[i].z > lightZ;
        }
    }
    if (behind == kBoxCorners && beyond == kBoxCorners)
        return;
    if (!SeesAllSides(points, kShapePoints))
        return;

    PVRTVECTOR4f lowered[kShapePoints];
    for (int i = 0; i < kShapePoints; ++i) {
        lowered[i] = points[i];
        lowered[i].z -= nearDistance;
    }
    if (SeparatedFromView(lowered, kShapePoints, kShapeEdges))
        return;

    *visibility = PVRTSHADOWVOLUME_VISIBLE;
    if ((behind == 0 && beyond == 0) || !IsFrontClipInVolume(lowered))
        return;
    *visibility |= PVRTSHADOWVOLUME_NEED_ZFAIL;
    // With every corner behind the eye the box itself is not in view.
    if (behind != kBoxCorners && IsBoundingBoxVisibleEx(points, nearDistance))
        *visibility |= PVRTSHADOWVOLUME_NEED_CAP_FRONT;
    if (IsBoundingBoxVisibleEx(points + kBoxCorners, nearDistance))
        *visibility |= PVRTSHADOWVOLUME_NEED_CAP_BACK;
}
