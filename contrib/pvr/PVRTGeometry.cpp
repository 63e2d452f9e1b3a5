// The geometry sort: connected groups of vertices (meshes) are cut into
// blocks that fit the limits, growing each block from a seed vertex by the
// triangles that add the fewest vertices and close the most edges.
#include "contrib/pvr/PVRTGeometry.h"

#include "contrib/pvr/PVRTError.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <unordered_map>
#include <vector>

namespace {

// A block needs room for a whole new triangle.
constexpr int kMinVertexLimit = 3;
// Ratios of triangles to vertices closer than this count as equal.
constexpr float kRatioTolerance = 0.1f;

struct SVtx;

struct SEdg {
    SVtx* verts[2];
    int freeTriangles; // triangles using it that are not yet output
};

struct STri {
    unsigned int* indices;
    SVtx* verts[3];
    SEdg* edges[3];
    bool used;
};

struct SVtx {
    std::vector<STri*> triangles;
    int freeTriangles;
};

using SMesh = std::vector<SVtx*>;

class CBlockOption {
public:
    void Init(int vertexLimit, int triangleLimit)
    {
        this->vertexLimit = vertexLimit;
        this->triangleLimit = triangleLimit;
        verts.reserve(vertexLimit);
        tris.reserve(triangleLimit);
        edges.reserve(3 * size_t(triangleLimit));
    }

    void Clear()
    {
        verts.clear();
        edges.clear();
        tris.clear();
    }

    bool IsEmpty() const { return verts.empty() && edges.empty() && tris.empty(); }
    int FreeVertexSlots() const { return vertexLimit - int(verts.size()); }
    int FreeTriangleSlots() const { return triangleLimit - int(tris.size()); }
    bool IsFull() const { return FreeVertexSlots() < 3 || FreeTriangleSlots() <= 0; }

    bool UsingVertex(SVtx const* v) const
    {
        for (size_t i = verts.size(); i-- > 0;)
            if (verts[i] == v)
                return true;
        return false;
    }

    bool Contains(STri const* t) const
    {
        for (size_t i = tris.size(); i-- > 0;)
            if (tris[i] == t)
                return true;
        return false;
    }

    void AddVertex(SVtx* v) { verts.push_back(v); }

    void AddVertexCheckDup(SVtx* v)
    {
        if (!UsingVertex(v))
            AddVertex(v);
    }

    void AddTriangleCheckDup(STri* t)
    {
        if (!Contains(t))
            tris.push_back(t);
    }

    void AddEdgeCheckDup(SEdg* e)
    {
        for (Edge& known : edges) {
            if (known.edge == e) {
                ++known.uses;
                return;
            }
        }
        edges.push_back({e, 1});
    }

    void AddTriangle(STri* t)
    {
        tris.push_back(t);
        for (SEdg* e : t->edges)
            AddEdgeCheckDup(e);
    }

    void AddOneTriangle(STri* t)
    {
        AddTriangle(t);
        for (SVtx* v : t->verts)
            AddVertexCheckDup(v);
    }

    void Add(CBlockOption const& other)
    {
        for (SVtx* v : other.verts)
            AddVertexCheckDup(v);
        for (STri* t : other.tris)
            AddTriangle(t);
    }

    void Add(SMesh const& mesh)
    {
        for (SVtx* v : mesh)
            AddVertexCheckDup(v);
        for (SVtx* v : mesh)
            for (STri* t : v->triangles)
                if (!t->used)
                    AddTriangleCheckDup(t);
    }

    // Edges left with one free triangle outside the block cost a point;
    // edges whose last free triangle is inside it earn one.
    int ClosedEdgeScore() const
    {
        int score = 0;
        for (Edge const& e : edges) {
            if (e.edge->freeTriangles - e.uses == 1)
                --score;
            else if (e.edge->freeTriangles == 1 && e.uses == 1)
                ++score;
        }
        return score;
    }

    bool IsBetterThan(CBlockOption const& other) const
    {
        // An option adding no vertex has an infinite ratio.
        float ratio = float(tris.size()) / float(verts.size());
        float otherRatio = float(other.tris.size()) / float(other.verts.size());
        if (std::fabs(ratio - otherRatio) > kRatioTolerance)
            return ratio > otherRatio;
        int score = ClosedEdgeScore();
        int otherScore = other.ClosedEdgeScore();
        if (score != otherScore)
            return score > otherScore;
        return tris.size() > other.tris.size();
    }

