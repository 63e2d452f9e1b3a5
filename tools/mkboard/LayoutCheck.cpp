#include "LayoutCheck.h"

#include "BoardRoad.h"
#include "BoardScene.h"
#include "HeightField.h"
#include "RoadTop.h"

#include "contrib/pvr/PVRTModelPOD.h"
#include "qrvl/boardfile/BoardFile.h"
#include "qrvl/port/WorldTables.h"
#include "qrvl/port/Splines.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

namespace {

// Paths are checked at points this far apart along them.
constexpr float kPathStep = 10.0f;
// Scenery stands this far from a path's centre at least: half the road's
// width and a tree's crown.
constexpr float kSceneryClearance = 160.0f;
// and on the land, its foot this close to the land's height.
constexpr float kSceneryFooting = 2.0f;
// Two spaces' plates (180 wide) must not touch; their 200-wide pick
// squares may overlap a little on a bend, where the later space wins.
constexpr float kMinSpaceGap = 180.0f;

std::vector<char> ReadAll(std::string const& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<char>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string Format(char const* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(char const* format, ...)
{
    char text[256];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    return text;
}

// The board's paths, level, sampled along their curves.
std::vector<std::vector<PVRTVec3>> LevelPaths(Splines const& splines)
{
    std::vector<std::vector<PVRTVec3>> paths;
    for (unsigned i = 0; i < splines.GetCount(); ++i) {
        Spline const& spline = *splines.GetSpline(i);
        if (spline.GetType() != Spline::kCarPath)
            continue;
        std::vector<PVRTVec3> level;
        for (unsigned p = 0; p < spline.GetCount(); ++p)
            level.push_back(PVRTVec3(spline.GetPos(p).x, 0.0f, spline.GetPos(p).z));
        paths.push_back(SmoothThrough(level, kPathStep));
    }
    return paths;
}

void CheckPaths(BoardFile const& board, Layout const& layout, std::string const& folder, std::vector<std::string>& faults)
{
    std::vector<char> const bytes = ReadAll(folder + "/splines.bin");
    Splines splines;
    if (!splines.Parse(reinterpret_cast<unsigned char const*>(bytes.data()), bytes.size())) {
        faults.push_back("splines.bin does not read");
        return;
    }
    std::vector<PVRTVec3> points(BoardFile::kNumSpaces, PVRTVec3(NAN, NAN, NAN));
    std::vector<std::vector<PVRTVec3>> paths;
    for (unsigned i = 0; i < splines.GetCount(); ++i) {
        Spline const& spline = *splines.GetSpline(i);
        std::vector<PVRTVec3> list;
        for (unsigned p = 0; p < spline.GetCount(); ++p)
            list.push_back(spline.GetPos(p));
        if (spline.GetType() == Spline::kCarPath) {
            paths.push_back(list);
            continue;
        }
        int index = int(spline.GetStartPos());
        for (std::size_t p = 0; p < list.size() && index >= 0 && index < BoardFile::kNumSpaces; ++p) {
            points[std::size_t(index)] = list[p];
            index = board.spaces[index].next;
        }
    }
    for (int i = 0; i < BoardFile::kNumSpaces; ++i) {
        PVRTVec3 const& p = points[std::size_t(i)];
        if (std::isnan(p.x)) {
            faults.push_back(Format("space %d has no point", i));
            continue;
        }
        bool onPath = false;
        for (std::vector<PVRTVec3> const& path : paths)
            for (PVRTVec3 const& q : path)
                onPath = onPath || (q - p).length() < 1.0f;
        if (!onPath)
            faults.push_back(Format("space %d lies on no path", i));
        if (!layout.Reaches(p.x, p.z))
            faults.push_back(Format("space %d at (%.0f, %.0f) is out of the camera's reach", i, double(p.x), double(p.z)));
        for (int j = 0; j < i; ++j)
            if ((points[std::size_t(j)] - p).length() < kMinSpaceGap)
                faults.push_back(Format("spaces %d and %d are %.0f apart", j, i, double((points[std::size_t(j)] - p).length())));
    }
    std::vector<std::vector<PVRTVec3>> const level = LevelPaths(splines);
    for (std::size_t k = 0; k < level.size(); ++k) {
        std::set<std::string> reported;
        for (PVRTVec3 const& p : level[k])
            for (Placement const& placement : layout.placements) {
                float const d = std::hypot(p.x - placement.position.x, p.z - placement.position.z);
                if (d < layout.clearance && reported.insert(placement.name).second)
                    faults.push_back(Format("path %zu passes %.0f from the %s at (%.0f, %.0f)", k, double(d), placement.name.c_str(), double(placement.position.x), double(placement.position.z)));
            }
    }
}

void CheckScenery(Layout const& layout, std::string const& folder, std::vector<std::string>& faults)
{
    std::vector<char> const bytes = ReadAll(folder + "/splines.bin");
    Splines splines;
    if (!splines.Parse(reinterpret_cast<unsigned char const*>(bytes.data()), bytes.size()))
        return;
    std::vector<std::vector<PVRTVec3>> const paths = LevelPaths(splines);
    HeightField const land(layout);
    for (int row = 0; row < WorldTables::kPositionedRows; ++row) {
        PVRTVec3 const& at = WorldTables::PositionedRow(row).position;
        float nearest = 1e9f;
        for (std::vector<PVRTVec3> const& path : paths)
            for (PVRTVec3 const& p : path)
                nearest = std::min(nearest, std::hypot(p.x - at.x, p.z - at.z));
        if (nearest < kSceneryClearance)
            faults.push_back(Format("scenery row %d stands %.0f from a path", row, double(nearest)));
        float const ground = land.At(at.x, at.z);
        if (std::fabs(ground - at.y) > kSceneryFooting)
            faults.push_back(
                Format("scenery row %d stands at height %.1f on land at %.1f", row, double(at.y), double(ground)));
    }
}

void CheckGroundPatches(std::string const& folder, std::vector<std::string>& faults)
{
    std::vector<char> const bytes = ReadAll(folder + "/collision.dat");
    uint32_t count = 0;
    if (bytes.size() < 4 || (std::memcpy(&count, bytes.data(), 4), bytes.size() != 4 + std::size_t(count) * 16)) {
        faults.push_back("collision.dat's count does not match its records");
        return;
    }
    std::set<uint32_t> colours;
    for (uint32_t i = 0; i < count; ++i) {
        unsigned char const* colour = reinterpret_cast<unsigned char const*>(bytes.data()) + 4 + i * 16 + 12;
        uint32_t const key = uint32_t(colour[0]) << 24 | uint32_t(colour[1]) << 16 | uint32_t(colour[2]) << 8 | colour[3];
        bool const ground = colour[0] == 254 || colour[0] == 253 || colour[0] == 251 || colour[0] == 250;
        if (!ground || colour[3] != 255 || (colour[0] == 255 && colour[1] == 255) || !colours.insert(key).second) {
            faults.push_back(Format("ground patch %u has the colour (%d, %d, %d, %d)", i, colour[0], colour[1], colour[2], colour[3]));
            return;
        }
    }
}

bool LoadPod(std::string const& folder, char const* file, CPVRTModelPOD& model, std::vector<std::string>& faults)
{
    std::vector<char> const bytes = ReadAll(folder + "/" + file);
    if (bytes.empty() || model.ReadFromMemory(bytes.data(), bytes.size()) != 0) {
        faults.push_back(Format("%s does not load", file));
        return false;
    }
    for (unsigned i = 0; i < model.nNumTexture; ++i) {
        std::string name = model.pTexture[i].pszName ? model.pTexture[i].pszName : "";
        name = name.substr(0, name.size() > 4 ? name.size() - 4 : 0) + ".pvr";
        if (ReadAll(folder + "/" + name).empty())
            faults.push_back(Format("%s's texture %s is missing", file, name.c_str()));
    }
    return true;
}

// A mesh's triangles, in the order of its faces.
std::vector<RoadTop::Triangle> TrianglesOf(SPODMesh const& mesh)
{
    std::vector<RoadTop::Triangle> triangles;
    if (!mesh.pInterleaved || !mesh.sFaces.pData || mesh.sVertex.eType != EPODDataFloat)
        return triangles;
    auto vertex = [&](unsigned index) {
        float const* p = reinterpret_cast<float const*>(mesh.pInterleaved + mesh.sVertex.Offset() + std::size_t(index) * mesh.sVertex.nStride);
        return PVRTVec3(p[0], p[1], p[2]);
    };
    unsigned short const* indices = reinterpret_cast<unsigned short const*>(mesh.sFaces.pData);
    for (unsigned face = 0; face < mesh.nNumFaces; ++face)
        triangles.push_back({vertex(indices[3 * face]), vertex(indices[3 * face + 1]), vertex(indices[3 * face + 2])});
    return triangles;
}

// Where a plate dips to the road's top, the road shows through it. Checked
// at each triangle's corners, edge middles and centre.
void CheckPlatesOverRoad(SPODMesh const& mesh, RoadTop const& road, char const* node, std::vector<std::string>& faults)
{
    float lowest = kPlateLift;
    PVRTVec3 where;
    for (RoadTop::Triangle const& t : TrianglesOf(mesh)) {
        PVRTVec3 const &a = t[0], &b = t[1], &c = t[2];
        for (PVRTVec3 const& p : {a, b, c, (a + b) * 0.5f, (b + c) * 0.5f, (a + c) * 0.5f, (a + b + c) / 3.0f}) {
            std::optional<float> const top = road.HeightAt(p.x, p.z);
            if (top && p.y - *top < lowest)
                lowest = p.y - *top, where = p;
        }
    }
    if (lowest < kPlateLift / 4)
        faults.push_back(Format("%s sinks to %.1f over the road at (%.0f, %.0f)", node, double(lowest), double(where.x), double(where.z)));
}

void CheckModels(std::string const& folder, std::vector<std::string>& faults)
{
    CPVRTModelPOD board;
    if (LoadPod(folder, "board.pod", board, faults)) {
        for (unsigned i = 0; i < board.nNumMeshNode; ++i)
            if (board.pNode[i].nIdx != int(i))
                faults.push_back(Format("board.pod's node %u draws mesh %d", i, board.pNode[i].nIdx));
        auto named = [&](int node, char const* prefix) {
            return unsigned(node) < board.nNumMeshNode && !std::strncmp(board.pNode[node].pszName, prefix, std::strlen(prefix));
        };
        if (!named(kWaterNode, "water") || !named(kStreamNodes[0], "stream") || !named(kStreamNodes[1], "stream"))
            faults.push_back("board.pod's water and stream nodes are not in their places");
        // A plate is a grid of quads in the node of its kind, over the road.
        std::vector<RoadTop::Triangle> roadTriangles;
        for (unsigned i = 0; i < board.nNumMeshNode; ++i)
            if (board.pNode[i].pszName && !std::strcmp(board.pNode[i].pszName, "road") && unsigned(board.pNode[i].nIdx) < board.nNumMesh)
                roadTriangles = TrianglesOf(board.pMesh[board.pNode[i].nIdx]);
        RoadTop const road(std::move(roadTriangles));
        unsigned plates = 0;
        for (unsigned i = 0; i < board.nNumMeshNode; ++i)
            if (board.pNode[i].pszName && !std::strncmp(board.pNode[i].pszName, "plate", 5)
                && unsigned(board.pNode[i].nIdx) < board.nNumMesh) {
                SPODMesh const& mesh = board.pMesh[board.pNode[i].nIdx];
                plates += mesh.nNumFaces / (2 * kPlateCells * kPlateCells);
                CheckPlatesOverRoad(mesh, road, board.pNode[i].pszName, faults);
            }
        if (plates != unsigned(BoardFile::kNumSpaces))
            faults.push_back(Format("board.pod has %u plates for %d spaces", plates, BoardFile::kNumSpaces));
        if (board.nNumCamera == 0)
            faults.push_back("board.pod has no camera");
    }
    CPVRTModelPOD other[3];
    LoadPod(folder, "collision.pod", other[0], faults);
    LoadPod(folder, "ratchett.pod", other[1], faults);
    if (LoadPod(folder, "spinner.pod", other[2], faults)) {
        for (char const* name : {"wheel.pvr", "wheel_blur.pvr", "wheelNormal.pvr", "wheelNormal_blur.pvr"})
            if (ReadAll(folder + "/" + name).empty())
                faults.push_back(Format("the wheel's texture %s is missing", name));
    }
}

} // namespace

std::vector<std::string> CheckBoardFiles(BoardFile const& board, Layout const& layout, std::string const& folder)
{
    std::vector<std::string> faults;
    CheckPaths(board, layout, folder, faults);
    CheckScenery(layout, folder, faults);
    CheckGroundPatches(folder, faults);
    CheckModels(folder, faults);
    return faults;
}
