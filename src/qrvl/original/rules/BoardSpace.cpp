// The effects of a space on a player who lands on it or passes it.
#include "qrvl/original/rules/BoardSpace.h"

#include "qrvl/original/rules/BoardPresenter.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/rules/PlayerJournal.h"
#include "qrvl/original/rules/RulesEngine.h"

#include <cfloat>
#include <cstdlib>
#include <cstring>

namespace {

struct JournalPlace {
    const char* spaceName;
    const char* eventName;
};

const JournalPlace kJournalPlaces[] = {
    {"S9", "je_graduation_day"}, {"S16", "je_adopt_a_pet"}, {"S25", "je_marriage"},
    {"S45", "je_movie_premiere"}, {"S78", "je_grand_canyon"}, {"S108", "je_adopt_a_pet"},
    {"S122", "je_pyramids"}, {"S141", "je_alps"}, {"S144", "je_wall_of_china"},
};

// Journal flag bits of milestones that have a first-time and a later entry.
constexpr unsigned kBoyBit = 1, kGirlBit = 2, kTwinsBit = 4, kGrandparentBit = 8;

void addFirstOrLater(Player* player, unsigned bit, const char* first, const char* later)
{
    unsigned flags = player->getJournalFlags();
    const char* event = (flags & bit) ? later : first;
    player->setJournalFlags(flags | bit);
    if (player->getJournal())
        player->getJournal()->addEntry(PlayerJournal::hashName(event), player);
}

} // namespace

BoardSpace::BoardSpace()
{
    position[0] = FLT_MAX;
    position[1] = 0.0f;
    position[2] = 0.0f;
}

int BoardSpace::GetHudColor() const
{
    switch (type) {
    case CC: case GM: case SH: case CJ: case BH: case BR: case B5:
        return 3;
    case PD: case PR:
        return 2;
    case LS:
        return 4;
    default:
        return 1;
    }
}

int BoardSpace::GetPortrait() const
{
    switch (type) {
    case CB: case LF: case BB: case S2: case PD: case PR: case GM: case LS:
    case EL: case SA: case PN: case WC: case HL:
        return 1;
    case PB: case LJ: case MT: case OC: case SF: case HD:
        return 2;
    case TX:
        return value == -1 ? 1 : 2;
    default:
        return 0;
    }
}

int BoardSpace::calcPayPerChild(const Player* player, int packed)
{
    int children = player->getNumChildren();
    int base = packed >> 16;
    if (children == 0 && base == 0)
        return 0;
    return children * (packed & 0xFFFF) + base;
}

void BoardSpace::Process(Player* player, BoardPresenter* presenter) const
{
    RulesEngine& engine = RulesEngine::get();
    int character = player->getCharacter();
    auto payWithSound = [&](int amount, const char* sound) {
        if (amount == 0)
            return;
        player->transactCash(-amount, MoneyCause::SpacePayment);
        engine.playSound(sound);
    };
    switch (type) {
    case PB:
        presenter->enterMoneyTransferWithBank(character, -value);
        player->transactCash(-value, MoneyCause::SpacePayment);
        engine.playSound("lost_money");
        break;
    case CB:
        presenter->enterMoneyTransferWithBank(character, value);
        player->transactCash(value, MoneyCause::SpaceCollection);
        engine.playSound("player_get_cash");
        break;
    case TX: {
        int taxes = player->getTaxes();
        if (value != -1) {
            if (taxes != 0)
                presenter->enterMoneyTransferWithBank(character, -taxes);
            player->payTaxes();
            engine.playSound("bad_sound");
            engine.playSound("lost_money");
            engine.vibrate(250);
        } else {
            if (taxes != 0)
                presenter->enterMoneyTransferWithBank(character, taxes);
            player->transactCash(taxes, MoneyCause::TaxRefund);
            engine.playSound("good_sound");
            engine.playSound("player_get_cash");
        }
        break;
    }
    case PD:
    case PR:
        presenter->enterMoneyTransferWithBank(character, player->getSalary());
        player->transactCash(player->getSalary(), MoneyCause::Salary);
        if (type == PR)
            player->payRaise();
        engine.playSound("player_get_cash");
        break;
    case BM:
        player->setLoans(5);
        break;
    case MT:
        player->setLoseNextTurn(true);
        engine.playSound("player_school");
        break;
    case PC:
        payWithSound(calcPayPerChild(player, value), "lost_money");
        break;
    case WC:
        player->transactCash(value, MoneyCause::SpaceCollection);
        engine.playSound("player_win_competition");
        break;
    case SF:
        payWithSound(calcPayPerChild(player, value), "school_fees");
        break;
    case HD:
        player->transactCash(-value, MoneyCause::SpacePayment);
        engine.playSound("player_holiday");
        break;
    case HK:
        payWithSound(calcPayPerChild(player, value), "player_holiday");
        break;
    default:
        break;
    }
}

void BoardSpace::ProcessPostAnim(Player* player) const
{
    RulesEngine& engine = RulesEngine::get();
    if (type == GM) {
        engine.playSound("player_marries");
        player->addSpouse();
    } else if (type == BB) {
        engine.playSound("player_child");
        if (value == 2)
            player->addTwins(engine.rand() % 2);
        else
            player->addChild(value);
    }
}

void BoardSpace::CheckForJournalEvents(Player* player) const
{
    if (type == BB) {
        if (value == 0)
            addFirstOrLater(player, kBoyBit, "je_baby_boy_1", "je_baby_boy_2");
        else if (value == 1)
            addFirstOrLater(player, kGirlBit, "je_baby_girl_1", "je_baby_girl_2");
        else if (value == 2)
            addFirstOrLater(player, kTwinsBit, "je_twins_1", "je_twins_2");
        return;
    }
    if (std::strcmp(name, "SGP") == 0) {
        addFirstOrLater(player, kGrandparentBit, "je_grandparent_1", "je_grandparent_2");
        return;
    }
    if (std::strcmp(name, "SLJ") == 0)
        player->setPendingJournalEvent(PlayerJournal::hashName("je_getting_fired"));
    for (const JournalPlace& place : kJournalPlaces) {
        if (std::strcmp(name, place.spaceName) == 0 && player->getJournal()) {
            player->getJournal()->addEntry(PlayerJournal::hashName(place.eventName), player);
            return;
        }
    }
}