    struct Edge {
        SEdg* edge;
        int uses; // triangles of this option using it
    };
    std::vector<SVtx*> verts;
    std::vector<Edge> edges;
    std::vector<STri*> tris;
    int vertexLimit = 0;
    int triangleLimit = 0;
};

// The block being filled: the option under growth, the best so far, and
// two scratch options for appraising candidate triangles.
class CBlock {
public:
    CBlock(int vertexLimit, int triangleLimit)
    {
        current.Init(vertexLimit, triangleLimit);
        best.Init(vertexLimit, triangleLimit);
        candidate.Init(kMinVertexLimit, triangleLimit);
        bestCandidate.Init(kMinVertexLimit, triangleLimit);
    }

    void Clear()
    {
        current.Clear();
        best.Clear();
    }

    CBlockOption current;
    CBlockOption best;
    CBlockOption candidate;
    CBlockOption bestCandidate;
};

class CObject {
public:
    CObject(unsigned int* indices, int vertexCount, int triangleCount, int vertexLimit, int triangleLimit);

    int GetVertexCount() const { return int(vertices.size()); }
    int GetTriangleCount() const { return int(triangles.size()); }

    // The triangles in block order, three indices each.
    std::vector<unsigned int> SortedIndices();

private:
    SEdg* FindOrAddEdge(SVtx* a, SVtx* b);
    void BuildMeshes();
    void ListMesh(SMesh const& mesh);
    void Relist(SMesh const& mesh);
    void FillBlock(CBlock& block, int* namedSize);
    bool GrowFromSeed(CBlock& block, SVtx* seed, size_t largeIndex);
    void Grow(CBlock& block, CBlockOption& option);
    bool Appraise(CBlockOption const& option, STri* t, CBlockOption& candidate) const;
    void Output(CBlockOption const& option, std::vector<unsigned int>& out);
    int UnusedTriangles(SMesh const& mesh) const;

