// The triangle stripper: strips keep every triangle and its winding.
#include "contrib/pvr/PVRTTriStrip.h"

#include "MeshTriangles.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

struct Strips {
    unsigned int* indices = nullptr;
    unsigned int* lengths = nullptr;
    unsigned int count = 0;
    ~Strips()
    {
        std::free(indices);
        std::free(lengths);
    }

    std::vector<unsigned int> All() const
    {
        size_t total = 0;
        for (unsigned int i = 0; i < count; ++i)
            total += lengths[i] + 2;
        return std::vector<unsigned int>(indices, indices + total);
    }

    // Every strip's triangles, each with the winding a strip gives it.
    std::vector<unsigned int> Triangles() const
    {
        std::vector<unsigned int> out;
        unsigned int const* s = indices;
        for (unsigned int i = 0; i < count; ++i) {
            for (unsigned int k = 0; k < lengths[i]; ++k) {
                if (k % 2)
                    out.insert(out.end(), {s[k + 1], s[k], s[k + 2]});
                else
                    out.insert(out.end(), {s[k], s[k + 1], s[k + 2]});
            }
            s += lengths[i] + 2;
        }
        return out;
    }
};

TEST(PVRTTriStrip, SingleTriangleIsOneStrip)
{
    const unsigned int tri[] = {4, 5, 6};
    Strips strips;
    PVRTTriStrip(&strips.indices, &strips.lengths, &strips.count, tri, 1);
    ASSERT_EQ(strips.count, 1u);
    EXPECT_EQ(strips.lengths[0], 1u);
    EXPECT_EQ(strips.All(), (std::vector<unsigned int>{4, 5, 6}));
}

TEST(PVRTTriStrip, TrianglesSharingAnEdgeWithOppositeWindingJoin)
{
    const unsigned int tris[] = {0, 1, 2, 2, 1, 3};
    Strips strips;
    PVRTTriStrip(&strips.indices, &strips.lengths, &strips.count, tris, 2);
    ASSERT_EQ(strips.count, 1u);
    EXPECT_EQ(strips.lengths[0], 2u);
    std::vector<unsigned int> all = strips.All();
    EXPECT_TRUE(all == (std::vector<unsigned int>{0, 1, 2, 3}) || all == (std::vector<unsigned int>{3, 2, 1, 0}));

    unsigned int list[] = {0, 1, 2, 2, 1, 3};
    PVRTTriStripList(list, 2);
    std::vector<unsigned int> reordered(list, list + 6);
    EXPECT_TRUE(reordered == (std::vector<unsigned int>{0, 1, 2, 2, 1, 3})
                || reordered == (std::vector<unsigned int>{3, 2, 1, 1, 2, 0}));
}

TEST(PVRTTriStrip, TrianglesSharingAnEdgeWithTheSameWindingStayApart)
{
    const unsigned int tris[] = {0, 1, 2, 1, 2, 3};
    Strips strips;
    PVRTTriStrip(&strips.indices, &strips.lengths, &strips.count, tris, 2);
    EXPECT_EQ(strips.count, 2u);
}

TEST(PVRTTriStrip, GridStripsKeepEveryTriangleAndItsWinding)
{
    std::vector<unsigned int> grid = GridTriangles(6);
    const unsigned int triangles = unsigned(grid.size() / 3);
    Strips strips;
    PVRTTriStrip(&strips.indices, &strips.lengths, &strips.count, grid.data(), triangles);
    ASSERT_GE(strips.count, 1u);
    EXPECT_LE(strips.count, 12u) << "a 6 x 6 grid strips into far fewer strips than triangles";
    EXPECT_EQ(strips.All().size(), triangles + 2 * strips.count);
    std::vector<unsigned int> fromStrips = strips.Triangles();
    EXPECT_EQ(CanonicalSet(fromStrips.data(), triangles), CanonicalSet(grid.data(), triangles));

    std::vector<unsigned int> list = grid;
    PVRTTriStripList(list.data(), triangles);
    EXPECT_EQ(CanonicalSet(list.data(), triangles), CanonicalSet(grid.data(), triangles));
}

TEST(PVRTTriStrip, ClosedMeshesAndEmptyListsFinish)
{
    // A closed cube: every triangle has three neighbours.
    const unsigned int cube[] = {0, 1, 2, 2, 1, 3, 4, 6, 5, 5, 6, 7, 0, 4, 1, 1, 4, 5,
                                 2, 3, 6, 6, 3, 7, 0, 2, 4, 4, 2, 6, 1, 5, 3, 3, 5, 7};
    Strips strips;
    PVRTTriStrip(&strips.indices, &strips.lengths, &strips.count, cube, 12);
    std::vector<unsigned int> fromStrips = strips.Triangles();
    EXPECT_EQ(CanonicalSet(fromStrips.data(), 12), CanonicalSet(cube, 12));
    EXPECT_LT(strips.count, 12u);

    Strips none;
    PVRTTriStrip(&none.indices, &none.lengths, &none.count, nullptr, 0);
    EXPECT_EQ(none.count, 0u);
}

TEST(PVRTTriStrip, LeavesTheProgramsRandomSequenceAlone)
{
    std::vector<unsigned int> grid = GridTriangles(4);
    std::srand(77);
    int const expected = std::rand();
    std::srand(77);
    Strips strips;
    PVRTTriStrip(&strips.indices, &strips.lengths, &strips.count, grid.data(), unsigned(grid.size() / 3));
    EXPECT_EQ(std::rand(), expected);
}

} // namespace
