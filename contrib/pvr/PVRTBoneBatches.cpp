// Splitting a skinned mesh into bone batches.
#include "contrib/pvr/PVRTBoneBatches.h"

#include "contrib/pvr/PVRTVertex.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <list>
#include <vector>

namespace {

constexpr int kMaxBonesPerVertex = 4;

// One batch's palette of bone indices while the batches are worked out.
class CBatch {
public:
    void SetSize(int size)
    {
        capacity = size;
        bones.clear();
        bones.reserve(size);
    }

    bool Add(int bone)
    {
        if (bone < 0)
            return false;
        if (Has(bone))
            return true;
        if (int(bones.size()) >= capacity)
            return false;
        bones.push_back(bone);
        return true;
    }

    bool Has(int bone) const { return std::find(bones.begin(), bones.end(), bone) != bones.end(); }

    bool Contains(CBatch const& other) const
    {
        return std::all_of(other.bones.begin(), other.bones.end(), [this](int bone) { return Has(bone); });
    }

    // The bones of other this lacks, or -1 when taking them would overflow.
    int TestMerge(CBatch const& other) const
    {
        int missing
            = int(std::count_if(other.bones.begin(), other.bones.end(), [this](int bone) { return !Has(bone); }));
        return int(bones.size()) + missing > capacity ? -1 : missing;
    }

    void Merge(CBatch const& other)
    {
        for (int bone : other.bones)
            Add(bone);
    }

    // Turns each weighted slot's bone index into its palette position; an
    // unweighted slot gets 0.
    void GetVertexBoneIndices(float* indices, float const* weights, int n) const
    {
        for (int i = 0; i < n; ++i) {
            if (weights[i] == 0) {
                indices[i] = 0;
                continue;
            }
            for (size_t j = 0; j < bones.size(); ++j) {
                if (float(bones[j]) == indices[i]) {
                    indices[i] = float(j);
                    break;
                }
            }
        }
    }

    std::vector<int> bones;
    int capacity = 0;
};

int BoneOf(float index)
{
    if (std::isnan(index))
        return -1;
    return int(std::clamp(index, -1.0f, 2147483520.0f));
}

struct VertexBones {
    float weights[kMaxBonesPerVertex];
    float indices[kMaxBonesPerVertex];
};

class BatchBuilder {
public:
    BatchBuilder(char const* vertices, int stride, int weightOffset, EPVRTDataType weightType, int indexOffset,
                 EPVRTDataType indexType, int mostBones, int bonesPerVertex)
        : vertices(vertices), stride(stride), weightOffset(weightOffset), weightType(weightType),
          indexOffset(indexOffset), indexType(indexType), mostBones(mostBones), bonesPerVertex(bonesPerVertex)
    {
    }

    VertexBones Read(unsigned int vertex) const
    {
        PVRTVECTOR4f weights, indices;
        const char* base = vertices + size_t(vertex) * stride;
        PVRTVertexRead(&weights, base + weightOffset, weightType, bonesPerVertex);
        PVRTVertexRead(&indices, base + indexOffset, indexType, bonesPerVertex);
        VertexBones bones
            = {{weights.x, weights.y, weights.z, weights.w}, {indices.x, indices.y, indices.z, indices.w}};
        for (int i = bonesPerVertex; i < kMaxBonesPerVertex; ++i)
            bones.weights[i] = bones.indices[i] = 0;
        return bones;
    }

    // The bones one triangle uses; false when they do not fit a palette.
    bool FillBatch(CBatch& batch, unsigned int const* triangle) const
    {
        batch.SetSize(mostBones);
        for (int corner = 0; corner < 3; ++corner) {
            VertexBones bones = Read(triangle[corner]);
            for (int slot = 0; slot < bonesPerVertex; ++slot)
                if (bones.weights[slot] != 0 && !batch.Add(BoneOf(bones.indices[slot])))
                    return false;
        }
        return true;
    }

    char const* vertices;
    int stride, weightOffset;
    EPVRTDataType weightType;
    int indexOffset;
    EPVRTDataType indexType;
    int mostBones, bonesPerVertex;
};

} // namespace

