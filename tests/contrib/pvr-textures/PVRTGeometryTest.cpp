// The geometry sort: blocks within the limits, every triangle kept as it
// was, vertices renumbered by first use.
#include "contrib/pvr/PVRTGeometry.h"

#include "MeshTriangles.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace {

// How many blocks of the limits the list falls into when cut greedily.
int GreedyBlocks(std::vector<unsigned int> const& indices, size_t vertexLimit, size_t triangleLimit)
{
    int blocks = 0;
    std::set<unsigned int> verts;
    size_t tris = 0;
    for (size_t i = 0; i < indices.size(); i += 3) {
        std::set<unsigned int> grown = verts;
        grown.insert(indices.begin() + long(i), indices.begin() + long(i) + 3);
        if (blocks == 0 || grown.size() > vertexLimit || tris + 1 > triangleLimit) {
            ++blocks;
            verts = std::set<unsigned int>(indices.begin() + long(i), indices.begin() + long(i) + 3);
            tris = 1;
        } else {
            verts = grown;
            ++tris;
        }
    }
    return blocks;
}

std::vector<Triangle> ExactTriangles(std::vector<unsigned int> const& indices)
{
    std::vector<Triangle> out;
    for (size_t i = 0; i < indices.size(); i += 3)
        out.push_back({indices[i], indices[i + 1], indices[i + 2]});
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<unsigned int> ShuffledGrid(unsigned int side)
{
    std::vector<unsigned int> grid = GridTriangles(side);
    std::vector<Triangle> tris;
    for (size_t i = 0; i < grid.size(); i += 3)
        tris.push_back({grid[i], grid[i + 1], grid[i + 2]});
    std::shuffle(tris.begin(), tris.end(), std::mt19937(7));
    std::vector<unsigned int> out;
    for (Triangle const& t : tris)
        out.insert(out.end(), t.begin(), t.end());
    return out;
}

TEST(PVRTGeometrySort, FlagsChooseTheSteps)
{
    std::vector<unsigned int> indices = {2, 0, 1, 1, 0, 3};
    std::vector<int> vertices = {10, 11, 12, 13};
    PVRTGeometrySort(vertices.data(), indices.data(), sizeof(int), 4, 2, 16, 16, PVRTGEOMETRY_SORT_IGNOREVERTS);
    EXPECT_EQ(indices, (std::vector<unsigned int>{2, 0, 1, 1, 0, 3}));
    EXPECT_EQ(vertices, (std::vector<int>{10, 11, 12, 13}));

    PVRTGeometrySort(vertices.data(), indices.data(), sizeof(int), 4, 2, 16, 16, 0);
    EXPECT_EQ(indices, (std::vector<unsigned int>{0, 1, 2, 2, 1, 3}));
    EXPECT_EQ(vertices, (std::vector<int>{12, 10, 11, 13}));
}

TEST(PVRTGeometrySort, ShuffledGridComesBackInBlocksThatFit)
{
    const unsigned int side = 12;
    std::vector<unsigned int> shuffled = ShuffledGrid(side);
    std::vector<unsigned int> indices = shuffled;
    std::vector<int> vertices((side + 1) * (side + 1));
    PVRTGeometrySort(vertices.data(), indices.data(), sizeof(int), int(vertices.size()), int(indices.size() / 3), 16,
                     32, PVRTGEOMETRY_SORT_VERTEXCACHE | PVRTGEOMETRY_SORT_IGNOREVERTS);
    EXPECT_EQ(ExactTriangles(indices), ExactTriangles(shuffled));
    int before = GreedyBlocks(shuffled, 16, 32);
    int after = GreedyBlocks(indices, 16, 32);
    // 288 triangles over 169 vertices: a block of 16 vertices holds about
    // 18 triangles of a grid, so some 16 to 25 blocks.
    EXPECT_LE(after, 30) << "before sorting: " << before;
    EXPECT_LT(after * 3, before);
}

TEST(PVRTGeometrySort, SmallMeshesStayWholeAndRenumberingFollowsTheBlocks)
{
    // Two separate quads and a lone triangle, limits roomy enough for all.
    std::vector<unsigned int> indices = {7, 8, 9, 0, 1, 2, 2, 1, 3, 4, 5, 6, 6, 5, 10};
    std::vector<unsigned int> original = indices;
    std::vector<int> vertices = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    PVRTGeometrySort(vertices.data(), indices.data(), sizeof(int), 11, 5, 12, 8, PVRTGEOMETRY_SORT_VERTEXCACHE);
    ASSERT_EQ(indices.size(), original.size());
    // Renumbered by first use: the vertices now count up from 0.
    unsigned int highest = 0;
    for (size_t i = 0; i < indices.size(); ++i) {
        EXPECT_LE(indices[i], highest + 1);
        highest = std::max(highest, indices[i]);
    }
    // Mapping back through the moved vertices gives the same triangles.
    std::vector<unsigned int> mapped;
    for (unsigned int index : indices)
        mapped.push_back(unsigned(vertices[index]));
    EXPECT_EQ(ExactTriangles(mapped), ExactTriangles(original));
    // Each quad's two triangles stay next to each other.
    auto position = [&](unsigned int first) {
        for (size_t i = 0; i < mapped.size(); i += 3)
            if (mapped[i] == first)
                return long(i / 3);
        return -10L;
    };
    EXPECT_EQ(std::abs(position(0) - position(2)), 1);
    EXPECT_EQ(std::abs(position(4) - position(6)), 1);
}

TEST(PVRTGeometrySort, SmallMeshesFillBlocksLargestFirst)
{
    // Two lone triangles and a quad; six vertices a block: the quad fills
    // the first block, the two triangles share the second.
    std::vector<unsigned int> indices = {0, 1, 2, 3, 4, 5, 6, 7, 8, 8, 7, 9};
    std::vector<int> vertices(10);
    PVRTGeometrySort(vertices.data(), indices.data(), sizeof(int), 10, 4, 6, 16,
                     PVRTGEOMETRY_SORT_VERTEXCACHE | PVRTGEOMETRY_SORT_IGNOREVERTS);
    EXPECT_EQ(std::vector<unsigned int>(indices.begin(), indices.begin() + 6),
              (std::vector<unsigned int>{6, 7, 8, 8, 7, 9}));
    EXPECT_EQ(GreedyBlocks(indices, 6, 16), 2);
}

TEST(PVRTGeometrySort, TightLimitsStillOutputEveryTriangleOnce)
{
    struct Case {
        int vertexLimit, triangleLimit;
    } const cases[] = {{3, 1}, {4, 2}, {6, 100}, {100, 3}};
    std::vector<unsigned int> grid = ShuffledGrid(5);
    // Both windings of one triangle: three vertices, two triangles.
    grid.insert(grid.end(), {40, 41, 42, 40, 42, 41});
    std::vector<int> vertices(43);
    for (Case const& c : cases) {
        std::vector<unsigned int> indices = grid;
        PVRTGeometrySort(vertices.data(), indices.data(), sizeof(int), 43, int(grid.size() / 3), c.vertexLimit,
                         c.triangleLimit, PVRTGEOMETRY_SORT_VERTEXCACHE | PVRTGEOMETRY_SORT_IGNOREVERTS);
        EXPECT_EQ(ExactTriangles(indices), ExactTriangles(grid)) << c.vertexLimit << "/" << c.triangleLimit;
    }
}

TEST(PVRTGeometrySort, BadArgumentsLeaveTheArraysAlone)
{
    std::vector<unsigned int> indices = {0, 1, 2, 2, 1, 5};
    std::vector<int> vertices = {0, 1, 2, 3};
    testing::internal::CaptureStderr();
    PVRTGeometrySort(vertices.data(), indices.data(), sizeof(int), 4, 2, 16, 16, PVRTGEOMETRY_SORT_VERTEXCACHE);
    PVRTGeometrySort(vertices.data(), indices.data(), sizeof(int), 6, 2, 2, 16, PVRTGEOMETRY_SORT_VERTEXCACHE);
    PVRTGeometrySort(vertices.data(), indices.data(), sizeof(int), 6, 2, 16, 0, PVRTGEOMETRY_SORT_VERTEXCACHE);
    EXPECT_NE(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(indices, (std::vector<unsigned int>{0, 1, 2, 2, 1, 5}));
    EXPECT_EQ(vertices, (std::vector<int>{0, 1, 2, 3}));
}

} // namespace