    std::vector<STri> triangles;
    std::vector<SEdg> edges;
    std::vector<SVtx> vertices;
    std::unordered_map<uint64_t, size_t> edgeIndex;
    int trianglesNotUsed;
    std::vector<std::vector<SMesh>> meshesBySize; // index i: meshes of i + 3 vertices
    std::vector<SMesh> largeMeshes;
    int vertexLimit;
    int triangleLimit;
};

CObject::CObject(unsigned int* indices, int vertexCount, int triangleCount, int vertexLimit, int triangleLimit)
    : triangles(triangleCount), vertices(vertexCount), trianglesNotUsed(triangleCount),
      meshesBySize(vertexLimit - 2), vertexLimit(vertexLimit), triangleLimit(triangleLimit)
{
    edges.reserve(3 * size_t(triangleCount));
    for (SVtx& v : vertices)
        v.freeTriangles = 0;
    for (int i = 0; i < triangleCount; ++i) {
        STri& t = triangles[i];
        t.indices = indices + 3 * size_t(i);
        t.used = false;
        for (int k = 0; k < 3; ++k) {
            t.verts[k] = &vertices[t.indices[k]];
            ++t.verts[k]->freeTriangles;
        }
        for (int k = 0; k < 3; ++k)
            t.edges[k] = FindOrAddEdge(t.verts[k], t.verts[(k + 1) % 3]);
    }
    for (STri& t : triangles)
        for (SVtx* v : t.verts)
            v->triangles.push_back(&t);
    BuildMeshes();
}

SEdg* CObject::FindOrAddEdge(SVtx* a, SVtx* b)
{
    if (b < a)
        std::swap(a, b);
    uint64_t key = uint64_t(a - vertices.data()) << 32 | uint64_t(b - vertices.data());
    auto found = edgeIndex.find(key);
    if (found != edgeIndex.end()) {
        ++edges[found->second].freeTriangles;
        return &edges[found->second];
    }
    edgeIndex.emplace(key, edges.size());
    edges.push_back({{a, b}, 1});
    return &edges.back();
}

void CObject::BuildMeshes()
{
    std::vector<bool> placed(vertices.size(), false);
    for (size_t first = 0; first < vertices.size(); ++first) {
        if (placed[first])
            continue;
        SMesh mesh{&vertices[first]};
        placed[first] = true;
        for (size_t i = 0; i < mesh.size(); ++i) {
            for (STri* t : mesh[i]->triangles) {
                for (SVtx* v : t->verts) {
                    size_t index = size_t(v - vertices.data());
                    if (!placed[index]) {
                        placed[index] = true;
                        mesh.push_back(v);
                    }
                }
            }
        }
        ListMesh(mesh);
    }
}

void CObject::ListMesh(SMesh const& mesh)
{
    if (mesh.size() < 3)
        return;
    if (int(mesh.size()) >= vertexLimit)
        largeMeshes.push_back(mesh);
    else
        meshesBySize[mesh.size() - 3].push_back(mesh);
}

void CObject::Relist(SMesh const& mesh)
{
    SMesh left;
    for (SVtx* v : mesh)
        if (v->freeTriangles > 0)
            left.push_back(v);
    ListMesh(left);
}

int CObject::UnusedTriangles(SMesh const& mesh) const
{
    CBlockOption all;
    all.Add(mesh);
    return int(all.tris.size());
}

bool CObject::Appraise(CBlockOption const& option, STri* t, CBlockOption& candidate) const
{
    candidate.Clear();
    for (SVtx* v : t->verts)
        if (!option.UsingVertex(v))
            candidate.AddVertexCheckDup(v);
    if (int(candidate.verts.size()) > option.FreeVertexSlots())
        return false;
    const int room = option.FreeTriangleSlots();
    auto usable = [&](SVtx* v) {
        return v == t->verts[0] || v == t->verts[1] || v == t->verts[2] || option.UsingVertex(v);
    };
    for (SVtx* v : t->verts) {
        for (STri* u : v->triangles) {
            if (int(candidate.tris.size()) >= room)
                return true;
            if (u->used || option.Contains(u) || candidate.Contains(u))
                continue;
            if (usable(u->verts[0]) && usable(u->verts[1]) && usable(u->verts[2]))
                candidate.AddTriangle(u);
        }
    }
    return true;
}

void CObject::Grow(CBlock& block, CBlockOption& option)
{
    while (option.FreeTriangleSlots() > 0) {
        bool found = false;
        for (size_t i = 0; i < option.verts.size(); ++i) {
            for (STri* t : option.verts[i]->triangles) {
                if (t->used || option.Contains(t) || !Appraise(option, t, block.candidate))
                    continue;
                if (!found || block.candidate.IsBetterThan(block.bestCandidate)) {
                    std::swap(block.candidate, block.bestCandidate);
                    found = true;
                }
            }
        }
        if (!found)
            return;
        option.Add(block.bestCandidate);
    }
}

bool CObject::GrowFromSeed(CBlock& block, SVtx* seed, size_t largeIndex)
{
    CBlockOption& option = block.current;
    option.Clear();
    option.AddVertex(seed);
    Grow(block, option);
    if (option.FreeVertexSlots() >= 3 && option.FreeTriangleSlots() > 0) {
        // Growth ran out of triangles, not of room: these vertices form a
        // closed group of their own.
        SMesh rest;
        for (SVtx* v : largeMeshes[largeIndex])
            if (!option.UsingVertex(v))
                rest.push_back(v);
        SMesh part = option.verts;
        if (int(rest.size()) >= vertexLimit) {
            largeMeshes[largeIndex] = rest;
        } else {
            largeMeshes.erase(largeMeshes.begin() + long(largeIndex));
            ListMesh(rest);
        }
        ListMesh(part);
        return true;
    }
    if (block.best.IsEmpty() || option.IsBetterThan(block.best))
        block.best = option;
    return false;
}

void CObject::FillBlock(CBlock& block, int* namedSize)
{
    *namedSize = -1;
    bool restart = true;
    while (restart) {
        restart = false;
        while (!largeMeshes.empty()) {
            const size_t newest = largeMeshes.size() - 1;
            const SMesh mesh = largeMeshes[newest];
            for (SVtx* v : mesh) {
                if (v->freeTriangles == 1 && GrowFromSeed(block, v, newest)) {
                    restart = true;
                    break;
                }
            }
            if (restart)
                break;
            if (block.best.IsEmpty()) {
                SVtx* seed = nullptr;
                for (SVtx* v : mesh) {
                    if (v->freeTriangles > 0) {
                        seed = v;
                        break;
                    }
                }
                if (!seed) {
                    largeMeshes.pop_back();
                    continue;
                }
                if (GrowFromSeed(block, seed, newest)) {
                    restart = true;
                    break;
                }
            }
            if (block.best.IsFull())
                return;
            break;
        }
    }

    // Whole small meshes, largest first, while they fit. A mesh with more
    // triangles than the block has room for is left to seeded growth.
    CBlockOption& best = block.best;
    bool added = true;
    while (added && best.FreeVertexSlots() >= 3) {
        added = false;
        for (int size = std::min(best.FreeVertexSlots(), vertexLimit); size >= 3 && !added; --size) {
            std::vector<SMesh>& list = meshesBySize[size - 3];
            for (size_t j = list.size(); j-- > 0;) {
                if (UnusedTriangles(list[j]) <= best.FreeTriangleSlots()) {
                    best.Add(list[j]);
                    list.erase(list.begin() + long(j));
                    added = true;
                    break;
                }
            }
        }
    }
    if (best.IsFull())
        return;

    for (int size = vertexLimit; size >= 4; --size) {
        std::vector<SMesh>& list = meshesBySize[size - 3];
        if (list.empty())
            continue;
        block.current = best;
        block.current.AddVertexCheckDup(list.back().front());
        Grow(block, block.current);
        best = block.current;
        *namedSize = size;
        return;
    }
}

void CObject::Output(CBlockOption const& option, std::vector<unsigned int>& out)
{
    for (STri* t : option.tris) {
        out.insert(out.end(), t->indices, t->indices + 3);
        t->used = true;
        --trianglesNotUsed;
        for (int k = 0; k < 3; ++k) {
            --t->verts[k]->freeTriangles;
            --t->edges[k]->freeTriangles;
        }
    }
}

std::vector<unsigned int> CObject::SortedIndices()
{
    std::vector<unsigned int> out;
    out.reserve(triangles.size() * 3);
    CBlock block(vertexLimit, triangleLimit);
    while (trianglesNotUsed > 0) {
        block.Clear();
        int namedSize;
        FillBlock(block, &namedSize);
        if (block.best.IsEmpty()) {
            // Whatever the meshes left (a group of three vertices with more
            // triangles than a block holds) grows from its first vertex.
            for (STri& t : triangles) {
                if (!t.used) {
                    block.best.AddVertex(t.verts[0]);
                    Grow(block, block.best);
                    break;
                }
            }
        }
        Output(block.best, out);
        if (namedSize >= 0) {
            std::vector<SMesh>& list = meshesBySize[namedSize - 3];
            SMesh eaten = list.back();
            list.pop_back();
            Relist(eaten);
        }
    }
    return out;
}

void RenumberVertices(unsigned char* vertices, unsigned int* indices, int stride, int vertexCount, int triangleCount)
{
    const unsigned int unassigned = ~0u;
    std::vector<unsigned int> newNumber(vertexCount, unassigned);
    std::vector<unsigned char> reordered(size_t(vertexCount) * stride);
    unsigned int next = 0;
    for (size_t i = 0; i < size_t(triangleCount) * 3; ++i) {
        unsigned int& number = newNumber[indices[i]];
        if (number == unassigned) {
            number = next++;
            std::memcpy(&reordered[size_t(number) * stride], vertices + size_t(indices[i]) * stride, stride);
        }
        indices[i] = number;
    }
    std::memcpy(vertices, reordered.data(), reordered.size());
}

} // namespace

