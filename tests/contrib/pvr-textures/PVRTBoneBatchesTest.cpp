// Bone batches: palettes within the limit, vertices copied where batches
// number their bones differently.
#include "contrib/pvr/PVRTBoneBatches.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <vector>

namespace {

struct SkinnedVertex {
    float weights[2];
    float bones[2];
    int tag;
};

struct Result {
    CPVRTBoneBatches batches{};
    int vertexCount = -1;
    SkinnedVertex* vertices = nullptr;
    int code = -1;
    ~Result()
    {
        batches.Release();
        std::free(vertices);
    }
    std::vector<int> Palette(int b) const
    {
        return std::vector<int>(batches.pnBatches + b * batches.nBatchBoneMax,
                                batches.pnBatches + b * batches.nBatchBoneMax + batches.pnBatchBoneCnt[b]);
    }
};

void Create(Result& r, std::vector<SkinnedVertex> const& vertices, std::vector<unsigned int>& indices, int mostBones,
            int bonesPerVertex = 2)
{
    r.code = r.batches.Create(&r.vertexCount, reinterpret_cast<char**>(&r.vertices), indices.data(),
                              int(vertices.size()), reinterpret_cast<const char*>(vertices.data()),
                              sizeof(SkinnedVertex), offsetof(SkinnedVertex, weights), EPODDataFloat,
                              offsetof(SkinnedVertex, bones), EPODDataFloat, int(indices.size() / 3), mostBones,
                              bonesPerVertex);
}

// One bone at full weight; the second slot unweighted with a stray index.
SkinnedVertex On(float bone, int tag)
{
    return {{1, 0}, {bone, 9}, tag};
}

TEST(PVRTBoneBatches, FewBonesMakeOneBatchInInputOrder)
{
    std::vector<SkinnedVertex> vertices = {On(5, 0), On(7, 1), On(5, 2), On(7, 3)};
    std::vector<unsigned int> indices = {0, 1, 2, 2, 1, 3};
    Result r;
    Create(r, vertices, indices, 4);
    ASSERT_EQ(r.code, 0);
    ASSERT_EQ(r.batches.nBatchCnt, 1);
    EXPECT_EQ(r.batches.pnBatchOffset[0], 0);
    EXPECT_EQ(r.Palette(0), (std::vector<int>{5, 7}));
    EXPECT_EQ(r.vertexCount, 4);
    EXPECT_EQ(indices, (std::vector<unsigned int>{0, 1, 2, 2, 1, 3}));
    for (int i = 0; i < r.vertexCount; ++i) {
        EXPECT_EQ(r.vertices[i].tag, i);
        EXPECT_EQ(r.vertices[i].bones[0], i % 2 ? 1 : 0);
        EXPECT_EQ(r.vertices[i].bones[1], 0) << "an unweighted slot gets index 0";
    }
}

TEST(PVRTBoneBatches, SharedVertexIsCopiedOnlyWhereItsPalettePositionDiffers)
{
    // Batch {1, 2} and batch {3, 1} (mostBones 2): vertex 2 (bone 1) sits at
    // position 0 in the first palette and 1 in the second.
    std::vector<SkinnedVertex> vertices = {On(1, 0), On(2, 1), On(1, 2), On(3, 3), On(3, 4)};
    std::vector<unsigned int> indices = {0, 1, 2, 3, 2, 4};
    Result differ;
    Create(differ, vertices, indices, 2);
    ASSERT_EQ(differ.code, 0);
    ASSERT_EQ(differ.batches.nBatchCnt, 2);
    EXPECT_EQ(differ.Palette(1), (std::vector<int>{3, 1}));
    EXPECT_EQ(differ.batches.pnBatchOffset[1], 1);
    EXPECT_EQ(differ.vertexCount, 6);
    EXPECT_EQ(differ.vertices[indices[4]].tag, 2);
    EXPECT_EQ(differ.vertices[indices[4]].bones[0], 1);

    // Batch {1, 3}: bone 1 at position 0 in both, one copy serves.
    indices = {0, 1, 2, 2, 3, 4};
    Result same;
    Create(same, vertices, indices, 2);
    ASSERT_EQ(same.code, 0);
    EXPECT_EQ(same.batches.nBatchCnt, 2);
    EXPECT_EQ(same.vertexCount, 5);
}

TEST(PVRTBoneBatches, ContainedBoneSetsMerge)
{
    // {1, 2} then {1, 2, 3}: the second contains the first.
    std::vector<SkinnedVertex> vertices = {On(1, 0), On(2, 1), On(1, 2), On(3, 3)};
    std::vector<unsigned int> indices = {0, 1, 2, 1, 2, 3};
    Result r;
    Create(r, vertices, indices, 3);
    ASSERT_EQ(r.code, 0);
    ASSERT_EQ(r.batches.nBatchCnt, 1);
    EXPECT_EQ(r.Palette(0), (std::vector<int>{1, 2, 3}));
}

TEST(PVRTBoneBatches, FailuresLeaveEverythingUntouched)
{
    std::vector<SkinnedVertex> vertices = {On(1, 0), On(2, 1), On(3, 2)};
    struct Case {
        const char* what;
        std::vector<unsigned int> indices;
        int mostBones, bonesPerVertex;
    } const cases[] = {
        {"no bone slots", {0, 1, 2}, 4, 0},
        {"five bone slots", {0, 1, 2}, 4, 5},
        {"triangle with too many bones", {0, 1, 2}, 2, 2},
        {"no palette", {0, 1, 2}, 0, 2},
        {"index beyond the vertices", {0, 1, 3}, 4, 2},
    };
    for (Case const& c : cases) {
        std::vector<unsigned int> indices = c.indices;
        Result r;
        Create(r, vertices, indices, c.mostBones, c.bonesPerVertex);
        EXPECT_EQ(r.code, 1) << c.what;
        EXPECT_EQ(r.batches.nBatchCnt, 0) << c.what;
        EXPECT_EQ(r.batches.pnBatches, nullptr) << c.what;
        EXPECT_EQ(r.vertices, nullptr) << c.what;
        EXPECT_EQ(r.vertexCount, -1) << c.what;
        EXPECT_EQ(indices, c.indices) << c.what;
    }
}

} // namespace
