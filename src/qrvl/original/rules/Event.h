// A pass-and-play notice queued on a player when something happened to it
// during another player's turn.
#pragma once

class FGDataReader;
class FGDataWriter;
class FGString;
class Player;

struct Event {
    enum Type {
        kSued = 0,
        kTileStolen = 1,
        kCardPlayedAgainst = 2,
        kCardAnswered = 3,
        kMarried = 4,
        kChild = 5,
        kRetired = 6,
        kDayCare = 7,
    };

    Event(int type = 0, int subject = 0, int amount = 0, int flag = 0, int sub = 0)
        : type(type), subject(subject), amount(amount), flag(flag), sub(sub) {}

    void save(FGDataWriter* writer) const;
    void load(FGDataReader* reader);
    // The notice as text, naming its subject among the players (the first
    // player when none has the subject's pass-and-play id).
    void toText(FGString& out, Player* const* players, int count) const;

    int type;
    int subject;
    int amount;
    int flag;
    int sub;
    Event* next = nullptr;
};
