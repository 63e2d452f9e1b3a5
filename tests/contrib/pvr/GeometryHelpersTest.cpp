// Bounding boxes, transforms, the infinite plane, the skybox and
// power-of-two rounding.
#include "contrib/pvr/PVRTBoundingBox.h"
#include "contrib/pvr/PVRTMat4.h"
#include "contrib/pvr/PVRTMisc.h"
#include "contrib/pvr/PVRTTrans.h"

#include <gtest/gtest.h>

namespace {

constexpr float kTolerance = 1e-4f;

void ExpectPointNear(float const* actual, PVRTVECTOR3f const& expected)
{
    EXPECT_NEAR(actual[0], expected.x, kTolerance);
    EXPECT_NEAR(actual[1], expected.y, kTolerance);
    EXPECT_NEAR(actual[2], expected.z, kTolerance);
}

// A box from (x0, y0, z0) to (x1, y1, z1).
PVRTBOUNDINGBOX Box(PVRTVECTOR3f low, PVRTVECTOR3f high)
{
    PVRTVECTOR3f const points[] = {low, high};
    PVRTBOUNDINGBOX box;
    PVRTBoundingBoxCompute(&box, points, 2);
    return box;
}

} // namespace

TEST(PVRTBoundingBox, CornersFollowTheirBits)
{
    PVRTVECTOR3f const single = {1, 2, 3};
    PVRTBOUNDINGBOX box;
    PVRTBoundingBoxCompute(&box, &single, 1);
    for (PVRTVECTOR3f const& corner : box.Point)
        ExpectPointNear(&corner.x, single);

    // Interleaved points: a float of something else, then x, y, z.
    float const data[] = {9, 1, 5, -2, 9, -1, 6, 4};
    PVRTBoundingBoxComputeInterleaved(&box, reinterpret_cast<unsigned char const*>(data), 2, 4, 16);
    ExpectPointNear(&box.Point[0].x, {-1, 5, -2});
    ExpectPointNear(&box.Point[7].x, {1, 6, 4});
    ExpectPointNear(&box.Point[4].x, {1, 5, -2});
    ExpectPointNear(&box.Point[1].x, {-1, 5, 4});
}

TEST(PVRTBoundingBox, VisibilityAgainstTheViewVolume)
{
    PVRTMat4 const projection = PVRTMat4::PerspectiveFov(1.0f, 1.0f, 1.0f, 100.0f, PVRTMat4::D3D, true);
    struct Case {
        char const* name;
        PVRTBOUNDINGBOX box;
        bool visible;
        bool needsZClipping;
    };
    Case const cases[] = {
        {"in front", Box({-1, -1, -20}, {1, 1, -10}), true, false},
        {"behind the eye", Box({-1, -1, 5}, {1, 1, 10}), false, false},
        {"left of the view", Box({-100, -1, -20}, {-50, 1, -10}), false, false},
        {"straddling the near plane", Box({-1, -1, -5}, {1, 1, 5}), true, true},
    };
    for (Case const& c : cases) {
        bool needsZClipping = !c.needsZClipping;
        EXPECT_EQ(PVRTBoundingBoxIsVisible(&c.box, &projection, &needsZClipping), c.visible) << c.name;
        EXPECT_EQ(needsZClipping, c.needsZClipping) << c.name;
    }
}

