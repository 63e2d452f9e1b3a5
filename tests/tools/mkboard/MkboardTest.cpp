// The board tool's checker catches a road laid across a building or the
// scenery, and the wheel's painted numbers are the ones the clicker reads.
#include "BoardFiles.h"
#include "BoardScene.h"
#include "PodBuilder.h"
#include "LayoutCheck.h"
#include "WheelScene.h"

#include "contrib/pvr/PVRTMat4.h"
#include "contrib/pvr/PVRTModelPOD.h"
#include "qrvl/boardfile/BoardFile.h"
#include "qrvl/original/phone/world/CClickerMotion.h"
#include "qrvl/original/phone/world/CSpinnerMotion.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>

namespace {

class MkboardTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::ifstream in(BOARD_DATA_DIR "/quorvelBoard.txt", std::ios::binary);
        std::vector<unsigned char> const text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::string error;
        ASSERT_TRUE(ReadBoardFile(text.data(), text.size(), nullptr, board, error)) << error;
        ASSERT_TRUE(ReadLayout(BOARD_DATA_DIR "/layout.txt", layout, error)) << error;
    }

    BoardFile board;
    Layout layout;
};

TEST_F(MkboardTest, TheShippedLayoutPassesItsChecks)
{
    TempFolder folder;
    std::string error;
    ASSERT_TRUE(WriteBoardFiles(board, layout, folder / "", error)) << error;
    std::vector<std::string> const faults = CheckBoardFiles(board, layout, folder / "");
    EXPECT_TRUE(faults.empty()) << faults.front();
}

TEST_F(MkboardTest, ARoadThroughTheChurchIsReported)
{
    // The first stretch of road bent to run over the church.
    Layout crossing = layout;
    crossing.road.insert(crossing.road.begin() + 2, {2434.0f, 1343.0f});
    TempFolder folder;
    std::string error;
    ASSERT_TRUE(WriteBoardFiles(board, crossing, folder / "", error)) << error;
    std::vector<std::string> const faults = CheckBoardFiles(board, crossing, folder / "");
    bool church = false;
    for (std::string const& fault : faults)
        church = church || fault.find("from the church") != std::string::npos;
    EXPECT_TRUE(church);
}

// The scenery stays where it was placed; a road laid through a grove, or
// land raised under the trees, leaves it in the road or in the air.
TEST_F(MkboardTest, SceneryInTheRoadOrOffTheLandIsReported)
{
    struct Case {
        char const* what;
        std::function<void(Layout&)> change;
        char const* says;
    };
    Case const cases[] = {
        {"a road through the western pines",
         [](Layout& l) {
             l.road.insert(l.road.begin() + 2, {-4100.0f, 1300.0f});
         },
         "from a path"},
        {"the land raised",
         [](Layout& l) {
             for (Placement& p : l.placements)
                 p.position.y += 80.0f;
         },
         "on land at"},
    };
    for (Case const& c : cases) {
        Layout changed = layout;
        c.change(changed);
        TempFolder folder;
        std::string error;
        ASSERT_TRUE(WriteBoardFiles(board, changed, folder / "", error)) << error;
        bool reported = false;
        for (std::string const& fault : CheckBoardFiles(board, changed, folder / ""))
            reported =
                reported || (fault.find("scenery row") != std::string::npos && fault.find(c.says) != std::string::npos);
        EXPECT_TRUE(reported) << c.what;
    }
}

// A plate that dips to the road's top lets the road show through it.
TEST_F(MkboardTest, APlateSunkIntoTheRoadIsReported)
{
    auto flat = [](char const* name, float y) {
        PodMesh mesh;
        mesh.name = name;
        PVRTVec3 const up(0.0f, 1.0f, 0.0f);
        mesh.Quad(mesh.Add({0.0f, y, 0.0f}, up, 0, 0), mesh.Add({0.0f, y, 200.0f}, up, 0, 1),
                  mesh.Add({200.0f, y, 200.0f}, up, 1, 1), mesh.Add({200.0f, y, 0.0f}, up, 1, 0));
        return mesh;
    };
    struct Case {
        float plateHeight;
        bool reported;
    };
    for (Case const c : {Case{8.0f, true}, Case{10.5f, true}, Case{14.0f, false}}) {
        TempFolder folder;
        std::string error;
        ASSERT_TRUE(WriteBoardFiles(board, layout, folder / "", error)) << error;
        PodScene scene;
        scene.meshes = {flat("road", 10.0f), flat("plateStop", c.plateHeight)};
        ASSERT_TRUE(scene.Write(folder / "board.pod"));
        bool reported = false;
        for (std::string const& fault : CheckBoardFiles(board, layout, folder / ""))
            reported = reported || fault.find("plateStop sinks") != std::string::npos;
        EXPECT_EQ(reported, c.reported) << "a plate at " << c.plateHeight << " over a road at 10";
    }
}

