// Shadow meshes, silhouette index lists and shadow volume visibility.
#include "contrib/pvr/PVRTShadowVol.h"

#include "contrib/pvr/PVRTMatrix.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <vector>

namespace {

// A unit cube whose six faces each have their own four corners (24 points,
// shared positions), two outward-facing triangles a face.
struct Cube {
    std::vector<float> points;
    std::vector<unsigned short> indices;

    Cube()
    {
        const int faces[6][4][3] = {
            {{0, 0, 0}, {0, 1, 0}, {1, 1, 0}, {1, 0, 0}}, // z = 0, facing -z
            {{0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}}, // z = 1
            {{0, 0, 0}, {1, 0, 0}, {1, 0, 1}, {0, 0, 1}}, // y = 0
            {{0, 1, 0}, {0, 1, 1}, {1, 1, 1}, {1, 1, 0}}, // y = 1
            {{0, 0, 0}, {0, 0, 1}, {0, 1, 1}, {0, 1, 0}}, // x = 0
            {{1, 0, 0}, {1, 1, 0}, {1, 1, 1}, {1, 0, 1}}, // x = 1
        };
        for (int f = 0; f < 6; ++f) {
            unsigned short base = static_cast<unsigned short>(points.size() / 3);
            for (int c = 0; c < 4; ++c)
                for (int k = 0; k < 3; ++k)
                    points.push_back(float(faces[f][c][k]));
            indices.insert(indices.end(),
                           {base, static_cast<unsigned short>(base + 1), static_cast<unsigned short>(base + 2), base,
                            static_cast<unsigned short>(base + 2), static_cast<unsigned short>(base + 3)});
        }
    }
};

class PVRTShadowVolTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        PVRTShadowVolMeshCreateMesh(&mesh, cube.points.data(), unsigned(cube.points.size() / 3), cube.indices.data(),
                                    unsigned(cube.indices.size() / 3));
        ASSERT_TRUE(PVRTShadowVolMeshInitVol(&volume, &mesh, nullptr));
    }
    void TearDown() override
    {
        PVRTShadowVolMeshReleaseVol(&volume);
        PVRTShadowVolMeshReleaseMesh(&mesh);
        PVRTShadowVolMeshDestroyMesh(&mesh);
    }

    Cube cube;
    PVRTShadowVolShadowMesh mesh = {};
    PVRTShadowVolShadowVol volume = {};
};

TEST_F(PVRTShadowVolTest, CubeSharesItsCornersAndEdges)
{
    EXPECT_EQ(mesh.vertexCount, 8u);
    EXPECT_EQ(mesh.edgeCount, 18u);
    EXPECT_EQ(mesh.triangleCount, 12u);
    for (unsigned int t = 0; t < mesh.triangleCount; ++t) {
        PVRTShadowVolMTriangle const& tri = mesh.triangles[t];
        for (int k = 0; k < 3; ++k) {
            PVRTShadowVolMEdge const& edge = mesh.edges[tri.edges[k]];
            const bool along = edge.first == tri.vertices[k] && edge.second == tri.vertices[(k + 1) % 3];
            const bool against = edge.second == tri.vertices[k] && edge.first == tri.vertices[(k + 1) % 3];
            EXPECT_TRUE(along || against);
            EXPECT_EQ(((tri.winding >> k) & 1) != 0, along);
        }
    }
}

TEST_F(PVRTShadowVolTest, DirectionalLightAlongAFaceNormalOutlinesTheOppositeFace)
{
    const PVRTVECTOR3f light = {0, 0, -1}; // the first face's normal direction
    PVRTShadowVolSilhouetteProjectedBuild(&volume, 0, &mesh, &light, false);
    ASSERT_EQ(volume.indexCount, 24u);
    // Every quad joins an edge of the z = 1 face to its extruded copy.
    std::set<unsigned short> corners;
    for (unsigned int i = 0; i < volume.indexCount; ++i) {
        unsigned short v = volume.indices[i] % mesh.vertexCount;
        EXPECT_FLOAT_EQ(mesh.vertices[v].z, 1.0f);
        corners.insert(volume.indices[i]);
    }
    EXPECT_EQ(corners.size(), 8u);
    for (unsigned int e = 0; e < mesh.edgeCount; ++e)
        EXPECT_EQ(mesh.edges[e].flags, 0u);

    // Caps: ten lit triangles in front, two unlit ones at the back.
    PVRTShadowVolSilhouetteProjectedBuild(&volume, PVRTSHADOWVOLUME_NEED_CAP_FRONT | PVRTSHADOWVOLUME_NEED_CAP_BACK,
                                          &mesh, &light, false);
    ASSERT_EQ(volume.indexCount, 24u + 30u + 6u);
    int extruded = 0;
    for (unsigned int i = 0; i < volume.indexCount; ++i)
        extruded += volume.indices[i] >= mesh.vertexCount;
    EXPECT_EQ(extruded, 12 + 6);
}

