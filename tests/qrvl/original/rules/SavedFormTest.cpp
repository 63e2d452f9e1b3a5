// The saved forms of players and the board: round trips and malformed records.
#include "RulesFixture.h"

#include "qrvl/original/rules/CareerCard.h"
#include "qrvl/original/rules/Event.h"
#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/framework/FGDataReader.h"
#include "qrvl/original/framework/FGDataWriter.h"
#include "qrvl/original/rules/HouseCard.h"
#include "qrvl/original/rules/PlayerJournal.h"
#include "qrvl/original/rules/QuorvelCard.h"
#include "qrvl/original/rules/ShareTheWealthCard.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct Saved {
    std::unique_ptr<FGData> data;
    FGDataReader reader;
    explicit Saved(FGDataWriter& writer) : data(writer.getData()) { reader.init(data.get()); }
};

void fillPlayer(RulesFixture& game, Player& player)
{
    player.takeJob(CareerCard::create(7), true);
    player.takeJob(CareerCard::create(3), false);
    player.addShareTheWealth(ShareTheWealthCard::create(ShareTheWealthCard::kExemption));
    player.addShareTheWealth(ShareTheWealthCard::create(ShareTheWealthCard::kSpinTwice));
    player.transactCash(-30000);
    player.payRaise();
    player.addQuorvelCard(new QuorvelCard(10000));
    player.addQuorvelCard(new QuorvelCard(50000));
    player.buyHouse(HouseCard::create(2));
    player.addSpouse();
    player.addTwins(1);
    player.setInvestment(6);
    player.setLoseNextTurn(true);
    player.setPrepared(true);
    for (int type = 0; type < 3; ++type)
        player.addEvent(new Event(type, 2, 1000 * type, type % 2, 7));
    player.setPendingJournalEvent(PlayerJournal::hashName("je_career_start"));
    game.putCar(0, 47);
}

} // namespace

TEST(SavedForm, PlayerRoundTrip)
{
    RulesFixture game(2);
    Player& player = game.players[0];
    fillPlayer(game, player);
    FGDataWriter writer;
    player.save(&writer);
    Saved saved(writer);

    Player loaded;
    Car car;
    ASSERT_TRUE(loaded.load(&saved.reader, &car));
    EXPECT_STREQ(player.getName(), loaded.getName());
    EXPECT_EQ(player.getCharacter(), loaded.getCharacter());
    EXPECT_EQ(3, loaded.getCareer()->id);
    EXPECT_EQ(player.getCash(), loaded.getCash());
    EXPECT_EQ(player.getLoans(), loaded.getLoans());
    EXPECT_EQ(player.getRaise(), loaded.getRaise());
    EXPECT_TRUE(loaded.hasSTWCard(ShareTheWealthCard::kExemption));
    EXPECT_TRUE(loaded.hasSTWCard(ShareTheWealthCard::kSpinTwice));
    EXPECT_EQ(2, loaded.getHouse()->id);
    EXPECT_EQ(2, loaded.getNumChildren());
    EXPECT_EQ(6, loaded.getInvestment());
    EXPECT_TRUE(loaded.getLoseNextTurn());
    EXPECT_TRUE(loaded.isPrepared());
    EXPECT_EQ(47, loaded.getBoardSpaceIdx());
    EXPECT_EQ(player.getJournalFlags(), loaded.getJournalFlags());
    EXPECT_EQ(player.getJournal()->getEntryCount(), loaded.getJournal()->getEntryCount());
    // Tiles come back in reverse order.
    ASSERT_EQ(2, loaded.getNumQuorvelCards());
    EXPECT_EQ(10000, loaded.getQuorvelCards()->value);
    // Events oldest first; a new one queues behind them.
    loaded.addEvent(new Event(9));
    for (int type : {0, 1, 2, 9}) {
        std::unique_ptr<Event> event(loaded.getNextEvent());
        ASSERT_NE(nullptr, event);
        EXPECT_EQ(type, event->type);
    }
}

TEST(SavedForm, PlayerWithNothingSavesMinusOnes)
{
    RulesFixture game(2);
    Player& player = game.players[1];
    FGDataWriter writer;
    player.save(&writer);
    Saved saved(writer);
    FGDataReader& reader = saved.reader;
    EXPECT_STREQ("S_PLYR_RACHEL", reader.readUTF().getNativeString());
    reader.readInt(); // character
    reader.readInt(); // colour
    reader.readInt(); // pass-and-play id
    EXPECT_EQ(-1, reader.readInt()); // career
    EXPECT_EQ(-1, reader.readInt()); // previous career
    EXPECT_EQ(0, reader.readInt());  // cards
    reader.readInt();
    reader.readInt();
    reader.readInt();
    reader.readBoolean();
    EXPECT_EQ(0, reader.readInt());  // tiles
    EXPECT_EQ(-1, reader.readInt()); // house
    for (int seat = 0; seat < Player::kSeats; ++seat)
        reader.readInt();
    reader.readInt();
    reader.readBoolean();
    reader.readBoolean();
    EXPECT_EQ(-1, reader.readInt()); // investment

    saved.reader.init(saved.data.get());
    Player loaded;
    Car car;
    ASSERT_TRUE(loaded.load(&saved.reader, &car));
    EXPECT_EQ(nullptr, loaded.getCareer());
    EXPECT_EQ(nullptr, loaded.getHouse());
    EXPECT_EQ(-1, loaded.getInvestment());
}

