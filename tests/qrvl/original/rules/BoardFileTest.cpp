// Reading the board file: tokens, records, the shipped board and broken boards.
#include "RulesFixture.h"

#include "qrvl/boardfile/BoardFile.h"
#include "qrvl/boardfile/BoardTokens.h"
#include "qrvl/original/rules/BoardSpace.h"
#include "qrvl/original/framework/FGData.h"

#include "norv/vfs/Vfs.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

namespace {

struct Bytes {
    explicit Bytes(const std::string& text)
        : text(text)
        , tokens(reinterpret_cast<const unsigned char*>(this->text.data()), this->text.size())
    {
    }
    std::string text;
    BoardTokens tokens;
};

std::string shippedBoard()
{
    std::ifstream in(NORV_TEST_SOURCE_DIR "/../../../../data/board/quorvelBoard.txt", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool readsAsBoard(const std::string& text)
{
    FGData data;
    data.duplicate(reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()));
    Board board;
    return board.readBoardFile(&data, nullptr);
}

// Replaces the n-th line (0-based) of a text.
std::string withLine(const std::string& text, int n, const std::string& line)
{
    std::istringstream in(text);
    std::string out, current;
    for (int i = 0; std::getline(in, current); ++i)
        out += (i == n ? line : current) + "\n";
    return out;
}

} // namespace

TEST(BoardFile, TokensSplitAtCommasAndLineEnds)
{
    Bytes bytes(std::string("1,2\r\nca\xE9t,") + std::string(47, 'x') + "," + std::string(48, 'y'));
    char token[BoardTokens::kTokenSize];
    ASSERT_TRUE(bytes.tokens.next(token));
    EXPECT_STREQ("1", token);
    ASSERT_TRUE(bytes.tokens.next(token));
    EXPECT_STREQ("2", token);
    ASSERT_TRUE(bytes.tokens.next(token));
    EXPECT_STREQ("cat", token);
    ASSERT_TRUE(bytes.tokens.next(token));
    EXPECT_EQ(std::string(47, 'x'), token);
    EXPECT_FALSE(bytes.tokens.next(token)); // one byte too long
    EXPECT_EQ("token too long", bytes.tokens.error());
}

TEST(BoardFile, RecordsAndTheirKinds)
{
    TestEngine engine;
    Bytes bytes("3_sk053,10,20,4,S52,PC,5000&1000,53,15\n"
                "3_sk092,0,0,0,S91,BR,100,92,5\n"
                "3_sk121,0,0,0,S120,BR,128,121,5\n"
                "3_sk001,0,0,0,S7,BR,1,2,5\n"
                "12_sk022,0,0,0,LONGNAME99,TX,-1,23,7\n");
    BoardSpace pc, family, risky, other, refund;
    ASSERT_TRUE(pc.Read(bytes.tokens, nullptr));
    EXPECT_EQ(BoardSpace::PC, pc.type);
    EXPECT_EQ((5000 << 16) | 1000, pc.value);
    EXPECT_EQ(3, pc.displayCode);
    EXPECT_EQ(10, pc.x2d);
    EXPECT_EQ(53, pc.next);
    EXPECT_EQ(15, pc.cameraMask);
    ASSERT_TRUE(family.Read(bytes.tokens, nullptr));
    ASSERT_TRUE(risky.Read(bytes.tokens, nullptr));
    ASSERT_TRUE(other.Read(bytes.tokens, nullptr));
    EXPECT_EQ(BoardSpace::kFamilyBranch, family.branchType);
    EXPECT_EQ(BoardSpace::kRiskyBranch, risky.branchType);
    EXPECT_EQ(BoardSpace::kNoBranch, other.branchType);
    ASSERT_TRUE(refund.Read(bytes.tokens, nullptr));
    EXPECT_STREQ("LONGNAME", refund.name);
    EXPECT_EQ(-1, refund.value);
    EXPECT_EQ(1, refund.GetPortrait());
    EXPECT_EQ(12, refund.displayCode);
    EXPECT_GT(refund.position[0], 1e38f); // no 3D position yet

    Car car;
    Player player;
    player.init(0, "P", 0, true, false, &car, 0);
    EXPECT_EQ(5000, BoardSpace::calcPayPerChild(&player, pc.value));
    EXPECT_EQ(0, BoardSpace::calcPayPerChild(&player, 1000));
    player.addSpouse();
    player.addTwins(0);
    EXPECT_EQ(7000, BoardSpace::calcPayPerChild(&player, pc.value));
}

TEST(BoardFile, StopAndPauseSpaces)
{
    std::set<int> stops = {BoardSpace::CC, BoardSpace::GM, BoardSpace::SH, BoardSpace::CJ,
                           BoardSpace::BH, BoardSpace::BR, BoardSpace::RT, BoardSpace::B5};
    BoardSpace space;
    for (int type = 0; type < BoardSpace::kNumTypes; ++type) {
        space.type = type;
        EXPECT_EQ(stops.count(type) == 1, space.IsStopSpace()) << BoardSpace::space2string(type);
        EXPECT_EQ(type == BoardSpace::PD || type == BoardSpace::PR, space.IsPauseSpace());
    }
    EXPECT_STREQ("SW", BoardSpace::space2string(BoardSpace::SW));
    EXPECT_STREQ("unknown", BoardSpace::space2string(32));
}

TEST(BoardFile, TheShippedBoardIsAWholeGame)
{
    RulesFixture game(2);
    Board& board = *game.board;
    EXPECT_EQ(512, board.getSpinnerX());
    std::set<int> types;
    for (int i = 0; i < Board::kNumSpaces; ++i)
        types.insert(board.getSpace(i)->type);
    EXPECT_EQ(static_cast<size_t>(BoardSpace::kNumTypes), types.size()); // every kind of space is on it

    // Every route from both starts, through every fork, ends on the retirement space.
    std::vector<int> starts = {0, 12};
    std::set<int> seen;
    while (!starts.empty()) {
        int index = starts.back();
        starts.pop_back();
        for (int steps = 0; index != -1; ++steps) {
            ASSERT_LT(steps, Board::kNumSpaces) << "a loop in the board";
            BoardSpace* space = board.getSpace(index);
            seen.insert(index);
            if (space->type == BoardSpace::BR || space->type == BoardSpace::B5)
                starts.push_back(space->value);
            if (space->next == -1) {
                EXPECT_EQ(BoardSpace::RT, space->type);
            }
            index = space->next;
        }
    }
    EXPECT_EQ(static_cast<size_t>(Board::kNumSpaces), seen.size()); // no space is out of reach
    EXPECT_EQ(0, game.tiles.getNumCards() + 3 - 25); // three tiles were put aside
}

TEST(BoardFile, BrokenBoardsAreRefused)
{
    TestEngine engine;
    const std::string good = shippedBoard();
    ASSERT_TRUE(readsAsBoard(good));
    std::string lines = good.substr(0, good.rfind('\n', good.size() - 2) + 1); // all but the last record
    struct Case {
        const char* what;
        std::string text;
        const char* reason;
    };
    const char* const badLinks = "not a board of 153 spaces with valid links";
    const Case cases[] = {
        {"empty", "", badLinks},
        {"only the spinner", "512\n384\n", badLinks},
        {"one record short", lines, badLinks},
        {"one record more", good + "3_sk154,0,0,0,S153,NL,0,-1,15\n", badLinks},
        {"unknown type code", withLine(good, 10, "3_sk009,0,0,0,S8,ZZ,0,9,15"), "unknown space type; "},
        {"next beyond the board", withLine(good, 10, "3_sk009,0,0,0,S8,CB,0,153,15"), badLinks},
        {"fork target beyond the board", withLine(good, 93, "3_sk092,0,0,0,S91,BR,900,92,15"), badLinks},
        {"token too long", withLine(good, 10, std::string(60, '7')), "token too long; "},
        {"cut inside a record", good.substr(0, good.size() / 2), badLinks},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(readsAsBoard(c.text)) << c.what;
        BoardFile file;
        std::string error;
        EXPECT_FALSE(ReadBoardFile(reinterpret_cast<const unsigned char*>(c.text.data()), c.text.size(), nullptr, file,
                                   error));
        EXPECT_NE(std::string::npos, error.find(c.reason)) << c.what << ": " << error;
    }
}

TEST(BoardFile, MissingBoardFileFailsInit)
{
    TestEngine engine;
    Norv::Vfs::Shutdown();
    Norv::Vfs::Initialize(); // nothing mounted
    QuorvelCardPile tiles;
    Board board;
    BoardPresenter presenter;
    EXPECT_FALSE(board.init(nullptr, &tiles, nullptr, nullptr, nullptr, 0, &presenter, nullptr));
}
