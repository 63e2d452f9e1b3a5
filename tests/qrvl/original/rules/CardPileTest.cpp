// Card tables, drawing from piles and their saved form.
#include "RulesFixture.h"

#include "qrvl/original/rules/BetterHouseCardPile.h"
#include "qrvl/original/rules/CareerCard.h"
#include "qrvl/original/framework/FGData.h"
#include "qrvl/original/framework/FGDataReader.h"
#include "qrvl/original/framework/FGDataWriter.h"
#include "qrvl/original/rules/HouseCard.h"
#include "qrvl/original/rules/QuorvelCard.h"
#include "qrvl/original/rules/ShareTheWealthCard.h"
#include "qrvl/original/rules/StarterHouseCardPile.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::vector<int> tileValues(const CardPile& pile)
{
    std::vector<int> values;
    for (Card* card = pile.getCards(); card; card = card->next)
        values.push_back(static_cast<QuorvelCard*>(card)->value);
    return values;
}

std::vector<int> ids(const CardPile& pile)
{
    std::vector<int> result;
    for (Card* card = pile.getCards(); card; card = card->next)
        result.push_back(card->id);
    return result;
}

} // namespace

TEST(CardTables, UnknownIdsMakeNoCard)
{
    TestEngine engine;
    EXPECT_EQ(nullptr, CareerCard::create(12));
    EXPECT_EQ(nullptr, CareerCard::create(-1));
    EXPECT_EQ(nullptr, HouseCard::create(12));
    EXPECT_EQ(nullptr, ShareTheWealthCard::create(5));
    std::unique_ptr<CareerCard> doctor(CareerCard::create(11));
    EXPECT_EQ(100000, doctor->salary);
    EXPECT_EQ(-1, doctor->maxSalary);
    std::unique_ptr<HouseCard> mansion(HouseCard::create(11));
    EXPECT_EQ(800000, mansion->price);
    EXPECT_EQ(-1, mansion->saleValue);
}

TEST(CardPiles, NewPilesHoldTheirTables)
{
    TestEngine engine;
    CareerCardPile careers;
    careers.init();
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4, 5}), ids(careers));
    CollegeCareerCardPile college;
    college.init();
    EXPECT_EQ((std::vector<int>{6, 7, 8, 9, 10, 11}), ids(college));
    ShareTheWealthCardPile share;
    share.init();
    EXPECT_EQ(21, share.getNumCards());
    EXPECT_EQ((std::vector<int>{2, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 1, 1, 1, 1, 0, 0, 0, 0}), ids(share));
    QuorvelCardPile tiles;
    tiles.init();
    std::vector<int> values = tileValues(tiles);
    ASSERT_EQ(25u, values.size());
    int total = 0;
    for (int value : values)
        total += value;
    EXPECT_EQ(7 * 10000 + 6 * 20000 + 5 * 30000 + 4 * 40000 + 3 * 50000, total);
    EXPECT_EQ(50000, values.front());
    EXPECT_EQ(10000, values.back());
}

TEST(CardPiles, DrawingAndPuttingBack)
{
    TestEngine engine;
    StarterHouseCardPile houses;
    houses.init();
    EXPECT_EQ(nullptr, houses.drawThisCard(99));
    Card* five = houses.drawThisCard(5);
    ASSERT_NE(nullptr, five);
    EXPECT_EQ(nullptr, five->next);
    EXPECT_EQ(5, houses.getNumCards());
    houses.putBack(five);
    EXPECT_EQ(five, houses.getCards());

    // Down to one card: drawOne(false) keeps it, drawOne(true) takes it.
    while (houses.getNumCards() > 1)
        delete houses.drawOne(true);
    Card* last = houses.drawOne(false);
    EXPECT_EQ(1, houses.getNumCards());
    EXPECT_EQ(last, houses.drawOne(true));
    delete last;
    EXPECT_TRUE(houses.empty());
    EXPECT_EQ(nullptr, houses.drawOne(true));
}

TEST(CardPiles, DrawTwoGivesTwoDifferentCardsThatStay)
{
    TestEngine engine;
    for (unsigned seed = 0; seed < 20; ++seed) {
        engine.srand(seed);
        BetterHouseCardPile pile;
        pile.init();
        while (pile.getNumCards() > 2)
            delete pile.drawOne(true);
        Card* first;
        Card* second;
        pile.drawTwo(&first, &second);
        EXPECT_NE(first, second);
        EXPECT_NE(nullptr, first);
        EXPECT_NE(nullptr, second);
        EXPECT_EQ(2, pile.getNumCards());
    }
}

TEST(CardPiles, SaveAndLoad)
{
    TestEngine engine;
    QuorvelCardPile tiles;
    tiles.init();
    delete tiles.drawThisCard(tiles.getCards()->next); // a 50000 from the second place
    std::vector<int> before = tileValues(tiles);
    FGDataWriter writer;
    tiles.save(&writer);
    std::unique_ptr<FGData> data = writer.getData();
    FGDataReader reader;
    reader.init(data.get());
    QuorvelCardPile loaded;
    ASSERT_TRUE(loaded.load(&reader));
    std::vector<int> after = tileValues(loaded);
    EXPECT_EQ(std::vector<int>(before.rbegin(), before.rend()), after); // reversed by each round trip

    CareerCardPile careers;
    careers.init();
    delete careers.drawThisCard(3);
    careers.save(&writer);
    CareerCardPile empty;
    empty.save(&writer);
    data = writer.getData();
    reader.init(data.get());
    CareerCardPile loadedCareers;
    ASSERT_TRUE(loadedCareers.load(&reader));
    EXPECT_EQ((std::vector<int>{0, 1, 2, 4, 5}), ids(loadedCareers));
    ASSERT_TRUE(loadedCareers.load(&reader));
    EXPECT_TRUE(loadedCareers.empty());
}

TEST(CardPiles, MalformedSavedPilesFailCleanly)
{
    TestEngine engine;
    struct Case {
        const char* what;
        std::vector<int> ints;
    };
    const Case cases[] = {
        {"negative count", {-1}},
        {"count far beyond the data", {0x7FFFFFFF}},
        {"unknown career id", {2, 0, 12}},
        {"negative career id", {1, -5}},
        {"cut short", {3, 0, 1}},
    };
    for (const Case& c : cases) {
        FGDataWriter writer;
        for (int value : c.ints)
            writer.writeInt(value);
        std::unique_ptr<FGData> data = writer.getData();
        FGDataReader reader;
        reader.init(data.get());
        CareerCardPile pile;
        pile.init();
        EXPECT_FALSE(pile.load(&reader)) << c.what;
        EXPECT_TRUE(pile.empty()) << c.what;
    }
}