TEST(SavedForm, MalformedPlayersFailCleanly)
{
    RulesFixture game(2);
    fillPlayer(game, game.players[0]);
    FGDataWriter writer;
    game.players[0].save(&writer);
    std::unique_ptr<FGData> good = writer.getData();
    ASSERT_GT(good->getLength(), 200);

    auto patched = [&](int offset, int value) {
        std::vector<unsigned char> bytes(good->getData(), good->getData() + good->getLength());
        for (int i = 0; i < 4; ++i)
            bytes[offset + i] = static_cast<unsigned char>(static_cast<unsigned>(value) >> (24 - 8 * i));
        return bytes;
    };
    int nameLength = 4 + static_cast<int>(std::string(game.players[0].getName()).size());
    int careerAt = nameLength + 12;
    int cardCountAt = careerAt + 8;
    struct Case {
        const char* what;
        std::vector<unsigned char> bytes;
    };
    std::vector<Case> cases = {
        {"empty", {}},
        {"name length beyond the data", patched(0, 0x7FFFFFF0)},
        {"negative name length", patched(0, -4)},
        {"unknown career", patched(careerAt, 12)},
        {"unknown previous career", patched(careerAt + 4, -7)},
        {"lying card count", patched(cardCountAt, 1000000)},
        {"negative card count", patched(cardCountAt, -1)},
        {"unknown card kind", patched(cardCountAt + 4, 500)},
        {"cut in the middle", std::vector<unsigned char>(good->getData(), good->getData() + good->getLength() / 2)},
        {"cut before the last byte", std::vector<unsigned char>(good->getData(), good->getData() + good->getLength() - 1)},
    };
    for (const Case& c : cases) {
        FGData data;
        data.duplicate(c.bytes.data(), static_cast<int>(c.bytes.size()));
        FGDataReader reader;
        reader.init(&data);
        Player loaded;
        Car car;
        EXPECT_FALSE(loaded.load(&reader, &car)) << c.what;
        EXPECT_EQ(nullptr, loaded.getCareer()) << c.what;
        EXPECT_EQ(nullptr, loaded.getHouse()) << c.what;
        EXPECT_EQ(0, loaded.getNumQuorvelCards()) << c.what;
        EXPECT_FALSE(loaded.eventPending()) << c.what;
    }
}

TEST(SavedForm, BoardRoundTrip)
{
    RulesFixture game(2);
    Board& board = *game.board;
    // A new game put three tiles aside.
    int reserve = 0;
    for (Card* tile = board.getReserveTiles(); tile; tile = tile->next)
        ++reserve;
    EXPECT_EQ(3, reserve);

    FGDataWriter writer;
    writer.writeInt(3);
    for (int value : {50000, 40000, 30000})
        writer.writeInt(value);
    writer.writeBoolean(true);
    writer.writeInt(92);
    game.players[1].buyHouse(HouseCard::create(3));
    game.players[1].setBoardSpaceIdx(30);
    game.putCar(0, 91);
    board.setCurrPlayer(0);
    {
        Saved saved(writer);
        ASSERT_TRUE(board.load(&saved.reader));
    }
    std::vector<int> values;
    for (Card* tile = board.getReserveTiles(); tile; tile = tile->next)
        values.push_back(static_cast<QuorvelCard*>(tile)->value);
    EXPECT_EQ((std::vector<int>{50000, 40000, 30000}), values);
    EXPECT_EQ(92, board.getStoredForkIndex());
    EXPECT_EQ(nullptr, board.getStarterHousePile()->drawThisCard(3)); // owned, so no longer on offer
    EXPECT_EQ(30, board.getSpaceIndex(game.cars[1].GetCurrentSpace()));

    board.save(&writer);
    Saved again(writer);
    EXPECT_EQ(4 + 3 * 4 + 1 + 4, again.data->getLength());
    EXPECT_EQ(3, again.reader.readInt());
    EXPECT_EQ(50000, again.reader.readInt());
}

TEST(SavedForm, MalformedBoardsFailCleanly)
{
    RulesFixture game(2);
    struct Case {
        const char* what;
        std::vector<int> ints;
    };
    const Case cases[] = {
        {"negative tile count", {-1}},
        {"more tiles than are put aside", {4, 1, 2, 3, 4}},
        {"huge tile count", {0x40000000}},
        {"cut inside the tiles", {3, 50000}},
        {"cut before the fork", {0}},
    };
    for (const Case& c : cases) {
        FGDataWriter writer;
        for (int value : c.ints)
            writer.writeInt(value);
        Saved saved(writer);
        EXPECT_FALSE(game.board->load(&saved.reader)) << c.what;
        EXPECT_EQ(nullptr, game.board->getReserveTiles()) << c.what;
    }
    FGDataWriter writer;
    writer.writeInt(0);
    writer.writeBoolean(true);
    writer.writeInt(400);
    Saved saved(writer);
    EXPECT_FALSE(game.board->load(&saved.reader));
    EXPECT_FALSE(game.board->hasStoredForkDecision());
}