TEST_F(MkboardTest, AMissingOrShortFileIsAFault)
{
    TempFolder folder;
    std::string error;
    ASSERT_TRUE(WriteBoardFiles(board, layout, folder / "", error)) << error;
    folder.Write("collision.dat", std::string("\x05\0\0\0", 4) + std::string(20, '\0'));
    std::remove((folder / "ratchett.pod").c_str());
    std::vector<std::string> const faults = CheckBoardFiles(board, layout, folder / "");
    ASSERT_EQ(faults.size(), 2u);
    EXPECT_NE(faults[0].find("collision.dat"), std::string::npos);
    EXPECT_NE(faults[1].find("ratchett.pod"), std::string::npos);
}

// Each plate is drawn in the node of its kind, so a space shows the colour
// and mark of what happens on it.
TEST_F(MkboardTest, EachSpaceKindHasItsOwnPlates)
{
    TempFolder folder;
    std::string error;
    ASSERT_TRUE(WriteBoardFiles(board, layout, folder / "", error)) << error;
    std::ifstream in(folder / "board.pod", std::ios::binary);
    std::vector<char> const bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    CPVRTModelPOD scene;
    ASSERT_EQ(scene.ReadFromMemory(bytes.data(), bytes.size()), 0);
    auto platesIn = [&](char const* node) {
        for (unsigned i = 0; i < scene.nNumMeshNode; ++i)
            if (!std::strcmp(scene.pNode[i].pszName, node))
                return int(scene.pMesh[scene.pNode[i].nIdx].nNumFaces / (2 * kPlateCells * kPlateCells));
        return -1;
    };
    auto spacesOf = [&](std::initializer_list<int> types) {
        int n = 0;
        for (BoardRecord const& space : board.spaces)
            n += std::count(types.begin(), types.end(), space.type) ? 1 : 0;
        return n;
    };
    struct Case {
        char const* node;
        std::initializer_list<int> types;
    };
    Case const cases[] = {
        {"plateSpin", {BoardRecord::S2}},          {"plateShare", {BoardRecord::SW}},
        {"platePayday", {BoardRecord::PD, BoardRecord::PR}}, {"plateLawsuit", {BoardRecord::LS}},
        {"plateHouse", {BoardRecord::HD}},         {"plateRetire", {BoardRecord::RT}},
    };
    for (Case const& c : cases) {
        EXPECT_GT(spacesOf(c.types), 0) << c.node;
        EXPECT_EQ(platesIn(c.node), spacesOf(c.types)) << c.node;
    }
}

// The clicker stands beyond the rim at +z; the wheel is drawn turned by
// the motion's angle about Y, so the face under the clicker lies in the
// direction the inverse turn gives.
TEST(WheelNumbersTest, TheNumberUnderTheClickerIsTheOneTheRulesRead)
{
    CSpinnerMotion wheel;
    wheel.Init();
    CClickerMotion clicker(&wheel);
    for (int step = 0; step < 200; ++step) {
        wheel.AddTouchDelta(0.0314159f * 1.37f);
        wheel.Update(16);
        clicker.Init();
        float const angle = wheel.GetAngleNormalised();
        PVRTVec4 const local = PVRTMat4::RotationY(angle).inverse() * PVRTVec4(0.0f, 0.0f, 1.0f, 0.0f);
        int const painted = WheelNumberAt(std::atan2(local.x, local.z));
        ASSERT_EQ(painted, clicker.GetValuePointedTo()) << "at " << angle;
    }
}

} // namespace
