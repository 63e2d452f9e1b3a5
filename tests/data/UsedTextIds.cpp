// Scanning the source tree for text ids.
#include "UsedTextIds.h"

#include <filesystem>
#include <fstream>
#include <regex>

namespace {

namespace fs = std::filesystem;

struct Scan {
    char const* folder;
    std::regex file;
    std::regex id; // group 1 is the id
};

// A board record is nine comma-separated fields; the fifth, the space's name,
// is the text id of the space.
std::regex const kBoardRecord(R"(^[^,]*,[^,]*,[^,]*,[^,]*,\s*([^,\s]+)\s*,.*)");

void ScanFolder(fs::path const& root, Scan const& scan, std::map<std::string, std::string>& found)
{
    fs::path const folder = root / scan.folder;
    if (!fs::is_directory(folder))
        return;
    fs::path const texts = root / "data" / "texts";
    for (auto const& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file() || entry.path().parent_path() == texts ||
            !std::regex_match(entry.path().filename().string(), scan.file))
            continue;
        std::ifstream in(entry.path());
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            for (std::sregex_iterator it(line.begin(), line.end(), scan.id), end; it != end; ++it) {
                std::string const where = fs::relative(entry.path(), root).string() + ":" + std::to_string(number);
                found.emplace((*it)[1].str(), where);
            }
        }
    }
}

} // namespace

std::map<std::string, std::string> FindUsedTextIds(std::string const& sourceRoot)
{
    Scan const scans[] = {
        {"src", std::regex(R"(.*\.(cpp|h))"), std::regex(R"re("(S_[A-Za-z0-9_]+)")re")},
        {"data", std::regex(R"(.*\.(lua|xml))"), std::regex(R"re(["'>](S_[A-Za-z0-9_]+)["'<])re")},
        {"data", std::regex("quorvelBoard\\.txt"), kBoardRecord},
    };
    std::map<std::string, std::string> found;
    for (Scan const& scan : scans)
        ScanFolder(sourceRoot, scan, found);
    return found;
}