TEST(PVRTTransform, ForwardAndBack)
{
    PVRTMat4 const m = PVRTMat4::Translation(1, 2, 3) * PVRTMat4::RotationX(0.3f) * PVRTMat4::Scale(2, 2, 2);
    PVRTVECTOR3f const points[] = {{1, 0, 0}, {0, 5, -1}};
    PVRTVECTOR3f moved[2], back[2];
    PVRTTransformArray(moved, points, 2, &m);
    PVRTTransformArrayBack(back, moved, 2, &m);
    for (int i = 0; i < 2; ++i)
        ExpectPointNear(&back[i].x, points[i]);

    PVRTVECTOR3f direction;
    PVRTTransformArray(&direction, &points[0], 1, &m, 0.0f);
    ExpectPointNear(&direction.x, {2, 0, 0});

    // Points with gaps between them in and out.
    float in[8] = {1, 0, 0, -1, 0, 5, -1, -1};
    PVRTVECTOR4f out[3];
    PVRTTransformVec3Array(
        out, 2 * sizeof(PVRTVECTOR4f), reinterpret_cast<PVRTVECTOR3f const*>(in), 5 * sizeof(float), &m, 2);
    ExpectPointNear(&out[0].x, moved[0]);
    EXPECT_EQ(out[0].w, 1.0f);
    PVRTVECTOR3f const second = {5, -1, -1};
    PVRTVECTOR3f secondMoved;
    PVRTTransformArray(&secondMoved, &second, 1, &m);
    ExpectPointNear(&out[2].x, secondMoved);

    PVRTVECTOR4f const v = {0.5f, -2, 7, 1};
    PVRTVECTOR4f forward, recovered;
    PVRTTransform(&forward, &v, &m);
    PVRTTransformBack(&recovered, &forward, &m);
    EXPECT_NEAR(recovered.x, v.x, kTolerance);
    EXPECT_NEAR(recovered.z, v.z, kTolerance);
    EXPECT_NEAR(recovered.w, v.w, kTolerance);
}

TEST(PVRTMisc, InfinitePlaneWalksTheFarCorners)
{
    PVRTMat4 const identity = PVRTMat4::Identity();
    PVRTVECTOR3f const camera = {0, 0, 0};
    float vertices[5 * 4];
    int const stride = 4 * sizeof(float);

    // Only corner 3, (-10, 10, 10), below x - y + 5 = 0.
    PVRTVECTOR4f const slanted = {1, -1, 0, 5};
    ASSERT_EQ(PVRTMiscCalculateInfinitePlane(vertices, stride, &slanted, &identity, &camera, 10.0f), 3);
    ExpectPointNear(&vertices[0], {-10, -5, 10});
    ExpectPointNear(&vertices[4], {-2.5f, 2.5f, 2.5f});
    ExpectPointNear(&vertices[8], {5, 10, 10});

    // Every corner below: the camera lines through corners 0, 3, 2, 1.
    PVRTVECTOR4f const facing = {0, 0, -1, 5};
    ASSERT_EQ(PVRTMiscCalculateInfinitePlane(vertices, stride, &facing, &identity, &camera, 10.0f), 4);
    ExpectPointNear(&vertices[0], {-5, -5, 5});
    ExpectPointNear(&vertices[4], {-5, 5, 5});
    ExpectPointNear(&vertices[8], {5, 5, 5});
    ExpectPointNear(&vertices[12], {5, -5, 5});

    PVRTVECTOR4f const overhead = {0, 0, 1, -5};
    EXPECT_EQ(PVRTMiscCalculateInfinitePlane(vertices, stride, &overhead, &identity, &camera, 10.0f), 0);
}

TEST(PVRTMisc, SkyboxAndPowersOfTwo)
{
    float* vertices = nullptr;
    float* uvs = nullptr;
    PVRTCreateSkybox(3.0f, true, 256, &vertices, &uvs);
    EXPECT_EQ(vertices[0], -3.0f);
    EXPECT_EQ(vertices[71], 3.0f);
    EXPECT_EQ(uvs[0], 0.015625f);
    EXPECT_EQ(uvs[1], 1.0f - 0.015625f);
    EXPECT_EQ(uvs[47], 0.015625f);
    PVRTDestroySkybox(vertices, uvs);

    EXPECT_EQ(GetPOTHigher(5, 1), 8u);
    EXPECT_EQ(GetPOTHigher(8, 1), 8u);
    EXPECT_EQ(GetPOTHigher(5, 3), 32u);
    EXPECT_EQ(GetPOTHigher(0, 1), 0u);
    EXPECT_EQ(GetPOTHigher(5, -1), 0u);
    EXPECT_EQ(GetPOTHigher(0x90000000u, 2), 0x80000000u);
    EXPECT_EQ(GetPOTLower(8, 1), 4u);
    EXPECT_EQ(GetPOTLower(9, 1), 8u);
    EXPECT_EQ(GetPOTLower(9, 5), 1u);
    EXPECT_EQ(GetPOTLower(1, 1), 0u);
}
