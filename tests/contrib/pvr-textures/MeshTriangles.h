// Helpers for the mesh tool tests: triangles compared with their winding,
// whatever corner they start at, and a small grid mesh.
#pragma once

#include <algorithm>
#include <array>
#include <vector>

using Triangle = std::array<unsigned int, 3>;

// The triangle rotated to start at its smallest index: same winding, same key.
inline Triangle Canonical(Triangle t)
{
    while (t[0] > t[1] || t[0] > t[2])
        t = {t[1], t[2], t[0]};
    return t;
}

inline std::vector<Triangle> CanonicalSet(unsigned int const* indices, size_t triangleCount)
{
    std::vector<Triangle> set;
    for (size_t i = 0; i < triangleCount; ++i)
        set.push_back(Canonical({indices[i * 3], indices[i * 3 + 1], indices[i * 3 + 2]}));
    std::sort(set.begin(), set.end());
    return set;
}

// A side x side grid of quads, two triangles each, all wound alike.
inline std::vector<unsigned int> GridTriangles(unsigned int side)
{
    std::vector<unsigned int> indices;
    unsigned int row = side + 1;
    for (unsigned int y = 0; y < side; ++y) {
        for (unsigned int x = 0; x < side; ++x) {
            unsigned int a = y * row + x, b = a + 1, c = a + row, d = c + 1;
            indices.insert(indices.end(), {a, b, c, c, b, d});
        }
    }
    return indices;
}
