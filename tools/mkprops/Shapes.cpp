// Each solid is a set of quads and triangles; normals come from the
// surface (rounded edges from the point's offset from the box's core).
#include "Shapes.h"

#include "norv/base/core/Pi.h"

#include <algorithm>
#include <cmath>

namespace {

PVRTVec3 Rotate(PVRTVec3 v, PVRTVec3 const& degrees)
{
    float const rx = degrees.x * Norv::kPiF / 180.0f, ry = degrees.y * Norv::kPiF / 180.0f,
                rz = degrees.z * Norv::kPiF / 180.0f;
    v = PVRTVec3(v.x, v.y * std::cos(rx) - v.z * std::sin(rx), v.y * std::sin(rx) + v.z * std::cos(rx));
    v = PVRTVec3(v.x * std::cos(ry) + v.z * std::sin(ry), v.y, -v.x * std::sin(ry) + v.z * std::cos(ry));
    return PVRTVec3(v.x * std::cos(rz) - v.y * std::sin(rz), v.x * std::sin(rz) + v.y * std::cos(rz), v.z);
}

// Grid lines across one half-size h: the corner, the bevel's steps and
// the flat part, mirrored.
std::vector<float> BoxLines(float h, float bevel, int steps)
{
    std::vector<float> lines;
    if (bevel <= 0.0f)
        return {-h, h};
    for (int i = 0; i <= steps; ++i)
        lines.push_back(-h + bevel * float(i) / float(steps));
    for (int i = steps; i >= 0; --i)
        lines.push_back(h - bevel * float(i) / float(steps));
    return lines;
}

} // namespace

PropMesh Box(PVRTVec3 const& size, float bevel, int steps)
{
    PVRTVec3 const h = size * 0.5f;
    bevel = std::clamp(bevel, 0.0f, std::min({h.x, h.y, h.z}) * 0.95f);
    PVRTVec3 const core(h.x - bevel, h.y - bevel, h.z - bevel);
    PropMesh mesh;
    // Each face: its normal axis, the two axes across it, and the sign.
    struct Face {
        int axis, across, down;
        float sign;
    };
    Face const faces[] = {{0, 2, 1, 1}, {0, 2, 1, -1}, {1, 0, 2, 1}, {1, 0, 2, -1}, {2, 0, 1, 1}, {2, 0, 1, -1}};
    for (Face const& f : faces) {
        float const hs[3] = {h.x, h.y, h.z};
        std::vector<float> const a = BoxLines(hs[f.across], bevel, steps);
        std::vector<float> const b = BoxLines(hs[f.down], bevel, steps);
        uint32_t const first = uint32_t(mesh.vertices.size());
        for (float bv : b)
            for (float av : a) {
                float p[3];
                p[f.axis] = f.sign * hs[f.axis];
                p[f.across] = av;
                p[f.down] = bv;
                PVRTVec3 const point(p[0], p[1], p[2]);
                PVRTVec3 const inner(std::clamp(point.x, -core.x, core.x), std::clamp(point.y, -core.y, core.y),
                                     std::clamp(point.z, -core.z, core.z));
                PVRTVec3 n = point - inner;
                float unit[3] = {0, 0, 0};
                unit[f.axis] = f.sign;
                n = n.length() > 1e-5f ? n.normalized() : PVRTVec3(unit[0], unit[1], unit[2]);
                mesh.Add(bevel > 0.0f ? inner + n * bevel : point, n, (av + hs[f.across]) / (2 * hs[f.across]),
                         (bv + hs[f.down]) / (2 * hs[f.down]));
            }
        uint32_t const columns = uint32_t(a.size());
        for (uint32_t j = 0; j + 1 < b.size(); ++j)
            for (uint32_t i = 0; i + 1 < columns; ++i) {
                uint32_t const p0 = first + j * columns + i, p1 = p0 + 1, p2 = p0 + columns + 1, p3 = p0 + columns;
                // Keep every face turning outwards.
                PVRTVec3 const e = (mesh.vertices[p1].position - mesh.vertices[p0].position)
                                       .cross(mesh.vertices[p3].position - mesh.vertices[p0].position);
                float unit[3] = {0, 0, 0};
                unit[f.axis] = f.sign;
                if (e.dot(PVRTVec3(unit[0], unit[1], unit[2])) >= 0)
                    mesh.Quad(p0, p1, p2, p3);
                else
                    mesh.Quad(p0, p3, p2, p1);
            }
    }
    return mesh;
}

