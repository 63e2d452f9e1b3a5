// The map picture, painted in layers: the ground by its kind with the hills
// shaded, lakes and streams, the road with a dot per space in the colour of
// its plate, the wheel, the buildings, and a white frame with round corners.
#include "BoardMap.h"

#include "BoardPaths.h"
#include "BoardScene.h"
#include "Picture.h"
#include "Terrain.h"

#include "qrvl/port/MapProjection.h"
#include "qrvl/boardfile/BoardFile.h"
#include "qrvl/port/Spline.h"

#include <algorithm>
#include <cmath>

namespace {

using qrvl::MapProjection;

constexpr float kLargeZoom = 1.4f;
// Sizes on the normal picture, in pixels.
constexpr float kRoadEdge = 5.5f;
constexpr float kRoadFill = 3.8f;
constexpr float kSpaceDot = 3.4f;
constexpr float kSpaceRing = 1.3f;
constexpr float kStreamWidth = 110.0f; // world units, as the board scene has it
constexpr float kMinWheelRadius = 13.0f;
constexpr float kHouseSize = 7.0f;
constexpr float kFrame = 5.0f;
constexpr float kCorner = 22.0f;
constexpr float kCurveStep = 25.0f;
constexpr int kWheelSegments = 10;
PVRTVec3 const kSun = PVRTVec3(0.45f, 1.0f, 0.55f).normalized();

// The placements that are buildings; the rest of the scenery is too small
// to show on the map.
constexpr char const* kBuildings[] = {"university",    "church",   "retirementHome", "golfLodge", "mansion",
                                      "mountainShack", "skiShack", "cabinA",         "cabinB",    "cabinC",
                                      "cabinD",        "factory",  "pegHouse"};

// Paints the picture at board points; sizes are given for the normal
// picture and grow with the large one.
class MapPainter {
public:
    MapPainter(Picture& picture, MapProjection const& projection, float zoom)
        : picture(picture)
        , projection(projection)
        , zoom(zoom)
        , unitsToPixels(projection.WorldToMap(1000.0f, 0.0f).x - projection.WorldToMap(0.0f, 0.0f).x)
    {
        unitsToPixels /= 1000.0f;
    }

    PVRTVec3 At(float x, float z) const
    {
        MapProjection::Vec2 const p = projection.WorldToMap(x, z);
        return PVRTVec3(p.x, 0.0f, p.y);
    }
    float Pixels(float normalSize) const { return normalSize * zoom; }
    float WorldPixels(float units) const { return units * unitsToPixels; }

    void Blend(int x, int y, Rgba const& colour, float coverage)
    {
        if (x < 0 || y < 0 || x >= picture.width || y >= picture.height || coverage <= 0.0f)
            return;
        picture.At(x, y) = Mix(picture.At(x, y), colour, std::min(coverage, 1.0f) * colour.a);
        picture.At(x, y).a = 1.0f;
    }

    // Everything within `radius` of the segment, with a soft edge.
    void Segment(PVRTVec3 const& a, PVRTVec3 const& b, float radius, Rgba const& colour)
    {
        int const x0 = int(std::floor(std::min(a.x, b.x) - radius - 1));
        int const x1 = int(std::ceil(std::max(a.x, b.x) + radius + 1));
        int const y0 = int(std::floor(std::min(a.z, b.z) - radius - 1));
        int const y1 = int(std::ceil(std::max(a.z, b.z) + radius + 1));
        PVRTVec3 const ab = b - a;
        float const length2 = ab.dot(ab);
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                PVRTVec3 const p(float(x) + 0.5f, 0.0f, float(y) + 0.5f);
                float const t = length2 > 0.0f ? std::clamp((p - a).dot(ab) / length2, 0.0f, 1.0f) : 0.0f;
                float const d = (p - (a + ab * t)).length();
                Blend(x, y, colour, radius - d + 0.5f);
            }
    }

    void Line(std::vector<PVRTVec3> const& points, float radius, Rgba const& colour)
    {
        for (std::size_t i = 1; i < points.size(); ++i)
            Segment(points[i - 1], points[i], radius, colour);
    }

    void Disc(PVRTVec3 const& centre, float radius, Rgba const& colour) { Segment(centre, centre, radius, colour); }

