// The journal events, the entries of one journal, their texts and pictures,
// and the journal block of saved games and high scores.
#include "qrvl/original/phone/journal/CJournal.h"

#include "qrvl/original/rules/CareerCard.h"
#include "qrvl/original/framework/FGDataReader.h"
#include "qrvl/original/framework/FGDataWriter.h"
#include "qrvl/original/framework/FGStringManager.h"
#include "qrvl/original/rules/HouseCard.h"
#include "qrvl/original/rules/Player.h"
#include "qrvl/original/rules/RulesEngine.h"
#include "qrvl/original/framework/GameUtil.h"
#include "qrvl/port/Particles.h"
#include "qrvl/port/SoundManager.h"

#include <cstring>
#include <map>

namespace {

using P = CJournalEvent::ParameterType;

struct EventRow {
    const char* name;
    const char* title;
    const char* description;
    const char* border;
    const char* picture;
    const char* sound;
    std::vector<P> parameters;
    std::vector<std::string> particles;
};

const std::vector<std::string> kPathTiles = {"jp_quorvel_tile_green", "jp_quorvel_tile_yellow", "jp_quorvel_tile_blue",
                                             "jp_quorvel_tile_purple"};
const std::vector<std::string> kWork = {"jp_greencash", "jp_pencil", "jp_graph", "jp_clock"};
const std::vector<std::string> kHome = {"jp_key1", "jp_key2", "jp_redballoon", "jp_greenballoon", "jp_blueballoon",
                                        "jp_orangeballoon"};
const std::vector<std::string> kBoy = {"jp_dummy", "jp_teddy", "jp_greenballoon", "jp_blueballoon", "jp_heart"};
const std::vector<std::string> kGirl = {"jp_dummy", "jp_ragdoll", "jp_orangeballoon", "jp_redballoon", "jp_heart"};
const std::vector<std::string> kTwins = {"jp_dummy",       "jp_ragdoll", "jp_greenballoon", "jp_blueballoon",
                                         "jp_redballoon", "jp_heart",   "jp_teddy"};
const std::vector<std::string> kGrand = {"jp_ragdoll",    "jp_greenballoon",  "jp_blueballoon",
                                         "jp_redballoon", "jp_orangeballoon", "jp_teddy"};
const std::vector<std::string> kSun = {"jp_sun", "jp_sun2"};

// Journal events in table order; images are named without their folder and suffix.
const std::vector<EventRow>& eventRows()
{
    static const std::vector<EventRow> rows = {
        {"je_introduction", "", "S_JOURNAL_QUORVEL", "MONEY_BDR", "", "", {P::kPlayer}, {}},
        {"je_college", "S_JNL_TITLE_COLLEGE", "S_JNL_DESC_COLLEGE", "Education_BDR", "Off2College", "cheering",
         {P::kPlayer}, {"jp_basketball", "jp_book", "jp_pencil", "jp_calculator"}},
        {"je_career_start", "S_JNL_TITLE_CAREER_START", "S_JNL_DESC_CAREER_START", "Nine2Five_BDR", "", "",
         {P::kPlayer, P::kCareer}, kWork},
        {"je_career_college", "S_JNL_TITLE_CAREER_START", "S_JNL_DESC_CAREER_COLLEGE", "Nine2Five_BDR", "", "",
         {P::kPlayer, P::kCareer}, kWork},
        {"je_marriage", "S_JNL_TITLE_MARRIAGE", "S_JNL_DESC_MARRIAGE", "House_BDR", "Marriage", "weddingbells",
         {P::kPlayer},
         {"jp_confetti_p1", "jp_confetti_p2", "jp_confetti_p3", "jp_confetti_p4", "jp_weddingbell", "jp_heart"}},
        {"je_starter_home", "S_JNL_TITLE_STARTER_HOME", "S_JNL_DESC_STARTER_HOME", "House_BDR", "", "", {P::kHouse},
         kHome},
        {"je_path_of_quorvel", "S_JNL_TITLE_PATH_OF_QUORVEL", "S_JNL_DESC_PATH_OF_QUORVEL", "Money_BDR", "ChooseAPath",
         "musical_jingle1", {P::kPlayer}, kPathTiles},
        {"je_school_return", "S_JNL_TITLE_SCHOOL_RETURN", "S_JNL_DESC_SCHOOL_RETURN", "Education_BDR", "ChooseAPath",
         "", {P::kPlayer}, {"jp_atom", "jp_pencil", "jp_book", "jp_flask"}},
        {"je_change_career", "S_JNL_TITLE_CHANGE_CAREER", "S_JNL_DESC_CHANGE_CAREER", "Nine2Five_BDR", "", "",
         {P::kPlayer, P::kCareer}, {"jp_quorvel_tile_blue", "jp_quorvel_tile_purple", "jp_greencash", "jp_clock"}},
        {"je_family_path", "S_JNL_TITLE_FAMILY_PATH", "S_JNL_DESC_FAMILY_PATH", "Soother_BDR", "ChooseAPath",
         "musical_jingle2", {},
         {"jp_quorvel_tile_green", "jp_quorvel_tile_yellow", "jp_quorvel_tile_blue", "jp_quorvel_tile_purple",
          "jp_heart"}},
        {"je_path_of_quorvel_family", "S_JNL_TITLE_PATH_OF_QUORVEL", "S_JNL_DESC_PATH_OF_QUORVEL", "Money_BDR",
         "ChooseAPath", "", {P::kPlayer},
         {"jp_quorvel_tile_green", "jp_quorvel_tile_yellow", "jp_quorvel_tile_blue", "jp_quorvel_tile_purple",
          "jp_quorvel_tile_green_r", "jp_quorvel_tile_blue_r"}},
        {"je_new_home", "S_JNL_TITLE_NEW_HOME", "S_JNL_DESC_NEW_HOME", "House_BDR", "", "", {P::kHouse}, kHome},
        {"je_safe_path", "S_JNL_TITLE_SAFE_PATH", "S_JNL_DESC_SAFE_PATH", "Money_BDR", "ChooseAPath", "musical_jingle3",
         {P::kPlayer}, kPathTiles},
        {"je_risky_path", "S_JNL_TITLE_RISKY_PATH", "S_JNL_DESC_RISKY_PATH", "Money_BDR", "ChooseAPath",
         "musical_jingle4", {P::kPlayer},
         {"jp_quorvel_tile_green_r", "jp_quorvel_tile_yellow_r", "jp_quorvel_tile_blue_r", "jp_quorvel_tile_purple_r",
          "jp_quorvel_tile_purple", "jp_quorvel_tile_yellow"}},
        {"je_millionaire_mansion", "S_JNL_TITLE_MILLIONAIRE_MANSION", "S_JNL_DESC_MILLIONAIRE_MANSION", "House_BDR",
         "MillionaireMansion", "champagne", {P::kPlayer}, {"jp_coins", "jp_greencash", "jp_key1"}},
        {"je_country_estate", "S_JNL_TITLE_COUNTRY_ESTATE", "S_JNL_DESC_COUNTRY_ESTATE", "House_BDR", "CountryEstate",
         "birds", {P::kPlayer}, {"jp_heart", "jp_greencash", "jp_key2"}},
        {"je_earnings", "S_JNL_TITLE_EARNINGS", "S_JNL_DESC_EARNINGS", "Money_BDR", "Retirement", "kerching",
         {P::kPlayer, P::kMoney}, {"jp_greencash", "jp_greencash", "jp_greencash", "jp_coins", "jp_coins"}},
        {"je_the_end", "S_JNL_TITLE_THE_END", "", "Money_BDR", "", "tadah", {}, {}},
        {"je_baby_boy_1", "S_JNL_TITLE_A_NEW_BABY", "S_JNL_DESC_BABY_BOY_1", "Soother_BDR", "BabyBoy", "baby",
         {P::kPlayer}, kBoy},
        {"je_baby_girl_1", "S_JNL_TITLE_A_NEW_BABY", "S_JNL_DESC_BABY_GIRL_1", "Soother_BDR", "BabyGirl", "baby",
         {P::kPlayer}, kGirl},
        {"je_twins_1", "S_JNL_TITLE_TWINS", "S_JNL_DESC_TWINS_1", "Soother_BDR", "Twins", "baby", {P::kPlayer}, kTwins},
        {"je_baby_boy_2", "S_JNL_TITLE_A_NEW_BABY_2", "S_JNL_DESC_BABY_BOY_2", "Soother_BDR", "BabyBoy", "baby",
         {P::kPlayer}, kBoy},
        {"je_baby_girl_2", "S_JNL_TITLE_A_NEW_BABY_2", "S_JNL_DESC_BABY_GIRL_2", "Soother_BDR", "BabyGirl", "baby",
         {P::kPlayer}, kGirl},
        {"je_twins_2", "S_JNL_TITLE_TWINS_2", "S_JNL_DESC_TWINS_2", "Soother_BDR", "Twins", "baby", {P::kPlayer},
         kTwins},
        {"je_getting_fired", "S_JNL_TITLE_GETTING_FIRED", "S_JNL_DESC_GETTING_FIRED", "Nine2Five_BDR", "YoureFired",
         "slammingdoor", {P::kPlayer, P::kCareer}, {"jp_redcash", "jp_pinkslip", "jp_clock"}},
        {"je_graduation_day", "S_JNL_TITLE_GRADUATION_DAY", "S_JNL_DESC_GRADUATION_DAY", "Education_BDR", "Graduation",
         "", {}, {"jp_mortarboard", "jp_diploma"}},
        {"je_movie_premiere", "S_JNL_TITLE_MOVIE_PREMIERE", "S_JNL_DESC_MOVIE_PREMIERE", "Money_BDR", "TheRedCarpet",
         "camerasnaps", {P::kPlayer}, {"jp_flash"}},
        {"je_adopt_a_pet", "S_JNL_TITLE_ADOPT_A_PET", "S_JNL_DESC_ADOPT_A_PET", "Pet_BDR", "AdoptPet", "dogbark", {},
         {"jp_dogbone", "jp_fishbone", "jp_heart"}},
        {"je_grandparent_1", "S_JNL_TITLE_GRANDPARENT_1", "S_JNL_DESC_GRANDPARENT_1", "Soother_BDR", "Grandparents",
         "babysrattle", {P::kPlayer}, kGrand},
        {"je_grandparent_2", "S_JNL_TITLE_GRANDPARENT_2", "S_JNL_DESC_GRANDPARENT_2", "Soother_BDR", "Grandparents",
         "babysrattle", {P::kPlayer}, kGrand},
        {"je_grand_canyon", "S_JNL_TITLE_GRAND_CANYON", "S_JNL_DESC_GRAND_CANYON", "Holiday_BDR", "GrandCanyon",
         "aeroplane", {}, kSun},
        {"je_pyramids", "S_JNL_TITLE_PYRAMIDS", "S_JNL_DESC_PYRAMIDS", "Holiday_BDR", "Egypt", "aeroplane", {}, kSun},
        {"je_alps", "S_JNL_TITLE_ALPS", "S_JNL_DESC_ALPS", "Holiday_BDR", "TheAlps", "aeroplane", {P::kPlayer},
         {"jp_snow"}},
        {"je_wall_of_china", "S_JNL_TITLE_WALL_OF_CHINA", "S_JNL_DESC_WALL_OF_CHINA", "Holiday_BDR", "GreatWallChina",
         "aeroplane", {P::kPlayer}, kSun},
    };
    return rows;
}

const char* const kCareerNames[] = {"S_JNL_HAIRSTYLIST", "S_JNL_ENTERTAINER", "S_JNL_POLICE",   "S_JNL_MECHANIC",
                                    "S_JNL_SALESPERSON", "S_JNL_ATHLETE",     "S_JNL_TEACHER",  "S_JNL_COMPUTER",
                                    "S_JNL_ACCOUNTANT",  "S_JNL_VET",         "S_JNL_LAWYER",   "S_JNL_DOCTOR"};
const char* const kCareerImages[] = {"hair_stylist", "entertainer",   "police",     "mechanic",
                                     "salesperson",  "athlete",       "teacher",    "computer_tech",
                                     "accountant",   "veternarian",   "lawyer",     "doctor"};
const char* const kHouseNames[] = {"S_MH", "S_CND", "S_LGCBN", "S_RNCH", "S_CAP",  "S_TUD",
                                   "S_2W", "S_EXCP", "S_MV",   "S_LUMTRT", "S_PENT", "S_MANS"};
const char* const kHouseImages[] = {"mobile_home",    "condo",          "log_cabin",        "ranch",
                                    "cape",           "tudor",          "RV_doublewide",    "executive_cape",
                                    "modern_victorian", "luxury_mt_retreat", "penthouse",  "mansion"};
constexpr int kCardKinds = 12;

std::map<unsigned, CJournalEvent>& eventTable()
{
    static std::map<unsigned, CJournalEvent> table;
    return table;
}

std::string imageName(const std::string& name)
{
    return name.empty() ? std::string() : "menu/gfx/JNL_" + name + ".png@linear";
}

std::string localised(const std::string& id)
{
    return id.empty() ? std::string() : std::string(FGStringManager::getString(id.c_str()));
}

// Fills each "%s" of the pattern with the next text; other conversions are
// left as they stand, so a pattern can never read arguments it was not given.
std::string fillPattern(const std::string& pattern, const std::vector<std::string>& texts)
{
    std::string out;
    size_t next = 0;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 's') {
            if (next < texts.size())
                out += texts[next];
            ++next;
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

PlayerJournal* makeJournal(const char* name, int character, int colour)
{
    return new CJournal(name, character, colour);
}

} // namespace

CJournal::CJournal(const char* playerName, int playerCharacter, int playerColour)
    : character(static_cast<unsigned>(playerCharacter))
    , colour(static_cast<unsigned>(playerColour))
{
    std::strncpy(name, playerName ? playerName : "", kNameBytes - 1);
}

void CJournal::InitJournalData()
{
    std::map<unsigned, CJournalEvent>& table = eventTable();
    for (const EventRow& row : eventRows()) {
        CJournalEvent event;
        event.id = PlayerJournal::hashName(row.name);
        event.title = row.title;
        event.description = row.description;
        event.border = imageName(row.border);
        event.picture = imageName(row.picture);
        event.sound = row.sound;
        event.parameters = row.parameters;
        event.particles = row.particles;
        table[event.id] = event;
    }
    PlayerJournal::setFactory(&makeJournal);
}

const CJournalEvent* CJournal::FindEvent(unsigned id)
{
    std::map<unsigned, CJournalEvent>& table = eventTable();
    auto found = table.find(id);
    return found == table.end() ? nullptr : &found->second;
}

void CJournal::AddEntry(unsigned eventId, int career, int house, int money)
{
    Entry entry;
    entry.event = FindEvent(eventId);
    if (entry.event) {
        for (size_t slot = 0; slot < entry.event->parameters.size() && slot < 2; ++slot) {
            switch (entry.event->parameters[slot]) {
            case CJournalEvent::kCareer: entry.parameters[slot] = career; break;
            case CJournalEvent::kHouse: entry.parameters[slot] = house; break;
            case CJournalEvent::kMoney: entry.parameters[slot] = money; break;
            default: break;
            }
        }
    }
    entries.push_back(entry);
}

void CJournal::AddEntry(unsigned eventId, const Player* player)
{
    int career = player && player->getCareer() ? player->getCareer()->id : -1;
    int house = player && player->getHouse() ? player->getHouse()->id : -1;
    AddEntry(eventId, career, house, player ? player->getCash() : 0);
}

void CJournal::SetDate(int newDay, int newMonth, int newYear)
{
    day = static_cast<unsigned char>(newDay);
    month = static_cast<unsigned char>(newMonth);
    year = static_cast<unsigned short>(newYear);
}

void CJournal::AddAllEntries()
{
    const char* const kLast = "je_the_end";
    for (const EventRow& row : eventRows()) {
        if (std::strcmp(row.name, kLast) != 0)
            AddEntry(PlayerJournal::hashName(row.name), 0, 0, 100000);
    }
    AddEntry(PlayerJournal::hashName(kLast), 0, 0, 100000);
}

unsigned CJournal::getEntryId(int index) const
{
    const CJournalEvent* event = entries[index].event;
    return event ? event->id : 0;
}

std::string CJournal::GetEntryTitle(int i) const
{
    const CJournalEvent* event = entries[i].event;
    return event ? localised(event->title) : std::string();
}

std::string CJournal::parameterText(const Entry& entry, int slot) const
{
    int value = entry.parameters[slot];
    switch (entry.event->parameters[slot]) {
    case CJournalEvent::kPlayer: return name;
    case CJournalEvent::kCareer: return value >= 0 && value < kCardKinds ? localised(kCareerNames[value]) : "";
    case CJournalEvent::kHouse: return value >= 0 && value < kCardKinds ? localised(kHouseNames[value]) : "";
    case CJournalEvent::kMoney: return GameUtil::getMoneyString(value);
    }
    return {};
}

std::string CJournal::GetEntryDescription(int i) const
{
    const Entry& entry = entries[i];
    if (!entry.event || entry.event->description.empty())
        return {};
    std::vector<std::string> texts;
    for (size_t slot = 0; slot < entry.event->parameters.size() && slot < 2; ++slot)
        texts.push_back(parameterText(entry, static_cast<int>(slot)));
    return fillPattern(localised(entry.event->description), texts);
}

std::string CJournal::GetEntryBorder(int i) const
{
    const CJournalEvent* event = entries[i].event;
    return event ? event->border : std::string();
}

std::string CJournal::GetEntryPicture(int i) const
{
    const Entry& entry = entries[i];
    if (!entry.event)
        return {};
    if (!entry.event->picture.empty())
        return entry.event->picture;
    int careerSlot = entry.event->HasParameterType(CJournalEvent::kCareer);
    if (careerSlot >= 0 && careerSlot < 2) {
        int id = entry.parameters[careerSlot];
        if (id >= 0 && id < kCardKinds)
            return imageName(kCareerImages[id]);
    }
    int houseSlot = entry.event->HasParameterType(CJournalEvent::kHouse);
    if (houseSlot >= 0 && houseSlot < 2) {
        int id = entry.parameters[houseSlot];
        if (id >= 0 && id < kCardKinds)
            return imageName(kHouseImages[id]);
    }
    return {};
}

void CJournal::StartEmitters(int i, std::vector<Norv::SmartPtr<Particles>>& emitters) const
{
    emitters.clear();
    const CJournalEvent* event = entries[i].event;
    if (!event)
        return;
    for (const std::string& particle : event->particles)
        emitters.push_back(Norv::SmartPtr<Particles>(new Particles(("particles/" + particle + ".xml").c_str())));
}

void CJournal::PlaySound(int i) const
{
    const CJournalEvent* event = entries[i].event;
    if (event && !event->sound.empty())
        SoundManager::GetInstance().PlaySound(event->sound.c_str());
}

void CJournal::Save(FGDataWriter* writer) const
{
    writer->writeInt(static_cast<int>(entries.size()));
    for (const Entry& entry : entries) {
        // An entry of an unknown event is kept as zeros.
        writer->writeInt(entry.event ? static_cast<int>(entry.event->id) : 0);
        writer->writeInt(entry.event ? entry.parameters[0] : 0);
        writer->writeInt(entry.event ? entry.parameters[1] : 0);
    }
}

bool CJournal::Load(FGDataReader* reader)
{
    entries.clear();
    constexpr int kEntryBytes = 12;
    int n = reader->readCount(kEntryBytes);
    if (reader->hasError()) {
        RulesEngine::get().fatal("journal: impossible entry count");
        return false;
    }
    for (int i = 0; i < n; ++i) {
        Entry entry;
        entry.event = FindEvent(static_cast<unsigned>(reader->readInt()));
        entry.parameters[0] = reader->readInt();
        entry.parameters[1] = reader->readInt();
        entries.push_back(entry);
    }
    return true;
}
