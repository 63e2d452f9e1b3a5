// The land is cut into tiles of a regular grid, coloured per vertex by its
// ground and lit from the sun once, here, so the game draws it unlit.
#include "BoardScene.h"

#include "BoardTextures.h"
#include "PodBuilder.h"
#include "RoadTop.h"
#include "Terrain.h"

#include "qrvl/boardfile/BoardFile.h"
#include "qrvl/port/Spline.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>

namespace {

constexpr float kLandCell = 100.0f;
// Small enough that the land's tiles, the road and the plates fill the
// nodes up to the second stream's fixed place.
constexpr int kTileCells = 11;
constexpr float kRoadWidth = 230.0f;
constexpr float kRoadStep = 25.0f;
constexpr float kPlateSize = 180.0f;
constexpr float kStreamWidth = 110.0f;
constexpr float kGroundPatch = 80.0f;
constexpr int kPatchTileCells = 40;
constexpr float kLandGrainSize = 450.0f;
PVRTVec3 const kUp(0.0f, 1.0f, 0.0f);
PVRTVec3 const kSun = PVRTVec3(0.45f, 1.0f, 0.55f).normalized();

uint32_t Pack(Rgba const& c)
{
    auto byte = [](float v) { return uint32_t(std::clamp(v, 0.0f, 1.0f) * 255.0f + 0.5f); };
    return byte(c.r) << 24 | byte(c.g) << 16 | byte(c.b) << 8 | byte(c.a);
}

Rgba LandColour(Layout const& layout, HeightField const& land, float x, float z)
{
    float const variation = 0.5f + 0.25f * std::sin(x * 0.013f + std::cos(z * 0.011f)) + 0.25f * std::sin(z * 0.017f);
    Rgba colour;
    switch (GroundAt(layout, land, x, z)) {
    case Ground::Grass: colour = Mix(Hex(0x5cbf3a), Hex(0x8fd64a), variation); break;
    case Ground::Sand: colour = Mix(Hex(0xe8cf8a), Hex(0xf3dfa2), variation); break;
    case Ground::Snow: colour = Mix(Hex(0xeef4fb), Hex(0xffffff), variation); break;
    case Ground::Water: colour = Hex(0x3f8fb8); break;
    }
    float const light = 0.62f + 0.45f * std::max(0.0f, land.NormalAt(x, z).dot(kSun));
    return {colour.r * light, colour.g * light, colour.b * light, 1.0f};
}

void AddLandTile(PodMesh& mesh, Layout const& layout, HeightField const& land, float x0, float z0, int columns, int rows)
{
    for (int j = 0; j <= rows; ++j)
        for (int i = 0; i <= columns; ++i) {
            float const x = x0 + float(i) * kLandCell;
            float const z = z0 + float(j) * kLandCell;
            mesh.Add(PVRTVec3(x, land.At(x, z), z), land.NormalAt(x, z), x / kLandGrainSize, z / kLandGrainSize,
                     Pack(LandColour(layout, land, x, z)));
        }
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i < columns; ++i) {
            auto at = [&](int a, int b) { return uint16_t((j + b) * (columns + 1) + i + a); };
            // Counter-clockwise seen from above.
            mesh.Quad(at(0, 0), at(0, 1), at(1, 1), at(1, 0));
        }
}

// The highest the road comes within `reach` of p's spot, if it passes
// there: a plate's corner laid over it keeps the plate's cells over the
// road where two paths overlap.
std::optional<float> TopNear(RoadTop const& road, PVRTVec3 const& p, float reach)
{
    std::optional<float> top;
    for (int i = -1; i <= 1; ++i)
        for (int j = -1; j <= 1; ++j)
            if (std::optional<float> const y = road.HeightAt(p.x + reach * float(i), p.z + reach * float(j)))
                top = std::max(top.value_or(*y), *y);
    return top;
}

