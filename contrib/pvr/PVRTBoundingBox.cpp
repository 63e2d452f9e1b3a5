// Bounding boxes and their visibility test.
#include "contrib/pvr/PVRTBoundingBox.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace {

PVRTVECTOR3f PointAt(unsigned char const* data, int offset, int stride, int i)
{
    PVRTVECTOR3f point;
    std::memcpy(&point, data + offset + static_cast<ptrdiff_t>(i) * stride, sizeof point);
    return point;
}

template <typename PointOf>
void Compute(PVRTBOUNDINGBOX* box, int count, PointOf pointOf)
{
    PVRTVECTOR3f low = pointOf(0), high = low;
    for (int i = 1; i < count; ++i) {
        PVRTVECTOR3f const p = pointOf(i);
        low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
    }
    for (int corner = 0; corner < 8; ++corner) {
        box->Point[corner]
            = {(corner & 4) ? high.x : low.x, (corner & 2) ? high.y : low.y, (corner & 1) ? high.z : low.z};
    }
}

} // namespace

void PVRTBoundingBoxCompute(PVRTBOUNDINGBOX* box, PVRTVECTOR3f const* points, int count)
{
    Compute(box, count, [points](int i) { return points[i]; });
}

void PVRTBoundingBoxComputeInterleaved(
    PVRTBOUNDINGBOX* box, unsigned char const* data, int count, int offset, int stride)
{
    Compute(box, count, [=](int i) { return PointAt(data, offset, stride, i); });
}

bool PVRTBoundingBoxIsVisible(PVRTBOUNDINGBOX const* box, PVRTMATRIXf const* viewProjection, bool* needsZClipping)
{
    int left = 8, right = 8, bottom = 8, top = 8, front = 8;
    float const* m = viewProjection->f;
    for (PVRTVECTOR3f const& p : box->Point) {
        float const x = m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12];
        float const y = m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13];
        float const z = m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14];
        float const w = m[3] * p.x + m[7] * p.y + m[11] * p.z + m[15];
        if (-w > x)
            --left;
        else if (x > w)
            --right;
        if (-w > y)
            --bottom;
        else if (y > w)
            --top;
        if (z < 0.0f)
            --front;
    }
    if (front == 0 || left == 0 || right == 0 || bottom == 0 || top == 0) {
        *needsZClipping = false;
        return false;
    }
    *needsZClipping = front != 8;
    return true;
}
