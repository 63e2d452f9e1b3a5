// The triangle stripper: strips grow across shared edges, are improved by
// random passes, and the best of a few random sequences is kept.
#include "contrib/pvr/PVRTTriStrip.h"

#include <algorithm>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

// Random sequences tried; the one giving the fewest strips wins.
constexpr unsigned int kSeedCount = 5;

class CTri {
public:
    // The edge running from index a to index b (0, 1 or 2), or -1.
    int FindEdge(unsigned int a, unsigned int b) const
    {
        for (int e = 0; e < 3; ++e)
            if (indices[e] == a && indices[(e + 1) % 3] == b)
                return e;
        return -1;
    }

    // The edge whose neighbour is t, or -1.
    int EdgeFromAdjTri(CTri const* t) const
    {
        for (int e = 0; e < 3; ++e)
            if (neighbours[e] == t)
                return e;
        return -1;
    }

    void Cement()
    {
        cementedPrev = prev;
        cementedNext = next;
        cementedParity = parity;
    }

    void Undo()
    {
        prev = cementedPrev;
        next = cementedNext;
        parity = cementedParity;
    }

    CTri* prev = nullptr;
    CTri* next = nullptr;
    bool parity = true;
    CTri* cementedPrev = nullptr;
    CTri* cementedNext = nullptr;
    bool cementedParity = true;
    CTri* neighbours[3] = {};
    bool inGrowth = false;
    bool touched = false; // its links changed during the growth under way
    unsigned int const* indices = nullptr;
};

class CStrip {
public:
    // The improvement passes draw from a generator of the stripper's own,
    // started at `seed`: the program's rand() sequence is left alone.
    CStrip(unsigned int const* triangleIndices, unsigned int count, unsigned int seed)
        : tris(count), stripCount(count), random(seed + 1)
    {
        growth.reserve(count);
        touched.reserve(count);
        for (unsigned int i = 0; i < count; ++i)
            tris[i].indices = triangleIndices + i * 3;
        FindNeighbours();
    }

    void StripFromEdges();
    void StripImprove();
    // Writes the strips; the index array has room for count + 2 x strips.
    void Output(unsigned int** strips, unsigned int** lengths, unsigned int* count) const;
    unsigned int StripCount() const { return stripCount; }

private:
    void FindNeighbours();
    bool StripGrow(CTri& start, int edge, int threshold);
    void Touch(CTri* t)
    {
        if (t && !t->touched) {
            t->touched = true;
            touched.push_back(t);
        }
    }
    void Unlink(CTri& t, int& change);
    void Settle(bool keep);

    std::vector<CTri> tris;
    unsigned int stripCount;
    std::vector<CTri*> growth;
    std::vector<CTri*> touched;
    std::minstd_rand random;
};

void CStrip::FindNeighbours()
{
    for (size_t i = 0; i < tris.size(); ++i) {
        CTri& tri = tris[i];
        for (size_t j = 0; j < i; ++j) {
            if (tri.neighbours[0] && tri.neighbours[1] && tri.neighbours[2])
                break;
            CTri& other = tris[j];
            for (int e = 0; e < 3; ++e) {
                if (tri.neighbours[e])
                    continue;
                int back = other.FindEdge(tri.indices[(e + 1) % 3], tri.indices[e]);
                if (back >= 0 && !other.neighbours[back]) {
                    tri.neighbours[e] = &other;
                    other.neighbours[back] = &tri;
                }
            }
        }
    }
}

// Takes t out of its strip, adding the change in the number of strips.
void CStrip::Unlink(CTri& t, int& change)
{
    Touch(&t);
    Touch(t.prev);
    Touch(t.next);
    if (t.prev && t.next)
        change += 1;
    else if (!t.prev && !t.next)
        change -= 1;
    if (t.prev)
        t.prev->next = nullptr;
    if (CTri* next = t.next) {
        next->prev = nullptr;
        // A strip cannot start on an odd triangle: cut it off on its own.
        if (!next->parity && next->next) {
            Touch(next->next);
            next->next->prev = nullptr;
            next->next = nullptr;
            change += 1;
        }
    }
    t.prev = nullptr;
    t.next = nullptr;
}

// Keeps (cements) or undoes the links changed by the growth under way.
void CStrip::Settle(bool keep)
{
    for (CTri* t : touched) {
        if (keep)
            t->Cement();
        else
            t->Undo();
        t->touched = false;
    }
    for (CTri* t : growth)
        t->inGrowth = false;
    touched.clear();
    growth.clear();
}

bool CStrip::StripGrow(CTri& start, int edge, int threshold)
{
    int change = 1; // the new strip
    bool parity = true;
    CTri* previous = nullptr;
    CTri* tri = &start;
    while (true) {
        Unlink(*tri, change);
        if (previous) {
            previous->next = tri;
            tri->prev = previous;
        }
        tri->inGrowth = true;
        tri->parity = parity;
        growth.push_back(tri);

        if (change <= threshold) {
            stripCount += change;
            Settle(true);
            return change != 0;
        }

        CTri* next = tri->neighbours[edge];
        if (!next || next->inGrowth)
            break;
        int back = next->EdgeFromAdjTri(tri);
        edge = parity ? (back + 2) % 3 : (back + 1) % 3;
        parity = !parity;
        previous = tri;
        tri = next;
    }
    Settle(false);
    return false;
}