// A ribbon of the given width along a level curve, laid on the land at
// `lift` along its edges and its middle, so that it keeps over a crest; u
// runs across it (0 left, 1 right), v along it per `repeat` units (or the
// other way round when `lengthwiseU`).
void AddRibbon(PodMesh& mesh, std::vector<PVRTVec3> const& curve, HeightField const& land, float width, float lift,
               float repeat, bool lengthwiseU)
{
    constexpr int kAcross = 3;
    float along = 0.0f;
    for (std::size_t i = 0; i < curve.size(); ++i) {
        if (i > 0)
            along += (curve[i] - curve[i - 1]).length();
        PVRTVec3 const ahead = curve[std::min(i + 1, curve.size() - 1)] - curve[i > 0 ? i - 1 : 0];
        PVRTVec3 const left = PVRTVec3(ahead.z, 0.0f, -ahead.x).normalized() * (width / 2);
        for (int k = 0; k < kAcross; ++k) {
            float const across = float(k) / (kAcross - 1);
            PVRTVec3 p = curve[i] + left * (1.0f - 2.0f * across);
            p.y = land.At(p.x, p.z) + lift;
            float const length = along / repeat;
            mesh.Add(p, kUp, lengthwiseU ? length : across, lengthwiseU ? across : length);
        }
        if (i > 0) {
            uint16_t const row = uint16_t(mesh.vertices.size() - kAcross);
            uint16_t const last = uint16_t(row - kAcross);
            for (int k = 0; k + 1 < kAcross; ++k)
                mesh.Quad(uint16_t(last + k), uint16_t(last + k + 1), uint16_t(row + k + 1), uint16_t(row + k));
        }
    }
}

std::vector<PVRTVec3> Level(std::vector<PVRTVec3> points)
{
    for (PVRTVec3& p : points)
        p.y = 0.0f;
    return points;
}

// Grid cells covering the land, in tiles; calls `tile(x0, z0, columns, rows)`.
template <typename Tile>
void ForEachTile(Layout const& layout, float cell, int tileCells, Tile tile)
{
    int const columns = int(std::ceil((layout.maxX - layout.minX) / cell));
    int const rows = int(std::ceil((layout.maxZ - layout.minZ) / cell));
    for (int j = 0; j < rows; j += tileCells)
        for (int i = 0; i < columns; i += tileCells)
            tile(layout.minX + float(i) * cell, layout.minZ + float(j) * cell, std::min(tileCells, columns - i),
                 std::min(tileCells, rows - j));
}

} // namespace

PlateKind KindOf(BoardRecord const& space)
{
    switch (space.type) {
    case BoardRecord::PD: case BoardRecord::PR: return PlateKind::Payday;
    case BoardRecord::RT: return PlateKind::Retire;
    case BoardRecord::LS: return PlateKind::Lawsuit;
    case BoardRecord::S2: return PlateKind::SpinToWin;
    case BoardRecord::SW: return PlateKind::ShareTheWealth;
    case BoardRecord::HD: return PlateKind::House;
    default: return space.IsStopSpace() ? PlateKind::Stop : PlateKind::Event;
    }
}

std::vector<PVRTVec3> SpacePoints(BoardFile const& board, std::vector<SplineRecord> const& records)
{
    std::vector<PVRTVec3> points(BoardFile::kNumSpaces, PVRTVec3(0.0f, 0.0f, 0.0f));
    for (SplineRecord const& record : records) {
        if (record.type != Spline::kSpacePoints)
            continue;
        int index = int(record.startSpace);
        for (std::size_t p = 0; p < record.points.size() && index >= 0 && index < BoardFile::kNumSpaces; ++p) {
            points[std::size_t(index)] = record.points[p];
            index = board.spaces[index].next;
        }
    }
    return points;
}

