// The modelling kit's solids turn every face outwards, as the board's
// back-face culling needs, also when a placing mirrors them.
#include "Shapes.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct SolidCase {
    char const* name;
    PropMesh solid;
};

// How many faces wind against the normals their corners carry.
int InwardFaces(PropMesh const& mesh)
{
    int inward = 0;
    for (std::size_t i = 0; i + 2 < mesh.indices.size(); i += 3) {
        PropVertex const& a = mesh.vertices[mesh.indices[i]];
        PropVertex const& b = mesh.vertices[mesh.indices[i + 1]];
        PropVertex const& c = mesh.vertices[mesh.indices[i + 2]];
        PVRTVec3 const winding = (b.position - a.position).cross(c.position - a.position);
        if (winding.length() < 1e-4f)
            continue; // a sliver has no side
        inward += winding.dot(a.normal + b.normal + c.normal) <= 0.0f ? 1 : 0;
    }
    return inward;
}

TEST(SolidsTest, EveryFaceTurnsOutwards)
{
    SolidCase const cases[] = {
        {"sharp box", Box(PVRTVec3(40, 20, 10), 0.0f, 2)},
        {"bevelled box", Box(PVRTVec3(40, 20, 10), 4.0f, 2)},
        {"box with a bevel too big for it", Box(PVRTVec3(10, 10, 10), 30.0f, 1)},
        {"cylinder", Cylinder(10, 10, 30, 12)},
        {"cone", Cylinder(10, 0, 30, 8)},
        {"sphere", Sphere(10, 10, 6)},
        {"torus", Torus(20, 4, 16, 8)},
        {"smooth lathe", Lathe({0, 0, 10, 0, 14, 10, 6, 20, 0, 24}, 10, true)},
        {"outline turning left", Extrusion({0, 0, 10, 0, 10, 10, 0, 10}, 4)},
        {"outline turning right", Extrusion({0, 0, 0, 10, 10, 10, 10, 0}, 4)},
        {"single-sided outline", Extrusion({0, 0, 10, 0, 5, 8}, 0)},
        {"sheet", Sheet(20, 10, 4, 2)},
    };
    for (SolidCase const& c : cases) {
        ASSERT_FALSE(c.solid.indices.empty()) << c.name;
        EXPECT_EQ(InwardFaces(c.solid), 0) << c.name;
        Placing mirrored;
        mirrored.scale = PVRTVec3(-1, 1, 1);
        mirrored.turn = PVRTVec3(10, 30, 0);
        PropMesh placed;
        Place(placed, c.solid, mirrored, nullptr);
        EXPECT_EQ(InwardFaces(placed), 0) << c.name << ", mirrored";
    }
}

TEST(SolidsTest, APlacingMovesTurnsAndPaintsASolid)
{
    Placing placing;
    placing.at = PVRTVec3(100, 0, 0);
    placing.turn = PVRTVec3(0, 0, 90);
    float const cell[2] = {0.25f, 0.75f};
    PropMesh mesh;
    Place(mesh, Cylinder(5, 5, 40, 8), placing, cell);
    // Turned a quarter about z, the cylinder lies along -x from its foot.
    float minX = 1e9f, maxX = -1e9f;
    for (PropVertex const& v : mesh.vertices) {
        minX = std::min(minX, v.position.x), maxX = std::max(maxX, v.position.x);
        EXPECT_FLOAT_EQ(v.uv[0], 0.25f);
        EXPECT_FLOAT_EQ(v.uv[1], 0.75f);
    }
    EXPECT_NEAR(minX, 60.0f, 0.01f);
    EXPECT_NEAR(maxX, 100.0f, 0.01f);
}

} // namespace
