// Every model the board's scene names, as the build stages it for
// board.pak, reads through the POD reader with at most three mesh nodes,
// meshes that 16-bit indices reach, and its textures beside it; the car,
// the pegs and the animated pieces carry what their entities use; and a
// frame of the whole board keeps to its budget.
#include "SceneBudget.h"

#include "contrib/pvr/PVRTModelPOD.h"
#include "contrib/pvr/PVRTTexture.h"
#include "qrvl/port/WorldTables.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <set>

namespace {

// What a frame of the board may cost.
constexpr long kTriangleBudget = 100000;
constexpr int kDrawCallBudget = 350;
constexpr unsigned kMaxMeshNodes = 3;

std::string const kFolder = PROPS_BUILT_DIR "/";

std::vector<char> ReadAll(std::string const& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<char>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool ReadPod(std::string const& path, CPVRTModelPOD& model)
{
    std::vector<char> const bytes = ReadAll(kFolder + path);
    return !bytes.empty() && model.ReadFromMemory(bytes.data(), bytes.size()) == 0;
}

// A PVR texture with its whole chain of mip levels.
bool IsTexture(std::string const& path)
{
    std::vector<char> const bytes = ReadAll(kFolder + path);
    PVR_Texture_Header header;
    if (bytes.size() < sizeof header)
        return false;
    std::memcpy(&header, bytes.data(), sizeof header);
    unsigned levels = 0;
    for (unsigned side = std::max(header.width, header.height); side > 1; side /= 2)
        ++levels;
    return header.magic == PVRTEX_IDENTIFIER && header.mipMapCount == levels;
}

std::string Folder(std::string const& path)
{
    std::size_t const slash = path.rfind('/');
    return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

// Every model the world, its entities and the factory load, with its
// folder.
std::set<std::string> NamedModels()
{
    using namespace WorldTables;
    std::set<std::string> models = {"glow.pod", "spinner_sparks.pod", "gameobjects/carRed.pod",
                                    "gameobjects/pinkpegJump.pod", "gameobjects/pinkpegJumpB.pod"};
    for (char const* pattern : {"gameobjects/pinkpeg%d.pod", "gameobjects/bluepeg%d.pod"})
        for (int file = 1; file <= 3; ++file) {
            char name[64];
            std::snprintf(name, sizeof name, pattern, file);
            models.insert(name);
        }
    for (char const* file : kEnvironment)
        models.insert(std::string("environment/") + file);
    for (char const* file : kCurrency)
        models.insert(std::string("environment/") + file);
    for (TouchableRow const& row : kTouchables)
        models.insert(std::string("environment/") + row.file);
    for (AnimatedTouchableRow const& row : kAnimated)
        models.insert({std::string("environment/") + row.main, std::string("environment/") + row.animation});
    for (ModelRow const& row : kPlaceableModels)
        models.insert(std::string(row.folder) + row.file);
    return models;
}

TEST(ShippedPropsTest, EveryNamedModelLoadsWithinItsLimitsAndHasItsTextures)
{
    std::set<std::string> const models = NamedModels();
    for (std::string const& path : models) {
        CPVRTModelPOD model;
        ASSERT_TRUE(ReadPod(path, model)) << path;
        EXPECT_GE(model.nNumMeshNode, 1u) << path;
        EXPECT_LE(model.nNumMeshNode, kMaxMeshNodes) << path;
        for (unsigned i = 0; i < model.nNumMesh; ++i) {
            EXPECT_GT(model.pMesh[i].nNumFaces, 0u) << path << " mesh " << i;
            EXPECT_LE(model.pMesh[i].nNumVertex, 65535u) << path << " mesh " << i;
        }
        for (unsigned i = 0; i < model.nNumMeshNode; ++i) {
            int const material = model.pNode[i].nIdxMaterial;
            ASSERT_TRUE(material >= 0 && unsigned(material) < model.nNumMaterial) << path << " node " << i;
            int const texture = model.pMaterial[material].nIdxTexDiffuse;
            ASSERT_TRUE(texture >= 0 && unsigned(texture) < model.nNumTexture) << path << " node " << i;
            std::string name = model.pTexture[texture].pszName;
            name = Folder(path) + name.substr(0, name.size() - 4) + ".pvr";
            EXPECT_TRUE(IsTexture(name)) << path << " draws " << name;
        }
    }
}

TEST(ShippedPropsTest, TheCarCarriesItsNormalMapSpaceAndSixPaints)
{
    CPVRTModelPOD car;
    ASSERT_TRUE(ReadPod("gameobjects/carRed.pod", car));
    ASSERT_EQ(car.nNumMeshNode, 1u);
    SPODMesh const& mesh = car.pMesh[0];
    EXPECT_EQ(mesh.nNumUVW, 2u);
    EXPECT_EQ(mesh.sTangents.n, 3u);
    EXPECT_EQ(mesh.sBinormals.n, 3u);
    // Whichever set a drawing path reads the paint with, it finds the same
    // colour cell: the second set stays inside the first set's cell.
    constexpr float kCells = 8.0f;
    for (unsigned v = 0; v < mesh.nNumVertex; ++v) {
        auto uv = [&](unsigned set) {
            return reinterpret_cast<float const*>(mesh.pInterleaved + mesh.psUVW[set].Offset()
                                                  + v * mesh.psUVW[set].nStride);
        };
        ASSERT_EQ(int(uv(0)[0] * kCells), int(uv(1)[0] * kCells)) << "vertex " << v;
        ASSERT_EQ(int(uv(0)[1] * kCells), int(uv(1)[1] * kCells)) << "vertex " << v;
    }
    for (char const* texture :
         {"carRedHole", "carOrangeHole", "carBlueHole", "carGreenHole", "carYellowHole", "carPurpleHole", "carnormal"})
        EXPECT_TRUE(IsTexture(std::string("gameobjects/") + texture + ".pvr")) << texture;
}

// Each peg's seated pose leaves its node at rest, so that the seat lies in
// its vertices: seat n at x = +15 (even n) or -15, z = -37 - 22 (n / 2).
TEST(ShippedPropsTest, EachPegSitsInItsSeatWhenItsAnimationEnds)
{
    struct Seat {
        char const* file;
        float x, z;
    };
    Seat const seats[] = {{"pinkpeg1.pod", 15, -37},  {"bluepeg1.pod", -15, -37}, {"pinkpeg2.pod", 15, -59},
                          {"bluepeg2.pod", -15, -59}, {"pinkpeg3.pod", 15, -81},  {"bluepeg3.pod", -15, -81}};
    for (Seat const& seat : seats) {
        CPVRTModelPOD peg;
        ASSERT_TRUE(ReadPod(std::string("gameobjects/") + seat.file, peg)) << seat.file;
        ASSERT_GT(peg.nNumFrame, 1u) << seat.file;
        peg.SetFrame(float(peg.nNumFrame - 1));
        PVRTMat4 const rest = peg.GetWorldMatrix(peg.pNode[0]);
        EXPECT_NEAR(rest.f[12], 0.0f, 0.01f) << seat.file;
        EXPECT_NEAR(rest.f[13], 0.0f, 0.01f) << seat.file;
        peg.SetFrame(0.0f);
        EXPECT_GT(peg.GetWorldMatrix(peg.pNode[0]).f[13], 10.0f) << seat.file << " drops in from above";
        SPODMesh const& mesh = peg.pMesh[0];
        float minX = 1e9f, maxX = -1e9f, minZ = 1e9f, maxZ = -1e9f;
        for (unsigned v = 0; v < mesh.nNumVertex; ++v) {
            float const* p =
                reinterpret_cast<float const*>(mesh.pInterleaved + mesh.sVertex.Offset() + v * mesh.sVertex.nStride);
            minX = std::min(minX, p[0]), maxX = std::max(maxX, p[0]), minZ = std::min(minZ, p[2]),
            maxZ = std::max(maxZ, p[2]);
        }
        EXPECT_NEAR((minX + maxX) / 2, seat.x, 1.0f) << seat.file;
        EXPECT_NEAR((minZ + maxZ) / 2, seat.z, 1.0f) << seat.file;
    }
}

TEST(ShippedPropsTest, NodesTheEntitiesLookForAreThere)
{
    struct Named {
        char const* file;
        char const* node;
    };
    Named const named[] = {
        {"environment/rubberring_anim.pod", "rubberring-submesh1"},
        {"spinner_sparks.pod", "spin_particles_sparks"},
        {"environment/butterfly_anim.pod", "butterfly"},
        {"environment/labels_board.pod", "posVal"},
        {"environment/labels_board.pod", "negVal"},
    };
    for (Named const& n : named) {
        CPVRTModelPOD model;
        ASSERT_TRUE(ReadPod(n.file, model)) << n.file;
        bool found = false;
        for (unsigned i = 0; i < model.nNumMeshNode; ++i)
            found = found || std::strstr(model.pNode[i].pszName, n.node);
        EXPECT_TRUE(found) << n.file << " has no node " << n.node;
    }
    // The labels' first texture is the default language's; the others
    // are swapped in by name.
    CPVRTModelPOD labels;
    ASSERT_TRUE(ReadPod("environment/labels_board.pod", labels));
    EXPECT_STREQ(labels.pTexture[labels.pMaterial[0].nIdxTexDiffuse].pszName, "quorvelEn.png");
    for (char const* language : {"quorvelFr", "quorvelDe", "quorvelSp"})
        EXPECT_TRUE(IsTexture(std::string("environment/") + language + ".pvr")) << language;
}

TEST(ShippedPropsTest, AFrameOfTheWholeBoardKeepsToItsBudget)
{
    SceneBudget const budget = CountScene(PROPS_BUILT_DIR);
    EXPECT_TRUE(budget.unreadable.empty()) << budget.unreadable.front();
    EXPECT_LE(budget.triangles, kTriangleBudget);
    EXPECT_LE(budget.drawCalls, kDrawCallBudget);
}

} // namespace