bool WriteBoardScene(std::string const& folder, BoardFile const& board, Layout const& layout, HeightField const& land,
                     std::vector<SplineRecord> const& records)
{
    if (!WriteBoardPictures(folder))
        return false;
    PodScene scene;
    int const landMaterial = scene.AddMaterial("land", "land.png");
    int const roadMaterial = scene.AddMaterial("road", "road.png");
    int const waterMaterial = scene.AddMaterial("water", "water.png");
    int const streamMaterial = scene.AddMaterial("stream", "stream.png");
    std::vector<int> plateMaterials;
    for (PlateStyle const& style : PlateStyles())
        plateMaterials.push_back(scene.AddMaterial(style.file, style.file));

    std::vector<PodMesh> general;
    PodMesh road;
    road.name = "road";
    road.material = roadMaterial;
    for (SplineRecord const& record : records)
        if (record.type == Spline::kCarPath)
            AddRibbon(road, SmoothThrough(Level(record.points), kRoadStep), land, kRoadWidth, kRoadLift, kRoadWidth, false);
    general.push_back(road);
    std::vector<RoadTop::Triangle> roadTriangles;
    for (std::size_t k = 0; k + 2 < road.indices.size(); k += 3) {
        RoadTop::Triangle t;
        for (int corner = 0; corner < 3; ++corner) {
            float const* p = road.vertices[road.indices[k + std::size_t(corner)]].position;
            t[std::size_t(corner)] = PVRTVec3(p[0], p[1], p[2]);
        }
        roadTriangles.push_back(t);
    }
    RoadTop const roadTop(std::move(roadTriangles));
    ForEachTile(layout, kLandCell, kTileCells, [&](float x0, float z0, int columns, int rows) {
        PodMesh tile;
        tile.name = "land" + std::to_string(general.size());
        tile.material = landMaterial;
        AddLandTile(tile, layout, land, x0, z0, columns, rows);
        general.push_back(tile);
    });
    // The plates of one kind share a node: one draw each, not one a space.
    std::vector<PodMesh> plates;
    for (PlateStyle const& style : PlateStyles()) {
        PodMesh kind;
        kind.name = std::string(style.file, std::strlen(style.file) - 4);
        kind.material = plateMaterials[plates.size()];
        plates.push_back(kind);
    }
    std::vector<PVRTVec3> const points = SpacePoints(board, records);
    for (int i = 0; i < BoardFile::kNumSpaces; ++i) {
        BoardRecord const& space = board.spaces[i];
        int const after = space.next >= 0 ? space.next : i;
        int before = i;
        for (int k = 0; k < BoardFile::kNumSpaces; ++k)
            if (board.spaces[k].next == i)
                before = k;
        PVRTVec3 ahead = points[std::size_t(after)] - points[std::size_t(before)];
        ahead.y = 0.0f;
        ahead = ahead.length() > 0.0f ? ahead.normalized() : PVRTVec3(0.0f, 0.0f, 1.0f);
        PVRTVec3 const across(ahead.z, 0.0f, -ahead.x);
        PodMesh& plate = plates[std::size_t(KindOf(space))];
        // A grid of cells, each corner over the road's top: one flat quad
        // would sink under the road where the road bends over a rise.
        float const h = kPlateSize / 2;
        PVRTVec3 const centre = points[std::size_t(i)];
        uint16_t const first = uint16_t(plate.vertices.size());
        for (int row = 0; row <= kPlateCells; ++row)
            for (int column = 0; column <= kPlateCells; ++column) {
                float const u = float(column) / kPlateCells;
                float const v = float(row) / kPlateCells;
                PVRTVec3 p = centre + across * (h - u * kPlateSize) + ahead * (v * kPlateSize - h);
                p.y = TopNear(roadTop, p, kPlateSize / kPlateCells / 8).value_or(land.At(p.x, p.z) + kRoadLift) + kPlateLift;
                plate.Add(p, kUp, u, 1.0f - v);
            }
        auto at = [&](int column, int row) { return uint16_t(first + row * (kPlateCells + 1) + column); };
        for (int row = 0; row < kPlateCells; ++row)
            for (int column = 0; column < kPlateCells; ++column)
                plate.Quad(at(column, row), at(column + 1, row), at(column + 1, row + 1), at(column, row + 1));
    }
    general.insert(general.end(), plates.begin(), plates.end());

    PodMesh water;
    water.name = "water";
    water.material = waterMaterial;
    for (Circle const& lake : layout.lakes) {
        int const segments = 64;
        uint16_t const centre = water.Add(PVRTVec3(lake.x, layout.waterLevel, lake.z), kUp, lake.x / 600, lake.z / 600);
        for (int s = 0; s <= segments; ++s) {
            float const angle = 6.2831853f * float(s) / float(segments);
            float const x = lake.x + lake.radius * std::cos(angle);
            float const z = lake.z + lake.radius * std::sin(angle);
            water.Add(PVRTVec3(x, layout.waterLevel, z), kUp, x / 600, z / 600);
            if (s > 0)
                water.Triangle(centre, uint16_t(water.vertices.size() - 1), uint16_t(water.vertices.size() - 2));
        }
    }
    std::vector<PodMesh> streams;
    for (std::size_t s = 0; s < 2; ++s) {
        PodMesh stream;
        stream.name = "stream" + std::to_string(s);
        stream.material = streamMaterial;
        if (s < layout.streams.size()) {
            std::vector<PVRTVec3> line;
            for (std::size_t k = 0; k + 1 < layout.streams[s].size(); k += 2)
                line.emplace_back(layout.streams[s][k], 0.0f, layout.streams[s][k + 1]);
            AddRibbon(stream, SmoothThrough(line, kRoadStep), land, kStreamWidth, 3.0f, 400.0f, true);
        }
        streams.push_back(stream);
    }
    // The nodes with a meaning of their own take their places; the rest
    // fill in around them in order.
    std::size_t next = 0;
    while (next < general.size() || scene.meshes.size() <= std::size_t(kStreamNodes[1])) {
        std::size_t const index = scene.meshes.size();
        if (int(index) == kWaterNode)
            scene.meshes.push_back(water);
        else if (int(index) == kStreamNodes[0] || int(index) == kStreamNodes[1])
            scene.meshes.push_back(streams[int(index) == kStreamNodes[0] ? 0 : 1]);
        else if (next < general.size())
            scene.meshes.push_back(general[next++]);
        else
            break;
    }
    scene.hasCamera = true;
    scene.cameraFov = 0.5235988f;
    scene.cameraPosition = PVRTVec3(0.0f, 3000.0f, 3000.0f);
    return scene.Write(folder + "/board.pod");
}