void CStrip::StripFromEdges()
{
    for (CTri& end : tris) {
        int edges = 0;
        int edge = -1;
        for (int e = 0; e < 3; ++e) {
            if (end.neighbours[e]) {
                ++edges;
                edge = e;
            }
        }
        if (edges != 1)
            continue;
        // A walk moves two triangles a step; on a closed band it could come
        // round for ever, so it stops after visiting as many as there are.
        CTri* tri = &end;
        for (size_t steps = 0; steps < tris.size(); ++steps) {
            while (StripGrow(*tri, edge, -1)) {
            }
            CTri* n = tri->neighbours[edge];
            if (!n)
                break;
            int back = n->EdgeFromAdjTri(tri);
            CTri* t = n->neighbours[(back + 1) % 3];
            if (!t)
                break;
            edge = (t->EdgeFromAdjTri(n) + 2) % 3;
            tri = t;
        }
    }
}

void CStrip::StripImprove()
{
    struct Keyed {
        unsigned int key;
        CTri* tri;
    };
    std::vector<Keyed> order(tris.size());
    int threshold = 0;
    int idlePasses = 0;
    while (idlePasses < 2) {
        for (size_t i = 0; i < tris.size(); ++i)
            order[i] = {unsigned(random()) * unsigned(random()), &tris[i]};
        std::stable_sort(order.begin(), order.end(), [](Keyed const& a, Keyed const& b) { return a.key < b.key; });
        bool grew = false;
        for (Keyed const& k : order)
            for (int e = 0; e < 3; ++e)
                grew = StripGrow(*k.tri, e, threshold) || grew;
        idlePasses = grew ? 0 : idlePasses + 1;
        threshold = threshold == 0 ? -1 : 0;
    }
}

void CStrip::Output(unsigned int** strips, unsigned int** lengths, unsigned int* count) const
{
    // The strips are counted from their heads, so the arrays always fit.
    *count = unsigned(std::count_if(tris.begin(), tris.end(), [](CTri const& t) { return !t.prev; }));
    *lengths = static_cast<unsigned int*>(std::malloc(sizeof(unsigned int) * std::max(1u, *count)));
    *strips = static_cast<unsigned int*>(
        std::malloc(sizeof(unsigned int) * std::max<size_t>(1, tris.size() + 2 * size_t(*count))));
    unsigned int* out = *strips;
    unsigned int strip = 0;
    for (CTri const& first : tris) {
        if (first.prev)
            continue;
        unsigned int const* idx = first.indices;
        if (!first.next) {
            out[0] = idx[0];
            out[1] = idx[1];
            out[2] = idx[2];
            out += 3;
            (*lengths)[strip++] = 1;
            continue;
        }
        switch (first.EdgeFromAdjTri(first.next)) {
        case 0: *out++ = idx[2]; *out++ = idx[0]; break;
        case 1: *out++ = idx[0]; *out++ = idx[1]; break;
        default: *out++ = idx[1]; *out++ = idx[2]; break;
        }
        unsigned int length = 0;
        for (CTri const* t = &first; t; t = t->next, ++length) {
            unsigned int a = out[-2];
            unsigned int b = out[-1];
            unsigned int const* ti = t->indices;
            *out++ = ti[0] != a && ti[0] != b ? ti[0] : ti[1] != a && ti[1] != b ? ti[1] : ti[2];
        }
        (*lengths)[strip++] = length;
    }
}

} // namespace

void PVRTTriStrip(unsigned int** strips, unsigned int** stripLengths, unsigned int* stripCount,
                  unsigned int const* triangles, unsigned int triangleCount)
{
    *strips = nullptr;
    *stripLengths = nullptr;
    *stripCount = 0;
    for (unsigned int seed = 0; seed < kSeedCount; ++seed) {
        CStrip stripper(triangles, triangleCount, seed);
        stripper.StripFromEdges();
        stripper.StripImprove();
        if (*strips && stripper.StripCount() >= *stripCount)
            continue;
        std::free(*strips);
        std::free(*stripLengths);
        stripper.Output(strips, stripLengths, stripCount);
    }
}

void PVRTTriStripList(unsigned int* triangles, unsigned int triangleCount)
{
    unsigned int* strips;
    unsigned int* lengths;
    unsigned int count;
    PVRTTriStrip(&strips, &lengths, &count, triangles, triangleCount);

    unsigned int* out = triangles;
    unsigned int const* s = strips;
    for (unsigned int strip = 0; strip < count; ++strip) {
        *out++ = s[0];
        *out++ = s[1];
        *out++ = s[2];
        for (unsigned int k = 1; k < lengths[strip]; ++k) {
            bool odd = k % 2 == 1;
            *out++ = odd ? s[k + 1] : s[k];
            *out++ = odd ? s[k] : s[k + 1];
            *out++ = s[k + 2];
        }
        s += lengths[strip] + 2;
    }
    std::free(strips);
    std::free(lengths);
}