TEST_F(PVRTShadowVolTest, PointLightAndDrawingBuffer)
{
    // A point light far beyond the x = 1 face lights only that face.
    const PVRTVec3 light(100, 0.5f, 0.5f);
    PVRTShadowVolSilhouetteProjectedBuild(&volume, PVRTSHADOWVOLUME_NEED_CAP_FRONT, &mesh, &light, true);
    EXPECT_EQ(volume.indexCount, 24u + 30u);

    ASSERT_TRUE(PVRTShadowVolMeshInitMesh(&mesh, nullptr));
    const float* words = static_cast<const float*>(mesh.drawBuffer);
    const unsigned int n = mesh.vertexCount;
    unsigned int mark;
    std::memcpy(&mark, &words[(n + 2) * 5 + 3], sizeof(mark));
    EXPECT_EQ(mark, PVRTSHADOWVOLUME_EXTRUDE_MARK);
    std::memcpy(&mark, &words[2 * 5 + 3], sizeof(mark));
    EXPECT_EQ(mark, 0u);
    EXPECT_EQ(words[(n + 2) * 5], mesh.vertices[2].x);
    EXPECT_EQ(words[2 * 5 + 4], 1.0f);
    EXPECT_EQ(PVRTShadowVolSilhouetteProjectedRender(&mesh, &volume, nullptr), 0);
}

TEST(PVRTShadowVol, DuplicateDegenerateAndOutOfRangeTriangles)
{
    const float points[] = {0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0};
    // The second triangle repeats the first backwards, the third has two
    // equal corners (points 0 and 3 are the same position).
    const unsigned short indices[] = {0, 1, 2, 2, 1, 0, 0, 3, 1};
    PVRTShadowVolShadowMesh mesh = {};
    PVRTShadowVolMeshCreateMesh(&mesh, points, 4, indices, 3);
    EXPECT_EQ(mesh.vertexCount, 3u);
    EXPECT_EQ(mesh.triangleCount, 1u);
    PVRTShadowVolMeshDestroyMesh(&mesh);

    const unsigned short beyond[] = {0, 1, 7};
    testing::internal::CaptureStderr();
    PVRTShadowVolMeshCreateMesh(&mesh, points, 4, beyond, 1);
    EXPECT_NE(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(mesh.triangleCount, 0u);
    EXPECT_EQ(mesh.vertices, nullptr);
}

PVRTBOUNDINGBOX Box(float x0, float x1, float y0, float y1, float z0, float z1)
{
    PVRTBOUNDINGBOX box;
    for (int i = 0; i < 8; ++i)
        box.Point[i] = {(i & 4) ? x1 : x0, (i & 2) ? y1 : y0, (i & 1) ? z1 : z0};
    return box;
}

TEST(PVRTShadowVol, VolumeVisibility)
{
    // Looking down +z with depth 0 at the near plane (1) and w = z.
    PVRTMATRIXf projection;
    PVRTMatrixPerspectiveFovLHF(projection, 1.5707964f, 1.0f, 1.0f, 100.0f);
    struct Case {
        const char* what;
        PVRTBOUNDINGBOX box;
        PVRTVECTOR3f light;
        bool point;
        unsigned int expected;
    } const cases[] = {
        {"behind the eye and beyond the light", Box(-1, 1, -1, 1, -20, -10), {0, 0, -50}, true, 0},
        {"behind the eye, shadow cast backwards", Box(-1, 1, -1, 1, -5, -3), {0, 0, -1}, false, 0},
        {"in view, shadow cast away", Box(-1, 1, -1, 1, 10, 12), {0, 0, 1}, false, 1},
        {"across the near plane", Box(-0.5f, 0.5f, -0.5f, 0.5f, 0.5f, 5), {0, 0, 1}, false, 15},
        {"far to the side", Box(200, 210, -1, 1, 10, 12), {0, 0, 1}, false, 0},
    };
    for (Case const& c : cases) {
        unsigned int visibility = 99;
        PVRTShadowVolBoundingBoxIsVisible(&visibility, false, false, &c.box, &projection, &c.light, c.point, 0.0f,
                                          100.0f);
        EXPECT_EQ(visibility, c.expected) << c.what;
    }

    PVRTVECTOR3f out[8];
    PVRTBOUNDINGBOX unit = Box(0, 1, 0, 1, 0, 1);
    const PVRTVECTOR3f point = {0, 0, -1};
    PVRTShadowVolBoundingBoxExtrude(out, &unit, &point, true, 2);
    EXPECT_FLOAT_EQ(out[7].x, 3);
    EXPECT_FLOAT_EQ(out[7].z, 5);
    PVRTShadowVolBoundingBoxExtrude(out, &unit, &point, false, 2);
    EXPECT_FLOAT_EQ(out[7].z, -1);
}

} // namespace