    // A convex polygon with its corners either way round, four by four
    // samples a pixel.
    void Polygon(std::vector<PVRTVec3> const& corners, Rgba const& colour)
    {
        float minX = 1e9f, maxX = -1e9f, minY = 1e9f, maxY = -1e9f;
        for (PVRTVec3 const& c : corners) {
            minX = std::min(minX, c.x), maxX = std::max(maxX, c.x);
            minY = std::min(minY, c.z), maxY = std::max(maxY, c.z);
        }
        for (int y = int(std::floor(minY)); y <= int(std::ceil(maxY)); ++y)
            for (int x = int(std::floor(minX)); x <= int(std::ceil(maxX)); ++x) {
                int inside = 0;
                for (int s = 0; s < 16; ++s) {
                    float const px = float(x) + (float(s % 4) + 0.5f) / 4.0f;
                    float const py = float(y) + (float(s / 4) + 0.5f) / 4.0f;
                    bool left = true;
                    bool right = true;
                    for (std::size_t i = 0; i < corners.size(); ++i) {
                        PVRTVec3 const& a = corners[i];
                        PVRTVec3 const& b = corners[(i + 1) % corners.size()];
                        float const side = (b.x - a.x) * (py - a.z) - (b.z - a.z) * (px - a.x);
                        left = left && side >= 0.0f;
                        right = right && side <= 0.0f;
                    }
                    inside += left || right;
                }
                Blend(x, y, colour, float(inside) / 16.0f);
            }
    }

private:
    Picture& picture;
    MapProjection const& projection;
    float zoom;
    float unitsToPixels;
};

Rgba GroundColour(Layout const& layout, HeightField const& land, float x, float z)
{
    if (x < layout.minX || x > layout.maxX || z < layout.minZ || z > layout.maxZ)
        return Hex(0x2f7fb8);
    Rgba colour;
    switch (GroundAt(layout, land, x, z)) {
    case Ground::Grass: colour = Hex(0x74c947); break;
    case Ground::Sand: colour = Hex(0xf0d98f); break;
    case Ground::Snow: colour = Hex(0xf4f8fd); break;
    case Ground::Water: return Hex(0x4a9fd0);
    }
    // The hills shaded by the same sun as the board, gently.
    float const light = 0.82f + 0.25f * std::max(0.0f, land.NormalAt(x, z).dot(kSun));
    return {std::min(colour.r * light, 1.0f), std::min(colour.g * light, 1.0f), std::min(colour.b * light, 1.0f), 1.0f};
}

std::vector<PVRTVec3> OnMap(MapPainter const& painter, std::vector<PVRTVec3> const& world)
{
    std::vector<PVRTVec3> out;
    for (PVRTVec3 const& p : world)
        out.push_back(painter.At(p.x, p.z));
    return out;
}

std::vector<PVRTVec3> Level(std::vector<PVRTVec3> points)
{
    for (PVRTVec3& p : points)
        p.y = 0.0f;
    return points;
}

void PaintWheel(MapPainter& painter, Circle const& wheel)
{
    static uint32_t const colours[kWheelSegments] = {0xe84a5f, 0xff8a3d, 0xf5c518, 0x4cc27a, 0x3a7bd5,
                                                     0x9b6bd6, 0xe85d9a, 0x2ec4b6, 0xffb52e, 0x5a8dee};
    PVRTVec3 const centre = painter.At(wheel.x, wheel.z);
    float const radius = std::max(painter.WorldPixels(wheel.radius), painter.Pixels(kMinWheelRadius));
    painter.Disc(centre, radius + painter.Pixels(2.0f), Hex(0xffffff));
    for (int s = 0; s < kWheelSegments; ++s) {
        float const a0 = 6.2831853f * float(s) / kWheelSegments;
        float const a1 = 6.2831853f * float(s + 1) / kWheelSegments;
        std::vector<PVRTVec3> wedge = {centre};
        for (int k = 0; k <= 4; ++k) {
            float const a = a0 + (a1 - a0) * float(k) / 4.0f;
            wedge.push_back(centre + PVRTVec3(std::cos(a), 0.0f, std::sin(a)) * radius);
        }
        painter.Polygon(wedge, Hex(colours[s]));
    }
    painter.Disc(centre, radius * 0.25f, Hex(0xffffff));
}

