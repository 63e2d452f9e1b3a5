// The saved form of a notice (five int32) and its text.
#include "qrvl/original/rules/Event.h"

#include "qrvl/original/framework/FGDataReader.h"
#include "qrvl/original/framework/FGDataWriter.h"
#include "qrvl/original/framework/FGString.h"
#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/phone/text/CLocalise.h"
#include "qrvl/original/framework/GameUtil.h"

#include <string>

void Event::save(FGDataWriter* writer) const
{
    writer->writeInt(type);
    writer->writeInt(subject);
    writer->writeInt(amount);
    writer->writeInt(flag);
    writer->writeInt(sub);
}

void Event::load(FGDataReader* reader)
{
    type = reader->readInt();
    subject = reader->readInt();
    amount = reader->readInt();
    flag = reader->readInt();
    sub = reader->readInt();
}

void Event::toText(FGString& out, Player* const* players, int count) const
{
    if (count < 1 || !players[0])
        return;
    const Player* named = players[0];
    for (int i = 0; i < count; ++i) {
        if (players[i] && players[i]->getPassNPlayId() == subject)
            named = players[i];
    }
    named->makePassNPlayName(out, true, true, false);
    std::string money = GameUtil::getMoneyString(amount);
    auto add = [&out](const char* id) { out.add(FGStringManager::getString(id)); };
    switch (type) {
    case kSued:
        add("S_SUED_YOU");
        if (flag) {
            out.add(" ");
            add("S_BLKD");
        }
        break;
    case kTileStolen:
        add("S_STOLE_TOKEN");
        break;
    case kCardPlayedAgainst: {
        const char* const args[] = {named->getName(), money.c_str()};
        out.set(CLocalise::Fill(FGStringManager::getString(flag ? "S_YOU_USED_BLK" : "S_YOU_USED"), args, flag ? 1 : 2)
                    .c_str());
        break;
    }
    case kCardAnswered:
        add("S_USED_STW");
        out.add(" ");
        if (flag) {
            add("S_BLKD");
        } else {
            add("S_HAD2PAY");
            out.add(" ");
            out.add(money.c_str());
        }
        break;
    case kMarried:
        add("S_GTMRRY_M");
        break;
    case kChild: {
        const char* const kBabies[] = {"S_HADBOY", "S_HADGRL", "S_HADTWN"};
        if (sub >= 0 && sub < 3)
            add(kBabies[sub]);
        break;
    }
    case kRetired: {
        const char* const home[] = {FGStringManager::getString(sub == 0 ? "S_MILLION" : "S_COUNT")};
        out.add(CLocalise::Fill(FGStringManager::getString("S_RETIRED_AT"), home, 1).c_str());
        break;
    }
    case kDayCare:
        add("S_OPNDYCR");
        if (amount != 0) {
            out.add(" ");
            add("S_HAD2PAY");
            out.add(" ");
            out.add(money.c_str());
        }
        break;
    default:
        break;
    }
}