void PVRTGeometrySort(void* vertices, unsigned int* indices, int vertexStride, int vertexCount, int triangleCount,
                      int blockVertexLimit, int blockTriangleLimit, unsigned int flags)
{
    if (blockVertexLimit < kMinVertexLimit || blockTriangleLimit < 1 || vertexCount < 0 || triangleCount < 0
        || vertexStride < 0) {
        PVRTErrorOutputDebug("PVRTGeometrySort: limits of %d vertices and %d triangles are too small.\n",
                             blockVertexLimit, blockTriangleLimit);
        return;
    }
    for (size_t i = 0; i < size_t(triangleCount) * 3; ++i) {
        if (indices[i] >= unsigned(vertexCount)) {
            PVRTErrorOutputDebug("PVRTGeometrySort: index %u beyond the %d vertices.\n", indices[i], vertexCount);
            return;
        }
    }
    if (flags & PVRTGEOMETRY_SORT_VERTEXCACHE) {
        CObject object(indices, vertexCount, triangleCount, blockVertexLimit, blockTriangleLimit);
        std::vector<unsigned int> sorted = object.SortedIndices();
        std::memcpy(indices, sorted.data(), sorted.size() * sizeof(unsigned int));
    }
    if (!(flags & PVRTGEOMETRY_SORT_IGNOREVERTS))
        RenumberVertices(static_cast<unsigned char*>(vertices), indices, vertexStride, vertexCount, triangleCount);
}