PropMesh Lathe(std::vector<float> const& profile, int sides, bool smooth)
{
    PropMesh mesh;
    std::size_t const points = profile.size() / 2;
    auto at = [&](std::size_t i) { return std::pair<float, float>(profile[2 * i], profile[2 * i + 1]); };
    // The outward normal of a profile segment, in (radius, height).
    auto segmentNormal = [&](std::size_t i) {
        float const dr = at(i + 1).first - at(i).first, dy = at(i + 1).second - at(i).second;
        float const len = std::hypot(dr, dy);
        return std::pair<float, float>(len > 0 ? dy / len : 0.0f, len > 0 ? -dr / len : 1.0f);
    };
    float total = 0.0f;
    for (std::size_t i = 0; i + 1 < points; ++i)
        total += std::hypot(at(i + 1).first - at(i).first, at(i + 1).second - at(i).second);
    float run = 0.0f;
    for (std::size_t i = 0; i + 1 < points; ++i) {
        std::pair<float, float> n0 = segmentNormal(i), n1 = n0;
        if (smooth && i > 0) {
            std::pair<float, float> const p = segmentNormal(i - 1);
            n0 = {n0.first + p.first, n0.second + p.second};
        }
        if (smooth && i + 2 < points) {
            std::pair<float, float> const p = segmentNormal(i + 1);
            n1 = {n1.first + p.first, n1.second + p.second};
        }
        float const length = std::hypot(at(i + 1).first - at(i).first, at(i + 1).second - at(i).second);
        uint32_t const first = uint32_t(mesh.vertices.size());
        for (int s = 0; s <= sides; ++s) {
            float const a = 2.0f * Norv::kPiF * float(s) / float(sides);
            float const c = std::cos(a), sn = std::sin(a);
            for (int k = 0; k < 2; ++k) {
                std::pair<float, float> const p = at(i + std::size_t(k));
                std::pair<float, float> const n = k ? n1 : n0;
                mesh.Add(PVRTVec3(p.first * c, p.second, p.first * sn),
                         PVRTVec3(n.first * c, n.second, n.first * sn).normalized(), float(s) / float(sides),
                         total > 0 ? (run + (k ? length : 0.0f)) / total : 0.0f);
            }
        }
        run += length;
        for (int s = 0; s < sides; ++s) {
            uint32_t const a = first + uint32_t(2 * s);
            // Drop the triangles that shrink to nothing at the axis.
            if (at(i).first > 0.0f)
                mesh.Triangle(a, a + 1, a + 2);
            if (at(i + 1).first > 0.0f)
                mesh.Triangle(a + 1, a + 3, a + 2);
        }
    }
    return mesh;
}

PropMesh Cylinder(float radius, float topRadius, float height, int sides)
{
    return Lathe({0.0f, 0.0f, radius, 0.0f, topRadius, height, 0.0f, height}, sides, false);
}

PropMesh Sphere(float radius, int sides, int rings)
{
    std::vector<float> profile;
    for (int r = 0; r <= rings; ++r) {
        float const a = Norv::kPiF * (float(r) / float(rings) - 0.5f);
        profile.insert(profile.end(), {r == 0 || r == rings ? 0.0f : radius * std::cos(a), radius * std::sin(a)});
    }
    return Lathe(profile, sides, true);
}

PropMesh Torus(float radius, float tube, int sides, int rings)
{
    PropMesh mesh;
    for (int s = 0; s <= sides; ++s) {
        float const a = 2.0f * Norv::kPiF * float(s) / float(sides);
        PVRTVec3 const out(std::cos(a), 0.0f, std::sin(a));
        for (int r = 0; r <= rings; ++r) {
            float const b = 2.0f * Norv::kPiF * float(r) / float(rings);
            PVRTVec3 const n = out * std::cos(b) + PVRTVec3(0, std::sin(b), 0);
            mesh.Add(out * radius + n * tube, n, float(s) / float(sides), float(r) / float(rings));
        }
    }
    uint32_t const stride = uint32_t(rings + 1);
    for (int s = 0; s < sides; ++s)
        for (int r = 0; r < rings; ++r) {
            uint32_t const a = uint32_t(s) * stride + uint32_t(r);
            mesh.Quad(a, a + 1, a + stride + 1, a + stride);
        }
    return mesh;
}

PropMesh Sheet(float width, float height, int columns, int rows)
{
    PropMesh mesh;
    for (int j = 0; j <= rows; ++j)
        for (int i = 0; i <= columns; ++i) {
            float const u = float(i) / float(columns), v = float(j) / float(rows);
            mesh.Add(PVRTVec3((u - 0.5f) * width, (0.5f - v) * height, 0.0f), PVRTVec3(0, 0, 1), u, v);
        }
    uint32_t const stride = uint32_t(columns + 1);
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i < columns; ++i) {
            uint32_t const a = uint32_t(j) * stride + uint32_t(i);
            mesh.Quad(a + stride, a + stride + 1, a + 1, a);
        }
    return mesh;
}

