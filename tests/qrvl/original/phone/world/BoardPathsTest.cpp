// The shipped board on the paths the build packs into board.pak: every
// space has a point clear of the others and a place on a path, and a car
// drives every route from either start to retirement without a jump.
#include "MotionFixture.h"

#include "qrvl/original/rules/Board.h"
#include "qrvl/original/rules/Car.h"
#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/phone/world/CCarMotion.h"
#include "qrvl/original/phone/world/MatrixUtil.h"

#include "norv/vfs/Vfs.h"

#include <cfloat>
#include <fstream>
#include <iterator>

namespace {

// Space plates are 180 wide; no two may overlap.
constexpr float kMinSpaceGap = 180.0f;
// A car stands on its space's plate: within half a plate of its point.
constexpr float kMaxStandOff = 95.0f;
// Most a car may move in one 16 ms frame: a frame's drive, or the short
// step from a lane's end onto the road.
constexpr float kMaxFrameMove = 90.0f;

PVRTVec3 PointOf(BoardSpace const& space)
{
    return PVRTVec3(space.position[0], space.position[1], space.position[2]);
}

class BoardPathsTest : public MotionTest {
protected:
    void SetUp() override
    {
        MotionTest::SetUp();
        std::ifstream in(NORV_TEST_SOURCE_DIR "/../../../../../data/board/quorvelBoard.txt", std::ios::binary);
        std::vector<unsigned char> const text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        FGData data;
        ASSERT_TRUE(data.duplicate(text.data(), static_cast<int>(text.size())));
        ASSERT_TRUE(board.readBoardFile(&data, nullptr));
        Norv::Vfs::Initialize();
        ASSERT_TRUE(Norv::MountPak(QUORVEL_RESOURCES_DIR "/board.pak", "", 0));
        board.ParseBoardSplines();
    }
    void TearDown() override
    {
        Norv::Vfs::Shutdown();
        MotionTest::TearDown();
    }

    // Drives from `first` along next links, taking `forkChoice` at forks
    // (true: the other branch), until the last space; false on a jump.
    void DriveFrom(int first, bool forkChoice)
    {
        Norv::SmartPtr<CEnt> entity = PlacedEntity();
        PVRTMat4& matrix = entity->worldMatrix;
        CCarMotion motion;
        motion.SetEntity(entity.Get());
        Car car;
        car.init(0, &motion);
        BoardSpace* at = board.getSpace(first);
        car.Place(at);
        int spaces = 1;
        while (at->next >= 0) {
            bool const fork = at->type == BoardSpace::BR || at->type == BoardSpace::B5;
            BoardSpace* ahead = board.getSpace(fork && forkChoice ? at->value : at->next);
            car.AddToPath(ahead, true);
            car.Go();
            PVRTVec3 previous = Util::GetPos(matrix);
            for (int frame = 0; car.getState() == Car::kMoving && frame < 2000; ++frame) {
                car.Tick(16);
                PVRTVec3 const now = Util::GetPos(matrix);
                ASSERT_LT((now - previous).length(), kMaxFrameMove)
                    << "towards space " << board.getSpaceIndex(ahead) << " from " << first;
                previous = now;
            }
            ASSERT_NE(car.getState(), Car::kMoving) << board.getSpaceIndex(ahead);
            ASSERT_EQ(car.GetCurrentSpace(), ahead);
            EXPECT_LT((Util::GetPos(matrix) - PointOf(*ahead)).length(), kMaxStandOff) << board.getSpaceIndex(ahead);
            at = ahead;
            ++spaces;
        }
        EXPECT_EQ(board.getSpaceIndex(at), Board::kNumSpaces - 1);
        EXPECT_GT(spaces, 100);
    }

    Board board;
};

TEST_F(BoardPathsTest, EverySpaceHasAPointClearOfTheOthersAndAPlaceOnAPath)
{
    for (int i = 0; i < Board::kNumSpaces; ++i) {
        BoardSpace const& space = *board.getSpace(i);
        ASSERT_NE(space.position[0], FLT_MAX) << i;
        ASSERT_TRUE(space.path) << i;
        PVRTVec3 onPath;
        space.path->CalcPointAtDist(space.pathDistance, &onPath, nullptr, nullptr);
        EXPECT_LT((onPath - PointOf(space)).length(), kMaxStandOff) << i;
        for (int j = 0; j < i; ++j)
            EXPECT_GT((PointOf(*board.getSpace(j)) - PointOf(space)).length(), kMinSpaceGap) << i << " " << j;
        BoardSpace const* next = board.getSpace(space.next);
        if (next && next->path == space.path) {
            EXPECT_GT(next->pathDistance, space.pathDistance) << i;
        }
    }
    // Within what the free-look camera can reach.
    for (int i = 0; i < Board::kNumSpaces; ++i) {
        EXPECT_GT(board.getSpace(i)->position[0], -3500.0f);
        EXPECT_LT(board.getSpace(i)->position[0], 3800.0f);
        EXPECT_GT(board.getSpace(i)->position[2], -2150.0f);
        EXPECT_LT(board.getSpace(i)->position[2], 2500.0f);
    }
}

TEST_F(BoardPathsTest, CarsDriveEveryRouteWithoutJumping)
{
    // College and career starts; the main branches, then every other branch.
    for (int start : {0, 12}) {
        for (bool other : {false, true}) {
            SCOPED_TRACE(testing::Message() << "start " << start << (other ? " other branches" : ""));
            DriveFrom(start, other);
        }
    }
}

// The party shot (the mask's bit 3) is a party game's own, which that game
// takes whatever the board says; every space allows follow shots only.
TEST_F(BoardPathsTest, EverySpaceAllowsFollowShotsAndNotThePartyShot)
{
    for (int i = 0; i < Board::kNumSpaces; ++i) {
        int const mask = board.getSpace(i)->cameraMask;
        EXPECT_NE(mask & 7, 0) << i;
        EXPECT_EQ(mask & 8, 0) << i;
    }
}

} // namespace
