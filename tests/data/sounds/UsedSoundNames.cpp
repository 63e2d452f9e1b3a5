// Scanning the source tree and the journal for sound names.
#include "UsedSoundNames.h"

#include "qrvl/original/phone/journal/CJournal.h"
#include "qrvl/original/phone/journal/CJournalEvent.h"

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>

namespace {

namespace fs = std::filesystem;

// What a touch on the board's scenery and ground plays: the touchable
// models, the animated touchables, the buildings (the doorbell entry stands
// for six bells and a knock) and the four kinds of ground.
char const* const kBoardSounds[] = {
    "bi_balloon_tapped", "bi_rring_tapped",  "bi_boat_tapped",    "car_honk",         "bi_bball_tapped",
    "bi_goat_tapped",    "bi_snowman_tapped", "bi_church_bell_tapped", "bi_golflodge_tapped", "bi_mansion_tapped",
    "bi_factory_tapped", "bi_doorbell1",      "bi_doorbell2",      "bi_doorbell3",     "bi_doorbell4",
    "bi_doorbell5",      "bi_doorbell6",      "bi_cabin_knock",    "bi_grass_tapped",  "bi_sand_tapped",
    "bi_snow_tapped",    "bi_water_tapped",
};

// The journal viewer turns its pages with this.
char const* const kJournalViewerSounds[] = {"next_card"};

void ScanFolder(fs::path const& root, char const* folder, std::set<std::string> const& extensions,
                std::map<std::string, std::string>& found)
{
    static std::regex const playing(R"([A-Za-z]*[Ss]ound[A-Za-z]*\s*\(|\bsound\s*=)");
    static std::regex const name(R"re("([a-z][a-z0-9_]*)")re");
    for (auto const& entry : fs::recursive_directory_iterator(root / folder)) {
        if (!entry.is_regular_file() || !extensions.count(entry.path().extension().string()))
            continue;
        std::ifstream in(entry.path());
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            if (!std::regex_search(line, playing))
                continue;
            for (std::sregex_iterator it(line.begin(), line.end(), name), end; it != end; ++it)
                found.emplace((*it)[1], fs::relative(entry.path(), root).string() + ":" + std::to_string(number));
        }
    }
}

} // namespace

std::map<std::string, std::string> FindUsedSoundNames(std::string const& sourceRoot)
{
    std::map<std::string, std::string> found;
    ScanFolder(sourceRoot, "src", {".cpp", ".h"}, found);
    ScanFolder(sourceRoot, "data", {".lua"}, found);

    CJournal::InitJournalData();
    CJournal journal("", 0, 0);
    journal.AddAllEntries();
    for (int i = 0; i < journal.getEntryCount(); ++i) {
        CJournalEvent const* event = journal.GetEntryEvent(i);
        if (event && !event->sound.empty())
            found.emplace(event->sound, "the journal's events");
    }
    for (char const* sound : kBoardSounds)
        found.emplace(sound, "the board's scenery");
    for (char const* sound : kJournalViewerSounds)
        found.emplace(sound, "the journal viewer");
    return found;
}