PropMesh Extrusion(std::vector<float> const& outline, float depth)
{
    PropMesh mesh;
    std::size_t const n = outline.size() / 2;
    float cx = 0, cy = 0, minX = 1e9f, maxX = -1e9f, minY = 1e9f, maxY = -1e9f;
    for (std::size_t i = 0; i < n; ++i) {
        cx += outline[2 * i] / float(n), cy += outline[2 * i + 1] / float(n);
        minX = std::min(minX, outline[2 * i]), maxX = std::max(maxX, outline[2 * i]);
        minY = std::min(minY, outline[2 * i + 1]), maxY = std::max(maxY, outline[2 * i + 1]);
    }
    auto u = [&](float x) { return maxX > minX ? (x - minX) / (maxX - minX) : 0.0f; };
    auto v = [&](float y) { return maxY > minY ? 1.0f - (y - minY) / (maxY - minY) : 0.0f; };
    // The outline's winding decides which way its faces turn.
    float area = 0.0f;
    for (std::size_t i = 0; i < n; ++i)
        area += outline[2 * i] * outline[2 * ((i + 1) % n) + 1] - outline[2 * ((i + 1) % n)] * outline[2 * i + 1];
    bool const ccw = area > 0.0f;
    for (int side = 0; side < (depth > 0.0f ? 2 : 1); ++side) {
        float const z = side ? -depth / 2 : depth / 2;
        PVRTVec3 const normal(0, 0, side ? -1.0f : 1.0f);
        uint32_t const centre = mesh.Add(PVRTVec3(cx, cy, z), normal, u(cx), v(cy));
        for (std::size_t i = 0; i < n; ++i)
            mesh.Add(PVRTVec3(outline[2 * i], outline[2 * i + 1], z), normal, u(outline[2 * i]), v(outline[2 * i + 1]));
        for (std::size_t i = 0; i < n; ++i) {
            uint32_t const a = centre + 1 + uint32_t(i), b = centre + 1 + uint32_t((i + 1) % n);
            if (ccw != bool(side))
                mesh.Triangle(centre, a, b);
            else
                mesh.Triangle(centre, b, a);
        }
    }
    if (depth <= 0.0f)
        return mesh;
    for (std::size_t i = 0; i < n; ++i) {
        std::size_t const j = (i + 1) % n;
        PVRTVec3 const p0(outline[2 * i], outline[2 * i + 1], 0), p1(outline[2 * j], outline[2 * j + 1], 0);
        PVRTVec3 const edge = p1 - p0;
        PVRTVec3 normal = PVRTVec3(edge.y, -edge.x, 0).normalized();
        if (!ccw)
            normal = -normal;
        uint32_t const a = mesh.Add(p0 + PVRTVec3(0, 0, depth / 2), normal, 0, 0);
        uint32_t const b = mesh.Add(p1 + PVRTVec3(0, 0, depth / 2), normal, 1, 0);
        mesh.Add(p1 - PVRTVec3(0, 0, depth / 2), normal, 1, 1);
        mesh.Add(p0 - PVRTVec3(0, 0, depth / 2), normal, 0, 1);
        if (ccw)
            mesh.Quad(a, a + 3, a + 2, b);
        else
            mesh.Quad(a, b, a + 2, a + 3);
    }
    return mesh;
}

void Place(PropMesh& into, PropMesh const& solid, Placing const& placing, float const* cell)
{
    uint32_t const first = uint32_t(into.vertices.size());
    PVRTVec3 const inverseScale(1.0f / placing.scale.x, 1.0f / placing.scale.y, 1.0f / placing.scale.z);
    for (PropVertex v : solid.vertices) {
        v.position = Rotate(PVRTVec3(v.position.x * placing.scale.x, v.position.y * placing.scale.y,
                                     v.position.z * placing.scale.z),
                            placing.turn)
            + placing.at;
        v.normal =
            Rotate(PVRTVec3(v.normal.x * inverseScale.x, v.normal.y * inverseScale.y, v.normal.z * inverseScale.z),
                   placing.turn)
                .normalized();
        if (cell)
            v.uv[0] = cell[0], v.uv[1] = cell[1];
        into.vertices.push_back(v);
    }
    // A mirroring scale turns the faces inside out; wind them back.
    bool const mirrored = placing.scale.x * placing.scale.y * placing.scale.z < 0.0f;
    for (std::size_t i = 0; i < solid.indices.size(); i += 3) {
        uint32_t const a = first + solid.indices[i], b = first + solid.indices[i + 1], c = first + solid.indices[i + 2];
        if (mirrored)
            into.Triangle(a, c, b);
        else
            into.Triangle(a, b, c);
    }
}