void PaintHouse(MapPainter& painter, PVRTVec3 const& at)
{
    float const h = painter.Pixels(kHouseSize);
    float const edge = painter.Pixels(1.5f);
    auto walls = [&](float grow) {
        return std::vector<PVRTVec3>{at + PVRTVec3(-h - grow, 0, -grow), at + PVRTVec3(-h - grow, 0, h + grow),
                                     at + PVRTVec3(h + grow, 0, h + grow), at + PVRTVec3(h + grow, 0, -grow)};
    };
    auto roof = [&](float grow) {
        return std::vector<PVRTVec3>{at + PVRTVec3(-h * 1.3f - grow, 0, grow * 0.5f),
                                     at + PVRTVec3(h * 1.3f + grow, 0, grow * 0.5f),
                                     at + PVRTVec3(0, 0, -h * 1.2f - grow)};
    };
    painter.Polygon(walls(edge), Hex(0x3b3f47));
    painter.Polygon(roof(edge), Hex(0x3b3f47));
    painter.Polygon(walls(0), Hex(0xfff3d6));
    painter.Polygon(roof(0), Hex(0xd9534f));
}

// Rounds the picture's corners off and rings it with a white frame.
void PaintFrame(Picture& picture, float frame, float corner)
{
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            float const px = float(x) + 0.5f;
            float const py = float(y) + 0.5f;
            float const qx = std::max(corner - px, px - (float(picture.width) - corner));
            float const qy = std::max(corner - py, py - (float(picture.height) - corner));
            // Signed distance to the rounded rectangle's edge, negative inside.
            float const outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
            float const d = outside + std::min(std::max(qx, qy), 0.0f) - corner;
            Rgba& pixel = picture.At(x, y);
            pixel = Mix(pixel, Hex(0xffffff), std::clamp(d + frame + 0.5f, 0.0f, 1.0f));
            pixel.a = std::clamp(0.5f - d, 0.0f, 1.0f);
        }
}

} // namespace

bool WriteBoardMap(BoardFile const& board, Layout const& layout, bool large, std::string const& path, std::string& error)
{
    HeightField const land(layout);
    BoardRoad const road(layout.road, land);
    std::vector<SplineRecord> const records = BuildBoardPaths(board, road, layout);
    if (records.empty()) {
        error = "the board has no spaces to lay out";
        return false;
    }
    float const zoom = large ? kLargeZoom : 1.0f;
    Picture picture(int(std::lround(kMapWidth * zoom)), int(std::lround(kMapHeight * zoom)));
    MapProjection const projection(0, 0, picture.width, picture.height, MapProjection::ArtHeight(large ? 1 : 0));
    MapPainter painter(picture, projection, zoom);

    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            MapProjection::Vec2 const world = projection.WorldAt({float(x) + 0.5f, float(y) + 0.5f});
            picture.At(x, y) = GroundColour(layout, land, world.x, world.y);
        }
    for (std::vector<float> const& stream : layout.streams) {
        std::vector<PVRTVec3> line;
        for (std::size_t k = 0; k + 1 < stream.size(); k += 2)
            line.emplace_back(stream[k], 0.0f, stream[k + 1]);
        painter.Line(OnMap(painter, SmoothThrough(line, kCurveStep)), painter.WorldPixels(kStreamWidth) / 2,
                     Hex(0x4a9fd0));
    }
    std::vector<std::vector<PVRTVec3>> roads;
    for (SplineRecord const& record : records)
        if (record.type == Spline::kCarPath)
            roads.push_back(OnMap(painter, SmoothThrough(Level(record.points), kCurveStep)));
    for (std::vector<PVRTVec3> const& line : roads)
        painter.Line(line, painter.Pixels(kRoadEdge), Hex(0x4d5560));
    for (std::vector<PVRTVec3> const& line : roads)
        painter.Line(line, painter.Pixels(kRoadFill), Hex(0xa9afb8));
    std::vector<PVRTVec3> const points = SpacePoints(board, records);
    for (int i = 0; i < BoardFile::kNumSpaces; ++i) {
        PVRTVec3 const at = painter.At(points[std::size_t(i)].x, points[std::size_t(i)].z);
        painter.Disc(at, painter.Pixels(kSpaceDot + kSpaceRing), Hex(0xffffff));
        painter.Disc(at, painter.Pixels(kSpaceDot), Hex(PlateStyles()[std::size_t(KindOf(board.spaces[std::size_t(i)]))].colour));
    }
    PaintWheel(painter, layout.wheel);
    for (Placement const& placement : layout.placements)
        for (char const* building : kBuildings)
            if (placement.grounded && placement.name == building)
                PaintHouse(painter, painter.At(placement.position.x, placement.position.z));
    PaintFrame(picture, painter.Pixels(kFrame), painter.Pixels(kCorner));
    if (!picture.WritePng(path)) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}
