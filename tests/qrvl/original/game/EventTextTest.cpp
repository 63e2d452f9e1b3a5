// The notices of a pass-and-play game as text.
#include "TextsFixture.h"

#include "qrvl/original/rules/Car.h"
#include "qrvl/original/rules/Event.h"
#include "qrvl/original/framework/FGString.h"
#include "qrvl/original/rules/Player.h"

using EventTextTest = TextsTest;

TEST_F(EventTextTest, EachKindOfNoticeNamesItsSubject)
{
    Car cars[2];
    Player ann;
    Player ben;
    ann.init(0, "Ann", 1, false, false, &cars[0], 1);
    ben.init(1, "Ben", 0, false, false, &cars[1], 0);
    ann.setPassNPlayId(0);
    ben.setPassNPlayId(1);
    Player* players[] = {&ann, &ben};
    struct Case {
        Event event;
        const char* text;
    };
    const Case cases[] = {
        {Event(Event::kSued, 1), "Ben S_SUED_YOU"},
        {Event(Event::kSued, 1, 0, 1), "Ben S_SUED_YOU S_BLKD"},
        {Event(Event::kTileStolen, 0), "Ann S_STOLE_TOKEN"},
        {Event(Event::kCardPlayedAgainst, 1, 25000), "Ben made you pay $25,000"},
        {Event(Event::kCardPlayedAgainst, 1, 25000, 1), "S_YOU_USED_BLK"},
        {Event(Event::kCardAnswered, 1, 5000), "Ben S_USED_STW S_HAD2PAY $5,000"},
        {Event(Event::kCardAnswered, 1, 5000, 1), "Ben S_USED_STW S_BLKD"},
        {Event(Event::kMarried, 1), "Ben S_GTMRRY_M"},
        {Event(Event::kChild, 1, 0, 0, 2), "Ben S_HADTWN"},
        {Event(Event::kChild, 1, 0, 0, 3), "Ben "},
        {Event(Event::kRetired, 1, 0, 0, 1), "Ben retired to Country Estate"},
        {Event(Event::kDayCare, 1, 0), "Ben S_OPNDYCR"},
        {Event(Event::kDayCare, 1, 10000), "Ben S_OPNDYCR S_HAD2PAY $10,000"},
        // A subject that is nobody names the first player.
        {Event(Event::kMarried, 9), "Ann S_GTMRRY_M"},
        {Event(42, 1), "Ben "},
    };
    for (const Case& test : cases) {
        FGString text;
        test.event.toText(text, players, 2);
        EXPECT_STREQ(text.getNativeString(), test.text) << test.event.type;
    }
}
