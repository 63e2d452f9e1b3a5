// Plane, skybox and power-of-two helpers.
#include "contrib/pvr/PVRTMisc.h"

#include <cstring>

namespace {

float Dot(PVRTVECTOR3f const& a, PVRTVECTOR3f const& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// Six faces of four corners, each drawn as a strip of two triangles.
constexpr int kSkyboxFaces = 6;
constexpr float kSkyboxCorners[kSkyboxFaces][4][3] = {
    {{-1, 1, -1}, {1, 1, -1}, {-1, -1, -1}, {1, -1, -1}},
    {{1, 1, -1}, {1, 1, 1}, {1, -1, -1}, {1, -1, 1}},
    {{1, 1, 1}, {-1, 1, 1}, {1, -1, 1}, {-1, -1, 1}},
    {{-1, 1, 1}, {-1, 1, -1}, {-1, -1, 1}, {-1, -1, -1}},
    {{-1, 1, 1}, {1, 1, 1}, {-1, 1, -1}, {1, 1, -1}},
    {{-1, -1, -1}, {1, -1, -1}, {-1, -1, 1}, {1, -1, 1}},
};

// Texels kept clear of a face's border when the coordinates are adjusted.
constexpr float kSkyboxBorderTexels = 4.0f;

// The top bit of an unsigned int: the largest power of two it holds.
constexpr unsigned int kLargestPowerOfTwo = 0x80000000u;

} // namespace

void PVRTMiscCalculateIntersectionLinePlane(
    PVRTVECTOR3f* out, float const plane[4], PVRTVECTOR3f const* p0, PVRTVECTOR3f const* p1)
{
    PVRTVECTOR3f const normal = {plane[0], plane[1], plane[2]};
    PVRTVECTOR3f const direction = {p1->x - p0->x, p1->y - p0->y, p1->z - p0->z};
    float const t = -(Dot(normal, *p0) + plane[3]) / Dot(normal, direction);
    *out = {p0->x + t * direction.x, p0->y + t * direction.y, p0->z + t * direction.z};
}

int PVRTMiscCalculateInfinitePlane(float* vertices, int stride, PVRTVECTOR4f const* plane, PVRTMATRIXf const* matrix,
    PVRTVECTOR3f const* cameraPosition, float farDistance)
{
    PVRTVECTOR3f const normal = {plane->x, plane->y, plane->z};
    float const planeArray[4] = {plane->x, plane->y, plane->z, plane->w};
    float const normalSquared = Dot(normal, normal);
    auto above = [&](PVRTVECTOR3f const& p) { return plane->w * normalSquared + Dot(normal, p) >= 0.0f; };
    if (!above(*cameraPosition))
        return 0;

    float const* m = matrix->f;
    float const corners[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
    PVRTVECTOR3f far[4];
    for (int i = 0; i < 4; ++i) {
        float const s = corners[i][0], t = corners[i][1];
        far[i] = {(s * m[0] + t * m[4] + m[8] + m[12]) * farDistance,
            (s * m[1] + t * m[5] + m[9] + m[13]) * farDistance, (s * m[2] + t * m[6] + m[10] + m[14]) * farDistance};
    }

    int written = 0;
    auto emit = [&](PVRTVECTOR3f const& p) {
        std::memcpy(reinterpret_cast<char*>(vertices) + written * stride, &p, sizeof p);
        ++written;
    };
    auto crossing = [&](int from, int to) {
        PVRTVECTOR3f point;
        PVRTMiscCalculateIntersectionLinePlane(&point, planeArray, &far[from], &far[to]);
        emit(point);
    };
    auto cameraLine = [&](int corner) {
        PVRTVECTOR3f point;
        PVRTMiscCalculateIntersectionLinePlane(&point, planeArray, cameraPosition, &far[corner]);
        emit(point);
    };

    int const walk[] = {0, 3, 2, 1};
    if (!above(far[0]))
        cameraLine(0);
    for (int step = 1; step < 4; ++step) {
        int const previous = walk[step - 1], corner = walk[step];
        if (above(far[previous]) != above(far[corner]))
            crossing(previous, corner);
        if (!above(far[corner]))
            cameraLine(corner);
    }
    if (above(far[1]) != above(far[0]))
        crossing(1, 0);
    return written;
}

void PVRTCreateSkybox(float scale, bool adjustUV, int textureSize, float** vertices, float** uvs)
{
    float* positions = new float[kSkyboxFaces * 4 * 3];
    float* coordinates = new float[kSkyboxFaces * 4 * 2];
    float const m = (adjustUV && textureSize > 0) ? kSkyboxBorderTexels / static_cast<float>(textureSize) : 0.0f;
    float const faceCoordinates[4][2] = {{m, 1 - m}, {1 - m, 1 - m}, {m, m}, {1 - m, m}};
    for (int face = 0; face < kSkyboxFaces; ++face) {
        for (int corner = 0; corner < 4; ++corner) {
            for (int axis = 0; axis < 3; ++axis)
                positions[(face * 4 + corner) * 3 + axis] = kSkyboxCorners[face][corner][axis] * scale;
            coordinates[(face * 4 + corner) * 2 + 0] = faceCoordinates[corner][0];
            coordinates[(face * 4 + corner) * 2 + 1] = faceCoordinates[corner][1];
        }
    }
    *vertices = positions;
    *uvs = coordinates;
}

void PVRTDestroySkybox(float* vertices, float* uvs)
{
    delete[] vertices;
    delete[] uvs;
}

unsigned int GetPOTHigher(unsigned int value, int timesHigher)
{
    if (value == 0 || timesHigher < 0)
        return 0;
    unsigned int pot = 1;
    while (pot < value && pot < kLargestPowerOfTwo)
        pot <<= 1;
    for (int step = 1; step < timesHigher && pot < kLargestPowerOfTwo; ++step)
        pot <<= 1;
    return pot;
}

unsigned int GetPOTLower(unsigned int value, int timesLower)
{
    if (value == 0 || timesLower < 0)
        return 0;
    unsigned int pot = kLargestPowerOfTwo;
    while (pot >= value && pot > 0)
        pot >>= 1;
    for (int step = 1; step < timesLower && pot > 1; ++step)
        pot >>= 1;
    return pot;
}
