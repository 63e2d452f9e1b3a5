// The saved form of a player inside a saved game.
#include "qrvl/original/rules/Player.h"

#include "qrvl/original/rules/Board.h"
#include "qrvl/original/rules/Car.h"
#include "qrvl/original/rules/CareerCard.h"
#include "qrvl/original/rules/Event.h"
#include "qrvl/original/framework/FGDataReader.h"
#include "qrvl/original/framework/FGDataWriter.h"
#include "qrvl/original/rules/HouseCard.h"
#include "qrvl/original/rules/PlayerJournal.h"
#include "qrvl/original/rules/QuorvelCard.h"
#include "qrvl/original/rules/RulesEngine.h"
#include "qrvl/original/rules/ShareTheWealthCard.h"

namespace {

// Limits of a sound record: a game holds 21 Share the Wealth cards and 25
// tiles; queued notices are bounded by what a long game can produce.
constexpr int kMaxShareCards = 21;
constexpr int kMaxTiles = 25;
constexpr int kMaxEvents = 4096;

bool inRange(int value, int low, int high)
{
    return value >= low && value <= high;
}

} // namespace

void Player::save(FGDataWriter* writer)
{
    writer->writeUTF(name);
    writer->writeInt(character);
    writer->writeInt(colour);
    writer->writeInt(passNPlayId);
    writer->writeInt(career ? career->id : -1);
    writer->writeInt(previousCareer ? previousCareer->id : -1);
    int shareCount = 0;
    for (Card* card = shareCards; card; card = card->next)
        ++shareCount;
    writer->writeInt(shareCount);
    for (Card* card = shareCards; card; card = card->next)
        writer->writeInt(card->id);
    writer->writeInt(cash);
    writer->writeInt(loans);
    writer->writeInt(raise);
    writer->writeBoolean(college);
    writer->writeInt(tileCount);
    for (Card* tile = tiles; tile; tile = tile->next)
        writer->writeInt(static_cast<QuorvelCard*>(tile)->value);
    writer->writeInt(house ? house->id : -1);
    for (int seat : seats)
        writer->writeInt(seat);
    writer->writeInt(nextSeat);
    writer->writeBoolean(computer);
    writer->writeBoolean(secondFlag);
    writer->writeInt(investment);
    writer->writeBoolean(retired);
    writer->writeInt(home);
    writer->writeBoolean(loseNextTurn);
    writer->writeBoolean(prepared);
    Board* board = Board::GetBoard();
    boardSpace = (board && car && car->isPlaced()) ? board->getSpaceIndex(car->GetCurrentSpace()) : -1;
    writer->writeInt(boardSpace);
    writer->writeByte(0);
    int eventCount = 0;
    for (Event* event = eventHead; event; event = event->next)
        ++eventCount;
    writer->writeInt(eventCount);
    for (Event* event = eventHead; event; event = event->next)
        event->save(writer);
    if (journal) {
        journal->save(writer);
    } else {
        writer->writeInt(0); // a player without a journal saves an empty one
    }
    writer->writeInt(static_cast<int>(journalFlags));
    writer->writeInt(static_cast<int>(pendingJournalEvent));
    writer->writeBoolean(tapped);
}

bool Player::load(FGDataReader* reader, Car* playerCar)
{
    FGString savedName = reader->readUTF();
    int savedCharacter = reader->readInt();
    int savedColour = reader->readInt();
    init(savedColour, savedName.getNativeString(), 0, true, false, playerCar, savedCharacter);
    RulesEngine& engine = RulesEngine::get();
    auto fail = [&](const char* why) {
        engine.fatal(why);
        init(savedColour, savedName.getNativeString(), 0, true, false, playerCar, savedCharacter);
        return false;
    };

    passNPlayId = reader->readInt();
    int careerId = reader->readInt();
    int previousId = reader->readInt();
    if (!inRange(careerId, -1, CareerCard::kCount - 1) || !inRange(previousId, -1, CareerCard::kCount - 1))
        return fail("saved player: unknown career");
    career = careerId == -1 ? nullptr : CareerCard::create(careerId);
    previousCareer = previousId == -1 ? nullptr : CareerCard::create(previousId);

    int shareCount = reader->readInt();
    if (!inRange(shareCount, 0, kMaxShareCards))
        return fail("saved player: impossible card count");
    ShareTheWealthCard** link = &shareCards;
    for (int i = 0; i < shareCount; ++i) {
        ShareTheWealthCard* card = ShareTheWealthCard::create(reader->readInt());
        if (!card || card->id > ShareTheWealthCard::kSpinFour) {
            delete card;
            return fail("saved player: unknown Share the Wealth card");
        }
        *link = card;
        link = reinterpret_cast<ShareTheWealthCard**>(&card->next);
    }

    cash = reader->readInt();
    loans = reader->readInt();
    raise = reader->readInt();
    college = reader->readBoolean();
    if (cash < 0 || loans < 0 || raise < 0)
        return fail("saved player: negative money");

    int savedTiles = reader->readInt();
    if (!inRange(savedTiles, 0, kMaxTiles))
        return fail("saved player: impossible tile count");
    for (int i = 0; i < savedTiles; ++i)
        addQuorvelCard(new QuorvelCard(reader->readInt()));

    int houseId = reader->readInt();
    if (!inRange(houseId, -1, HouseCard::kCount - 1))
        return fail("saved player: unknown house");
    house = houseId == -1 ? nullptr : HouseCard::create(houseId);

    for (int& seat : seats) {
        seat = reader->readInt();
        if (!inRange(seat, -1, 1))
            return fail("saved player: bad seat");
    }
    nextSeat = reader->readInt();
    if (!inRange(nextSeat, 1, kSeats))
        return fail("saved player: bad next seat");

    computer = reader->readBoolean();
    secondFlag = reader->readBoolean();
    investment = reader->readInt();
    retired = reader->readBoolean();
    home = reader->readInt();
    loseNextTurn = reader->readBoolean();
    prepared = reader->readBoolean();
    int savedSpace = reader->readInt();
    if (!inRange(investment, -1, 9) || !inRange(home, -1, 1) || !inRange(savedSpace, -1, Board::kNumSpaces - 1))
        return fail("saved player: value out of range");
    boardSpace = savedSpace;
    reader->readByte();

    int eventCount = reader->readInt();
    if (!inRange(eventCount, 0, kMaxEvents))
        return fail("saved player: impossible event count");
    for (int i = 0; i < eventCount; ++i) {
        Event* event = new Event;
        event->load(reader);
        addEvent(event);
    }

    delete journal;
    journal = PlayerJournal::create(name.getNativeString(), character, colour);
    if (!journal->load(reader))
        return fail("saved player: bad journal");
    journalFlags = static_cast<unsigned>(reader->readInt());
    pendingJournalEvent = static_cast<unsigned>(reader->readInt());
    tapped = reader->readBoolean();
    if (reader->hasError())
        return fail("saved player: record cut short");
    return true;
}