bool WriteGroundPatches(std::string const& folder, Layout const& layout, HeightField const& land)
{
    std::vector<unsigned char> records;
    auto put = [&](void const* bytes, std::size_t n) {
        records.insert(records.end(), static_cast<unsigned char const*>(bytes), static_cast<unsigned char const*>(bytes) + n);
    };
    PodScene scene;
    uint32_t count = 0;
    put(&count, 4);
    ForEachTile(layout, kGroundPatch, kPatchTileCells, [&](float x0, float z0, int columns, int rows) {
        PodMesh tile;
        tile.name = "ground" + std::to_string(scene.meshes.size());
        for (int j = 0; j <= rows; ++j)
            for (int i = 0; i <= columns; ++i) {
                float const x = x0 + float(i) * kGroundPatch;
                float const z = z0 + float(j) * kGroundPatch;
                float const y = land.At(x, z);
                // Red the ground, green and blue the patch's number: every
                // colour unique, none with both red and green 255.
                uint8_t const colour[4] = {uint8_t(GroundCode(GroundAt(layout, land, x, z))), uint8_t(count >> 8),
                                           uint8_t(count & 255), 255};
                float const position[3] = {x, y, z};
                put(position, 12);
                put(colour, 4);
                ++count;
                tile.Add(PVRTVec3(x, y, z), kUp, 0, 0,
                         uint32_t(colour[0]) << 24 | uint32_t(colour[1]) << 16 | uint32_t(colour[2]) << 8 | 255u);
            }
        for (int j = 0; j < rows; ++j)
            for (int i = 0; i < columns; ++i) {
                auto at = [&](int a, int b) { return uint16_t((j + b) * (columns + 1) + i + a); };
                tile.Quad(at(0, 0), at(0, 1), at(1, 1), at(1, 0));
            }
        scene.meshes.push_back(tile);
    });
    std::copy(reinterpret_cast<unsigned char const*>(&count), reinterpret_cast<unsigned char const*>(&count) + 4,
              records.begin());
    std::ofstream out(folder + "/collision.dat", std::ios::binary);
    out.write(reinterpret_cast<char const*>(records.data()), std::streamsize(records.size()));
    return bool(out.flush()) && count < 65536 && scene.Write(folder + "/collision.pod");
}