int CPVRTBoneBatches::Create(int* vertexCountOut, char** verticesOut, unsigned int* indices, int vertexCount,
                             char const* vertices, int stride, int weightOffset, EPVRTDataType weightType,
                             int indexOffset, EPVRTDataType indexType, int triangleCount, int mostBones,
                             int bonesPerVertex)
{
    Release();
    if (bonesPerVertex < 1 || bonesPerVertex > kMaxBonesPerVertex || mostBones < 1 || triangleCount < 0
        || vertexCount < 0 || stride < 0)
        return 1;
    for (size_t i = 0; i < size_t(triangleCount) * 3; ++i)
        if (indices[i] >= unsigned(vertexCount))
            return 1;

    const BatchBuilder builder(vertices, stride, weightOffset, weightType, indexOffset, indexType, mostBones,
                               bonesPerVertex);
    std::list<CBatch> batches;
    CBatch set;
    for (int tri = 0; tri < triangleCount; ++tri) {
        if (!builder.FillBatch(set, indices + size_t(tri) * 3))
            return 1;
        bool placed = false;
        for (CBatch& batch : batches) {
            if (batch.Contains(set)) {
                placed = true;
                break;
            }
            if (set.Contains(batch)) {
                batch.Merge(set);
                placed = true;
                break;
            }
        }
        if (!placed)
            batches.push_back(set);
    }

    for (auto a = batches.begin(); a != batches.end(); ++a) {
        while (true) {
            auto chosen = batches.end();
            int fewest = 0;
            for (auto b = std::next(a); b != batches.end(); ++b) {
                int added = a->TestMerge(*b);
                if (added >= 0 && (chosen == batches.end() || added < fewest)) {
                    chosen = b;
                    fewest = added;
                }
            }
            if (chosen == batches.end())
                break;
            a->Merge(*chosen);
            batches.erase(chosen);
        }
    }

    std::vector<int> assignment(triangleCount);
    for (int tri = 0; tri < triangleCount; ++tri) {
        builder.FillBatch(set, indices + size_t(tri) * 3);
        int b = 0;
        for (auto it = batches.begin(); it != batches.end() && !it->Contains(set); ++it)
            ++b;
        assignment[tri] = b;
    }

    const int count = int(batches.size());
    nBatchBoneMax = mostBones;
    nBatchCnt = count;
    pnBatches = new int[size_t(mostBones) * std::max(1, count)]();
    pnBatchBoneCnt = new int[std::max(1, count)]();
    pnBatchOffset = new int[std::max(1, count)]();

    std::vector<unsigned int> newIndices;
    newIndices.reserve(size_t(triangleCount) * 3);
    std::vector<char> out;
    struct Copy {
        unsigned int number;
        float indices[kMaxBonesPerVertex];
    };
    std::vector<std::vector<Copy>> copies(vertexCount);
    unsigned int written = 0;
    int b = 0;
    for (CBatch const& batch : batches) {
        std::copy(batch.bones.begin(), batch.bones.end(), pnBatches + size_t(b) * mostBones);
        pnBatchBoneCnt[b] = int(batch.bones.size());
        pnBatchOffset[b] = int(newIndices.size() / 3);
        for (int tri = 0; tri < triangleCount; ++tri) {
            if (assignment[tri] != b)
                continue;
            for (int corner = 0; corner < 3; ++corner) {
                const unsigned int vertex = indices[size_t(tri) * 3 + corner];
                VertexBones bones = builder.Read(vertex);
                batch.GetVertexBoneIndices(bones.indices, bones.weights, bonesPerVertex);
                const Copy* reuse = nullptr;
                for (Copy const& copy : copies[vertex])
                    if (std::memcmp(copy.indices, bones.indices, sizeof(bones.indices)) == 0 && !reuse)
                        reuse = &copy;
                if (!reuse) {
                    Copy copy = {written++, {}};
                    std::memcpy(copy.indices, bones.indices, sizeof(bones.indices));
                    const char* source = vertices + size_t(vertex) * stride;
                    out.insert(out.end(), source, source + stride);
                    PVRTVECTOR4f converted = {bones.indices[0], bones.indices[1], bones.indices[2], bones.indices[3]};
                    PVRTVertexWrite(&out[size_t(copy.number) * stride + indexOffset], indexType, bonesPerVertex,
                                    &converted);
                    copies[vertex].push_back(copy);
                    reuse = &copies[vertex].back();
                }
                newIndices.push_back(reuse->number);
            }
        }
        ++b;
    }

    char* array = static_cast<char*>(std::malloc(std::max<size_t>(1, out.size())));
    if (!array) {
        Release();
        return 1;
    }
    std::memcpy(array, out.data(), out.size());
    std::copy(newIndices.begin(), newIndices.end(), indices);
    *verticesOut = array;
    *vertexCountOut = int(written);
    return 0;
}
